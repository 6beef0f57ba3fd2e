#include "ui/main/frmMain.h"
#include "ui_frmMain.h"

#include "engine/catalogue.h"
#include "platform/weblinks.h"
#include "ui/main/frmAbout.h"
#include "ui/main/validation.h"
#include "ui/widgets/fittext.h"
#include "ui/widgets/formcolours.h"
#include "ui/widgets/formsetup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/menukey.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/offerband.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLocale>
#include <QShortcut>

#include <limits>

namespace {

// Whether the locale writes a date with the day before the month, as its
// short date format says ("d/M/yy", not "M/d/yy").
bool DayBeforeMonth(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.indexOf(QLatin1Char('d')) < format.indexOf(QLatin1Char('M'));
}

// The day's list and the month's trade places: the day takes the month's
// spot, the month ends where the day ended. The Tab order and the order
// screen readers find them in follow.
void PutDayFirst(QComboBox *day, QComboBox *month)
{
    const QRect dayPlace = day->geometry();
    const QRect monthPlace = month->geometry();
    day->move(monthPlace.topLeft());
    month->move(dayPlace.right() + 1 - monthPlace.width(), monthPlace.y());
    QWidget *before = month->previousInFocusChain();
    QWidget::setTabOrder(before, day);
    QWidget::setTabOrder(day, month);
    day->stackUnder(month);
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMain>())
{
    ui->setupUi(this);
    SetUpForm(this, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    applyColours();

    // Both offers share one spot; the full-branding one starts in front.
    SetUpOfferBand(ui->Label61, ForumAdvertisement(), FormColour::Purple, ui->lblFullBrand,
                   ui->lblCobrand, ui->lblFullBrand);
    connect(ui->Label61, &LinkLabel::clicked, this, &OpenHomePage);
    connect(ui->lblFullBrand, &LinkLabel::clicked, this, &OpenFullBrandPage);
    connect(ui->lblCobrand, &LinkLabel::clicked, this, &OpenCoBrandPage);
    connect(ui->Label2, &LinkLabel::clicked, this, &OpenFullBrandPage);
    // Top to bottom; only the offer in front takes the focus.
    ChainLinksAfter(ui->cmdNext, {ui->Label61, ui->Label2, ui->lblFullBrand, ui->lblCobrand});
    // The line about gemstones keeps to its two lines in every script.
    FitTextToLabel(ui->Label2);
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
    // The Exit button lies below the window's edge, where nobody sees it;
    // hidden, screen readers pass it over too. A hidden button's access key
    // does nothing, so the window carries it (Alt+X in English).
    ui->cmdExit->hide();
    auto *exitKey = new QShortcut(QKeySequence::mnemonic(ui->cmdExit->text()), this);
    connect(exitKey, &QShortcut::activated, ui->cmdExit, &QAbstractButton::click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmMain::cmdNext_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, [] { OpenOnlineHelp(); });
    connect(ui->mnuVisit, &QAction::triggered, this, [] { OpenHomePage(); });
    connect(ui->mnuUpdate, &QAction::triggered, this, [] { OpenDownloadPage(); });
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ui->mnuDonate, &QAction::triggered, this, [] { OpenDonatePage(); });
    // Switched off in the form, and nothing switches it on.
    connect(ui->mkmoney, &QAction::triggered, this, [] { OpenFullBrandPage(); });
    OpenMenusWithF10(this);

    // The name boxes take text of any length (a line edit stops at 32767
    // characters by default and would cut a pasted name).
    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName}) {
        box->installEventFilter(this);
        box->setMaxLength(std::numeric_limits<int>::max());
    }

    Form_Load();
    ui->txtFirstName->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    // Each list is filled in one insertion: an item at a time costs the
    // list's model and view a round of updates per item.
    QStringList days, months, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    // In the user's language; a month's place in the list is its number.
    for (int month = 1; month <= 12; ++month)
        months << QLocale().standaloneMonthName(month);
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    ui->cboDate->addItems(days);
    ui->cboMonth->addItems(months);
    ui->cboYear->addItems(years);
    ui->cboDate->setCurrentIndex(0);
    ui->cboMonth->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
    // In the order the reader's language writes a date: month, day, year
    // in English, day first where the language puts it first.
    if (DayBeforeMonth(QLocale()))
        PutDayFirst(ui->cboDate, ui->cboMonth);
}

void frmMain::applyColours()
{
    using namespace FormColour;
    const QColor face = palette().color(QPalette::Button);

    ui->centralwidget->setAutoFillBackground(true);
    SetColours(ui->centralwidget, {{QPalette::Window, face}});

    // The group box caption is drawn in the text colour on some styles and
    // in the window-text colour on others.
    SetColours(ui->fraName, {{QPalette::WindowText, Purple}, {QPalette::Text, Purple}});
    SetColours(ui->fraBirthDay, {{QPalette::WindowText, palette().color(QPalette::WindowText)},
                                 {QPalette::Text, palette().color(QPalette::Text)}});

    for (QLabel *label : {ui->Label1, ui->Label4, ui->Label5})
        SetColours(label, {{QPalette::WindowText, Purple}});
    SetColours(ui->Label2, {{QPalette::WindowText, DarkGreen}, {QPalette::Window, face}});

    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName})
        SetColours(box, {{QPalette::Text, Magenta}, {QPalette::Base, face}});
    for (QComboBox *list : {ui->cboMonth, ui->cboDate, ui->cboYear})
        SetColours(list, {{QPalette::Text, Magenta},
                          {QPalette::ButtonText, Magenta},
                          {QPalette::Base, face},
                          {QPalette::Button, face}});
    SetColours(ui->cmdExit, {{QPalette::Button, LightBlue}, {QPalette::Window, LightBlue}});
}

void frmMain::showCoBrandChoice(qint16 n)
{
    ShowCoBrandChoice(ui->lblFullBrand, ui->lblCobrand, n);
}

EnteredInput frmMain::enteredInput() const
{
    return {
        .firstName = ui->txtFirstName->text(),
        .lastName = ui->txtLastName->text(),
        .dayText = ui->cboDate->currentText(),
        .monthName = ui->cboMonth->currentText(),
        .yearText = ui->cboYear->currentText(),
        .dayIndex = ui->cboDate->currentIndex(),
        .monthIndex = ui->cboMonth->currentIndex(),
    };
}

bool frmMain::validateInput(const EnteredInput &input)
{
    const std::optional<InputProblem> problem = InputProblemOf(input);
    if (!problem)
        return true;
    QWidget *focus = nullptr;
    switch (problem->focus) {
    case InputField::FirstName: focus = ui->txtFirstName; break;
    case InputField::LastName: focus = ui->txtLastName; break;
    case InputField::Day: focus = ui->cboDate; break;
    case InputField::Month: focus = ui->cboMonth; break;
    case InputField::Year: focus = ui->cboYear; break;
    case InputField::None: break;
    }
    ShowGemvaraMessage(this, QMessageBox::Information, problem->message, QMessageBox::Ok,
                       QMessageBox::Ok, focus);
    return false;
}

void frmMain::cmdNext_Click()
{
    const EnteredInput input = enteredInput();
    if (!validateInput(input))
        return;
    emit readingRequested(ComputeReading(input.dayText, input.monthIndex + 1, input.yearText));
}

void frmMain::cmdExit_Click()
{
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
    emit leaving();
    event->accept();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (upperCaseFilter(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::upperCaseFilter(QObject *watched, QEvent *event)
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
