#include <gtest/gtest.h>

#include <set>

#include "editor/PictureStore.h"

namespace {

TEST(PictureStore, NumbersAreNonZeroDistinctAndNotSmallIndices) {
    qv::PictureStore store;
    std::set<qv::PictureNumber> seen;
    for (int i = 0; i < 1000; ++i) {
        const qv::PictureNumber n = store.add(qv::Picture{});
        EXPECT_NE(n, 0u);
        EXPECT_TRUE(seen.insert(n).second);
    }
    EXPECT_GT(*seen.rbegin(), 1000u);
}

TEST(PictureStore, RemovedPicturesAreGone) {
    qv::PictureStore store;
    qv::Picture p;
    p.width = 5;
    const qv::PictureNumber n = store.add(p);
    ASSERT_NE(store.find(n), nullptr);
    EXPECT_EQ(store.find(n)->width, 5);
    store.remove(n);
    EXPECT_EQ(store.find(n), nullptr);
    EXPECT_EQ(store.find(0), nullptr);
    store.remove(n);  // twice is harmless
    EXPECT_EQ(store.size(), 0u);
}

}  // namespace
