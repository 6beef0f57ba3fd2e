#include "engine/localenames.h"

#include <QLocale>

QStringList LocaleNames(const QLocale &locale)
{
    const QString name = locale.name();
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    return language == name ? QStringList{name} : QStringList{name, language};
}
