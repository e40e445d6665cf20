#pragma once

#include <cstddef>
#include <cstdint>

// Sound and music files come from disk and anyone can replace them. The
// sound bank reads each file whole and checks its entire structure here; a
// file that passes is rewritten as a canonical WAV (header, "fmt ", "data",
// nothing else) before SDL_mixer sees it, so none of the mixer's parsers
// ever walks bytes the game has not checked and written itself. A file that
// fails is refused with a reason and stays silent.
namespace WaveCheck {
// A sound effect is decoded whole and converted to 22050 Hz 16-bit stereo; a
// larger file is refused rather than letting it take the machine's memory.
// 16 MiB is over three minutes of CD-quality audio, far beyond any effect.
constexpr std::uint64_t maxEffectBytes = 16u * 1024u * 1024u;
// Music is held in memory while it plays: 64 MiB is over six minutes of
// CD-quality stereo, well beyond a looped dance tune.
constexpr std::uint64_t maxMusicBytes = 64u * 1024u * 1024u;

// The canonical file: a 12-byte RIFF header, a 24-byte "fmt " chunk and the
// 8-byte header of the "data" chunk.
constexpr std::size_t canonicalHeaderBytes = 44;

struct PcmFormat {
    std::uint16_t channels = 0;  // 1 or 2
    std::uint16_t bits = 0;      // 8 (unsigned) or 16 (signed, little-endian)
    std::uint32_t rate = 0;      // 4000 to 96000 Hz
    std::uint16_t blockAlign() const { return static_cast<std::uint16_t>(channels * (bits / 8)); }
};

struct Verdict {
    // Why the file is refused, or nullptr when it is accepted.
    const char* refusal = nullptr;
    PcmFormat format;
    // Where the samples lie in the file and how many bytes of whole sample
    // frames they hold (a trailing partial frame is left out).
    std::size_t dataOffset = 0;
    std::size_t dataBytes = 0;

    bool accepted() const { return refusal == nullptr; }
};

// Checks a whole file of size bytes: RIFF/WAVE whose RIFF size matches the
// file, a chain of chunks that ends exactly at the end of the file with each
// odd-sized chunk padded, exactly one "fmt " chunk of plain PCM (1 or 2
// channels, 8 or 16 bits, 4000-96000 Hz, consistent block size and byte rate)
// and after it exactly one "data" chunk of at least one sample frame, and no
// other chunk: nothing the mixer or a later reader might walk.
Verdict check(const unsigned char* file, std::size_t size);

// Rewrites an accepted file in place as its canonical form and returns the
// canonical size (canonicalHeaderBytes + verdict.dataBytes, plus a pad byte
// when that is odd; never more than the file's size). verdict must be check's verdict on this very buffer.
std::size_t makeCanonical(unsigned char* file, const Verdict& verdict);
}  // namespace WaveCheck
