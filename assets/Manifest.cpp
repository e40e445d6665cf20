#include "Manifest.h"

#include <map>

std::string spriteFileName(int set, int frame) { return std::to_string(set) + std::to_string(frame) + ".tga"; }

std::string pictureFileName(int number) { return std::to_string(number) + ".tga"; }

const std::vector<AssetEntry>& assetManifest() {
    static const std::vector<AssetEntry> entries = [] {
        std::vector<AssetEntry> out;
        out.reserve(1200);
        addSpriteEntries(out);
        addPictureEntries(out);
        addSoundEntries(out);
        return out;
    }();
    return entries;
}

std::vector<SpriteSetInfo> manifestSpriteSets() {
    std::map<int, int> frames;
    for (const AssetEntry& e : assetManifest())
        if (e.frame > 0 && e.frame > frames[e.number]) frames[e.number] = e.frame;
    std::vector<SpriteSetInfo> out;
    for (const auto& [set, count] : frames) out.push_back({set, count});
    return out;
}
