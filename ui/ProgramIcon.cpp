#include "ui/ProgramIcon.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstring>

namespace varkel {

QIcon ProgramIcon(const char* name) {
    for (int i = 0; i < kIconPixelsCount; ++i) {
        const IconPixels& icon = kIconPixels[i];
        if (std::strcmp(icon.name, name) != 0)
            continue;
        const QImage image(reinterpret_cast<const uchar*>(icon.argb), icon.size, icon.size,
                           icon.size * 4, QImage::Format_ARGB32_Premultiplied);
        QIcon result;
        result.addPixmap(QPixmap::fromImage(image));
        // As Qt does for a file name: the name@2x picture only where it is used.
        if (qApp && qApp->devicePixelRatio() > 1.0)
            result.addFile(QStringLiteral(":/icons/") + QLatin1String(name) +
                           QStringLiteral("@2x.png"));
        return result;
    }
    return {};
}

} // namespace varkel
