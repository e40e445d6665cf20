#pragma once

#include <cstddef>
#include <cstdint>

// Sound and music files come from disk and anyone can replace them. Their
// entire structure is checked here, from the chunk headers and the fmt chunk
// alone (the samples are never walked); a file that passes reaches SDL_mixer
// only as a canonical WAV (header, "fmt ", "data", nothing else) whose header
// the game wrote itself, so none of the mixer's parsers ever walks bytes the
// game has not checked. A file that fails is refused with a reason and stays
// silent.
namespace WaveCheck {
// A sound effect is decoded whole and converted to 22050 Hz 16-bit stereo; a
// larger file is refused rather than letting it take the machine's memory.
// 16 MiB is over three minutes of CD-quality audio, far beyond any effect.
constexpr std::uint64_t maxEffectBytes = 16u * 1024u * 1024u;
// Music streams from its file while it plays; 64 MiB is over six minutes of
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

// Where check reads the structure of a file of known size from.
class Source {
public:
    // True when all n bytes at offset were read into out.
    virtual bool read(std::size_t offset, unsigned char* out, std::size_t n) = 0;

protected:
    ~Source() = default;
};

// Checks a whole file of size bytes: RIFF/WAVE whose RIFF size matches the
// file, a chain of chunks that ends exactly at the end of the file with each
// odd-sized chunk padded, exactly one "fmt " chunk of plain PCM (1 or 2
// channels, 8 or 16 bits, 4000-96000 Hz, consistent block size and byte rate)
// and after it exactly one "data" chunk of at least one sample frame, and no
// other chunk: nothing the mixer or a later reader might walk.
// A file that cannot be read back is refused.
Verdict check(Source& file, std::size_t size);
// The same for a file held whole in memory.
Verdict check(const unsigned char* file, std::size_t size);

// The size of an accepted file's canonical form: canonicalHeaderBytes +
// verdict.dataBytes, plus a pad byte when that is odd; never more than the
// file's size.
std::size_t canonicalSize(const Verdict& verdict);
// Writes the canonical header of an accepted file into out.
void writeCanonicalHeader(unsigned char (&out)[canonicalHeaderBytes], const Verdict& verdict);

// Rewrites an accepted file in place as its canonical form and returns the
// canonical size. verdict must be check's verdict on this very buffer.
std::size_t makeCanonical(unsigned char* file, const Verdict& verdict);
}  // namespace WaveCheck
