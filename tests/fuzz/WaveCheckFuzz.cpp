// Any bytes as the start of a sound file, and a file length that may be
// longer than what was read, through the check every sound passes before
// SDL_mixer sees it.
//
// The first four input bytes give the extra length of the file beyond the
// rest of the input; the check is handed exactly the bytes it may read, in
// a buffer of that size, so a read past them is a sanitizer finding.
// An accepted file must really be RIFF/WAVE with a PCM "fmt " chunk inside
// the bytes read, and its data chunk's header must lie there too.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzFiles.h"
#include "audio/WaveCheck.h"

namespace {
std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        FUZZ_REQUIRE(!WaveCheck::isPlainPcmWave(data, size, size));
        return 0;
    }
    const std::uint64_t extra = le32(data) & 0x00FFFFFFu;
    const std::uint8_t* file = data + 4;
    const std::size_t bytes = size - 4;
    const std::size_t headSize = bytes < WaveCheck::headBytes ? bytes : WaveCheck::headBytes;
    const std::uint64_t fileSize = static_cast<std::uint64_t>(bytes) + extra;

    // Exactly the head, in its own allocation.
    std::vector<std::uint8_t> head(file, file + headSize);
    const bool accepted = WaveCheck::isPlainPcmWave(head.data(), head.size(), fileSize);
    if (accepted) {
        FUZZ_REQUIRE(headSize >= 12 + 8 + 16 + 8);
        FUZZ_REQUIRE(std::memcmp(head.data(), "RIFF", 4) == 0 && std::memcmp(head.data() + 8, "WAVE", 4) == 0);
        // Walk the chunks again: a PCM "fmt " before "data", both headers
        // within the head, the data chunk ending within the file.
        std::uint64_t pos = 12;
        bool format = false, sound = false;
        while (pos + 8 <= headSize) {
            const std::uint32_t chunk = le32(head.data() + pos + 4);
            if (std::memcmp(head.data() + pos, "fmt ", 4) == 0) {
                FUZZ_REQUIRE(pos + 8 + chunk <= headSize && chunk >= 16);
                FUZZ_REQUIRE(head[pos + 8] == 1 && head[pos + 9] == 0);
                format = true;
            } else if (std::memcmp(head.data() + pos, "data", 4) == 0) {
                FUZZ_REQUIRE(format && chunk > 0 && pos + 8 + chunk <= fileSize);
                sound = true;
                break;
            }
            pos += 8 + static_cast<std::uint64_t>(chunk) + (chunk & 1u);
        }
        FUZZ_REQUIRE(sound);
    }
    // The same bytes as a whole file of exactly their size (no lying length).
    if (headSize == bytes) {
        std::vector<std::uint8_t> whole(file, file + bytes);
        const bool alone = WaveCheck::isPlainPcmWave(whole.data(), whole.size(), whole.size());
        // More file after the same bytes never refuses what they pass alone.
        if (alone) FUZZ_REQUIRE(accepted);
    }
    // A head longer than the file it claims to start is refused.
    if (headSize > 0) FUZZ_REQUIRE(!WaveCheck::isPlainPcmWave(head.data(), head.size(), headSize - 1));
    return 0;
}
