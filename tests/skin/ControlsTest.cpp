// The skinned controls: what they draw in each state, and what they report to their owner.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

#include "skin/ColorPanel.h"
#include "skin/SknButtons.h"
#include "skin/SknImageDialog.h"
#include "skin/SknLabels.h"
#include "skin/SknMenu.h"
#include "skin/SknMouseStatic.h"
#include "skin/SknSliders.h"

namespace {

using Reports = std::vector<std::pair<int, int>>;

QImage Solid(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class FakeClock : public TickClock {
  public:
    std::uint32_t Ticks() const override { return now; }
    std::uint32_t now = 100000;
};

// Counts pixels near a colour in a rendered control.
int CountNear(const QImage& image, QColor color, int tolerance = 24) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) <= tolerance &&
                std::abs(c.green() - color.green()) <= tolerance &&
                std::abs(c.blue() - color.blue()) <= tolerance) {
                ++n;
            }
        }
    }
    return n;
}

// The pointer moving over a widget, delivered to it directly.
void Hover(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QImage Render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

struct Owner {
    QWidget window;
    Reports reports;
    ReportFn Sink() {
        return [this](int code, int value) { reports.emplace_back(code, value); };
    }
    Owner() { window.resize(400, 300); }
};

TEST(SknButton, LooksFollowStateLatchAndDisabling) {
    Owner owner;
    CSknButton button(1042, &owner.window);
    button.setGeometry(10, 10, 80, 24);
    button.SetImages(Solid({80, 24}, Qt::red), Solid({80, 24}, Qt::green),
                     Solid({80, 24}, Qt::blue), std::nullopt);
    button.SetText("Apply");
    const struct {
        int state;
        int latched;
        bool enabled;
        QColor image;
        QColor text;
    } cases[] = {
        {0, 0, true, Qt::red, QColor(0xD2, 0xD2, 0xD2)},
        {1, 0, true, Qt::green, Qt::white},
        {2, 0, true, Qt::blue, QColor(0xD2, 0xD2, 0xD2)},
        {0, 1, true, Qt::blue, QColor(0xB3, 0xD3, 0x35)},
        // Disabled without a disabled look: the look the latch and state pick, grey text.
        {1, 0, false, Qt::green, QColor(0x78, 0x78, 0x78)},
        {0, 1, false, Qt::blue, QColor(0x78, 0x78, 0x78)},
    };
    for (const auto& c : cases) {
        button.state = c.state;
        button.latched = c.latched;
        button.setEnabled(c.enabled);
        EXPECT_EQ(button.CurrentTextColor(), c.text) << c.state << c.latched << c.enabled;
        const QImage drawn = Render(button);
        EXPECT_EQ(drawn.pixelColor(78, 2), c.image) << c.state << c.latched << c.enabled;
        EXPECT_GT(CountNear(drawn, c.text, 40), 5) << "the caption in its colour";
    }
    button.setEnabled(false);
    button.SetImages(Solid({80, 24}, Qt::red), {}, {}, Solid({80, 24}, Qt::yellow));
    EXPECT_EQ(Render(button).pixelColor(78, 2), QColor(Qt::yellow));
}

TEST(SknButton, HoverIsReportedAndPressReleaseChangeTheState) {
    Owner owner;
    CSknButton button(1041, &owner.window);
    button.setGeometry(10, 10, 80, 24);
    button.SetReport(owner.Sink());
    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
    owner.window.show();
    QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.state, 1);
    EXPECT_EQ(owner.reports, (Reports{{1041, 0}}));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.state, 2);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.state, 0);
    EXPECT_EQ(clicks, 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.tracking, 0);
}

TEST(SknCheckBox, OnlyAReleaseAfterAPressToggles) {
    Owner owner;
    CSknCheckBox box(1030, &owner.window);
    box.setGeometry(0, 0, 60, 20);
    box.SetImages(Solid({60, 20}, Qt::red), Solid({60, 20}, Qt::green), Solid({60, 20}, Qt::blue),
                  std::nullopt);
    owner.window.show();
    int checkedAtClick = -1;
    QObject::connect(&box, &QAbstractButton::clicked, [&] { checkedAtClick = box.checked; });

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &release);
    EXPECT_EQ(box.checked, 0) << "a release without a press";

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box.checked, 1);
    EXPECT_EQ(checkedAtClick, 1) << "the owner's click sees the new state";
    EXPECT_EQ(Render(box).pixelColor(30, 10), QColor(Qt::blue)) << "checked shows the Down look";
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box.checked, 0);
}

