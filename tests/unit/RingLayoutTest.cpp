#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "render/RingLayout.h"

namespace {

std::vector<unsigned> picturesOf(const RingLayout& layout) {
    std::vector<unsigned> pictures;
    for (int i = 0; i < layout.count; ++i) pictures.push_back(layout.glyphs[i].picture);
    return pictures;
}

}  // namespace

TEST(RingLayout, PointsStartFurtherLeftForLongerNumbers) {
    char buffer[RingLayout::slots + 1];
    EXPECT_FLOAT_EQ(RingArcs::pointsStart(7, buffer), 230.0f);
    EXPECT_EQ(std::string(buffer, 8), "7 points");
    EXPECT_EQ(buffer[8], '`');
    EXPECT_EQ(buffer[53], '`');
    EXPECT_FLOAT_EQ(RingArcs::pointsStart(1234, buffer), 200.0f);
    EXPECT_FLOAT_EQ(RingArcs::pointsStart(10, buffer), 220.0f);
    EXPECT_FLOAT_EQ(RingArcs::pointsStart(0, buffer), 230.0f);

    RingArcs::pointsStart(1234, buffer);
    RingLayout layout;
    layoutRing(buffer, 200.0f, RingArcs::pointsStep, false, GlyphMapping::digitsAndSmall, layout);
    // "1234 points": four digits, the space skipped, six letters; the fill draws nothing.
    EXPECT_EQ(picturesOf(layout),
              (std::vector<unsigned>{655, 656, 657, 658, 642, 641, 635, 640, 646, 645}));
    EXPECT_FLOAT_EQ(layout.glyphs[0].angle, 210.0f);
    EXPECT_FLOAT_EQ(layout.glyphs[4].angle, 260.0f) << "the space keeps its slot on the arc";
}

TEST(RingLayout, NameRingDrawsACapitalThenSmallLettersCentredOnTheTop) {
    char buffer[RingLayout::slots + 1];
    const int length = fillLabelText("Anna", '\0', buffer);
    EXPECT_EQ(length, 4);
    RingLayout layout;
    layoutRing(buffer, RingArcs::nameStart(length), RingArcs::nameStep, true, GlyphMapping::name, layout);
    EXPECT_EQ(picturesOf(layout), (std::vector<unsigned>{601, 640, 640, 627}));
    float sum = 0.0f;
    for (int i = 0; i < layout.count; ++i) sum += layout.glyphs[i].angle;
    EXPECT_NEAR(sum / 4.0f, 94.0f, RingArcs::nameStep * 0.5f + 1e-4f);
    EXPECT_GT(layout.glyphs[0].angle, layout.glyphs[3].angle) << "the name runs down over the top";

    // A name typed in small letters still begins with a capital; other characters are skipped.
    fillLabelText("bo-b", '\0', buffer);
    layoutRing(buffer, 0.0f, 1.0f, true, GlyphMapping::name, layout);
    EXPECT_EQ(picturesOf(layout), (std::vector<unsigned>{602, 641, 628}));

    fillLabelText("", '\0', buffer);
    layoutRing(buffer, 0.0f, 1.0f, true, GlyphMapping::name, layout);
    EXPECT_EQ(layout.count, 0);
    fillLabelText(nullptr, '\0', buffer);
    layoutRing(buffer, 0.0f, 1.0f, true, GlyphMapping::name, layout);
    EXPECT_EQ(layout.count, 0);
}

TEST(RingLayout, LongTextsAreCutAtFiftyFourSlots) {
    const std::string longName(70, 'x');
    char buffer[RingLayout::slots + 1];
    EXPECT_EQ(fillLabelText(longName.c_str(), '\0', buffer), 54);
    EXPECT_EQ(std::strlen(buffer), 54u);
    RingLayout layout;
    layoutRing(buffer, 0.0f, 1.0f, false, GlyphMapping::name, layout);
    EXPECT_EQ(layout.count, 54);
    EXPECT_FLOAT_EQ(layout.glyphs[53].angle, 54.0f);
}

TEST(RingLayout, ATalentWordRunsFromItsStartAndUnknownTalentsHaveNone) {
    EXPECT_STREQ(RingArcs::talentWord(3), "");
    char buffer[RingLayout::slots + 1];
    fillLabelText(RingArcs::talentWord(1), '`', buffer);
    RingLayout layout;
    layoutRing(buffer, 218.0f, RingArcs::talentStep, false, GlyphMapping::small, layout);
    EXPECT_EQ(layout.count, 7);
    EXPECT_FLOAT_EQ(layout.glyphs[0].angle, 223.0f);
}

TEST(GlyphMapping, EachLabelAcceptsItsOwnCharacters) {
    EXPECT_EQ(glyphPicture('0', 3, GlyphMapping::digitsAndSmall), 654u);
    EXPECT_EQ(glyphPicture('9', 3, GlyphMapping::digitsAndSmall), 663u);
    EXPECT_EQ(glyphPicture('`', 3, GlyphMapping::digitsAndSmall), 0u);
    EXPECT_EQ(glyphPicture('P', 3, GlyphMapping::digitsAndSmall), 0u);
    EXPECT_EQ(glyphPicture('7', 3, GlyphMapping::small), 0u);
    EXPECT_EQ(glyphPicture('z', 3, GlyphMapping::small), 652u);
    // The hint: first a capital, capitals keep theirs, the rest small, only letters.
    EXPECT_EQ(glyphPicture('r', 0, GlyphMapping::hint), 618u);
    EXPECT_EQ(glyphPicture('B', 5, GlyphMapping::hint), 602u);
    EXPECT_EQ(glyphPicture('b', 5, GlyphMapping::hint), 628u);
    EXPECT_EQ(glyphPicture('.', 5, GlyphMapping::hint), 0u);
    EXPECT_EQ(glyphPicture(' ', 5, GlyphMapping::hint), 0u);
    // Descriptions: every letter small.
    EXPECT_EQ(glyphPicture('I', 0, GlyphMapping::description), 635u);
    EXPECT_EQ(glyphPicture('!', 0, GlyphMapping::description), 0u);
    EXPECT_EQ(glyphPicture(static_cast<char>(200), 1, GlyphMapping::name), 0u);
}

TEST(BadgeText, ShortTextsGoAroundMoreOften) {
    const int repeats[][2] = {{46, 1}, {25, 1}, {24, 2}, {15, 2}, {14, 3}, {10, 3}, {9, 4}, {1, 4}};
    for (const auto& r : repeats) EXPECT_EQ(descriptionRepeats(r[0]), r[1]) << r[0];
}
