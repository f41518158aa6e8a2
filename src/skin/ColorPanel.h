#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class QTimer;

// The drop-down of a colour button: the 20 preset cells of "ColorPanel.bmp". A release on a cell
// picks its colour; a release on a dividing line picks nothing. It closes on a pick, on a second
// click on its button, or two seconds after the pointer has left both.
class CColorPanel : public QWidget {
    Q_OBJECT
  public:
    using Pick = std::function<void(int panelId, std::uint32_t colorRef)>;
    CColorPanel(int id, QWidget* owner, Pick pick);

    int id() const { return id_; }
    void SetImage(const QImage& image) { image_ = image; }
    void ShowAt(QPoint global);
    // Timer 0: closes once the pointer is neither over the panel nor over its button.
    void CheckPointer();
    // Where the pointer is; tests put it anywhere.
    std::function<QPoint()> cursorPosition;

    int pressed = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int id_;
    QWidget* owner_;
    Pick pick_;
    QImage image_;
    QTimer* timer_;
};
