#include "ui/app/scriptfaces.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>

namespace {

// Faces of a script with a real bold, in the order they are tried. On
// Linux, Noto Sans Devanagari UI (Debian's fonts-noto-ui-core, which the
// install scripts and the Debian package bring) and Noto Sans Devanagari
// (fonts-noto-core): sans faces like Verdana. Windows has Nirmala UI.
QStringList FacesOf(QLocale::Script script)
{
    switch (script) {
    case QLocale::DevanagariScript:
#ifdef Q_OS_WIN
        return {QStringLiteral("Nirmala UI")};
#else
        return {QStringLiteral("Noto Sans Devanagari UI"), QStringLiteral("Noto Sans Devanagari")};
#endif
    default: return {};
    }
}

} // namespace

void InstallScriptFaces(const QLocale &language)
{
    const QStringList faces = FacesOf(language.script());
    if (faces.isEmpty())
        return;
    for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif"),
                                  QApplication::font().family()}) {
        // Qt tries a family's substitutes in order, for the family itself
        // where it is not installed and then for each character that the
        // face it took lacks: a missing family's Latin face must come first,
        // the system's own choice for it where nothing else names one.
        if (QFont::substitutes(family).isEmpty() && !QFontDatabase::hasFamily(family))
            QFont::insertSubstitution(family, QFontInfo(QFont(family)).family());
        QFont::insertSubstitutions(family, faces);
    }
}
