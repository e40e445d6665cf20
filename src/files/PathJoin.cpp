#include "files/PathJoin.h"

#include <cstdio>
#include <cstring>

bool joinPath(char* out, std::size_t size, const char* directory, const char* name) {
    if (size == 0) return false;
    std::size_t length = directory != nullptr ? std::strlen(directory) : 0;
    while (length > 1 && directory[length - 1] == '/') --length;
    const char* separator = length == 0 || (length == 1 && directory[0] == '/') ? "" : "/";
    const int n = std::snprintf(out, size, "%.*s%s%s", static_cast<int>(length), length > 0 ? directory : "",
                                separator, name);
    if (n < 0 || static_cast<std::size_t>(n) >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}
