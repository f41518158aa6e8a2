#include "updater/MonitorProgram.h"

// Built without X11: there is no monitor window to find.
bool CloseMonitorProgram() {
    return false;
}
