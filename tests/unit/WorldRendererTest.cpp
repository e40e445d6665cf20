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

TEST(SpriteSetStore, FloorSetsRepeatOthersClampAndSetsOutsideTheStoreAreNeverLoaded) {
    for (unsigned set : {171u, 175u, 180u}) EXPECT_EQ(SpriteSetStore::wrapForSet(set), TextureWrap::repeat) << set;
    for (unsigned set : {101u, 170u, 181u}) EXPECT_EQ(SpriteSetStore::wrapForSet(set), TextureWrap::clamp) << set;

    SpriteSetStore store(181, 196, 48);
    for (unsigned set : {0u, 180u, 197u}) {
        store.loadSpriteSet(set, 12);
        EXPECT_FALSE(store.isLoaded(set)) << set;
    }
    EXPECT_EQ(store.frame(180, 1), nullptr);
    for (int frame : {-1, 0, 48}) EXPECT_EQ(store.frame(181, frame), nullptr) << frame;
}

TEST(WorldRenderer, ANewRendererHoldsNoPictureAndNoSet) {
    WorldRenderer renderer;
    EXPECT_FALSE(renderer.isLoaded());
    for (unsigned n : {0u, 601u, 663u, 851u, 888u, 889u, 100000u}) EXPECT_EQ(renderer.picture(n), nullptr) << n;
    for (unsigned set = 0; set < 200; ++set) EXPECT_FALSE(renderer.spriteSets().isLoaded(set)) << set;
}
