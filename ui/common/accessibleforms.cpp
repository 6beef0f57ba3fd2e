#include "accessibleforms.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QPointer>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

bool IsFormWindow(const QWidget *widget)
{
    return widget->windowType() == Qt::Window && !qobject_cast<const QMainWindow *>(widget)
           && !qobject_cast<const QDialog *>(widget);
}

// A plain frame drawn as a line.
bool IsLine(const QWidget *widget)
{
    const auto *frame = qobject_cast<const QFrame *>(widget);
    return frame && widget->metaObject() == &QFrame::staticMetaObject
           && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// Containers that only hold other controls and say nothing themselves.
bool IsLayoutOnly(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return false;
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title().isEmpty();
    if (qobject_cast<const QStackedWidget *>(widget))
        return qobject_cast<const QTabWidget *>(widget->parentWidget()) != nullptr;
    return widget->metaObject() == &QFrame::staticMetaObject;
}

QAccessibleInterface *FormFactory(const QString &className, QObject *object)
{
    // Asked once for each class the object is, from its own class up: the
    // answer is given for its own class only.
    if (!object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->isWindow())
        return IsFormWindow(widget) ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
    if (IsLine(widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (IsLayoutOnly(widget))
        return new QAccessibleWidget(widget, QAccessible::Client);
    return nullptr;
}

// Qt gives a window that becomes active again (when a dialog over it
// closes) its focus back without telling screen readers, who then know the
// window but not where the keys go. Told once Qt has done its part, so the
// focus follows the window's own announcement.
class FocusOnActivation : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (IsWindowActivation(watched, event))
            QMetaObject::invokeMethod(
                this,
                [window = QPointer<QWidget>(static_cast<QWidget *>(watched))] {
                    QWidget *focus = window ? window->focusWidget() : nullptr;
                    if (focus && focus->hasFocus()) {
                        QAccessibleEvent told(focus, QAccessible::Focus);
                        QAccessible::updateAccessibility(&told);
                    }
                },
                Qt::QueuedConnection);
        return false;
    }
};

} // namespace

bool IsWindowActivation(const QObject *watched, const QEvent *event)
{
    return event->type() == QEvent::WindowActivate && watched->isWidgetType()
           && static_cast<const QWidget *>(watched)->isWindow();
}

void InstallAccessibleForms()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(FormFactory);
    qApp->installEventFilter(new FocusOnActivation(qApp));
}
