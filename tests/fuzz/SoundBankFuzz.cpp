// Any bytes put in place of one sound effect and of the dance music, loaded
// by the sound bank on SDL's dummy audio driver and played once.
//
// The first input byte picks which of the 46 effects is replaced; the rest
// is the file, written as that effect and as both music tracks. Every other
// sound file is missing, which the bank must take in its stride as well.
// Whatever the file holds, it is either refused (a null sound, named among
// the refusals) or checked and handed to SDL_mixer as a canonical copy,
// which the mixer must then load.

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "audio/SoundBank.h"
#include "audio/SoundTable.h"
#include "audio/WaveCheck.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The mixer stays open for the whole run, with the format the bank asks
    // for: the bank's own open and close then only count, instead of
    // stopping the device (a wait of one 4096-sample buffer) for every input.
    // The dummy device keeps mixing what the bank plays on its own thread.
    FUZZ_REQUIRE(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int sound = data[0] % Sound::count;
    const TempDirectory& dir = fuzzfiles::scratch();
    for (const char* name : {Sound::fileName(sound), Sound::songFile, Sound::introFile})
        fuzzfiles::write(name, data + 1, size - 1);
    const bool plain = WaveCheck::check(data + 1, size - 1).accepted();

    SoundBank bank;
    FUZZ_REQUIRE(bank.setSoundDirectory(dir.path().c_str()));
    bank.load();
    FUZZ_REQUIRE(bank.mixerOpen());
    for (int other = 0; other < Sound::count; ++other) FUZZ_REQUIRE(other == sound || !bank.soundLoaded(other));
    // What the check accepts loads everywhere; nothing it refuses reaches the mixer.
    FUZZ_REQUIRE(bank.soundLoaded(sound) == plain && bank.musicLoaded(MusicTrack::song) == plain &&
                 bank.musicLoaded(MusicTrack::intro) == plain);
    // Every other effect is missing, so refused; so are the three copies when refused.
    FUZZ_REQUIRE(bank.refusalCount() == Sound::count - 1 + (plain ? 0 : 3));

    // Play what loaded: the music, an event of every code and the ambient
    // loop of every kind, then the end of a dance.
    bank.playIntro(1.0f), bank.freeIntro(), bank.playSong(1.0f);
    for (int code = 0; code < 100; ++code) bank.playEvent(code, 1.0f, 10.0f, 0.5f);
    for (int kind = 100; kind < 200; ++kind) bank.reportAmbient(kind, 0, 2.0f, 10.0f, -1.0f);
    bank.mixAmbient(0.8f), bank.setAlarmLoop(6, 1.0f, 10.0f, 0.0f);
    bank.playMouseOver(1 + sound % 4), bank.playClick(1 + sound % 4), bank.countBusyChannels(10.0f);
    bank.playLevelEnd(1 + sound % 3, 0.5f), bank.stopAllSounds();
    std::remove(dir.path(Sound::fileName(sound)).c_str());
    return 0;
}
