// quorvane-bench: the picture layer's decoders and encoder against their
// peers, then a table of the ratios. Extra arguments go to Google Benchmark
// and override the defaults below (e.g. --benchmark_filter=gif).
#include <benchmark/benchmark.h>

#include <iostream>
#include <vector>

#include "PictureBenchmarks.h"
#include "RatioTable.h"

int main(int argc, char** argv) {
    // A third of a second per run, best of three: the whole run stays near a
    // minute on two busy cores while one slow run cannot spoil a figure.
    std::vector<char*> args = {argv[0], const_cast<char*>("--benchmark_min_time=0.3"),
                               const_cast<char*>("--benchmark_repetitions=3")};
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    qv::bench::registerPictureBenchmarks();
    qv::bench::RatioTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    table.print(std::cout);
    benchmark::Shutdown();
    return 0;
}
