#include "updater/WindowSkin.h"

#include <QStringList>

std::optional<LayoutEntry> ParseLayout(const QString& text) {
    const QStringList fields = text.split(',');
    if (fields.size() < 6 || fields[0].isEmpty()) {
        return std::nullopt;
    }
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = fields[i + 1].trimmed().toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return LayoutEntry{fields[0], QRect(values[0], values[1], values[2], values[3])};
}

QRegion RegionFromMask(const QImage& mask) {
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    QRegion region;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width();) {
            if ((row[x] & 0xFFFFFF) != 0xFFFFFF) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < pixels.width() && (row[x] & 0xFFFFFF) == 0xFFFFFF) {
                ++x;
            }
            region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

QImage UpdaterArt(int number) {
    return QImage(QString(":/reflasher/%1.png").arg(number));
}
