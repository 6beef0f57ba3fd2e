#include "ui/widgets/linklabel.h"

#include "ui/widgets/labeldocument.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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

// Where QLabel puts a label's text: inside its margin, and inside its
// indent on the sides the text is aligned to (half an x for a framed label
// that names none).
QRectF TextRoom(const QLabel *label)
{
    const int margin = label->margin();
    QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth())
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, label->alignment());
        room.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
                    align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
    }
    return room;
}

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

LinkLabel::~LinkLabel() = default;

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
    if (textFormat() == Qt::PlainText)
        drawText();
    else
        QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

// As QLabel draws a label that takes the focus: from a document, laid out
// at the width of the label's room. QLabel lays its own out again for each
// thing it sets before the first paint after a change, four times; this
// one is laid out once for all that it shows.
void LinkLabel::drawText()
{
    const QRectF room = TextRoom(this);
    const QString shownFor = LaidOutFor(this, font(), room.width());
    if (!m_shown || shownFor != m_shownFor) {
        // The one that fitting the label laid out, where it is this one.
        m_shown = TakeLaidOut(this, shownFor);
        if (!m_shown) {
            m_shown = LabelDocument(this, Qt::PlainText);
            m_shown->setTextWidth(room.width());
        }
        m_shownFor = shownFor;
    }
    // Down by as much as QLabel centres the text, or aligns it to the foot.
    const qreal spare = qMax(room.height() - m_shown->size().height(), qreal(0));
    const qreal down = alignment() & Qt::AlignVCenter  ? spare / 2
                       : alignment() & Qt::AlignBottom ? spare
                                                       : 0;
    const QRect area = room.translated(0, down).toAlignedRect();

    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    if (foregroundRole() != QPalette::Text && isEnabled())
        context.palette.setColor(QPalette::Text, context.palette.color(foregroundRole()));
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), area.size()));
    m_shown->documentLayout()->draw(&painter, context);
}

void ChainLinksAfter(QWidget *last, std::initializer_list<QWidget *> links)
{
    for (QWidget *link : links) {
        QWidget::setTabOrder(last, link);
        last = link;
    }
}
