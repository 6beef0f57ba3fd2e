#pragma once

#include <QDate>

class QSettings;

// Asks, at most once every fifteen days, whether to look for an update, and
// opens the download page on Yes. Called at start-up before any window.
// It never throws and never stops the start-up.
void CheckUpdateReminder(const QDate &today = QDate::currentDate());

// The same check against a given store; CheckUpdateReminder uses the
// per-user store of the running program (ReminderSettings below).
void CheckUpdateReminder(QSettings &store, const QDate &today);

// Where the date of the last question lives: section "Settings", key
// "Duration", in the per-user store named after the running executable.
// On Linux that is <config folder>/<app>/<app>.conf, on Windows the
// registry branch Software\<app>\<app>.
QString ReminderAppName();
inline constexpr char ReminderKey[] = "Settings/Duration";
