#include "ui/app/fixedsize.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace {

// The fixed size a window gives up while the compositor has it maximised.
const char keptSize[] = "gemvaraKeptFixedSize";
// Set while the window is maximised and yet to ask to leave that state.
const char leaving[] = "gemvaraLeavingMaximised";

void Unfix(QWindow *window)
{
    if (window->minimumSize() != window->maximumSize() || window->property(keptSize).isValid())
        return;
    window->setProperty(keptSize, window->minimumSize());
    window->setMinimumSize(QSize(0, 0));
    window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void Refix(QWindow *window)
{
    const QSize size = window->property(keptSize).toSize();
    window->setProperty(keptSize, QVariant());
    window->setMinimumSize(size);
    window->setMaximumSize(size);
    if (window->size() != size)
        window->resize(size);
}

class FixedSizeKeeper : public QObject
{
public:
    using QObject::QObject;

    void stateAsked(Qt::WindowState state)
    {
        if (state == Qt::WindowMaximized)
            Unfix(qobject_cast<QWindow *>(sender()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window || window->parent())
            return false;
        if (event->type() == QEvent::PlatformSurface
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                   == QPlatformSurfaceEvent::SurfaceCreated) {
            // Qt's title bar asks for the new state here, before the
            // compositor answers: the size limits must be gone by the time
            // its answer is acknowledged.
            connect(window, &QWindow::windowStateChanged, this, &FixedSizeKeeper::stateAsked,
                    Qt::UniqueConnection);
        } else if (event->type() == QEvent::WindowStateChange
                   && window->property(keptSize).isValid()) {
            // The compositor's answer, acknowledged at the size it gave.
            if (window->windowStates() & Qt::WindowMaximized)
                window->setProperty(leaving, true);
            else
                Refix(window);
        } else if (event->type() == QEvent::Expose && window->property(leaving).toBool()) {
            // Weston forgets a request to leave the state that comes before
            // the window has shown itself in it: the request waits until the
            // window has been drawn at its new size.
            window->setProperty(leaving, QVariant());
            QTimer::singleShot(0, window, [window] {
                if (window->windowStates() & Qt::WindowMaximized)
                    window->setWindowStates(window->windowStates() & ~Qt::WindowMaximized);
            });
        }
        return false;
    }
};

} // namespace

void InstallFixedSizeOnWayland()
{
    static FixedSizeKeeper *keeper = nullptr;
    if (keeper || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    keeper = new FixedSizeKeeper(qApp);
    qApp->installEventFilter(keeper);
}
