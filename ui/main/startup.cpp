#include "startup.h"

#include <QWidget>

// Placeholder until the main window exists.
void StartApplication()
{
    auto *w = new QWidget;
    w->setWindowTitle(QStringLiteral("Gemvara v1.0"));
    w->show();
}
