#include "profile/DataStream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "profile/FileWrite.h"
#include "profile/Folders.h"

DataStream::DataStream(Mode mode) {
    if (mode == Mode::Write) {
        data_ = std::make_unique<std::uint8_t[]>(kInitialCapacity);  // zeroed
        capacity_ = kInitialCapacity;
    }
}

DataStream::~DataStream() {
    capacity_ = 0;
    length_ = 0;
    readPos_ = 0;
}

void DataStream::MakeRoom(std::int64_t bytes) {
    if (capacity_ - length_ >= bytes) {
        return;
    }
    const std::int64_t grown = capacity_ + std::max<std::int64_t>(2 * bytes, 1024);
    if (grown > std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error("DataStream larger than 2 GiB");
    }
    auto bigger = std::make_unique<std::uint8_t[]>(std::size_t(grown));
    if (capacity_ > 0) {
        std::memcpy(bigger.get(), data_.get(), std::size_t(capacity_));
    }
    data_ = std::move(bigger);
    capacity_ = static_cast<std::int32_t>(grown);
}

void DataStream::Put(std::uint32_t value, int bytes) {
    MakeRoom(bytes);
    for (int i = 0; i < bytes; ++i) {
        data_[std::size_t(length_++)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t DataStream::Take(int bytes) {
    if (failed_ || Remaining() < bytes) {
        failed_ = true;
        return 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= std::uint32_t{data_[std::size_t(readPos_++)]} << (8 * i);
    }
    return value;
}

void DataStream::WriteByte(std::uint8_t value) {
    Put(value, 1);
}
void DataStream::WriteInt16(std::int16_t value) {
    Put(static_cast<std::uint16_t>(value), 2);
}
void DataStream::WriteInt32(std::int32_t value) {
    Put(static_cast<std::uint32_t>(value), 4);
}

void DataStream::WriteString(const std::u16string& text) {
    if (text.size() > std::size_t(std::numeric_limits<std::int32_t>::max() / 2 - 4)) {
        throw std::length_error("string too long for a DataStream");
    }
    const auto count = static_cast<std::int32_t>(text.size());
    MakeRoom(2 * std::int64_t{count} + 4);
    WriteInt32(count);
    for (char16_t unit : text) {
        Put(unit, 2);
    }
}

void DataStream::WriteNumberText(std::int32_t value) {
    char digits[16];
    const int n = std::snprintf(digits, sizeof digits, "%d", value);
    WriteString(std::u16string(digits, digits + n));
}

std::uint8_t DataStream::ReadByte() {
    return static_cast<std::uint8_t>(Take(1));
}
std::int16_t DataStream::ReadInt16() {
    return static_cast<std::int16_t>(Take(2));
}
std::int32_t DataStream::ReadInt32() {
    return static_cast<std::int32_t>(Take(4));
}

std::u16string DataStream::ReadString() {
    const std::int32_t count = ReadInt32();
    if (count <= 0) {
        return {};
    }
    if (Remaining() / 2 < count) {
        failed_ = true;
        return {};
    }
    std::u16string text(std::size_t(count), u'\0');
    for (char16_t& unit : text) {
        unit = static_cast<char16_t>(Take(2));
    }
    return text;
}

std::int32_t DataStream::ReadNumberText() {
    return ParseNumberText(ReadString());
}

bool DataStream::LoadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    Assign({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return true;
}

void DataStream::Assign(std::span<const std::uint8_t> bytes) {
    data_ = bytes.empty() ? nullptr : std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), data_.get());
    capacity_ = length_ = static_cast<std::int32_t>(bytes.size());
    readPos_ = 0;
    failed_ = false;
}

std::error_code DataStream::SaveFile(const std::filesystem::path& path, WriteBudget* budget) const {
    // The parent, not the dot rule: a file name without a dot is still a file here.
    EnsureFolder(path.parent_path());
    return WriteFileReplacing(path, Bytes(), budget);
}

std::int32_t ParseNumberText(const std::u16string& text) {
    std::size_t i = 0;
    auto blank = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - u'0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
