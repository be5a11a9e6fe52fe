#include "app/StartUp.h"

int main(int argc, char** argv) { return qv::runQuorvane(argc, argv); }
