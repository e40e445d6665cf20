#pragma once

// A real OpenGL context for the gl tests: one SDL window of the game's size
// for the whole run (SDL 1.2 has one window), opened on first use. Run the
// tests under scripts/with-xvfb.

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

inline std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

class GlContext {
public:
    static constexpr int width = 1024;
    static constexpr int height = 768;

    // True once the window and its context exist.
    static bool ensure() {
        static const bool ready = create();
        return ready;
    }

    // A clean state for every test: full viewport, the stage projection
    // (5.6 x 4.2 units around the origin), identity model-view, texturing on,
    // no blending, no depth test, cleared to black.
    static void resetState() {
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2.8, 2.8, -2.1, 2.1, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    // The colour at a window pixel (origin at the lower left).
    static Rgba pixel(int x, int y) {
        glFinish();
        std::uint8_t c[4] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
        return {c[0], c[1], c[2], c[3]};
    }

    // Every pixel of the window, RGBA, row after row from the bottom.
    static std::vector<std::uint8_t> windowPixels() {
        glFinish();
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The colour at a stage point under the projection of resetState().
    static Rgba stagePixel(float x, float y) {
        return pixel(static_cast<int>((x + 2.8f) / 5.6f * width), static_cast<int>((y + 2.1f) / 4.2f * height));
    }

private:
    static bool create() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
        std::atexit(SDL_Quit);
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        return SDL_SetVideoMode(width, height, 0, SDL_OPENGL) != nullptr;
    }
};

// Base of every gl test: the context exists and the state is clean.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlContext::ensure()) << "no OpenGL window: " << SDL_GetError();
        GlContext::resetState();
    }
};

// Colour channels within a tolerance (filtering and dithering may round).
inline ::testing::AssertionResult colourNear(const Rgba& got, const Rgba& want, int tolerance = 3) {
    auto close = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    if (close(got.r, want.r) && close(got.g, want.g) && close(got.b, want.b)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << ", want " << want;
}
