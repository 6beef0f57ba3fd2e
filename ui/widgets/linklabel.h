#pragma once

#include <QLabel>

#include <initializer_list>
#include <memory>

class QTextDocument;

// A label that opens a web page: clicked() on a left button released over
// it (a press dragged off the label first is no click; a double-click is
// one click, for its first press). From the keyboard it is reached by Tab,
// shows the style's focus frame while it has the focus, and Enter, Return
// or Space press it once (a held key does not repeat it). Screen readers
// meet it as a link they can press, described as opening a web page.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    ~LinkLabel() override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawText();

    bool m_inDoubleClick = false;
    // The text as drawn, and all it was laid out for.
    std::unique_ptr<QTextDocument> m_shown;
    QString m_shownFor;
};

// Puts the links into the Tab chain one after the other, right after
// `last`, the last control of the window's own order, so that they come
// after every control the form orders.
void ChainLinksAfter(QWidget *last, std::initializer_list<QWidget *> links);
