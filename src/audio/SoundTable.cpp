#include "audio/SoundTable.h"

namespace Sound {
namespace {
const char* const fileNames[count] = {
    "LowEnergyNoise.wav",
    "ProjectileStart.wav",
    "ProjectileExplosion.wav",
    "ProjectileNoise-141.wav",
    "ProjectileNoise-142.wav",
    "ProjectileNoise-143.wav",
    "ProjectileNoise-144.wav",
    "PowerUpNoise-131.wav",
    "PowerUpNoise-132.wav",
    "PowerUpNoise-133.wav",
    "PowerUpNoise-134.wav",
    "PrimaBallerinaExplosionNoise.wav",
    "PrimaBallerinaNoise.wav",
    "PrimaBallerinaCollision-1.wav",
    "PrimaBallerinaCollision-2.wav",
    "PrimaBallerinaCollision-3.wav",
    "ObstacleImportantCollision-1.wav",
    "ObstacleImportantCollision-2.wav",
    "ObstacleImportantCollision-3.wav",
    "ObstacleImportantCollision-4.wav",
    "ObstacleCollision.wav",
    "ObstacleNoise.wav",
    "PlayerGetPowerUp.wav",
    "AvatarChangePossibleNoise.wav",
    "FirstAvatarChangeNoise.wav",
    "TryAvatarChangeNoise.wav",
    "LetterNoise.wav",
    "WrongInputNoise.wav",
    "RightInputNoise.wav",
    "NotFirstAvatarChangeNoise.wav",
    "FreezeTimeNoise.wav",
    "FreezeTimeEarlyNoise.wav",
    "FreezeTimeLateNoise.wav",
    "RewindTimeNoise.wav",
    "MouseOverPlayNoise.wav",
    "ClickPlayNoise.wav",
    "MouseOverQuitNoise.wav",
    "ClickQuitNoise.wav",
    "MouseOverChangeLevelNoise.wav",
    "ClickChangeLevelNoise.wav",
    "MouseOverChangeInfoScreenNoise.wav",
    "ClickChangeInfoScreenNoise.wav",
    "LevelGoodEnd.wav",
    "LevelBadEnd.wav",
    "LevelHighscoreEnd.wav",
    "NewHighScore.wav",
};
}  // namespace

const char* fileName(int id) { return id >= 0 && id < count ? fileNames[id] : nullptr; }

bool isAmbientKind(int kind) {
    return (kind >= 101 && kind <= 105) || (kind >= 107 && kind <= 110) ||
           (kind >= 111 && kind <= 130) || (kind >= 131 && kind <= 144) ||
           (kind >= 161 && kind <= 170);
}

int ambientSound(int kind) {
    if (kind >= 101 && kind <= 105) return lowEnergy;
    if (kind == 107) return freezeTimeEarly;
    if (kind == 108) return freezeTimeLate;
    if (kind >= 111 && kind <= 130) return primaNoise;
    if (kind >= 131 && kind <= 134) return powerUpNoise131 + (kind - 131);
    if (kind >= 135 && kind <= 138) return powerUpNoise131 + 3;  // super talents share the red loop
    if (kind >= 141 && kind <= 144) return projectileNoise141 + (kind - 141);
    if (kind >= 161 && kind <= 170) return obstacleNoise;
    return none;
}

int mouseOverSound(int button) {
    return button >= 1 && button <= 4 ? mouseOverPlay + 2 * (button - 1) : none;
}

int clickSound(int button) {
    return button >= 1 && button <= 4 ? clickPlay + 2 * (button - 1) : none;
}

int levelEndSound(int ending) {
    return ending >= 1 && ending <= 3 ? levelGoodEnd + (ending - 1) : none;
}
}  // namespace Sound
