// Any bytes as "savegame.txt": the start-up reads of the game, a first
// start's writes when the file holds no own score, then the writes of a won
// dance and of a new highscore.
//
// Besides what the sanitizers see: reading never changes the file; every
// field reads as at most four characters of decimal text; each write
// replaces exactly the bytes it names and keeps every other byte of the
// progress that was on disk; what was written reads back.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "FuzzFiles.h"
#include "game/ProgressStore.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const std::string& path) {
    Bytes bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FUZZ_REQUIRE(file != nullptr);
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
    return bytes;
}

int offsetOf(int level, int field) { return (level - 1) * ProgressStore::levelStride + (field - 1) * ProgressStore::fieldWidth; }

// The field's text as the store must have written it: decimal, cut to
// four characters, zero bytes after a shorter text.
void putText(Bytes& image, int offset, std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    for (int i = 0; i < ProgressStore::fieldWidth; ++i) image[static_cast<std::size_t>(offset + i)] = 0;
    for (int i = 0; i < ProgressStore::fieldWidth && text[i] != '\0'; ++i)
        image[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(text[i]);
}

bool readable(std::int32_t value) { return value >= -999 && value <= 9999; }

// A deterministic choice from the input, so that a finding replays.
struct Choices {
    std::uint32_t state;
    explicit Choices(const std::uint8_t* data, std::size_t size) : state(2166136261u) {
        for (std::size_t i = 0; i < size; ++i) state = (state ^ data[i]) * 16777619u;
    }
    std::uint32_t next(std::uint32_t below) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % below;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzfiles::ScratchDirectory& dir = fuzzfiles::scratch();
    const std::string path = dir.write(ProgressStore::fileName, data, size);

    // What the store must see: the file's first 1000 bytes over an image of zeros.
    Bytes image(ProgressStore::imageSize, 0);
    std::memcpy(image.data(), data, size < image.size() ? size : image.size());

    ProgressStore store;
    FUZZ_REQUIRE(store.setDirectory(dir.path().c_str()));

    // The start-up reads of the game.
    std::int32_t ownSum = 0;
    for (int level = 0; level <= 20; ++level) {
        for (int field = 1; field <= 5; ++field) {
            const std::int32_t value = store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
            FUZZ_REQUIRE(readable(value));
            if (level == 0) FUZZ_REQUIRE(value == 0);
            if (field == 4) ownSum += value != 0;
        }
    }
    for (int level : {49, 50, 51, 52, 53, 55, 56, 58, 59}) {
        for (int field = 1; field <= 4; ++field) {
            const std::int32_t value = store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
            FUZZ_REQUIRE(readable(value));
            if (level > 50) FUZZ_REQUIRE(value == 0);
        }
    }
    store.loadHighscore();
    FUZZ_REQUIRE(readable(store.highscorePoints));
    FUZZ_REQUIRE(store.highscoreName[10] == '\0' && store.highscoreName[11] == '\0');
    for (int i = 0; store.highscoreName[i] != '\0'; ++i) FUZZ_REQUIRE(store.highscoreName[i] >= 32 && store.highscoreName[i] <= 126);
    FUZZ_REQUIRE(std::memcmp(store.imageBytes(), image.data(), image.size()) == 0);
    // Reading never writes: the file is still the input, byte for byte.
    FUZZ_REQUIRE(fileBytes(path) == Bytes(data, data + size));

    Choices choose(data, size);
    if (ownSum == 0) {
        // A first start: every field of levels 1..20, written once.
        store.holdWrites();
        for (int level = 1; level <= 20; ++level) {
            for (int field = 1; field <= 5; ++field) {
                const auto value = static_cast<std::int32_t>(choose.next(4000)) - 500;
                store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), value);
                putText(image, offsetOf(level, field), value);
            }
        }
        FUZZ_REQUIRE(store.releaseWrites());
        FUZZ_REQUIRE(fileBytes(path) == image);
    }

    // A won dance: fields 1..4 of its level, field 5 when the difficulty rose.
    const int level = 1 + static_cast<int>(choose.next(50));
    for (int field = 1; field <= 5; ++field) {
        const auto value = static_cast<std::int32_t>(choose.next(200000)) - 100000;
        store.setField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field), value);
        putText(image, offsetOf(level, field), value);
        FUZZ_REQUIRE(fileBytes(path) == image);
        const std::int32_t back = store.getField(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(field));
        FUZZ_REQUIRE(readable(back));
    }

    // A new highscore: a name of printable characters and the points.
    char name[16] = {};
    const int length = static_cast<int>(choose.next(14));
    for (int i = 0; i < length; ++i) name[i] = static_cast<char>(33 + choose.next(94));
    store.setHighscoreName(name);
    for (int i = 0; i < ProgressStore::nameLength; ++i)
        image[static_cast<std::size_t>(ProgressStore::nameOffset + i)] = static_cast<std::uint8_t>(i < length ? name[i] : 0);
    const auto points = static_cast<std::int32_t>(choose.next(100000));
    store.setHighscorePoints(points);
    putText(image, ProgressStore::pointsOffset, points);
    FUZZ_REQUIRE(fileBytes(path) == image);
    store.loadHighscore();
    FUZZ_REQUIRE(std::strncmp(store.highscoreName, name, ProgressStore::nameLength) == 0);
    FUZZ_REQUIRE(readable(store.highscorePoints));

    // The replacement is an ordinary file and leaves nothing else behind.
    struct stat info {};
    FUZZ_REQUIRE(::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == ProgressStore::imageSize);
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    FUZZ_REQUIRE(entries == 1);
    return 0;
}
