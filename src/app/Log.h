#pragma once

// The process-wide text log. Every write is flushed at once, so the log is
// complete even when the program leaves through exit(1).

// Where logInit opens the log; "log.txt" in the working directory unless set
// before logInit. Returns false (and keeps the old path) for a null or too
// long path.
bool logSetPath(const char* path);
const char* logPath();

// Truncates the log and writes the banner line and an empty line. Does not
// return when the file cannot be opened: perror and exit(1).
bool logInit();

// printf-style write; dropped while no log is open. Always returns 0.
int logWrite(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes the closing line and closes the file.
void logClose();
