#include "updater/MessageBoxes.h"

#include <QMessageBox>

void MessageBoxes::Show(const std::string& text) {
    QMessageBox::warning(parent_, caption_, QString::fromStdString(text).trimmed());
}
