#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include "sim/SimulatedHidBackend.h"
#include "support/FakeDevices.h"
#include "support/RecordedMessages.h"
#include "support/TempDir.h"
#include "updater/SingleInstance.h"
#include "updater/SkinnedButton.h"
#include "updater/UpdaterFlow.h"
#include "updater/WindowSkin.h"

namespace {

// Runs the event loop until the condition holds or ten seconds pass.
bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return condition();
}

TEST(WindowSkin, LayoutStringsAndMaskRegions) {
    const auto entry = ParseLayout("BUTTON_OK,198,152,112,20,");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->name, "BUTTON_OK");
    EXPECT_EQ(entry->rect, QRect(198, 152, 112, 20));
    EXPECT_EQ(ParseLayout("BUTTON_Progress,22,105,330,15,extra")->rect, QRect(22, 105, 330, 15));
    for (const char* bad :
         {"", "BUTTON_OK,1,2,3", "BUTTON_OK,1,2,3,4", ",1,2,3,4,", "B,1,x,3,4,"}) {
        EXPECT_FALSE(ParseLayout(bad).has_value()) << bad;
    }

    QImage mask(5, 3, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (QPoint white : {QPoint(1, 0), QPoint(2, 0), QPoint(4, 0), QPoint(0, 2), QPoint(1, 2)}) {
        mask.setPixel(white, qRgb(255, 255, 255));
    }
    mask.setPixel(3, 1, qRgb(255, 255, 254));  // nearly white is outside
    const QRegion region = RegionFromMask(mask);
    EXPECT_EQ(region, QRegion(1, 0, 2, 1) + QRegion(4, 0, 1, 1) + QRegion(0, 2, 2, 1));
    EXPECT_FALSE(region.contains(QPoint(3, 1)));
}

TEST(SkinnedWindows, ButtonsSitWhereTheirLayoutSaysAndTakeTheirLooks) {
    std::unique_ptr<SkinnedWindow> offer(MakeSmallWindow(SmallWindow::Offer));
    EXPECT_EQ(offer->size(), QSize(376, 177));
    SkinnedButton* ok = offer->Button("BUTTON_OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(198, 152, 112, 20));  // x 198 … 310, y 152 … 172
    EXPECT_EQ(ok->CurrentImage(), UpdaterArt(155));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(ok, &enter);
    EXPECT_EQ(ok->CurrentImage(), UpdaterArt(153));
    ok->setDown(true);
    EXPECT_EQ(ok->CurrentImage(), UpdaterArt(154));
    ok->setDown(false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(ok, &leave);
    ok->setEnabled(false);
    EXPECT_EQ(ok->CurrentImage(), UpdaterArt(155));
    // The mask cuts the corner: the window is not a plain rectangle.
    EXPECT_FALSE(offer->mask().contains(QPoint(375, 176)));
    EXPECT_TRUE(offer->mask().contains(QPoint(188, 88)));
}

TEST(SkinnedWindows, EnterAndEscapeChangeNothingOnlyButtonsClose) {
    const struct {
        SmallWindow which;
        const char* button;
        int result;
    } cases[] = {
        {SmallWindow::Offer, "BUTTON_OK", QDialog::Accepted},
        {SmallWindow::Offer, "BUTTON_CANCEL", QDialog::Rejected},
        {SmallWindow::Warning, "BUTTON_OK", QDialog::Accepted},
        {SmallWindow::Warning, "BUTTON_EXIT", QDialog::Rejected},
        {SmallWindow::Failure, "BUTTON_OK", QDialog::Accepted},
    };
    for (const auto& c : cases) {
        std::unique_ptr<SkinnedWindow> window(MakeSmallWindow(c.which));
        window->setResult(-1);
        window->show();
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(window.get(), Qt::Key_Return);
        EXPECT_TRUE(window->isVisible()) << c.button;
        EXPECT_EQ(window->result(), -1);
        QTest::mouseClick(window->Button(c.button), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible()) << c.button;
        EXPECT_EQ(window->result(), c.result) << c.button;
    }
}

// The upgrade window on a simulated mouse, its pauses written down.
struct UpgradeRig {
    MemorySimStateStore store;
    SimulatedHidBackend sim{store};
    RecordingSleeper sleeper;
    RecordedMessages messages;
    TempDir dir;
    int failures = 0;
    UpgradeRig() { store.state().faults.restartSearches = 0; }
    UpgradeServices Services(std::filesystem::path firmware, Sleeper* pauses = nullptr) {
        UpgradeServices services{sim,
                                 pauses ? *pauses : sleeper,
                                 messages,
                                 std::move(firmware),
                                 [] { return false; },
                                 [this] { ++failures; }};
        services.startDelayMs = 0;
        return services;
    }
    std::filesystem::path Firmware(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 13);
        }
        WriteBytes(dir / "fw.bin", bytes);
        firmware = bytes;
        return dir / "fw.bin";
    }
    std::vector<std::uint8_t> firmware;
};

