// Test builds only: per-test operator settings and the "/test-" switches that the
// end-to-end tests use. A release build compiles none of this.
#pragma once

#include "build_settings.h"

#if VELMO_TESTING_BUILD
// Reads section [operator] of "velmo-test.ini" beside the executable, when present.
void LoadTestOverrides();
// Acts on a first argument that begins with "/test-":
//   /test-crash        raises an access violation (the crash dump must be written);
//   /test-crash-twice  writes a dump through the filter, moves it to ".dmp.first",
//                      then crashes (no second dump may appear).
void RunTestSwitches();
#endif
