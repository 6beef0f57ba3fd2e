#include "ui/app/accessibility.h"

#include "ui/app/caption.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWindow>

namespace {

// A window of the program's own, not a dialog, a menu or a list's pop-up.
bool IsFormWindow(const QWidget *widget)
{
    return widget->windowType() == Qt::Window && !qobject_cast<const QDialog *>(widget);
}

// A form or the main window, active to screen readers only while it has the
// keys. Qt tells them a window's activation as soon as its native window
// gains or loses the keyboard, before the application moves the focus:
// asked then, a window that loses the keys to a dialog still said it was
// active (Qt's UI Automation bridge took that for a window opening, with a
// focus event for the control it had left), and one that gets them back
// named its focus, which Qt tells again a moment later.
class FormWindow : public QAccessibleWidget
{
public:
    explicit FormWindow(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // A menu or a list's pop-up has the keys on behalf of its window.
        const QWindow *keys = QGuiApplication::focusWindow();
        state.active = keys
                       && (keys == widget()->windowHandle()
                           || (keys->type() == Qt::Popup && widget()->isActiveWindow()));
        return state;
    }

    QAccessibleInterface *focusChild() const override
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus && focus->window() == widget() ? QAccessibleWidget::focusChild() : nullptr;
    }
};

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

// A plain frame, a group box or a tab control's page stack, read by what
// it is at the time it is asked about: Qt keeps the interface it is given
// first, and a group box may get its title after a screen reader first
// asked about it. Otherwise it says what Qt's own would (given as role).
class FormPart : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::Role role() const override
    {
        if (IsLine(widget()))
            return QAccessible::Separator;
        return IsLayoutOnly(widget()) ? QAccessible::Client : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (const auto *group = qobject_cast<const QGroupBox *>(widget());
            group && t == QAccessible::Name && text.isEmpty())
            text = WithoutMnemonic(group->title());
        return text;
    }
};

QAccessibleInterface *FormFactory(const QString &className, QObject *object)
{
    // Asked once for each class the object is, from its own class up: the
    // answer is given for its own class only.
    if (!object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->isWindow())
        return IsFormWindow(widget) ? new FormWindow(widget) : nullptr;
    // A group box that can be ticked is a check box, left to Qt.
    if (const auto *group = qobject_cast<QGroupBox *>(widget))
        return group->isCheckable() ? nullptr : new FormPart(widget, QAccessible::Grouping);
    if (qobject_cast<QStackedWidget *>(widget)
        && qobject_cast<QTabWidget *>(widget->parentWidget()))
        return new FormPart(widget, QAccessible::LayeredPane);
    if (widget->metaObject() == &QFrame::staticMetaObject)
        return new FormPart(widget, QAccessible::Border);
    return nullptr;
}

class NamedList : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NamedList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        // Qt announces the entry the list's view moves to, as it does when
        // a letter is typed; the arrow keys change the list alone, so the
        // view is kept at the list's entry.
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
            QAbstractItemView *view = list->view();
            if (!view->isVisible())
                view->setCurrentIndex(
                    list->model()->index(index, list->modelColumn(), list->rootModelIndex()));
        });
    }

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value
            || (t == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The open list, as Qt's own drop-down list has it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The entry shown, as text: screen readers read a list's value there.
    QString text(int start, int end) const override
    {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }
};

QAccessibleInterface *NamedListFactory(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (!list || list->isEditable()
        || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new NamedList(list);
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(FormFactory);
    QAccessible::installFactory(NamedListFactory);
}
