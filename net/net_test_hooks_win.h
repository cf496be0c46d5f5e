// Test builds only: switches that run one HTTP transfer and write its outcome, so that
// end-to-end tests can hold each response shape against the real WinINet requests.
#pragma once

#include "build_settings.h"

#if VELMO_TESTING_BUILD
// Acts on "/test-http <ping|file|memory|file-operator> <address> <output> <result>" and
// ends the process; any other command line returns at once. <result> receives
// "result=<0|1> error=<last error>"; <output> the body (memory: as UTF-8).
void RunNetTestSwitches();
#endif
