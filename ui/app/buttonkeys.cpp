#include "ui/app/buttonkeys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPressesButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled()
            || qobject_cast<QDialog *>(button->window()))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        if (!enter || others != Qt::NoModifier)
            return false;
        // A held key presses once, as GTK programs do.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void InstallEnterPressesButtons()
{
    static EnterPressesButton *filter = nullptr;
    if (filter)
        return;
    filter = new EnterPressesButton(qApp);
    qApp->installEventFilter(filter);
}
