#include "render/SpriteAtlas.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "render/TextureUpload.h"

TexelBox visibleTexels(const Picture& picture) {
    TexelBox box;
    if (!picture.holdsImage()) return box;
    const std::int32_t w = picture.width;
    const std::int32_t h = picture.height;
    std::int32_t minX = w, maxX = -1, minY = h, maxY = -1;
    for (std::int32_t y = 0; y < h; ++y) {
        const std::uint8_t* row = picture.pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) * 4u;
        for (std::int32_t x = 0; x < w; ++x) {
            if (row[x * 4 + 3] == 0) continue;
            if (x < minX) minX = x;
            if (x > maxX) maxX = x;
            if (y < minY) minY = y;
            if (y > maxY) maxY = y;
        }
    }
    if (maxX < 0) return box;
    // A linear filter reads a texel from up to half a texel beyond its edge.
    box.left = minX > 0 ? minX - 1 : 0;
    box.bottom = minY > 0 ? minY - 1 : 0;
    box.right = maxX + 2 < w ? maxX + 2 : w;
    box.top = maxY + 2 < h ? maxY + 2 : h;
    return box;
}

AtlasPlan planAtlas(const std::int32_t* widths, const std::int32_t* heights, int count, std::int32_t width,
                    std::int32_t maxSide) {
    AtlasPlan plan;
    plan.width = width;
    if (count > AtlasPlan::capacity) count = AtlasPlan::capacity;
    std::int32_t x = 0, y = 0, rowHeight = 0, used = 0;
    for (int i = 0; i < count; ++i) {
        const std::int32_t w = widths[i];
        const std::int32_t h = heights[i];
        if (w <= 0 || h <= 0 || w > width || h > maxSide) continue;
        if (x + w > width) {
            y += rowHeight;
            x = 0;
            rowHeight = 0;
        }
        if (y + h > maxSide) continue;
        plan.x[i] = x;
        plan.y[i] = y;
        plan.placed[i] = true;
        x += w;
        if (h > rowHeight) rowHeight = h;
        if (y + h > used) used = y + h;
    }
    std::int32_t side = 1;
    while (side < used) side *= 2;
    plan.height = used > 0 ? side : 0;
    return plan;
}

SpriteAtlas::~SpriteAtlas() { release(); }

void SpriteAtlas::release() {
    if (textureName != 0) deleteTextureName(textureName);
    textureName = 0;
    atlasWidth = atlasHeight = 0;
    for (AtlasFrame& f : frames) f = AtlasFrame{};
}

const AtlasFrame* SpriteAtlas::frame(std::int32_t number) const {
    if (number < 1 || number >= maxFrames || !frames[number].present) return nullptr;
    return &frames[number];
}

void SpriteAtlas::build(Picture* const* pictures, int count) {
    release();
    if (pictures == nullptr) return;
    if (count > maxFrames - 1) count = maxFrames - 1;

    // Each stored rectangle is the visible box with one more ring of texels.
    TexelBox boxes[maxFrames];
    std::int32_t widths[maxFrames] = {};
    std::int32_t heights[maxFrames] = {};
    int stored = 0;
    for (int f = 1; f <= count; ++f) {
        const Picture* picture = pictures[f];
        if (picture == nullptr || !picture->holdsImage()) continue;
        boxes[f] = visibleTexels(*picture);
        if (boxes[f].empty()) {
            frames[f].present = true;
            frames[f].blank = true;
            continue;
        }
        widths[f] = boxes[f].width() + 2;
        heights[f] = boxes[f].height() + 2;
        ++stored;
    }
    if (stored == 0) return;

    // Taller rectangles first, so that each shelf is filled by frames of
    // about its height; slot[f] is frame f's place in that order.
    int order[maxFrames] = {};
    int slot[maxFrames] = {};
    for (int f = 1; f <= count; ++f) order[f - 1] = f;
    std::stable_sort(order, order + count, [&](int a, int b) { return heights[a] > heights[b]; });
    std::int32_t sortedWidths[maxFrames] = {};
    std::int32_t sortedHeights[maxFrames] = {};
    for (int i = 0; i < count; ++i) {
        slot[order[i]] = i;
        sortedWidths[i] = widths[order[i]];
        sortedHeights[i] = heights[order[i]];
    }

    // The narrowest width that places everything in the smallest area.
    AtlasPlan plan;
    std::int64_t bestArea = 0;
    for (std::int32_t width = 64; width <= maxSide; width *= 2) {
        const AtlasPlan candidate = planAtlas(sortedWidths, sortedHeights, count, width, maxSide);
        bool all = true;
        for (int i = 0; i < count; ++i) all = all && (sortedWidths[i] == 0 || candidate.placed[i]);
        const std::int64_t area = std::int64_t{candidate.width} * candidate.height;
        if (all && (bestArea == 0 || area < bestArea)) {
            plan = candidate;
            bestArea = area;
        }
    }
    if (bestArea == 0) return;  // too large for one texture: every frame keeps its own

    const std::size_t bytes = static_cast<std::size_t>(plan.width) * static_cast<std::size_t>(plan.height) * 4u;
    auto* texels = static_cast<std::uint8_t*>(std::calloc(bytes, 1));
    if (texels == nullptr) return;
    for (int f = 1; f <= count; ++f) {
        if (widths[f] == 0) continue;
        const Picture& picture = *pictures[f];
        const TexelBox& box = boxes[f];
        const std::int32_t atX = plan.x[slot[f]];
        const std::int32_t atY = plan.y[slot[f]];
        // Stored texel (i, j) is the frame's texel (box.left - 1 + i, box.bottom - 1 + j);
        // beyond the frame's edge it stays transparent black.
        for (std::int32_t j = 0; j < heights[f]; ++j) {
            const std::int32_t row = box.bottom - 1 + j;
            if (row < 0 || row >= picture.height) continue;
            std::int32_t from = box.left - 1;
            std::int32_t to = box.left - 1 + widths[f];
            std::int32_t into = atX;
            if (from < 0) {
                into -= from;
                from = 0;
            }
            if (to > picture.width) to = picture.width;
            const std::size_t source = (static_cast<std::size_t>(row) * picture.width + from) * 4u;
            const std::size_t target = (static_cast<std::size_t>(atY + j) * plan.width + into) * 4u;
            std::memcpy(texels + target, picture.pixels + source, static_cast<std::size_t>(to - from) * 4u);
        }
        AtlasFrame& out = frames[f];
        out.present = true;
        const float w = static_cast<float>(picture.width);
        const float h = static_cast<float>(picture.height);
        out.left = -1.0f + 2.0f * static_cast<float>(box.left) / w;
        out.right = -1.0f + 2.0f * static_cast<float>(box.right) / w;
        out.bottom = -1.0f + 2.0f * static_cast<float>(box.bottom) / h;
        out.top = -1.0f + 2.0f * static_cast<float>(box.top) / h;
        out.sLeft = static_cast<float>(atX + 1) / static_cast<float>(plan.width);
        out.sRight = static_cast<float>(atX + 1 + box.width()) / static_cast<float>(plan.width);
        out.tBottom = static_cast<float>(atY + 1) / static_cast<float>(plan.height);
        out.tTop = static_cast<float>(atY + 1 + box.height()) / static_cast<float>(plan.height);
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // The frames' own wrap mode: the sampling stays the same.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    uploadRgbaImage(plan.width, plan.height, texels);
    std::free(texels);
    textureName = name;
    atlasWidth = plan.width;
    atlasHeight = plan.height;
}
