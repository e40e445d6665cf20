#include "Generator.h"

#include <cstdio>
#include <thread>

#include "IconPainter.h"
#include "Manifest.h"
#include "Music.h"
#include "Painters.h"
#include "SoundEffects.h"
#include "TgaWriter.h"
#include "WavWriter.h"

namespace {

void fail(GenerationReport& r, const std::string& path) {
    std::fprintf(stderr, "velvetarium-assets: cannot write %s\n", path.c_str());
    ++r.failures;
}

void makePictures(const std::string& dir, GenerationReport& r) {
    for (const AssetEntry& e : assetManifest()) {
        const std::string path = dir + "/" + e.file;
        if (e.kind == AssetKind::Picture) {
            if (TgaWriter::write32(path, paintEntry(e)))
                ++r.pictures;
            else
                fail(r, path);
        } else if (e.kind == AssetKind::Icon) {
            if (!writeWindowIcon(path, e.width)) fail(r, path);
        }
    }
}

void makeSounds(const std::string& dir, GenerationReport& r) {
    for (const AssetEntry& e : assetManifest()) {
        const std::string path = dir + "/" + e.file;
        if (e.kind == AssetKind::Sound) {
            if (WavWriter::write(path, makeSound(e.number, e.seconds, e.looped, e.loudness), 1, assetSampleRate))
                ++r.sounds;
            else
                fail(r, path);
        } else if (e.kind == AssetKind::Music) {
            const std::vector<float> samples =
                e.number == 0 ? makeSong(e.seconds, e.loudness) : makeIntro(e.seconds, e.loudness);
            if (WavWriter::write(path, samples, 2, assetSampleRate))
                ++r.music;
            else
                fail(r, path);
        }
    }
}

}  // namespace

GenerationReport generateAll(const std::string& directory) {
    GenerationReport pictures, sounds;
    std::thread soundThread([&] { makeSounds(directory, sounds); });
    makePictures(directory, pictures);
    soundThread.join();
    GenerationReport total;
    total.pictures = pictures.pictures;
    total.sounds = sounds.sounds;
    total.music = sounds.music;
    total.failures = pictures.failures + sounds.failures;
    return total;
}
