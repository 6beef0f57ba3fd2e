#include "updatereminder.h"

void CheckUpdateReminder(const QDate &today)
{
    Q_UNUSED(today);
}
