#pragma once

#include <QDialog>
#include <QImage>

#include <optional>

// The base of every skinned window: it paints its background picture and takes its size.
// Enter and Escape never close it; windows that give the keys a meaning handle them themselves.
class CSknImageDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CSknImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    void SetBackground(const QImage& background);
    const std::optional<QImage>& background() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::optional<QImage> background_;
};
