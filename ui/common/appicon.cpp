#include "appicon.h"

QIcon AppIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            i.addFile(QStringLiteral(":/icons/gemvara-%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}
