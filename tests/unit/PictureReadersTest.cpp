// The TGA, BMP and PCX readers through the picture loader: what each file
// gives, and that nothing a file holds gets more than an empty picture.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "files/FileBytes.h"
#include "image/PictureLoader.h"
#include "image/TgaReader.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;
using Format = PictureFormat;

namespace {

bool decode(Picture& picture, Format format, const pf::Bytes& file) {
    return decodePicture(picture, format, file.data(), file.size());
}

// The pixels of palette indices in pf::pcx's palette.
pf::Bytes viaPalette(const pf::Bytes& indices) {
    pf::Bytes rgba;
    for (std::uint8_t i : indices) rgba.insert(rgba.end(), {i, std::uint8_t(255 - i), std::uint8_t(i / 2), 255});
    return rgba;
}

// A good 4 x 2 file of each format, for the refused rows to spoil.
pf::Bytes goodFile(Format format) {
    pf::Bytes pixels(4 * 2 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i + 1);
    if (format == Format::tga) return pf::tga(2, 4, 2, 32, pixels);
    if (format == Format::bmp) return pf::bmp(4, 2, pf::Bytes(pixels.begin(), pixels.begin() + 24));
    return pf::pcx(4, 2, pf::Bytes(8, 1));
}

}  // namespace

TEST(PictureReaders, GoodFilesGiveTheirSizeAndRgbaPixelsInFileOrder) {
    pf::Bytes unsized = pf::bmp(1, 2, {1, 2, 3, 99, 4, 5, 6});  // the last row without its filler
    pf::put32(unsized, 34, 0);                                    // 0: as large as the rows
    pf::Bytes runs(40, 9);
    runs.insert(runs.end(), {3, 192});
    const struct {
        const char* what;
        Format format;
        pf::Bytes file;
        int width, height;
        pf::Bytes rgba;
        int textureWidth = 0, textureHeight = 0;  // recorded for PCX only
    } rows[] = {
        {"tga 32 bits", Format::tga, pf::tga(2, 2, 1, 32, {10, 20, 30, 40, 1, 2, 3, 4}), 2, 1,
         {30, 20, 10, 40, 3, 2, 1, 4}},
        {"tga 24 bits", Format::tga, pf::tga(2, 2, 1, 24, {10, 20, 30, 0, 0, 0}), 2, 1,
         {30, 20, 10, 255, 0, 0, 0, 255}},
        {"tga grey", Format::tga, pf::tga(3, 2, 1, 8, {77, 200}), 2, 1, {77, 77, 77, 255, 200, 200, 200, 255}},
        {"tga grey and alpha", Format::tga, pf::tga(3, 2, 1, 16, {90, 12, 1, 2}), 2, 1, {90, 90, 90, 12, 1, 1, 1, 2}},
        {"tga after an image ID, top-left origin ignored", Format::tga,
         pf::tga(2, 1, 2, 32, {1, 2, 3, 4, 5, 6, 7, 8}, 0x28, 5), 1, 2, {3, 2, 1, 4, 7, 6, 5, 8}},
        {"tga 4096 wide", Format::tga, pf::tga(2, 4096, 1, 32, pf::Bytes(4096 * 4, 9)), 4096, 1,
         pf::Bytes(4096 * 4, 9)},
        {"bmp black is transparent", Format::bmp, pf::bmp(4, 1, {0, 0, 0, 1, 0, 0, 0, 0, 1, 30, 20, 10}), 4, 1,
         {0, 0, 0, 0, 0, 0, 1, 255, 1, 0, 0, 255, 10, 20, 30, 255}},
        {"bmp rows with filler", Format::bmp, pf::bmp(2, 2, {1, 2, 3, 4, 5, 6, 99, 99, 7, 8, 9, 10, 11, 12, 99, 99}),
         2, 2, {3, 2, 1, 255, 6, 5, 4, 255, 9, 8, 7, 255, 12, 11, 10, 255}},
        {"bmp without its image size", Format::bmp, unsized, 1, 2, {3, 2, 1, 255, 6, 5, 4, 255}},
        {"pcx a long run stops at the last pixel", Format::pcx, pf::pcx(3, 1, {4, 192 | 63, 9}), 3, 1,
         viaPalette({4, 9, 9}), 2, 1},
        {"pcx a run of zero writes nothing", Format::pcx, pf::pcx(2, 1, {192, 7, 5, 6}), 2, 1,
         viaPalette({5, 6}), 2, 1},
        {"pcx a run of 40, then 192 as a run of one", Format::pcx, pf::pcx(42, 1, {192 | 40, 9, 3, 193, 192}), 42, 1,
         viaPalette(runs), 32, 1},
        {"pcx window far from the origin", Format::pcx, pf::pcx(5, 3, pf::Bytes(15, 7), 300, 1000), 5, 3,
         viaPalette(pf::Bytes(15, 7)), 4, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Picture picture;
        ASSERT_TRUE(decode(picture, row.format, row.file));
        EXPECT_EQ(picture.format, row.format);
        EXPECT_TRUE(picture.width == row.width && picture.height == row.height);
        EXPECT_EQ(pf::Bytes(picture.pixels, picture.pixels + picture.pixelBytes), row.rgba);
        EXPECT_TRUE(picture.textureWidth == row.textureWidth && picture.textureHeight == row.textureHeight);
        EXPECT_EQ(picture.palette != nullptr, row.format == Format::pcx);
    }
}

// Each row spoils a good 4 x 2 file: the picture that held it is left empty.
TEST(PictureReaders, HostileOrTruncatedFilesLeaveAnEmptyPicture) {
    using Patch = void (*)(pf::Bytes&);
    const struct {
        const char* what;
        Format format;
        Patch patch;
    } rows[] = {
        {"tga run-length", Format::tga, [](pf::Bytes& f) { f[2] = 10; }},
        {"tga colour-mapped", Format::tga, [](pf::Bytes& f) { f[2] = 1; }},
        {"tga 16-bit colour", Format::tga, [](pf::Bytes& f) { f[16] = 16; }},
        {"tga 32-bit grey", Format::tga, [](pf::Bytes& f) { f[2] = 3; }},
        {"tga no width", Format::tga, [](pf::Bytes& f) { pf::put16(f, 12, 0); }},
        {"tga negative height", Format::tga, [](pf::Bytes& f) { pf::put16(f, 14, 0xFFFE); }},
        {"tga 4097 wide", Format::tga, [](pf::Bytes& f) { pf::put16(f, 12, 4097); }},
        {"tga 32767 x 32767", Format::tga, [](pf::Bytes& f) { pf::put32(f, 12, 0x7FFF7FFF); }},
        {"tga 4096 x 4096 over the bytes of 4 x 2", Format::tga, [](pf::Bytes& f) { pf::put32(f, 12, 0x10001000); }},
        {"tga cut in the header", Format::tga, [](pf::Bytes& f) { f.resize(17); }},
        {"tga last byte missing", Format::tga, [](pf::Bytes& f) { f.pop_back(); }},
        {"bmp magic", Format::bmp, [](pf::Bytes& f) { f[0] = 'X'; }},
        {"bmp no width", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 18, 0); }},
        {"bmp negative height", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 22, static_cast<std::uint32_t>(-2)); }},
        {"bmp 4097 wide", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 18, 4097); }},
        {"bmp 65536 x 65536", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 18, 65536), pf::put32(f, 22, 65536); }},
        {"bmp 32 bits", Format::bmp, [](pf::Bytes& f) { pf::put16(f, 28, 32); }},
        {"bmp compressed", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 30, 1); }},
        {"bmp image size below its pixels", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 34, 23); }},
        {"bmp image size past the file", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 34, 1000000); }},
        {"bmp pixels inside the header", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 10, 53); }},
        {"bmp pixels past the end", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 10, 4000); }},
        {"bmp rows running past the end", Format::bmp, [](pf::Bytes& f) { pf::put32(f, 10, 60), pf::put32(f, 34, 0); }},
        {"bmp cut in the header", Format::bmp, [](pf::Bytes& f) { f.resize(53); }},
        {"bmp last byte missing", Format::bmp, [](pf::Bytes& f) { f.pop_back(); }},
        {"pcx magic", Format::pcx, [](pf::Bytes& f) { f[0] = 11; }},
        {"pcx version", Format::pcx, [](pf::Bytes& f) { f[1] = 3; }},
        {"pcx depth", Format::pcx, [](pf::Bytes& f) { f[3] = 1; }},
        {"pcx planes", Format::pcx, [](pf::Bytes& f) { f[65] = 3; }},
        {"pcx window backwards", Format::pcx, [](pf::Bytes& f) { pf::put16(f, 4, 10); }},
        {"pcx 4097 wide", Format::pcx, [](pf::Bytes& f) { pf::put16(f, 8, 4096); }},
        {"pcx 65536 x 65536: 0 in 32 bits", Format::pcx, [](pf::Bytes& f) { pf::put32(f, 8, 0xFFFFFFFF); }},
        {"pcx no palette marker", Format::pcx, [](pf::Bytes& f) { f[f.size() - 769] = 11; }},
        {"pcx data short of the pixels", Format::pcx, [](pf::Bytes& f) { f = pf::pcx(4, 2, {1, 2, 3, 4, 5, 6, 7}); }},
        {"pcx run without its value", Format::pcx, [](pf::Bytes& f) { f = pf::pcx(4, 2, {1, 2, 3, 4, 5, 6, 7, 193}); }},
        {"pcx cut in the header", Format::pcx, [](pf::Bytes& f) { f.resize(127); }},
        {"pcx last byte missing", Format::pcx, [](pf::Bytes& f) { f.pop_back(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        pf::Bytes file = goodFile(row.format);
        Picture picture;
        ASSERT_TRUE(decode(picture, row.format, file));
        row.patch(file);
        EXPECT_FALSE(decode(picture, row.format, file));
        EXPECT_EQ(picture.format, row.format);
        EXPECT_TRUE(picture.pixels == nullptr && picture.palette == nullptr && picture.pixelBytes == 0);
        EXPECT_TRUE(picture.width == 0 && picture.height == 0 && !picture.holdsImage());
    }
}

// The reader is chosen by the text after the first dot of the file's own
// name. Only a regular file is read: a pipe, a directory or a device under a
// picture's name reads as no file, at once (a pipe once hung the game).
TEST(PictureReaders, FilesAreLoadedWholeByTheirNameAndOnlyWhenRegular) {
    TempDirectory dir;
    ASSERT_TRUE(dir.ok());
    const pf::Bytes tga = pf::tgaFilled(2, 2, 200, 100, 50, 255);
    ASSERT_EQ(::mkdir(dir.path("sub.d").c_str(), 0755), 0);
    for (const char* name : {"601.tga", "602.TGA", "sub.d/603.Tga", "pics.old.tga", "604.png", "605", "605.",
                             "605.tgax"})
        ASSERT_TRUE(dir.write(name, tga));
    ASSERT_TRUE(dir.write("icon.BmP", goodFile(Format::bmp)));
    ASSERT_TRUE(dir.write("title.PCX", goodFile(Format::pcx)));
    ASSERT_TRUE(dir.write("empty.tga", {}));
    ASSERT_EQ(::mkfifo(dir.path("pipe.tga").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(dir.path("folder.bmp").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("/dev/zero", dir.path("zero.pcx").c_str()), 0);

    const auto started = std::chrono::steady_clock::now();
    const struct {
        const char* name;
        Format format;
        bool loads;
    } rows[] = {
        {"601.tga", Format::tga, true},       {"602.TGA", Format::tga, true},     {"sub.d/603.Tga", Format::tga, true},
        {"icon.BmP", Format::bmp, true},      {"title.PCX", Format::pcx, true},   {"pics.old.tga", Format::none, false},
        {"604.png", Format::none, false},     {"605", Format::none, false},       {"605.", Format::none, false},
        {"605.tgax", Format::none, false},    {"missing.tga", Format::tga, false}, {"empty.tga", Format::tga, false},
        {"pipe.tga", Format::tga, false},     {"folder.bmp", Format::bmp, false}, {"zero.pcx", Format::pcx, false},
    };
    for (const auto& row : rows) {
        Picture picture;
        EXPECT_EQ(loadPicture(picture, dir.path(row.name).c_str()), row.loads) << row.name;
        EXPECT_EQ(picture.format, row.format) << row.name;
        EXPECT_EQ(picture.holdsImage(), row.loads) << row.name;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));

    const ByteBuffer bytes = readFileBytes(dir.path("601.tga").c_str(), tga.size());
    EXPECT_EQ(pf::Bytes(bytes.data(), bytes.data() + bytes.size()), tga);
    EXPECT_TRUE(readFileBytes(dir.path("601.tga").c_str(), tga.size() - 1).empty()) << "larger than the limit";
    EXPECT_TRUE(readFileBytes(nullptr, maxPictureFileBytes).empty());
    EXPECT_EQ(pictureFormatOfName(nullptr), Format::none);
    TgaHeader header;
    EXPECT_EQ(readTga(dir.path("601.tga").c_str(), header).size(), 16u);
}
