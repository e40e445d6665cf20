#include "app/Log.h"
#include "app/WindowIcon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, unsigned value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// An uncompressed BMP; rows given top row first. 8 bits per pixel carry a
// grey palette of 256 entries, 24 bits store each pixel's index as grey.
std::vector<std::uint8_t> makeBmp(int width, int height, int bits, const std::vector<std::uint8_t>& pixels) {
    const int bytesPerPixel = bits / 8;
    const int rowBytes = (width * bytesPerPixel + 3) / 4 * 4;
    const int paletteBytes = bits == 8 ? 256 * 4 : 0;
    const int offset = 14 + 40 + paletteBytes;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + rowBytes * height);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);  // no compression
    put32(out, rowBytes * height);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, bits == 8 ? 256 : 0);
    put32(out, 0);
    for (int i = 0; i < paletteBytes / 4; ++i) {
        out.insert(out.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            for (int b = 0; b < bytesPerPixel; ++b) {
                out.push_back(pixels[y * width + x]);
            }
        }
        out.insert(out.end(), rowBytes - width * bytesPerPixel, 0);
    }
    return out;
}

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
        std::vector<std::uint8_t> bytes;
        const char* message;  // nullptr: SDL's own reason after the prefix
    } cases[] = {
        {"missing", {}, nullptr},
        {"not a bitmap", {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'}, nullptr},
        {"width no multiple of 8", makeBmp(12, 8, 8, std::vector<std::uint8_t>(12 * 8, 1)),
         "Icon width must be a multiple of 8\n"},
        {"no palette", makeBmp(8, 8, 24, std::vector<std::uint8_t>(8 * 8, 1)), "Icon file must have a palette.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(iconFile.c_str());
        if (!c.bytes.empty()) writeIcon(c.bytes);
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
    writeIcon(makeBmp(16, 8, 8, pixels));
    SDL_Surface* icon = loadWindowIcon(iconFile.c_str());
    ASSERT_NE(icon, nullptr) << messages();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(icon->w, 16);
    EXPECT_EQ(icon->h, 8);
    EXPECT_TRUE(icon->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(icon->format->colorkey, 17u);
}

}  // namespace
