#include "startup.h"

#include "accessibleforms.h"
#include "accessiblelinks.h"
#include "accessiblelists.h"
#include "appicon.h"
#include "buttonkeys.h"
#include "fixedsize.h"
#include "formfonts.h"
#include "frmMain.h"
#include "lightlook.h"
#include "messagebox.h"
#include "navigator.h"
#include "quitapplication.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QDateTime>
#include <QRandomGenerator>

#include <cmath>

namespace {

QRandomGenerator &Random()
{
    static QRandomGenerator random;
    return random;
}

} // namespace

qint16 CoBrandNumberFor(float r)
{
    const float scaled = r * 6.0f + 1.0f;
    // The default rounding mode sends an exact half to the even neighbour.
    return qint16(std::nearbyint(scaled));
}

qint16 DrawCoBrandNumber(QRandomGenerator &random)
{
    // A single-precision value in [0, 1): 24 random bits, so it can never
    // round up to 1.
    const float r = float(random.bounded(1u << 24)) / float(1u << 24);
    return CoBrandNumberFor(r);
}

qint16 CoBrand_Randomize(frmMain *main)
{
    const qint16 n = DrawCoBrandNumber(Random());
    if (main)
        main->showCoBrandChoice(n);
    return n;
}

void SetUpApplication()
{
    QApplication::setWindowIcon(AppIcon());
    // A Wayland shell finds the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvanta.GemvaraFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    UseLightLook();
    InstallFontSubstitutes();
    InstallEnterPressesButtons();
    InstallAccessibleLinks();
    InstallAccessibleLists();
    InstallAccessibleForms();
    InstallFixedSizeOnWayland();
}

void StartApplication()
{
    if (!AcquireInstanceLock()) {
        ShowGemvaraMessage(nullptr, QMessageBox::Information,
                           QStringLiteral("Application is already running"));
        QuitApplication();
    }

    Random().seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    CheckUpdateReminder(AskGemvaraQuestion);

    // Never deleted: the process ends from the exit screen, and windows
    // must not be taken down after the application object has gone.
    static Navigator *const navigator = new Navigator;
    CoBrand_Randomize(navigator->openMain());
}
