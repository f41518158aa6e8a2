#pragma once

#include <QImage>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "skin/SkinCatalog.h"

class Messages;

// What a skin request hands out: the stored picture itself (shared, read-only), or a picture of
// the caller's own (a copy or a cut).
struct SkinImage {
    SkinResult kind = SkinResult::Part;
    std::shared_ptr<const QImage> shared;
    QImage owned;

    const QImage& image() const { return shared ? *shared : owned; }
};

// The skin folder beside the program, or the installed one beside an installed binary.
std::filesystem::path SkinFolderFor(const std::filesystem::path& programFolder);
// The language file beside the program: its path is formed, the file is never read.
std::filesystem::path LanguageFileFor(const std::filesystem::path& programFolder);

// Decodes a BMP or PNG file; nothing for a missing or undecodable one.
std::optional<QImage> LoadImageFile(const std::filesystem::path& path);

// The 62 skin pictures, decoded once on first use and kept for the life of the program. A
// request that needs a missing picture, or names an invalid number or state, shows
// "ui load failed!" and asks the program to quit.
class SkinStore {
  public:
    SkinStore(std::filesystem::path folder, Messages& messages, std::function<void()> requestQuit);

    void Load();
    bool loaded() const { return loaded_; }
    const std::filesystem::path& folder() const { return folder_; }

    // The rectangle is left, top, right, bottom (exclusive) in the screen's pictures; it is
    // ignored for whole and single pictures.
    std::optional<SkinImage> SkinPart(int number, int state, int left, int top, int right,
                                      int bottom);
    // A cut of stored picture `slot`; nothing without a message when the area does not lie
    // inside the picture.
    std::optional<QImage> Cut(int slot, int left, int top, int right, int bottom);

  private:
    std::shared_ptr<const QImage> Stored(int slot);
    void Fail();

    std::filesystem::path folder_;
    Messages& messages_;
    std::function<void()> requestQuit_;
    bool loaded_ = false;
    std::array<std::shared_ptr<const QImage>, kSkinFileCount> images_;
};

// Where Draw label text puts a text of the given size: centred horizontally and/or vertically in
// the rectangle with truncating halves, else at its left or top edge.
QPoint LabelOrigin(QSize text, bool centreHorizontally, bool centreVertically, int left, int top,
                   int right, int bottom);
