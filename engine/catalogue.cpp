#include "catalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

const QJsonObject &LifePathTexts()
{
    static const QJsonObject texts = LoadObject(QStringLiteral(":/texts/lifepath.json"));
    return texts;
}

const QJsonObject &BirthdayTexts()
{
    static const QJsonObject texts = LoadObject(QStringLiteral(":/texts/birthday.json"));
    return texts;
}

const QJsonObject &GemTexts()
{
    static const QJsonObject texts = LoadObject(QStringLiteral(":/texts/gemdescriptions.json"));
    return texts;
}

const QJsonObject &ProgramTexts()
{
    static const QJsonObject texts = LoadObject(QStringLiteral(":/texts/program.json"));
    return texts;
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
    return Lookup(LifePathTexts(), QString::number(lifePathNumber));
}

std::optional<QString> BirthdayCatalogue(qint16 birthdayNumber)
{
    return Lookup(BirthdayTexts(), QString::number(birthdayNumber));
}

std::optional<QString> GemDescriptionCatalogue(const QString &label)
{
    return Lookup(GemTexts(), label);
}

QString LifePathSignificance()
{
    return QStringLiteral(
        "This is one of the most important numbers. Sometimes it is also called the Life "
        "Direction Number. This represents who you are at birth. It gives a broad outline of the "
        "various good and bad opportunities, struggles that you may have to face throughout your "
        "life.");
}

QString BirthdaySignificance()
{
    return QStringLiteral("This describes what may happen in your middle years. It also tells you "
                          "about the various talents you possess.");
}

std::optional<QString> SupportText(int index)
{
    const QJsonArray texts = ProgramTexts().value(QStringLiteral("support")).toArray();
    if (index < 0 || index >= texts.size() || !texts.at(index).isString())
        return std::nullopt;
    return texts.at(index).toString();
}

QString SoftwaresCatalogueText()
{
    return ProgramTexts().value(QStringLiteral("softwaresCatalogue")).toString();
}

QString ForumAdvertisement()
{
    return ProgramTexts().value(QStringLiteral("forumAdvertisement")).toString();
}

QString AboutDescription()
{
    return ProgramTexts().value(QStringLiteral("aboutDescription")).toString();
}
