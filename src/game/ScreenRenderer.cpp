#include "game/ScreenRenderer.h"

#include <algorithm>
#include <cmath>

#include "game/Display.h"
#include "game/MenuLayout.h"
#include "game/TextScreens.h"
#include "world/Levels.h"

namespace {

constexpr float degrees = 3.14159265f / 180.0f;

constexpr std::uint16_t worldMap = 35;
constexpr std::uint16_t menuFrame = 98;
constexpr std::uint16_t rosettePicture = 99;
constexpr std::uint16_t headline = 901;
constexpr std::uint16_t textPanel = 900;

// Pictures of the picture-set load besides the levels.
constexpr std::uint16_t menuPictures[] = {99, 98, 970, 961, 962, 951, 952, 981, 982, 901};

// The nine cities on the world map, dance 1 to 9.
constexpr float cityX[9] = {0.9625f, 0.825f, 1.425f, 1.0f, 1.35f, 0.6f, 0.565f, 1.21f, 1.05f};
constexpr float cityY[9] = {0.95f, 0.65f, 0.95f, 1.05f, 0.65f, 0.9f, 0.96f, 0.87f, 0.875f};

}  // namespace

const std::uint16_t ScreenRenderer::screenPictures[screenPictureCount] = {
    863,  890,  891,  892,  830,  840,  850,  860,  870,  893,  900,  902,  909,  910,  8961, 8962,
    8963, 8964, 8965, 8966, 880,  8801, 8802, 881,  882,  883,  884,  885,  894,  8861, 8862, 8863,
    8864, 8871, 8872, 8873, 8874, 8881, 8882, 8883, 8884, 8951, 8952, 8953, 8954, 8955, 8956, 8957,
    8958, 8959, 871,  872,  873,  874,  875,  876,  877,  878,  879,  898,  899};

void ScreenRenderer::create() { paint.create(); }

void ScreenRenderer::loadTitlePictures() {
    for (unsigned number = 941; number <= 945; ++number) paint.load(number);
}

void ScreenRenderer::releaseTitlePictures() {
    for (unsigned number = 941; number <= 945; ++number) paint.release(number);
}

void ScreenRenderer::loadPictureSet(std::uint8_t n) {
    levelPictures = n;
    shownLevel = 0;
    if (worldMap <= n) paint.load(worldMap);
    for (unsigned number = 201; number <= 209; ++number) paint.load(number);
    for (const std::uint16_t number : menuPictures) paint.load(number);
}

void ScreenRenderer::releasePictures(std::uint8_t n) {
    for (unsigned number = 1; number <= n; ++number) paint.release(number);
    for (unsigned number = 351; number <= 384; ++number) paint.release(number);
    for (unsigned number = 201; number <= 209; ++number) paint.release(number);
    for (const std::uint16_t number : menuPictures) paint.release(number);
    levelPictures = 0;
    shownLevel = 0;
}

std::uint16_t ScreenRenderer::previewOf(std::uint8_t level) {
    const unsigned preview = level == guidedDanceLevel ? 371u : 350u + level;
    return preview >= 351 && preview <= 384 ? static_cast<std::uint16_t>(preview) : 0;
}

void ScreenRenderer::showLevelPicture(std::uint8_t level) {
    if (level == shownLevel || level > levelPictures) return;
    const std::uint16_t wanted[] = {level, previewOf(level)};
    const std::uint16_t shown[] = {shownLevel, previewOf(shownLevel)};
    for (const std::uint16_t number : shown) {
        if (number != 0 && number != worldMap && number != wanted[0] && number != wanted[1]) paint.release(number);
    }
    for (const std::uint16_t number : wanted) {
        if (number != 0 && !paint.isLoaded(number)) paint.load(number);
    }
    shownLevel = level;
}

void ScreenRenderer::loadScreenPictures() {
    for (const std::uint16_t number : screenPictures) {
        // The marks bar repeats sideways.
        paint.load(number, number == 880 ? TextureWrap::repeat : TextureWrap::clamp);
    }
}

void ScreenRenderer::releaseScreenPictures() {
    for (const std::uint16_t number : screenPictures) paint.release(number);
}

void ScreenRenderer::composeLoading(int percent, PictureBatch& out) {
    // In the window's own -1..1 square, where these half sizes are square.
    const float startX = 0.05f;
    const float startY = -0.7f;
    for (int cell = 1; cell <= 9; ++cell) out.add(897, startX + 0.08f * cell, startY, 0.04f, 0.055f);
    const int filled = std::clamp(percent / 10 + 1, 0, 9);
    for (int cell = 1; cell <= filled; ++cell) out.add(895, startX + 0.08f * cell, startY, 0.04f, 0.055f);
    out.add(896, 0.6125f, -0.5f, 0.6f, 0.15f);
}

void ScreenRenderer::beginLoading() {
    paint.load(895);
    paint.load(897);
    paint.load(896);
}

