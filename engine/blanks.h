#pragma once

#include <QString>

// Removes leading and trailing blanks (character 32 only, not tabs, line
// breaks or other spaces): the program's one meaning of "trimmed".
QString TrimBlanks(const QString &text);
