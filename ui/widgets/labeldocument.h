#pragma once

#include <QTextDocument>

#include <memory>

class QFont;
class QLabel;

// QLabel keeps the text of a label that takes the focus, or shows rich
// text, in a document and lays it out there. This is such a document set
// up as QLabel sets up its own: the label's text in the format given, its
// font, alignment and word wrap, and no margin. Its width is the caller's
// to set. It keeps its text shaped once laid out, ready to be drawn.
std::unique_ptr<QTextDocument> LabelDocument(const QLabel *label, Qt::TextFormat format);

// All that the label's document is laid out for, in `font` at `width`:
// text, its format, alignment and word wrap besides.
QString LaidOutFor(const QLabel *label, const QFont &font, qreal width);

// A document that measured the label's text, handed on to the label so
// that the text it draws is not laid out again: TakeLaidOut returns it
// where it was laid out for `laidOutFor` (see LaidOutFor), else nothing.
// A label keeps one at most, and drops it with itself.
void KeepLaidOut(QLabel *label, std::unique_ptr<QTextDocument> document);
std::unique_ptr<QTextDocument> TakeLaidOut(QLabel *label, const QString &laidOutFor);
