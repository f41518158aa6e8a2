#include "skin/SknButtons.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "skin/ColorPanel.h"
#include "skin/LabelText.h"
#include "skin/SknMenu.h"

namespace {

QFont ArialFont(int pixels) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

CSknButtonBase::CSknButtonBase(int controlId, QWidget* parent)
    : QAbstractButton(parent), controlId_(controlId) {
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

void CSknButtonBase::SetImages(std::optional<QImage> normal, std::optional<QImage> over,
                               std::optional<QImage> down, std::optional<QImage> disabled) {
    images_ = {std::move(normal), std::move(over), std::move(down), std::move(disabled)};
    update();
}

const QImage* CSknButtonBase::ChosenImage() const {
    auto image = [this](Look look) -> const QImage* {
        const auto& slot = images_[std::size_t(look)];
        return slot ? &*slot : nullptr;
    };
    if (!isEnabled() && image(Disabled)) {
        return image(Disabled);
    }
    if (LatchedLook() && image(Down)) {
        return image(Down);
    }
    switch (state) {
        case 2:
            return image(Down);
        case 1:
            return image(Over);
        case 0:
            return image(Normal);
        default:
            return nullptr;
    }
}

void CSknButtonBase::Report(int code, int value) const {
    if (report_) {
        report_(code, value);
    }
}

void CSknButtonBase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const QImage* image = ChosenImage()) {
        painter.drawImage(rect(), *image);
    }
    PaintText(painter);
}

void CSknButtonBase::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    tracking = 1;
    pressed = (QGuiApplication::mouseButtons() & Qt::LeftButton) ? 1 : 0;
    state = 1;
    update();
    OnHover();
}

void CSknButtonBase::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    pressed = 0;
    state = 0;
    tracking = 0;
    update();
}

void CSknButtonBase::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    pressed = 1;
    state = 2;
    update();
}

void CSknButtonBase::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    pressed = 0;
    state = 0;
    update();
}

void CSknButtonBase::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void CSknButtonBase::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

CSknButton::CSknButton(int controlId, QWidget* parent)
    : CSknButtonBase(controlId, parent), font(ArialFont(15)) {}

void CSknButton::SetText(const QString& text) {
    text_ = text;
    update();
}

QColor CSknButton::CurrentTextColor() const {
    if (!isEnabled()) {
        return FromColorRef(0x787878);
    }
    if (latched) {
        return FromArgb(latchedTextColor);
    }
    return state == 1 ? QColor(Qt::white) : FromArgb(textColor);
}

void CSknButton::PaintText(QPainter& painter) {
    if (text_.isEmpty()) {
        return;
    }
    DrawLabelText(painter, &font, text_, CurrentTextColor(), false, true, 5, 0, width(), height());
}

void CSknCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    // Only a release that ends a press on this box toggles it; the click the owner sees comes
    // after, so it reads the new state.
    if (pressed == 1) {
        checked = checked ? 0 : 1;
    }
    pressed = 0;
    state = 0;
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

CSknComboButton::CSknComboButton(int controlId, QWidget* parent, TickClock& clock)
    : CSknButtonBase(controlId, parent), font(ArialFont(15)), clock_(clock) {}

CSknComboButton::~CSknComboButton() = default;

void CSknComboButton::EnsureMenu(int width) {
    if (!menu_) {
        menu_ = std::make_unique<CSknMenu>(
            static_cast<int>(clock_.Ticks()),
            [this](int code, int value) { MenuReport(code, value); }, this);
        menu_->resize(width, 10);
    }
}

void CSknComboButton::SetValue(const QString& newText, int newCode, int newParam) {
    text = newText;
    code = newCode;
    param = newParam;
    update();
}

QString CSknComboButton::TextOfEntry(int id) const {
    const MenuItem* item = menu_ ? menu_->FindItem(id) : nullptr;
    return item ? item->text : QString();
}

