#pragma once

#include <QTextDocument>

#include <memory>

class QLabel;

// QLabel keeps the text of a label that takes the focus, or shows rich
// text, in a document and lays it out there. This is such a document set
// up as QLabel sets up its own: the label's text in the format given, its
// font, alignment and word wrap, and no margin. Its width is the caller's
// to set.
std::unique_ptr<QTextDocument> LabelDocument(const QLabel *label, Qt::TextFormat format);
