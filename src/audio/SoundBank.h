#pragma once

#include "audio/DistanceLaw.h"
#include "audio/MixerChannels.h"
#include "audio/SoundTable.h"

#include "files/ByteBuffer.h"

struct Mix_Chunk;
struct _Mix_Music;
struct SDL_RWops;

// One kind's ambient bookkeeping: the channel its shared loop plays on and
// this frame's summed reports.
struct AmbientView {
    int channel = -1;          // this frame's channel, -1 until the kind reports
    int previousChannel = -1;  // the channel the kind held last frame
    int volumeSum = 0;
    int leftSum = 0;
    int rightSum = 0;
    int reports = 0;

    bool operator==(const AmbientView&) const = default;
};

enum class MusicTrack { none, song, intro };

// A sound or music file the bank would not play, and why.
struct SoundRefusal {
    const char* file = nullptr;    // the file's name, as the sound table has it
    const char* reason = nullptr;  // a short phrase: "it is not plain PCM"
};

// Every sound and both music tracks of the game, played through SDL_mixer.
// One-shot event sounds, looping ambient sounds shared by all actors of a
// kind, and fixed-channel sounds of the menus and of the end of a dance.
//
// Channel plan, n = channelCount():
//   0 .. n-6  one-shot positional events (first free channel)
//   0 .. n-5  ambient loops, one channel per kind (first free channel)
//   1         menu mouse-over loop     2    menu click
//   n-4       alarm loop               n-3  input, freeze, avatar change
//   n-2       Prima Ballerina          n-1  talents, letters, high score, level end
//
// Failures are silent: a missing or broken file leaves a null sound that is
// never played (and is listed among the refusals, for the log), and without
// an audio device nothing is heard while every operation keeps its
// bookkeeping the same way. Every file's structure is checked here; the
// mixer is handed only a canonical copy of an effect's checked samples, and
// music as a canonical stream of its checked samples from its file.
class SoundBank {
public:
    // Ambient tables are indexed by kind - 100.
    static constexpr int firstAmbientKind = 100;
    static constexpr int ambientKinds = 100;

    SoundBank();
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Directory the sound and music files are read from at load; nullptr or
    // "" is the working directory (the default). False, and nothing changes,
    // when the directory name is too long to hold.
    bool setSoundDirectory(const char* directory);
    const char* soundDirectory() const { return directory; }

    // After SDL is initialised: resets the bookkeeping, opens the mixer
    // (22050 Hz, signed 16-bit, stereo, 4096-sample chunks, 16 channels),
    // loads the 46 sounds in table order, then "song.wav" and "intro.wav".
    // Loading again first releases what the previous load held.
    void load();

    // Music, endlessly looped, at 127 x volume (volume 0.0-1.0).
    void playSong(float volume);
    void playIntro(float volume);
    // Stops and releases the intro music once it is no longer needed.
    void freeIntro();
    // Fades every channel out over 500 ms and the music over 1000 ms.
    void stopAllSounds();
    // ending 1 good, 2 bad, 3 highscore, each on channel n-1 after fading the
    // others; 0 only silences every channel. volume becomes the volume factor.
    void playLevelEnd(int ending, float volume);
    // Menu buttons 1-4: a click sound on channel 2, unless one is still sounding.
    void playClick(int button);
    // Menu hover, requested every frame: buttons 1-4 loop their sound on
    // channel 1 (restarted only when the button changes), 0 fades it out.
    void playMouseOver(int button);
    // Counts the channels in use into busyChannelCount() and returns range.
    float countBusyChannels(float range);

    // One-shot event sound by code; codes without a sound do nothing.
    // Codes 87-99 are played at full volume, centred, whatever the position.
    void playEvent(int code, float distance, float range, float x);
    // An actor of kind asks for its looping sound in this frame.
    void reportAmbient(int kind, int slot, float distance, float range, float x);
    // Once per frame, after all reports: volume becomes the volume factor and
    // the music volume; each kind's loop gets the mean of its reports; loops
    // of kinds that stopped reporting are stopped.
    void mixAmbient(float volume);
    // The alarm loop on channel n-4 by level (the number of singing muses):
    // 1 or less fades it out, 2-4, 5-7, 8-10 and 11+ choose its sound, which is
    // started only when the level enters another band.
    void setAlarmLoop(int level, float distance, float range, float x);

    // Read-only view of the bookkeeping.
    int channelCount() const { return channels.count(); }
    int busyChannelCount() const { return busyChannels; }
    float volumeFactor() const { return volume; }
    bool mixerOpen() const { return channels.live(); }
    bool soundLoaded(int sound) const;
    bool musicLoaded(MusicTrack track) const;
    MusicTrack musicPlaying() const { return music; }
    int musicVolume() const { return musicLevel; }
    ChannelView channel(int channel) const { return channels.view(channel); }
    // A default view (-1 channels, zero sums) for a kind outside 100-199.
    AmbientView ambient(int kind) const;
    int lastAlarmLevel() const { return alarmLevel; }
    int lastMouseOver() const { return mouseOver; }
    // What the mixer reported back once opened (0 while it is not open).
    int mixerFrequency() const { return frequency; }
    int mixerFormat() const { return format; }
    int mixerOutputChannels() const { return outputChannels; }
    int mixerChunkSize() const { return chunkSize; }
    // The files the last load() refused or could not read, in load order.
    int refusalCount() const { return refusals; }
    SoundRefusal refusal(int index) const;

private:
    static constexpr std::size_t directoryBytes = 512;
    static constexpr std::size_t pathBytes = directoryBytes + 64;

    void openMixer();
    void release();
    void loadFiles();
    void loadMusic(MusicTrack track, const char* file);
    void freeMusic(MusicTrack track);
    // The checked, canonical bytes of a file, or an empty buffer after
    // noting why it was refused.
    ByteBuffer readChecked(const char* file, std::uint64_t limit);
    // The file's path in the sound directory, or false after refusing it.
    bool pathOf(const char* file, char (&path)[pathBytes]);
    void refuse(const char* file, const char* reason);
    void resetAmbient();
    void setMusicVolume(float volume);
    // First channel of 0..last that is free for a new sound, or -1.
    int freeChannel(int last) const;
    void playPositioned(int sound, float distance, float range, float x);
    void playOnChannel(int channel, int sound, SoundLevel level);
    void startAmbientLoop(int entry, int kind);
    Mix_Chunk* chunk(int sound) const;
    static Mix_Chunk* tightChunk(Mix_Chunk* decoded, ByteBuffer& samples);

    MixerChannels channels;
    int busyChannels = 0;
    float volume = 1.0f;
    // A music track streams from its file while it is loaded: the stream
    // lives as long as the music.
    struct LoadedMusic {
        _Mix_Music* music = nullptr;
        SDL_RWops* stream = nullptr;
    };
    LoadedMusic song;
    LoadedMusic intro;
    MusicTrack music = MusicTrack::none;
    int musicLevel = 0;
    bool opened = false;  // load() opened the mixer, so the destructor closes it
    int frequency = 0;
    int format = 0;
    int outputChannels = 0;
    int chunkSize = 0;
    int alarmLevel = 0;
    int mouseOver = 0;
    AmbientView ambientTable[ambientKinds];
    Mix_Chunk* chunks[Sound::count] = {};
    ByteBuffer effectSamples[Sound::count];  // what chunks[] play from, when they do not own it
    SoundRefusal refused[Sound::count + 2];
    int refusals = 0;
    char directory[directoryBytes] = {};
};
