#include "game/ProgressStore.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/PathJoin.h"

namespace {

// write() until every byte is out or an error other than an interruption.
bool writeAll(int fd, const std::uint8_t* data, int size) {
    int done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, static_cast<std::size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        done += static_cast<int>(n);
    }
    return true;
}

// Where the file named `named` may be replaced, and the temporary file's
// pattern beside it. The rename of the atomic write would replace anything,
// so this keeps what writing the file in place would have kept:
// - a file the game may not both read and write is left alone: one it could
//   not read may hold progress it never saw, and a read-only one was made
//   so on purpose;
// - a directory, pipe or device under the name is left alone;
// - a symbolic link stays a link: its target is replaced, with the
//   temporary file in the target's directory (a dangling link is left alone).
bool replacementTarget(const char* named, char* path, std::size_t pathSize, char* temp, std::size_t tempSize) {
    struct stat link {};
    if (::lstat(named, &link) != 0) {
        if (errno != ENOENT) return false;
        // No file yet: it is made where it was named.
        const int n = std::snprintf(path, pathSize, "%s", named);
        if (n <= 0 || static_cast<std::size_t>(n) >= pathSize) return false;
    } else {
        struct stat target {};
        if (::stat(named, &target) != 0 || !S_ISREG(target.st_mode)) return false;
        if (::faccessat(AT_FDCWD, named, R_OK | W_OK, AT_EACCESS) != 0) return false;
        if (S_ISLNK(link.st_mode)) {
            char resolved[PATH_MAX];
            if (::realpath(named, resolved) == nullptr) return false;
            const int n = std::snprintf(path, pathSize, "%s", resolved);
            if (n <= 0 || static_cast<std::size_t>(n) >= pathSize) return false;
        } else {
            const int n = std::snprintf(path, pathSize, "%s", named);
            if (n <= 0 || static_cast<std::size_t>(n) >= pathSize) return false;
        }
    }
    // The temporary file lies in the same directory as the file it replaces,
    // so that the rename stays within one file system.
    const char* slash = std::strrchr(path, '/');
    const int directoryLength = slash ? static_cast<int>(slash - path + 1) : 0;
    const int n = std::snprintf(temp, tempSize, "%.*s%s", directoryLength, path, "savegame.txt.XXXXXX");
    return n > 0 && static_cast<std::size_t>(n) < tempSize;
}

}  // namespace

ProgressStore::ProgressStore() = default;

bool ProgressStore::setDirectory(const char* directory) {
    if (!directory) directory = "";
    const std::size_t length = std::strlen(directory);
    // Room for the separator, the file name, the temporary suffix and the zero.
    if (length + 32 >= static_cast<std::size_t>(directorySize)) return false;
    std::memcpy(dir, directory, length + 1);
    return true;
}

int ProgressStore::fieldOffset(std::uint8_t level, std::uint8_t field) {
    if (level < firstLevel || level > lastLevel || field < 1 || field > 5) return -1;
    return (level - 1) * levelStride + (field - 1) * fieldWidth;
}

// The value's decimal text, cut to the field: shorter text ends with a zero
// byte, four characters fill the field, longer text keeps its first four.
// The rest of a field is zeroed so that the file holds no stale digits.
void ProgressStore::storeText(int offset, std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    std::uint8_t* field = image + offset;
    std::memset(field, 0, fieldWidth);
    for (int i = 0; i < fieldWidth && text[i] != '\0'; ++i) field[i] = static_cast<std::uint8_t>(text[i]);
}

std::int32_t ProgressStore::readText(int offset) const {
    char text[fieldWidth + 1] = {};
    for (int i = 0; i < fieldWidth && image[offset + i] != 0; ++i) text[i] = static_cast<char>(image[offset + i]);
    return static_cast<std::int32_t>(std::atoi(text));
}

void ProgressStore::holdWrites() { held = true; }

bool ProgressStore::releaseWrites() {
    const bool wasPending = held && pending;
    held = false;
    pending = false;
    return wasPending ? write() : true;
}

void ProgressStore::changed() {
    if (held)
        pending = true;
    else
        write();
}

void ProgressStore::refresh() {
    if (!held) reload();
}

void ProgressStore::setField(std::uint8_t level, std::uint8_t field, std::int32_t value) {
    const int offset = fieldOffset(level, field);
    if (offset < 0) return;
    storeText(offset, value);
    changed();
}

std::int32_t ProgressStore::getField(std::uint8_t level, std::uint8_t field) {
    const int offset = fieldOffset(level, field);
    if (offset < 0) return 0;
    refresh();
    return readText(offset);
}

void ProgressStore::loadHighscore() {
    refresh();
    highscorePoints = readText(pointsOffset);
    std::memset(highscoreName, 0, sizeof highscoreName);
    // The name ends at its first zero byte; a byte that is no printable
    // character ends it too, so a damaged file can only shorten the name.
    for (int i = 0; i < nameLength; ++i) {
        const std::uint8_t c = image[nameOffset + i];
        if (c < 32 || c > 126) break;
        highscoreName[i] = static_cast<char>(c);
    }
}

void ProgressStore::setHighscoreName(const char* name) {
    if (!name) name = "";
    std::memset(highscoreName, 0, sizeof highscoreName);
    std::memset(image + nameOffset, 0, nameLength);
    for (int i = 0; i < nameLength && name[i] != '\0'; ++i) {
        highscoreName[i] = name[i];
        image[nameOffset + i] = static_cast<std::uint8_t>(name[i]);
    }
    changed();
}

void ProgressStore::setHighscorePoints(std::int32_t points) {
    storeText(pointsOffset, points);
    changed();
}

bool ProgressStore::reload() {
    char path[directorySize + 32];
    if (!joinPath(path, sizeof path, dir, fileName)) return false;
    // Non-blocking, so that a pipe or device under that name cannot hang
    // the game; only a regular file is read.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::uint8_t buffer[imageSize];
    int got = 0;
    while (got < imageSize) {
        const ssize_t n = ::read(fd, buffer + got, static_cast<std::size_t>(imageSize - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            // A read error keeps the whole image: half a file is no progress.
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        got += static_cast<int>(n);
    }
    ::close(fd);
    std::memcpy(image, buffer, static_cast<std::size_t>(got));
    return true;
}

bool ProgressStore::write() {
    char named[directorySize + 32];
    if (!joinPath(named, sizeof named, dir, fileName)) return false;
    char path[PATH_MAX + 32];
    char temp[PATH_MAX + 32];
    if (!replacementTarget(named, path, sizeof path, temp, sizeof temp)) return false;
    const int fd = ::mkstemp(temp);
    if (fd < 0) return false;
    // mkstemp makes the file private; a progress file is an ordinary one.
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, image, imageSize) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp, path) != 0) {
        ::unlink(temp);
        return false;
    }
    // The directory itself is not synced: that would double the cost of
    // every write, and after a power cut the rename is either there or not;
    // both leave a whole file.
    return true;
}
