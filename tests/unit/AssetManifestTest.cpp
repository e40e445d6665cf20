// The generated run directory against the generator's manifest and the
// game's own needs: every file the game loads is there, pictures the game's
// reader takes at the stated size, and sounds the sound bank accepts at the
// stated length and loudness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "../../assets/Manifest.h"
#include "../../assets/Synth.h"
#include "audio/SoundTable.h"
#include "audio/WaveCheck.h"
#include "image/PictureLoader.h"
#include "support/TempDirectory.h"

namespace {

// The sprite sets the World, the dance floor and the effect pool load, with their frame counts.
std::map<int, int> setsTheGameLoads() {
    std::map<int, int> m = {{101, 37}, {106, 37}, {111, 37}, {112, 37}, {113, 8}, {161, 12}, {162, 12}, {171, 41}};
    for (int s = 131; s <= 138; ++s) m[s] = 8;
    for (int s = 141; s <= 144; ++s) m[s] = 12;
    for (int s = 181; s <= 196; ++s) m[s] = 8;
    return m;
}

// The single pictures the screens and the stage read, as ranges of numbers.
const int picturesTheGameReads[][2] = {
    {1, 36},     {98, 99},     {201, 209},   {351, 384},   {476, 476},   {601, 663},   {830, 830},
    {840, 840},  {850, 888},   {890, 902},   {909, 910},   {941, 945},   {951, 952},   {961, 962},
    {970, 970},  {981, 982},   {8801, 8802}, {8861, 8864}, {8871, 8874}, {8881, 8884}, {8951, 8959},
    {8961, 8966}};

class GeneratedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("VELVETARIUM_GAME_DIR");
        if (!dir || !*dir) GTEST_SKIP() << "VELVETARIUM_GAME_DIR is not set (ctest sets it)";
        gameDir = dir;
    }
    std::string path(const AssetEntry& e) const { return gameDir + "/" + e.file; }
    std::string gameDir;
};

bool powerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

}  // namespace

TEST(AssetManifest, ListsOnceEverySoundSpriteAndPictureTheGameLoads) {
    std::map<int, std::string> sounds;
    std::set<std::string> music, files;
    std::set<int> pictures;
    std::map<int, int> frames;
    for (const AssetEntry& e : assetManifest()) {
        EXPECT_TRUE(files.insert(e.file).second) << e.file << " is listed twice";
        EXPECT_FALSE(e.role.empty()) << e.file;
        if (e.kind == AssetKind::Sound) sounds[e.number] = e.file;
        if (e.kind == AssetKind::Music) music.insert(e.file);
        if (e.kind == AssetKind::Picture && e.frame == 0) pictures.insert(e.number);
        if (e.frame > 0) {
            ++frames[e.number];
            EXPECT_EQ(e.file, std::to_string(e.number) + std::to_string(e.frame) + ".tga");
        }
    }
    ASSERT_EQ(sounds.size(), static_cast<std::size_t>(Sound::count));
    for (int id = 0; id < Sound::count; ++id) EXPECT_EQ(sounds[id], Sound::fileName(id)) << "sound " << id;
    EXPECT_EQ(music, (std::set<std::string>{Sound::songFile, Sound::introFile}));
    std::map<int, int> sets;
    for (const SpriteSetInfo& s : manifestSpriteSets()) sets[s.set] = s.frames;
    EXPECT_EQ(sets, setsTheGameLoads());
    EXPECT_EQ(frames, setsTheGameLoads());
    for (const auto& [first, last] : picturesTheGameReads)
        for (int n = first; n <= last; ++n) EXPECT_TRUE(pictures.count(n)) << "picture " << n << " is missing";
    EXPECT_TRUE(files.count("whirligig.bmp"));
}

