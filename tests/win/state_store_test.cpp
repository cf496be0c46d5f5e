#include "app/state_store_win.h"

#include <gtest/gtest.h>

TEST(StateStoreTest, Placeholder) { EXPECT_FALSE(ExePathFor(L"x").empty()); }
