#include "profile/ProfileCodec.h"

#include "profile/PathText.h"

#include <array>

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {0x12, 0x06, 0x33, 0x01};
constexpr std::int32_t kEventBytes = 8;

void WriteMacro(DataStream& stream, const ProfileMacro& macro) {
    stream.WriteInt32(macro.macroId);
    stream.WriteString(macro.name);
    stream.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
    for (const CMacroEvent& event : macro.events) {
        stream.WriteByte(event.kind);
        stream.WriteInt16(event.keyCode);
        stream.WriteByte(event.direction);
        stream.WriteInt32(event.delay);
    }
}

void ReadMacro(DataStream& stream, ProfileMacro& macro) {
    macro.events.clear();
    macro.macroId = stream.ReadInt32();
    macro.name = stream.ReadString();
    const std::int32_t count = stream.ReadInt32();
    if (count <= 0) {
        return;
    }
    if (stream.Remaining() / kEventBytes < count) {
        stream.Fail();
        return;
    }
    macro.events.resize(std::size_t(count));
    for (CMacroEvent& event : macro.events) {
        event.kind = stream.ReadByte();
        event.keyCode = stream.ReadInt16();
        event.direction = stream.ReadByte();
        event.delay = stream.ReadInt32();
    }
}

}  // namespace

void WriteProfile(DataStream& stream, const ProfileRecord& record) {
    for (std::uint8_t byte : kMagic) {
        stream.WriteByte(byte);
    }
    stream.WriteString(record.name);
    stream.WriteInt32(record.enabled);
    stream.WriteByte(record.slotIndex);
    stream.WriteInt16(record.reservedWord);
    stream.WriteInt16(record.pollingInterval);
    stream.WriteInt16(record.doubleClickSpeed);
    stream.WriteInt16(record.scrollLines);
    stream.WriteInt32(record.scrollByLines);
    stream.WriteInt32(record.scrollByPage);
    stream.WriteInt32(record.accelerationEnabled);
    stream.WriteInt32(record.xySeparate);
    stream.WriteInt32(record.definedMode);
    stream.WriteByte(record.dpiLevel);
    for (const DpiSetting& level : record.dpiLevels) {
        stream.WriteInt16(static_cast<std::int16_t>(level.x));
        stream.WriteInt16(static_cast<std::int16_t>(level.y));
    }
    stream.WriteByte(record.pointerSpeed);
    stream.WriteByte(record.liftDistance);
    stream.WriteInt16(record.surfaceQuality);
    for (std::uint32_t color : record.ledColors) {
        stream.WriteNumberText(static_cast<std::int32_t>(color));
    }
    stream.WriteInt32(record.ledZones);
    stream.WriteInt32(record.ledEffect);
    for (const ButtonAssignment& button : record.buttons) {
        stream.WriteByte(button.macroSlot);
        stream.WriteByte(button.function);
        stream.WriteInt16(button.param);
    }
    for (const ProfileMacro& macro : record.macros) {
        WriteMacro(stream, macro);
    }
}

ProfileReadStatus ReadProfile(DataStream& stream, ProfileRecord& record) {
    for (std::uint8_t byte : kMagic) {
        if (stream.ReadByte() != byte) {
            return ProfileReadStatus::NotAProfile;
        }
    }
    ProfileRecord read = record;
    read.name = stream.ReadString();
    read.enabled = stream.ReadInt32();
    read.slotIndex = stream.ReadByte();
    read.reservedWord = stream.ReadInt16();
    read.pollingInterval = stream.ReadInt16();
    read.doubleClickSpeed = stream.ReadInt16();
    read.scrollLines = stream.ReadInt16();
    read.scrollByLines = stream.ReadInt32();
    read.scrollByPage = stream.ReadInt32();
    read.accelerationEnabled = stream.ReadInt32();
    read.xySeparate = stream.ReadInt32();
    read.definedMode = stream.ReadInt32();
    read.dpiLevel = stream.ReadByte();
    for (DpiSetting& level : read.dpiLevels) {
        level.x = static_cast<std::uint16_t>(stream.ReadInt16());
        level.y = static_cast<std::uint16_t>(stream.ReadInt16());
    }
    read.pointerSpeed = stream.ReadByte();
    read.liftDistance = stream.ReadByte();
    read.surfaceQuality = stream.ReadInt16();
    for (std::uint32_t& color : read.ledColors) {
        color = static_cast<std::uint32_t>(stream.ReadNumberText());
    }
    read.ledZones = stream.ReadInt32();
    read.ledEffect = stream.ReadInt32();
    for (ButtonAssignment& button : read.buttons) {
        button.macroSlot = stream.ReadByte();
        button.function = stream.ReadByte();
        button.param = stream.ReadInt16();
    }
    for (ProfileMacro& macro : read.macros) {
        ReadMacro(stream, macro);
    }
    if (stream.Failed()) {
        return ProfileReadStatus::Truncated;
    }
    record = std::move(read);
    return ProfileReadStatus::Loaded;
}

std::error_code SaveProfile(const ProfileRecord& record, const std::filesystem::path& path,
                            WriteBudget* budget) {
    DataStream stream;
    WriteProfile(stream, record);
    return stream.SaveFile(path, budget);
}

std::error_code SaveProfileToOwnFile(const ProfileRecord& record, WriteBudget* budget) {
    return SaveProfile(record, PathFromUtf16(record.filePath), budget);
}

ProfileReadStatus LoadProfileFile(const std::filesystem::path& path, ProfileRecord& record) {
    DataStream stream(DataStream::Mode::Read);
    if (!stream.LoadFile(path)) {
        return ProfileReadStatus::CannotOpen;
    }
    return ReadProfile(stream, record);
}

bool LoadProfile(const std::filesystem::path& path, ProfileRecord& record) {
    return LoadProfileFile(path, record) == ProfileReadStatus::Loaded;
}

const char* Describe(ProfileReadStatus status) {
    switch (status) {
        case ProfileReadStatus::Loaded:
            return "loaded";
        case ProfileReadStatus::CannotOpen:
            return "cannot be opened";
        case ProfileReadStatus::NotAProfile:
            return "is not a profile file (wrong signature)";
        case ProfileReadStatus::Truncated:
            return "is damaged: it ends before the data it announces";
    }
    return "unknown";
}
