#include "updater/UpgradeWindow.h"

#include <QPainter>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <future>

#include "platform/Messages.h"
#include "updater/UpgradeWorker.h"
#include "updater/WindowSkin.h"

void UpgradeProgress::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void UpgradeProgress::SetPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    repaint();  // at once: the worker does not wait for the window
}

void UpgradeProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (maximum_ > minimum_) {
        const int filled = width() * (position_ - minimum_) / (maximum_ - minimum_);
        painter.fillRect(QRect(0, 0, filled, height()), QColor(186, 214, 77));
    }
}

UpgradeWindow::UpgradeWindow(UpgradeServices services, QWidget* parent)
    : SkinnedWindow(kUpgradeMaskArt, kUpgradeBackgroundArt, parent),
      services_(std::move(services)) {
    setWindowTitle(kCaption);
    AddButton("BUTTON_EXIT,350,2,23,18,", 137, 138, 136, 137, QDialog::Rejected);
    progress_ = new UpgradeProgress(this);
    progress_->setGeometry(ParseLayout("BUTTON_Progress,22,105,330,15,")->rect);
    progress_->SetRange(0, 127);

    if (services_.closeMonitor && services_.closeMonitor()) {
        QThread::msleep(1000);  // let the monitor program let go of the mouse
    }
    UpgradeReports reports;
    reports.progress = [this](int block) {
        QMetaObject::invokeMethod(
            this, [this, block] { progress_->SetPosition(block); }, Qt::QueuedConnection);
    };
    reports.message = [this](const std::string& text) {
        // The worker waits until the user has read it, or until it is told to stop: a window
        // closing meanwhile never shows the message and must not wait for it.
        auto shown = std::make_shared<std::promise<void>>();
        std::future<void> read = shown->get_future();
        QMetaObject::invokeMethod(
            this,
            [this, text, shown] {
                messageShown_ = true;
                services_.messages.Show(text);
                shown->set_value();
            },
            Qt::QueuedConnection);
        while (read.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready &&
               !closing_) {
        }
    };
    worker_ = std::make_unique<UpgradeWorker>(
        services_.hid, services_.sleeper, std::move(reports), [this](bool succeeded) {
            QMetaObject::invokeMethod(
                this, [this, succeeded] { Finished(succeeded); }, Qt::QueuedConnection);
        });
    QTimer::singleShot(services_.startDelayMs, this, [this] { StartUpgrade(); });
}

UpgradeWindow::~UpgradeWindow() {
    closing_ = true;  // a message the worker waits for will not be shown now
    worker_.reset();  // stops the worker before the window it reports to goes
}

void UpgradeWindow::StartUpgrade() {
    progress_->SetPosition(0);
    const FirmwareLoadError error = LoadFirmwareImage(services_.firmware, image_);
    if (error != FirmwareLoadError::None) {
        if (services_.showFailure) {
            services_.showFailure();
        }
        return;  // the window stays open; EXIT ends the program
    }
    progress_->SetRange(0, static_cast<int>(image_.ProgressMax()));
    worker_->Start(image_);
}

void UpgradeWindow::Finished(bool succeeded) {
    succeeded_ = succeeded;
    // A transfer that broke off says so, unless a message already told the user.
    if (!succeeded && !messageShown_ && services_.showFailure) {
        services_.showFailure();
    }
    done(succeeded ? QDialog::Accepted : QDialog::Rejected);
}
