#include "skin/SkinStore.h"

#include <QImageReader>

#include "platform/Messages.h"

namespace fs = std::filesystem;

fs::path SkinFolderFor(const fs::path& programFolder) {
    const fs::path beside = programFolder / "Skins";
    const fs::path installed = programFolder / ".." / "share" / "vosk8200" / "Skins";
    std::error_code error;
    if (!fs::is_directory(beside, error) && fs::is_directory(installed, error)) {
        return installed.lexically_normal();
    }
    return beside;
}

fs::path LanguageFileFor(const fs::path& programFolder) {
    return programFolder / "language.ini";
}

std::optional<QImage> LoadImageFile(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}

SkinStore::SkinStore(fs::path folder, Messages& messages, std::function<void()> requestQuit)
    : folder_(std::move(folder)), messages_(messages), requestQuit_(std::move(requestQuit)) {}

void SkinStore::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;  // first, so a request made while loading starts no second load
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        if (auto image = LoadImageFile(folder_ / SkinFileNames()[std::size_t(slot)])) {
            images_[std::size_t(slot)] = std::make_shared<const QImage>(std::move(*image));
        }
    }
}

std::optional<SkinImage> SkinStore::SkinPart(int number, int state, int left, int top, int right,
                                             int bottom) {
    Load();
    const std::optional<SkinSelection> selection = SelectSkin(number, state);
    if (!selection) {
        Fail();
        return std::nullopt;
    }
    SkinImage result;
    result.kind = selection->result;
    if (selection->result == SkinResult::Part) {
        std::optional<QImage> cut = Cut(selection->slot, left, top, right, bottom);
        if (!cut) {
            return std::nullopt;
        }
        result.owned = std::move(*cut);
        return result;
    }
    std::shared_ptr<const QImage> stored = Stored(selection->slot);
    if (!stored) {
        return std::nullopt;
    }
    if (selection->result == SkinResult::Shared) {
        result.shared = std::move(stored);
    } else {
        result.owned = stored->copy();
    }
    return result;
}

std::optional<QImage> SkinStore::Cut(int slot, int left, int top, int right, int bottom) {
    const std::shared_ptr<const QImage> stored = Stored(slot);
    if (!stored) {
        return std::nullopt;
    }
    const QRect area(left, top, right - left, bottom - top);
    if (area.isEmpty() || !stored->rect().contains(area)) {
        return std::nullopt;
    }
    return stored->copy(area);
}

std::shared_ptr<const QImage> SkinStore::Stored(int slot) {
    Load();
    if (slot < 0 || slot >= kSkinFileCount || !images_[std::size_t(slot)]) {
        Fail();
        return nullptr;
    }
    return images_[std::size_t(slot)];
}

void SkinStore::Fail() {
    messages_.Show("ui load failed!");
    if (requestQuit_) {
        requestQuit_();
    }
}

QPoint LabelOrigin(QSize text, bool centreHorizontally, bool centreVertically, int left, int top,
                   int right, int bottom) {
    int x = left;
    int y = top;
    if (centreHorizontally) {
        x = left + (right - text.width() - left) / 2;
    }
    if (centreVertically) {
        y = top + (bottom - text.height() - top) / 2;
    }
    return {x, y};
}
