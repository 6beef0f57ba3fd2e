#include "ui/app/startup.h"

#include "platform/singleinstance.h"
#include "platform/updatereminder.h"
#include "ui/app/accessibility.h"
#include "ui/app/buttonkeys.h"
#include "ui/app/fixedsize.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/language.h"
#include "ui/app/lightlook.h"
#include "ui/app/navigator.h"
#include "ui/app/quitapplication.h"
#include "ui/main/frmMain.h"
#include "ui/widgets/appicon.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/offerband.h"

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
    QApplication::setWindowIcon(AppIcon());
    // A Wayland shell finds the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvanta.GemvaraFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    UseLightLook();
    InstallFontSubstitutes();
    InstallLanguage();
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
