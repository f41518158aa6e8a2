#pragma once

#include <QWidget>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

#include "updater/FirmwareImage.h"
#include "updater/SkinnedWindow.h"

class HidBackend;
class Messages;
class Sleeper;
class UpgradeWorker;

// The bar that shows how many blocks went: black, filled in the updater's green.
class UpgradeProgress : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    void SetRange(int minimum, int maximum);
    void SetPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

// What the upgrade window needs from outside, so tests can stand in for each.
struct UpgradeServices {
    HidBackend& hid;
    Sleeper& sleeper;
    Messages& messages;                  // shown while the worker waits
    std::filesystem::path firmware;      // empty: no file named
    std::function<bool()> closeMonitor;  // true when it found and closed the monitor program
    std::function<void()> showFailure;   // the failure window, modal
    int startDelayMs = 1000;             // the window shows a moment before the upgrade starts
};

// Loads the image a second after it opens and lets the worker send it, moving the bar after
// every block; closes itself when the worker is done.
class UpgradeWindow : public SkinnedWindow {
    Q_OBJECT
  public:
    explicit UpgradeWindow(UpgradeServices services, QWidget* parent = nullptr);
    ~UpgradeWindow() override;

    UpgradeProgress* progress() const { return progress_; }
    bool succeeded() const { return succeeded_; }

    static constexpr const char* kCaption = "Kyte II firmware update";

  private:
    void StartUpgrade();
    void Finished(bool succeeded);

    UpgradeServices services_;
    UpgradeProgress* progress_ = nullptr;
    FirmwareImage image_;
    bool messageShown_ = false;
    bool succeeded_ = false;
    std::atomic<bool> closing_{false};
    std::unique_ptr<UpgradeWorker> worker_;
};
