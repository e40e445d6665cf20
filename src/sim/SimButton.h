#pragma once

// The left mouse button as a bot's finger works it. The cat reads a press
// that starts 0.1 to 0.5 s after a release, and a release after a hold
// shorter than 0.4 s, as a click; a click on a ballerina can start the entry
// of her name. So the finger keeps holds and clicks apart: a hold is never
// let go before 0.45 s, and a new press waits until the button has been up
// for 0.55 s. A tap (the letter clicks of a name entry) presses for one frame
// at once.
class SimButton {
public:
    enum Wish { rest, hold, click, tap };

    static constexpr float shortestHold = 0.45f;
    static constexpr float restBeforePress = 0.55f;
    static constexpr float clickPress = 0.1f;

    // Whether the button is down in this frame, given what the bot wants.
    bool frame(Wish wish, float seconds);

    bool down() const { return isDown; }
    float downTime() const { return heldFor; }
    float upTime() const { return restedFor; }
    // A press may start now without being read as a click.
    bool ready() const { return !isDown && restedFor >= restBeforePress; }
    // Frames of this finger whose release the cat reads as a click.
    int clicks() const { return clickCount; }

private:
    void press(Wish why);
    void release();

    bool isDown = false;
    Wish action = rest;
    float heldFor = 0.0f;
    float restedFor = 10.0f;
    int clickCount = 0;
};
