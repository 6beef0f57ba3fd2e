#include "ui/widgets/labeldocument.h"

#include <QLabel>
#include <QTextOption>

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
    return document;
}
