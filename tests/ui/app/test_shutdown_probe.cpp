// A small program that ends through QuitApplication, driven by the shutdown
// tests. Each close handler reports itself on stdout; the handler that
// quits says "after" once the call has returned, main says "event loop
// left" once exec has; a handler queued before the call says "late", which
// must never be seen.
//   probe bare      quit before any window exists
//   probe several   quit with open, hidden, refusing and window-opening windows
//                   and a tool tip
//   probe reenter   a window's close handler calls QuitApplication again
#include "platform/singleinstance.h"
#include "ui/app/quitapplication.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

void Say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Every window made, to be deleted at the end.
QList<QPointer<QWidget>> &Windows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

class Traced : public QWidget
{
public:
    Traced(const QString &name, std::function<void(QCloseEvent *)> onClose = {})
        : m_onClose(std::move(onClose))
    {
        setObjectName(name);
        setWindowTitle(name);
        Windows().append(this);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        Say(QStringLiteral("close ") + objectName());
        if (m_onClose)
            m_onClose(event);
    }

private:
    std::function<void(QCloseEvent *)> m_onClose;
};

void WriteSetting(const QString &name)
{
    QSettings store(qEnvironmentVariable("GEMVARA_PROBE_INI"), QSettings::IniFormat);
    store.setValue(QStringLiteral("closed/") + name, QStringLiteral("yes"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QStringLiteral("GemvaraShutdownProbe"));
    const char *mode = argc > 1 ? argv[1] : "bare";
    InstanceLock lock;
    Say(lock.acquire() ? QStringLiteral("locked") : QStringLiteral("not locked"));

    if (std::strcmp(mode, "bare") == 0) {
        QuitApplication();
    } else if (std::strcmp(mode, "several") == 0) {
        auto *a = new Traced(QStringLiteral("A"),
                             [](QCloseEvent *) { WriteSetting(QStringLiteral("A")); });
        auto *hidden = new Traced(QStringLiteral("B"));
        auto *c = new Traced(QStringLiteral("C"),
                             [](QCloseEvent *) { (new Traced(QStringLiteral("D")))->show(); });
        auto *r = new Traced(QStringLiteral("R"), [](QCloseEvent *event) { event->ignore(); });
        for (QWidget *w : {static_cast<QWidget *>(a), static_cast<QWidget *>(hidden),
                           static_cast<QWidget *>(c), static_cast<QWidget *>(r)})
            w->show();
        hidden->hide();
        // A tool tip is Qt's to close, not the quit's.
        auto *tip = new Traced(QStringLiteral("T"));
        tip->setWindowFlags(Qt::ToolTip);
        tip->show();
    } else if (std::strcmp(mode, "reenter") == 0) {
        // Every one quits again, so whichever is closed first re-enters.
        (new Traced(QStringLiteral("E"), [](QCloseEvent *) { QuitApplication(); }))->show();
        (new Traced(QStringLiteral("F"), [](QCloseEvent *) { QuitApplication(); }))->show();
        (new Traced(QStringLiteral("G"), [](QCloseEvent *) {
            WriteSetting(QStringLiteral("G"));
            QuitApplication();
        }))->show();
    }

    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] { Say(QStringLiteral("late")); });
        QuitApplication();
        Say(QStringLiteral("after"));
    });
    const int code = QApplication::exec();
    Say(QStringLiteral("event loop left"));
    // As the program's navigator does: the windows go before the application.
    for (const QPointer<QWidget> &window : Windows())
        delete window;
    return code;
}
