#include "ui/app/scriptfaces.h"

#include "ui/widgets/formfonts.h"

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
    // Only the faces the system has: Qt would look each missing one up
    // through fontconfig's fallback, again for every script it tries it in.
    const QStringList installed = QFontDatabase::families();
    QStringList faces = FacesOf(language.script());
    faces.removeIf([&](const QString &face) { return !installed.contains(face); });
    if (faces.isEmpty())
        return;
    // Where the desktop names no font, the application's family is Qt's
    // generic "Sans Serif", which has no face of its own: Qt would draw the
    // menus' spaces, digits and brackets in the first face named here, and
    // search fontconfig's fallback once more for each script. Resolved, it
    // names the sans face that fontconfig picks. (Only there: setting the
    // application's font drops the fonts a desktop theme gives its menus
    // and message boxes.)
    QFont application = QApplication::font();
    if (application.family() == QLatin1String("Sans Serif")) {
        application.setFamily(QFontInfo(application).family());
        QApplication::setFont(application);
    }
    // On the families text is drawn in: the application's (menus, message
    // boxes) and the forms', where Qt tries them in order for each
    // character that the family's own face lacks.
    for (const QString &family :
         {QApplication::font().family(), FormFamily(QStringLiteral("Verdana")),
          FormFamily(QStringLiteral("MS Sans Serif"))})
        QFont::insertSubstitutions(family, faces);
}
