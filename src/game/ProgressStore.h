#pragma once

#include <cstdint>

// The player's progress in one 1000-byte file, "savegame.txt": five 4-byte
// decimal text fields per level (gold, silver, bronze, own, ownDifficulty)
// for levels 1..50, and the highscore's name (bytes 560..569) and points
// (570..573), inside the unused record of level 29.
//
// Every write rewrites the whole file at once; every level read reloads it
// first. The file is replaced atomically (temporary file, sync, rename): a
// crash, a full disk or a read-only directory leaves the old file as it was.
// Nothing a file holds can make a read fail: missing bytes keep the image,
// any byte reads through atoi of at most four characters.
class ProgressStore {
public:
    static constexpr int imageSize = 1000;
    static constexpr int fieldWidth = 4;
    static constexpr int levelStride = 20;
    static constexpr int firstLevel = 1;
    static constexpr int lastLevel = 50;
    static constexpr int nameOffset = 560;
    static constexpr int nameLength = 10;
    static constexpr int pointsOffset = 570;
    static constexpr const char* fileName = "savegame.txt";

    // An image of zeros: every field reads 0 until a file is loaded.
    ProgressStore();

    // The directory that holds "savegame.txt"; empty (the default) is the
    // working directory. Longer paths than the buffer keeps are refused
    // (the directory stays as it was) and false is returned.
    bool setDirectory(const char* directory);
    const char* directory() const { return dir; }

    // Stores the value's decimal text in field 1..5 of level 1..50 and
    // writes the file. Other levels and fields change nothing.
    void setField(std::uint8_t level, std::uint8_t field, std::int32_t value);
    // Reloads the image from the file, then reads the field. Other levels
    // and fields read 0.
    std::int32_t getField(std::uint8_t level, std::uint8_t field);

    // Reloads the image; fills highscorePoints and highscoreName from it.
    void loadHighscore();
    // Copies the name (at most 10 characters) into highscoreName and into
    // bytes 560..569, zero bytes after a shorter name; writes the file.
    void setHighscoreName(const char* name);
    // Stores the points' text in bytes 570..573; writes the file.
    void setHighscorePoints(std::int32_t points);

    // Many changes at once (the first start writes every field of 21
    // levels): while held, the setters change only the image and the
    // getters read the image without reloading; releaseWrites writes the
    // file once if anything changed and returns whether that write (if any)
    // succeeded.
    void holdWrites();
    bool releaseWrites();
    bool writesHeld() const { return held; }

    // Reloads the image from the file: a missing or unreadable file keeps
    // the image; a short file replaces only its own length. True when a file
    // was read.
    bool reload();
    // Writes the image to the file atomically. True on success; on failure
    // the old file is untouched. What a write in place could not have
    // changed is not replaced either: a file the game may not read and
    // write, or anything but a regular file; a symbolic link keeps pointing
    // to its target, which gets the new image.
    bool write();

    const std::uint8_t* imageBytes() const { return image; }

    std::int32_t highscorePoints = 0;
    char highscoreName[12] = {};  // 10 characters and a terminator

private:
    void storeText(int offset, std::int32_t value);
    std::int32_t readText(int offset) const;
    static int fieldOffset(std::uint8_t level, std::uint8_t field);
    void changed();   // write now, or later while writes are held
    void refresh();   // reload unless writes are held

    static constexpr int directorySize = 4096;
    char dir[directorySize] = {};
    std::uint8_t image[imageSize] = {};
    bool held = false;
    bool pending = false;
};
