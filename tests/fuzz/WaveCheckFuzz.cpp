// Any bytes as a whole sound file, through the check every sound passes and
// the canonical copy the mixer is handed.
//
// The check gets exactly the input, in an allocation of its size, so a read
// past it is a sanitizer finding. An accepted file's canonical copy must be
// accepted again with the same format and samples, and be its own canonical
// copy.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzFiles.h"
#include "audio/WaveCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(data, data + size);
    const WaveCheck::Verdict verdict = WaveCheck::check(file.data(), file.size());
    if (!verdict.accepted()) {
        FUZZ_REQUIRE(verdict.refusal[0] != '\0');
        return 0;
    }
    const WaveCheck::PcmFormat format = verdict.format;
    FUZZ_REQUIRE((format.channels == 1 || format.channels == 2) && (format.bits == 8 || format.bits == 16));
    FUZZ_REQUIRE(format.rate >= 4000 && format.rate <= 96000);
    FUZZ_REQUIRE(verdict.dataBytes > 0 && verdict.dataBytes % format.blockAlign() == 0);
    FUZZ_REQUIRE(verdict.dataOffset >= WaveCheck::canonicalHeaderBytes);
    FUZZ_REQUIRE(verdict.dataOffset + verdict.dataBytes <= size);

    // The canonical copy, in an allocation of exactly its size.
    const std::size_t canonicalSize = WaveCheck::makeCanonical(file.data(), verdict);
    FUZZ_REQUIRE(canonicalSize <= size);
    std::vector<std::uint8_t> canonical(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(canonicalSize));
    const WaveCheck::Verdict again = WaveCheck::check(canonical.data(), canonical.size());
    FUZZ_REQUIRE(again.accepted() && again.format.channels == format.channels && again.format.bits == format.bits);
    FUZZ_REQUIRE(again.format.rate == format.rate && again.dataOffset == WaveCheck::canonicalHeaderBytes);
    const std::uint8_t* samples = data + verdict.dataOffset;  // the input's own, untouched
    FUZZ_REQUIRE(again.dataBytes == verdict.dataBytes &&
                 std::equal(samples, samples + verdict.dataBytes, canonical.begin() + WaveCheck::canonicalHeaderBytes));
    const std::vector<std::uint8_t> before = canonical;
    FUZZ_REQUIRE(WaveCheck::makeCanonical(canonical.data(), again) == canonicalSize && canonical == before);
    return 0;
}
