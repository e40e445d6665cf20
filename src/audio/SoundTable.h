#pragma once

// The game's 46 sounds in load order, the two music tracks, and which sound
// each looping actor kind uses. Plain data: no mixer involved.
namespace Sound {
enum Id : int {
    none = -1,
    lowEnergy = 0,
    projectileStart = 1,
    projectileExplosion = 2,
    projectileNoise141 = 3,   // 3..6 for kinds 141..144
    powerUpNoise131 = 7,      // 7..10 for kinds 131..134
    primaExplosion = 11,
    primaNoise = 12,
    primaCollision1 = 13,     // 13..15
    alarm1 = 16,              // 16..19, the alarm loop's four stages
    obstacleCollision = 20,
    obstacleNoise = 21,
    playerGetPowerUp = 22,
    avatarChangePossible = 23,
    firstAvatarChange = 24,
    tryAvatarChange = 25,
    letter = 26,
    wrongInput = 27,
    rightInput = 28,
    notFirstAvatarChange = 29,
    freezeTime = 30,
    freezeTimeEarly = 31,
    freezeTimeLate = 32,
    rewindTime = 33,
    mouseOverPlay = 34,       // mouse-over n is 34 + 2 (n - 1), click n is 35 + 2 (n - 1)
    clickPlay = 35,
    mouseOverQuit = 36,
    clickQuit = 37,
    mouseOverChangeLevel = 38,
    clickChangeLevel = 39,
    mouseOverChangeInfoScreen = 40,
    clickChangeInfoScreen = 41,
    levelGoodEnd = 42,
    levelBadEnd = 43,
    levelHighscoreEnd = 44,
    newHighScore = 45,
};

constexpr int count = 46;

// File name of sound id, or nullptr for an id outside 0..45.
const char* fileName(int id);

constexpr const char* songFile = "song.wav";
constexpr const char* introFile = "intro.wav";

// Kinds that report a looping sound: 101-105, 107-110, 111-130, 131-144, 161-170.
bool isAmbientKind(int kind);
// The loop a kind plays; Sound::none for an accepted kind without a loop
// (109, 110, 139, 140) and for every kind that is not accepted.
int ambientSound(int kind);

// Mouse-over and click sounds of the menu buttons 1-4; Sound::none otherwise.
int mouseOverSound(int button);
int clickSound(int button);
// Level-end sounds 1 good, 2 bad, 3 highscore; Sound::none otherwise.
int levelEndSound(int ending);
}  // namespace Sound
