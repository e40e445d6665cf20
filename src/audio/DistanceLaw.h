#pragma once

// Volume (0-127) and stereo panning (0-255 per side) of a sound heard from a
// distance, as SDL_mixer's Mix_Volume and Mix_SetPanning take them.
struct SoundLevel {
    int volume = 0;
    int left = 0;
    int right = 0;
};

enum class LevelClamp {
    // One-shot event sounds: volume 0-127, each side 1-255 (never fully mute one ear).
    event,
    // Ambient loops: any value below 1 becomes 0, volume at most 127, sides at most 255.
    ambient,
};

// The one distance law of every positional sound. range R is the hearing
// range, distance d the distance from the listener, x the horizontal offset
// (negative to the left). The volume falls linearly from 127 x volumeFactor at
// d = 0 to 0 at d = R x nearScale (0.25 makes a sound four times as loud, still
// capped at 127); the panning moves linearly from fully left at x = -R/2 to
// fully right at x = R/2. Values are truncated toward zero, then clamped.
// A range that is not positive or any input that is not a finite number gives
// silence (volume 0) instead of a meaningless level.
SoundLevel distanceLaw(float distance, float range, float x, float volumeFactor, float nearScale,
                       LevelClamp clamp);
