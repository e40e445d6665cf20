#pragma once

#include <cstdint>

#include "game/TextBatch.h"
#include "world/LevelRecord.h"

// What the menu's texts read.
struct MenuTextInput {
    float totalClock = 0.0f;
    std::uint8_t menuMessage = 0;
    std::uint32_t level = 1;          // the level the medal table and "o.k." belong to
    std::uint8_t selectedLevel = 1;   // the level introduced
    std::int32_t dancerCount = 0;
    std::int32_t goalB = 0;
    std::int32_t score = 0;
    std::uint8_t difficulty = 1;
    const LevelRecord* records = nullptr;  // 60 records
};

// What the information texts of a running dance read.
struct DanceTextInput {
    std::uint8_t level = 1;  // the World's level
    std::uint8_t difficulty = 1;
    std::int32_t leftCount = 0;
    std::int32_t dancerCount = 0;
    std::int32_t goalB = 0;
    std::uint8_t tutorialPage = 0;
    bool waitForClick = false;
};

// The game's words: every text written over the stage, where it goes, in
// which character set and colour. Each function appends the lines of one
// screen to a batch; drawing them is the screen renderer's job.
namespace TextScreens {

constexpr int recordCount = 60;

// The animated title, "I REMEMBER YOUR NAME!" and the guide's greeting.
void welcome(TextBatch& batch, float totalClock);
// Progress line, "o.k.", the medal table and the level introduction.
void menu(TextBatch& batch, const MenuTextInput& input);
// x of a medal-table value: base x, 3 less above 9 and 5 less again above 99.
float medalValueX(float baseX, std::int32_t value);

// Alpha of a transition text at clock t with fade time f ending at e.
float transitionAlpha(float t, float fade, float end);
// The result of a dance or the failure text.
void transition(TextBatch& batch, bool failed, float clock, float fade, float end, std::uint32_t transitionLevel,
                std::uint8_t resultRank, std::uint8_t resultMedal);

// "Ballerinas Happy", the guided dance's pages and the dances' hints.
void dance(TextBatch& batch, const DanceTextInput& input);

// The prompt of an empty name entry and the seconds left.
void nameEntry(TextBatch& batch, std::uint8_t typedCount, float limit, float elapsed);

}  // namespace TextScreens
