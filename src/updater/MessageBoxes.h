#pragma once

#include <QString>

#include "platform/Messages.h"

class QWidget;

// The fixed-text messages as message boxes with an OK button, captioned with the program's name.
class MessageBoxes : public Messages {
  public:
    MessageBoxes(QString caption, QWidget* parent = nullptr)
        : caption_(std::move(caption)), parent_(parent) {}
    void Show(const std::string& text) override;

  private:
    QString caption_;
    QWidget* parent_;
};
