#pragma once

#include <QLocalServer>
#include <QString>

// One copy of a program per user session: the first holds a local server under the name; a
// second finds it answering and gives way.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& name) : name_(name) {}
    // True when this is the only copy; it then holds the name until destroyed.
    bool Acquire();

  private:
    QString name_;
    QLocalServer server_;
};
