#pragma once

#include <QDialog>

#include <functional>

#include "updater/UpgradeWindow.h"

// The updater's windows in their order: the offer, the backup warning, then the upgrade window.
// Cancel or EXIT on the first two ends the program before the mouse is touched. `exec` runs a
// window modally and returns its result. Returns the exit code: 0 only after a good upgrade.
int RunUpdaterWindows(UpgradeServices services, const std::function<int(QDialog&)>& exec);
