#include "audio/SoundBank.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "audio/MusicStream.h"
#include "audio/WaveCheck.h"
#include "files/FileBytes.h"
#include "files/PathJoin.h"

namespace {
constexpr int mixerRate = 22050;
constexpr int mixerChunk = 4096;
constexpr int plannedChannels = 16;
// The channel plan needs channels up to n-1 with n-6 >= 2; a mixer that
// reports fewer (or more than the records hold) keeps the planned count, and
// SDL_mixer ignores calls on channels it does not have.
constexpr int fewestChannels = 8;
// More reports of one kind in a frame than the stage could ever hold are
// ignored, so the sums cannot overflow whatever the caller does.
constexpr int maxReportsPerFrame = 4096;
constexpr const char* unopenable = "it is missing, unreadable, empty or too large";

float clampedFactor(float volume) {
    if (!(volume >= 0.0f)) return 0.0f;  // NaN and negatives are silence
    return std::min(volume, 1.0f);
}

int fullVolume(float factor) { return static_cast<int>(127.0f * clampedFactor(factor)); }

}  // namespace

SoundBank::SoundBank() { resetAmbient(); }

SoundBank::~SoundBank() { release(); }

bool SoundBank::setSoundDirectory(const char* name) {
    if (name == nullptr) name = "";
    const std::size_t length = std::strlen(name);
    if (length >= sizeof directory) return false;
    std::memcpy(directory, name, length + 1);
    return true;
}

void SoundBank::load() {
    release();
    channels.reset(plannedChannels, false);
    resetAmbient();
    openMixer();
    loadFiles();
}

void SoundBank::openMixer() {
    // The only result looked at is whether a mixer is there to talk to: with
    // none, the bank keeps its books and makes no further SDL_mixer calls.
    opened = Mix_OpenAudio(mixerRate, AUDIO_S16LSB, 2, mixerChunk) == 0;
    if (!opened) return;
    Mix_AllocateChannels(plannedChannels);
    const int reported = Mix_AllocateChannels(-1);
    int count = plannedChannels;
    if (reported > MixerChannels::maxChannels) count = MixerChannels::maxChannels;
    else if (reported >= fewestChannels) count = reported;
    channels.reset(count, true);
    Uint16 reportedFormat = 0;
    Mix_QuerySpec(&frequency, &reportedFormat, &outputChannels);
    format = reportedFormat;
    chunkSize = mixerChunk;
}

void SoundBank::loadFiles() {
    if (!opened) return;  // SDL_mixer decodes nothing without an open device
    for (int sound = 0; sound < Sound::count; ++sound) {
        const char* file = Sound::fileName(sound);
        ByteBuffer wave = readChecked(file, WaveCheck::maxEffectBytes);
        if (wave.empty()) continue;
        // The chunk is decoded into the mixer's format at once: the bytes
        // are not needed once it returns.
        Mix_Chunk* decoded = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
        if (decoded == nullptr) refuse(file, "the mixer could not decode it");
        chunks[sound] = tightChunk(decoded, effectSamples[sound]);
    }
    loadMusic(MusicTrack::song, Sound::songFile);
    loadMusic(MusicTrack::intro, Sound::introFile);
}

// The decoder leaves room for the widest conversion (twice the samples for
// mono widened to stereo); the bank keeps a copy of just the converted
// samples, and the chunk plays from that copy.
Mix_Chunk* SoundBank::tightChunk(Mix_Chunk* decoded, ByteBuffer& samples) {
    if (decoded == nullptr || decoded->alen == 0) return decoded;
    samples = ByteBuffer(decoded->alen);
    Mix_Chunk* tight = samples.empty() ? nullptr : Mix_QuickLoad_RAW(samples.data(), decoded->alen);
    if (tight == nullptr) {
        samples.reset();
        return decoded;
    }
    std::memcpy(samples.data(), decoded->abuf, decoded->alen);
    tight->volume = decoded->volume;
    Mix_FreeChunk(decoded);
    return tight;
}