// 32-bit TGA of the manifest's power-of-two size, taken by the game's reader;
// tinted layers in greys only, and every picture but a reserved one shows something.
TEST_F(GeneratedFiles, PicturesAreTgaOfTheirManifestSizeAndShowWhatTheirRoleAsks) {
    for (const AssetEntry& e : assetManifest()) {
        if (e.kind != AssetKind::Picture) continue;
        Picture p;
        ASSERT_TRUE(loadPicture(p, path(e).c_str())) << e.file << " is missing or refused by the game's reader";
        EXPECT_TRUE(p.bitsPerPixel == 32u && p.width == e.width && p.height == e.height) << e.file;
        EXPECT_TRUE(powerOfTwo(e.width) && powerOfTwo(e.height)) << e.file;
        std::size_t visible = 0, coloured = 0;
        for (std::size_t i = 0; i + 3 < p.pixelBytes; i += 4) {
            const std::uint8_t* px = p.pixels + i;
            visible += px[3] != 0;
            coloured += px[3] != 0 && std::max({px[0], px[1], px[2]}) - std::min({px[0], px[1], px[2]}) > 2;
        }
        EXPECT_TRUE(!e.tinted || coloured == 0) << e.file << " should be greys for the game's tint";
        EXPECT_EQ(visible > 0, e.role.rfind("reserved", 0) != 0) << e.file << " (" << e.role << ")";
    }
}

// Every sound a 16-bit wave the sound bank accepts, of the manifest's length,
// as loud as its role asks so that they sit together in the mix (only a sound
// whose peak nears full scale may stay below); one-shots start and end in
// silence, loops join without a seam.
TEST_F(GeneratedFiles, SoundsAreWavesOfTheirLengthAndLoudnessWithoutClicksOrSeams) {
    for (const AssetEntry& e : assetManifest()) {
        if (e.kind != AssetKind::Sound && e.kind != AssetKind::Music) continue;
        const std::vector<std::uint8_t> b = fileBytes(path(e));
        const WaveCheck::Verdict verdict = WaveCheck::check(b.data(), b.size());
        ASSERT_TRUE(verdict.accepted()) << e.file << ": " << (verdict.refusal ? verdict.refusal : "");
        ASSERT_EQ(std::tuple(int(verdict.format.bits), int(verdict.format.rate), int(verdict.format.channels)),
                  std::tuple(16, assetSampleRate, int(e.channels))) << e.file;
        std::vector<float> samples;
        for (std::size_t i = verdict.dataOffset; i + 1 < verdict.dataOffset + verdict.dataBytes; i += 2)
            samples.push_back(static_cast<std::int16_t>(b[i] | (b[i + 1] << 8)) / 32768.0f);
        const std::size_t c = static_cast<std::size_t>(e.channels), frames = samples.size() / c;
        ASSERT_GT(frames, 100u) << e.file;
        EXPECT_NEAR(static_cast<double>(frames) / assetSampleRate, e.seconds, 1.0 / assetSampleRate) << e.file;
        float peak = 0.0f;
        for (float s : samples) peak = std::max(peak, std::fabs(s));
        const double measured = Synth::loudnessDb(samples, e.channels);
        EXPECT_GT(peak, 3000 / 32768.0f) << e.file << " is (nearly) silent";
        EXPECT_TRUE(peak >= 0.85f || std::fabs(measured - e.loudness) <= 1.0) << e.file << ": " << measured;
        EXPECT_LE(measured, e.loudness + 1.0) << e.file;
        EXPECT_LT(e.loudness, -10.0) << e.file << ": no room left for the mix";
        for (std::size_t ch = 0; ch < c && e.looped; ++ch) {
            // The step from the last sample back to the first must look like any step inside the loop.
            float largestInside = 0.0f;
            for (std::size_t f = 1; f < frames; ++f)
                largestInside = std::max(largestInside, std::fabs(samples[f * c + ch] - samples[(f - 1) * c + ch]));
            EXPECT_LE(std::fabs(samples[ch] - samples[(frames - 1) * c + ch]), largestInside) << e.file << " " << ch;
        }
        for (std::size_t i = 0; i < 3 && !e.looped && e.kind == AssetKind::Sound; ++i) {
            const float limit = (i == 0 ? 330 : 1000) / 32768.0f;
            EXPECT_LT(std::fabs(samples[i]), limit) << e.file << " starts with a click";
            EXPECT_LT(std::fabs(samples[samples.size() - 1 - i]), limit) << e.file << " ends with a click";
        }
    }
}
