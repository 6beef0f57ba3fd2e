#include "tests/support/messageboxwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

MessageBoxWatcher::MessageBoxWatcher(QList<QMessageBox::StandardButton> answers)
    : m_answers(std::move(answers))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::poll);
    m_timer.start();
}

void MessageBoxWatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answeredByWatcher").toBool())
        return;
    box->setProperty("answeredByWatcher", true);

    Seen seen;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton =
        box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
    m_seen.append(seen);

    const qsizetype index = qMin(m_seen.size() - 1, m_answers.size() - 1);
    const QMessageBox::StandardButton answer = index >= 0 ? m_answers.at(index) : QMessageBox::Ok;
    if (QAbstractButton *button = box->button(answer))
        button->click();
    else
        box->reject();
}

bool MessageBoxWatcher::waitForCount(int n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return count() >= n; }, timeoutMs);
}

namespace {
bool IsGemvaraBox(const MessageBoxWatcher::Seen &box, const QString &text, QMessageBox::Icon icon)
{
    return box.text == text && box.title == QLatin1String("Gemvara") && box.icon == icon
           && box.buttons == QMessageBox::StandardButtons(QMessageBox::Ok);
}
} // namespace

bool IsGemvaraInfoBox(const MessageBoxWatcher::Seen &box, const QString &text)
{
    return IsGemvaraBox(box, text, QMessageBox::Information);
}

bool IsGemvaraCriticalBox(const MessageBoxWatcher::Seen &box, const QString &text)
{
    return IsGemvaraBox(box, text, QMessageBox::Critical);
}
