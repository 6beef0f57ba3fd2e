#include "linklabels.h"

#include <QLabel>
#include <QMouseEvent>

#include <utility>

namespace {

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
        // A double-click arrives as press, release, press, double-click,
        // release: the first release is the click, the second one belongs
        // to the double-click, which does nothing.
        if (event->type() == QEvent::MouseButtonPress)
            m_inDoubleClick = false;
        else if (event->type() == QEvent::MouseButtonDblClick)
            m_inDoubleClick = true;
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        if (std::exchange(m_inDoubleClick, false))
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton
            || !label->rect().contains(mouse->position().toPoint()))
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
    bool m_inDoubleClick = false;
};

} // namespace

void OnLabelClick(QLabel *label, std::function<void()> action)
{
    if (!label || !action)
        return;
    label->installEventFilter(new LabelClick(label, std::move(action)));
}
