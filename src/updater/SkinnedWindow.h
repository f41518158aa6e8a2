#pragma once

#include <QDialog>
#include <QImage>

class SkinnedButton;

// A borderless window shaped by a one-bit mask and painted from one background picture that
// carries its texts. It is dragged from anywhere; Enter and Escape do not close it.
class SkinnedWindow : public QDialog {
    Q_OBJECT
  public:
    SkinnedWindow(int maskArt, int backgroundArt, QWidget* parent = nullptr);

    // A button at the layout string's x and y, the size of its normal picture; a click ends
    // the window with `result`.
    SkinnedButton* AddButton(const QString& layout, int normal, int hover, int pressed,
                             int disabled, int result);
    SkinnedButton* Button(const QString& name) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QImage background_;
};

// The three small windows of the updater.
enum class SmallWindow { Offer, Warning, Failure };
SkinnedWindow* MakeSmallWindow(SmallWindow which, QWidget* parent = nullptr);

inline constexpr int kSmallMaskArt = 146;
inline constexpr int kUpgradeMaskArt = 130;
inline constexpr int kUpgradeBackgroundArt = 145;