void ScreenRenderer::showLoadingProgress(int percent) {
    paint.beginWindowSquare();
    paint.clear(0.0f, 0.0f, 0.0f);  // the loading cells stand on black
    batch.clear();
    composeLoading(percent, batch);
    paint.draw(batch);
    paint.endWindowSquare();
    presentFrame();
}

void ScreenRenderer::endLoading() {
    paint.release(895);
    paint.release(897);
    paint.release(896);
}

void ScreenRenderer::composeTitle(float alpha, PictureBatch& out) const {
    out.add(941, 0.0f, 0.0f, 2.8f, 2.1f, 0.0f, 1, 1, 1, alpha);
    out.add(942, 1.4f, -1.05f, 1.4f, 1.05f, 0.0f, 1, 1, 1, alpha);
    out.add(943, -1.8f, 1.1f, 1.0f, 1.0f, 0.0f, 1, 1, 1, alpha);
    out.add(944, -2.1f, -1.2f, 0.5f, 0.5f, 0.0f, 1, 1, 1, alpha);
    out.add(945, -2.1f, -1.65f, 0.25f, 0.125f, 0.0f, 1, 1, 1, alpha);
    out.add(rosettePicture, 0.0f, 1.0f, 0.25f, 0.125f, rosette * 90.0f, 1, 1, 1, alpha);
}

void ScreenRenderer::drawTitle(float alpha) {
    batch.clear();
    composeTitle(alpha, batch);
    paint.resetModelView();
    paint.draw(batch);
}

void ScreenRenderer::composeMenu(const MenuView& view, PictureBatch& out) {
    emblem += view.seconds * 90.0f;
    if (emblem > 360.0f) emblem = 0.0f;
    const float a = view.alpha;
    const float pulse = std::sin(emblem * 4.0f * degrees);
    const std::uint8_t level = view.selectedLevel;

    out.add(menuFrame, 0.0f, 0.0f, 2.8f, 2.1f, 0.0f, 1, 1, 1, a);
    out.add(970, -1.0f, -1.0f, 1.2f, 1.2f, 0.0f, 1, 1, 1, a);
    // The level picture is the wide backdrop of the introduction text; the
    // world map stays below the progress line.
    out.add(level, -1.275f, 0.56f, 1.0f, 0.6f, 0.0f, 1, 1, 1, a);
    if (level != guidedDanceLevel) out.add(worldMap, 1.05f, 0.875f, 0.56f, 0.28f, 0.0f, 1, 1, 1, a);
    // Small enough to leave the progress line beside it readable. The
    // headline picture is square, its lettering a band across the middle.
    out.add(headline, -1.775f, 1.225f, 0.36f, 0.36f, 0.0f, 1, 1, 1, a);
    out.add(951, 1.8f, 0.75f, 0.4f, 0.4f, 0.0f, 1, 1, 1, a);
    menuStillCount = out.size();
    out.add(952, 1.8f, view.sideHeight, 0.2f, 0.2f, 0.0f, 1, 1, 1, a);

    // The page buttons swell while the pointer is on them.
    const float previous = view.hoverCode == MenuLayout::Hover::pagePrevious ? 0.15f + 0.03f * pulse : 0.15f;
    const float next = view.hoverCode == MenuLayout::Hover::pageNext ? 0.15f + 0.03f * pulse : 0.15f;
    out.add(981, -1.55f, 0.025f, previous, previous, 0.0f, 1, 1, 1, a);
    out.add(982, -1.0f, 0.025f, next, next, 0.0f, 1, 1, 1, a);

    if (level == guidedDanceLevel) {
        out.add(371, -1.275f, -0.325f, 0.25f, 0.25f, 0.0f, 1, 1, 1, a);
    } else {
        out.add(static_cast<std::uint16_t>(350 + level), -1.275f, -0.325f, 0.15f, 0.15f, 0.0f, 1, 1, 1, a);
    }
    const std::uint8_t rank = std::clamp<std::uint8_t>(view.rank, 1, 3);
    out.add(static_cast<std::uint16_t>(200 + rank), -0.65f, 0.3325f, 0.3f, 0.3f, 0.0f, 1, 1, 1, a);

    out.add(961, -1.32f, -1.65f, 0.7f, 0.35f, 0.0f, 1, 1, 1, a);
    if (view.hoverCode == MenuLayout::Hover::quit) out.add(962, -0.07f, -1.7f, 0.62f, 0.31f, 0.0f, 1, 1, 1, a);

    // The volume knob: a heart glowing on its track.
    out.add(863, view.sliderX, 1.8f, 0.14f, 0.14f, 0.0f, 1, 0.8f, 0.9f, a);
    out.add(881, view.sliderX, 1.8f, 0.08f, 0.08f, 0.0f, 1, 1, 1, a);

    const std::uint8_t medal = view.medalOfLevel != nullptr && level < 60 ? view.medalOfLevel[level] : 4;
    out.add(medal == 1 ? 8951 : 877, 1.3f, 0.3375f, 0.35f, 0.3f, 0.0f, 1, 1, 1, a);
    out.add(medal >= 1 && medal <= 2 ? 8952 : 878, 0.925f, 0.3375f, 0.35f, 0.3f, 0.0f, 1, 1, 1, a);
    out.add(medal >= 1 && medal <= 3 ? 8953 : 879, 0.55f, 0.3375f, 0.35f, 0.3f, 0.0f, 1, 1, 1, a);

    if (level != guidedDanceLevel && view.medalOfLevel != nullptr) {
        for (int dance = 1; dance <= 9; ++dance) {
            const std::uint8_t held = view.medalOfLevel[dance];
            if (held < 1 || held > 3) continue;
            const float size = dance == level ? 0.03f * (1.3f + 0.3f * pulse) : 0.03f;
            out.add(static_cast<std::uint16_t>(8956 + held), cityX[dance - 1], cityY[dance - 1], size, size, 0.0f, 1,
                    1, 1, a);
        }
    }
}

