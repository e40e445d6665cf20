// The 46 sounds in the sound bank's load order, and the two music tracks.
#include "Manifest.h"

namespace {

struct SoundSpec {
    const char* file;
    double seconds;
    bool looped;
    const char* role;
};

// Looped sounds are whole loops: their last sample leads into the first.
const SoundSpec sounds[46] = {
    {"LowEnergyNoise.wav", 1.0, true, "low-energy heartbeat loop of the Prima Ballerina"},
    {"ProjectileStart.wav", 0.3, false, "blossom launch: airy pop"},
    {"ProjectileExplosion.wav", 0.55, false, "blossom burst: soft poof with a chime"},
    {"ProjectileNoise-141.wav", 1.0, true, "flying blossom 141: airy shimmer loop"},
    {"ProjectileNoise-142.wav", 1.0, true, "flying blossom 142: airy shimmer loop"},
    {"ProjectileNoise-143.wav", 1.0, true, "flying blossom 143: airy shimmer loop"},
    {"ProjectileNoise-144.wav", 1.0, true, "flying blossom 144: airy shimmer loop"},
    {"PowerUpNoise-131.wav", 2.0, true, "freeze talent on the stage: twinkling loop"},
    {"PowerUpNoise-132.wav", 2.0, true, "blue talent on the stage: twinkling loop"},
    {"PowerUpNoise-133.wav", 2.0, true, "green talent on the stage: twinkling loop"},
    {"PowerUpNoise-134.wav", 2.0, true, "red talent and super talents on the stage: twinkling loop"},
    {"PrimaBallerinaExplosionNoise.wav", 1.2, false, "a dancer or muse made happy: joyful arpeggio"},
    {"PrimaBallerinaNoise.wav", 2.0, true, "dancers' steps and tutu rustle loop"},
    {"PrimaBallerinaCollision-1.wav", 0.3, false, "Prima Ballerina hit, light"},
    {"PrimaBallerinaCollision-2.wav", 0.3, false, "Prima Ballerina hit, medium"},
    {"PrimaBallerinaCollision-3.wav", 0.35, false, "Prima Ballerina hit, strong"},
    {"ObstacleImportantCollision-1.wav", 1.0, true, "alarm loop, level 1 (calm)"},
    {"ObstacleImportantCollision-2.wav", 1.0, true, "alarm loop, level 2"},
    {"ObstacleImportantCollision-3.wav", 1.0, true, "alarm loop, level 3"},
    {"ObstacleImportantCollision-4.wav", 1.0, true, "alarm loop, level 4 (urgent)"},
    {"ObstacleCollision.wav", 0.3, false, "muse bumped: harp pluck"},
    {"ObstacleNoise.wav", 3.0, true, "muses humming: choir pad loop"},
    {"PlayerGetPowerUp.wav", 0.6, false, "talent taken: rising sparkle"},
    {"AvatarChangePossibleNoise.wav", 0.5, false, "a change of Prima Ballerina is possible: two soft dings"},
    {"FirstAvatarChangeNoise.wav", 1.0, false, "new Prima Ballerina: little fanfare"},
    {"TryAvatarChangeNoise.wav", 0.6, false, "name entry starts: upward whoosh"},
    {"LetterNoise.wav", 0.08, false, "letter cursor tick"},
    {"WrongInputNoise.wav", 0.35, false, "wrong letter: low double buzz"},
    {"RightInputNoise.wav", 0.3, false, "right letter: bright ding"},
    {"NotFirstAvatarChangeNoise.wav", 0.6, false, "another change of Prima Ballerina: chime"},
    {"FreezeTimeNoise.wav", 1.0, false, "time freezes: glassy downward sweep"},
    {"FreezeTimeEarlyNoise.wav", 2.0, true, "frozen time, early: slow ticking over a pad"},
    {"FreezeTimeLateNoise.wav", 1.0, true, "frozen time, running out: fast ticking"},
    {"RewindTimeNoise.wav", 0.8, false, "rewind: reversed sweep"},
    {"MouseOverPlayNoise.wav", 1.0, true, "pointer over Play: shimmer loop"},
    {"ClickPlayNoise.wav", 0.25, false, "Play clicked"},
    {"MouseOverQuitNoise.wav", 1.0, true, "pointer over Quit: low shimmer loop"},
    {"ClickQuitNoise.wav", 0.25, false, "Quit clicked"},
    {"MouseOverChangeLevelNoise.wav", 1.0, true, "pointer over the level selector: shimmer loop"},
    {"ClickChangeLevelNoise.wav", 0.2, false, "level changed"},
    {"MouseOverChangeInfoScreenNoise.wav", 1.0, true, "pointer over an information button: shimmer loop"},
    {"ClickChangeInfoScreenNoise.wav", 0.2, false, "information page changed"},
    {"LevelGoodEnd.wav", 2.5, false, "dance won: cheerful jingle"},
    {"LevelBadEnd.wav", 2.0, false, "dance lost: gentle falling jingle"},
    {"LevelHighscoreEnd.wav", 3.0, false, "dance won with a new best: fanfare"},
    {"NewHighScore.wav", 1.5, false, "new highscore: sparkling fanfare"},
};

}  // namespace

void addSoundEntries(std::vector<AssetEntry>& out) {
    for (int i = 0; i < 46; ++i) {
        AssetEntry e;
        e.file = sounds[i].file;
        e.kind = AssetKind::Sound;
        e.family = Family::Sound;
        e.number = i;
        e.channels = 1;
        e.seconds = sounds[i].seconds;
        e.looped = sounds[i].looped;
        e.role = sounds[i].role;
        out.push_back(e);
    }
    AssetEntry song;
    song.file = "song.wav";
    song.kind = AssetKind::Music;
    song.family = Family::Music;
    song.number = 0;
    song.channels = 2;
    song.seconds = 64.0;  // 32 bars at 120 beats a minute
    song.looped = true;
    song.role = "dance tune: intro, verse, chorus, break and chorus again; loops seamlessly";
    out.push_back(song);
    AssetEntry intro = song;
    intro.file = "intro.wav";
    intro.number = 1;
    intro.seconds = 28.8;  // 16 bars of 3/4 at 100 beats a minute
    intro.role = "music-box waltz of the title and menu; loops seamlessly";
    out.push_back(intro);
}
