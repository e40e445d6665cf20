#pragma once

#include <cstdint>

#include "actors/Vector.h"
#include "game/ScreenViews.h"
#include "game/TextBatch.h"
#include "render/Font.h"
#include "render/PictureBatch.h"
#include "render/ScreenPainter.h"

// The screens around the stage: loading, title, menu frame, the transition
// rosette and the interface of a running dance. It decides which pictures
// go where and in which order (the compose operations, which make no OpenGL
// call) and has the painter draw them; it holds the font the screen texts
// are printed with. Construction makes no OpenGL call.
class ScreenRenderer {
public:
    static constexpr int screenPictureCount = 61;
    static constexpr int markCapacity = 64;

    ScreenRenderer() = default;
    ScreenRenderer(const ScreenRenderer&) = delete;
    ScreenRenderer& operator=(const ScreenRenderer&) = delete;

    // --- life and pictures (OpenGL) ---------------------------------------
    void create();
    void buildFont() { font.buildFont(); }
    void deleteFont() { font.deleteFont(); }
    void loadTitlePictures();
    void releaseTitlePictures();
    // Level pictures 1..n, the previews, the rank emblems and the menu's own.
    // Of the level pictures and previews only the world map is loaded here;
    // the menu loads the two it shows as it turns to a level and releases
    // those of the level before.
    void loadPictureSet(std::uint8_t n);
    void releasePictures(std::uint8_t n);
    void loadScreenPictures();
    void releaseScreenPictures();

    // --- drawing (OpenGL) -------------------------------------------------
    // The loading screen with its progress cells; shown at once. Its three
    // pictures are loaded once, by beginLoading, and released by endLoading.
    void beginLoading();
    void showLoadingProgress(int percent);
    void endLoading();
    void drawTitle(float alpha);
    void drawMenu(const MenuView& view);
    void drawTransition(Vector position, bool failed, float seconds, float duration, float fade, bool wonNow,
                        std::uint8_t resultRank, std::uint8_t resultMedal);
    void drawInterface(const InterfaceView& view, HudMarks& marks);
    void print(const TextBatch& texts);
    // The menu's first square is its frame over the whole window at the
    // menu's alpha: when that picture hides the window, what the frame draws
    // before the menu cannot show and need not reach the window.
    bool menuHidesStage() const;
    void beginHiddenDrawing() { paint.beginHiddenDrawing(); }
    void endHiddenDrawing() { paint.endHiddenDrawing(); }
    // Model-view back to the plain stage view, for drawing after the World.
    void resetView();

    // --- composition (no OpenGL) -----------------------------------------
    static void composeLoading(int percent, PictureBatch& batch);
    void composeTitle(float alpha, PictureBatch& batch) const;
    void composeMenu(const MenuView& view, PictureBatch& batch);
    void composeTransition(Vector position, bool failed, float seconds, float duration, float fade, bool wonNow,
                           std::uint8_t resultRank, std::uint8_t resultMedal, PictureBatch& batch);
    void composeInterface(const InterfaceView& view, HudMarks& marks, PictureBatch& batch);

    // The 61 interface pictures in load order.
    static const std::uint16_t screenPictures[screenPictureCount];

private:
    void composeTalents(const InterfaceView& view, HudMarks& marks, PictureBatch& batch);
    void composeHearts(const InterfaceView& view, HudMarks& marks, PictureBatch& batch);
    void composeMarks(const InterfaceView& view, HudMarks& marks, PictureBatch& batch);
    void composeNameEntry(const InterfaceView& view, PictureBatch& batch) const;
    void composeExtras(const InterfaceView& view, PictureBatch& batch);
    void showLevelPicture(std::uint8_t level);
    // The preview picture the menu shows for a level; 0 for none.
    static std::uint16_t previewOf(std::uint8_t level);

    ScreenPainter paint;
    Font font;
    PictureBatch batch;

    // Clocks of the screens. The rosette clock starts past any transition,
    // so nothing turns over the first menu until a dance has ended.
    float emblem = 0.0f;     // degrees, wraps at 360
    float rosette = 10.0f;   // seconds since the transition began
    float dial = 0.0f;       // degrees, wraps at 360
    float interfaceClock = 0.0f;
    // The menu's first squares, up to here, change only with its level.
    int menuStillCount = 0;
    // Level pictures of the set (1..levelPictures) and the one loaded for the menu.
    std::uint8_t levelPictures = 0;
    std::uint8_t shownLevel = 0;

    // Interface animations.
    static constexpr int talentSlots = 9;
    float talentSize[talentSlots] = {};
    float talentWait[talentSlots] = {};
    float talentSparkle[talentSlots] = {};
    static constexpr int heartCount = 10;
    float heartSize[heartCount] = {};
    float pulseSize = 0.15f;
    float pulseDirection = 1.0f;
    float leftMarkSize[markCapacity] = {};
    float guidePop[InterfaceView::guideCount] = {};
};