TEST(ColorPanel, ACellPicksItsColourAndADividingLineNothing) {
    Owner owner;
    FakeClock clock;
    CSknCbnColorButton button(1034, &owner.window, clock);
    button.setGeometry(73, 145, 17, 16);
    button.SetReport(owner.Sink());
    QImage panelImage(102, 82, QImage::Format_RGB32);
    panelImage.fill(Qt::black);
    button.SetImagesAndPanel(Solid({17, 16}, Qt::red), {}, {}, panelImage);
    owner.window.show();
    CColorPanel* panel = button.panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->id(), 100000);
    EXPECT_FALSE(panel->isVisible());

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->size(), QSize(102, 82));
    EXPECT_EQ(panel->pos(), button.mapToGlobal(QPoint(0, 16)));

    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(21, 10));  // the line between 1 and 2
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(owner.reports.empty());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(25, 10));  // cell 2
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(owner.reports, (Reports{{1034, 0x4D73F6}}));
    EXPECT_EQ(button.color, 0x4D73F6u);

    // Two seconds after the pointer left both, the panel closes; a second click closes it too.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    panel->cursorPosition = [&] { return panel->frameGeometry().center(); };
    panel->CheckPointer();
    EXPECT_TRUE(panel->isVisible());
    panel->cursorPosition = [] { return QPoint(-500, -500); };
    panel->CheckPointer();
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(panel->isVisible());
}

TEST(SknComboButton, TheOwnerCanRefuseAChoiceAndTakesTheNext) {
    Owner owner;
    FakeClock clock;
    CSknComboButton box(1012, &owner.window, clock);
    box.setGeometry(57, 43, 182, 23);
    box.AddEntry(9, "Profile switch up");
    box.AddEntry(15, "Disable Button");
    box.AddEntry(255, "Default Commands");
    box.AddSubEntry(0, 255, "Left Click");
    box.SetValue("Left Click", 0, -1);
    bool refuse = true;
    box.SetReport([&](int code, int value) {
        owner.reports.emplace_back(code, value);
        if (refuse) {
            box.accept = 0;
            refuse = false;
        }
    });
    box.MenuReport(box.menu()->id(), 15);
    EXPECT_EQ(box.text, "Left Click");
    EXPECT_EQ(box.code, 0);
    EXPECT_EQ(box.accept, 1);
    box.MenuReport(box.menu()->id(), 9);
    EXPECT_EQ(box.text, "Profile switch up");
    EXPECT_EQ(box.code, 9);
    box.MenuReport(255, 0);  // from the sub-menu, under its parent entry's id
    EXPECT_EQ(box.text, "Left Click");
    box.MenuReport(box.menu()->id(), 77);  // no such entry
    box.MenuReport(NM_FORWARD, 1);
    EXPECT_EQ(owner.reports, (Reports{{1012, 15}, {1012, 9}, {1012, 0}, {NM_FORWARD, 1}}));
    EXPECT_EQ(box.TextOfEntry(0), "Left Click");
    EXPECT_EQ(box.TextOfEntry(7), "");
}

TEST(SknComboButton, AClickWhileTheMenuIsOpenClosesItWithoutReopening) {
    Owner owner;
    FakeClock clock;
    CSknComboButton box(1020, &owner.window, clock);
    box.setGeometry(9, 187, 16, 20);
    box.AddEntry(1, "Rename");
    box.AddEntry(2, "Save current settings");
    owner.window.show();
    CSknMenu* menu = box.menu();

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), box.mapToGlobal(QPoint(0, 20)));
    box.SeenTick();  // the timer sees it open
    clock.now += 50;
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(menu->isVisible()) << "the click closed it and did not reopen it";
    clock.now += 200;
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(menu->isVisible()) << "200 ms later a click opens it";
    menu->Close();
    EXPECT_EQ(CSknMenu::InstalledFilters(), 0);
}

// A menu of two entries with a sub-menu under the second, reporting to a list.
struct MenuRig {
    Owner owner;
    CSknMenu menu{4711, owner.Sink(), &owner.window};
    MenuRig() {
        menu.resize(170, 10);
        menu.AddItem(1, "Start record before event");
        menu.AddItem(3, "Insert mouse event");
        menu.AddSubItem(7, 3, "Left button");
        menu.Submenu(3)->resize(120, 10);
        menu.Submenu(3)->AddSubItem(8, 7, "Down");
        owner.window.show();
    }
};

