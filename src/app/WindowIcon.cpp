#include "app/WindowIcon.h"

#include "app/IconMask.h"
#include "app/Log.h"

#include <cstdint>
#include <cstdlib>

namespace {
// The icon and its mask live as long as the process (the window may ask for
// them again at any time); held here, they stay reachable rather than lost.
// A later load replaces them.
SDL_Surface* heldIcon = nullptr;
std::uint8_t* heldMask = nullptr;

void holdIcon(SDL_Surface* icon, std::uint8_t* mask) {
    if (heldIcon != nullptr) SDL_FreeSurface(heldIcon);
    std::free(heldMask);
    heldIcon = icon;
    heldMask = mask;
}
}  // namespace

SDL_Surface* loadWindowIcon(const char* fileName) {
    // Without the file, report why it could not be opened rather than the
    // loader's complaint about a null stream.
    SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
    SDL_Surface* icon = file != nullptr ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (icon == nullptr) {
        logWrite("Unable to load icon: %s\n", SDL_GetError());
        return nullptr;
    }
    if (icon->w <= 0 || icon->h <= 0) {
        SDL_FreeSurface(icon);
        logWrite("Unable to load icon: %s\n", "empty picture");
        return nullptr;
    }
    if (icon->w % 8 != 0) {
        logWrite("Icon width must be a multiple of 8\n");
        SDL_FreeSurface(icon);
        return nullptr;
    }
    // One byte per pixel is what the mask reads, so anything else counts as
    // having no palette.
    if (icon->format->palette == nullptr || icon->format->BytesPerPixel != 1) {
        logWrite("Icon file must have a palette.\n");
        SDL_FreeSurface(icon);
        return nullptr;
    }

    if (SDL_MUSTLOCK(icon)) {
        SDL_LockSurface(icon);
    }
    const auto* pixels = static_cast<const std::uint8_t*>(icon->pixels);
    SDL_SetColorKey(icon, SDL_SRCCOLORKEY, pixels[0]);

    auto* mask = static_cast<std::uint8_t*>(std::malloc(iconMaskSize(icon->w, icon->h)));
    if (mask == nullptr) {
        if (SDL_MUSTLOCK(icon)) {
            SDL_UnlockSurface(icon);
        }
        logWrite("malloc() failed while loading icon: %s\n", SDL_GetError());
        SDL_FreeSurface(icon);
        return nullptr;
    }
    buildIconMask(pixels, icon->w, icon->h, icon->pitch, mask);
    if (SDL_MUSTLOCK(icon)) {
        SDL_UnlockSurface(icon);
    }

    SDL_WM_SetIcon(icon, mask);
    holdIcon(icon, mask);
    return icon;
}
