#include "skin/SknMenu.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "skin/LabelText.h"

namespace {

// The one filter of an open menu tree: a press anywhere goes to the menu it targets, and the
// application losing the activation closes the tree.
class MenuFilter : public QObject {
  public:
    static MenuFilter*& Current() {
        static MenuFilter* filter = nullptr;
        return filter;
    }
    static void Target(CSknMenu* menu) {
        if (!Current()) {
            Current() = new MenuFilter;
            qApp->installEventFilter(Current());
            QObject::connect(
                qApp, &QGuiApplication::applicationStateChanged, Current(),
                [](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive && Current() && Current()->target_) {
                        Current()->target_->Close();
                    }
                });
        }
        Current()->target_ = menu;
    }
    static void Remove() {
        if (Current()) {
            qApp->removeEventFilter(Current());
            Current()->target_ = nullptr;
            // Later: the filter may be the caller, closing the tree from inside eventFilter.
            Current()->deleteLater();
            Current() = nullptr;
        }
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && target_) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                target_->OutsidePress(mouse->globalPosition().toPoint());
            }
        }
        return false;  // the press goes on to where it was going
    }

    CSknMenu* target_ = nullptr;
};

QFont ArialFont(int pixels) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

CSknMenu::CSknMenu(int id, ReportFn report, QWidget* owner, CSknMenu* parentMenu)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowStaysOnTopHint),
      font(ArialFont(15)),
      id_(id),
      report_(std::move(report)),
      parentMenu_(parentMenu) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(50, 10);
}

CSknMenu::~CSknMenu() {
    if (MenuFilter::Current() && MenuFilter::Current()->target_ == this) {
        MenuFilter::Remove();
    }
}

int CSknMenu::InstalledFilters() {
    return MenuFilter::Current() ? 1 : 0;
}

CSknMenu* CSknMenu::Submenu(int parentId) const {
    for (const auto& menu : submenus_) {
        if (menu->id_ == parentId) {
            return menu.get();
        }
    }
    return nullptr;
}

CSknMenu* CSknMenu::SubmenuFor(int parentId) {
    if (CSknMenu* existing = Submenu(parentId)) {
        return existing;
    }
    submenus_.push_back(std::make_unique<CSknMenu>(parentId, report_, parentWidget(), this));
    return submenus_.back().get();
}

void CSknMenu::AddItem(int id, const QString& text, bool enabled, bool hasSubmenu) {
    for (const MenuItem& item : items_) {
        if (item.id == id) {
            return;  // ids are unique within a menu
        }
    }
    items_.push_back({id, QRect(), text, enabled ? 1 : 0, hasSubmenu ? 1 : 0});
}

void CSknMenu::AddSubItem(int newId, int parentId, const QString& text, bool enabled) {
    for (MenuItem& item : items_) {
        if (item.id == parentId) {
            item.hasSubmenu = 1;
            SubmenuFor(parentId)->AddItem(newId, text, enabled);
            return;
        }
    }
}

void CSknMenu::AddSubSubItem(int newId, int middleId, const QString& text) {
    SubmenuFor(3)->AddSubItem(newId, middleId, text);
}

void CSknMenu::RemoveAllItems() {
    items_.clear();
}

const MenuItem* CSknMenu::FindItem(int id) const {
    for (const MenuItem& item : items_) {
        if (item.id == id) {
            return &item;
        }
    }
    for (const auto& menu : submenus_) {
        if (const MenuItem* found = menu->FindItem(id)) {
            return found;
        }
    }
    return nullptr;
}

int CSknMenu::WidestText(int menuId) {
    CSknMenu* menu = menuId == id_ ? this : SubmenuFor(menuId);
    const QFontMetrics metrics(menu->font);
    int widest = 0;
    for (const MenuItem& item : menu->items_) {
        widest = std::max(widest, metrics.horizontalAdvance(item.text));
    }
    return widest;
}

void CSknMenu::Layout() {
    if (items_.empty()) {
        hide();
        return;
    }
    const int h = QFontMetrics(font).height();
    resize(width(), int(items_.size()) * h + 8);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const int top = 4 + int(i) * h;
        items_[i].rect = QRect(QPoint(1, top), QPoint(width() - 15 - 1, top + h - 1));
    }
}

