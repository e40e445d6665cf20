// Drawing that skips work only where the pixels cannot change: an opaque
// picture over the whole window hides what came before it, drawing hidden
// under it reaches no pixel, and an opaque floor is drawn without blending
// to the same pixels.
#include <gtest/gtest.h>

#include <vector>

#include "actors/FloorMesh.h"
#include "gl/GlContext.h"
#include "render/FloorRenderer.h"
#include "render/ScreenPainter.h"
#include "support/PictureFiles.h"
#include "support/TempDirectory.h"

namespace pf = picturefiles;

namespace {

// Opaque rows of changing colour, the size of the window's largest side.
pf::Bytes opaqueBackdrop(int w, int h, std::uint8_t alphaOfOne = 255) {
    pf::Bytes rgba;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rgba.insert(rgba.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90,
                                     x == 5 && y == 7 ? alphaOfOne : std::uint8_t{255}});
    return pf::tgaRgba(w, h, rgba);
}

class OpaqueDrawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(dir.write("98.tga", opaqueBackdrop(1024, 1024)));
        ASSERT_TRUE(dir.write("97.tga", opaqueBackdrop(1024, 1024, 254)));  // one texel not quite opaque
        ASSERT_TRUE(dir.write("96.tga", opaqueBackdrop(512, 512)));         // smaller than the window
        ASSERT_TRUE(dir.write("900.tga", pf::tgaFilled(4, 4, 255, 0, 0, 255)));
        painter.create();
        for (unsigned n : {98u, 97u, 96u, 900u}) painter.load(n);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    void drawOverWindow(unsigned number) {
        painter.drawPicture(number, 0.0f, 0.0f, ScreenPainter::windowHalfWidth, ScreenPainter::windowHalfHeight,
                            0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    }

    TempDirectory dir{true};
    ScreenPainter painter;
};

}  // namespace

TEST_F(OpaqueDrawing, OnlyAnOpaquePictureAsLargeAsTheWindowCoversIt) {
    EXPECT_TRUE(painter.isOpaque(98));
    EXPECT_TRUE(painter.coversWindow(98));
    EXPECT_FALSE(painter.isOpaque(97));
    EXPECT_FALSE(painter.coversWindow(97));
    EXPECT_TRUE(painter.isOpaque(96));
    EXPECT_FALSE(painter.coversWindow(96)) << "its filter would reach the clamped border at the edges";
    EXPECT_FALSE(painter.coversWindow(95)) << "not loaded";
    painter.release(98);
    EXPECT_FALSE(painter.isOpaque(98));
    EXPECT_FALSE(painter.coversWindow(98));
}

TEST_F(OpaqueDrawing, TheCoveringPictureReplacesEveryPixelAsBlendingWould) {
    // The reference: the same square, blended, over green.
    glClearColor(0.0f, 1.0f, 0.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, painter.picture(98)->textureName);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glScalef(ScreenPainter::windowHalfWidth, ScreenPainter::windowHalfHeight, 1.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glEnd();
    glPopMatrix();
    const std::vector<std::uint8_t> blended = GlContext::windowPixels();

    // The painter's square over black and a turned red square.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    painter.drawPicture(900, 0.5f, 0.5f, 1.0f, 1.0f, 30.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    drawOverWindow(98);
    EXPECT_TRUE(GlContext::windowPixels() == blended);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "blending is on again for what follows";

    // The nearly opaque picture stays blended: the red shows through its texel.
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    drawOverWindow(97);
    EXPECT_FALSE(GlContext::windowPixels() == blended);
}

TEST_F(OpaqueDrawing, HiddenDrawingReachesNoPixelAndEndsCleanly) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<std::uint8_t> before = GlContext::windowPixels();
    painter.beginHiddenDrawing();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    painter.drawPicture(900, 0.0f, 0.0f, 2.0f, 2.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    painter.endHiddenDrawing();
    EXPECT_TRUE(GlContext::windowPixels() == before);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    painter.drawPicture(900, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_TRUE(colourNear(GlContext::stagePixel(0.0f, 0.0f), Rgba{255, 0, 0, 255}));
}

using OpaqueFloor = GlTest;

TEST_F(OpaqueFloor, AnOpaquePatternIsDrawnWithoutBlendingToTheSamePixels) {
    TempDirectory dir(true);
    ASSERT_TRUE(dir.ok());
    ASSERT_TRUE(dir.write("1711.tga", opaqueBackdrop(16, 16)));
    ASSERT_TRUE(dir.write("1712.tga", opaqueBackdrop(16, 16, 0)));
    FloorRenderer floor;
    floor.load(171, 2);
    EXPECT_TRUE(floor.opaquePattern(171, 1));
    EXPECT_FALSE(floor.opaquePattern(171, 2));
    EXPECT_TRUE(floor.opaquePattern(171, 0)) << "no pattern: the opaque colours alone";

    FloorMesh mesh;
    for (int r = 0; r < FloorMesh::rows; ++r)
        for (int c = 0; c < FloorMesh::columns; ++c)
            mesh.set(r, c, -3.0f + 0.25f * r, -3.0f + 0.25f * c, 0.9f, 0.6f, 0.3f, 0.1f * r, 0.1f * c);
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // With blending (as drawn before) and as the floor draws itself now.
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);  // the reference: blending left to the floor, which keeps it off
    floor.draw(mesh, 171, 1);
    const std::vector<std::uint8_t> unblended = GlContext::windowPixels();
    glEnable(GL_BLEND);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    floor.draw(mesh, 171, 1);
    EXPECT_TRUE(GlContext::windowPixels() == unblended) << "nothing under an opaque floor shows";
    EXPECT_TRUE(glIsEnabled(GL_BLEND));

    // A pattern with transparent texels still lets the blue through.
    glClear(GL_COLOR_BUFFER_BIT);
    floor.draw(mesh, 171, 2);
    EXPECT_FALSE(GlContext::windowPixels() == unblended);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
