#pragma once

#include <QLocale>
#include <QStringList>

// Speaks the first of the desktop's languages that Gemvara has a
// translation for, English where it has none: loads the program's
// translation and Qt's own (its buttons and context menus), and makes the
// language the default locale, which the month list and the built-in
// texts follow, and the faces of the language's script (InstallScriptFaces).
// Returns the name of the translation chosen ("es", "pt_BR"; "en" for
// English). Call once at start-up, after InstallFontSubstitutes and before
// the first window is made.
QString InstallLanguage(const QStringList &uiLanguages = QLocale::system().uiLanguages());
