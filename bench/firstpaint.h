#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Installed on the application: at the first paint of a top-level window
// it writes one byte to stdout for the benchmark driver and ends the process.
class FirstPaintReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                // Let this paint happen first, then report.
                QMetaObject::invokeMethod(
                    this,
                    [] {
                        const char byte = 'p';
                        (void)!write(STDOUT_FILENO, &byte, 1);
                        std::_Exit(0);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }
};
