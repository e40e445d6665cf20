// The generated run directory against the generator's manifest and the
// game's own needs: every file there, pictures the game's reader takes at the
// stated size, tinted layers in greys, sprite sets complete, sounds that the
// sound bank accepts, one-shots that start and end in silence, loops without
// a seam, and the window icon SDL can key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../assets/Manifest.h"
#include "../../assets/Synth.h"
#include "audio/SoundTable.h"
#include "audio/WaveCheck.h"
#include "image/Picture.h"
#include "image/PictureLoader.h"
#include "support/TempDirectory.h"

namespace {

unsigned u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

bool powerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

class GeneratedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("VELVETARIUM_GAME_DIR");
        if (!dir || !*dir) GTEST_SKIP() << "VELVETARIUM_GAME_DIR is not set (ctest sets it)";
        gameDir = dir;
    }
    std::string path(const AssetEntry& e) const { return gameDir + "/" + e.file; }

    // The picture as the game reads it: RGBA, row 0 the bottom row.
    bool load(const AssetEntry& e, Picture& p) const { return loadPicture(p, path(e).c_str()); }

    std::string gameDir;
};

// The 16-bit samples of a wave the game's check accepts, with its format.
struct Wave {
    WaveCheck::Verdict verdict;
    std::vector<std::int16_t> samples;
};

Wave parseWave(const std::vector<std::uint8_t>& b) {
    Wave w{WaveCheck::check(b.data(), b.size()), {}};
    if (!w.verdict.accepted() || w.verdict.format.bits != 16) return w;
    for (std::size_t i = 0; i + 1 < w.verdict.dataBytes; i += 2)
        w.samples.push_back(static_cast<std::int16_t>(u16(b, w.verdict.dataOffset + i)));
    return w;
}

const std::map<int, int>& setsTheGameLoads() {
    // The World, the dance floor and the effect pool load these sets with
    // these frame counts.
    static const std::map<int, int> sets = [] {
        std::map<int, int> m = {{101, 37}, {106, 37}, {111, 37}, {112, 37}, {113, 8}, {161, 12}, {162, 12}, {171, 41}};
        for (int s = 131; s <= 138; ++s) m[s] = 8;
        for (int s = 141; s <= 144; ++s) m[s] = 12;
        for (int s = 181; s <= 196; ++s) m[s] = 8;
        return m;
    }();
    return sets;
}

std::vector<int> picturesTheGameReads() {
    std::vector<int> n;
    auto range = [&](int a, int b) {
        for (int i = a; i <= b; ++i) n.push_back(i);
    };
    range(1, 36);
    range(201, 209);
    range(351, 384);
    for (int v : {98, 99, 901, 951, 952, 961, 962, 970, 981, 982, 476, 872, 895, 896, 897}) n.push_back(v);
    range(941, 945);
    range(601, 663);
    range(851, 859);
    range(861, 869);
    range(881, 888);
    // The 61 interface pictures.
    for (int v : {863, 890, 891, 892, 830, 840, 850, 860, 870, 893, 900, 902, 909, 910, 880, 8801, 8802, 894, 898, 899})
        n.push_back(v);
    range(8961, 8966);
    range(881, 885);
    range(8861, 8864);
    range(8871, 8874);
    range(8881, 8884);
    range(8951, 8959);
    range(871, 879);
    return n;
}

}  // namespace

TEST(AssetManifest, NamesEverySoundOfTheSoundBankInLoadOrder) {
    std::map<int, std::string> sounds;
    std::set<std::string> music;
    for (const AssetEntry& e : assetManifest()) {
        if (e.kind == AssetKind::Sound) sounds[e.number] = e.file;
        if (e.kind == AssetKind::Music) music.insert(e.file);
    }
    ASSERT_EQ(sounds.size(), static_cast<std::size_t>(Sound::count));
    for (int id = 0; id < Sound::count; ++id) EXPECT_EQ(sounds[id], Sound::fileName(id)) << "sound " << id;
    EXPECT_EQ(music, (std::set<std::string>{Sound::songFile, Sound::introFile}));
}

TEST(AssetManifest, HoldsEverySpriteSetTheGameLoadsFrameByFrame) {
    std::map<int, int> counts;
    for (const SpriteSetInfo& s : manifestSpriteSets()) counts[s.set] = s.frames;
    EXPECT_EQ(counts, setsTheGameLoads());
    std::map<int, std::set<int>> frames;
    for (const AssetEntry& e : assetManifest())
        if (e.frame > 0) {
            EXPECT_TRUE(frames[e.number].insert(e.frame).second) << e.file << " twice";
            EXPECT_EQ(e.file, std::to_string(e.number) + std::to_string(e.frame) + ".tga");
        }
    for (const auto& [set, count] : setsTheGameLoads()) EXPECT_EQ(frames[set].size(), static_cast<std::size_t>(count));
}

