#pragma once
// main() for the tests of the player's window: besides the test tile
// server, no window looks at the machine's real mounts for a card unless
// its test gives it some.

#include "QtTestMain.h"
#include "app/PlayerDlg.h"

#define DUALDASH_PLAYER_TEST_MAIN(TestClass) \
    DUALDASH_QT_TEST_MAIN_WITH(TestClass, CPlayerDlg::SetDefaultVolumeSource([] { return std::vector<MountedVolume>{}; }))
