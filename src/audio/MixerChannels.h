#pragma once

struct Mix_Chunk;

// What the sound bank believes about one mixer channel. Kept by the bank
// itself, so it holds whether or not an audio device is open and whether or
// not a sound file could be loaded.
struct ChannelView {
    int record = -1;       // the channel's own number while a sound started here may still sound, else -1
    int sound = -1;        // sound id last started here (while the record is set), else -1
    bool looping = false;  // an endless loop the bank holds until it halts or fades it
    int volume = -1;       // last volume given (0-127), -1 before any
    int left = -1;         // last panning given (0-255 each), -1 before any
    int right = -1;
    int starts = 0;        // sounds started on this channel since the bank was loaded

    bool operator==(const ChannelView&) const = default;
};

// The mixer's channels as the sound bank uses them: every per-channel
// SDL_mixer call goes through here, and here the bank's bookkeeping is kept.
// Without an open mixer ("live" false) no SDL_mixer call is made at all and
// the bookkeeping goes on as if the sounds played silently.
class MixerChannels {
public:
    static constexpr int maxChannels = 20;

    MixerChannels();

    // Forget everything: every record -1. count is clamped to 1..maxChannels.
    void reset(int count, bool live);
    int count() const { return channelCount; }
    bool live() const { return mixerLive; }

    // Starts sound on channel: once, or looping endlessly. A null chunk is
    // never handed to the mixer, but the channel is still marked as holding it.
    void play(int channel, Mix_Chunk* chunk, int sound, bool loop);
    // Stops the channel at once; its record becomes -1.
    void halt(int channel);
    // Fades the channel out. A loop there is no longer held: the record stays
    // until the mixer reports the channel silent.
    void fadeOut(int channel, int milliseconds);
    // Fades the channel out and forgets it at once (record -1).
    void fadeOutAndForget(int channel, int milliseconds);
    void setVolume(int channel, int volume);
    void setPanning(int channel, int left, int right);
    // Mix_Volume on every channel at once.
    void setAllVolumes(int volume);

    // Not free for a new sound: a loop the bank holds, or a sound the mixer
    // still plays (a one-shot or a fade). Channels outside 0..count-1 are busy.
    bool busy(int channel) const;
    // Every channel that is not busy gets record -1.
    void forgetFinished();

    int record(int channel) const;
    int recordsInUse() const;
    ChannelView view(int channel) const;

private:
    bool valid(int channel) const { return channel >= 0 && channel < channelCount; }

    int channelCount = 16;
    bool mixerLive = false;
    ChannelView channels[maxChannels];
};
