// Test builds only: switches that show the skinned controls for screenshots.
#pragma once

#include "build_settings.h"

#if VELMO_TESTING_BUILD
// Acts on a first argument of the skinned controls and then ends the process:
//   /test-skin-gallery        one skinned window with every control in each state;
//                             the exit code is the dialog's result (2 when closed);
//   /test-msgbox-<type> [text] SkinMessageBox of that type, with a text of the
//                             launcher's own when none is given; the exit code is its result.
// Any other argument returns without doing anything.
void RunSkinTestSwitches();
#endif
