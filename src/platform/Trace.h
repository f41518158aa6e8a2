#pragma once

#include <functional>
#include <string>

#include "platform/HidBackend.h"
#include "platform/Sleeper.h"

// --trace: every feature report and pause as one line, in upper-case hex with the report id:
//   SET 03 04 00 00 00 00 00 00   a report sent
//   GET 03 01 00 00 00 00 00 00   a report read, as received
//   SLEEP 10                      a pause of 10 ms, as the protocol asks for it
using TraceSink = std::function<void(const std::string& line)>;

std::string HexBytes(std::span<const std::uint8_t> bytes);

class TracingHidBackend : public HidBackend {
  public:
    TracingHidBackend(HidBackend& inner, TraceSink sink) : inner_(inner), sink_(std::move(sink)) {}

    std::vector<HidDeviceInfo> Enumerate() override { return inner_.Enumerate(); }
    Handle Open(const std::string& path, std::error_code& error) override {
        return inner_.Open(path, error);
    }
    void Close(Handle handle) override { inner_.Close(handle); }
    bool SetFeature(Handle handle, std::span<const std::uint8_t> report) override;
    bool GetFeature(Handle handle, std::span<std::uint8_t> report) override;

  private:
    HidBackend& inner_;
    TraceSink sink_;
};

class TracingSleeper : public Sleeper {
  public:
    TracingSleeper(Sleeper& inner, TraceSink sink) : inner_(inner), sink_(std::move(sink)) {}
    void SleepMs(int milliseconds) override;

  private:
    Sleeper& inner_;
    TraceSink sink_;
};
