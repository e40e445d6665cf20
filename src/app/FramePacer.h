#pragma once

#include <cstdint>

// Caps the frame rate when the driver does not wait for the vertical
// retrace, so that a game standing in its menu does not spin a processor.
// Frames are scheduled on a fixed grid of start times; a frame that comes
// late moves the grid instead of letting a burst of frames catch up.
class FramePacer {
public:
    explicit FramePacer(float maxFramesPerSecond = 120.0f);

    void setEnabled(bool on) { enabled = on; }
    bool isEnabled() const { return enabled; }

    // Milliseconds to sleep before a frame may start at nowMs; 0 when it may
    // start now or when pacing is off.
    std::uint32_t waitBefore(std::uint32_t nowMs) const;

    // Call when a frame starts at nowMs.
    void frameStarted(std::uint32_t nowMs);

private:
    double periodMs;
    double nextStartMs = 0.0;
    bool started = false;
    bool enabled = false;
};
