#include "net/http_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using velmo::HttpTarget;
using velmo::SplitHttpAddress;

namespace {
std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }
}  // namespace

TEST(NetHttpAddressTest, SplitsHostPathAndPort) {
  struct Case {
    std::wstring text, host, path;
    int port;
  };
  const Case cases[] = {
      {L"stats.velmo.example/install.htm?tag=rendo", L"stats.velmo.example", L"install.htm?tag=rendo", 80},
      {L"127.0.0.1:8080/update/ConfigRendo.htm", L"127.0.0.1", L"update/ConfigRendo.htm", 8080},
      {L"h:70000/x", L"h", L"x", 4464},  // truncated to 16 bits
      {L"h: 81x/x", L"h", L"x", 81},     // C conversion: blanks, digits up to a non-digit
      {L"h:/x", L"h", L"x", 0},
      {L"h:-1/x", L"h", L"x", 65535},
      {L"h.example", L"h.example", L"", 80},  // no "/": empty path
      {L"h.example/", L"h.example", L"", 80},
      {L"h/a/b:9", L"h", L"a/b:9", 80},  // a colon in the path is no port
  };
  for (const auto& c : cases) {
    HttpTarget t;
    ASSERT_TRUE(SplitHttpAddress(c.text, &t)) << Narrow(c.text);
    EXPECT_EQ(t.host, c.host) << Narrow(c.text);
    EXPECT_EQ(t.path, c.path) << Narrow(c.text);
    EXPECT_EQ(t.port, c.port) << Narrow(c.text);
  }
}

TEST(NetHttpAddressTest, RefusesEmptyAndOverlongParts) {
  HttpTarget t;
  EXPECT_FALSE(SplitHttpAddress(L"", &t));
  EXPECT_FALSE(SplitHttpAddress(L"/path", &t));
  EXPECT_FALSE(SplitHttpAddress(L":80/path", &t));
  EXPECT_TRUE(SplitHttpAddress(std::wstring(259, L'h') + L"/" + std::wstring(511, L'p'), &t));
  EXPECT_FALSE(SplitHttpAddress(std::wstring(260, L'h') + L"/p", &t));
  EXPECT_FALSE(SplitHttpAddress(L"h/" + std::wstring(512, L'p'), &t));
  // The host limit applies after the port is cut off.
  EXPECT_TRUE(SplitHttpAddress(std::wstring(259, L'h') + L":8080/p", &t));
}

TEST(NetHttpAddressTest, OperatorAddressIsCaseSensitiveSubstring) {
  const std::vector<std::wstring> domains = {L"velmo.example", L"cdn.velmo.example", L"127.0.0.1"};
  EXPECT_TRUE(velmo::IsOperatorAddress(L"http://dl.velmo.example/NewRendo.exe", domains));
  EXPECT_TRUE(velmo::IsOperatorAddress(L"http://127.0.0.1:18080/x", domains));
  // Anywhere, even in the query: the test is a plain substring test.
  EXPECT_TRUE(velmo::IsOperatorAddress(L"http://evil.test/?velmo.example", domains));
  EXPECT_FALSE(velmo::IsOperatorAddress(L"http://DL.VELMO.EXAMPLE/x", domains));
  EXPECT_FALSE(velmo::IsOperatorAddress(L"", domains));
  EXPECT_FALSE(velmo::IsOperatorAddress(L"http://velmo.example/", {}));
  EXPECT_FALSE(velmo::IsOperatorAddress(L"http://x/", {L""}));
}

TEST(NetHttpAddressTest, SchemeAndStatusRules) {
  EXPECT_TRUE(velmo::HasHttpScheme(L"http://h/x"));
  EXPECT_TRUE(velmo::HasHttpScheme(L"HTTP://h/x"));
  EXPECT_TRUE(velmo::HasHttpScheme(L"hTtP://"));
  EXPECT_FALSE(velmo::HasHttpScheme(L"https://h/x"));
  EXPECT_FALSE(velmo::HasHttpScheme(L"http:/"));
  EXPECT_FALSE(velmo::HasHttpScheme(L"ftp://h/x"));
  EXPECT_EQ(velmo::SkipScheme(L"xxxxxxxh/p"), L"h/p");  // skipped unchecked
  EXPECT_EQ(velmo::SkipScheme(L"http:/"), L"");

  EXPECT_FALSE(velmo::IsStatusAccepted(L"404"));
  EXPECT_TRUE(velmo::IsStatusAccepted(L"200"));
  EXPECT_TRUE(velmo::IsStatusAccepted(L"500"));  // an error page with a length is saved
  EXPECT_TRUE(velmo::IsStatusAccepted(L"4040"));
}

TEST(NetHttpAddressTest, ProgressPercentNeverDividesByZeroOrOverflows) {
  EXPECT_EQ(velmo::ProgressPercent(0, 1000), 0);
  EXPECT_EQ(velmo::ProgressPercent(512, 1000), 51);
  EXPECT_EQ(velmo::ProgressPercent(1000, 1000), 100);
  EXPECT_EQ(velmo::ProgressPercent(1500, 1000), 100);  // a body longer than announced
  EXPECT_EQ(velmo::ProgressPercent(0, 0), 100);         // "Content-Length: 0"
  // 100 x 3 GB does not fit 32 bits.
  EXPECT_EQ(velmo::ProgressPercent(3000000000ULL, 4000000000U), 75);
}
