#include "audio/MixerChannels.h"

#include <algorithm>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

MixerChannels::MixerChannels() { reset(16, false); }

void MixerChannels::reset(int count, bool live) {
    channelCount = std::clamp(count, 1, maxChannels);
    mixerLive = live;
    for (ChannelView& channel : channels) channel = ChannelView();
}

void MixerChannels::play(int channel, Mix_Chunk* chunk, int sound, bool loop) {
    if (!valid(channel)) return;
    if (mixerLive && chunk != nullptr) Mix_PlayChannelTimed(channel, chunk, loop ? -1 : 0, -1);
    ChannelView& view = channels[channel];
    view.record = channel;
    view.sound = sound;
    view.looping = loop;
    ++view.starts;
}

void MixerChannels::halt(int channel) {
    if (!valid(channel)) return;
    if (mixerLive) Mix_HaltChannel(channel);
    ChannelView& view = channels[channel];
    view.record = -1;
    view.sound = -1;
    view.looping = false;
}

void MixerChannels::fadeOut(int channel, int milliseconds) {
    if (!valid(channel)) return;
    if (mixerLive) {
        // SDL_mixer does not fade a channel whose volume is 0, which would
        // leave a silent loop holding the channel for good: stop it instead.
        if (channels[channel].volume == 0) Mix_HaltChannel(channel);
        else Mix_FadeOutChannel(channel, milliseconds);
    }
    channels[channel].looping = false;
}

void MixerChannels::fadeOutAndForget(int channel, int milliseconds) {
    if (!valid(channel)) return;
    fadeOut(channel, milliseconds);
    channels[channel].record = -1;
    channels[channel].sound = -1;
}

void MixerChannels::setVolume(int channel, int volume) {
    if (!valid(channel)) return;
    volume = std::clamp(volume, 0, MIX_MAX_VOLUME);
    if (mixerLive) Mix_Volume(channel, volume);
    channels[channel].volume = volume;
}

void MixerChannels::setPanning(int channel, int left, int right) {
    if (!valid(channel)) return;
    left = std::clamp(left, 0, 255);
    right = std::clamp(right, 0, 255);
    if (mixerLive) Mix_SetPanning(channel, static_cast<Uint8>(left), static_cast<Uint8>(right));
    channels[channel].left = left;
    channels[channel].right = right;
}

void MixerChannels::setAllVolumes(int volume) {
    volume = std::clamp(volume, 0, MIX_MAX_VOLUME);
    if (mixerLive) Mix_Volume(-1, volume);
    for (int channel = 0; channel < channelCount; ++channel) channels[channel].volume = volume;
}

bool MixerChannels::busy(int channel) const {
    if (!valid(channel)) return true;
    const ChannelView& view = channels[channel];
    if (view.record != -1 && view.looping) return true;
    return mixerLive && Mix_Playing(channel) == 1;
}

void MixerChannels::forgetFinished() {
    for (int channel = 0; channel < channelCount; ++channel) {
        if (busy(channel)) continue;
        channels[channel].record = -1;
        channels[channel].sound = -1;
        channels[channel].looping = false;
    }
}

int MixerChannels::record(int channel) const { return valid(channel) ? channels[channel].record : -1; }

int MixerChannels::recordsInUse() const {
    int inUse = 0;
    for (int channel = 0; channel < channelCount; ++channel) inUse += channels[channel].record != -1;
    return inUse;
}

ChannelView MixerChannels::view(int channel) const {
    return valid(channel) ? channels[channel] : ChannelView();
}
