#include "sim/SimState.h"

#include <nlohmann/json.hpp>

#include "device/DeviceImage.h"
#include "profile/ProfileSet.h"

using nlohmann::json;

namespace {

std::string Hex(const std::array<std::uint8_t, SimState::kImageSize>& bytes) {
    static const char* const kDigits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

bool FromHex(const std::string& text, std::array<std::uint8_t, SimState::kImageSize>& bytes) {
    if (text.size() != bytes.size() * 2) {
        return false;
    }
    auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1);
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = digit(text[2 * i]);
        const int low = digit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return true;
}

}  // namespace

SimState SimState::Factory() {
    SimState state;
    for (int slot = 0; slot < kSlots; ++slot) {
        ProfileRecord record;
        record.slotIndex = static_cast<std::uint8_t>(slot);
        record.name = ProfileSet::InitialName(slot + 1);
        state.images[std::size_t(slot)] = BuildDeviceImage(record).bytes;
    }
    return state;
}

std::string SimStateToJson(const SimState& s) {
    json images = json::array();
    for (const auto& image : s.images) {
        images.push_back(Hex(image));
    }
    const json j = {
        {"mode", s.bootloader ? "bootloader" : "normal"},
        {"plugged", s.plugged},
        {"plugGeneration", s.plugGeneration},
        {"firmwareVersion", s.firmwareVersion},
        {"activeSlot", s.activeSlot},
        {"images", images},
        {"lodTest", s.lodTest},
        {"lodSave", s.lodSave},
        {"surfaceRaw", s.surfaceRaw},
        {"surfaceStarted", s.surfaceStarted},
        {"status", s.status},
        {"awaitingSlot", s.awaitingSlot},
        {"replyPending", s.replyPending},
        {"slotReady", s.slotReady},
        {"surfaceReply", s.surfaceReply},
        {"headerHalf", s.headerHalf},
        {"headerSlot", s.headerSlot},
        {"transfers", s.transfers},
        {"boot",
         {{"pendingCommand", s.boot.pendingCommand},
          {"status", s.boot.status},
          {"leaving", s.boot.leaving},
          {"searchesUntilBack", s.boot.searchesUntilBack},
          {"imageSize", s.boot.imageSize},
          {"prepared", s.boot.prepared},
          {"headerBlock", s.boot.headerBlock},
          {"headerChecksum", s.boot.headerChecksum},
          {"blocksReceived", s.boot.blocksReceived}}},
        {"faults",
         {{"busyPolls", s.faults.busyPolls},
          {"failCommand", s.faults.failCommand},
          {"failTransferIn", s.faults.failTransferIn},
          {"unplugAfter", s.faults.unplugAfter},
          {"restartSearches", s.faults.restartSearches},
          {"resendReports", s.faults.resendReports},
          {"unplugAtBlock", s.faults.unplugAtBlock},
          {"badChecksumAtBlock", s.faults.badChecksumAtBlock}}},
    };
    return j.dump(1) + "\n";
}

bool SimStateFromJson(const std::string& text, SimState& state) {
    try {
        const json j = json::parse(text);
        SimState s;
        s.bootloader = j.at("mode").get<std::string>() == "bootloader";
        j.at("plugged").get_to(s.plugged);
        j.at("plugGeneration").get_to(s.plugGeneration);
        j.at("firmwareVersion").get_to(s.firmwareVersion);
        j.at("activeSlot").get_to(s.activeSlot);
        const json& images = j.at("images");
        if (!images.is_array() || images.size() != s.images.size()) {
            return false;
        }
        for (std::size_t i = 0; i < s.images.size(); ++i) {
            if (!FromHex(images[i].get<std::string>(), s.images[i])) {
                return false;
            }
        }
        j.at("lodTest").get_to(s.lodTest);
        j.at("lodSave").get_to(s.lodSave);
        j.at("surfaceRaw").get_to(s.surfaceRaw);
        j.at("surfaceStarted").get_to(s.surfaceStarted);
        j.at("status").get_to(s.status);
        j.at("awaitingSlot").get_to(s.awaitingSlot);
        j.at("replyPending").get_to(s.replyPending);
        j.at("slotReady").get_to(s.slotReady);
        j.at("surfaceReply").get_to(s.surfaceReply);
        j.at("headerHalf").get_to(s.headerHalf);
        j.at("headerSlot").get_to(s.headerSlot);
        j.at("transfers").get_to(s.transfers);
        const json& f = j.at("faults");
        f.at("busyPolls").get_to(s.faults.busyPolls);
        f.at("failCommand").get_to(s.faults.failCommand);
        f.at("failTransferIn").get_to(s.faults.failTransferIn);
        f.at("unplugAfter").get_to(s.faults.unplugAfter);
        f.at("restartSearches").get_to(s.faults.restartSearches);
        f.at("resendReports").get_to(s.faults.resendReports);
        f.at("unplugAtBlock").get_to(s.faults.unplugAtBlock);
        f.at("badChecksumAtBlock").get_to(s.faults.badChecksumAtBlock);
        const json& b = j.at("boot");
        b.at("pendingCommand").get_to(s.boot.pendingCommand);
        b.at("status").get_to(s.boot.status);
        b.at("leaving").get_to(s.boot.leaving);
        b.at("searchesUntilBack").get_to(s.boot.searchesUntilBack);
        b.at("imageSize").get_to(s.boot.imageSize);
        b.at("prepared").get_to(s.boot.prepared);
        b.at("headerBlock").get_to(s.boot.headerBlock);
        b.at("headerChecksum").get_to(s.boot.headerChecksum);
        b.at("blocksReceived").get_to(s.boot.blocksReceived);
        state = s;
        return true;
    } catch (const json::exception&) {
        return false;
    }
}
