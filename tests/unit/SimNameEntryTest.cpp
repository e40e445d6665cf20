#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "sim/SimNameEntry.h"
#include "sim/SimRunner.h"
#include "sim/SimSight.h"
#include "sim/SimSpeller.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

int firstBallerina(const World& w) {
    for (int i = 0; i < w.poolSize; ++i)
        if (w.obstacles[i]->kind == Kind::ballerina) return i;
    return -1;
}

// The World as a click on her leaves it: her name's entry has begun.
void openEntry(World& w, int slot) {
    w.chosenObstacle = static_cast<std::uint8_t>(slot);
    w.hasChosen = true;
    w.nameEntry = true;
    w.nameEntryElapsed = 0.0f;
    w.shuffleLetters();
}

// A player who spells with the speller: its sideways moves and clicks.
struct Spelling {
    SimSight sight;
    SimSpeller speller;
    std::int32_t mouseX = 512;
    std::vector<std::int32_t> cursorSteps;  // frames in which the cursor stood on a new letter
    std::vector<std::int32_t> clickFrames;
    std::int32_t lastCursor = 0;
    std::int32_t mostWrong = 0;

    static SimInput step(const World& w, std::int32_t frameIndex, void* context) {
        auto& s = *static_cast<Spelling*>(context);
        s.sight.look(w);
        if (w.letterCursor != s.lastCursor) s.cursorSteps.push_back(frameIndex);
        s.lastCursor = w.letterCursor;
        s.mostWrong = std::max(s.mostWrong, w.wrongClicks);
        SimInput input;
        if (w.nameEntry) {
            const SimSpeller::Move move = s.speller.frame(s.sight, frame);
            s.mouseX += move.dx;
            input.leftButton = move.click;
            if (move.click) s.clickFrames.push_back(frameIndex);
        }
        input.mouseX = s.mouseX;
        return input;
    }
};

}  // namespace

TEST(SimNameEntry, TheMouseStepsTheLetterCursorAsTheGameDoes) {
    SimRunner runner;
    ASSERT_TRUE(runner.start(SimOptions{34, 1, 3}));
    World& w = runner.world();
    const int slot = firstBallerina(w);
    ASSERT_GE(slot, 0);
    openEntry(w, slot);
    ASSERT_GE(w.letterCount, 3);

    SimNameEntry entry;
    entry.reset(500);
    std::int32_t x = 500;
    auto move = [&](std::int32_t dx) {
        x += dx;
        entry.moveCursor(w, x, frame);
        return w.letterCursor;
    };
    auto afterRest = [&](std::int32_t dx) {  // past the guard
        for (int i = 0; i < 13; ++i) move(0);
        return move(dx);
    };
    EXPECT_EQ(move(2), 0);  // the guard's 0.2 s have not passed since the start
    for (int i = 0; i < 12; ++i) move(0);
    EXPECT_EQ(move(1), 0);  // one pixel is no move
    EXPECT_EQ(move(2), 1);
    EXPECT_EQ(move(2), 1);  // at most one step per 0.2 s
    for (int i = 0; i < 9; ++i) EXPECT_EQ(move(0), 1);
    EXPECT_EQ(move(2), 1);  // 11 frames after the step
    move(0);
    EXPECT_EQ(move(2), 2);  // 13 frames after it
    EXPECT_EQ(afterRest(-5), 1);
    // Clamped to the letters shown.
    for (int k = 0; k < 3; ++k) afterRest(-3);
    EXPECT_EQ(w.letterCursor, 0);
    for (int k = 0; k < w.letterCount + 2; ++k) afterRest(3);
    EXPECT_EQ(w.letterCursor, w.letterCount - 1);

    // Without an entry the mouse leaves the cursor alone.
    w.nameEntry = false;
    w.letterCursor = 0;
    EXPECT_EQ(afterRest(4), 0);
}

TEST(SimNameEntry, ASpelledNameChangesThePrimaBallerinaWithinTheGuards) {
    for (std::int64_t seed : {1, 2, 5}) {
        SCOPED_TRACE(seed);
        SimRunner runner;
        ASSERT_TRUE(runner.start(SimOptions{34, 1, seed}));
        World& w = runner.world();
        const int slot = firstBallerina(w);
        ASSERT_GE(slot, 0);
        const std::string herName = w.obstacles[slot]->name;
        ASSERT_FALSE(herName.empty());
        openEntry(w, slot);

        Spelling spelling;
        spelling.speller.begin(herName.c_str());
        runner.setBot(Spelling::step, &spelling);
        while (runner.switches() == 0 && runner.framesRun() < 9 * 60 && (w.nameEntry || runner.framesRun() == 0))
            runner.step();

        EXPECT_EQ(runner.switches(), 1);
        EXPECT_EQ(std::string(w.prima().name), herName);
        EXPECT_EQ(spelling.speller.typed(), static_cast<std::int32_t>(herName.size()));
        EXPECT_EQ(spelling.mostWrong, 0);
        EXPECT_EQ(spelling.clickFrames.size(), herName.size());
        for (std::size_t i = 1; i < spelling.clickFrames.size(); ++i)
            EXPECT_GT(spelling.clickFrames[i] - spelling.clickFrames[i - 1], 12);
        for (std::size_t i = 1; i < spelling.cursorSteps.size(); ++i)
            EXPECT_GT(spelling.cursorSteps[i] - spelling.cursorSteps[i - 1], 12);
        // The name reached the World only after the last letter's fly-in.
        ASSERT_FALSE(spelling.clickFrames.empty());
        EXPECT_GE(runner.framesRun() - spelling.clickFrames.back(), 24);
    }
}

TEST(SimNameEntry, TheSpellerClicksNothingItCannotFind) {
    SimSight sight;
    std::strcpy(sight.shuffled, "Abc");
    sight.letterCount = 3;
    sight.nameEntry = true;
    SimSpeller speller;
    speller.begin("Abd");
    int clicks = 0;
    for (int i = 0; i < 120; ++i) {
        const SimSpeller::Move m = speller.frame(sight, frame);
        clicks += m.click;
        // The row's letters are heard as typed after each click.
        sight.letterSound = m.click;
        if (m.dx > 0) ++sight.cursor;
        if (m.dx < 0) --sight.cursor;
    }
    EXPECT_EQ(clicks, 2);  // A and b; there is no d
    EXPECT_EQ(speller.typed(), 2);
    EXPECT_FALSE(speller.finished());
}
