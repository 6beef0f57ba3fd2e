#include "ui/widgets/centering.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

void PlaceInMiddle(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    // A window's position is that of its frame.
    window->move(frame.topLeft());
}

// Centres the window again at its first showing and at the first paint
// after which the window manager has put its frame round it; then goes.
class CenterOnceShown : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            PlaceInMiddle(window);
        } else if (event->type() == QEvent::Paint && m_shown
                   && window->frameGeometry().size() != window->size()) {
            PlaceInMiddle(window);
            deleteLater();
        }
        return false;
    }

private:
    bool m_shown = false;
};

} // namespace

void CenterOnScreen(QWidget *window)
{
    PlaceInMiddle(window);
    window->installEventFilter(new CenterOnceShown(window));
}
