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

// The same check against a given store; the one above uses the per-user
// store of the running program (see ReminderAppName below).
void CheckUpdateReminder(QSettings &store, const UpdateQuestion &ask, const QDate &today);

// Where the date of the last question lives: section "Settings", key
// "Duration", in the per-user store named after the running executable.
// On Linux that is <config folder>/<app>/<app>.conf, on Windows the
// registry branch Software\<app>\<app>.
QString ReminderAppName();
inline constexpr char ReminderKey[] = "Settings/Duration";