void SoundBank::loadMusic(MusicTrack track, const char* file) {
    LoadedMusic& loaded = track == MusicTrack::song ? song : intro;
    char path[pathBytes];
    if (!pathOf(file, path)) return;
    std::size_t size = 0;
    const int fd = openFileAtMost(path, WaveCheck::maxMusicBytes, size);
    if (fd < 0) return refuse(file, unopenable);
    // Music streams from its file while it plays; the bank keeps the stream
    // until the music is freed.
    const char* refusal = nullptr;
    loaded.stream = MusicStream::open(fd, size, refusal);
    if (loaded.stream == nullptr) return refuse(file, refusal);
    loaded.music = Mix_LoadMUSType_RW(loaded.stream, MUS_WAV, 0);
    if (loaded.music == nullptr) {
        refuse(file, "the mixer could not decode it");
        freeMusic(track);
    }
}

void SoundBank::freeMusic(MusicTrack track) {
    LoadedMusic& loaded = track == MusicTrack::song ? song : intro;
    if (loaded.music != nullptr) Mix_FreeMusic(loaded.music);
    if (loaded.stream != nullptr) SDL_RWclose(loaded.stream);
    loaded.music = nullptr;
    loaded.stream = nullptr;
}

bool SoundBank::pathOf(const char* file, char (&path)[pathBytes]) {
    if (joinPath(path, sizeof path, directory, file)) return true;
    refuse(file, "its path is too long");
    return false;
}

ByteBuffer SoundBank::readChecked(const char* file, std::uint64_t limit) {
    char path[pathBytes];
    if (!pathOf(file, path)) return {};
    ByteBuffer bytes = readFileBytes(path, static_cast<std::size_t>(limit));
    if (bytes.empty()) {
        refuse(file, unopenable);
        return {};
    }
    const WaveCheck::Verdict verdict = WaveCheck::check(bytes.data(), bytes.size());
    if (!verdict.accepted()) {
        refuse(file, verdict.refusal);
        return {};
    }
    bytes.truncate(WaveCheck::makeCanonical(bytes.data(), verdict));
    return bytes;
}

void SoundBank::refuse(const char* file, const char* reason) {
    if (refusals < static_cast<int>(sizeof refused / sizeof refused[0])) refused[refusals++] = {file, reason};
}

SoundRefusal SoundBank::refusal(int index) const {
    return index >= 0 && index < refusals ? refused[index] : SoundRefusal();
}

void SoundBank::release() {
    if (opened) Mix_HaltMusic();
    freeMusic(MusicTrack::song);
    freeMusic(MusicTrack::intro);
    music = MusicTrack::none;
    for (int channel = 0; channel < channels.count(); ++channel) channels.halt(channel);
    for (Mix_Chunk*& sound : chunks) {
        if (sound != nullptr) Mix_FreeChunk(sound);
        sound = nullptr;
    }
    // Only once no chunk plays from them.
    for (ByteBuffer& samples : effectSamples) samples.reset();
    refusals = 0;
    if (opened) Mix_CloseAudio();
    opened = false;
    frequency = format = outputChannels = chunkSize = 0;
    channels.reset(plannedChannels, false);
}

void SoundBank::resetAmbient() {
    for (AmbientView& entry : ambientTable) entry = AmbientView();
}

Mix_Chunk* SoundBank::chunk(int sound) const {
    return sound >= 0 && sound < Sound::count ? chunks[sound] : nullptr;
}

bool SoundBank::soundLoaded(int sound) const { return chunk(sound) != nullptr; }

bool SoundBank::musicLoaded(MusicTrack track) const {
    if (track == MusicTrack::song) return song.music != nullptr;
    if (track == MusicTrack::intro) return intro.music != nullptr;
    return false;
}

AmbientView SoundBank::ambient(int kind) const {
    const int entry = kind - firstAmbientKind;
    return entry >= 0 && entry < ambientKinds ? ambientTable[entry] : AmbientView();
}

void SoundBank::setMusicVolume(float factor) {
    musicLevel = fullVolume(factor);
    if (channels.live()) Mix_VolumeMusic(musicLevel);
}

void SoundBank::playSong(float factor) {
    if (channels.live() && song.music != nullptr) Mix_PlayMusic(song.music, -1);
    music = MusicTrack::song;
    setMusicVolume(factor);
}

void SoundBank::playIntro(float factor) {
    if (channels.live() && intro.music != nullptr) Mix_PlayMusic(intro.music, -1);
    music = MusicTrack::intro;
    setMusicVolume(factor);
}