void CSknMenu::Show(int placement, int x, int y) {
    Layout();
    if (items_.empty()) {
        return;
    }
    hoverIndex = -1;
    switch (placement) {
        case 0:
            move(x, y);
            break;
        case 2:
            move(x, y - height());
            break;
        case 3:
            move(x - width(), y - height());
            break;
        default:
            break;
    }
    Layout();
    show();
    MenuFilter::Target(this);
}

bool CSknMenu::Contains(QPoint global) const {
    for (const CSknMenu* menu = this; menu; menu = menu->parentMenu_) {
        if (menu->isVisible() && menu->frameGeometry().contains(global)) {
            return true;
        }
    }
    return false;
}

void CSknMenu::OutsidePress(QPoint global) {
    if (isVisible() && !Contains(global)) {
        Close();
    }
}

void CSknMenu::Forward(int value) const {
    if (report_) {
        report_(NM_FORWARD, value);
    }
}

void CSknMenu::CloseSubmenus() {
    for (const auto& menu : submenus_) {
        if (menu->isVisible()) {
            Forward(1);
            menu->CloseSubmenus();
            menu->hide();
            Forward(0);
        }
    }
    if (MenuFilter::Current()) {
        MenuFilter::Current()->target_ = this;
    }
}

void CSknMenu::Close() {
    if (!isVisible()) {
        return;
    }
    Forward(1);
    hide();
    if (parentMenu_) {
        parentMenu_->Close();
    }
    CloseSubmenus();
    Forward(0);
    if (!parentMenu_) {
        MenuFilter::Remove();
    }
}

int CSknMenu::HitTest(QPoint local) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].rect.contains(local)) {
            return int(i);
        }
    }
    return -1;
}

void CSknMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FromArgb(backColor));
    painter.setPen(FromArgb(borderColor));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        const QRect moved = item.rect.translated(10, 0);
        const int left = moved.left();
        const int top = moved.top();
        const int right = moved.right() + 1;
        const int bottom = moved.bottom() + 1;
        if (item.hasSubmenu) {
            QPainterPath arrow;
            arrow.moveTo(right - 10, top + 5);
            arrow.lineTo(right - 10, bottom - 5);
            arrow.lineTo(right - 5, (top + bottom) / 2);
            arrow.closeSubpath();
            painter.setPen(QPen(FromArgb(normalColor), 1.0));
            painter.setBrush(FromArgb(normalColor));
            painter.drawPath(arrow);
        }
        const QColor color = int(i) == hoverIndex ? FromArgb(hoverColor) : FromArgb(normalColor);
        DrawLabelText(painter, &font, item.text, color, false, true, left, top, right, bottom);
    }
}

void CSknMenu::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const int index = HitTest(event->position().toPoint());
    if (index < 0) {
        return;
    }
    const MenuItem& item = items_[std::size_t(index)];
    if (item.hasSubmenu && item.enabled) {
        if (index != hoverIndex) {
            CloseSubmenus();
            const QPoint entryTop = mapToGlobal(item.rect.topLeft());
            SubmenuFor(item.id)->Show(0, geometry().right() + 1 - 5, entryTop.y() - 5);
        }
    } else {
        CloseSubmenus();
    }
    if (index != hoverIndex) {
        hoverIndex = index;
        update();
    }
}

void CSknMenu::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    hoverIndex = HitTest(event->position().toPoint());
    pressedId = hoverIndex >= 0 ? items_[std::size_t(hoverIndex)].id : -1;
    pressed = 1;
    update();
    if (hoverIndex < 0) {
        Close();
    }
}

void CSknMenu::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    pressed = 0;
    hoverIndex = HitTest(event->position().toPoint());
    pressedId = hoverIndex >= 0 ? items_[std::size_t(hoverIndex)].id : -1;
    if (pressedId < 0) {
        return;
    }
    const MenuItem* item = Root()->FindItem(pressedId);
    if (!item || item->hasSubmenu) {
        return;
    }
    const bool report = item->enabled && report_;
    const int chosen = item->id;
    if (report) {
        report_(id_, chosen);
    }
    Close();
}

CSknMenu* CSknMenu::Root() {
    CSknMenu* menu = this;
    while (menu->parentMenu_) {
        menu = menu->parentMenu_;
    }
    return menu;
}
