#include "app/Log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* logTitle = "VELVETARIUM";
constexpr const char* logVersion = "1.0c";
constexpr std::size_t pathCapacity = 4096;

char path[pathCapacity] = "log.txt";
std::FILE* logFile = nullptr;

}  // namespace

bool logSetPath(const char* newPath) {
    if (newPath == nullptr || newPath[0] == '\0' || std::strlen(newPath) >= pathCapacity) {
        return false;
    }
    std::memcpy(path, newPath, std::strlen(newPath) + 1);
    return true;
}

const char* logPath() { return path; }

bool logInit() {
    logFile = std::fopen(path, "w");
    if (logFile == nullptr) {
        std::perror("Can't init Logfile!\n");
        std::exit(1);
    }
    logWrite("%s V%s -- Log Init...\n\n", logTitle, logVersion);
    return true;
}

int logWrite(const char* format, ...) {
    if (logFile == nullptr) {
        return 0;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(logFile, format, arguments);
    va_end(arguments);
    std::fflush(logFile);
    return 0;
}

void logClose() {
    logWrite("\n-- Closing Log...\n");
    if (logFile != nullptr) {
        std::fclose(logFile);
        logFile = nullptr;
    }
}
