#include "ui/app/fontsubstitutes.h"

#include <QFont>
#include <QFontDatabase>

void InstallFontSubstitutes()
{
    // A substitute is only tried when the family itself is not installed, so
    // there is no need to ask first: asking loads the whole font database
    // and resolves aliases before the first window is even built.
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    // Where the desktop names no font, the system font is Qt's generic
    // "Sans Serif", a name its fontconfig database lists but cannot load by
    // itself. As a substitute it is tried and dropped every time, and the
    // missing family goes to fontconfig's own choice for it all the same;
    // all it adds is a fallback query and a failed load per font.
    if (sans.compare(QLatin1String("Sans Serif"), Qt::CaseInsensitive) == 0)
        return;
    for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitution(family, sans);
}
