// The window icon's transparency mask over surfaces of any size: the first
// input bytes give width, height and the row pitch (any int, negative and
// huge ones too); the rest fills the pixels. The pixel buffer is exactly as
// long as the rows the size describes, and the mask exactly as long as
// iconMaskSize says, so any read or write past either is a sanitizer
// finding. Then the same through a real 8-bit SDL surface of that size.

#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzFiles.h"
#include "app/IconMask.h"

namespace {

// Surfaces up to 256 x 256 pixels are built and checked: every size, pitch
// and padding case arises within them, and a window icon is 32 x 32. Larger
// ones are still put to the size checks, which touch no pixels; building
// them would only make each run slower (a million pixels took 1/50 s).
constexpr std::int64_t maxPixels = 1 << 16;

// Builds the mask of the pixels and checks it: bit i (most significant
// first) is set exactly where pixel i differs from the top-left one.
void requireMask(const std::uint8_t* pixels, int width, int height, int pitch) {
    std::vector<std::uint8_t> mask(iconMaskSize(width, height), 0xAB);
    FUZZ_REQUIRE(buildIconMask(pixels, width, height, pitch, mask.data()));
    for (std::size_t y = 0, bit = 0; y < static_cast<std::size_t>(height); ++y) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x, ++bit) {
            const bool opaque = pixels[y * static_cast<std::size_t>(pitch) + x] != pixels[0];
            FUZZ_REQUIRE(opaque == (((mask[bit / 8] >> (7 - bit % 8)) & 1u) != 0));
        }
    }
}

// Fills `count` bytes with the input's pixel bytes over and over, from the `start`th on.
void fill(std::uint8_t* out, std::size_t count, const std::uint8_t* data, std::size_t size, std::size_t start = 0) {
    for (std::size_t i = 0; i < count; ++i) out[i] = size ? data[(start + i) % size] : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12) return 0;
    std::int32_t numbers[3];  // width, height, pitch
    std::memcpy(numbers, data, sizeof numbers);
    const int width = numbers[0], height = numbers[1], pitch = numbers[2];
    const std::uint8_t* rest = data + 12;
    const std::size_t restSize = size - 12;

    const std::size_t maskBytes = iconMaskSize(width, height);
    const bool sizeValid = width > 0 && height > 0 && width % 8 == 0;
    FUZZ_REQUIRE((maskBytes != 0) == sizeValid);
    FUZZ_REQUIRE(!sizeValid || maskBytes * 8 == static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height));
    if (!sizeValid || pitch < width) {
        // Refused without touching anything: no buffers to read or write.
        std::uint8_t pixel = 0, mask = 0xAB;
        FUZZ_REQUIRE(!buildIconMask(&pixel, width, height, pitch, &mask) && mask == 0xAB);
    } else if (static_cast<std::int64_t>(pitch) * height <= maxPixels) {
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height - 1) +
                                         static_cast<std::size_t>(width));
        fill(pixels.data(), pixels.size(), rest, restSize);
        requireMask(pixels.data(), width, height, pitch);
    }

    // A real surface of that size, as SDL_LoadBMP would make it.
    if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > maxPixels) return 0;
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8, 0, 0, 0, 0);
    if (surface == nullptr) return 0;
    auto* pixels = static_cast<std::uint8_t*>(surface->pixels);
    for (int y = 0; y < height; ++y)
        fill(pixels + y * surface->pitch, static_cast<std::size_t>(width), rest, restSize, static_cast<std::size_t>(y));
    if (iconMaskSize(surface->w, surface->h) != 0) {
        requireMask(pixels, surface->w, surface->h, surface->pitch);
    } else {
        std::uint8_t mask = 0xAB;
        FUZZ_REQUIRE(!buildIconMask(pixels, surface->w, surface->h, surface->pitch, &mask) && mask == 0xAB);
    }
    SDL_FreeSurface(surface);
    return 0;
}
