#include "macro/MacroFiles.h"

namespace {

constexpr std::int32_t kEventRecordBytes = 32;

void WriteRect(DataStream& stream, const Rect& rect) {
    stream.WriteInt32(rect.left);
    stream.WriteInt32(rect.top);
    stream.WriteInt32(rect.right);
    stream.WriteInt32(rect.bottom);
}

Rect ReadRect(DataStream& stream) {
    Rect rect;
    rect.left = stream.ReadInt32();
    rect.top = stream.ReadInt32();
    rect.right = stream.ReadInt32();
    rect.bottom = stream.ReadInt32();
    return rect;
}

}  // namespace

void WriteMacroFile(DataStream& stream, const CMacro& macro) {
    stream.WriteString(macro.name);
    stream.WriteInt32(macro.macroId);
    WriteRect(stream, macro.viewRect);
    stream.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
    for (const CEventItem& event : macro.events) {
        stream.WriteByte(event.kind);
        stream.WriteInt16(event.keyCode);
        stream.WriteByte(event.direction);
        stream.WriteInt32(event.delay);
        WriteRect(stream, event.rect);
        stream.WriteInt32(event.selected);
        stream.WriteInt32(event.itemId);
    }
}

bool ReadMacroFile(DataStream& stream, CMacro& macro) {
    CMacro read;
    read.name = stream.ReadString();
    read.macroId = stream.ReadInt32();
    read.viewRect = ReadRect(stream);
    const std::int32_t count = stream.ReadInt32();
    if (count > 0) {
        if (stream.Remaining() / kEventRecordBytes < count) {
            return false;
        }
        read.events.resize(std::size_t(count));
        for (CEventItem& event : read.events) {
            event.kind = stream.ReadByte();
            event.keyCode = stream.ReadInt16();
            event.direction = stream.ReadByte();
            event.delay = stream.ReadInt32();
            event.rect = ReadRect(stream);
            event.selected = stream.ReadInt32();
            event.itemId = stream.ReadInt32();
        }
    }
    if (stream.Failed()) {
        return false;
    }
    macro = std::move(read);
    return true;
}

void WriteMacroIndex(DataStream& stream, const std::vector<std::u16string>& paths) {
    stream.WriteInt32(static_cast<std::int32_t>(paths.size()));
    for (const std::u16string& path : paths) {
        stream.WriteString(path);
    }
}

std::vector<std::u16string> ReadMacroIndex(DataStream& stream) {
    std::vector<std::u16string> paths;
    const std::int32_t count = stream.ReadInt32();
    for (std::int32_t i = 0; i < count; ++i) {
        std::u16string path = stream.ReadString();
        if (stream.Failed()) {
            break;
        }
        paths.push_back(std::move(path));
    }
    return paths;
}
