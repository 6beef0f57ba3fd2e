#include "platform/updatereminder.h"

#include "platform/weblinks.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// ISO 8601, so the stored date reads back the same whatever the user's
// regional format is.
constexpr QStringView DateFormat = u"yyyy-MM-dd";

constexpr int QuietDays = 14;

// A store that cannot be written (read-only folder, full disk) loses the
// date and nothing more: start-up goes on.
void StoreDate(QSettings &store, const QDate &today)
{
    store.setValue(QLatin1String(ReminderKey), today.toString(DateFormat));
    store.sync();
}

// The two lines are parted by a carriage return alone.
QString UpdateQuestionText()
{
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available\r"
                                       "Do you want to check for an update?");
}

} // namespace

void CheckUpdateReminder(QSettings &store, const UpdateQuestion &ask, const QDate &today)
{
    const QString stored = store.value(QLatin1String(ReminderKey), QString()).toString();
    if (stored.isEmpty()) {
        // First start for this user: remember the day, ask nothing.
        StoreDate(store, today);
        return;
    }

    const QDate last = QDate::fromString(stored, DateFormat);
    if (!last.isValid())
        return; // edited by hand or damaged: leave it alone, ask nothing

    const qint64 days = today.daysTo(last);
    if (days >= -QuietDays && days <= QuietDays)
        return;

    // Whatever the answer, the day of the question is remembered, and it is
    // in the store before the download page opens.
    const bool wantsUpdate = ask && ask(UpdateQuestionText());
    StoreDate(store, today);
    if (wantsUpdate)
        OpenDownloadPage();
}

void CheckUpdateReminder(const UpdateQuestion &ask, const QDate &today)
{
    // The application's own store, under the names start-up gives it.
    QSettings store;
    CheckUpdateReminder(store, ask, today);
}
