// Any bytes at all: a picture comes out whole, or nothing does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "view2d/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Surface picture;
    const bool read = decodeBitmap(data, size, picture);
    const size_t expected = size_t(picture.width) * size_t(picture.height);
    if (read != !isEmpty(picture) || picture.pixels.size() != expected) std::abort();
    for (uint32_t pixel : picture.pixels)
        if (pixel > 0xFFFFFF) std::abort();
    return 0;
}
