#include "ui/app/language.h"

#include "engine/localenames.h"
#include "ui/app/scriptfaces.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace {

// Qt's own words that Gemvara shows, for the languages Qt has no
// translation of: the message boxes' buttons and the text boxes' context
// menus. Listed so that lupdate keeps them in every translation; Qt looks
// them up under its own contexts.
[[maybe_unused]] constexpr const char *QtWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
};

// The translations installed, so that choosing again replaces them.
QList<QTranslator *> &Installed()
{
    static QList<QTranslator *> installed;
    return installed;
}

// Installs the translation `name` ("qtbase") for `locale` from the first of
// `folders` that has it: the locale's full name first ("qtbase_pt_BR"),
// then its language alone ("qtbase_es" for Spanish of Spain).
void Install(const QString &name, const QLocale &locale, const QStringList &folders)
{
    auto *translator = new QTranslator(qApp);
    for (const QString &folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            Installed().append(translator);
            return;
        }
    }
    delete translator;
}

// The program's own translation for the desktop's language `name`: by the
// locale's full name ("pt_BR"), else by its language ("es" for "es_MX");
// empty where the program has none. A language is thus only a .ts file
// added to the build.
QString TranslationFor(const QString &name)
{
    for (const QString &candidate : LocaleNames(QLocale(name))) {
        if (QFile::exists(QStringLiteral(":/i18n/gemvara_%1.qm").arg(candidate)))
            return candidate;
    }
    return {};
}

} // namespace

QString InstallLanguage(const QStringList &uiLanguages)
{
    QString chosen = QStringLiteral("en");
    for (const QString &name : uiLanguages) {
        if (QLocale(name).language() == QLocale::English)
            break;
        if (const QString translation = TranslationFor(name); !translation.isEmpty()) {
            chosen = translation;
            break;
        }
    }
    qDeleteAll(std::exchange(Installed(), {}));
    const QLocale locale(chosen);
    QLocale::setDefault(locale);
    InstallScriptFaces(locale);
    if (chosen == QLatin1String("en"))
        return chosen;
    // Qt's own first, so that the program's words win where both have one.
    // The Windows packages carry Qt's beside the program.
    Install(QStringLiteral("qtbase"), locale,
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
             QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
    Install(QStringLiteral("gemvara"), locale, {QStringLiteral(":/i18n")});
    return chosen;
}
