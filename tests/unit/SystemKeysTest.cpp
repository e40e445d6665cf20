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

TEST_F(SystemKeysTest, NothingIsPolledBeforeTheFirstKeyPress) {
    const SystemKeys::Actions actions = systemKeys.poll(nullptr);
    EXPECT_FALSE(actions.pushQuit);
    EXPECT_FALSE(actions.toggleFullscreen);
}

TEST_F(SystemKeysTest, HeldEscapePushesAQuitInEveryFrame) {
    keys[SDLK_ESCAPE] = 1;
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_TRUE(systemKeys.poll(keys.data()).pushQuit);
    }
    keys[SDLK_ESCAPE] = 0;
    EXPECT_FALSE(systemKeys.poll(keys.data()).pushQuit);
}

TEST_F(SystemKeysTest, HeldF1TogglesFullscreenOncePerPress) {
    keys[SDLK_F1] = 1;
    EXPECT_TRUE(systemKeys.poll(keys.data()).toggleFullscreen);
    EXPECT_FALSE(systemKeys.poll(keys.data()).toggleFullscreen);
    EXPECT_FALSE(systemKeys.poll(keys.data()).toggleFullscreen);
    keys[SDLK_F1] = 0;
    EXPECT_FALSE(systemKeys.poll(keys.data()).toggleFullscreen);
    keys[SDLK_F1] = 1;
    EXPECT_TRUE(systemKeys.poll(keys.data()).toggleFullscreen);
}

TEST_F(SystemKeysTest, OtherKeysTriggerNothing) {
    keys[SDLK_F2] = 1;
    keys[SDLK_q] = 1;
    keys[SDLK_RETURN] = 1;
    const SystemKeys::Actions actions = systemKeys.poll(keys.data());
    EXPECT_FALSE(actions.pushQuit || actions.toggleFullscreen);
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
