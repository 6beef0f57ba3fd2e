#include "ui/widgets/labeldocument.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextOption>

namespace {

const char *const KeptName = "laid out";
const char *const KeptFor = "laidOutFor";

} // namespace

std::unique_ptr<QTextDocument> LabelDocument(const QLabel *label, Qt::TextFormat format)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(label->font());
    QTextOption option = document->defaultTextOption();
    option.setAlignment(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    document->setDefaultTextOption(option);
    // QLabel sets its root frame's margin to 0 once the text is in; a
    // document margin of 0 stays when the text is set.
    document->setDocumentMargin(0);
    if (format == Qt::RichText)
        document->setHtml(label->text());
    else if (format == Qt::MarkdownText)
        document->setMarkdown(label->text());
    else
        document->setPlainText(label->text());
    // A document otherwise frees its glyphs once laid out, and shapes the
    // text again to draw it.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    return document;
}

QString LaidOutFor(const QLabel *label, const QFont &font, qreal width)
{
    QString laidOutFor = font.toString() + QChar(0) + label->text() + QChar(0);
    for (const qreal value :
         {width, qreal(label->textFormat()), qreal(label->alignment()), qreal(label->wordWrap())})
        laidOutFor += QString::number(value) + QLatin1Char(' ');
    return laidOutFor;
}

void KeepLaidOut(QLabel *label, std::unique_ptr<QTextDocument> document)
{
    TakeLaidOut(label, QString()); // the one kept before, if any, goes
    document->setObjectName(QLatin1String(KeptName));
    document->setProperty(KeptFor,
                          LaidOutFor(label, document->defaultFont(), document->textWidth()));
    document.release()->setParent(label);
}

std::unique_ptr<QTextDocument> TakeLaidOut(QLabel *label, const QString &laidOutFor)
{
    std::unique_ptr<QTextDocument> kept(
        label->findChild<QTextDocument *>(QLatin1String(KeptName), Qt::FindDirectChildrenOnly));
    if (!kept)
        return nullptr;
    kept->setParent(nullptr);
    if (kept->property(KeptFor).toString() != laidOutFor)
        kept.reset();
    return kept;
}
