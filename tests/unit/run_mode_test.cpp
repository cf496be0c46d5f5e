#include "app/run_mode.h"

#include <gtest/gtest.h>

TEST(RunModeTest, Placeholder) { EXPECT_EQ(velmo::DecideRunMode({L"x"}, L"C:\\a.exe", L"C:\\b").mode, 0); }
