#pragma once

#include <QDate>

#include <functional>

class QSettings;

// Puts the update question to the user and returns true on Yes. Start-up
// passes one that shows the program's message box.
using UpdateQuestion = std::function<bool(const QString &question)>;

// Asks, at most once every fifteen days, whether to look for an update, and
// opens the download page on Yes. Called at start-up before any window.
// It never throws and never stops the start-up.
void CheckUpdateReminder(const UpdateQuestion &ask, const QDate &today = QDate::currentDate());

// The same check against a given store. The one above uses the per-user
// store named after the application's organisation and name (both
// "GemvaraFree"): on Linux <config folder>/GemvaraFree/GemvaraFree.conf,
// on Windows the registry branch Software\GemvaraFree\GemvaraFree.
void CheckUpdateReminder(QSettings &store, const UpdateQuestion &ask, const QDate &today);

// Where the date of the last question lives: section "Settings", key
// "Duration".
inline constexpr char ReminderKey[] = "Settings/Duration";
