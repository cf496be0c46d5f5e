#include "app/operator_settings.h"

#include "build_settings.h"

namespace velmo {

namespace {
const wchar_t kLoginPagePath[] = L"/act/wd/main/index/307";
const int kMaxTabs = 3;

OperatorSettings& Current() {
  static OperatorSettings settings = BuildOperatorSettings();
  return settings;
}
}  // namespace

std::wstring OperatorSettings::LoginPageUrlForTab(int tab) const {
  for (const auto& entry : loginPageUrlByTab) {
    if (entry.first == tab) return entry.second;
  }
  if (!loginPageUrl.empty()) return loginPageUrl;
  return L"http://" + gameSiteHost + kLoginPagePath;
}

std::vector<std::wstring> SplitDomainList(const std::wstring& list) {
  std::vector<std::wstring> out;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(L';', start);
    if (end == std::wstring::npos) end = list.size();
    std::wstring item = list.substr(start, end - start);
    while (!item.empty() && item.front() == L' ') item.erase(item.begin());
    while (!item.empty() && item.back() == L' ') item.pop_back();
    if (!item.empty()) out.push_back(item);
    start = end + 1;
  }
  return out;
}

OperatorSettings BuildOperatorSettings() {
  OperatorSettings s;
  s.statsHost = build::kStatsHost;
  s.updateHost = build::kUpdateHost;
  s.gameSiteHost = build::kGameSiteHost;
  s.loginServiceHost = build::kLoginServiceHost;
  s.qqOAuthHost = build::kQQOAuthHost;
  s.operatorDomains = SplitDomainList(build::kOperatorDomains);
  s.lumrixHomeUrl = build::kLumrixHomeUrl;
  return s;
}

void ApplyTestOverrides(OperatorSettings* s, const SettingLookup& lookup) {
  struct Field {
    const wchar_t* key;
    std::wstring* value;
  };
  const Field fields[] = {
      {L"StatsHost", &s->statsHost},
      {L"UpdateHost", &s->updateHost},
      {L"GameSiteHost", &s->gameSiteHost},
      {L"LoginServiceHost", &s->loginServiceHost},
      {L"QQOAuthHost", &s->qqOAuthHost},
      {L"LumrixHomeUrl", &s->lumrixHomeUrl},
      {L"LoginPageUrl", &s->loginPageUrl},
  };
  for (const auto& f : fields) {
    if (auto v = lookup(f.key)) *f.value = *v;
  }
  if (auto v = lookup(L"OperatorDomains")) s->operatorDomains = SplitDomainList(*v);
  for (int tab = 0; tab < kMaxTabs; ++tab) {
    if (auto v = lookup(L"LoginPageUrl." + std::to_wstring(tab))) {
      s->loginPageUrlByTab.emplace_back(tab, *v);
    }
  }
}

const OperatorSettings& Operator() { return Current(); }

void SetOperatorSettings(const OperatorSettings& settings) { Current() = settings; }

}  // namespace velmo
