#pragma once

#include <cstddef>

struct SDL_RWops;

// A music file streamed to SDL_mixer from disk instead of held in memory.
// Its structure is checked once, at open; from then on the stream shows the
// mixer the canonical file: a header the game wrote itself, then the checked
// samples read from the file, which stays open, clamped to their checked
// length. Whatever becomes of the file later (rewritten, truncated, deleted)
// can only change what is heard or end the music early. The mixer reads from
// its audio thread: every read is a pread into the caller's buffer, and the
// stream shares nothing with the thread that opened it.
namespace MusicStream {
// Takes the open file descriptor fd of a file of size bytes. Gives the
// stream (SDL_RWclose closes the file too), or nullptr with the file closed
// and refusal set to why it was not taken.
SDL_RWops* open(int fd, std::size_t size, const char*& refusal);
}  // namespace MusicStream
