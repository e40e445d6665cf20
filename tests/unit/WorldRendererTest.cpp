#include <gtest/gtest.h>

#include <cstring>

#include "render/SpriteSetStore.h"
#include "render/TextureUpload.h"
#include "render/WorldRenderer.h"

TEST(TextureNames, PicturesAndSpriteFramesAreNumberedFiles) {
    EXPECT_STREQ(pictureFileName(601).text, "601.tga");
    EXPECT_STREQ(pictureFileName(8966).text, "8966.tga");
    EXPECT_STREQ(pictureFileName(4294967295u).text, "4294967295.tga");
    EXPECT_STREQ(spriteFrameFileName(101, 7).text, "1017.tga");
    EXPECT_STREQ(spriteFrameFileName(101, 12).text, "10112.tga");
    EXPECT_STREQ(spriteFrameFileName(171, 41).text, "17141.tga");
    EXPECT_LT(std::strlen(spriteFrameFileName(4294967295u, 4294967295u).text), sizeof(PictureFileName::text));
}

TEST(SpriteSetStore, FloorSetsRepeatAndEveryOtherSetIsClamped) {
    EXPECT_EQ(SpriteSetStore::wrapForSet(175), TextureWrap::repeat);
    EXPECT_EQ(SpriteSetStore::wrapForSet(171), TextureWrap::repeat);
    EXPECT_EQ(SpriteSetStore::wrapForSet(180), TextureWrap::repeat);
    EXPECT_EQ(SpriteSetStore::wrapForSet(170), TextureWrap::clamp);
    EXPECT_EQ(SpriteSetStore::wrapForSet(181), TextureWrap::clamp);
    EXPECT_EQ(SpriteSetStore::wrapForSet(101), TextureWrap::clamp);
}

TEST(SpriteSetStore, SetsOutsideTheStoreAndSetZeroAreNeverLoaded) {
    SpriteSetStore store(181, 196, 48);
    store.loadSpriteSet(0, 12);
    store.loadSpriteSet(180, 12);
    store.loadSpriteSet(197, 12);
    EXPECT_FALSE(store.isLoaded(0));
    EXPECT_FALSE(store.isLoaded(180));
    EXPECT_FALSE(store.isLoaded(197));
    EXPECT_EQ(store.frame(180, 1), nullptr);
    EXPECT_EQ(store.frame(181, 0), nullptr);
    EXPECT_EQ(store.frame(181, 48), nullptr);
    EXPECT_EQ(store.frame(181, -1), nullptr);
    EXPECT_EQ(store.slotsPerSet(), 48u);
}

TEST(WorldRenderer, ANewRendererHoldsNoPictureAndNoSet) {
    WorldRenderer renderer;
    EXPECT_FALSE(renderer.isLoaded());
    EXPECT_EQ(renderer.unitQuadList(), 0u);
    for (unsigned n : {0u, 601u, 663u, 851u, 888u, 889u, 100000u}) EXPECT_EQ(renderer.picture(n), nullptr) << n;
    for (unsigned set = 0; set < 200; ++set) EXPECT_FALSE(renderer.spriteSets().isLoaded(set)) << set;
    EXPECT_EQ(renderer.currentSprite().set, 0u);
    EXPECT_FLOAT_EQ(renderer.currentSprite().scaleX, 0.0f);
    EXPECT_EQ(renderer.spriteSets().firstSet(), 100u);
    EXPECT_EQ(renderer.spriteSets().lastSet(), 199u);
    EXPECT_EQ(renderer.spriteSets().slotsPerSet(), 38u);
}
