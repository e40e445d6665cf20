#pragma once

#include <string>
#include <vector>

// The list of every file the generator writes into the game's run directory.
// It drives the generation (each entry names the painter or sound recipe that
// makes it) and lets the tests check the output against it. This file and
// Manifest*.cpp use no drawing library, so the tests can link them alone.

enum class AssetKind { Picture, Sound, Music, Icon };

// Which painter or recipe makes an entry.
enum class Family {
    Ballerina,    // sets 101 and 111: the named ballerinas and the Prima Ballerina
    Guardian,     // set 112: the calm dancers that never throw ('p')
    Racer,        // set 113: the fast unnamed throwers ('q')
    Cat,          // set 106
    Talent,       // sets 131-138
    Muse,         // set 161
    MuseGrowing,  // set 162
    Blossom,      // sets 141-144
    Effect,       // sets 181-196
    Floor,        // set 171
    Font,         // 476
    Glyph,        // 601-663
    StageMark,    // the World renderer's rings, trails, beams, hearts and sockets
    Interface,    // the screen renderer's 61 dance-screen pictures
    Menu,         // menu frame, emblem, headline, buttons
    Rank,         // 201-209
    Level,        // 1-36 (35 is the world map)
    Preview,      // 351-384
    Title,        // 941-945
    Loading,      // 895-897
    WindowIcon,   // whirligig.bmp
    Sound,        // the 46 sound effects
    Music         // song.wav and intro.wav
};

struct AssetEntry {
    std::string file;   // file name in the run directory
    AssetKind kind = AssetKind::Picture;
    Family family = Family::Menu;
    int number = 0;     // picture number or sprite set; sound index 0..45
    int frame = 0;      // frame within a sprite set, 0 for a single picture
    int width = 0;      // pictures and the icon
    int height = 0;
    bool tinted = false;   // drawn in white and greys: the game's colour gives the colour
    bool looped = false;   // sounds and music the game plays in a loop
    int channels = 0;      // sounds and music: 1 mono, 2 stereo
    double seconds = 0.0;  // sounds and music: length
    double loudness = 0.0; // sounds and music: how loud it is made (Synth::loudnessDb, dB of full scale)
    std::string role;      // what the file shows or plays
};

// Every file, in generation order. Built once.
const std::vector<AssetEntry>& assetManifest();

// The sprite sets and their frame counts as the manifest holds them.
struct SpriteSetInfo {
    int set;
    int frames;
};
std::vector<SpriteSetInfo> manifestSpriteSets();

// The file name of frame f of sprite set s: "1017.tga" for set 101, frame 7.
std::string spriteFileName(int set, int frame);
std::string pictureFileName(int number);

// Sample rate of every sound and music file.
constexpr int assetSampleRate = 22050;

// Parts of the manifest, one per family of files (ManifestSprites.cpp,
// ManifestPictures.cpp, ManifestSounds.cpp).
void addSpriteEntries(std::vector<AssetEntry>& out);
void addPictureEntries(std::vector<AssetEntry>& out);
void addSoundEntries(std::vector<AssetEntry>& out);
