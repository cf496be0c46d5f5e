#include <windows.h>

#include <gtest/gtest.h>

#include "lifecycle/statistics_win.h"

TEST(ReportThreadTest, RefusedAddressStillEndsTheReport) {
  HANDLE copied = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // An https address is never sent; the thread must still hand over and finish.
  EXPECT_TRUE(StartReportThreadWith(L"https://127.0.0.1:9/install.htm", copied, done));
  EXPECT_EQ(::WaitForSingleObject(copied, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // reset
  EXPECT_EQ(::WaitForSingleObject(done, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
  ::CloseHandle(copied);

  // Without the hand-over event no thread starts, and nobody waits for one.
  ::ResetEvent(done);
  EXPECT_FALSE(StartReportThreadWith(L"http://127.0.0.1:9/x", nullptr, done));
  EXPECT_EQ(::WaitForSingleObject(done, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  ::CloseHandle(done);
}