TEST(SknMenu, TwoEntriesAreTwoLinesAndEightPixelsHigh) {
    MenuRig rig;
    rig.menu.Show(0, 100, 100);
    const int h = QFontMetrics(rig.menu.font).height();
    EXPECT_EQ(rig.menu.height(), 2 * h + 8);
    EXPECT_EQ(rig.menu.items()[0].rect, QRect(QPoint(1, 4), QPoint(170 - 15 - 1, 4 + h - 1)));
    EXPECT_EQ(rig.menu.items()[1].rect.top(), 4 + h);
    EXPECT_EQ(rig.menu.pos(), QPoint(100, 100));
    rig.menu.AddItem(1, "again");  // a second entry with the same id is ignored
    EXPECT_EQ(rig.menu.items().size(), 2u);
    EXPECT_EQ(rig.menu.FindItem(8)->text, "Down");
    rig.menu.Close();

    CSknMenu empty(1, {}, &rig.owner.window);
    empty.Show(0, 0, 0);
    EXPECT_FALSE(empty.isVisible());
}

TEST(SknMenu, SubmenuEntriesOpenPlainEntriesReportAndCloseTheTree) {
    MenuRig rig;
    rig.menu.Show(0, 100, 100);
    const QPoint second = rig.menu.items()[1].rect.center();
    Hover(&rig.menu, second);
    CSknMenu* sub = rig.menu.Submenu(3);
    ASSERT_TRUE(sub->isVisible());
    QTest::mouseClick(&rig.menu, Qt::LeftButton, {}, second);
    EXPECT_TRUE(rig.menu.isVisible()) << "an entry with a sub-menu is not chosen";
    EXPECT_TRUE(rig.owner.reports.empty());

    Hover(sub, sub->items()[0].rect.center());
    CSknMenu* subsub = sub->Submenu(7);
    ASSERT_TRUE(subsub->isVisible());
    QTest::mouseClick(subsub, Qt::LeftButton, {}, subsub->items()[0].rect.center());
    EXPECT_FALSE(rig.menu.isVisible());
    EXPECT_FALSE(sub->isVisible());
    EXPECT_FALSE(subsub->isVisible());
    // The choice, reported under the sub-menu's id, then the hiding bracketed 1 … 0.
    ASSERT_FALSE(rig.owner.reports.empty());
    EXPECT_EQ(rig.owner.reports.front(), (std::pair{7, 8}));
    EXPECT_EQ(rig.owner.reports[1], (std::pair{NM_FORWARD, 1}));
    EXPECT_EQ(rig.owner.reports.back(), (std::pair{NM_FORWARD, 0}));
    EXPECT_EQ(std::count(rig.owner.reports.begin(), rig.owner.reports.end(), std::pair{7, 8}), 1);
    EXPECT_EQ(CSknMenu::InstalledFilters(), 0);
}

TEST(SknMenu, AClickElsewhereClosesTheTreeAndLeavesNoFilter) {
    MenuRig rig;
    for (int round = 0; round < 5; ++round) {
        rig.menu.Show(0, 100, 100);
        EXPECT_EQ(CSknMenu::InstalledFilters(), 1);
        Hover(&rig.menu, rig.menu.items()[1].rect.center());
        CSknMenu* sub = rig.menu.Submenu(3);
        ASSERT_TRUE(sub->isVisible());
        EXPECT_EQ(CSknMenu::InstalledFilters(), 1) << "one filter for the whole tree";
        // A press inside the parent menu keeps the tree open.
        sub->OutsidePress(rig.menu.frameGeometry().center());
        EXPECT_TRUE(sub->isVisible());
        QTest::mouseClick(&rig.owner.window, Qt::LeftButton, {}, QPoint(390, 290));
        EXPECT_FALSE(rig.menu.isVisible()) << round;
        EXPECT_FALSE(sub->isVisible()) << round;
        EXPECT_EQ(CSknMenu::InstalledFilters(), 0) << round;
    }
}

TEST(SknMenu, AnotherProgramTakingTheActivationClosesTheTree) {
    MenuRig rig;
    rig.menu.Show(0, 100, 100);
    Hover(&rig.menu, rig.menu.items()[1].rect.center());
    ASSERT_TRUE(rig.menu.Submenu(3)->isVisible());
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(rig.menu.isVisible());
    EXPECT_FALSE(rig.menu.Submenu(3)->isVisible());
    EXPECT_EQ(CSknMenu::InstalledFilters(), 0);
}

