#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "WaveFiles.h"
#include "audio/WaveCheck.h"

namespace {
bool accepted(const std::vector<unsigned char>& bytes) {
    return WaveCheck::isPlainPcmWave(bytes.data(), bytes.size(), bytes.size());
}

void set32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

void set16(std::vector<unsigned char>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

// Offsets in the files waveBytes writes.
constexpr std::size_t fmtBody = 20;
constexpr std::size_t dataSizeAt = 40;
}  // namespace

TEST(WaveCheck, AcceptsThePcmFilesTheGeneratorWrites) {
    EXPECT_TRUE(accepted(wavetest::waveBytes()));
    EXPECT_TRUE(accepted(wavetest::waveBytes({1, 2, 22050, 16, 100})));
    EXPECT_TRUE(accepted(wavetest::waveBytes({1, 1, 44100, 8, 100})));
    EXPECT_TRUE(accepted(wavetest::waveBytes({1, 2, 8000, 8, 1})));
}

TEST(WaveCheck, SkipsOtherChunksWithTheirPadding) {
    std::vector<unsigned char> bytes = wavetest::waveBytes();
    // A LIST chunk of odd length (padded) between "fmt " and "data".
    std::vector<unsigned char> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    EXPECT_TRUE(accepted(bytes));
    // Without the pad byte the data chunk is not where the chain leads.
    bytes.erase(bytes.begin() + 36 + 11);
    EXPECT_FALSE(accepted(bytes));
}

TEST(WaveCheck, RefusesOtherFormatsAndBrokenHeaders) {
    const std::vector<unsigned char> good = wavetest::waveBytes();
    auto mutated = [&](auto change) {
        std::vector<unsigned char> bytes = good;
        change(bytes);
        return accepted(bytes);
    };
    EXPECT_FALSE(mutated([](auto& b) { b[0] = 'X'; }));                      // not RIFF
    EXPECT_FALSE(mutated([](auto& b) { b[8] = 'A'; }));                      // not WAVE
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody, 3); }));            // float samples
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody, 0xFFFE); }));       // extensible
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody + 2, 0); }));        // no channels
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody + 2, 6); }));        // surround
    EXPECT_FALSE(mutated([](auto& b) { set32(b, fmtBody + 4, 0); }));        // no sample rate
    EXPECT_FALSE(mutated([](auto& b) { set32(b, fmtBody + 4, 1000000); }));  // absurd rate
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody + 12, 7); }));       // block size lies
    EXPECT_FALSE(mutated([](auto& b) { set16(b, fmtBody + 14, 24); }));      // 24-bit
    EXPECT_FALSE(mutated([](auto& b) { set32(b, fmtBody + 8, 12345); }));    // byte rate lies
    EXPECT_FALSE(mutated([](auto& b) { set32(b, 16, 8); }));                 // fmt chunk too short
    EXPECT_FALSE(mutated([](auto& b) { set32(b, dataSizeAt, 0); }));         // no samples
    EXPECT_FALSE(mutated([](auto& b) { set32(b, dataSizeAt, 0xFFFFFFFFu); })); // data past the end
    EXPECT_FALSE(mutated([](auto& b) { set32(b, 16, 0xFFFFFFF0u); }));       // fmt past the end
    EXPECT_FALSE(mutated([](auto& b) { b[36] = 'x'; }));                     // no data chunk at all
    EXPECT_FALSE(mutated([](auto& b) {                                       // data before fmt
        std::vector<unsigned char> swapped(b.begin(), b.begin() + 12);
        swapped.insert(swapped.end(), b.begin() + 36, b.end());
        swapped.insert(swapped.end(), b.begin() + 12, b.begin() + 36);
        b = swapped;
    }));
}

TEST(WaveCheck, NeverTrustsTheSizesItIsHanded) {
    const std::vector<unsigned char> good = wavetest::waveBytes();
    // A head longer than the file it claims to come from is refused.
    EXPECT_FALSE(WaveCheck::isPlainPcmWave(good.data(), good.size(), good.size() - 1));
    EXPECT_FALSE(WaveCheck::isPlainPcmWave(nullptr, 0, 0));
    // Only the head is read: a file whose data lies beyond the head is judged by the head alone.
    EXPECT_TRUE(WaveCheck::isPlainPcmWave(good.data(), 44, good.size()));
    EXPECT_FALSE(WaveCheck::isPlainPcmWave(good.data(), 40, good.size()));

    // Every truncation of a valid file is either refused or consistent; none reads past the head.
    for (std::size_t length = 0; length < good.size(); ++length) {
        std::vector<unsigned char> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(accepted(cut)) << length;
    }
}
