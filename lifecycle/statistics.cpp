#include "lifecycle/statistics.h"

namespace velmo {

std::wstring ReportBaseAddress(const std::wstring& statsHost, const wchar_t* path,
                               const wchar_t* tag) {
  return L"http://" + statsHost + path + L"?tag=" + tag + L"&ver=" + kLauncherVersion;
}

std::wstring ReportAddress(const std::wstring& base, std::uint32_t count) {
  std::wstring address = base + L"&count=" + std::to_wstring(count);
  if (address.size() >= 512) return {};
  return address;
}

}  // namespace velmo
