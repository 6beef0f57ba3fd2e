#include "clipboardguard.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

class ClipboardGuardFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            EmptyClipboard();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void EmptyClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear(QClipboard::Clipboard);
}

void GuardClipboard(QAbstractScrollArea *box)
{
    if (!box)
        return;
    auto *filter = new ClipboardGuardFilter(box);
    // Mouse events over the text arrive at the viewport; the frame's edge
    // belongs to the box itself.
    box->installEventFilter(filter);
    box->viewport()->installEventFilter(filter);
    // Movement without a button held is only reported with tracking on.
    box->setMouseTracking(true);
    box->viewport()->setMouseTracking(true);

    if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        QObject::connect(plain, &QPlainTextEdit::textChanged, filter, &EmptyClipboard);
    else if (auto *rich = qobject_cast<QTextEdit *>(box))
        QObject::connect(rich, &QTextEdit::textChanged, filter, &EmptyClipboard);
}
