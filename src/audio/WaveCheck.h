#pragma once

#include <cstddef>
#include <cstdint>

// Sound and music files come from disk and anyone can replace them. Before a
// file is handed to SDL_mixer, its header must describe plain PCM WAV of the
// kind the asset generator writes; anything else (another format, a broken or
// lying header, a chunk running past the end of the file) is treated like a
// missing file. This keeps SDL_mixer's other decoders and odd WAV variants out
// of reach of whatever lies in the game's directory.
namespace WaveCheck {
// Bytes of a file's start that the check reads; the "fmt " and "data" chunk
// headers must lie within them.
constexpr std::size_t headBytes = 4096;
// A sound effect is loaded whole and converted to 22050 Hz 16-bit stereo; a
// larger file is refused rather than letting it take the machine's memory.
// 16 MiB is over three minutes of CD-quality audio, far beyond any effect.
constexpr std::uint64_t maxEffectBytes = 16u * 1024u * 1024u;

// head: the first headSize bytes of a file that is fileSize bytes long
// (headSize <= fileSize). True when the file is RIFF/WAVE with a PCM "fmt "
// chunk (1 or 2 channels, 8 or 16 bits, 4000-96000 Hz, consistent block
// size and byte rate) followed by a "data" chunk of at least one sample frame
// that ends within the file.
bool isPlainPcmWave(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize);
}  // namespace WaveCheck
