#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The fixed texts of a reading and of the program's windows, in the default
// locale's language where the program has it, else in English. They are
// built in as resources and each file is read on first use, not at start-up.

// Interpretation of a life path number (1-9, 11, 22); nothing for others.
std::optional<QString> LifePathCatalogue(qint16 lifePathNumber);

// Interpretation of a day of birth (1-31); nothing for others.
std::optional<QString> BirthdayCatalogue(qint16 birthdayNumber);

// Description of a kind of stone by its label: "Topaz", "Ruby",
// "Cat's eye", "Amethyst", "Sapphire", "Diamond", "Emerald", "Moonstone",
// "Coral". Nothing for any other label.
std::optional<QString> GemDescriptionCatalogue(const QString &label);

QString LifePathSignificance();
QString BirthdaySignificance();

// The exit screen's four support texts (index 0-3); nothing for others.
std::optional<QString> SupportText(int index);
// The exit screen's text about the publisher's other programs.
QString SoftwaresCatalogueText();
// The one-line advertisement for the publisher's discussion board.
QString ForumAdvertisement();
// The About window's description of the program.
QString AboutDescription();
