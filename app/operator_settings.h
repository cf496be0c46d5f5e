// The operator's hosts and pages: settings of the build, which a test build may
// override from "velmo-test.ini" beside the executable.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

struct OperatorSettings {
  std::wstring statsHost;         // usage reports, notice, "/webgame.htm"
  std::wstring updateHost;        // "update/ConfigRendo.htm", download configurations
  std::wstring gameSiteHost;      // login page "/act/wd/main/index/307"
  std::wstring loginServiceHost;  // "/qq.aspx?", "/isLogin/kv/inpage/qqback.aspx"
  std::wstring qqOAuthHost;       // https, "/oauth2.0/authorize"
  std::vector<std::wstring> operatorDomains;
  std::wstring lumrixHomeUrl;
  std::wstring loginPageUrl;  // empty: built from gameSiteHost
  std::vector<std::pair<int, std::wstring>> loginPageUrlByTab;

  // The login page of a tab: "LoginPageUrl.N", else "LoginPageUrl", else the game site's.
  std::wstring LoginPageUrlForTab(int tab) const;
};

// The compiled settings.
OperatorSettings BuildOperatorSettings();

// Splits "a;b;c" into its non-empty names.
std::vector<std::wstring> SplitDomainList(const std::wstring& list);

// Overrides from the test configuration. lookup(key) answers a key's value when it is
// present in section [operator].
using SettingLookup = std::function<std::optional<std::wstring>(const std::wstring& key)>;
void ApplyTestOverrides(OperatorSettings* settings, const SettingLookup& lookup);

// The process's settings (the compiled ones, or the overridden ones in a test build).
const OperatorSettings& Operator();
void SetOperatorSettings(const OperatorSettings& settings);

}  // namespace velmo
