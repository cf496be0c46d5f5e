// The release key that names a published executable (its digest text cut short and the
// version digits appended), the check that a download is the published release, the
// throttle of the update check, and the update configuration's text.
#pragma once

#include <cstdint>
#include <string>

#include "app/state_values.h"

namespace velmo {

// The configuration's values are refused beyond these lengths (buffers of 64 and 512).
inline constexpr size_t kMaxKeyChars = 63;
inline constexpr size_t kMaxUpdAddrChars = 511;

// "3.0.0.1" gives "3001".
std::string VersionDigits(const std::string& version);

// The digest text cut by as many characters as the version has digits, followed by the
// digits; an empty digest (unreadable file) gives the digits alone.
std::string ReleaseKey(const std::string& digestText, const std::string& version);

// Keys compare without regard to letter case.
bool KeysEqual(const std::string& a, const std::string& b);

// True when the published key names a file of this digest: for some n from 1 to 8 the
// key's last n characters are decimal digits and its first 32 - n characters equal the
// digest's first 32 - n characters (any letter case).
bool IsPublishedRelease(const std::string& publishedKey, const std::string& digestText);

// The throttle of a normal start: not on the UTC date of the last update and not on a
// disabled weekday of now.
bool IsUpdateDueAt(const UtcTime& lastUpdate, const UtcTime& now, std::uint32_t disableDays);

// The update configuration, an INI text: section "VerKey" with `Rendo` (omitted when
// empty) and `UpdAddr`.
std::string UpdateConfigText(const std::string& key, const std::string& updAddr);

// "Config" + name + ".htm": the configuration's file name on the update server.
std::string ConfigFileName(const std::string& name);

}  // namespace velmo
