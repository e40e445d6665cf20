#include "app/InputEvents.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SDL_Event blankEvent(Uint8 type) {
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

SDL_Event keyEvent(Uint8 type, int symbol, int modifiers = KMOD_NONE) {
    SDL_Event event = blankEvent(type);
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(symbol);
    event.key.keysym.mod = static_cast<SDLMod>(modifiers);
    return event;
}

SDL_Event motionEvent(int x, int y) {
    SDL_Event event = blankEvent(SDL_MOUSEMOTION);
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event buttonEvent(Uint8 type, int button) {
    SDL_Event event = blankEvent(type);
    event.button.type = type;
    event.button.button = static_cast<Uint8>(button);
    return event;
}

SDL_Event activeEvent(int state, bool gain) {
    SDL_Event event = blankEvent(SDL_ACTIVEEVENT);
    event.active.type = SDL_ACTIVEEVENT;
    event.active.state = static_cast<Uint8>(state);
    event.active.gain = gain ? 1 : 0;
    return event;
}

class InputEventsTest : public ::testing::Test {
protected:
    EventOutcome apply(const SDL_Event& event) { return applyEvent(event, input, focus); }
    int lettersHeld() const {
        int held = 0;
        for (bool letter : input.letters) {
            held += letter ? 1 : 0;
        }
        return held;
    }
    InputSnapshot input;
    WindowFocus focus;
};

TEST_F(InputEventsTest, ArrowsAndTheirLettersShareOneFlag) {
    const struct {
        int arrow;
        char letter;
    } pairs[] = {{SDLK_UP, 'w'}, {SDLK_RIGHT, 'd'}, {SDLK_DOWN, 's'}, {SDLK_LEFT, 'a'}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.letter);
        apply(keyEvent(SDL_KEYDOWN, pair.arrow));
        EXPECT_TRUE(input.letter(pair.letter));
        EXPECT_EQ(lettersHeld(), 1);
        // Held by both; releasing either one clears the shared flag.
        apply(keyEvent(SDL_KEYDOWN, pair.letter));
        apply(keyEvent(SDL_KEYUP, pair.letter));
        EXPECT_FALSE(input.letter(pair.letter));
        apply(keyEvent(SDL_KEYDOWN, pair.letter));
        apply(keyEvent(SDL_KEYUP, pair.arrow));
        EXPECT_FALSE(input.letter(pair.letter));
        EXPECT_EQ(lettersHeld(), 0);
    }
}

TEST_F(InputEventsTest, EveryLetterHasItsOwnFlagWhateverTheModifiers) {
    const int modifiers[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_RCTRL, KMOD_CAPS | KMOD_LALT};
    for (int mod : modifiers) {
        for (int symbol = 'a'; symbol <= 'z'; ++symbol) {
            apply(keyEvent(SDL_KEYDOWN, symbol, mod));
            ASSERT_TRUE(input.letters[symbol - 'a']) << static_cast<char>(symbol) << " mod " << mod;
            ASSERT_EQ(lettersHeld(), 1);
            apply(keyEvent(SDL_KEYUP, symbol, mod));
            ASSERT_EQ(lettersHeld(), 0);
        }
    }
}

