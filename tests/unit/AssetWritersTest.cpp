// The generator's file writers and its fuzz seed corpus, read back with the
// game's own readers: what the writers make is what the game takes, and the
// seeds meant to be refused are refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../../assets/BmpWriter.h"
#include "../../assets/SeedCorpus.h"
#include "../../assets/TgaWriter.h"
#include "../../assets/WavWriter.h"
#include "audio/WaveCheck.h"
#include "image/Picture.h"
#include "image/PictureLoader.h"
#include "support/TempDirectory.h"

namespace {

class TempDir : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files.ok());
        dir = files.path("");
    }
    TempDirectory files;
    std::string dir;
};

Image sample(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = img.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(10 + x);
            p[1] = static_cast<std::uint8_t>(20 + y);
            p[2] = static_cast<std::uint8_t>(30 + x + y);
            p[3] = static_cast<std::uint8_t>(40 + 10 * x);
        }
    return img;
}

bool acceptedWave(const std::string& path) {
    const std::vector<std::uint8_t> b = fileBytes(path);
    return WaveCheck::check(b.data(), b.size()).accepted();
}

}  // namespace

TEST_F(TempDir, TgaPicturesComeBackWithTheirPixelsAndTheTopRowLast) {
    const std::string file = dir + "/p.tga";
    ASSERT_TRUE(TgaWriter::write32(file, sample(4, 2)));
    Picture p;
    ASSERT_TRUE(loadPicture(p, file.c_str()));
    ASSERT_EQ(p.width, 4);
    ASSERT_EQ(p.height, 2);
    // Row 0 of the game's buffer is the bottom row of the picture (its row 1).
    const std::uint8_t* bottomLeft = p.pixels;
    EXPECT_EQ(bottomLeft[0], 10);
    EXPECT_EQ(bottomLeft[1], 21);
    EXPECT_EQ(bottomLeft[2], 31);
    EXPECT_EQ(bottomLeft[3], 40);
    const std::uint8_t* topRight = p.pixels + (1 * 4 + 3) * 4;
    EXPECT_EQ(topRight[0], 13);
    EXPECT_EQ(topRight[1], 20);
    EXPECT_EQ(topRight[2], 33);
    EXPECT_EQ(topRight[3], 70);
}

TEST_F(TempDir, SeedCorpusHoldsPicturesTheReadersTakeAndOnesTheyRefuse) {
    ASSERT_TRUE(writeSeedCorpus(dir));
    const struct {
        const char* file;
        bool accepted;
        int width, height;
    } pictures[] = {
        {"tga/rgba32.tga", true, 4, 4},
        {"tga/rgb24.tga", true, 4, 2},
        {"tga/grey8.tga", true, 4, 4},
        {"tga/refused-runlength.tga", false, 0, 0},
        {"tga/refused-colourmapped.tga", false, 0, 0},
        {"tga/truncated.tga", false, 0, 0},
        {"bmp/rgb24.bmp", true, 4, 4},
        {"bmp/refused-magic.bmp", false, 0, 0},
        {"pcx/indexed8.pcx", true, 8, 4},
        {"pcx/refused-palette-marker.pcx", false, 0, 0},
        {"pcx/refused-magic.pcx", false, 0, 0},
    };
    for (const auto& c : pictures) {
        Picture p;
        const std::string file = dir + "/" + c.file;
        EXPECT_EQ(loadPicture(p, file.c_str()), c.accepted) << c.file;
        if (c.accepted) {
            EXPECT_EQ(p.width, c.width) << c.file;
            EXPECT_EQ(p.height, c.height) << c.file;
        }
    }
    EXPECT_TRUE(acceptedWave(dir + "/wav/mono.wav"));
    EXPECT_TRUE(acceptedWave(dir + "/wav/stereo.wav"));
    EXPECT_FALSE(acceptedWave(dir + "/wav/refused-magic.wav"));
}

TEST_F(TempDir, WavWriterClipsAndRoundsTo16Bits) {
    const std::string file = dir + "/w.wav";
    ASSERT_TRUE(WavWriter::write(file, {0.0f, 0.5f, -0.5f, 2.0f, -2.0f}, 1, 22050));
    const std::vector<std::uint8_t> b = fileBytes(file);
    ASSERT_EQ(b.size(), 44u + 10u);
    auto sample = [&](int i) { return static_cast<std::int16_t>(b[44 + 2 * i] | (b[45 + 2 * i] << 8)); };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(1), 16384);
    EXPECT_EQ(sample(2), -16384);
    EXPECT_EQ(sample(3), 32767);
    EXPECT_EQ(sample(4), -32767);
    EXPECT_FALSE(WavWriter::write(file, {0.0f}, 3, 22050));
}

TEST_F(TempDir, PalettisedBmpRefusesMismatchedInput) {
    const std::vector<std::uint8_t> palette(768, 0);
    EXPECT_TRUE(BmpWriter::write8(dir + "/i.bmp", 8, 2, std::vector<std::uint8_t>(16, 1), palette));
    EXPECT_FALSE(BmpWriter::write8(dir + "/j.bmp", 8, 2, std::vector<std::uint8_t>(15, 1), palette));
    EXPECT_FALSE(BmpWriter::write8(dir + "/k.bmp", 8, 2, std::vector<std::uint8_t>(16, 1), std::vector<std::uint8_t>(10)));
    const std::vector<std::uint8_t> b = fileBytes(dir + "/i.bmp");
    ASSERT_EQ(b.size(), 14u + 40u + 1024u + 16u);
    EXPECT_EQ(b[28], 8);
}
