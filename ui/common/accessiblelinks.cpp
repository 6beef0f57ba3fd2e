#include "accessiblelinks.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Whether a sibling drawn over the label, with a background of its own,
// hides the whole of it (as one offer of the bottom band hides the other).
bool IsCovered(const QWidget *label)
{
    const QWidget *parent = label->parentWidget();
    if (!parent)
        return false;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
        if (above && above->isVisible() && above->autoFillBackground()
            && above->geometry().contains(label->geometry()))
            return true;
    }
    return false;
}

class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // What the label shows is what the link is called. Qt's own name
        // for a widget without one falls back to its group box's title.
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return !name.isEmpty() ? name
                                   : static_cast<const QLabel *>(widget())->text().simplified();
        }
        QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty())
            return own;
        if (t == QAccessible::Description)
            return QStringLiteral("Opens a web page in your browser");
        return own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        // What nobody can see or click is not read out either.
        if (IsCovered(widget()))
            s.invisible = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // The forms open the page on a released left button inside the label;
    // pressing the link from a screen reader goes the same way.
    void doAction(const QString &name) override
    {
        QWidget *label = widget();
        if (name != pressAction() || !label->isEnabled())
            return;
        const QPointF centre = QRectF(label->rect()).center();
        const QPointF global = label->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &release);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *LinkLabelFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property("accessibleLink").toBool())
        return new LinkLabelAccessible(label);
    return nullptr;
}

} // namespace

void InstallAccessibleLinks()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(LinkLabelFactory);
}
