#include "ui/widgets/appicon.h"

#include <QGuiApplication>

QIcon AppIcon()
{
    static const QIcon icon = [] {
        // The window system is handed every size an icon has, and each one
        // is decoded for it at start-up; the large images only serve a
        // scaled screen.
        const bool scaled = qApp && qApp->devicePixelRatio() > 1.0;
        QIcon i;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            if (size > 64 && !scaled)
                break;
            i.addFile(QStringLiteral(":/icons/gemvara-%1.png").arg(size), QSize(size, size));
        }
        return i;
    }();
    return icon;
}
