#include <gtest/gtest.h>

#include "gl/GlContext.h"
#include "render/ScreenPainter.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

class ScreenPainterDraw : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("900.tga", pf::tgaFilled(4, 4, 255, 255, 255, 255)));
        ASSERT_TRUE(dir.write("8951.tga", pf::tgaFilled(4, 4, 0, 255, 0, 255)));
        painter.create();
    }

    TempDirectory dir{true};
    ScreenPainter painter;
};

TEST_F(ScreenPainterDraw, SquaresLandWhereTheirStageUnitsSay) {
    painter.load(900);
    painter.load(8951);
    ASSERT_TRUE(painter.isLoaded(900));
    EXPECT_EQ(painter.loadedCount(), 2);
    // White tinted red at (1, 0.5), half sizes 0.5 and 0.25.
    painter.drawPicture(900, 1.0f, 0.5f, 0.5f, 0.25f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.0f, 0.5f), Rgba{255, 0, 0, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.25f, 0.5f), Rgba{255, 0, 0, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(1.0f, 0.85f), Rgba{0, 0, 0, 255}));
    // Turned by 90 degrees the square stands upright.
    painter.drawPicture(8951, -1.0f, 0.0f, 0.5f, 0.25f, 90.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-1.0f, 0.25f), Rgba{0, 255, 0, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-1.4f, 0.0f), Rgba{0, 0, 0, 255}));
}

TEST_F(ScreenPainterDraw, BatchesPicturesNotLoadedAndMissingFiles) {
    painter.load(900);
    PictureBatch batch;
    batch.add(900, -2.0f, -1.5f, 0.2f, 0.2f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    batch.add(901, 2.0f, 1.5f, 0.2f, 0.2f);  // never loaded: skipped
    batch.add(900, 0.0f, 0.0f, -0.2f, 0.2f);  // turned inside out: skipped
    painter.draw(batch);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-2.0f, -1.5f), Rgba{0, 0, 255, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(2.0f, 1.5f), Rgba{0, 0, 0, 255}));
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, 0.0f), Rgba{0, 0, 0, 255}));

    painter.release(900);
    EXPECT_FALSE(painter.isLoaded(900));
    GlContext::resetState();
    painter.drawPicture(900, -2.0f, -1.5f, 0.2f, 0.2f, 0.0f, 1, 1, 1, 1);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(-2.0f, -1.5f), Rgba{0, 0, 0, 255}));

    painter.load(902);  // no such file: an empty picture, drawn in its plain colour
    ASSERT_TRUE(painter.isLoaded(902));
    painter.drawPicture(902, 0.0f, 0.0f, 0.3f, 0.3f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, 0.0f), Rgba{255, 255, 0, 255}));
    painter.load(ScreenPainter::tableSize);  // beyond the table: refused
    EXPECT_FALSE(painter.isLoaded(ScreenPainter::tableSize));
}

}  // namespace
