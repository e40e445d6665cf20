#include "app/IconMask.h"

#include <cstring>

std::size_t iconMaskSize(int width, int height) {
    if (width <= 0 || height <= 0 || width % 8 != 0) {
        return 0;
    }
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) / 8;
}

bool buildIconMask(const std::uint8_t* pixels, int width, int height, int pitch, std::uint8_t* mask) {
    const std::size_t size = iconMaskSize(width, height);
    if (size == 0 || pitch < width || pixels == nullptr || mask == nullptr) {
        return false;
    }
    std::memset(mask, 0, size);
    const std::uint8_t key = pixels[0];
    std::size_t bit = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch);
        for (int x = 0; x < width; ++x, ++bit) {
            if (row[x] != key) {
                mask[bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
            }
        }
    }
    return true;
}
