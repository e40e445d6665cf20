#include "audio/MusicStream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include <SDL/SDL.h>

#include "audio/WaveCheck.h"

namespace {
constexpr std::size_t headerBytes = WaveCheck::canonicalHeaderBytes;

// Up to n bytes at offset; fewer only at the end of the file or on an error.
std::size_t readAt(int fd, std::size_t offset, unsigned char* out, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t part = ::pread(fd, out + got, n - got, static_cast<off_t>(offset + got));
        if (part < 0 && errno == EINTR) continue;
        if (part <= 0) break;
        got += static_cast<std::size_t>(part);
    }
    return got;
}

class FileSource final : public WaveCheck::Source {
public:
    explicit FileSource(int fd) : fd(fd) {}
    bool read(std::size_t offset, unsigned char* out, std::size_t n) override { return readAt(fd, offset, out, n) == n; }

private:
    int fd;
};

// The canonical file the mixer sees: header, samples, and a zero pad byte
// when their count is odd.
struct Stream {
    int fd = -1;
    std::size_t dataOffset = 0;  // where the samples lie in the file
    std::size_t dataEnd = 0;     // where they end in the stream
    std::size_t size = 0;        // of the stream
    std::size_t position = 0;
    unsigned char header[headerBytes] = {};
};

Stream& stream(SDL_RWops* ops) { return *static_cast<Stream*>(ops->hidden.unknown.data1); }

int SDLCALL seekStream(SDL_RWops* ops, int offset, int whence) {
    Stream& s = stream(ops);
    const long long base = whence == RW_SEEK_SET   ? 0
                           : whence == RW_SEEK_CUR ? static_cast<long long>(s.position)
                           : whence == RW_SEEK_END ? static_cast<long long>(s.size)
                                                   : -1;
    const long long target = base + offset;
    if (base < 0 || target < 0 || target > static_cast<long long>(s.size)) {
        SDL_SetError("seek outside the music");
        return -1;
    }
    s.position = static_cast<std::size_t>(target);
    return static_cast<int>(target);
}

// Whole objects only, as far as the stream goes; a file that has shrunk
// since it was checked ends the stream where its bytes end.
int SDLCALL readStream(SDL_RWops* ops, void* buffer, int size, int count) {
    Stream& s = stream(ops);
    if (size <= 0 || count <= 0) return 0;
    const std::size_t objectBytes = static_cast<std::size_t>(size);
    const std::size_t wanted =
        std::min(static_cast<std::size_t>(count), (s.size - s.position) / objectBytes) * objectBytes;
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t got = 0;
    while (got < wanted) {
        const std::size_t at = s.position + got;
        if (at < headerBytes) {
            const std::size_t n = std::min(wanted - got, headerBytes - at);
            std::memcpy(out + got, s.header + at, n);
            got += n;
        } else if (at < s.dataEnd) {
            const std::size_t n = std::min(wanted - got, s.dataEnd - at);
            const std::size_t read = readAt(s.fd, s.dataOffset + (at - headerBytes), out + got, n);
            got += read;
            if (read < n) break;
        } else {
            out[got++] = 0;  // the pad byte
        }
    }
    s.position += got;
    return static_cast<int>(got / objectBytes);
}

int SDLCALL writeStream(SDL_RWops*, const void*, int, int) {
    SDL_SetError("the music is read-only");
    return -1;
}

int SDLCALL closeStream(SDL_RWops* ops) {
    if (ops == nullptr) return 0;
    Stream* s = &stream(ops);
    ::close(s->fd);
    delete s;
    SDL_FreeRW(ops);
    return 0;
}
}  // namespace

namespace MusicStream {
SDL_RWops* open(int fd, std::size_t size, const char*& refusal) {
    FileSource source(fd);
    const WaveCheck::Verdict verdict = WaveCheck::check(source, size);
    Stream* s = verdict.accepted() ? new (std::nothrow) Stream : nullptr;
    SDL_RWops* ops = s != nullptr ? SDL_AllocRW() : nullptr;
    if (ops == nullptr) {
        refusal = verdict.accepted() ? "there was no memory to stream it" : verdict.refusal;
        delete s;
        ::close(fd);
        return nullptr;
    }
    s->fd = fd;
    s->dataOffset = verdict.dataOffset;
    s->dataEnd = headerBytes + verdict.dataBytes;
    s->size = WaveCheck::canonicalSize(verdict);
    WaveCheck::writeCanonicalHeader(s->header, verdict);
    ops->seek = seekStream;
    ops->read = readStream;
    ops->write = writeStream;
    ops->close = closeStream;
    ops->hidden.unknown.data1 = s;
    return ops;
}
}  // namespace MusicStream
