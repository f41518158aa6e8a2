#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/HidBackend.h"
#include "platform/Sleeper.h"
#include "platform/Trace.h"

// Pauses that are written down instead of taken.
class RecordingSleeper : public Sleeper {
  public:
    void SleepMs(int milliseconds) override { pauses.push_back(milliseconds); }
    std::vector<int> pauses;
};

// A HID backend whose devices and answers a test scripts. It writes every transfer down in the
// trace format; a get with no scripted answer fails.
class ScriptedHidBackend : public HidBackend {
  public:
    std::vector<HidDeviceInfo> devices;
    std::vector<std::string> openFailures;  // paths whose Open fails with EACCES
    std::deque<std::optional<std::vector<std::uint8_t>>> answers;  // nullopt: a failed read
    bool failSets = false;
    std::vector<std::string> log;
    std::vector<std::string> opened;
    int openCount = 0;

    std::vector<HidDeviceInfo> Enumerate() override { return devices; }

    Handle Open(const std::string& path, std::error_code& error) override {
        for (const std::string& failing : openFailures) {
            if (failing == path) {
                error = std::make_error_code(std::errc::permission_denied);
                return kInvalidHandle;
            }
        }
        opened.push_back(path);
        ++openCount;
        return static_cast<Handle>(opened.size());
    }
    void Close(Handle handle) override { opened.at(std::size_t(handle - 1)).clear(); }
    std::size_t OpenHandles() const {
        std::size_t n = 0;
        for (const std::string& path : opened) {
            n += !path.empty();
        }
        return n;
    }

    bool SetFeature(Handle, std::span<const std::uint8_t> report) override {
        log.push_back("SET " + HexBytes(report));
        return !failSets;
    }
    bool GetFeature(Handle, std::span<std::uint8_t> report) override {
        if (answers.empty() || !answers.front()) {
            if (!answers.empty()) {
                answers.pop_front();
            }
            log.push_back("GET failed");
            return false;
        }
        const std::vector<std::uint8_t> answer = *answers.front();
        answers.pop_front();
        std::copy_n(answer.begin(), std::min(answer.size(), report.size()), report.begin());
        log.push_back("GET " + HexBytes(report));
        return true;
    }

    // A status answer of report 3: 03 status second 00 00 00 00 00.
    void Answer(std::uint8_t status, std::uint8_t second = 0) {
        answers.push_back(std::vector<std::uint8_t>{3, status, second, 0, 0, 0, 0, 0});
    }
    void AnswerFailure() { answers.push_back(std::nullopt); }
};

inline HidDeviceInfo VoskVendorInterface(std::string path = "/dev/hidraw2") {
    return {std::move(path), 0x22D4, 0x1301, {{0xFF01, 2}}};
}
