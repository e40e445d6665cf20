#pragma once

// A real OpenGL context for the gl tests: one SDL window of the game's size
// for the whole run (SDL 1.2 has one window), opened on first use. Run the
// tests under scripts/with-xvfb.

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "support/PictureFiles.h"

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

inline std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

const Rgba black{0, 0, 0}, white{255, 255, 255}, red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};

namespace gl {
constexpr int width = 1024, height = 768;

// Every pixel of the window, RGBA, row after row from the bottom, or the
// colour at one pixel (origin at the lower left).
inline std::vector<std::uint8_t> pixels(int x = 0, int y = 0, int w = width, int h = height) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}
inline Rgba pixel(int x, int y) {
    const auto c = pixels(x, y, 1, 1);
    return {c[0], c[1], c[2], c[3]};
}
// The colour at a stage point under the stage projection (5.6 x 4.2 units
// around the origin).
inline Rgba stagePixel(float x, float y) {
    return pixel(static_cast<int>((x + 2.8f) / 5.6f * width), static_cast<int>((y + 2.1f) / 4.2f * height));
}
}  // namespace gl

// Base of every gl test: the window exists, and a clean state: full
// viewport, the stage projection, identity model-view, texturing on, no
// blending, depth test or culling, cleared to black.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool ready = [] {
            if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
            std::atexit(SDL_Quit);
            for (SDL_GLattr a : {SDL_GL_RED_SIZE, SDL_GL_GREEN_SIZE, SDL_GL_BLUE_SIZE}) SDL_GL_SetAttribute(a, 8);
            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            return SDL_SetVideoMode(gl::width, gl::height, 0, SDL_OPENGL) != nullptr;
        }();
        ASSERT_TRUE(ready) << "no OpenGL window: " << SDL_GetError();
        glViewport(0, 0, gl::width, gl::height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2.8, 2.8, -2.1, 2.1, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        for (GLenum cap : {GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING}) glDisable(cap);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        while (glGetError() != GL_NO_ERROR) continue;
    }
    // The stage's blending.
    static void blend() {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
};

// A TGA picture of w x h pixels, each the RGBA that f(x, y) gives; row 0 is
// the bottom one.
template <typename F>
picturefiles::Bytes tgaOf(int w, int h, F f) {
    picturefiles::Bytes rgba;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::array<int, 4> c = f(x, y);
            for (int v : c) rgba.push_back(static_cast<std::uint8_t>(v));
        }
    return picturefiles::tgaRgba(w, h, rgba);
}

// Colour channels within a tolerance (filtering and dithering may round).
inline ::testing::AssertionResult colourNear(const Rgba& got, const Rgba& want, int tolerance = 3) {
    auto close = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    if (close(got.r, want.r) && close(got.g, want.g) && close(got.b, want.b)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << ", want " << want;
}
// How a texture wraps along one axis (GL_TEXTURE_WRAP_S or _T).
inline GLint wrapOf(std::uint32_t texture, GLenum axis = GL_TEXTURE_WRAP_S) {
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, axis, &wrap);
    return wrap;
}
// colourNear at a stage point.
inline ::testing::AssertionResult shows(float x, float y, const Rgba& want, int tolerance = 3) {
    return colourNear(gl::stagePixel(x, y), want, tolerance) << " at (" << x << ", " << y << ")";
}
// shows() at every point of a table.
inline void expectShows(std::initializer_list<std::tuple<float, float, Rgba>> points, int tolerance = 3) {
    for (const auto& [x, y, colour] : points) EXPECT_TRUE(shows(x, y, colour, tolerance));
}
