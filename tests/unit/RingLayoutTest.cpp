#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "render/RingLayout.h"

TEST(RingLayout, LabelsFillTheirSlotsAndDrawOnlyTheCharactersTheirGlyphsHave) {
    char buffer[RingLayout::slots + 1] = {};
    const std::string longText(70, 'x');
    // Longer numbers begin further left, so that the word stays in place; the rest of the ring is fill.
    for (const auto& [points, start] : {std::pair{7, 230.0f}, {0, 230.0f}, {10, 220.0f}, {-1234, 200.0f}}) {
        EXPECT_FLOAT_EQ(RingArcs::pointsStart(points, buffer), start) << points;
        const std::string text = std::to_string(points) + " points";
        EXPECT_EQ(std::string(buffer), text + std::string(RingLayout::slots - text.size(), '`'));
    }
    EXPECT_EQ(fillLabelText(longText.c_str(), '\0', buffer), 54);
    EXPECT_EQ(std::strlen(buffer), 54u);

    const struct {
        const char* text;
        GlyphMapping mapping;
        std::vector<unsigned> pictures;
    } labels[] = {
        {"1234 points", GlyphMapping::digitsAndSmall, {655, 656, 657, 658, 642, 641, 635, 640, 646, 645}},
        {"bo-b\xc8", GlyphMapping::name, {602, 641, 628}},  // a capital first, then small letters
        {"rB.b e", GlyphMapping::hint, {618, 602, 628, 631}},  // capitals keep theirs
        {"I!", GlyphMapping::description, {635}},  // every letter small
        {"z7", GlyphMapping::small, {652}},
        {longText.c_str(), GlyphMapping::small, std::vector<unsigned>(54, 650)},
        {"", GlyphMapping::name, {}},
        {nullptr, GlyphMapping::name, {}},
    };
    RingLayout layout;
    for (const auto& label : labels) {
        fillLabelText(label.text, '`', buffer);
        layoutRing(buffer, 200.0f, 10.0f, false, label.mapping, layout);
        std::vector<unsigned> pictures;
        for (int i = 0; i < layout.count; ++i) {
            pictures.push_back(layout.glyphs[i].picture);
            // Skipped characters keep their slots on the arc.
            EXPECT_FLOAT_EQ(layout.glyphs[i].angle, 200.0f + 10.0f * (layout.glyphs[i].slot + 1));
        }
        EXPECT_EQ(pictures, label.pictures) << (label.text ? label.text : "null");
    }
}

TEST(BadgeText, ShortTextsGoAroundMoreOften) {
    const int repeats[][2] = {{46, 1}, {25, 1}, {24, 2}, {15, 2}, {14, 3}, {10, 3}, {9, 4}, {1, 4}};
    for (const auto& r : repeats) EXPECT_EQ(descriptionRepeats(r[0]), r[1]) << r[0];
}
