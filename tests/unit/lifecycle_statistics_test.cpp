#include "lifecycle/statistics.h"

#include <gtest/gtest.h>

#include <string>

using velmo::ReportAddress;
using velmo::ReportBaseAddress;

TEST(StatisticsTest, ReportAddressesOfTheFourEvents) {
  struct Case {
    const wchar_t* path;
    const wchar_t* tag;
    unsigned count;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"/install.htm", L"rendo", 1,
       L"http://stats.example:8080/install.htm?tag=rendo&ver=3.0.0.1&count=1"},
      {L"/active.htm", L"vazuzid", 7,
       L"http://stats.example:8080/active.htm?tag=vazuzid&ver=3.0.0.1&count=7"},
      {L"/active.htm", L"rendo", 4294967295u,
       L"http://stats.example:8080/active.htm?tag=rendo&ver=3.0.0.1&count=4294967295"},
      {L"/uninstall.htm", L"rendo", 0,
       L"http://stats.example:8080/uninstall.htm?tag=rendo&ver=3.0.0.1&count=0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReportAddress(ReportBaseAddress(L"stats.example:8080", c.path, c.tag), c.count),
              c.expected);
  }
}

TEST(StatisticsTest, AddressThatDoesNotFitItsBufferIsNotSent) {
  // The full address must fit 512 characters with its terminator.
  const std::wstring base = L"http://" + std::wstring(511 - 7 - 8, L'h');
  EXPECT_EQ(ReportAddress(base, 1).size(), 511u);
  EXPECT_EQ(ReportAddress(base, 10), L"");
}
