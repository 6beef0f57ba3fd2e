#include "ui/app/language.h"

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

// Installs the translation of `name` (as "qtbase") into `language` from
// the first of `folders` that has it.
void Install(const QString &name, const QString &language, const QStringList &folders)
{
    auto *translator = new QTranslator(qApp);
    for (const QString &folder : folders) {
        if (translator->load(name + QLatin1Char('_') + language, folder)) {
            QCoreApplication::installTranslator(translator);
            Installed().append(translator);
            return;
        }
    }
    delete translator;
}

} // namespace

QString InstallLanguage(const QStringList &uiLanguages)
{
    QString chosen = QStringLiteral("en");
    for (const QString &name : uiLanguages) {
        const QString language = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en")
            || QFile::exists(QStringLiteral(":/i18n/gemvara_%1.qm").arg(language))) {
            chosen = language;
            break;
        }
    }
    qDeleteAll(std::exchange(Installed(), {}));
    QLocale::setDefault(QLocale(chosen));
    if (chosen == QLatin1String("en"))
        return chosen;
    // Qt's own first, so that the program's words win where both have one.
    // The Windows packages carry Qt's beside the program.
    Install(QStringLiteral("qtbase"), chosen,
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
             QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
    Install(QStringLiteral("gemvara"), chosen, {QStringLiteral(":/i18n")});
    return chosen;
}
