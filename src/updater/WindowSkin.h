#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <optional>

// A control's place on a skinned window: "NAME,x,y,w,h," and optionally more text after the
// last comma. The edges are x + w and y + h.
struct LayoutEntry {
    QString name;
    QRect rect;
};
std::optional<LayoutEntry> ParseLayout(const QString& text);

// The window's shape: every run of pure white pixels of the mask, row by row.
QRegion RegionFromMask(const QImage& mask);

// The updater's artwork, embedded in the program under its resource number.
QImage UpdaterArt(int number);
