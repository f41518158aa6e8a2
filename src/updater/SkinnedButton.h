#pragma once

#include <QAbstractButton>
#include <QImage>

// A button drawn from four pictures: normal, hover, pressed and disabled. Its size is the
// normal picture's.
class SkinnedButton : public QAbstractButton {
    Q_OBJECT
  public:
    SkinnedButton(QWidget* parent, QPoint at, QImage normal, QImage hover, QImage pressed,
                  QImage disabled);

    bool hovered() const { return hover_; }
    // The picture painting would use now.
    const QImage& CurrentImage() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage normal_;
    QImage hoverImage_;
    QImage pressed_;
    QImage disabled_;
    bool hover_ = false;
};