TEST(SknSlider, DraggingSnapsToTheStepAndReportsEachValueOnce) {
    Owner owner;
    CSknSliderCtrl slider(1014, &owner.window);
    slider.setGeometry(560, 70, 176, 17);
    slider.SetImages(std::nullopt, Solid({12, 17}, Qt::white), Solid({12, 17}, Qt::white),
                     std::nullopt);
    slider.rangeMin = 200;
    slider.rangeMax = 1400;
    slider.step = 200;
    slider.SetReport(owner.Sink());
    owner.window.show();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(88, 8));
    EXPECT_EQ(owner.reports, (Reports{{1014, 800}}));
    QTest::mouseMove(&slider, QPoint(90, 8));  // still 800
    EXPECT_EQ(owner.reports.size(), 1u);
    QTest::mouseMove(&slider, QPoint(120, 8));  // 1039 → 1000
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(120, 8));
    EXPECT_EQ(owner.reports, (Reports{{1014, 800}, {1014, 1000}}));
    EXPECT_EQ(slider.position, 1000);

    // Set position: the value last reported does nothing, any other is reported.
    owner.reports.clear();
    slider.SetPosition(1000);
    EXPECT_TRUE(owner.reports.empty());
    slider.SetPosition(1100);  // no snapping when the owner sets it
    EXPECT_EQ(owner.reports, (Reports{{1014, 1100}}));
    EXPECT_EQ(slider.position, 1100);

    // Disabled: no mouse, and without a disabled thumb only the background is drawn.
    slider.state = 3;
    owner.reports.clear();
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_TRUE(owner.reports.empty());
    slider.SetImages(Solid({176, 17}, Qt::darkGray), Solid({12, 17}, Qt::white), {}, {});
    EXPECT_EQ(CountNear(Render(slider), Qt::white, 0), 0);
}

TEST(SknSlider3D, ThumbsPassEachOtherAndReportTheirNumber) {
    Owner owner;
    CSknSliderCtrl3D slider(1022, &owner.window);
    slider.setGeometry(0, 71, 672, 41);
    slider.SetImages(std::nullopt, {Solid({12, 18}, Qt::red), Solid({12, 18}, Qt::green),
                                    Solid({12, 18}, Qt::blue)});
    slider.rangeMin = 200;
    slider.rangeMax = 8200;
    slider.step = 200;
    slider.SetReport(owner.Sink());
    slider.SetThumbPosition(1, 2000, false);
    slider.SetThumbPosition(2, 4000, true);
    slider.SetThumbPosition(3, 6000, false);
    EXPECT_EQ(owner.reports, (Reports{{1022, 2 * 65536 + 4000}}));
    owner.window.show();
    owner.reports.clear();

    // Thumb 2 dragged left past thumb 1, then thumb 1 dragged right past thumb 2.
    const QPoint two = slider.ThumbRect(2).center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, two);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(20, two.y()));
    EXPECT_EQ(slider.positions[1], 400);
    const QPoint one = slider.ThumbRect(1).center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, one);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, one.y()));
    EXPECT_GT(slider.positions[0], slider.positions[1]);
    ASSERT_GE(owner.reports.size(), 2u);
    EXPECT_EQ(owner.reports.front(), (std::pair{1022, 2 * 65536 + 400}));
    EXPECT_EQ(owner.reports.back().second >> 16, 1);
    EXPECT_EQ(slider.activeThumb, 0);
    slider.SetThumbPosition(3, 99999, false);
    EXPECT_EQ(slider.positions[2], 8200) << "clamped";
}

TEST(SknScrollCtrl, OrientationFollowsTheShapeAndEndButtonsJump) {
    const struct {
        QSize size;
        int vertical;
    } shapes[] = {{{200, 17}, 0}, {{17, 200}, 1}, {{40, 40}, 1}};
    for (const auto& shape : shapes) {
        Owner owner;
        CSknScrollCtrl bar(100, &owner.window);
        bar.resize(shape.size);
        const QImage part = Solid({16, 16}, Qt::gray);
        bar.SetImagesAndLayout({Solid(shape.size, Qt::black), part, part, part, part, part, part});
        EXPECT_EQ(bar.vertical, shape.vertical) << shape.size.width();
    }
    Owner owner;
    CSknScrollCtrl bar(100, &owner.window);
    bar.setGeometry(0, 0, 23, 222);
    const QImage start = Solid({23, 16}, Qt::gray);
    const QImage thumb = Solid({23, 56}, Qt::white);
    bar.SetImagesAndLayout({Solid({23, 222}, Qt::black), thumb, thumb, start, start, start, start});
    EXPECT_EQ(bar.trackRect, QRect(0, 16, 23, 190));
    bar.rangeMin = 11;
    bar.rangeMax = 20;
    bar.SetReport(owner.Sink());
    owner.window.show();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 214));  // the end button
    EXPECT_EQ(owner.reports, (Reports{{100, 20}, {100, 20}}));
    EXPECT_EQ(bar.thumbRect.bottom() + 1, 206);
    owner.reports.clear();
    bar.rangeMax = bar.rangeMin;
    bar.SetPosition(5);
    EXPECT_EQ(owner.reports, (Reports{{100, 11}}));
    EXPECT_EQ(bar.thumbRect.top(), 16) << "an empty range keeps the thumb at the start";
}

