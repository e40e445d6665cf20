#include "app/InputEvents.h"
#include "app/SystemKeys.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// a, b: a key's symbol and modifiers, a button, a motion's x and y, or an activation's state and gain.
SDL_Event event(Uint8 type, int a = 0, int b = 0) {
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.sym = SDLKey(a), e.key.keysym.mod = SDLMod(b);
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) e.button.button = Uint8(a);
    if (type == SDL_MOUSEMOTION) e.motion.x = Uint16(a), e.motion.y = Uint16(b);
    if (type == SDL_ACTIVEEVENT) e.active.state = Uint8(a), e.active.gain = Uint8(b);
    return e;
}
// The same key or button going the other way.
SDL_Event released(SDL_Event e) {
    e.type = e.type == SDL_KEYDOWN ? Uint8(SDL_KEYUP) : Uint8(SDL_MOUSEBUTTONUP);
    return e;
}

// Events go through applyEvent and the press latch, as the main loop applies them.
class InputEventsTest : public ::testing::Test {
protected:
    EventOutcome apply(const SDL_Event& e) {
        const EventOutcome outcome = applyEvent(e, input, focus);
        latch.apply(e, input);
        return outcome;
    }
    void frame() { latch.frameSeen(input); }
    // The held flags: letters, then E(nter), space, B(ackspace), X (escape), L(eft) and R(ight) buttons.
    std::string held() const {
        std::string names;
        for (char c = 'a'; c <= 'z'; ++c)
            if (input.letter(c)) names += c;
        const bool others[] = {input.enter,  input.space,      input.backspace,
                               input.escape, input.leftButton, input.rightButton};
        for (int i = 0; i < 6; ++i)
            if (others[i]) names += "E BXLR"[i];
        return names;
    }
    InputSnapshot input;
    WindowFocus focus;
    PressLatch latch;
};

TEST_F(InputEventsTest, EachKeyAndButtonHoldsItsFlagWhateverTheModifiersTheArrowsThoseOfWdsa) {
    std::vector<std::pair<SDL_Event, char>> presses = {
        {event(SDL_KEYDOWN, SDLK_UP), 'w'},        {event(SDL_KEYDOWN, SDLK_RIGHT), 'd'},
        {event(SDL_KEYDOWN, SDLK_DOWN), 's'},      {event(SDL_KEYDOWN, SDLK_LEFT), 'a'},
        {event(SDL_KEYDOWN, SDLK_RETURN), 'E'},    {event(SDL_KEYDOWN, SDLK_SPACE), ' '},
        {event(SDL_KEYDOWN, SDLK_BACKSPACE), 'B'}, {event(SDL_KEYDOWN, SDLK_ESCAPE), 'X'},
        {event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), 'L'}, {event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), 'R'}};
    for (int mod : {int(KMOD_NONE), KMOD_LSHIFT | KMOD_CAPS, KMOD_RCTRL | KMOD_LALT})
        for (char c = 'a'; c <= 'z'; ++c) presses.push_back({event(SDL_KEYDOWN, c, mod), c});
    // Other keys and the middle button hold nothing; a key going down is still reported.
    for (int other : {int(SDLK_F1), int(SDLK_0), int(SDLK_TAB), int(SDLK_LSHIFT), int(SDLK_KP_ENTER), int('A')})
        presses.push_back({event(SDL_KEYDOWN, other), 0});
    presses.push_back({event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), 0});
    for (std::size_t i = 0; i < presses.size(); ++i) {
        const auto& [press, name] = presses[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(apply(press).keyWentDown, press.type == SDL_KEYDOWN);
        frame();
        EXPECT_EQ(held(), name ? std::string(1, name) : "");
        EXPECT_FALSE(apply(released(press)).keyWentDown);
        EXPECT_EQ(held(), "");
    }
    // Held by both an arrow and its letter: releasing either clears the flag.
    apply(event(SDL_KEYDOWN, 'w'));
    apply(event(SDL_KEYDOWN, SDLK_UP));
    frame();
    apply(event(SDL_KEYUP, SDLK_UP));
    EXPECT_EQ(held(), "");
}

