#pragma once

#include <filesystem>
#include <functional>

#include "sim/SimState.h"

// Where the simulated mouse's state lives. Every transfer is one transaction.
class SimStateStore {
  public:
    virtual ~SimStateStore() = default;
    virtual void Transact(const std::function<void(SimState&)>& change) = 0;
    SimState Read();
};

class MemorySimStateStore : public SimStateStore {
  public:
    explicit MemorySimStateStore(SimState state = SimState::Factory()) : state_(std::move(state)) {}
    void Transact(const std::function<void(SimState&)>& change) override { change(state_); }
    SimState& state() { return state_; }

  private:
    SimState state_;
};

// A JSON file shared by every process that simulates the mouse: each transaction locks it,
// reads it, changes it and writes it back, so one process sees what another did. A missing or
// unreadable file is a mouse fresh from the factory.
class FileSimStateStore : public SimStateStore {
  public:
    explicit FileSimStateStore(std::filesystem::path path) : path_(std::move(path)) {}
    void Transact(const std::function<void(SimState&)>& change) override;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// $VOSK8200_SIM_STATE, else vosk8200-sim.json in $XDG_RUNTIME_DIR, else in /tmp.
std::filesystem::path DefaultSimStatePath();
