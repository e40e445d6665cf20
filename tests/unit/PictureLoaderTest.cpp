#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "image/PictureLoader.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

TEST(PictureLoader, ChoosesTheReaderByTheTextAfterTheFirstDot) {
    const struct {
        const char* name;
        PictureFormat format;
    } cases[] = {
        {"601.tga", PictureFormat::tga}, {"601.Tga", PictureFormat::tga}, {"icon.BmP", PictureFormat::bmp},
        {"title.PCX", PictureFormat::pcx}, {"601.png", PictureFormat::none}, {"601", PictureFormat::none},
        {"601.", PictureFormat::none}, {"pics.old.tga", PictureFormat::none}, {"601.tgax", PictureFormat::none},
        {"", PictureFormat::none}, {nullptr, PictureFormat::none},
        // Only the file's own name counts, not dots in the directories above it.
        {"/home/someone/.local/share/velvetarium/601.tga", PictureFormat::tga},
        {"data.d/pics.old.tga", PictureFormat::none},
    };
    for (const auto& c : cases) EXPECT_EQ(pictureFormatOfName(c.name), c.format) << (c.name ? c.name : "(null)");
}

TEST(PictureLoader, LoadsFilesByExtensionAndLeavesUnknownOnesAlone) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const pf::Bytes tga = pf::tgaFilled(2, 2, 200, 100, 50, 255);
    ASSERT_TRUE(dir.write("601.tga", tga));
    ASSERT_TRUE(dir.write("602.TGA", tga));
    ASSERT_TRUE(dir.write("pics.old.tga", tga));
    ASSERT_TRUE(dir.write("603.png", tga));

    Picture lower;
    EXPECT_TRUE(loadPicture(lower, dir.path("601.tga").c_str()));
    EXPECT_TRUE(lower.holdsImage());
    EXPECT_EQ(lower.pixels[0], 200);
    EXPECT_EQ(lower.pixels[2], 50);

    Picture upper;
    EXPECT_TRUE(loadPicture(upper, dir.path("602.TGA").c_str()));

    for (const char* name : {"pics.old.tga", "603.png"}) {
        Picture untouched;
        EXPECT_FALSE(loadPicture(untouched, dir.path(name).c_str())) << name;
        EXPECT_EQ(untouched.format, PictureFormat::none) << name;
        EXPECT_EQ(untouched.pixels, nullptr) << name;
    }

    Picture missing;
    EXPECT_FALSE(loadPicture(missing, dir.path("604.tga").c_str()));
    EXPECT_EQ(missing.format, PictureFormat::tga);
    EXPECT_EQ(missing.pixels, nullptr);
    EXPECT_FALSE(missing.holdsImage());
}

TEST(PictureLoader, ABrokenFileReplacesWhatThePictureHeldBeforeWithNothing) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    pf::Bytes broken = pf::tgaFilled(4, 4, 1, 2, 3, 4);
    broken.resize(broken.size() / 2);
    ASSERT_TRUE(dir.write("good.tga", pf::tgaFilled(4, 4, 1, 2, 3, 4)));
    ASSERT_TRUE(dir.write("broken.tga", broken));
    ASSERT_TRUE(dir.write("empty.tga", {}));

    Picture picture;
    ASSERT_TRUE(loadPicture(picture, dir.path("good.tga").c_str()));
    EXPECT_FALSE(loadPicture(picture, dir.path("broken.tga").c_str()));
    EXPECT_EQ(picture.pixels, nullptr);
    EXPECT_EQ(picture.width, 0);
    ASSERT_TRUE(loadPicture(picture, dir.path("good.tga").c_str()));
    EXPECT_FALSE(loadPicture(picture, dir.path("empty.tga").c_str()));
    EXPECT_FALSE(picture.holdsImage());
    // A directory named like a picture reads as nothing.
    ASSERT_TRUE(std::filesystem::create_directory(dir.path("folder.tga")));
    EXPECT_FALSE(loadPicture(picture, dir.path("folder.tga").c_str()));
    EXPECT_EQ(picture.pixels, nullptr);
}

namespace {
std::vector<std::uint32_t> deletedNames;
void recordDeletion(std::uint32_t name) { deletedNames.push_back(name); }
}  // namespace

TEST(Picture, DestructionDeletesItsTextureThenItsBuffers) {
    deletedNames.clear();
    {
        Picture withTexture;
        withTexture.textureName = 17;
        withTexture.textureDeleter = recordDeletion;
        withTexture.adoptPixels(static_cast<std::uint8_t*>(std::malloc(16)), 16);
        withTexture.adoptPalette(static_cast<std::uint8_t*>(std::malloc(768)));
        Picture withoutName;
        withoutName.textureDeleter = recordDeletion;
        Picture withoutDeleter;
        withoutDeleter.textureName = 5;
    }
    EXPECT_EQ(deletedNames, (std::vector<std::uint32_t>{17}));
}

TEST(Picture, HoldsAnImageOnlyWhenTheBufferCoversEveryPixel) {
    Picture picture;
    picture.width = 2;
    picture.height = 2;
    picture.adoptPixels(static_cast<std::uint8_t*>(std::malloc(15)), 15);
    EXPECT_FALSE(picture.holdsImage());
    picture.adoptPixels(static_cast<std::uint8_t*>(std::malloc(16)), 16);
    EXPECT_TRUE(picture.holdsImage());
    picture.width = 4097;
    EXPECT_FALSE(picture.holdsImage());
    picture.width = -2;
    EXPECT_FALSE(picture.holdsImage());
    picture.makeEmpty();
    EXPECT_EQ(picture.pixels, nullptr);
    EXPECT_EQ(picture.height, 0);
}
