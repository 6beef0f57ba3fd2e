#include "linklabels.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

class LabelClick : public QObject
{
public:
    LabelClick(QLabel *label, std::function<void()> action)
        : QObject(label), m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void OnLabelClick(QLabel *label, std::function<void()> action)
{
    if (!label || !action)
        return;
    label->installEventFilter(new LabelClick(label, std::move(action)));
}
