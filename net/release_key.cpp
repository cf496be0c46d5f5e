#include "net/release_key.h"

namespace velmo {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
const size_t kDigestChars = 32;
}  // namespace

std::string VersionDigits(const std::string& version) {
  std::string digits;
  for (char c : version) {
    if (c != '.') digits += c;
  }
  return digits;
}

std::string ReleaseKey(const std::string& digestText, const std::string& version) {
  std::string digits = VersionDigits(version);
  if (digestText.empty() || digits.size() >= kDigestChars) return digits;
  return digestText.substr(0, kDigestChars - digits.size()) + digits;
}

bool KeysEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsPublishedRelease(const std::string& publishedKey, const std::string& digestText) {
  if (publishedKey.size() != kDigestChars || digestText.size() != kDigestChars) return false;
  for (size_t n = 1; n <= 8; ++n) {
    if (!IsDigit(publishedKey[kDigestChars - n])) break;
    size_t head = kDigestChars - n;
    if (KeysEqual(publishedKey.substr(0, head), digestText.substr(0, head))) return true;
  }
  return false;
}

bool IsUpdateDueAt(const UtcTime& lastUpdate, const UtcTime& now, std::uint32_t disableDays) {
  if (IsSameUtcDate(lastUpdate, now)) return false;
  return !IsWeekdayDisabled(disableDays, now.dayOfWeek);
}

std::string UpdateConfigText(const std::string& key, const std::string& updAddr) {
  std::string text = "[VerKey]\r\n";
  if (!key.empty()) text += "Rendo=" + key + "\r\n";
  text += "UpdAddr=" + updAddr + "\r\n";
  return text;
}

std::string ConfigFileName(const std::string& name) { return "Config" + name + ".htm"; }

}  // namespace velmo
