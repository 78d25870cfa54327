#include "bitmaps.h"

#include <QBitmap>
#include <QFileInfo>
#include <QPixmap>

#include "resources.h"

namespace kestrow {

namespace {

QPixmap masked(const QString& path, const QColor& transparent) {
    QPixmap pixmap(path);
    if (!pixmap.isNull()) pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return pixmap;
}

}  // namespace

QIcon status_icon(int index) {
    // Only the first image has transparent (white) pixels; the others use a
    // dark red that none of their pixels has, so their white stays white.
    const QColor transparent = index == 0 ? QColor(255, 255, 255) : QColor(128, 0, 0);
    QIcon icon;
    icon.addPixmap(masked(res::status_image(index), transparent));
    return icon;
}

QIcon toolbar_icon(int command) {
    const QColor background(192, 192, 192);
    const QString path = res::toolbar_image(command);
    QIcon icon;
    icon.addPixmap(masked(path, background));
    const QFileInfo file(path);
    const QString doubled = file.path() + u'/' + file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
    QPixmap large = masked(doubled, background);
    if (!large.isNull()) {
        large.setDevicePixelRatio(2.0);
        icon.addPixmap(large);
    }
    return icon;
}

QIcon program_window_icon() {
    QIcon icon;
    for (const int size : res::program_icon_sizes) icon.addFile(res::program_icon(size), QSize(size, size));
    return icon;
}

}  // namespace kestrow