TEST(AssetManifest, HoldsEveryPictureTheScreensAndTheStageRead) {
    std::set<int> single;
    std::set<std::string> files;
    for (const AssetEntry& e : assetManifest()) {
        EXPECT_TRUE(files.insert(e.file).second) << e.file << " is listed twice";
        if (e.kind == AssetKind::Picture && e.frame == 0) single.insert(e.number);
        EXPECT_FALSE(e.role.empty()) << e.file;
    }
    for (int n : picturesTheGameReads()) EXPECT_TRUE(single.count(n)) << "picture " << n << " is missing";
    EXPECT_TRUE(files.count("whirligig.bmp"));
}

// Uncompressed 32-bit TGA of the manifest's power-of-two size, taken by the
// game's reader; tinted layers in greys only, and every drawn frame shows something.
TEST_F(GeneratedFiles, PicturesAreTgaOfTheirManifestSizeAndShowWhatTheirRoleAsks) {
    for (const AssetEntry& e : assetManifest()) {
        if (e.kind != AssetKind::Picture) continue;
        const std::vector<std::uint8_t> b = fileBytes(path(e));
        ASSERT_GE(b.size(), 18u) << e.file << " is missing";
        EXPECT_EQ(b[2], 2) << e.file;          // uncompressed true colour
        EXPECT_EQ(b[16], 32) << e.file;
        EXPECT_EQ(b[17] & 0x20, 0) << e.file;  // bottom row first
        EXPECT_EQ(static_cast<int>(u16(b, 12)), e.width) << e.file;
        EXPECT_EQ(static_cast<int>(u16(b, 14)), e.height) << e.file;
        EXPECT_TRUE(powerOfTwo(e.width) && powerOfTwo(e.height)) << e.file;
        EXPECT_EQ(b.size(), 18u + static_cast<std::size_t>(e.width) * e.height * 4) << e.file;
        Picture p;
        ASSERT_TRUE(load(e, p)) << e.file << " is refused by the game's reader";
        std::size_t visible = 0, coloured = 0;
        for (std::size_t i = 0; i + 3 < p.pixelBytes; i += 4) {
            const std::uint8_t* px = p.pixels + i;
            if (px[3] == 0) continue;
            ++visible;
            coloured += std::max({px[0], px[1], px[2]}) - std::min({px[0], px[1], px[2]}) > 2;
        }
        if (e.tinted) {
            EXPECT_EQ(coloured, 0u) << e.file << " should be greys for the game's tint";
        }
        if (e.role.rfind("reserved", 0) == 0)
            EXPECT_EQ(visible, 0u) << e.file;
        else
            EXPECT_GT(visible, 0u) << e.file << " (" << e.role << ") shows nothing";
    }
}

TEST_F(GeneratedFiles, SpritesFaceUpWithTheBottomRowFirst) {
    // The cat's head lies at the front (+y) of its sprite: in the buffer the
    // game uploads, row 0 is the bottom, so its ink must lie in the upper rows.
    for (const AssetEntry& e : assetManifest()) {
        if (e.number != 106 || e.frame != 6) continue;
        Picture p;
        ASSERT_TRUE(load(e, p));
        long lower = 0, upper = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                (y < p.height / 2 ? lower : upper) += p.pixels[(static_cast<std::size_t>(y) * p.width + x) * 4 + 3];
        EXPECT_GT(upper, lower * 4);
    }
}

TEST_F(GeneratedFiles, FontCellsKeepTheirInkInsideAndHoldEveryPrintableCharacter) {
    for (const AssetEntry& e : assetManifest()) {
        if (e.number != 476) continue;
        Picture p;
        ASSERT_TRUE(load(e, p));
        const int cell = p.width / 16;
        ASSERT_EQ(p.height / 16, cell);
        // Alpha at (x, y) with y counted from the top of the picture.
        auto alpha = [&](int x, int y) { return p.pixels[(static_cast<std::size_t>(p.height - 1 - y) * p.width + x) * 4 + 3]; };
        for (int row = 0; row < 16; ++row) {
            for (int col = 0; col < 16; ++col) {
                const int x0 = col * cell, y0 = row * cell;
                int edge = 0, ink = 0;
                for (int k = 0; k < cell; ++k) {
                    edge = std::max({edge, +alpha(x0 + k, y0), +alpha(x0 + k, y0 + cell - 1), +alpha(x0, y0 + k),
                                     +alpha(x0 + cell - 1, y0 + k)});
                    for (int j = 0; j < cell; ++j) ink += alpha(x0 + k, y0 + j) > 128;
                }
                EXPECT_LT(edge, 16) << "cell row " << row << " column " << col << " bleeds into its neighbours";
                const int code = 32 + (row % 8) * 16 + col;
                if (code > 32 && code < 127)
                    EXPECT_GT(ink, 0) << "character " << code << " missing in row " << row;
                else
                    EXPECT_EQ(ink, 0) << "cell of code " << code << " should be empty";
            }
        }
    }
}

