// Any bytes as a whole sound file, through the check every sound passes and
// the canonical copy the mixer is handed.
//
// The check gets exactly the input, in an allocation of its size, so a read
// past it is a sanitizer finding. An accepted file's canonical copy must be
// accepted again with the same format and samples, and be its own canonical
// copy.

#include <cstddef>
#include <cstdint>
#include <cstring>
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
    FUZZ_REQUIRE(format.channels == 1 || format.channels == 2);
    FUZZ_REQUIRE(format.bits == 8 || format.bits == 16);
    FUZZ_REQUIRE(format.rate >= 4000 && format.rate <= 96000);
    FUZZ_REQUIRE(verdict.dataBytes > 0 && verdict.dataBytes % format.blockAlign() == 0);
    FUZZ_REQUIRE(verdict.dataOffset >= WaveCheck::canonicalHeaderBytes);
    FUZZ_REQUIRE(verdict.dataOffset + verdict.dataBytes <= size);
    const std::vector<std::uint8_t> samples(file.begin() + static_cast<std::ptrdiff_t>(verdict.dataOffset),
                                            file.begin() + static_cast<std::ptrdiff_t>(verdict.dataOffset + verdict.dataBytes));

    // The canonical copy, in an allocation of exactly its size.
    const std::size_t canonicalSize = WaveCheck::makeCanonical(file.data(), verdict);
    FUZZ_REQUIRE(canonicalSize <= size);
    std::vector<std::uint8_t> canonical(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(canonicalSize));
    const WaveCheck::Verdict again = WaveCheck::check(canonical.data(), canonical.size());
    FUZZ_REQUIRE(again.accepted());
    FUZZ_REQUIRE(again.format.channels == format.channels && again.format.bits == format.bits &&
                 again.format.rate == format.rate);
    FUZZ_REQUIRE(again.dataOffset == WaveCheck::canonicalHeaderBytes && again.dataBytes == verdict.dataBytes);
    FUZZ_REQUIRE(std::memcmp(canonical.data() + again.dataOffset, samples.data(), samples.size()) == 0);
    const std::vector<std::uint8_t> before = canonical;
    FUZZ_REQUIRE(WaveCheck::makeCanonical(canonical.data(), again) == canonicalSize && canonical == before);
    return 0;
}
