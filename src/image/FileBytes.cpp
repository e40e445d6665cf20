#include "image/FileBytes.h"

#include <cstdio>
#include <utility>

PixelBuffer readFileBytes(const char* path, std::size_t limit) {
    if (path == nullptr) return {};
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return {};
    PixelBuffer bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long length = std::ftell(file);
        if (length > 0 && static_cast<unsigned long>(length) <= limit && std::fseek(file, 0, SEEK_SET) == 0) {
            PixelBuffer whole(static_cast<std::size_t>(length));
            if (!whole.empty()) {
                const std::size_t got = std::fread(whole.data(), 1, whole.size(), file);
                if (got > 0) {
                    whole.truncate(got);
                    bytes = std::move(whole);
                }
            }
        }
    }
    std::fclose(file);
    return bytes;
}