void CSknComboButton::AddEntry(int id, const QString& entryText) {
    EnsureMenu(width() - 2);
    menu_->AddItem(id, entryText);
}

void CSknComboButton::AddSubEntry(int newId, int parentId, const QString& entryText) {
    EnsureMenu(width() - 2);
    menu_->AddSubItem(newId, parentId, entryText);
}

void CSknComboButton::CreateWideMenu() {
    EnsureMenu(158);
    menu_->resize(158, 20);
}

void CSknComboButton::UseSmallFont() {
    font = ArialFont(14);
    update();
}

void CSknComboButton::MenuReport(int reportCode, int value) {
    if (reportCode == NM_FORWARD) {
        Report(NM_FORWARD, value);
        return;
    }
    const MenuItem* item = menu_ ? menu_->FindItem(value) : nullptr;
    if (!item) {
        return;
    }
    const QString chosenText = item->text;
    Report(controlId(), value);  // the owner may clear `accept` meanwhile
    if (accept == 1) {
        text = chosenText;
        code = value;
        update();
    } else {
        accept = 1;  // refused once; the next choice is taken again
    }
}

void CSknComboButton::SeenTick() {
    if (menu_ && menu_->isVisible()) {
        menuSeenTick = clock_.Ticks();
    }
}

void CSknComboButton::PaintText(QPainter& painter) {
    if (showText != 1) {
        return;
    }
    const QColor color = (latched || state == 1) ? FromArgb(hotTextColor) : FromArgb(textColor);
    DrawLabelText(painter, &font, text, color, false, true, 4, 0, width(), height());
}

void CSknComboButton::mousePressEvent(QMouseEvent* event) {
    CSknButtonBase::mousePressEvent(event);
    // A press that closed the open menu must not open it again on release.
    reopenBlocked = clock_.Ticks() - menuSeenTick < 200 ? 1 : 0;
}

void CSknComboButton::mouseReleaseEvent(QMouseEvent* event) {
    CSknButtonBase::mouseReleaseEvent(event);
    if (!menu_ || reopenBlocked == 1) {
        return;
    }
    reopenBlocked = 1;
    if (!seenTimer_) {
        seenTimer_ = new QTimer(this);
        connect(seenTimer_, &QTimer::timeout, this, &CSknComboButton::SeenTick);
        seenTimer_->start(100);
    }
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    if (popupAbove == 1) {
        menu_->Show(2, topLeft.x(), topLeft.y());
    } else {
        menu_->Show(0, topLeft.x(), topLeft.y() + height());
    }
}

CSknCbnColorButton::CSknCbnColorButton(int controlId, QWidget* parent, TickClock& clock)
    : CSknButtonBase(controlId, parent), clock_(clock) {}

CSknCbnColorButton::~CSknCbnColorButton() = default;

void CSknCbnColorButton::SetImagesAndPanel(std::optional<QImage> normal, std::optional<QImage> over,
                                           std::optional<QImage> down, const QImage& panelImage) {
    SetImages(std::move(normal), std::move(over), std::move(down), {});
    if (!panel_) {
        panel_ = std::make_unique<CColorPanel>(
            static_cast<int>(clock_.Ticks()), this,
            [this](int id, std::uint32_t colorRef) { PanelReport(id, colorRef); });
        panel_->hide();
    }
    panel_->SetImage(panelImage);
}

void CSknCbnColorButton::PanelReport(int panelId, std::uint32_t colorRef) {
    if (!panel_ || panelId != panel_->id()) {
        return;
    }
    color = colorRef;
    update();
    Report(controlId(), static_cast<int>(colorRef));
}

void CSknCbnColorButton::mouseReleaseEvent(QMouseEvent* event) {
    CSknButtonBase::mouseReleaseEvent(event);
    if (!panel_) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->hide();
    } else {
        panel_->ShowAt(mapToGlobal(QPoint(0, height())));
    }
}
