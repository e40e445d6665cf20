#pragma once

#include <cstddef>

// Random stage names and the dancers' sayings.
//
// A name is up to 10 letters followed by zero bytes in an 11-byte buffer:
// a capital first, lower case after. Every pool letter costs exactly one
// rand() call, drawn in position order, so a fixed seed gives a fixed name.

constexpr std::size_t stageNameSize = 11;
constexpr int sayingCount = 40;
constexpr int primaSaying = 40;

// Fills a dancer's name for difficulty 1 (4 letters), 2 (5) or 3 (6).
// Difficulties outside 1..3 are treated as the nearest one.
void makeDancerName(char (&name)[stageNameSize], int difficulty);

// Fills the Prima Ballerina's name with one of her 14 patterns (3 to 8 letters).
void makePrimaName(char (&name)[stageNameSize]);

// Fills the name from one pattern: V v w k X x pool letters, digits 1..9 repeat
// that earlier position. Exposed so that both tables above share one reader.
void makeNameFromPattern(char (&name)[stageNameSize], const char* pattern);

// Zeroes the buffer and copies saying number (1..40) into it, truncated to
// fit; any other number leaves it empty. A null buffer or size 0 is ignored.
void setSaying(char* buffer, std::size_t size, int number);

// The text of saying number (1..40), nullptr for any other number.
const char* sayingText(int number);
