#pragma once

#include <QStringList>

class QLocale;

// The names a locale's texts are looked up by, the most particular first:
// "pt_BR", then "pt"; "es" alone for Spanish of Spain, whose texts serve
// every Spanish.
QStringList LocaleNames(const QLocale &locale);