TEST(SknProgressCtrl, FillsInProportion) {
    CSknProgressCtrl bar;
    bar.resize(101, 20);
    bar.background = Solid({101, 20}, Qt::black);
    bar.barImage = Solid({101, 20}, Qt::green);
    bar.rangeMax = 10;
    bar.position = 5;
    QImage drawn = Render(bar);
    EXPECT_EQ(drawn.pixelColor(49, 10), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(50, 10), QColor(Qt::black)) << "101 × 0.5 rounds down to 50";
    bar.vertical = 1;
    bar.resize(20, 101);
    bar.background = Solid({20, 101}, Qt::black);
    bar.barImage = Solid({20, 101}, Qt::green);
    drawn = Render(bar);
    EXPECT_EQ(drawn.pixelColor(10, 100), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(10, 51), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(10, 50), QColor(Qt::black));
}

TEST(SknStatic, PictureAndTextIndexes) {
    CSknStatic label(1027, nullptr);
    label.resize(30, 20);
    for (QColor color : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        label.AddImage(Solid({30, 20}, color));
    }
    label.fillColor = 0xFF000000;
    label.imageIndex = 2;
    EXPECT_EQ(Render(label).pixelColor(2, 2), QColor(Qt::blue));
    label.imageIndex = 3;
    EXPECT_EQ(Render(label).pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(label.CurrentText(), "");
    label.SetText("10");
    EXPECT_EQ(label.texts, std::vector<QString>{"10"});
    label.texts.push_back("other");
    label.textIndex = 1;
    label.SetText("9");
    EXPECT_EQ(label.texts, (std::vector<QString>{"9", "other"}));
    EXPECT_EQ(label.CurrentText(), "9");
}

TEST(SknEdit, EveryChangeOfTheTextReportsOnce) {
    Owner owner;
    CSknEdit edit(1082, &owner.window);
    edit.SetReport(owner.Sink());
    owner.window.show();
    QTest::keyClicks(&edit, "25");
    EXPECT_EQ(owner.reports, (Reports{{1082, 102}, {1082, 102}}));
    edit.setText("25");  // the same text: no change
    EXPECT_EQ(owner.reports.size(), 2u);
}

TEST(SknMouseStatic, EffectsStepTheZoneAlpha) {
    QWidget page;
    CSknMouseStatic mouse(&page);
    mouse.resize(205, 212);
    page.show();
    auto alpha = [&] { return int(mouse.zoneColors[0] >> 24); };

    mouse.SetEffect(3);
    mouse.effectCounter = 0;
    mouse.breathingUp = true;
    std::vector<int> rising;
    for (int tick = 0; tick < 26; ++tick) {
        mouse.EffectTick();
        rising.push_back(alpha());
    }
    EXPECT_EQ(rising[0], 10);
    EXPECT_EQ(rising[24], 250);
    EXPECT_EQ(rising[25], 255) << "0 to 255 in 26 ticks";
    for (int tick = 0; tick < 26; ++tick) {
        mouse.EffectTick();
    }
    EXPECT_EQ(alpha(), 0) << "and back in as many";

    mouse.SetEffect(1);
    mouse.effectCounter = 200;
    mouse.EffectTick();
    EXPECT_EQ(alpha(), 0);
    mouse.EffectTick();
    EXPECT_EQ(alpha(), 255);

    mouse.SetEffect(2);
    mouse.effectCounter = 14;
    mouse.EffectTick();  // 15
    EXPECT_EQ(alpha(), 0);
    mouse.EffectTick();  // 16
    EXPECT_EQ(alpha(), 255);

    mouse.SetEffect(0);
    EXPECT_EQ(alpha(), 255);
    mouse.ShiftTick();
    EXPECT_EQ(mouse.zoneColors[3] & 0xFFFFFF, (240u << 16) | (135u << 8) | 5u);
}

TEST(SknImageDialog, TakesTheSizeOfItsBackground) {
    CSknImageDialog dialog;
    dialog.move(30, 40);
    dialog.SetBackground(Solid({783, 349}, Qt::darkGreen));
    EXPECT_EQ(dialog.size(), QSize(783, 349));
    EXPECT_EQ(dialog.pos(), QPoint(30, 40));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Render(dialog).pixelColor(5, 5), QColor(Qt::darkGreen));
}

}  // namespace
