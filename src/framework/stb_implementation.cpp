// The one place the stb image libraries' code is compiled; everything else includes their
// headers only.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
