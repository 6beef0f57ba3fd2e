#include "accessiblelists.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

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

void InstallAccessibleLists()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(NamedListFactory);
}
