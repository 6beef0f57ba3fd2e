#include "ui/exit/supporttext.h"

#include <QRandomGenerator>
#include <QtGlobal>

int SupportTextIndexFor(double r)
{
    // A value just below 1 must not round up to a fifth text.
    return qBound(0, int(r * 4), 3);
}

int DrawSupportTextIndex(QRandomGenerator &random)
{
    return SupportTextIndexFor(random.generateDouble());
}
