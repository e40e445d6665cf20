#include "app/SystemKeys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

class SystemKeysTest : public ::testing::Test {
protected:
    std::array<std::uint8_t, SDLK_LAST> keys{};
    SystemKeys systemKeys;
};

TEST_F(SystemKeysTest, HeldEscapeQuitsInEveryFrameHeldF1TogglesOncePerPress) {
    EXPECT_FALSE(systemKeys.poll(nullptr).pushQuit);  // nothing polled before the first key press
    keys[SDLK_F2] = keys[SDLK_q] = keys[SDLK_RETURN] = 1;  // other keys trigger nothing
    SystemKeys::Actions actions = systemKeys.poll(keys.data());
    EXPECT_FALSE(actions.pushQuit || actions.toggleFullscreen);

    keys[SDLK_ESCAPE] = keys[SDLK_F1] = 1;
    for (int frame = 0; frame < 3; ++frame) {
        actions = systemKeys.poll(keys.data());
        EXPECT_TRUE(actions.pushQuit) << frame;
        EXPECT_EQ(actions.toggleFullscreen, frame == 0) << frame;
    }
    keys[SDLK_ESCAPE] = keys[SDLK_F1] = 0;
    actions = systemKeys.poll(keys.data());
    EXPECT_FALSE(actions.pushQuit || actions.toggleFullscreen);
    keys[SDLK_F1] = 1;
    EXPECT_TRUE(systemKeys.poll(keys.data()).toggleFullscreen);
}

TEST_F(SystemKeysTest, PushedQuitEventsAreConsumedACloseRequestIsNot) {
    EXPECT_TRUE(systemKeys.takeQuitEvent());  // nothing pushed: the window was closed
    systemKeys.notePushedQuit();
    systemKeys.notePushedQuit();
    EXPECT_FALSE(systemKeys.takeQuitEvent());
    EXPECT_FALSE(systemKeys.takeQuitEvent());
    EXPECT_EQ(systemKeys.pendingPushedQuits(), 0);
    EXPECT_TRUE(systemKeys.takeQuitEvent());
}

}  // namespace