void SoundBank::freeIntro() {
    if (intro.music != nullptr) {
        Mix_HaltMusic();
        freeMusic(MusicTrack::intro);
        music = MusicTrack::none;
    } else if (music == MusicTrack::intro) {
        music = MusicTrack::none;
    }
}

void SoundBank::stopAllSounds() {
    for (int channel = 0; channel < channels.count(); ++channel) channels.fadeOutAndForget(channel, 500);
    // The loops are fading away: a kind that reports again starts a fresh
    // loop rather than inheriting a channel that is about to fall silent.
    for (AmbientView& entry : ambientTable) entry.channel = entry.previousChannel = -1;
    if (channels.live()) Mix_FadeOutMusic(1000);
    music = MusicTrack::none;
}

void SoundBank::playLevelEnd(int ending, float factor) {
    const int n = channels.count();
    if (ending == 0) {
        channels.setAllVolumes(0);
    } else if (ending >= 1 && ending <= 3) {
        const int fade = ending == 2 ? 250 : 750;
        for (int channel = 0; channel < n; ++channel) channels.fadeOut(channel, fade);
    }
    volume = clampedFactor(factor);
    channels.setVolume(n - 1, fullVolume(volume));
    channels.setPanning(n - 1, 255, 255);
    const int sound = Sound::levelEndSound(ending);
    if (sound != Sound::none) channels.play(n - 1, chunk(sound), sound, false);
}

void SoundBank::playClick(int button) {
    const int sound = Sound::clickSound(button);
    if (channels.record(2) < 1 && sound != Sound::none) channels.play(2, chunk(sound), sound, false);
    channels.setVolume(2, fullVolume(volume));
    channels.setPanning(2, 255, 255);
}

void SoundBank::playMouseOver(int button) {
    if (button == 0) channels.fadeOut(1, 500);
    if (button != 0 && button != mouseOver) channels.halt(1);
    const int sound = Sound::mouseOverSound(button);
    if (channels.record(1) < 1 && sound != Sound::none) channels.play(1, chunk(sound), sound, true);
    mouseOver = button;
    channels.setVolume(1, static_cast<int>(127.0f * volume * 0.25f));
    channels.setPanning(1, 255, 255);
}

float SoundBank::countBusyChannels(float range) {
    busyChannels = channels.recordsInUse();
    return range;
}

int SoundBank::freeChannel(int last) const {
    last = std::min(last, channels.count() - 1);
    for (int channel = 0; channel <= last; ++channel) {
        if (!channels.busy(channel)) return channel;
    }
    return -1;
}

void SoundBank::playOnChannel(int channel, int sound, SoundLevel level) {
    channels.setVolume(channel, level.volume);
    channels.setPanning(channel, level.left, level.right);
    if (sound != Sound::none) channels.play(channel, chunk(sound), sound, false);
}

void SoundBank::playPositioned(int sound, float distance, float range, float x) {
    const int channel = freeChannel(channels.count() - 6);
    if (channel < 0) return;  // every event channel busy: this sound is dropped
    playOnChannel(channel, sound, distanceLaw(distance, range, x, volume, 1.0f, LevelClamp::event));
}

void SoundBank::playEvent(int code, float distance, float range, float x) {
    const int n = channels.count();
    // The Prima Ballerina's own sounds are four times as loud as others at a distance.
    const auto prima = [&](int sound) {
        playOnChannel(n - 2, sound, distanceLaw(distance, range, x, volume, 0.25f, LevelClamp::event));
    };
    const SoundLevel centred{fullVolume(volume), 255, 255};
    if (code >= 0 && code <= 4) playPositioned(Sound::projectileExplosion, distance, range, x);
    else if (code >= 5 && code <= 8) playPositioned(Sound::projectileStart, distance, range, x);
    else if (code == 27) playPositioned(Sound::obstacleCollision, distance, range, x);
    else if (code >= 11 && code <= 13) prima(Sound::primaCollision1 + (code - 11));
    else if (code == 21) prima(Sound::primaExplosion);
    else if (code == 91) prima(Sound::tryAvatarChange);
    else if (code == 14) prima(Sound::none);
    else if (code == 87) playOnChannel(n - 3, Sound::rightInput, centred);
    else if (code == 88) playOnChannel(n - 3, Sound::wrongInput, centred);
    else if (code == 92) playOnChannel(n - 3, Sound::rewindTime, centred);
    else if (code == 93) playOnChannel(n - 3, Sound::notFirstAvatarChange, centred);
    else if (code == 96) playOnChannel(n - 3, Sound::freezeTime, centred);
    else if (code == 97) playOnChannel(n - 3, Sound::firstAvatarChange, centred);
    else if (code >= 23 && code <= 26) playOnChannel(n - 1, Sound::playerGetPowerUp, centred);
    else if (code == 90) playOnChannel(n - 1, Sound::letter, centred);
    else if (code == 99) playOnChannel(n - 1, Sound::newHighScore, centred);
    else if (code == 22) playOnChannel(n - 1, Sound::none, centred);
    else if (code == 98 && channels.record(n - 1) == -1)
        playOnChannel(n - 1, Sound::avatarChangePossible, centred);
}

