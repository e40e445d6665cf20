#include "game/TextScreens.h"

#include <cmath>
#include <cstring>

#include "world/Levels.h"

namespace TextScreens {

namespace {

constexpr float degrees = 3.14159265f / 180.0f;

// Font sets: 0 regular, 1 large (the lower half of the font), 2 small.
constexpr int regular = 0;
constexpr int large = 1;
constexpr int small = 2;

struct PlacedText {
    float x;
    float y;
    const char* text;
};

constexpr PlacedText greeting[] = {
    {136, 134, "Welcome to the world"},   {138, 119, "of Velvetarium!"},
    {140, 104, "My name is Pogo. I'll"},  {140, 89, "be guiding you through"},
    {140, 74, "this game. Now please"},   {138, 59, "press a mouse key to"},
    {136, 44, "enter the game menu!"},
};

constexpr PlacedText progressLines[] = {
    {142, 379, "First I show you how to play Velvetarium."},
    {142, 379, "Finish all amateur dances to become a pro!"},
    {142, 379, "Finish all pro dances and become a star!"},
    {140, 379, "Only a star like you deserves a gold medal!"},
    {140, 379, "Win each medal to become the dancing queen!"},
};

constexpr const char* cities[9] = {"Paris", "Rio", "Tokyo", "Oslo", "Sydney", "Mexico", "Denver", "Delhi", "Kairo"};

void title(TextBatch& batch, float totalClock) {
    static constexpr char word[] = "VELVETARIUM";
    // Odd letters in the first row, even ones in the second, shifted by two
    // blanks: the rows interleave into the word and wobble against each other.
    char first[32] = {};
    char second[32] = {"  "};
    constexpr int length = sizeof word - 1;
    for (int i = 0; i < length; ++i) {
        char* row = i % 2 == 0 ? first : second;
        const char letter[2] = {word[i], 0};
        std::strcat(row, letter);
        // Each letter but the last of its row is followed by three blanks.
        if (i + 2 < length) std::strcat(row, "   ");
    }
    const float swing = std::sin(totalClock * 25.0f * degrees) * 10.0f;
    const float y1 = 340.0f + std::trunc(std::sin(totalClock * 1000.0f * degrees) * swing);
    const float y2 = 340.0f + std::trunc(std::cos(totalClock * 1000.0f * degrees) * swing);
    batch.add(280, y1, large, "%s", first);
    batch.add(280, y2, large, "%s", second);
}

void levelIntroduction(TextBatch& batch, const MenuTextInput& input) {
    const std::uint8_t selected = input.selectedLevel;
    if (selected >= 1 && selected <= 9) {
        batch.add(141, 350, regular, "Let's dance in %s:", cities[selected - 1]);
        const std::int32_t toMakeHappy = input.dancerCount - input.goalB;
        if (toMakeHappy < 2) {
            batch.add(145, 333, small, "Make %d Ballerina happy to", toMakeHappy);
        } else {
            batch.add(145, 333, small, "Make %d Ballerinas happy to", toMakeHappy);
        }
        batch.addColoured(142, 317, small, 2, 1, 1, 1, "finish this dancing-contest!");
        if (input.score < 1) {
            batch.add(270, 298, small, "Good luck!");
        } else {
            batch.add(270, 295, regular, "Points: %d", input.score);
        }
    } else if (selected == guidedDanceLevel) {
        batch.add(134, 351, regular, "It's blossom time now!");
        batch.add(136, 334, small, "With the blinking arrows you can choose be-");
        batch.addColoured(136, 318, small, 2, 1, 1, 1, "tween a dancing-lesson and the first dance.");
        batch.addColoured(307, 302, small, 2, 1, 1, 1, "Click 'Play' to start!");
    }
}

}  // namespace

void welcome(TextBatch& batch, float totalClock) {
    title(batch, totalClock);
    batch.addColoured(295, 315, regular, std::sin(totalClock * 50.0f * degrees), 1, 1, 1, "I REMEMBER YOUR NAME!");
    for (const PlacedText& line : greeting) batch.add(line.x, line.y, small, "%s", line.text);
    batch.add(65, 51, regular, "Mr.");
}

float medalValueX(float baseX, std::int32_t value) {
    if (value > 9) baseX -= 3.0f;
    if (value > 99) baseX -= 5.0f;
    return baseX;
}

void menu(TextBatch& batch, const MenuTextInput& input) {
    if (input.menuMessage < 5) {
        const PlacedText& line = progressLines[input.menuMessage];
        batch.add(line.x, line.y, small, "%s", line.text);
    }
    if (input.records != nullptr && input.level < static_cast<std::uint32_t>(recordCount)) {
        const LevelRecord& record = input.records[input.level];
        if (record.ownDifficulty == input.difficulty) batch.add(225, 255, small, "o.k.");
        const std::int32_t values[3] = {record.gold, record.silver, record.bronze};
        const float baseX[3] = {459, 416, 373};
        // The player's own score blinks where it holds a place.
        const float blink = std::sin(input.totalClock * 500.0f * degrees);
        for (int place = 0; place < 3; ++place) {
            const float alpha = values[place] == record.own ? blink : 1.0f;
            batch.addColoured(medalValueX(baseX[place], values[place]), 269, small, alpha, 1, 1, 1, "%d",
                              values[place]);
        }
    }
    levelIntroduction(batch, input);
}

float transitionAlpha(float t, float fade, float end) {
    float alpha = 1.0f;
    if (t < fade) alpha = t / fade;
    if (t > end - fade) alpha = (end - t) / fade;
    return alpha;
}

void transition(TextBatch& batch, bool failed, float clock, float fade, float end, std::uint32_t transitionLevel,
                std::uint8_t resultRank, std::uint8_t resultMedal) {
    const float alpha = transitionAlpha(clock, fade, end);
    const std::uint32_t dance = transitionLevel == guidedDanceLevel ? 0 : transitionLevel;
    if (failed) {
        batch.addColoured(270, 225, large, alpha, 1, 1, 1, "T r y  A g a i n !");
        return;
    }
    if (dance == 0) {
        batch.addColoured(280, 245, regular, alpha, 1, 1, 1, "Click the right mouse button to");
        batch.addColoured(280, 215, regular, alpha, 1, 1, 1, "freeze time! Now let's dance!");
        return;
    }
    const int d = static_cast<int>(dance);
    switch (resultRank) {
    case 1:
        batch.addColoured(360, 280, regular, alpha, 1, 1, 1, "You finished dance");
        batch.addColoured(360, 260, regular, alpha, 1, 1, 1, "%d as an amateur!", d);
        break;
    case 2:
        batch.addColoured(360, 280, regular, alpha, 1, 1, 1, "You finished dance %d", d);
        batch.addColoured(360, 260, regular, alpha, 1, 1, 1, "as a professional!");
        break;
    case 3:
        batch.addColoured(360, 280, regular, alpha, 1, 1, 1, "You finished dance");
        batch.addColoured(360, 260, regular, alpha, 1, 1, 1, "%d as a star!", d);
        break;
    default: break;
    }
    switch (resultMedal) {
    case 1:
        batch.addColoured(360, 200, regular, alpha, 1, 1, 1, "Great! You deserved");
        batch.addColoured(360, 180, regular, alpha, 1, 1, 1, "this gold medal!");
        break;
    case 2:
        batch.addColoured(360, 200, regular, alpha, 1, 1, 1, "And you received a");
        batch.addColoured(360, 180, regular, alpha, 1, 1, 1, "silver medal! Wow!");
        break;
    case 3:
        batch.addColoured(360, 200, regular, alpha, 1, 1, 1, "And you received a");
        batch.addColoured(360, 180, regular, alpha, 1, 1, 1, "bronze medal!");
        break;
    default: break;
    }
}

void nameEntry(TextBatch& batch, std::uint8_t typedCount, float limit, float elapsed) {
    if (typedCount == 0) {
        batch.add(229, 246, regular, "Click the letters");
        batch.add(210, 226, regular, "in the correct order!");
    }
    batch.add(307, 170, regular, "%d", static_cast<int>(std::trunc(limit - elapsed)));
}

}  // namespace TextScreens
