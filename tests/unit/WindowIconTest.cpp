// The window icon, its mask, and the log that says why an icon was refused.
#include "app/IconMask.h"
#include "app/Log.h"
#include "app/WindowIcon.h"
#include "../../assets/BmpWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

const std::string banner = "VELVETARIUM V1.0c -- Log Init...\n\n";

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(logSetPath(dir.path("log.txt").c_str()));
    }
    void TearDown() override {
        logClose();
        logSetPath("log.txt");
    }
    std::string contents() const {
        const std::vector<std::uint8_t> bytes = fileBytes(dir.path("log.txt"));
        return {bytes.begin(), bytes.end()};
    }
    TempDirectory dir;
};

TEST_F(LogTest, UnusablePathsAreRefusedAndALogThatCannotBeOpenedEndsTheGame) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    ASSERT_TRUE(logSetPath("/nonexistent-velvetarium-dir/log.txt"));
    for (const std::string& bad : {std::string(), std::string(5000, 'x')}) EXPECT_FALSE(logSetPath(bad.c_str()));
    EXPECT_FALSE(logSetPath(nullptr));
    EXPECT_STREQ(logPath(), "/nonexistent-velvetarium-dir/log.txt");
    EXPECT_EXIT(logInit(), ::testing::ExitedWithCode(1), "Can't init Logfile!");
}

TEST_F(LogTest, UnusableWindowIconsAreLoggedAndGiveNoIcon) {
    logInit();
    ASSERT_TRUE(dir.write("text.bmp", {'n', 'o', 't'}));
    ASSERT_TRUE(BmpWriter::write8(dir.path("12wide.bmp"), 12, 8, std::vector<std::uint8_t>(96, 1),
                                  std::vector<std::uint8_t>(768, 90)));
    ASSERT_TRUE(BmpWriter::write24(dir.path("rgb.bmp"), Image(8, 8)));
    const std::pair<const char*, const char*> rows[] = {
        {"missing.bmp", "Unable to load icon: "},  // then SDL's own reason
        {"text.bmp", "Unable to load icon: "},
        {"12wide.bmp", "Icon width must be a multiple of 8\n"},
        {"rgb.bmp", "Icon file must have a palette.\n"},
    };
    for (const auto& [file, message] : rows) {
        const std::size_t before = contents().size();
        EXPECT_EQ(loadWindowIcon(dir.path(file).c_str()), nullptr) << file;
        const std::string said = contents().substr(before);
        EXPECT_EQ(said.substr(0, std::strlen(message)), message) << file;
        EXPECT_GT(said.size(), std::string("Unable to load icon: \n").size()) << file << ": no reason given";
    }
}

// The log of a run: the banner (over an earlier run's log), nothing for a
// good icon, and one closing line however often it is closed.
TEST_F(LogTest, AGoodIconIsKeyedByItsTopLeftPixelAndLogsNothing) {
    ASSERT_TRUE(dir.write("log.txt", {'o', 'l', 'd', '\n'}));
    logWrite("before the log is open\n");
    logInit();
    std::vector<std::uint8_t> pixels(16 * 8, 200);
    pixels[0] = pixels[5] = 17;
    ASSERT_TRUE(BmpWriter::write8(dir.path("icon.bmp"), 16, 8, pixels, std::vector<std::uint8_t>(768, 90)));
    SDL_Surface* icon = loadWindowIcon(dir.path("icon.bmp").c_str());
    ASSERT_NE(icon, nullptr) << contents();
    EXPECT_TRUE(icon->w == 16 && icon->h == 8);
    EXPECT_TRUE(icon->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(icon->format->colorkey, 17u);
    logClose();
    logClose();
    logWrite("after it is closed\n");
    EXPECT_EQ(contents(), banner + "\n-- Closing Log...\n");
}

TEST(IconMask, SetBitsArePixelsDifferingFromTheTopLeftOneFirstPixelHighestAndBadShapesAreRefused) {
    const struct {
        int width, height, pitch;
        std::vector<std::uint8_t> pixels, mask;  // no mask: refused, the buffer untouched
        std::size_t size;
    } rows[] = {
        {8, 2, 8, {0, 1, 2, 0, 0, 0, 5, 0, 9, 9, 9, 9, 0, 0, 0, 0}, {0x62, 0xF0}, 2},
        // Rows of 8 pixels stored 12 bytes apart; the padding holds other values and is not read.
        {8, 2, 12, {2, 2, 2, 2, 2, 2, 2, 3, 8, 8, 8, 8, 3, 2, 2, 2, 2, 2, 2, 2, 8, 8, 8, 8}, {0x01, 0x80}, 2},
        {12, 8, 12, {1}, {}, 0}, {0, 8, 8, {1}, {}, 0}, {8, 0, 8, {1}, {}, 0}, {-8, 8, 8, {1}, {}, 0},
        {8, 1, 4, {1}, {}, 1},  {8, 1, 8, {}, {}, 1},  // a pitch shorter than a row; no pixels at all
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(iconMaskSize(row.width, row.height), row.size);
        std::vector<std::uint8_t> mask(2, 0x5A);
        const std::uint8_t* pixels = row.pixels.empty() ? nullptr : row.pixels.data();
        EXPECT_EQ(buildIconMask(pixels, row.width, row.height, row.pitch, mask.data()), !row.mask.empty());
        EXPECT_EQ(mask, row.mask.empty() ? std::vector<std::uint8_t>(2, 0x5A) : row.mask);
    }
}

}  // namespace
