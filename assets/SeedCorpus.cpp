// The seed corpus of the readers' fuzzers: a few small files of every kind
// the game reads, valid ones and some it must refuse.
#include "SeedCorpus.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <vector>

#include "BmpWriter.h"
#include "Image.h"
#include "TgaWriter.h"
#include "WavWriter.h"

namespace {

Image gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = img.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / (w > 1 ? w - 1 : 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (h > 1 ? h - 1 : 1));
            p[2] = static_cast<std::uint8_t>((x + y) % 2 ? 200 : 40);
            p[3] = static_cast<std::uint8_t>((x + y) % 3 ? 255 : 128);
        }
    return img;
}

bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::vector<std::uint8_t> out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    int c;
    while ((c = std::fgetc(f)) != EOF) out.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    return out;
}

// An 8-bit PCX, version 5, run-length encoded, with its 256-colour palette
// after the marker byte 12 (or another marker, which the game refuses).
std::vector<std::uint8_t> pcx(int w, int h, std::uint8_t marker) {
    std::vector<std::uint8_t> b(128, 0);
    b[0] = 10;
    b[1] = 5;
    b[2] = 1;
    b[3] = 8;
    b[8] = static_cast<std::uint8_t>(w - 1);
    b[10] = static_cast<std::uint8_t>(h - 1);
    b[65] = 1;
    b[66] = static_cast<std::uint8_t>(w);
    b[68] = 1;
    for (int y = 0; y < h; ++y) {
        // A run for the left half of each line, single bytes for the rest.
        const int run = w / 2;
        b.push_back(static_cast<std::uint8_t>(0xC0 | run));
        b.push_back(static_cast<std::uint8_t>(y * 16));
        for (int x = run; x < w; ++x) {
            const auto v = static_cast<std::uint8_t>((x * 37 + y) % 190);
            b.push_back(v);
        }
    }
    b.push_back(marker);
    for (int i = 0; i < 256; ++i) {
        b.push_back(static_cast<std::uint8_t>(i));
        b.push_back(static_cast<std::uint8_t>(255 - i));
        b.push_back(static_cast<std::uint8_t>((i * 7) & 0xff));
    }
    return b;
}

std::vector<float> chirp(double seconds, int channels) {
    const int frames = static_cast<int>(seconds * 22050);
    std::vector<float> s;
    for (int i = 0; i < frames; ++i) {
        const double t = i / 22050.0;
        const double v = 0.5 * std::sin(2 * 3.14159265 * (440 + 200 * t) * t) * std::sin(3.14159265 * i / frames);
        for (int c = 0; c < channels; ++c) s.push_back(static_cast<float>(c ? -v : v));
    }
    return s;
}

}  // namespace

bool writeSeedCorpus(const std::string& dir) {
    bool ok = true;
    for (const char* sub : {"tga", "bmp", "pcx", "wav"}) mkdir((dir + "/" + sub).c_str(), 0755);
    const std::string tga = dir + "/tga/", bmp = dir + "/bmp/", pcxDir = dir + "/pcx/", wav = dir + "/wav/";

    ok &= TgaWriter::write32(tga + "rgba32.tga", gradient(4, 4));
    ok &= TgaWriter::write24(tga + "rgb24.tga", gradient(4, 2));
    ok &= TgaWriter::writeGrey(tga + "grey8.tga", gradient(4, 4));
    ok &= TgaWriter::writeRunLength32(tga + "refused-runlength.tga", gradient(2, 2));
    std::vector<std::uint8_t> bytes = readBytes(tga + "rgba32.tga");
    if (bytes.size() > 18) {
        std::vector<std::uint8_t> mapped = bytes;
        mapped[2] = 1;  // colour-mapped: refused
        ok &= writeBytes(tga + "refused-colourmapped.tga", mapped);
        std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + 30);
        ok &= writeBytes(tga + "truncated.tga", truncated);
    }

    ok &= BmpWriter::write24(bmp + "rgb24.bmp", gradient(4, 4));
    bytes = readBytes(bmp + "rgb24.bmp");
    if (bytes.size() > 2) {
        bytes[0] = 'X';
        ok &= writeBytes(bmp + "refused-magic.bmp", bytes);
    }

    ok &= writeBytes(pcxDir + "indexed8.pcx", pcx(8, 4, 12));
    ok &= writeBytes(pcxDir + "refused-palette-marker.pcx", pcx(8, 4, 0));
    std::vector<std::uint8_t> wrongMagic = pcx(4, 2, 12);
    wrongMagic[0] = 0;
    ok &= writeBytes(pcxDir + "refused-magic.pcx", wrongMagic);

    ok &= WavWriter::write(wav + "mono.wav", chirp(0.05, 1), 1, 22050);
    ok &= WavWriter::write(wav + "stereo.wav", chirp(0.05, 2), 2, 22050);
    bytes = readBytes(wav + "mono.wav");
    if (bytes.size() > 4) {
        bytes[3] = 'X';
        ok &= writeBytes(wav + "refused-magic.wav", bytes);
    }
    if (!ok) std::fprintf(stderr, "velvetarium-assets: the seed corpus could not be written to %s\n", dir.c_str());
    return ok;
}
