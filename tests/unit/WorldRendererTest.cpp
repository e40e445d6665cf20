#include <gtest/gtest.h>

#include "render/SpriteSetStore.h"

// Sets and frames outside the store are never loaded nor handed out.
TEST(SpriteSetStore, SetsAndFramesOutsideTheStoreAreNeverLoaded) {
    SpriteSetStore store(181, 196, 48);
    for (unsigned set : {0u, 180u, 197u}) {
        store.loadSpriteSet(set, 12);
        EXPECT_FALSE(store.isLoaded(set)) << set;
    }
    EXPECT_EQ(store.frame(180, 1), nullptr);
    for (int frame : {-1, 0, 48}) EXPECT_EQ(store.frame(181, frame), nullptr) << frame;
}
