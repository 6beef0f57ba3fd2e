#include "ui/main/frmAbout.h"
#include "ui_frmAbout.h"

#include "engine/catalogue.h"
#include "platform/weblinks.h"
#include "ui/widgets/appicon.h"
#include "ui/widgets/fittext.h"
#include "ui/widgets/formcolours.h"
#include "ui/widgets/formsetup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/version.h"

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    // Title bar with icon, system menu and close box only; the size is
    // fixed. Centred on the screen rather than over the parent: placing it
    // marks it as placed, so QDialog does not move it over the parent.
    SetUpForm(this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                        | Qt::MSWindowsFixedSizeDialogHint);
    ui->Picture1->setPixmap(AppIcon().pixmap(32, 32));

    // The window's own background is the face itself (see frmDisplay).
    SetColours(this, {{QPalette::Window, palette().color(QPalette::Button)}});
    using namespace FormColour;
    for (QWidget *purple :
         {static_cast<QWidget *>(ui->Label2), static_cast<QWidget *>(ui->lblHomePage),
          static_cast<QWidget *>(ui->lblCobrand), static_cast<QWidget *>(ui->Line1)})
        SetColours(purple, {{QPalette::WindowText, Purple}});
    for (QLabel *magenta : {ui->Label1, ui->Label3})
        SetColours(magenta, {{QPalette::WindowText, Magenta}});

    ui->Label2->setText(QStringLiteral(GEMVARA_CAPTION));
    ui->Label1->setText(AboutDescription());
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(ForumSite()));
    // The description and the site's address come from elsewhere; the
    // offer's underline needs its line's full height.
    FitTextToLabel(ui->Label1);
    FitTextToLabel(ui->lblHomePage);
    FitTextToLabel(ui->lblCobrand);

    connect(ui->lblHomePage, &LinkLabel::clicked, this, [] { OpenHomePage(); });
    // The details of the offer in Label3, not co-branding.
    connect(ui->lblCobrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    ChainLinksAfter(ui->cmdOK, {ui->lblHomePage, ui->lblCobrand});

    // OK is both the default (Enter) and the cancel button (Esc closes every
    // QDialog); the close box rejects, which is the same here.
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    ui->cmdOK->setFocus(Qt::OtherFocusReason);
}

frmAbout::~frmAbout() = default;