// Every sound a plain PCM wave the sound bank accepts, of the manifest's
// length, as loud as its role asks so that they sit together in the mix (only
// a sound whose peak nears full scale may stay below); one-shots start and end
// in silence reached by a ramp, loops join without a seam.
TEST_F(GeneratedFiles, SoundsAreWavesOfTheirLengthAndLoudnessWithoutClicksOrSeams) {
    double quietest = 0.0, loudest = -120.0;
    for (const AssetEntry& e : assetManifest()) {
        if (e.kind != AssetKind::Sound && e.kind != AssetKind::Music) continue;
        const std::vector<std::uint8_t> b = fileBytes(path(e));
        ASSERT_FALSE(b.empty()) << e.file << " is missing";
        const Wave w = parseWave(b);
        ASSERT_TRUE(w.verdict.accepted()) << e.file << ": " << w.verdict.refusal;
        EXPECT_EQ(w.verdict.format.bits, 16) << e.file;
        EXPECT_EQ(w.verdict.format.rate, static_cast<std::uint32_t>(assetSampleRate)) << e.file;
        ASSERT_EQ(w.verdict.format.channels, e.channels) << e.file;
        const int c = std::max(1, e.channels);
        const std::size_t frames = w.samples.size() / static_cast<std::size_t>(c);
        EXPECT_NEAR(static_cast<double>(frames) / assetSampleRate, e.seconds, 1.0 / assetSampleRate) << e.file;
        ASSERT_GT(frames, 100u) << e.file;

        std::vector<float> samples(w.samples.size());
        float peak = 0.0f;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            samples[i] = static_cast<float>(w.samples[i] / 32768.0);
            peak = std::max(peak, std::fabs(samples[i]));
        }
        EXPECT_GT(peak, 3000 / 32768.0f) << e.file << " is (nearly) silent";
        const double measured = Synth::loudnessDb(samples, c);
        if (peak < 0.85f)
            EXPECT_NEAR(measured, e.loudness, 1.0) << e.file;
        else
            EXPECT_LE(measured, e.loudness + 1.0) << e.file;
        EXPECT_LT(e.loudness, -10.0) << e.file << ": no room left for the mix";
        quietest = std::min(quietest, e.loudness);
        loudest = std::max(loudest, e.loudness);

        if (e.looped) {
            for (int ch = 0; ch < c; ++ch) {
                auto at = [&](std::size_t f) { return static_cast<int>(w.samples[f * c + ch]); };
                // The step from the last sample back to the first must look like
                // any step inside the loop: a seam would stand out above them all.
                int largestInside = 0;
                for (std::size_t f = 1; f < frames; ++f) largestInside = std::max(largestInside, std::abs(at(f) - at(f - 1)));
                EXPECT_LE(std::abs(at(0) - at(frames - 1)), largestInside) << e.file << " channel " << ch;
            }
        } else if (e.kind == AssetKind::Sound) {
            for (std::size_t i = 0; i < 3; ++i) {
                const int limit = i == 0 ? 330 : 1000;
                EXPECT_LT(std::abs(w.samples[i]), limit) << e.file << " starts with a click";
                EXPECT_LT(std::abs(w.samples[w.samples.size() - 1 - i]), limit) << e.file << " ends with a click";
            }
        }
        if (e.file == Sound::songFile) {
            EXPECT_GE(e.seconds, 60.0);
        }
    }
    // The quietest bed and the loudest fanfare lie within 20 dB.
    EXPECT_LE(loudest - quietest, 20.0);
}

TEST_F(GeneratedFiles, WindowIconIsAnEightBitPalettisedBmpWithAKeyedCorner) {
    AssetEntry icon;
    for (const AssetEntry& e : assetManifest())
        if (e.kind == AssetKind::Icon) icon = e;
    const std::vector<std::uint8_t> b = fileBytes(path(icon));
    ASSERT_GE(b.size(), 54u + 1024u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    const int width = static_cast<int>(u32(b, 18)), height = static_cast<int>(u32(b, 22));
    EXPECT_EQ(u16(b, 28), 8u);   // bits per pixel
    EXPECT_EQ(u32(b, 30), 0u);   // uncompressed
    EXPECT_EQ(width % 8, 0);
    ASSERT_GT(height, 0);
    const std::uint32_t offset = u32(b, 10);
    const std::size_t row = static_cast<std::size_t>((width + 3) / 4 * 4);
    ASSERT_GE(b.size(), offset + row * height);
    // The window system keys the colour of the top-left pixel, which lies in
    // the last row of a bottom-up file; the blossom must differ from it.
    const std::uint8_t key = b[offset + row * (height - 1)];
    std::size_t opaque = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) opaque += b[offset + row * y + x] != key;
    EXPECT_GT(opaque, static_cast<std::size_t>(width * height / 4));
    EXPECT_LT(opaque, static_cast<std::size_t>(width * height));
}
