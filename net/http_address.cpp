#include "net/http_address.h"

#include "app/text_util.h"

namespace velmo {

bool SplitHttpAddress(const std::wstring& text, HttpTarget* target) {
  std::wstring host = text;
  std::wstring path;
  size_t slash = text.find(L'/');
  if (slash != std::wstring::npos) {
    host = text.substr(0, slash);
    path = text.substr(slash + 1);
  }
  std::uint16_t port = 80;
  size_t colon = host.find(L':');
  if (colon != std::wstring::npos) {
    port = static_cast<std::uint16_t>(static_cast<std::uint32_t>(StrToLong32(host.substr(colon + 1))));
    host.resize(colon);
  }
  if (host.empty() || host.size() > kMaxHostChars || path.size() > kMaxPathChars) return false;
  target->host = host;
  target->path = path;
  target->port = port;
  return true;
}

bool IsOperatorAddress(const std::wstring& address, const std::vector<std::wstring>& domains) {
  for (const auto& domain : domains) {
    if (!domain.empty() && address.find(domain) != std::wstring::npos) return true;
  }
  return false;
}

bool HasHttpScheme(const std::wstring& address) {
  return address.size() >= 7 && EqualsNoCase(address.substr(0, 7), L"http://");
}

std::wstring SkipScheme(const std::wstring& address) {
  return address.size() >= 7 ? address.substr(7) : std::wstring();
}

bool IsStatusAccepted(const std::wstring& statusText) { return StrToLong32(statusText) != 404; }

int ProgressPercent(std::uint64_t received, std::uint32_t expected) {
  if (expected == 0) return 100;
  std::uint64_t percent = received * 100 / expected;
  return percent > 100 ? 100 : static_cast<int>(percent);
}

}  // namespace velmo
