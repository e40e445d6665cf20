#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "WaveFiles.h"
#include "audio/WaveCheck.h"

namespace {
using Bytes = std::vector<unsigned char>;

// Offsets in the files waveBytes writes.
constexpr std::size_t fmtBody = 20;
constexpr std::size_t dataHeader = 36;
constexpr std::size_t dataSizeAt = 40;

WaveCheck::Verdict verdictOn(const Bytes& bytes) { return WaveCheck::check(bytes.data(), bytes.size()); }

void set32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

void set16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

// Keeps the first bytes of the samples (and a pad byte when odd), with true sizes.
void resizeData(Bytes& bytes, std::uint32_t dataBytes) {
    bytes.resize(dataSizeAt + 4 + dataBytes + dataBytes % 2);
    set32(bytes, dataSizeAt, dataBytes);
    set32(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 8));
}

// Inserts a padded chunk at a byte offset and keeps the RIFF size true.
void insertChunk(Bytes& bytes, std::size_t at, const char* tag, const Bytes& body) {
    Bytes chunk(tag, tag + 4);
    for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<unsigned char>(body.size() >> (8 * i)));
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) chunk.push_back(0);
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
    set32(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 8));
}

// The canonical form of an accepted file, written into a copy.
Bytes canonical(const Bytes& bytes) {
    Bytes copy = bytes;
    const WaveCheck::Verdict verdict = WaveCheck::check(copy.data(), copy.size());
    EXPECT_TRUE(verdict.accepted()) << verdict.refusal;
    if (!verdict.accepted()) return {};
    copy.resize(WaveCheck::makeCanonical(copy.data(), verdict));
    return copy;
}


}  // namespace

TEST(WaveCheck, AcceptsPlainPcmAndHandsOnOnlyItsFormatAndWholeFrames) {
    struct Case {
        const char* name;
        wavetest::WaveSpec spec;
        std::function<void(Bytes&)> change;
        std::size_t frames;  // whole frames the canonical copy keeps
    };
    const auto none = [](Bytes&) {};
    // An odd data chunk ends with its pad byte.
    const auto padToEven = [](Bytes& b) {
        if (b.size() % 2 == 1) b.push_back(0), set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    };
    const std::vector<Case> cases = {
        {"mono 16-bit", {1, 1, 22050, 16, 100}, none, 100},
        {"stereo 16-bit", {1, 2, 22050, 16, 100}, none, 100},
        {"mono 8-bit, odd data padded", {1, 1, 44100, 8, 101}, padToEven, 101},
        {"stereo 8-bit at 8000 Hz, one frame", {1, 2, 8000, 8, 1}, none, 1},
        {"the lowest rate", {1, 1, 4000, 16, 10}, none, 10},
        {"the highest rate", {1, 1, 96000, 16, 10}, none, 10},
        {"an empty format extension", {1, 1, 22050, 16, 50}, [](Bytes& b) {
             set32(b, 16, 18);
             b.insert(b.begin() + dataHeader, {0, 0});
             set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
         }, 50},
        {"a trailing half frame is dropped", {1, 2, 22050, 16, 20}, [](Bytes& b) {
             b.insert(b.end(), {1, 2});
             set32(b, dataSizeAt, 20 * 4 + 2);
             set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
         }, 20},
    };
    for (const Case& c : cases) {
        Bytes bytes = wavetest::waveBytes(c.spec);
        c.change(bytes);
        const Bytes out = canonical(bytes);
        // The canonical copy is exactly what the generator writes for the same samples.
        Bytes expected = wavetest::waveBytes({1, c.spec.channels, c.spec.rate, c.spec.bits, static_cast<std::uint32_t>(c.frames)});
        padToEven(expected);
        EXPECT_EQ(out, expected) << c.name;
    }
}

