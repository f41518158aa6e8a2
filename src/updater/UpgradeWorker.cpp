#include "updater/UpgradeWorker.h"

UpgradeWorker::UpgradeWorker(HidBackend& backend, Sleeper& sleeper, UpgradeReports reports,
                             std::function<void(bool)> finished)
    : waiter_(sleeper, stop_),
      link_(backend, waiter_),
      reports_(std::move(reports)),
      finished_(std::move(finished)),
      thread_([this] { Run(); }) {}

UpgradeWorker::~UpgradeWorker() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        signalled_ = true;
    }
    event_.notify_one();
    // Every wait of the procedure ends on the stop flag, so this returns within one slice or
    // one transfer.
    thread_.join();
    link_.CloseDevice();
}

void UpgradeWorker::Start(const FirmwareImage& image) {
    {
        const std::lock_guard lock(mutex_);
        image_ = &image;
        signalled_ = true;
    }
    event_.notify_one();
}

void UpgradeWorker::Run() {
    for (;;) {
        const FirmwareImage* image = nullptr;
        {
            std::unique_lock lock(mutex_);
            event_.wait(lock, [this] { return signalled_; });
            signalled_ = false;
            if (stop_) {
                return;
            }
            image = image_;
        }
        const bool succeeded = RunUpgrade(link_, waiter_, *image, reports_);
        link_.CloseDevice();
        if (finished_) {
            finished_(succeeded);
        }
    }
}
