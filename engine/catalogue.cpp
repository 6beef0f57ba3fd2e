#include "engine/catalogue.h"

#include "engine/localenames.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

// Reads one built-in JSON file. A file that is missing or does not parse
// gives an empty object, so lookups answer "nothing" rather than crash.
QJsonObject LoadObject(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The built-in texts of the default locale (QLocale::setDefault) where the
// program has them, in a folder named for the locale ("pt_BR") or for its
// language ("es" for Spanish of Spain); English, at the top, for every
// other language. Each file is read once.
const QJsonObject &Texts(const char *file)
{
    static QHash<QString, QJsonObject> loaded;
    QString path = QStringLiteral(":/texts/") + QLatin1String(file);
    for (const QString &name : LocaleNames(QLocale())) {
        const QString own = QStringLiteral(":/texts/%1/").arg(name) + QLatin1String(file);
        if (QFile::exists(own)) {
            path = own;
            break;
        }
    }
    auto found = loaded.constFind(path);
    if (found == loaded.constEnd())
        found = loaded.insert(path, LoadObject(path));
    return *found;
}

std::optional<QString> Lookup(const QJsonObject &texts, const QString &key)
{
    const QJsonValue value = texts.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

std::optional<QString> LifePathCatalogue(qint16 lifePathNumber)
{
    return Lookup(Texts("lifepath.json"), QString::number(lifePathNumber));
}

std::optional<QString> BirthdayCatalogue(qint16 birthdayNumber)
{
    return Lookup(Texts("birthday.json"), QString::number(birthdayNumber));
}

std::optional<QString> GemDescriptionCatalogue(const QString &label)
{
    return Lookup(Texts("gemdescriptions.json"), label);
}

QString LifePathSignificance()
{
    return QCoreApplication::translate(
        "Catalogue",
        "This is one of the most important numbers. Sometimes it is also called the Life "
        "Direction Number. This represents who you are at birth. It gives a broad outline of the "
        "various good and bad opportunities, struggles that you may have to face throughout your "
        "life.");
}

QString BirthdaySignificance()
{
    return QCoreApplication::translate("Catalogue",
                                       "This describes what may happen in your middle years. It "
                                       "also tells you about the various talents you possess.");
}

std::optional<QString> SupportText(int index)
{
    const QJsonArray texts = Texts("program.json").value(QStringLiteral("support")).toArray();
    if (index < 0 || index >= texts.size() || !texts.at(index).isString())
        return std::nullopt;
    return texts.at(index).toString();
}

QString SoftwaresCatalogueText()
{
    return Texts("program.json").value(QStringLiteral("softwaresCatalogue")).toString();
}

QString ForumAdvertisement()
{
    return Texts("program.json").value(QStringLiteral("forumAdvertisement")).toString();
}

QString AboutDescription()
{
    return Texts("program.json").value(QStringLiteral("aboutDescription")).toString();
}
