#include "frmMain.h"

#include "numerology.h"
#include "ui_frmMain.h"

#include "appicon.h"
#include "catalogue.h"
#include "centering.h"
#include "designcolours.h"
#include "designfonts.h"
#include "fittext.h"
#include "exitscreen.h"
#include "frmAbout.h"
#include "linklabels.h"
#include "readingrequest.h"
#include "weblinks.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <limits>

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmMain>())
{
    ui->setupUi(this);
    ApplyDesignFonts(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon());
    ApplyColours();

    ui->Label61->setText(ForumAdvertisement());
    FitTextToLabel(ui->Label61);
    // Both offers share one spot; the full-branding one starts in front.
    ui->lblFullBrand->raise();
    // The three field captions fit their text exactly.
    for (QLabel *label : {ui->Label1, ui->Label4, ui->Label5})
        label->adjustSize();

    int separator = 0;
    for (QAction *action : ui->mnuHelp->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuFileSep%1").arg(++separator));
    }

    connect(ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmMain::cmdNext_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, [] { OpenOnlineHelp(); });
    connect(ui->mnuVisit, &QAction::triggered, this, [] { OpenHomePage(); });
    connect(ui->mnuUpdate, &QAction::triggered, this, [] { OpenDownloadPage(); });
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ui->mnuDonate, &QAction::triggered, this, [] { OpenDonatePage(); });
    // Switched off in the form, and nothing switches it on.
    connect(ui->mkmoney, &QAction::triggered, this, [] { OpenFullBrandPage(); });

    // The name boxes take text of any length (a line edit stops at 32767
    // characters by default and would cut a pasted name).
    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName}) {
        box->installEventFilter(this);
        box->setMaxLength(std::numeric_limits<int>::max());
    }
    OnLabelClick(ui->lblFullBrand, [] { OpenFullBrandPage(); });
    OnLabelClick(ui->Label2, [] { OpenFullBrandPage(); });
    OnLabelClick(ui->lblCobrand, [] { OpenCoBrandPage(); });
    OnLabelClick(ui->Label61, [] { OpenHomePage(); });

    Form_Load();

    // Nothing is laid out: the window is exactly the menu bar over the
    // fixed client area.
    setFixedSize(ui->centralwidget->width(),
                 ui->centralwidget->minimumHeight() + menuBar()->sizeHint().height());
    CenterOnScreen(this);
    ui->txtFirstName->setFocus();
}

frmMain::~frmMain() = default;

QLineEdit *frmMain::txtFirstName() const { return ui->txtFirstName; }
QLineEdit *frmMain::txtMiddleName() const { return ui->txtMiddleName; }
QLineEdit *frmMain::txtLastName() const { return ui->txtLastName; }
QComboBox *frmMain::cboDate() const { return ui->cboDate; }
QComboBox *frmMain::cboMonth() const { return ui->cboMonth; }
QComboBox *frmMain::cboYear() const { return ui->cboYear; }
QLabel *frmMain::lblFullBrand() const { return ui->lblFullBrand; }
QLabel *frmMain::lblCobrand() const { return ui->lblCobrand; }

void frmMain::Form_Load()
{
    // Each list is filled in one insertion: an item at a time costs the
    // list's model and view a round of updates per item.
    QStringList days, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    ui->cboDate->addItems(days);
    ui->cboMonth->addItems(MonthNames());
    ui->cboYear->addItems(years);
    ui->cboDate->setCurrentIndex(0);
    ui->cboMonth->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
}

void frmMain::ApplyColours()
{
    using namespace DesignColour;
    const QColor face = palette().color(QPalette::Button);

    ui->centralwidget->setAutoFillBackground(true);
    SetColour(ui->centralwidget, {QPalette::Window}, face);

    // The group box caption is drawn in the text colour on some styles and
    // in the window-text colour on others.
    SetColour(ui->fraName, {QPalette::WindowText, QPalette::Text}, Purple);
    SetColours(ui->fraBirthDay, {{QPalette::WindowText, palette().color(QPalette::WindowText)},
                                 {QPalette::Text, palette().color(QPalette::Text)}});

    // One palette change per control where a control takes several colours.
    for (QLabel *label : {ui->lblFullBrand, ui->lblCobrand})
        SetColours(label, {{QPalette::WindowText, Purple}, {QPalette::Window, face}});
    for (QLabel *label : {ui->Label61, ui->Label1, ui->Label4, ui->Label5})
        SetColour(label, {QPalette::WindowText}, Purple);
    SetColours(ui->Label2, {{QPalette::WindowText, DarkGreen}, {QPalette::Window, face}});

    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName})
        SetColours(box, {{QPalette::Text, Magenta}, {QPalette::Base, face}});
    for (QComboBox *list : {ui->cboMonth, ui->cboDate, ui->cboYear})
        SetColours(list, {{QPalette::Text, Magenta}, {QPalette::ButtonText, Magenta},
                          {QPalette::Base, face}, {QPalette::Button, face}});
    SetColour(ui->cmdExit, {QPalette::Button, QPalette::Window}, LightBlue);
}

void frmMain::cmdNext_Click()
{
    RunReadingRequest(this);
}

void frmMain::cmdExit_Click()
{
    ShowExitScreen();
    close();
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Leaving the main window hands over to the exit screen; the close is
    // never refused and the window is gone for good.
    ShowExitScreen();
    event->accept();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (UpperCaseFilter(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::UpperCaseFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress
        || (watched != ui->txtFirstName && watched != ui->txtMiddleName
            && watched != ui->txtLastName))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    // Only a plain typed a-z changes; shortcuts such as Ctrl+A keep working.
    if (text.size() != 1 || text.at(0) < u'a' || text.at(0) > u'z'
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    QKeyEvent upper(QEvent::KeyPress, key->key(), key->modifiers(), text.toUpper(),
                    key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &upper);
    return true;
}
