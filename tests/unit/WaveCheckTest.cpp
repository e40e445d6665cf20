#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <fcntl.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "WaveFiles.h"
#include "audio/MusicStream.h"
#include "audio/WaveCheck.h"
#include "support/TempDirectory.h"

using namespace wavetest;

namespace {
using Change = std::function<void(Bytes&)>;

// Keeps the first bytes of the samples (and a pad byte when odd), with true sizes.
Change keepData(std::uint32_t bytes) {
    return [bytes](Bytes& b) { b.resize(44 + bytes + bytes % 2), put(b, 40, bytes), fixRiff(b); };
}

// Inserts a padded chunk at a byte offset (the end when `at` is 0).
Change insertChunk(std::size_t at, const char* tag, Bytes body) {
    return [=](Bytes& b) {
        Bytes chunk(tag, tag + 4);
        chunk.resize(8), put(chunk, 4, static_cast<std::uint32_t>(body.size()));
        chunk.insert(chunk.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) chunk.push_back(0);
        b.insert(at ? b.begin() + static_cast<std::ptrdiff_t>(at) : b.end(), chunk.begin(), chunk.end());
        fixRiff(b);
    };
}

WaveCheck::Verdict verdictOn(const Bytes& b) { return WaveCheck::check(b.data(), b.size()); }

// A file on disk as music: the stream the mixer would read, or why there is none.
struct Streamed {
    explicit Streamed(const Bytes& file) {
        dir.write("music.wav", file);
        stream = MusicStream::open(::open(dir.path("music.wav").c_str(), O_RDONLY), file.size(), refusal);
    }
    ~Streamed() { stream != nullptr && SDL_RWclose(stream); }
    Bytes read(int size, int count) {
        Bytes bytes(static_cast<std::size_t>(std::max(size * count, 0)));
        bytes.resize(static_cast<std::size_t>(SDL_RWread(stream, bytes.data(), size, count) * size));
        return bytes;
    }
    TempDirectory dir;
    SDL_RWops* stream = nullptr;
    const char* refusal = nullptr;
};
}  // namespace

TEST(WaveCheck, AcceptsPlainPcmAndHandsOnOnlyItsFormatAndWholeFrames) {
    const auto pad = [](Bytes& b) {
        if (b.size() % 2 == 1) b.push_back(0), fixRiff(b);
    };
    const struct {
        const char* name;
        WaveSpec spec;
        Change change;
        std::uint32_t frames;  // whole frames the canonical copy keeps
    } cases[] = {
        {"stereo 16-bit", {1, 2, 22050, 16, 100}, [](Bytes&) {}, 100},
        {"mono 8-bit at the highest rate, odd data padded", {1, 1, 96000, 8, 101}, pad, 101},
        {"stereo 8-bit at the lowest rate, one frame", {1, 2, 4000, 8, 1}, [](Bytes&) {}, 1},
        {"an empty format extension", {1, 1, 22050, 16, 50},
         [](Bytes& b) { put(b, 16, 18), b.insert(b.begin() + 36, {0, 0}), fixRiff(b); }, 50},
        {"a trailing half frame is dropped", {1, 2, 22050, 16, 20},
         [](Bytes& b) { b.insert(b.end(), {1, 2}), put(b, 40, 20 * 4 + 2), fixRiff(b); }, 20},
    };
    for (const auto& c : cases) {
        Bytes bytes = waveBytes(c.spec);
        c.change(bytes);
        Streamed music(bytes);
        const WaveCheck::Verdict verdict = verdictOn(bytes);
        ASSERT_TRUE(verdict.accepted() && music.stream != nullptr) << c.name << ": " << verdict.refusal;
        bytes.resize(WaveCheck::makeCanonical(bytes.data(), verdict));
        // The canonical copy, and the music stream, are exactly what the generator writes for the same samples.
        Bytes expected = waveBytes({1, c.spec.channels, c.spec.rate, c.spec.bits, c.frames});
        pad(expected);
        EXPECT_EQ(bytes, expected) << c.name;
        EXPECT_EQ(music.read(1, static_cast<int>(bytes.size()) + 9), expected) << c.name;
    }
}

