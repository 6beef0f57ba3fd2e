#include "ui/widgets/menukey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

class F10Menus : public QObject
{
public:
    explicit F10Menus(QMainWindow *window)
        : QObject(window)
        , m_bar(window->menuBar())
    {
        auto *key = new QShortcut(QKeySequence(Qt::Key_F10), window);
        connect(key, &QShortcut::activated, this, &F10Menus::open);
        const QList<QAction *> entries = m_bar->actions();
        for (const QAction *entry : entries) {
            if (const QMenu *menu = entry->menu())
                connect(menu, &QMenu::aboutToHide, this, &F10Menus::menuClosing);
        }
    }

private:
    void open()
    {
        const QList<QAction *> entries = m_bar->actions();
        for (QAction *entry : entries) {
            if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator()) {
                m_opened = true;
                m_bar->setActiveAction(entry);
                return;
            }
        }
    }

    // Once the menu bar has settled: Left or Right open the next menu, a
    // chosen entry has given the focus back already, and Escape leaves the
    // bar holding it.
    void menuClosing()
    {
        if (!m_opened)
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QAction *active = m_bar->activeAction();
                if (active && active->menu() && active->menu()->isVisible())
                    return;
                m_opened = false;
                if (!m_bar->hasFocus())
                    return;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(m_bar, &escape);
            },
            Qt::QueuedConnection);
    }

    QMenuBar *m_bar;
    bool m_opened = false;
};

} // namespace

void OpenMenusWithF10(QMainWindow *window)
{
    new F10Menus(window);
}
