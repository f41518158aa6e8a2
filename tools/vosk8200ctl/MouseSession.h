#pragma once

#include <QCommandLineParser>

#include "device/DeviceLink.h"
#include "platform/Messages.h"
#include "sim/DeviceEnvironment.h"

// What a command that talks to the mouse needs: the chosen mouse (--simulate), the trace
// (--trace, on stderr) and a link to it.
void AddMouseOptions(QCommandLineParser& parser);

class StderrMessages : public Messages {
  public:
    void Show(const std::string& text) override;
};

class MouseSession {
  public:
    explicit MouseSession(const QCommandLineParser& parser);

    DeviceLink& link() { return link_; }
    HidBackend& hid() { return environment_.hid(); }
    Messages& messages() { return messages_; }
    // Opens the mouse, or says on stderr why it cannot.
    bool Open();

  private:
    DeviceEnvironment environment_;
    DeviceLink link_;
    StderrMessages messages_;
};
