#include "ui/widgets/fittext.h"

#include "ui/widgets/labeldocument.h"

#include <QEvent>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr double StepPoints = 0.25;
constexpr double SmallestPoints = 7.0;

// The height the label's text may take and still be seen whole: the
// label's own, less what its parent cuts off below it, twice that where
// the text is centred between top and bottom. A line in the cut-off part,
// or only its underline, would be lost; a script with marks above and
// below its letters (Devanagari) takes taller lines than Latin does.
int RoomHeight(const QLabel *label)
{
    const QWidget *parent = label->parentWidget();
    const int cut = parent ? std::max(0, label->geometry().bottom() - parent->rect().bottom()) : 0;
    return label->height() - ((label->alignment() & Qt::AlignVCenter) ? 2 * cut : cut);
}

// Whether the label's text fits it in a font, judged as QLabel judges its
// size hints (heightForWidth, minimumSizeHint, sizeHint) but from one layout
// at the label's width: asking the label lays the text out about ten times.
class TextMeasure
{
public:
    explicit TextMeasure(const QLabel *label)
        : m_label(label)
    {
        // A label keeps its text in a document where it takes the focus or
        // shows rich text, and lays it out there; otherwise as drawText does.
        const Qt::TextFormat format =
            label->textFormat() == Qt::AutoText
                ? (Qt::mightBeRichText(label->text()) ? Qt::RichText : Qt::PlainText)
                : label->textFormat();
        const bool document = format != Qt::PlainText || label->focusPolicy() != Qt::NoFocus
                              || (label->textInteractionFlags()
                                  & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
        if (document)
            m_document = LabelDocument(label, format);
        m_align = QStyle::visualAlignment(
            m_document ? m_document->defaultTextOption().textDirection()
                       : (label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight),
            label->alignment());
    }

    bool fits(const QFont &font) const
    {
        const QLabel *label = m_label;
        // Margin, indent (or a frame's, for a framed label without one) and
        // the contents margins, as QLabel adds them to the text's size.
        int across = 2 * label->margin();
        int down = across;
        int indent = label->indent();
        if (indent < 0 && label->frameWidth())
            indent = QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) - 2 * label->margin();
        if (indent > 0) {
            if (m_align & (Qt::AlignLeft | Qt::AlignRight))
                across += indent;
            if (m_align & (Qt::AlignTop | Qt::AlignBottom))
                down += indent;
        }
        const QMargins margins = label->contentsMargins();
        across += margins.left() + margins.right();
        down += margins.top() + margins.bottom();
        const int width = label->width() - across;

        // One line may stand a little past a short label's top and bottom
        // as long as its letters do not, but an underline lies at the foot
        // of the line.
        if (!label->wordWrap()) {
            const QSize size = laidOut(font, width);
            return size.width() <= width
                   && (!font.underline() || size.height() + down <= RoomHeight(label));
        }
        const QSize size = laidOut(font, width);
        if (size.height() + down > RoomHeight(label))
            return false;
        // Word wrap cannot break a word: one wider than the label runs past
        // its edge whatever the height, as a wider substitute font's words
        // may. No line past the edge means no such word, unless a tab,
        // whose width depends on where it falls, is in one. A line can also
        // end a fraction of a pixel past the edge, where Qt lets a glyph's
        // overhang through: then the widest word decides, laid out as
        // QLabel measures its minimum width.
        if (size.width() <= width && !label->text().contains(QLatin1Char('\t')))
            return true;
        return laidOut(font, 0).width() <= width;
    }

    // Hands the document it last laid out on to the label, to draw from.
    void handOver(QLabel *label)
    {
        if (m_document)
            KeepLaidOut(label, std::move(m_document));
    }

private:
    // The text's size laid out in the font at the given width: wider than
    // that where a line runs past it.
    QSize laidOut(const QFont &font, int width) const
    {
        if (!m_document) {
            int flags = int(m_align & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
            if (m_label->wordWrap())
                flags |= Qt::TextWordWrap;
            return QFontMetrics(font)
                .boundingRect(0, 0, width, 2000, flags, m_label->text())
                .size();
        }
        if (m_document->defaultFont() != font)
            m_document->setDefaultFont(font);
        const int textWidth = m_label->wordWrap() ? qMax(width, 0) : -1;
        if (m_document->textWidth() != textWidth)
            m_document->setTextWidth(textWidth);
        const QSizeF size = m_document->size();
        return QSize(qCeil(size.width()), qCeil(size.height()));
    }

    const QLabel *m_label;
    Qt::Alignment m_align;
    std::unique_ptr<QTextDocument> m_document;
};

// The size the label's text fits at, from its font's size down.
double FittedSize(const QLabel *label, const TextMeasure &measure)
{
    QFont font = label->font();
    double points = font.pointSizeF();
    // A pixel-sized font is not one of the forms' fonts.
    if (points <= 0 || measure.fits(font))
        return points;
    // Text is laid out in whole pixels: a size drawn at the pixel size of
    // one that did not fit does not fit either.
    int tried = QFontInfo(font).pixelSize();
    while (points - StepPoints >= SmallestPoints) {
        points -= StepPoints;
        font.setPointSizeF(points);
        if (const int pixels = QFontInfo(font).pixelSize(); pixels != tried) {
            tried = pixels;
            if (measure.fits(font))
                break;
        }
    }
    return points;
}

// All that FittedSize depends on: what the text is laid out for, and the
// room around it.
QString Situation(const QLabel *label)
{
    const QMargins margins = label->contentsMargins();
    QString key = LaidOutFor(label, label->font(), label->width());
    for (const int value :
         {label->height(), RoomHeight(label), label->logicalDpiY(), int(label->focusPolicy()),
          int(label->textInteractionFlags()), label->margin(), label->indent(), label->frameWidth(),
          margins.left(), margins.top(), margins.right(), margins.bottom()})
        key += QString::number(value) + QLatin1Char(' ');
    return key;
}

void Fit(QLabel *label)
{
    if (label->text().isEmpty())
        return;
    // Every reading opens a new window with the same labels: each is laid
    // out once in the process, not once a window.
    static QHash<QString, double> fitted;
    const QString situation = Situation(label);
    auto found = fitted.constFind(situation);
    std::optional<TextMeasure> measure;
    if (found == fitted.cend()) {
        measure.emplace(label);
        found = fitted.insert(situation, FittedSize(label, *measure));
    }
    QFont font = label->font();
    if (*found < font.pointSizeF()) {
        font.setPointSizeF(*found);
        label->setFont(font);
    }
    if (measure)
        measure->handOver(label);
}

// Fits a hidden label when it is first shown, not while its window is
// built: the exit screen is built long before anyone sees it, and the offer
// behind the other may never be seen.
class FitWhenShown : public QObject
{
public:
    explicit FitWhenShown(QLabel *label)
        : QObject(label)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            Fit(static_cast<QLabel *>(watched));
        }
        return false;
    }
};

} // namespace

void FitTextToLabel(QLabel *label)
{
    if (label->isVisible())
        Fit(label);
    else
        new FitWhenShown(label);
}
