#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

// A number of bytes that the writes given it may still write; once spent, a write fails as on a
// full disk. Tests hand one to a save to stop it at any byte.
class WriteBudget {
  public:
    explicit WriteBudget(std::size_t bytes) : left_(bytes) {}
    // How many of the wanted bytes may be written now.
    std::size_t Take(std::size_t wanted);
    std::size_t Left() const { return left_; }

  private:
    std::size_t left_;
};

// Writes the bytes to a temporary file beside the target, flushes it and renames it over the
// target, so a failed write leaves the old file as it was. Folders are not created here.
std::error_code WriteFileReplacing(const std::filesystem::path& target,
                                   std::span<const std::uint8_t> bytes,
                                   WriteBudget* budget = nullptr);