bool ScreenRenderer::menuHidesStage() const {
    // composeMenu lays the frame first, over the whole window, at the view's
    // alpha; the menu never fades, so that alpha is the view's own 1.
    return MenuView{}.alpha >= 1.0f && paint.coversWindow(menuFrame);
}

void ScreenRenderer::drawMenu(const MenuView& view) {
    showLevelPicture(view.selectedLevel);
    batch.clear();
    composeMenu(view, batch);
    paint.resetModelView();
    // Under a frame that hides the stage, the backdrop, level picture, map,
    // headline and sign are drawn once per level and then copied back.
    if (view.alpha >= 1.0f && paint.coversWindow(menuFrame)) {
        paint.drawWithStillPart(batch, menuStillCount, view.selectedLevel);
    } else {
        paint.draw(batch);
    }
}

void ScreenRenderer::composeTransition(Vector position, bool failed, float seconds, float duration, float fade,
                                       bool wonNow, std::uint8_t resultRank, std::uint8_t resultMedal,
                                       PictureBatch& out) {
    if (wonNow) rosette = 0.0f;
    if (rosette < duration) {
        float alpha = 1.0f;
        float scale = 1.0f;
        if (rosette < fade) {
            alpha = rosette / fade;
            scale = rosette;
        }
        if (rosette > duration - fade) alpha = (duration - rosette) / fade;
        const float size = 3.4f * scale;
        out.add(rosettePicture, position.x, position.y, size, size, rosette * 135.0f, 1, 1, 1, alpha);
        // A panel behind the transition's words keeps white text readable
        // on the pale petals; it comes and goes with the words, which end a
        // second before the rosette.
        const float words = std::clamp(TextScreens::transitionAlpha(rosette, fade, duration - 1.0f), 0.0f, 1.0f);
        if (failed) {
            out.add(textPanel, 0.38f, 0.0f, 0.95f, 0.25f, 0.0f, 1, 1, 1, words);
        } else {
            out.add(textPanel, 1.1f, 0.0f, 1.55f, 0.65f, 0.0f, 1, 1, 1, words);
        }
        if (!failed && resultRank != 0) {
            const float badge = 0.3f * scale;
            if (resultMedal >= 1 && resultMedal <= 3) {
                out.add(static_cast<std::uint16_t>(8953 + resultMedal), 0.0f, -0.3375f, badge, badge, 0.0f, 1, 1, 1,
                        alpha);
            }
            out.add(static_cast<std::uint16_t>(200 + std::min<std::uint8_t>(resultRank, 9)), 0.0f, 0.3375f, badge,
                    badge, 0.0f, 1, 1, 1, alpha);
        }
        // The headline keeps the unit size while the rosette grows.
        out.add(headline, -1.5f, 0.0f, 1.0f, 1.0f, 0.0f, 1, 1, 1, alpha);
    }
    rosette += seconds;
}

void ScreenRenderer::drawTransition(Vector position, bool failed, float seconds, float duration, float fade,
                                    bool wonNow, std::uint8_t resultRank, std::uint8_t resultMedal) {
    batch.clear();
    composeTransition(position, failed, seconds, duration, fade, wonNow, resultRank, resultMedal, batch);
    paint.resetModelView();
    paint.draw(batch);
}

void ScreenRenderer::drawInterface(const InterfaceView& view, HudMarks& marks) {
    batch.clear();
    composeInterface(view, marks, batch);
    paint.resetModelView();
    paint.draw(batch);
}

void ScreenRenderer::print(const TextBatch& texts) {
    if (paint.drawingHidden()) return;
    for (int i = 0; i < texts.size(); ++i) {
        const TextLine& line = texts[i];
        font.print(line.x, line.y, line.set, line.alpha, line.red, line.green, line.blue, "%s", line.text);
    }
}

void ScreenRenderer::resetView() { paint.resetModelView(); }