void SoundBank::reportAmbient(int kind, int slot, float distance, float range, float x) {
    (void)slot;  // every actor of a kind shares the kind's loop
    if (!Sound::isAmbientKind(kind)) return;
    AmbientView& entry = ambientTable[kind - firstAmbientKind];
    if (entry.reports >= maxReportsPerFrame) return;
    const int sound = Sound::ambientSound(kind);
    if (entry.channel == -1 && sound != Sound::none) {
        const ChannelView held = channels.view(entry.previousChannel);
        if (held.looping && held.sound == sound) {
            entry.channel = entry.previousChannel;
        } else {
            const int channel = freeChannel(channels.count() - 5);
            if (channel < 0) {  // no channel free: the report counts, silently
                ++entry.reports;
                return;
            }
            channels.play(channel, chunk(sound), sound, true);
            entry.channel = channel;
        }
    }
    const SoundLevel level = distanceLaw(distance, range, x, volume, 1.0f, LevelClamp::ambient);
    entry.volumeSum += level.volume;
    entry.rightSum += level.right;
    entry.leftSum += level.left;
    ++entry.reports;
}

void SoundBank::mixAmbient(float factor) {
    volume = clampedFactor(factor);
    setMusicVolume(volume);
    for (AmbientView& entry : ambientTable) {
        if (entry.channel == -1) continue;
        if (entry.reports == 0) {
            channels.halt(entry.channel);
            entry.channel = -1;
            continue;
        }
        const int meanVolume = entry.volumeSum / entry.reports;
        const int meanLeft = entry.leftSum / entry.reports;
        const int meanRight = entry.rightSum / entry.reports;
        if (meanVolume > 0 || meanLeft > 0 || meanRight > 0) {
            channels.setVolume(entry.channel, meanVolume);
            channels.setPanning(entry.channel, meanLeft, meanRight);
        }
    }
    for (int entry = 0; entry < ambientKinds; ++entry) {
        AmbientView& kind = ambientTable[entry];
        kind.volumeSum = kind.leftSum = kind.rightSum = kind.reports = 0;
        if (kind.previousChannel != -1 && kind.channel == -1) {
            // Stop the loop of a kind that reported nothing this frame, unless
            // its channel has since been taken for something else.
            const ChannelView held = channels.view(kind.previousChannel);
            if (held.looping && held.sound == Sound::ambientSound(entry + firstAmbientKind))
                channels.halt(kind.previousChannel);
        }
        kind.previousChannel = kind.channel;
    }
    channels.forgetFinished();
    for (AmbientView& entry : ambientTable) entry.channel = -1;
}

void SoundBank::setAlarmLoop(int level, float distance, float range, float x) {
    (void)distance, (void)range, (void)x;  // the alarm is heard everywhere alike
    const int channel = channels.count() - 4;
    // Bands 2-4, 5-7, 8-10 and 11+ have one sound each; 1 or fewer singing
    // muses means no alarm at all.
    const auto band = [](int value) { return value <= 1 ? -1 : value <= 4 ? 0 : value <= 7 ? 1 : value <= 10 ? 2 : 3; };
    const int wanted = band(level);
    if (wanted < 0) {
        channels.fadeOut(channel, 500);
    } else {
        // Only a new band starts its sound: within a band the loop is left
        // alone, also after a stop of all sounds has faded it out.
        const int sound = Sound::alarm1 + wanted;
        if (wanted != band(alarmLevel)) channels.play(channel, chunk(sound), sound, true);
    }
    channels.setVolume(channel, fullVolume(volume));
    channels.setPanning(channel, 255, 255);
    alarmLevel = level;
}
