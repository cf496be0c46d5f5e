#include "app/operator_settings.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmo;

TEST(OperatorSettingsTest, CompiledDefaultsPointAtTheDemoServer) {
  OperatorSettings s = BuildOperatorSettings();
  EXPECT_FALSE(s.statsHost.empty());
  EXPECT_EQ(s.operatorDomains.size(), 3u);
  EXPECT_NE(std::find(s.operatorDomains.begin(), s.operatorDomains.end(), L"127.0.0.1"),
            s.operatorDomains.end());
  EXPECT_EQ(s.LoginPageUrlForTab(0), L"http://" + s.gameSiteHost + L"/act/wd/main/index/307");
}

TEST(OperatorSettingsTest, TestOverridesAndPerTabLoginPage) {
  std::map<std::wstring, std::wstring> ini = {
      {L"StatsHost", L"127.0.0.1:5555"},
      {L"OperatorDomains", L"a.example; b.example;;"},
      {L"LoginPageUrl", L"app://exitgame"},
      {L"LoginPageUrl.1", L"app://minimize"},
  };
  OperatorSettings s = BuildOperatorSettings();
  std::wstring updateBefore = s.updateHost;
  ApplyTestOverrides(&s, [&](const std::wstring& key) -> std::optional<std::wstring> {
    auto it = ini.find(key);
    if (it == ini.end()) return std::nullopt;
    return it->second;
  });
  EXPECT_EQ(s.statsHost, L"127.0.0.1:5555");
  EXPECT_EQ(s.updateHost, updateBefore);
  EXPECT_EQ(s.operatorDomains, (std::vector<std::wstring>{L"a.example", L"b.example"}));
  EXPECT_EQ(s.LoginPageUrlForTab(0), L"app://exitgame");
  EXPECT_EQ(s.LoginPageUrlForTab(1), L"app://minimize");
  EXPECT_EQ(s.LoginPageUrlForTab(2), L"app://exitgame");
}
