#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "updater/UpgradeProcedure.h"

// The thread that runs the upgrade, so the window stays responsive. Start hands it an image;
// when the procedure ends, whatever its result, `finished` is called on the worker thread. The
// destructor stops it: the stop flag ends every wait at once.
class UpgradeWorker {
  public:
    UpgradeWorker(HidBackend& backend, Sleeper& sleeper, UpgradeReports reports,
                  std::function<void(bool succeeded)> finished);
    ~UpgradeWorker();
    UpgradeWorker(const UpgradeWorker&) = delete;
    UpgradeWorker& operator=(const UpgradeWorker&) = delete;

    // The image must stay unchanged until `finished` is called.
    void Start(const FirmwareImage& image);
    const std::atomic<bool>& stopFlag() const { return stop_; }

  private:
    void Run();

    std::atomic<bool> stop_{false};
    SlicedWaiter waiter_;
    BootloaderLink link_;
    UpgradeReports reports_;
    std::function<void(bool)> finished_;
    std::mutex mutex_;
    std::condition_variable event_;  // an auto-reset event: one Start, one run
    bool signalled_ = false;
    const FirmwareImage* image_ = nullptr;
    std::thread thread_;
};
