/* Compiled only where no prebuilt libstb is found. */
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
