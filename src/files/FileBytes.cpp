#include "files/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

int openFileAtMost(const char* path, std::size_t limit, std::size_t& size) {
    if (path == nullptr) return -1;
    // Non-blocking, so that a pipe put in a picture's place cannot hang the
    // game at open; only a regular file is read at all (a directory, a device
    // or a pipe reads as a missing file).
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
        static_cast<std::uint64_t>(info.st_size) <= limit) {
        size = static_cast<std::size_t>(info.st_size);
        return fd;
    }
    ::close(fd);
    return -1;
}

ByteBuffer readFileBytes(const char* path, std::size_t limit) {
    std::size_t size = 0;
    const int fd = openFileAtMost(path, limit, size);
    if (fd < 0) return {};
    ByteBuffer bytes;
    ByteBuffer whole(size);
    std::size_t got = 0;
    while (!whole.empty() && got < whole.size()) {
        const ssize_t n = ::read(fd, whole.data() + got, whole.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the file shrank while it was read, or an error
        got += static_cast<std::size_t>(n);
    }
    if (got > 0) {
        whole.truncate(got);
        bytes = std::move(whole);
    }
    ::close(fd);
    return bytes;
}
