// The generator's picture writer and its fuzz seed corpus, read back with the
// game's own readers: what the writer makes is what the game takes, and the
// seeds meant to be refused are refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../../assets/SeedCorpus.h"
#include "../../assets/TgaWriter.h"
#include "audio/WaveCheck.h"
#include "image/PictureLoader.h"
#include "support/TempDirectory.h"

using Bytes = std::vector<std::uint8_t>;

TEST(AssetWriters, TgaPicturesComeBackWithTheirPixelsAndTheTopRowLast) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    Image image(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(10 + x), p[1] = static_cast<std::uint8_t>(20 + y);
            p[2] = static_cast<std::uint8_t>(30 + x + y), p[3] = static_cast<std::uint8_t>(40 + 10 * x);
        }
    ASSERT_TRUE(TgaWriter::write32(dir.path("p.tga"), image));
    Picture picture;
    ASSERT_TRUE(loadPicture(picture, dir.path("p.tga").c_str()));
    ASSERT_TRUE(picture.width == 4 && picture.height == 2);
    // Row 0 of the game's buffer is the bottom row of the picture (its row 1).
    EXPECT_EQ(Bytes(picture.pixels, picture.pixels + 4), (Bytes{10, 21, 31, 40}));
    EXPECT_EQ(Bytes(picture.pixels + 28, picture.pixels + 32), (Bytes{13, 20, 33, 70}));
}

// Seeds named "refused-..." or "truncated..." are meant to be refused.
TEST(AssetWriters, SeedCorpusHoldsFilesTheReadersTakeAndOnesTheyRefuse) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok() && writeSeedCorpus(dir.path("")));
    int seeds = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path(""))) {
        if (!entry.is_regular_file()) continue;
        const std::string file = entry.path().string(), name = entry.path().filename().string();
        const Bytes b = fileBytes(file);
        Picture picture;
        const bool taken = entry.path().extension() == ".wav" ? WaveCheck::check(b.data(), b.size()).accepted()
                                                              : loadPicture(picture, file.c_str());
        EXPECT_EQ(taken, name.rfind("refused", 0) != 0 && name.rfind("truncated", 0) != 0) << file;
        ++seeds;
    }
    EXPECT_GE(seeds, 14);
}