TEST(UpgradeWindow, FlashesTheImageMovesTheBarAndCloses) {
    UpgradeRig rig;
    UpgradeWindow window(rig.Services(rig.Firmware(5000)));
    EXPECT_EQ(window.windowTitle(), "Kyte II firmware update");
    EXPECT_EQ(window.progress()->geometry(), QRect(22, 105, 330, 15));
    EXPECT_EQ(window.progress()->maximum(), 127);
    window.show();
    ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }));
    EXPECT_TRUE(window.succeeded());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.progress()->maximum(), 4);
    EXPECT_EQ(window.progress()->position(), 4);
    EXPECT_EQ(rig.store.state().boot.firmware, rig.firmware);
    EXPECT_EQ(rig.failures, 0);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(UpgradeWindow, AnImageThatCannotBeLoadedShowsTheFailureAndStaysOpen) {
    for (const char* name : {"missing.bin", "", "empty.bin"}) {
        UpgradeRig rig;
        WriteBytes(rig.dir / "empty.bin", {});
        UpgradeWindow window(rig.Services(*name ? rig.dir / name : std::filesystem::path()));
        window.show();
        ASSERT_TRUE(WaitFor([&] { return rig.failures == 1; })) << name;
        QTest::qWait(50);
        EXPECT_TRUE(window.isVisible()) << name;
        EXPECT_EQ(rig.store.state().transfers, 0) << name;
    }
}

TEST(UpgradeWindow, ABrokenTransferEndsWithTheFailureWindowAndAMissingMouseWithItsMessage) {
    {
        UpgradeRig rig;
        rig.store.state().faults.unplugAtBlock = 2;
        UpgradeWindow window(rig.Services(rig.Firmware(5000)));
        window.show();
        ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }));
        EXPECT_FALSE(window.succeeded());
        EXPECT_EQ(rig.failures, 1);
        EXPECT_EQ(window.progress()->position(), 1);
    }
    {
        UpgradeRig rig;
        rig.store.state().plugged = false;
        UpgradeWindow window(rig.Services(rig.Firmware(100)));
        window.show();
        ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }));
        EXPECT_EQ(
            rig.messages.shown,
            std::vector<std::string>{"Mouse is not connected and or not in bootloader mode\n"});
        EXPECT_EQ(rig.failures, 0) << "the message said it already";
    }
}

// Pauses counted across threads; each one really takes a moment.
class CountingSleeper : public Sleeper {
  public:
    void SleepMs(int) override {
        ++pauses;
        QThread::usleep(100);
    }
    std::atomic<int> pauses{0};
};

TEST(UpgradeWindow, ClosingItMidwayStopsTheWorker) {
    UpgradeRig rig;
    CountingSleeper sleeper;
    rig.store.state().plugged = false;  // it would search 180 times
    auto window = std::make_unique<UpgradeWindow>(rig.Services(rig.Firmware(100), &sleeper));
    window->show();
    ASSERT_TRUE(WaitFor([&] { return sleeper.pauses > 20; }));
    QTest::mouseClick(window->Button("BUTTON_EXIT"), Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    window.reset();  // joins the worker: the stop flag ends its waits
    EXPECT_LT(sleeper.pauses, 1000);
}

TEST(UpgradeWindow, ClosingItWhileAMessageWaitsDoesNotHang) {
    UpgradeRig rig;
    CountingSleeper sleeper;
    rig.store.state().plugged = false;
    auto window = std::make_unique<UpgradeWindow>(rig.Services(rig.Firmware(100), &sleeper));
    window->show();
    ASSERT_TRUE(WaitFor([&] { return sleeper.pauses > 0; }));
    // No events from here on: the message the worker asks for cannot be shown.
    // 500 ms, then 179 searches of 1000 ms: 1795 slices before the message.
    QElapsedTimer clock;
    clock.start();
    while (sleeper.pauses < 1795 && clock.elapsed() < 20000) {
        QThread::msleep(5);
    }
    ASSERT_EQ(sleeper.pauses, 1795);
    QThread::msleep(50);
    window.reset();
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(UpdaterFlow, CancelOnTheWarningEndsWithoutTouchingTheMouse) {
    UpgradeRig rig;
    std::vector<QString> shown;
    const int code = RunUpdaterWindows(rig.Services(rig.Firmware(100)), [&](QDialog& window) {
        shown.push_back(window.findChild<SkinnedButton*>("BUTTON_OK") ? "small" : "upgrade");
        return shown.size() == 1 ? QDialog::Accepted : QDialog::Rejected;
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(rig.store.state().transfers, 0);
}

TEST(SingleInstance, ASecondCopyGivesWay) {
    const QString name = QString("vosk8200-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    ASSERT_TRUE(first.Acquire());
    SingleInstance second(name);
    EXPECT_FALSE(second.Acquire());
}

}  // namespace
