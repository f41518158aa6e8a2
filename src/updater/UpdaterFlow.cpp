#include "updater/UpdaterFlow.h"

#include <memory>

#include "updater/SkinnedWindow.h"

int RunUpdaterWindows(UpgradeServices services, const std::function<int(QDialog&)>& exec) {
    for (SmallWindow which : {SmallWindow::Offer, SmallWindow::Warning}) {
        const std::unique_ptr<SkinnedWindow> window(MakeSmallWindow(which));
        if (exec(*window) != QDialog::Accepted) {
            return 1;
        }
    }
    UpgradeWindow upgrade(std::move(services));
    exec(upgrade);
    return upgrade.succeeded() ? 0 : 1;
}
