#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <system_error>

class WriteBudget;

// Little-endian byte buffer with a write end and a read cursor; the profile and macro files are
// written and read through it.
//
// Reads never go past the written bytes: a read that would sets the stream's failed flag, returns
// zero or empty, and every later read does the same. Decoders check Failed() once at the end.
class DataStream {
  public:
    static constexpr std::int32_t kInitialCapacity = 1024;

    enum class Mode { Write, Read };
    // Write: a zeroed 1024-byte buffer. Read: empty until LoadFile or Assign fills it.
    explicit DataStream(Mode mode = Mode::Write);
    virtual ~DataStream();
    DataStream(const DataStream&) = delete;
    DataStream& operator=(const DataStream&) = delete;

    void WriteByte(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    void WriteString(const std::u16string& text);
    void WriteNumberText(std::int32_t value);  // "%d" as a string

    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    std::u16string ReadString();
    std::int32_t ReadNumberText();

    // Whole-file transfers. LoadFile replaces the contents and rewinds; SaveFile creates the
    // folders along the path and replaces the file only once the new one is completely written.
    bool LoadFile(const std::filesystem::path& path);
    std::error_code SaveFile(const std::filesystem::path& path,
                             WriteBudget* budget = nullptr) const;

    // Takes bytes as if they had been loaded from a file.
    void Assign(std::span<const std::uint8_t> bytes);

    std::span<const std::uint8_t> Bytes() const { return {data_.get(), std::size_t(length_)}; }
    std::int32_t Capacity() const { return capacity_; }
    std::int32_t Length() const { return length_; }
    std::int32_t ReadPos() const { return readPos_; }
    std::int32_t Remaining() const { return length_ - readPos_; }
    bool Failed() const { return failed_; }
    void Fail() { failed_ = true; }

  private:
    void MakeRoom(std::int64_t bytes);
    void Put(std::uint32_t value, int bytes);
    std::uint32_t Take(int bytes);

    std::unique_ptr<std::uint8_t[]> data_;
    std::int32_t capacity_ = 0;
    std::int32_t length_ = 0;
    std::int32_t readPos_ = 0;
    bool failed_ = false;
};

// Converts like the 32-bit wide-string-to-long of the platform the files come from: leading
// blanks and a sign are taken, then leading digits; beyond the int32 range it clamps; no digits
// give 0.
std::int32_t ParseNumberText(const std::u16string& text);
