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

std::int32_t s32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                     (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

// Surfaces up to 256 x 256 pixels are built and checked: every size, pitch
// and padding case arises within them, and a window icon is 32 x 32. Larger
// ones are still put to the size checks, which touch no pixels; building
// them would only make each run slower (a million pixels took 1/50 s).
constexpr std::int64_t maxPixels = 1 << 16;

// Checks the mask against the pixels: bit i (most significant first) is set
// exactly where pixel i differs from the top-left one.
void checkMask(const std::uint8_t* pixels, int width, int height, int pitch, const std::vector<std::uint8_t>& mask) {
    std::size_t bit = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, ++bit) {
            const bool opaque = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch) + static_cast<std::size_t>(x)] != pixels[0];
            const bool set = (mask[bit / 8] >> (7 - bit % 8)) & 1u;
            FUZZ_REQUIRE(opaque == set);
        }
    }
}

void fill(std::uint8_t* out, std::size_t count, const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < count; ++i) out[i] = size ? data[i % size] : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12) return 0;
    const int width = s32(data);
    const int height = s32(data + 4);
    const int pitch = s32(data + 8);
    const std::uint8_t* rest = data + 12;
    const std::size_t restSize = size - 12;

    const std::size_t maskBytes = iconMaskSize(width, height);
    const bool sizeValid = width > 0 && height > 0 && width % 8 == 0;
    FUZZ_REQUIRE((maskBytes != 0) == sizeValid);
    if (sizeValid) FUZZ_REQUIRE(maskBytes * 8 == static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height));

    if (!sizeValid || pitch < width) {
        // Refused without touching anything: no buffers to read or write.
        std::uint8_t pixel = 0, mask = 0xAB;
        FUZZ_REQUIRE(!buildIconMask(&pixel, width, height, pitch, &mask));
        FUZZ_REQUIRE(mask == 0xAB);
    } else if (static_cast<std::int64_t>(pitch) * height <= maxPixels) {
        const std::size_t rowsBytes = static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height - 1) + static_cast<std::size_t>(width);
        std::vector<std::uint8_t> pixels(rowsBytes);
        fill(pixels.data(), pixels.size(), rest, restSize);
        std::vector<std::uint8_t> mask(maskBytes, 0xAB);
        FUZZ_REQUIRE(buildIconMask(pixels.data(), width, height, pitch, mask.data()));
        checkMask(pixels.data(), width, height, pitch, mask);
    }

    // A real surface of that size, as SDL_LoadBMP would make it.
    if (width > 0 && height > 0 && static_cast<std::int64_t>(width) * height <= maxPixels) {
        SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8, 0, 0, 0, 0);
        if (surface != nullptr) {
            for (int y = 0; y < height; ++y)
                fill(static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::size_t>(y) * surface->pitch,
                     static_cast<std::size_t>(width), rest + (restSize ? (static_cast<std::size_t>(y) % restSize) : 0),
                     restSize ? restSize - static_cast<std::size_t>(y) % restSize : 0);
            const std::size_t bytes = iconMaskSize(surface->w, surface->h);
            std::vector<std::uint8_t> mask(bytes ? bytes : 1, 0xAB);
            const bool built = buildIconMask(static_cast<const std::uint8_t*>(surface->pixels), surface->w, surface->h,
                                             surface->pitch, mask.data());
            FUZZ_REQUIRE(built == (bytes != 0));
            if (built) checkMask(static_cast<const std::uint8_t*>(surface->pixels), surface->w, surface->h, surface->pitch, mask);
            SDL_FreeSurface(surface);
        }
    }
    return 0;
}
