#include "ui/reading/clipboardguard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWindow>

namespace {

void EmptySelection()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

// Empties the system clipboard and, where there is one (X11), the primary
// selection.
void EmptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    // Giving the clipboard up is not enough: Wayland compositors and XWayland
    // keep the last content when its owner lets go without replacing it.
    // Content without a single format is empty for every program.
    clipboard->setMimeData(new QMimeData, QClipboard::Clipboard);
    EmptySelection();
}

class ClipboardGuardFilter : public QObject
{
public:
    using QObject::QObject;

    // The box handles an event after this filter has seen it, and on X11 a
    // mouse release or a new selection puts the selected text into the
    // primary selection then. One more emptying, once the event is done,
    // takes it out again; any number of events before it share one.
    void emptyAfterwards(bool selectionOnly)
    {
        if (m_pending != Pending::None) {
            if (!selectionOnly)
                m_pending = Pending::All;
            return;
        }
        m_pending = selectionOnly ? Pending::Selection : Pending::All;
        QMetaObject::invokeMethod(
            this,
            [this] {
                const Pending what = m_pending;
                m_pending = Pending::None;
                if (what == Pending::All)
                    EmptyClipboard();
                else
                    EmptySelection();
            },
            Qt::QueuedConnection);
    }

    void guard()
    {
        EmptyClipboard();
        emptyAfterwards(false);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: guard(); break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    enum class Pending { None, Selection, All };
    Pending m_pending = Pending::None;
};

// Natively on Wayland a change of the clipboard carries the serial of the
// program's last input (a key, a button, the pointer arriving), and the
// compositor drops a change older than what it holds. Getting the focus is
// no such input: when another program copied after the window's last
// input, the emptying on activation is dropped. It is made again at the
// window's first input after the activation, before the input is handled.
class EmptyOnFirstInput : public QObject
{
public:
    using QObject::QObject;

    void arm() { m_armed = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (m_armed) {
                m_armed = false;
                EmptyClipboard();
            }
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_armed = false;
};

// The window's filter; it sees every input before the window's widgets.
EmptyOnFirstInput *FirstInputOf(QWindow *window)
{
    auto *filter = window->findChild<EmptyOnFirstInput *>(QString(), Qt::FindDirectChildrenOnly);
    if (!filter) {
        filter = new EmptyOnFirstInput(window);
        window->installEventFilter(filter);
    }
    return filter;
}

bool NativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

// A Wayland compositor takes a new clipboard content only from the window
// that has the keyboard focus, so whatever the guard did while the window
// was in the background (filling it before it was shown, for one) is done
// again each time it becomes active.
void GuardClipboardOnFocus(QWidget *window)
{
    if (window->property("clipboardGuardedOnActivation").toBool())
        return;
    window->setProperty("clipboardGuardedOnActivation", true);
    // Coming back from one of the program's own popups (a box's context
    // menu, with its Copy) is not a new activation.
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, window,
                     [window, previous = QPointer<QWindow>()](QWindow *focus) mutable {
                         const bool fromPopup = previous && previous->type() == Qt::Popup;
                         previous = focus;
                         if (focus && focus == window->windowHandle() && !fromPopup) {
                             EmptyClipboard();
                             FirstInputOf(focus)->arm();
                         }
                     });
}

void GuardClipboard(QPlainTextEdit *box)
{
    auto *filter = new ClipboardGuardFilter(box);
    // Mouse events over the text arrive at the viewport; the frame's edge
    // belongs to the box itself.
    box->installEventFilter(filter);
    box->viewport()->installEventFilter(filter);
    // Movement without a button held is only reported with tracking on.
    box->setMouseTracking(true);
    box->viewport()->setMouseTracking(true);

    if (NativeWayland())
        GuardClipboardOnFocus(box->window());

    QObject::connect(box, &QPlainTextEdit::textChanged, filter, &ClipboardGuardFilter::guard);
    // A selection made from the keyboard never reaches the primary
    // selection either; the clipboard proper keeps what Ctrl+C copied.
    QObject::connect(box, &QPlainTextEdit::selectionChanged, filter,
                     [filter] { filter->emptyAfterwards(true); });
}
