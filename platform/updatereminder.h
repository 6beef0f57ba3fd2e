#pragma once

#include <QDate>

// Asks, at most once every fifteen days, whether to look for an update, and
// opens the download page on Yes. Called at start-up before any window.
void CheckUpdateReminder(const QDate &today = QDate::currentDate());
