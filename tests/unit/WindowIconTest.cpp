#include "app/Log.h"
#include "app/WindowIcon.h"
#include "../../assets/BmpWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class WindowIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string base = ::testing::TempDir() + "velvetarium-icon-" + std::to_string(getpid());
        logFile = base + ".log";
        iconFile = base + ".bmp";
        ASSERT_TRUE(logSetPath(logFile.c_str()));
        logInit();
    }
    void TearDown() override {
        logClose();
        logSetPath("log.txt");
        std::remove(logFile.c_str());
        std::remove(iconFile.c_str());
    }
    void writeIcon(const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(iconFile, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // An uncompressed 8-bit BMP, indices top row first, as the generator writes the icon.
    bool writeIcon8(int width, int height, const std::vector<std::uint8_t>& indices) const {
        return BmpWriter::write8(iconFile, width, height, indices, std::vector<std::uint8_t>(768, 90));
    }
    // What the icon loader wrote after the banner.
    std::string messages() const {
        std::ifstream in(logFile, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        const std::string text = all.str();
        const std::string banner = "VELVETARIUM V1.0c -- Log Init...\n\n";
        return text.compare(0, banner.size(), banner) == 0 ? text.substr(banner.size()) : "no banner: " + text;
    }
    std::string logFile;
    std::string iconFile;
};

// Each refused icon gives no icon and says why in the log.
TEST_F(WindowIconTest, UnusableIconsAreLoggedAndGiveNoIcon) {
    const struct {
        const char* what;
        std::function<void()> write;
        const char* message;  // nullptr: SDL's own reason after the prefix
    } cases[] = {
        {"missing", [] {}, nullptr},
        {"not a bitmap", [&] { writeIcon({'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'}); }, nullptr},
        {"width no multiple of 8", [&] { writeIcon8(12, 8, std::vector<std::uint8_t>(12 * 8, 1)); },
         "Icon width must be a multiple of 8\n"},
        {"no palette", [&] { BmpWriter::write24(iconFile, Image(8, 8)); }, "Icon file must have a palette.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(iconFile.c_str());
        c.write();
        const std::size_t before = messages().size();
        EXPECT_EQ(loadWindowIcon(iconFile.c_str()), nullptr);
        const std::string text = messages().substr(before);
        if (c.message != nullptr) {
            EXPECT_EQ(text, c.message);
        } else {
            EXPECT_EQ(text.rfind("Unable to load icon: ", 0), 0u) << text;
            EXPECT_GT(text.size(), std::string("Unable to load icon: \n").size()) << "no reason given";
            EXPECT_EQ(text.back(), '\n');
        }
    }
}

TEST_F(WindowIconTest, PalettisedIconIsKeyedByItsTopLeftPixel) {
    std::vector<std::uint8_t> pixels(16 * 8, 200);
    pixels[0] = 17;
    pixels[5] = 17;
    ASSERT_TRUE(writeIcon8(16, 8, pixels));
    SDL_Surface* icon = loadWindowIcon(iconFile.c_str());
    ASSERT_NE(icon, nullptr) << messages();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(icon->w, 16);
    EXPECT_EQ(icon->h, 8);
    EXPECT_TRUE(icon->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(icon->format->colorkey, 17u);
}

}  // namespace
