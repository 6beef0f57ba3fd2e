// Time from the click on "Next" to the reading window painted in full.
//
// Starts Gemvara as the program does, types a name, then over and over:
// picks a date, clicks cmdNext, waits for the reading window's first paint
// (and, where xcb is at hand, for the X server to have taken the pixels),
// clicks Back and waits for the main window to be painted again. Prints the
// first (cold) reading apart and the median of the rest. Needs a display;
// run it with a throw-away HOME and XDG_RUNTIME_DIR.
//
// Under valgrind --tool=callgrind --collect-atstart=no, only the warm
// readings are counted, each from the click to the window painted: the
// instructions collected divided by readings - 1 are one warm reading's.
//
//   reading_probe [readings]
#include "ui/app/startup.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#ifdef GEMVARA_BENCH_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes when a top-level window of the watched kind has finished a paint.
class PaintWatcher : public QObject
{
public:
    const QMetaObject *kind = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && kind && watched->metaObject() == kind) {
            // The window's own paint comes first and its children follow in
            // the same pass; a queued call runs once the pass is over.
            QMetaObject::invokeMethod(
                this, [this] { painted = true; }, Qt::QueuedConnection);
        }
        return false;
    }
};

// Waits until the X server has handled everything sent so far, the
// window's pixels included.
void RoundTrip()
{
#ifdef GEMVARA_BENCH_XCB
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *c = x11->connection();
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
#endif
}

bool WaitFor(const bool &flag, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!flag && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return flag;
}

// Lets everything the last step left behind (deferred deletes, the exit
// screen coming and going, repaints) settle before the next measurement.
void Settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    RoundTrip();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int readings = argc > 1 ? std::max(2, std::atoi(argv[1])) : 101;

    QApplication app(argc, argv);
    SetUpApplication();

    PaintWatcher watcher;
    app.installEventFilter(&watcher);
    watcher.kind = &frmMain::staticMetaObject;
    Program program;
    StartApplication(program);
    frmMain *main = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<frmMain *>(window))
            main = found;
    }
    if (!main || !WaitFor(watcher.painted)) {
        std::fprintf(stderr, "the main window did not come up\n");
        return 1;
    }
    auto *firstName = main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"));
    auto *lastName = main->findChild<QLineEdit *>(QStringLiteral("txtLastName"));
    auto *day = main->findChild<QComboBox *>(QStringLiteral("cboDate"));
    auto *month = main->findChild<QComboBox *>(QStringLiteral("cboMonth"));
    auto *year = main->findChild<QComboBox *>(QStringLiteral("cboYear"));
    auto *next = main->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    if (!firstName || !lastName || !day || !month || !year || !next) {
        std::fprintf(stderr, "a control of the main window is missing\n");
        return 1;
    }
    QTest::keyClicks(firstName, QStringLiteral("ADA"));
    QTest::keyClicks(lastName, QStringLiteral("LOVELACE"));
    Settle();

    std::vector<double> times;
    for (int i = 0; i < readings; ++i) {
        // Walk through days, months and years so that every gemstone, and
        // so every picture, comes up.
        day->setCurrentIndex((i * 7) % 28);
        month->setCurrentIndex(i % 12);
        year->setCurrentIndex((i * 13) % year->count());

        watcher.kind = &frmDisplay::staticMetaObject;
        watcher.painted = false;
        const bool warm = i > 0;
        if (warm)
            CALLGRIND_TOGGLE_COLLECT;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(next, Qt::LeftButton);
        if (!WaitFor(watcher.painted)) {
            std::fprintf(stderr, "reading %d: the reading window was not painted\n", i + 1);
            return 1;
        }
        RoundTrip();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (warm)
            CALLGRIND_TOGGLE_COLLECT;

        auto *display = qobject_cast<frmDisplay *>(QApplication::activeWindow());
        if (!display) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<frmDisplay *>(w); d && d->isVisible())
                    display = d;
        }
        auto *back =
            display ? display->findChild<QPushButton *>(QStringLiteral("cmdback")) : nullptr;
        if (!back) {
            std::fprintf(stderr, "reading %d: no Back button\n", i + 1);
            return 1;
        }
        watcher.kind = &frmMain::staticMetaObject;
        watcher.painted = false;
        QTest::mouseClick(back, Qt::LeftButton);
        if (!WaitFor(watcher.painted)) {
            std::fprintf(stderr, "reading %d: the main window did not come back\n", i + 1);
            return 1;
        }
        Settle();
    }

    const double first = times.front();
    std::vector<double> warm(times.begin() + 1, times.end());
    std::printf("click on Next to reading window painted, %d readings\n", readings);
    std::printf("  first (cold)   %7.2f ms\n", first);
    std::printf("  median of rest %7.2f ms  (min %.2f, max %.2f; one frame at 60 Hz is 16.67 ms)\n",
                Median(warm), *std::min_element(warm.begin(), warm.end()),
                *std::max_element(warm.begin(), warm.end()));
    std::fflush(stdout);
    // Leaving through the program's own exit path would open the exit
    // screen; the measurement is done, so end here.
    std::_Exit(0);
}
