#include "app/Log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const char* const banner = "VELVETARIUM V1.0c -- Log Init...\n\n";
const char* const closing = "\n-- Closing Log...\n";

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "velvetarium-log-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
        ASSERT_TRUE(logSetPath(path.c_str()));
    }
    void TearDown() override {
        std::remove(path.c_str());
        logSetPath("log.txt");
    }
    std::string contents() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::string path;
};

TEST_F(LogTest, RunWritesBannerMessagesAtOnceAndOneClosingLine) {
    {
        std::ofstream old(path);
        old << "a long log of an earlier run\nwith several lines\n";
    }
    EXPECT_EQ(logWrite("before %s\n", "init"), 0);  // no log open: dropped
    logInit();
    EXPECT_EQ(contents(), banner) << "init truncates the previous log";
    logWrite("Unable to load icon: %s\n", "Couldn't open whirligig.bmp");
    // A fatal start-up error leaves through exit(1) without logClose.
    EXPECT_EQ(contents(), std::string(banner) + "Unable to load icon: Couldn't open whirligig.bmp\n");
    logWrite("%d of %d\n", 3, 7);
    logClose();
    logClose();
    EXPECT_EQ(logWrite("after close\n"), 0);
    EXPECT_EQ(contents(), std::string(banner) + "Unable to load icon: Couldn't open whirligig.bmp\n" + "3 of 7\n" +
                              closing);
}

TEST(LogPathTest, RefusesUnusablePathsAndKeepsTheOldOne) {
    ASSERT_TRUE(logSetPath("first.txt"));
    EXPECT_FALSE(logSetPath(nullptr));
    EXPECT_FALSE(logSetPath(""));
    EXPECT_FALSE(logSetPath(std::string(5000, 'x').c_str()));
    EXPECT_STREQ(logPath(), "first.txt");
    ASSERT_TRUE(logSetPath("log.txt"));
    EXPECT_STREQ(logPath(), "log.txt");
}

TEST(LogDeathTest, UnopenableLogEndsTheProcessWithCodeOne) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    ASSERT_TRUE(logSetPath("/nonexistent-velvetarium-dir/log.txt"));
    EXPECT_EXIT(logInit(), ::testing::ExitedWithCode(1), "Can't init Logfile!");
    logSetPath("log.txt");
}

}  // namespace
