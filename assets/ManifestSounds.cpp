// The 46 sounds in the sound bank's load order, and the two music tracks.
#include "Manifest.h"

namespace {

struct SoundSpec {
    const char* file;
    double seconds;
    bool looped;
    const char* role;
    double loudness;  // dB of full scale, by role (see below)
};

// Looped sounds are whole loops: their last sample leads into the first.
//
// Loudness by role, so that the sounds sit together: the beds that play all
// the time (dancers, muses, flying blossoms, talents) stay low at -30 to -25;
// the small events of the dance (launch, burst, bumps, clicks, ticks) at
// -22 to -19; what answers the player (right and wrong letter, talent
// taken, freeze, a change of Prima Ballerina) at -19 to -16; the endings and
// fanfares at -16 to -14. The alarm grows with its level. The menu's hover
// loops play at a quarter of the volume, so they are made louder.
const SoundSpec sounds[46] = {
    {"LowEnergyNoise.wav", 1.0, true, "low-energy heartbeat loop of the Prima Ballerina", -21.0},
    {"ProjectileStart.wav", 0.3, false, "blossom launch: airy pop", -22.0},
    {"ProjectileExplosion.wav", 0.55, false, "blossom burst: soft poof with a chime", -21.0},
    {"ProjectileNoise-141.wav", 1.0, true, "flying blossom 141: airy shimmer loop", -29.0},
    {"ProjectileNoise-142.wav", 1.0, true, "flying blossom 142: airy shimmer loop", -28.5},
    {"ProjectileNoise-143.wav", 1.0, true, "flying blossom 143: airy shimmer loop", -28.0},
    {"ProjectileNoise-144.wav", 1.0, true, "flying blossom 144: airy shimmer loop", -27.5},
    {"PowerUpNoise-131.wav", 2.0, true, "freeze talent on the stage: twinkling loop", -27.0},
    {"PowerUpNoise-132.wav", 2.0, true, "blue talent on the stage: twinkling loop", -27.0},
    {"PowerUpNoise-133.wav", 2.0, true, "green talent on the stage: twinkling loop", -27.0},
    {"PowerUpNoise-134.wav", 2.0, true, "red talent and super talents on the stage: twinkling loop", -27.0},
    {"PrimaBallerinaExplosionNoise.wav", 1.2, false, "a dancer or muse made happy: joyful arpeggio", -17.0},
    {"PrimaBallerinaNoise.wav", 2.0, true, "dancers' steps and tutu rustle loop", -30.0},
    {"PrimaBallerinaCollision-1.wav", 0.3, false, "Prima Ballerina hit, light", -22.0},
    {"PrimaBallerinaCollision-2.wav", 0.3, false, "Prima Ballerina hit, medium", -20.5},
    {"PrimaBallerinaCollision-3.wav", 0.35, false, "Prima Ballerina hit, strong", -19.0},
    {"ObstacleImportantCollision-1.wav", 1.0, true, "alarm loop, level 1 (calm)", -25.0},
    {"ObstacleImportantCollision-2.wav", 1.0, true, "alarm loop, level 2", -23.0},
    {"ObstacleImportantCollision-3.wav", 1.0, true, "alarm loop, level 3", -21.0},
    {"ObstacleImportantCollision-4.wav", 1.0, true, "alarm loop, level 4 (urgent)", -19.0},
    {"ObstacleCollision.wav", 0.3, false, "muse bumped: harp pluck", -21.0},
    {"ObstacleNoise.wav", 3.0, true, "muses humming: choir pad loop", -27.0},
    {"PlayerGetPowerUp.wav", 0.6, false, "talent taken: rising sparkle", -17.0},
    {"AvatarChangePossibleNoise.wav", 0.5, false, "a change of Prima Ballerina is possible: two soft dings", -19.0},
    {"FirstAvatarChangeNoise.wav", 1.0, false, "new Prima Ballerina: little fanfare", -16.0},
    {"TryAvatarChangeNoise.wav", 0.6, false, "name entry starts: upward whoosh", -19.0},
    {"LetterNoise.wav", 0.08, false, "letter cursor tick", -22.0},
    {"WrongInputNoise.wav", 0.35, false, "wrong letter: a soft falling \"uh-oh\"", -18.0},
    {"RightInputNoise.wav", 0.3, false, "right letter: bright ding", -18.0},
    {"NotFirstAvatarChangeNoise.wav", 0.6, false, "another change of Prima Ballerina: chime", -17.0},
    {"FreezeTimeNoise.wav", 1.0, false, "time freezes: glassy downward sweep", -17.0},
    {"FreezeTimeEarlyNoise.wav", 2.0, true, "frozen time, early: slow ticking over a pad", -25.0},
    {"FreezeTimeLateNoise.wav", 1.0, true, "frozen time, running out: fast ticking", -23.0},
    {"RewindTimeNoise.wav", 0.8, false, "rewind: reversed sweep", -19.0},
    {"MouseOverPlayNoise.wav", 1.0, true, "pointer over Play: shimmer loop", -17.0},
    {"ClickPlayNoise.wav", 0.25, false, "Play clicked", -19.0},
    {"MouseOverQuitNoise.wav", 1.0, true, "pointer over Quit: low shimmer loop", -17.0},
    {"ClickQuitNoise.wav", 0.25, false, "Quit clicked", -19.0},
    {"MouseOverChangeLevelNoise.wav", 1.0, true, "pointer over the level selector: shimmer loop", -17.0},
    {"ClickChangeLevelNoise.wav", 0.2, false, "level changed", -20.0},
    {"MouseOverChangeInfoScreenNoise.wav", 1.0, true, "pointer over an information button: shimmer loop", -17.0},
    {"ClickChangeInfoScreenNoise.wav", 0.2, false, "information page changed", -20.0},
    {"LevelGoodEnd.wav", 2.5, false, "dance won: cheerful jingle", -15.0},
    {"LevelBadEnd.wav", 2.0, false, "dance lost: gentle falling jingle", -16.0},
    {"LevelHighscoreEnd.wav", 3.0, false, "dance won with a new best: fanfare", -14.0},
    {"NewHighScore.wav", 1.5, false, "new highscore: sparkling fanfare", -15.0},
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
        e.loudness = sounds[i].loudness;
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
    song.loudness = -16.0;
    song.role = "dance tune: intro, verse, chorus, break and chorus again; loops seamlessly";
    out.push_back(song);
    AssetEntry intro = song;
    intro.file = "intro.wav";
    intro.number = 1;
    intro.seconds = 28.8;  // 16 bars of 3/4 at 100 beats a minute
    intro.loudness = -18.0;
    intro.role = "music-box waltz of the title and menu; loops seamlessly";
    out.push_back(intro);
}
