// Picture files are read whole, and only from regular files: whatever stands
// under a picture's name (a pipe, a directory, a device, a file larger than
// any picture) reads as no file, at once.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "files/FileBytes.h"
#include "image/PictureLoader.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

TEST(FileBytes, ReadsARegularFileWholeAndNothingElse) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const pf::Bytes picture = pf::tgaFilled(3, 2, 9, 8, 7, 6);
    ASSERT_TRUE(dir.write("601.tga", picture));
    const ByteBuffer bytes = readFileBytes(dir.path("601.tga").c_str(), maxPictureFileBytes);
    ASSERT_EQ(bytes.size(), picture.size());
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), bytes.data()));

    ASSERT_TRUE(dir.write("empty.tga", {}));
    EXPECT_TRUE(readFileBytes(dir.path("empty.tga").c_str(), maxPictureFileBytes).empty());
    EXPECT_TRUE(readFileBytes(dir.path("missing.tga").c_str(), maxPictureFileBytes).empty());
    EXPECT_TRUE(readFileBytes(nullptr, maxPictureFileBytes).empty());
    // Larger than the limit: refused before anything is read.
    EXPECT_TRUE(readFileBytes(dir.path("601.tga").c_str(), picture.size() - 1).empty());
    EXPECT_EQ(readFileBytes(dir.path("601.tga").c_str(), picture.size()).size(), picture.size());
}

// A pipe under a picture's name used to stop the game at the open, waiting
// for a writer that never comes.
TEST(FileBytes, APipeADirectoryOrADeviceReadsAsNoPictureAtOnce) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    ASSERT_EQ(::mkfifo(dir.path("601.tga").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(dir.path("602.bmp").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("/dev/zero", dir.path("603.pcx").c_str()), 0);

    const auto started = std::chrono::steady_clock::now();
    for (const char* name : {"601.tga", "602.bmp", "603.pcx"}) {
        EXPECT_TRUE(readFileBytes(dir.path(name).c_str(), maxPictureFileBytes).empty()) << name;
        Picture picture;
        EXPECT_FALSE(loadPicture(picture, dir.path(name).c_str())) << name;
        EXPECT_EQ(picture.pixels, nullptr) << name;
        EXPECT_FALSE(picture.holdsImage()) << name;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}