TEST_F(InputEventsTest, EnterSpaceBackspaceAndEscapeAreHeldFlags) {
    apply(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    apply(keyEvent(SDL_KEYDOWN, SDLK_SPACE));
    apply(keyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
    apply(keyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    EXPECT_TRUE(input.enter && input.space && input.backspace && input.escape);
    apply(keyEvent(SDL_KEYUP, SDLK_SPACE));
    apply(keyEvent(SDL_KEYUP, SDLK_ESCAPE));
    EXPECT_TRUE(input.enter && input.backspace);
    EXPECT_FALSE(input.space || input.escape);
    EXPECT_EQ(lettersHeld(), 0);
}

TEST_F(InputEventsTest, OtherKeysChangeNothingButStillReportAKeyPress) {
    const int ignored[] = {SDLK_F1, SDLK_0, SDLK_9, SDLK_TAB, SDLK_LSHIFT, SDLK_KP_ENTER, SDLK_DELETE, 'A'};
    for (int symbol : ignored) {
        EXPECT_EQ(keyFlag(input, symbol), nullptr) << symbol;
        const EventOutcome outcome = apply(keyEvent(SDL_KEYDOWN, symbol));
        EXPECT_TRUE(outcome.keyWentDown);
    }
    EXPECT_EQ(lettersHeld(), 0);
    EXPECT_FALSE(input.enter || input.space || input.backspace || input.escape);
    EXPECT_FALSE(apply(keyEvent(SDL_KEYUP, 'q')).keyWentDown);

    // A quit is reported and changes no flag.
    apply(keyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    EXPECT_TRUE(apply(blankEvent(SDL_QUIT)).quitEvent);
    EXPECT_TRUE(input.escape);
    EXPECT_FALSE(apply(keyEvent(SDL_KEYUP, SDLK_ESCAPE)).quitEvent);
}

TEST_F(InputEventsTest, LeftAndRightButtonsAreHeldTheMiddleIsIgnored) {
    apply(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(input.leftButton);
    EXPECT_FALSE(input.rightButton);
    apply(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
    apply(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    EXPECT_TRUE(input.rightButton);
    apply(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    apply(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE));
    EXPECT_FALSE(input.leftButton);
    EXPECT_TRUE(input.rightButton);
    apply(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    EXPECT_FALSE(input.rightButton);
}

// The edges of the free area do not warp, one pixel beyond does, once per axis.
TEST(WarpRuleTest, EachAxisOutsideTheFreeAreaWarpsOnce) {
    const int cases[][3] = {{512, 384, 0}, {100, 384, 0}, {924, 384, 0}, {99, 384, 1},  {925, 384, 1},
                            {512, 100, 0}, {512, 668, 0}, {512, 99, 1},  {512, 669, 1}, {100, 668, 0},
                            {0, 0, 2},     {99, 669, 2},  {1023, 767, 2}, {925, 99, 2}};
    for (const auto& c : cases) EXPECT_EQ(warpCount(c[0], c[1]), c[2]) << c[0] << ", " << c[1];
}

TEST_F(InputEventsTest, MotionKeepsTheEventsPositionEvenWhenItWarps) {
    EventOutcome outcome = apply(motionEvent(300, 400));
    EXPECT_EQ(outcome.warps, 0);
    EXPECT_EQ(input.mouseX, 300);
    EXPECT_EQ(input.mouseY, 400);
    outcome = apply(motionEvent(10, 700));
    EXPECT_EQ(outcome.warps, 2);
    EXPECT_EQ(input.mouseX, 10);
    EXPECT_EQ(input.mouseY, 700);
    outcome = apply(motionEvent(warpX, warpY));
    EXPECT_EQ(outcome.warps, 0);
}

TEST_F(InputEventsTest, FocusLossIsReportedOnceWhenThePlayerGoesElsewhere) {
    // The mouse leaving the window is no loss: the keyboard still reaches it.
    EXPECT_FALSE(apply(activeEvent(SDL_APPMOUSEFOCUS, false)).focusLost);
    // Alt-Tab: the input focus goes.
    EXPECT_TRUE(apply(activeEvent(SDL_APPINPUTFOCUS, false)).focusLost);
    // Further losses while away report nothing new.
    EXPECT_FALSE(apply(activeEvent(SDL_APPINPUTFOCUS, false)).focusLost);
    EXPECT_FALSE(apply(activeEvent(SDL_APPACTIVE, false)).focusLost);
    // Coming back is no loss; iconifying afterwards is.
    EXPECT_FALSE(apply(activeEvent(SDL_APPACTIVE | SDL_APPINPUTFOCUS, true)).focusLost);
    EXPECT_TRUE(apply(activeEvent(SDL_APPACTIVE, false)).focusLost);
    // Other events never report it.
    EXPECT_FALSE(apply(activeEvent(SDL_APPACTIVE | SDL_APPINPUTFOCUS, true)).focusLost);
    EXPECT_FALSE(apply(keyEvent(SDL_KEYDOWN, SDLK_ESCAPE)).focusLost);
}

// Events between two frames, as the main loop applies them, then the frame.
class PressLatchTest : public InputEventsTest {
protected:
    void event(const SDL_Event& e) {
        apply(e);
        latch.apply(e, input);
    }
    void frame() { latch.frameSeen(input); }
    PressLatch latch;
};

TEST_F(PressLatchTest, APressReleasedBeforeAnyFrameIsSeenByOneFrame) {
    const SDL_Event presses[][2] = {
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT)},
        {keyEvent(SDL_KEYDOWN, 'k'), keyEvent(SDL_KEYUP, 'k')},
        {keyEvent(SDL_KEYDOWN, SDLK_UP), keyEvent(SDL_KEYUP, SDLK_UP)},
        {keyEvent(SDL_KEYDOWN, SDLK_ESCAPE), keyEvent(SDL_KEYUP, SDLK_ESCAPE)},
    };
    const auto held = [this](int row) {
        switch (row) {
        case 0: return input.leftButton;
        case 1: return input.rightButton;
        case 2: return input.letter('k');
        case 3: return input.letter('w');
        default: return input.escape;
        }
    };
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        event(presses[row][0]);
        event(presses[row][1]);
        EXPECT_TRUE(held(row)) << "the frame after a quick press sees it";
        frame();
        EXPECT_FALSE(held(row)) << "and the one after sees it released";
        frame();
        EXPECT_FALSE(held(row));
    }
}

TEST_F(PressLatchTest, AReleaseAfterAFrameSawThePressIsAtOnce) {
    event(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    frame();
    EXPECT_TRUE(input.leftButton);
    event(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(input.leftButton);
    frame();
    EXPECT_FALSE(input.leftButton);
}

TEST_F(PressLatchTest, PressedAgainBeforeTheFrameStaysHeld) {
    event(keyEvent(SDL_KEYDOWN, 'a'));
    event(keyEvent(SDL_KEYUP, 'a'));
    event(keyEvent(SDL_KEYDOWN, 'a'));
    frame();
    EXPECT_TRUE(input.letter('a'));
    frame();
    EXPECT_TRUE(input.letter('a')) << "still held down";
    // A quick tap of another flag leaves this one as it is.
    event(keyEvent(SDL_KEYDOWN, 'b'));
    event(keyEvent(SDL_KEYUP, 'b'));
    frame();
    EXPECT_TRUE(input.letter('a'));
    EXPECT_FALSE(input.letter('b'));
}

}  // namespace
