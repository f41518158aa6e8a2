#include "updater/SkinnedWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include "updater/SkinnedButton.h"
#include "updater/WindowSkin.h"

SkinnedWindow::SkinnedWindow(int maskArt, int backgroundArt, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog),
      background_(UpdaterArt(backgroundArt)) {
    setFixedSize(background_.size());
    setMask(RegionFromMask(UpdaterArt(maskArt)));
    setWindowTitle("Reflasher");
}

SkinnedButton* SkinnedWindow::AddButton(const QString& layout, int normal, int hover, int pressed,
                                        int disabled, int result) {
    const std::optional<LayoutEntry> entry = ParseLayout(layout);
    if (!entry) {
        return nullptr;
    }
    auto* button = new SkinnedButton(this, entry->rect.topLeft(), UpdaterArt(normal),
                                     UpdaterArt(hover), UpdaterArt(pressed), UpdaterArt(disabled));
    button->setObjectName(entry->name);
    connect(button, &SkinnedButton::clicked, this, [this, result] { done(result); });
    return button;
}

SkinnedButton* SkinnedWindow::Button(const QString& name) const {
    return findChild<SkinnedButton*>(name);
}

void SkinnedWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

void SkinnedWindow::mousePressEvent(QMouseEvent* event) {
    // Borderless: the whole window is its title bar.
    if (event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
    }
    QDialog::mousePressEvent(event);
}

void SkinnedWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();  // only the buttons close the window
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

SkinnedWindow* MakeSmallWindow(SmallWindow which, QWidget* parent) {
    struct ButtonArt {
        const char* layout;
        int normal, hover, pressed, disabled;
        int result;
    };
    constexpr ButtonArt kExit{"BUTTON_EXIT,350,2,23,18,", 137, 138, 136, 137, QDialog::Rejected};
    constexpr ButtonArt kCancel{
        "BUTTON_CANCEL,319,152,51,20,", 149, 147, 148, 149, QDialog::Rejected};
    auto* window = new SkinnedWindow(kSmallMaskArt,
                                     which == SmallWindow::Offer     ? 143
                                     : which == SmallWindow::Warning ? 157
                                                                     : 139,
                                     parent);
    auto add = [window](const ButtonArt& art) {
        window->AddButton(art.layout, art.normal, art.hover, art.pressed, art.disabled, art.result);
    };
    switch (which) {
        case SmallWindow::Offer:
            add({"BUTTON_OK,198,152,112,20,", 155, 153, 154, 155, QDialog::Accepted});
            add(kCancel);
            break;
        case SmallWindow::Warning:
            add({"BUTTON_OK,247,152,63,20,", 160, 158, 159, 160, QDialog::Accepted});
            add(kCancel);
            break;
        case SmallWindow::Failure:
            add({"BUTTON_OK,319,152,51,20,", 141, 142, 140, 141, QDialog::Accepted});
            break;
    }
    add(kExit);
    if (which != SmallWindow::Failure) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return window;
}
