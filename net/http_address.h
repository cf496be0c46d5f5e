// The portable rules of the launcher's HTTP transfers: how an address is split into
// host, path and port, which addresses may be fetched, and how a response is judged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

inline constexpr wchar_t kHttpUserAgent[] = L"NQV";
// Sent with every request; note the blank after "zh-cn".
inline constexpr wchar_t kHttpHeaderLines[] =
    L"Accept-Language: zh-cn \r\nContent-Type: application/x-www-form-urlencoded\r\n";
inline constexpr size_t kMaxHostChars = 259;
inline constexpr size_t kMaxPathChars = 511;
inline constexpr size_t kMaxAddressChars = 511;  // a 512-character buffer with its terminator
// The memory shape holds at most this many bytes (a 1024-character buffer).
inline constexpr std::uint32_t kMaxMemoryBody = 1023;

struct HttpTarget {
  std::wstring host;
  std::wstring path;  // without its leading "/"
  std::uint16_t port = 80;
};

// Splits an address without scheme: the host before the first "/", the path after it;
// a ":" in the host starts the port (C decimal conversion, truncated to 16 bits).
// False when the host is empty or longer than 259 characters, or the path is longer
// than 511: such an address is refused, never cut.
bool SplitHttpAddress(const std::wstring& text, HttpTarget* target);

// The address contains one of the operator's domain names, case-sensitively, anywhere.
bool IsOperatorAddress(const std::wstring& address, const std::vector<std::wstring>& domains);

// The first seven characters are "http://" in any letter case.
bool HasHttpScheme(const std::wstring& address);

// The absolute address without its first seven characters (not checked), or empty when
// it is shorter than that.
std::wstring SkipScheme(const std::wstring& address);

// The status text of a response passes unless it reads as 404.
bool IsStatusAccepted(const std::wstring& statusText);

// The progress in per cent, 0 to 100; 100 when nothing at all was expected.
int ProgressPercent(std::uint64_t received, std::uint32_t expected);

}  // namespace velmo