TEST(WaveCheck, RefusesEveryOtherStructureWithItsReason) {
    const Bytes good = wavetest::waveBytes({1, 1, 22050, 16, 64});
    struct Case {
        const char* name;
        std::function<void(Bytes&)> change;
        const char* reason;  // a word of the refusal the log shows
    };
    const std::vector<Case> cases = {
        {"empty", [](Bytes& b) { b.clear(); }, "RIFF/WAVE"},
        {"not RIFF", [](Bytes& b) { b[0] = 'X'; }, "RIFF/WAVE"},
        {"not WAVE", [](Bytes& b) { b[8] = 'A'; }, "RIFF/WAVE"},
        {"RIFF size too small", [](Bytes& b) { set32(b, 4, 36); }, "RIFF size"},
        {"RIFF size too large", [](Bytes& b) { set32(b, 4, 0xFFFFFFFFu); }, "RIFF size"},
        {"a byte after the RIFF", [](Bytes& b) { b.push_back(0); }, "RIFF size"},
        {"float samples", [](Bytes& b) { set16(b, fmtBody, 3); }, "PCM"},
        {"extensible format", [](Bytes& b) { set16(b, fmtBody, 0xFFFE); }, "PCM"},
        {"no channels", [](Bytes& b) { set16(b, fmtBody + 2, 0); }, "channels"},
        {"surround", [](Bytes& b) { set16(b, fmtBody + 2, 6); }, "channels"},
        {"24-bit", [](Bytes& b) { set16(b, fmtBody + 14, 24); }, "bits"},
        {"no sample rate", [](Bytes& b) { set32(b, fmtBody + 4, 0); }, "rate"},
        {"absurd rate", [](Bytes& b) { set32(b, fmtBody + 4, 1000000); }, "rate"},
        {"just below the lowest rate", [](Bytes& b) { set32(b, fmtBody + 4, 3999), set32(b, fmtBody + 8, 3999 * 2); }, "rate"},
        {"just above the highest rate", [](Bytes& b) { set32(b, fmtBody + 4, 96001), set32(b, fmtBody + 8, 96001 * 2); }, "rate"},
        {"block size lies", [](Bytes& b) { set16(b, fmtBody + 12, 7); }, "block"},
        {"byte rate lies", [](Bytes& b) { set32(b, fmtBody + 8, 12345); }, "byte rate"},
        {"fmt chunk too short", [](Bytes& b) { set32(b, 16, 14); }, "fmt chunk"},
        {"fmt chunk past the end", [](Bytes& b) { set32(b, 16, 0xFFFFFFF0u); }, "past the end"},
        {"data past the end", [](Bytes& b) { set32(b, dataSizeAt, 0xFFFFFFFFu); }, "past the end"},
        {"no samples", [](Bytes& b) { resizeData(b, 0); }, "no whole sample frame"},
        {"half a frame", [](Bytes& b) { resizeData(b, 1); }, "no whole sample frame"},
        {"half a frame without its pad", [](Bytes& b) { resizeData(b, 1), b.pop_back(), set32(b, 4, static_cast<std::uint32_t>(b.size() - 8)); }, "pad byte"},
        {"a LIST of tags", [](Bytes& b) { insertChunk(b, dataHeader, "LIST", {'a', 'b', 'c'}); }, "other than fmt and data"},
        {"no data chunk", [](Bytes& b) { b.resize(dataHeader), set32(b, 4, dataHeader - 8); }, "no data chunk"},
        {"no fmt chunk", [](Bytes& b) { b.erase(b.begin() + 12, b.begin() + dataHeader), set32(b, 4, static_cast<std::uint32_t>(b.size() - 8)); }, "before the fmt"},
        {"only a fmt chunk's worth of RIFF", [](Bytes& b) { b.resize(12), set32(b, 4, 4); }, "no fmt chunk"},
        {"a second fmt chunk", [](Bytes& b) { insertChunk(b, dataHeader, "fmt ", Bytes(b.begin() + 20, b.begin() + 36)); }, "more than one fmt"},
        {"a second data chunk", [](Bytes& b) { insertChunk(b, b.size(), "data", {0, 0}); }, "more than one data"},
        {"ends inside a chunk header", [](Bytes& b) { b.insert(b.end(), {'L', 'I', 'S', 'T'}), set32(b, 4, static_cast<std::uint32_t>(b.size() - 8)); }, "chunk header"},
        {"data before fmt", [](Bytes& b) {
             Bytes swapped(b.begin(), b.begin() + 12);
             swapped.insert(swapped.end(), b.begin() + dataHeader, b.end());
             swapped.insert(swapped.end(), b.begin() + 12, b.begin() + dataHeader);
             b = swapped;
         }, "before the fmt"},
        {"a whole RIFF file behind an unknown chunk", [](Bytes& b) { b = wavetest::nestedRiff(); }, "other than fmt and data"},
    };
    for (const Case& c : cases) {
        Bytes bytes = good;
        c.change(bytes);
        const WaveCheck::Verdict verdict = verdictOn(bytes);
        ASSERT_FALSE(verdict.accepted()) << c.name;
        EXPECT_NE(std::string(verdict.refusal).find(c.reason), std::string::npos) << c.name << ": " << verdict.refusal;
    }
    EXPECT_FALSE(WaveCheck::check(nullptr, 0).accepted());

    // No cut of a valid file is accepted: every byte of its structure counts.
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(verdictOn(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length))).accepted()) << length;
}
