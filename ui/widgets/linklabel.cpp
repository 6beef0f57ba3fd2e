#include "ui/widgets/linklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <utility>

namespace {

class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        // What the label shows is what the link is called. Qt's own name
        // for a widget without one falls back to its group box's title.
        if (t == QAccessible::Name) {
            const QString name = link()->accessibleName();
            return !name.isEmpty() ? name : link()->text().simplified();
        }
        QString own = QAccessibleWidget::text(t);
        if (own.isEmpty() && t == QAccessible::Description)
            return LinkLabel::tr("Opens a web page in your browser");
        return own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && link()->isEnabled())
            emit link()->clicked();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

bool IsPressKey(const QKeyEvent *key)
{
    const bool pressKey =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    return pressKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    // Tab only: a click opens the page and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // Qt asks its cache before any factory, so the link answers for itself;
    // the cache drops the interface with the label.
    QAccessible::registerAccessibleInterface(new LinkLabelAccessible(this));
}

// A double-click arrives as press, release, press, double-click, release:
// the first release is the click, the second belongs to the double-click,
// which does nothing.
void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_inDoubleClick = false;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt hands a double-click on as a press first.
    QLabel::mouseDoubleClickEvent(event);
    m_inDoubleClick = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = !std::exchange(m_inDoubleClick, false) && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    if (!click) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

// The key is taken even when it repeats, so that a dialog around the link
// never sees it as its own Enter.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (!IsPressKey(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

// A label draws no focus of its own: the style's focus frame goes on top.
void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void ChainLinksAfter(QWidget *last, std::initializer_list<QWidget *> links)
{
    for (QWidget *link : links) {
        QWidget::setTabOrder(last, link);
        last = link;
    }
}
