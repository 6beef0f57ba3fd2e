#include "startup.h"

#include "accessibility.h"
#include "appicon.h"
#include "buttonkeys.h"
#include "fixedsize.h"
#include "fontsubstitutes.h"
#include "frmMain.h"
#include "language.h"
#include "lightlook.h"
#include "messagebox.h"
#include "navigator.h"
#include "offerband.h"
#include "quitapplication.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QRandomGenerator>

qint16 CoBrand_Randomize(frmMain *main)
{
    const qint16 n = DrawCoBrandNumber(*QRandomGenerator::global());
    main->showCoBrandChoice(n);
    return n;
}

void SetUpApplication()
{
    InstallLanguage();
    QApplication::setWindowIcon(AppIcon());
    // A Wayland shell finds the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvanta.GemvaraFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    UseLightLook();
    InstallFontSubstitutes();
    InstallEnterPressesButtons();
    InstallAccessibility();
    InstallFixedSizeOnWayland();
}

void StartApplication()
{
    if (!AcquireInstanceLock()) {
        ShowGemvaraMessage(
            nullptr, QMessageBox::Information,
            QCoreApplication::translate("StartApplication", "Application is already running"));
        QuitApplication();
    }

    CheckUpdateReminder(AskGemvaraQuestion);

    // Never deleted: the process ends from the exit screen, and windows
    // must not be taken down after the application object has gone.
    static Navigator *const navigator = new Navigator;
    CoBrand_Randomize(navigator->openMain());
}