// The edges of the free area do not warp, one pixel beyond does, once per
// axis; the event's own position is kept even when it warps.
TEST_F(InputEventsTest, MotionOutsideTheFreeAreaWarpsOncePerAxis) {
    const int rows[][3] = {{512, 384, 0}, {100, 384, 0}, {924, 384, 0}, {99, 384, 1},  {925, 384, 1},
                           {512, 100, 0}, {512, 668, 0}, {512, 99, 1},  {512, 669, 1}, {100, 668, 0},
                           {0, 0, 2},     {99, 669, 2},  {1023, 767, 2}, {925, 99, 2}, {warpX, warpY, 0}};
    for (const auto& [x, y, warps] : rows) {
        EXPECT_EQ(apply(event(SDL_MOUSEMOTION, x, y)).warps, warps) << x << ", " << y;
        EXPECT_TRUE(input.mouseX == x && input.mouseY == y);
    }
}

// Losing the mouse is no loss (the keyboard still reaches the window);
// Alt-Tab or iconifying is, once, until the focus is back.
TEST_F(InputEventsTest, FocusLossIsReportedOnceWhenThePlayerGoesElsewhereAQuitAlways) {
    const int active = SDL_APPACTIVE, typing = SDL_APPINPUTFOCUS, both = SDL_APPACTIVE | SDL_APPINPUTFOCUS;
    const int rows[][3] = {{SDL_APPMOUSEFOCUS, 0, 0}, {typing, 0, 1}, {typing, 0, 0}, {active, 0, 0},
                           {both, 1, 0},              {active, 0, 1}, {both, 1, 0}};
    for (const auto& [state, gain, lost] : rows) EXPECT_EQ(apply(event(SDL_ACTIVEEVENT, state, gain)).focusLost, lost);
    EXPECT_FALSE(apply(event(SDL_KEYDOWN, SDLK_ESCAPE)).focusLost);
    EXPECT_FALSE(apply(event(SDL_KEYUP, SDLK_ESCAPE)).quitEvent);
    EXPECT_TRUE(apply(event(SDL_QUIT)).quitEvent);
}

// A press and its release between two frames is seen by the next frame and
// released for the one after; a release after a frame saw the press is at once.
TEST_F(InputEventsTest, AQuickPressIsSeenByOneFrame) {
    for (const SDL_Event& press : {event(SDL_KEYDOWN, SDLK_ESCAPE), event(SDL_KEYDOWN, SDLK_UP),
                                   event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)}) {
        apply(press);
        apply(released(press));
        EXPECT_EQ(held().size(), 1u);
        frame();
        EXPECT_EQ(held(), "");
    }
    // Pressed again before the frame: still held, and a tap of another key leaves it so.
    for (char c : {'a', 'a', 'b'}) {
        apply(event(SDL_KEYDOWN, c));
        apply(event(SDL_KEYUP, c));
    }
    apply(event(SDL_KEYDOWN, 'a'));
    frame();
    frame();
    EXPECT_EQ(held(), "a");
}

TEST(SystemKeys, HeldEscapeQuitsInEveryFrameF1TogglesOncePerPressPushedQuitsAreNoClose) {
    SystemKeys keys;
    std::array<std::uint8_t, SDLK_LAST> state{};
    EXPECT_FALSE(keys.poll(nullptr).pushQuit);  // nothing polled before the first key press
    state[SDLK_F2] = state[SDLK_q] = state[SDLK_RETURN] = 1;
    for (int frame = 0; frame < 5; ++frame) {
        state[SDLK_ESCAPE] = state[SDLK_F1] = frame >= 1 && frame != 3;
        const SystemKeys::Actions actions = keys.poll(state.data());
        EXPECT_EQ(actions.pushQuit, frame >= 1 && frame != 3) << frame;
        EXPECT_EQ(actions.toggleFullscreen, frame == 1 || frame == 4) << frame;
    }
    keys.notePushedQuit();
    keys.notePushedQuit();
    EXPECT_FALSE(keys.takeQuitEvent() || keys.takeQuitEvent());
    EXPECT_EQ(keys.pendingPushedQuits(), 0);
    EXPECT_TRUE(keys.takeQuitEvent()) << "nothing pushed: the window was closed";
}

}  // namespace
