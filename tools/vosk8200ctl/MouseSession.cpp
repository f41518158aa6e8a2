#include "MouseSession.h"

#include <cstdio>

#include "CommandLine.h"

namespace {

DeviceEnvironmentOptions OptionsOf(const QCommandLineParser& parser) {
    DeviceEnvironmentOptions options;
    options.simulate = parser.isSet("simulate");
    if (parser.isSet("trace")) {
        options.trace = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
    }
    return options;
}

}  // namespace

void AddMouseOptions(QCommandLineParser& parser) {
    parser.addOption({"simulate", "Talk to the simulated mouse instead of a real one."});
    parser.addOption({"trace", "Print every HID report and pause on stderr."});
}

void StderrMessages::Show(const std::string& text) {
    Fail("", QString::fromStdString(text));
}

MouseSession::MouseSession(const QCommandLineParser& parser)
    : environment_(OptionsOf(parser)), link_(environment_.hid(), environment_.sleeper()) {}

bool MouseSession::Open() {
    if (link_.IsOpen() || link_.OpenDevice()) {
        return true;
    }
    Fail("", QString::fromStdString(link_.DescribeOpenFailure()));
    return false;
}