TEST(WaveCheck, RefusesEveryOtherStructureWithItsReason) {
    const Bytes good = waveBytes({1, 1, 22050, 16, 64});
    const struct {
        const char* name;
        Change change;
        const char* reason;  // a word of the refusal the log shows
    } cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }, "RIFF/WAVE"},
        {"not WAVE", [](Bytes& b) { b[8] = 'A'; }, "RIFF/WAVE"},
        {"RIFF size too large", [](Bytes& b) { put(b, 4, 0xFFFFFFFFu); }, "RIFF size"},
        {"a byte after the RIFF", [](Bytes& b) { b.push_back(0); }, "RIFF size"},
        {"float samples", [](Bytes& b) { put(b, 20, 3, 2); }, "PCM"},
        {"surround", [](Bytes& b) { put(b, 22, 6, 2); }, "channels"},
        {"24-bit", [](Bytes& b) { put(b, 34, 24, 2); }, "bits"},
        {"just below the lowest rate", [](Bytes& b) { put(b, 24, 3999), put(b, 28, 3999 * 2); }, "rate"},
        {"just above the highest rate", [](Bytes& b) { put(b, 24, 96001), put(b, 28, 96001 * 2); }, "rate"},
        {"block size lies", [](Bytes& b) { put(b, 32, 7, 2); }, "block"},
        {"byte rate lies", [](Bytes& b) { put(b, 28, 12345); }, "byte rate"},
        {"fmt chunk too short", [](Bytes& b) { put(b, 16, 14); }, "fmt chunk"},
        {"fmt chunk past the end", [](Bytes& b) { put(b, 16, 0xFFFFFFF0u); }, "past the end"},
        {"data past the end", [](Bytes& b) { put(b, 40, 0xFFFFFFFFu); }, "past the end"},
        {"no samples", keepData(0), "no whole sample frame"},
        {"half a frame", keepData(1), "no whole sample frame"},
        {"half a frame without its pad", [](Bytes& b) { keepData(1)(b), b.pop_back(), fixRiff(b); }, "pad byte"},
        {"a LIST of tags", insertChunk(36, "LIST", {'a', 'b', 'c'}), "other than fmt and data"},
        {"no data chunk", [](Bytes& b) { b.resize(36), fixRiff(b); }, "no data chunk"},
        {"no chunk at all", [](Bytes& b) { b.resize(12), fixRiff(b); }, "no fmt chunk"},
        {"a second fmt chunk", insertChunk(36, "fmt ", Bytes(&good[20], &good[36])), "more than one fmt"},
        {"a second data chunk", insertChunk(0, "data", {0, 0}), "more than one data"},
        {"ends inside a chunk header", [](Bytes& b) { b.insert(b.end(), {'L', 'I', 'S', 'T'}), fixRiff(b); }, "header"},
        {"data before fmt", [](Bytes& b) { std::rotate(b.begin() + 12, b.begin() + 36, b.end()); }, "before the fmt"},
        {"a whole RIFF file behind an unknown chunk", [](Bytes& b) { b = nestedRiff(); }, "other than fmt and data"},
    };
    for (const auto& c : cases) {
        Bytes bytes = good;
        c.change(bytes);
        const WaveCheck::Verdict verdict = verdictOn(bytes);
        ASSERT_FALSE(verdict.accepted()) << c.name;
        EXPECT_NE(std::string(verdict.refusal).find(c.reason), std::string::npos) << c.name << ": " << verdict.refusal;
        const Streamed music(bytes);  // the same check, read from the file
        EXPECT_TRUE(music.stream == nullptr && music.refusal == verdict.refusal) << c.name;
    }
    EXPECT_FALSE(WaveCheck::check(nullptr, 0).accepted());
    // No cut of a valid file is accepted: every byte of its structure counts.
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(verdictOn(Bytes(good.data(), good.data() + length)).accepted()) << length;
}

TEST(WaveCheck, MusicStreamsOnlyItsCanonicalFormAndEndsWhereTheFileEnds) {
    // 8-bit stereo behind an extended fmt chunk, then half a frame and a pad byte the stream leaves out.
    Bytes file = waveBytes({1, 2, 22050, 8, 50});
    file.insert(file.end(), {0x7f, 0}), put(file, 40, 101), put(file, 16, 18), file.insert(file.begin() + 36, {0, 0});
    fixRiff(file);
    Bytes canonical = file;
    canonical.resize(WaveCheck::makeCanonical(canonical.data(), verdictOn(canonical)));
    ASSERT_EQ(canonical.size(), 144u);
    Streamed music(file);
    ASSERT_NE(music.stream, nullptr);
    const struct {
        int whence, offset, position, size, count, objects;  // position -1: the seek is refused
    } steps[] = {{RW_SEEK_SET, 0, 0, 1, 500, 144},  {RW_SEEK_END, 0, 144, 1, 1, 0},  {RW_SEEK_END, 1, -1, 1, 1, 0},
                 {RW_SEEK_SET, -1, -1, 1, 1, 0},    {RW_SEEK_SET, 40, 40, 4, 3, 3},  {RW_SEEK_CUR, 90, 142, 2, 2, 1},
                 {RW_SEEK_SET, 7, 7, 0, 5, 0},      {RW_SEEK_CUR, 0, 7, 2, -1, 0},   {7, 0, -1, 1, 1, 1}};
    for (const auto& step : steps) {
        EXPECT_EQ(SDL_RWseek(music.stream, step.offset, step.whence), step.position) << step.offset;
        const auto at = canonical.begin() + SDL_RWtell(music.stream);
        EXPECT_EQ(music.read(step.size, step.count), Bytes(at, at + step.objects * step.size)) << step.offset;
    }
    // The file loses its samples but 50 while it plays: the stream ends with them.
    std::filesystem::resize_file(music.dir.path("music.wav"), 46 + 50);
    SDL_RWseek(music.stream, 0, RW_SEEK_SET);
    EXPECT_EQ(music.read(1, 500), Bytes(canonical.begin(), canonical.begin() + 44 + 50));
}
