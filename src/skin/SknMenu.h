#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/ControlReports.h"

struct MenuItem {
    int id = 0;
    QRect rect;  // in the menu's client area, set by Layout
    QString text;
    int enabled = 1;
    int hasSubmenu = 0;
};

// The program's own pop-up menu: black, framed in the accent, with cascading sub-menus. It never
// takes the focus; while a tree of menus is open one application-wide filter watches for a click
// elsewhere, which closes the tree, as does the application losing the activation.
class CSknMenu : public QWidget {
    Q_OBJECT
  public:
    // A root menu reports to `report`; its sub-menus report through it.
    CSknMenu(int id, ReportFn report, QWidget* owner = nullptr, CSknMenu* parentMenu = nullptr);
    ~CSknMenu() override;

    int id() const { return id_; }
    const std::vector<MenuItem>& items() const { return items_; }
    CSknMenu* Submenu(int parentId) const;
    CSknMenu* parentMenu() const { return parentMenu_; }

    void AddItem(int id, const QString& text, bool enabled = true, bool hasSubmenu = false);
    void AddSubItem(int newId, int parentId, const QString& text, bool enabled = true);
    void AddSubSubItem(int newId, int middleId, const QString& text);
    void RemoveAllItems();
    const MenuItem* FindItem(int id) const;
    int WidestText(int menuId);

    void Layout();
    // Placement 0: top-left at (x, y); 2: bottom-left; 3: bottom-right; 1: where it is.
    void Show(int placement, int x, int y);
    void Close();

    int hoverIndex = -1;
    int pressedId = -1;
    int pressed = 0;
    std::uint32_t normalColor = 0xFFAAAAAA;
    std::uint32_t hoverColor = 0xFFB3D335;
    std::uint32_t backColor = 0xFF000000;
    std::uint32_t borderColor = 0xFFB3D335;
    QFont font;

    // The filter's view of a press anywhere in the application (global coordinates).
    void OutsidePress(QPoint global);
    bool Contains(QPoint global) const;
    // How many application-wide filters are installed now; one while a tree is open.
    static int InstalledFilters();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int HitTest(QPoint local) const;
    CSknMenu* SubmenuFor(int parentId);
    void CloseSubmenus();
    void Forward(int value) const;
    CSknMenu* Root();

    int id_;
    ReportFn report_;
    CSknMenu* parentMenu_;
    std::vector<MenuItem> items_;
    std::vector<std::unique_ptr<CSknMenu>> submenus_;
};
