#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

// Answers the message boxes that code under test opens. Create it before
// the action; each box that comes up is recorded and answered with the
// next button from the list given (the last one repeats).
//
//     MessageBoxWatcher boxes;                      // presses OK
//     QTest::mouseClick(next, Qt::LeftButton);
//     QCOMPARE(boxes.count(), 1);
//     QCOMPARE(boxes.last().text, "Please Enter Your First Name");
class MessageBoxWatcher : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QWidget *focusBefore = nullptr; // the widget that had focus when it opened
    };

    explicit MessageBoxWatcher(QList<QMessageBox::StandardButton> answers = {QMessageBox::Ok});

    int count() const { return int(m_seen.size()); }
    const QList<Seen> &seen() const { return m_seen; }
    Seen last() const { return m_seen.isEmpty() ? Seen() : m_seen.last(); }

    // Waits until at least n boxes were answered (for boxes opened from
    // the event loop rather than inside a blocking call).
    bool waitForCount(int n, int timeoutMs = 5000);

private:
    void poll();

    QList<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
};

// Shorthand for the program's usual box: information icon, OK, "Gemvara".
bool IsGemvaraInfoBox(const MessageBoxWatcher::Seen &box, const QString &text);
// The exit screen's boxes: critical icon, OK, "Gemvara".
bool IsGemvaraCriticalBox(const MessageBoxWatcher::Seen &box, const QString &text);
