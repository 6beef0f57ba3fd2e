#include "linklabels.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <utility>

namespace {

bool IsPressKey(const QKeyEvent *key)
{
    const bool pressKey =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    return pressKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class LabelClick : public QObject
{
public:
    LabelClick(QLabel *label, std::function<void()> action)
        : QObject(label)
        , m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // While the label is being destroyed it is no longer a QLabel, yet
        // still gets events (the focus leaving it): they are not ours.
        auto *label = qobject_cast<QLabel *>(watched);
        if (!label)
            return false;
        switch (event->type()) {
        case QEvent::Paint: return paintWithFocus(label, event);
        case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: return mouse(label, static_cast<QMouseEvent *>(event));
        default: return false;
        }
    }

private:
    bool mouse(const QLabel *label, const QMouseEvent *mouse)
    {
        // A double-click arrives as press, release, press, double-click,
        // release: the first release is the click, the second one belongs
        // to the double-click, which does nothing.
        if (mouse->type() == QEvent::MouseButtonPress)
            m_inDoubleClick = false;
        else if (mouse->type() == QEvent::MouseButtonDblClick)
            m_inDoubleClick = true;
        if (mouse->type() != QEvent::MouseButtonRelease)
            return false;
        if (std::exchange(m_inDoubleClick, false))
            return false;
        if (mouse->button() != Qt::LeftButton
            || !label->rect().contains(mouse->position().toPoint()))
            return false;
        m_action();
        return true;
    }

    // The key is taken even when it repeats, so that a dialog around the
    // link never sees it as its own Enter.
    bool keyPress(const QKeyEvent *key)
    {
        if (!IsPressKey(key))
            return false;
        if (!key->isAutoRepeat())
            m_action();
        return true;
    }

    // A label draws no focus of its own: it draws itself as always, and
    // the style's focus frame goes on top.
    static bool paintWithFocus(QLabel *label, QEvent *paint)
    {
        if (!label->hasFocus())
            return false;
        static_cast<QObject *>(label)->event(paint);
        QStylePainter painter(label);
        QStyleOptionFocusRect frame;
        frame.initFrom(label);
        frame.backgroundColor = label->palette().color(label->backgroundRole());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
        return true;
    }

    std::function<void()> m_action;
    bool m_inDoubleClick = false;
};

} // namespace

void OnLabelClick(QLabel *label, std::function<void()> action)
{
    if (!label || !action)
        return;
    // Tab only: a click opens the page and leaves the focus where it was.
    label->setFocusPolicy(Qt::TabFocus);
    label->setProperty("accessibleLink", true);
    label->installEventFilter(new LabelClick(label, std::move(action)));
}

void ChainLinksAfter(QWidget *last, std::initializer_list<QLabel *> links)
{
    for (QLabel *link : links) {
        QWidget::setTabOrder(last, link);
        last = link;
    }
}
