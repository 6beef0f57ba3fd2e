#include "ui/exit/frmExitScreen.h"
#include "ui_frmExitScreen.h"

#include "engine/catalogue.h"
#include "platform/weblinks.h"
#include "ui/exit/supporttext.h"
#include "ui/exit/tellafriend.h"
#include "ui/widgets/appicon.h"
#include "ui/widgets/fittext.h"
#include "ui/widgets/formcolours.h"
#include "ui/widgets/formsetup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/version.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QRandomGenerator>

#include <limits>
#include <utility>

frmExitScreen::frmExitScreen(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmExitScreen>())
{
    ui->setupUi(this);
    // Topmost, and shown without pulling the focus away from whatever the
    // user is doing; pages opened from here open behind it.
    SetUpForm(this, Qt::Window | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);

    using namespace FormColour;
    SetColours(this, {{QPalette::Window, White}, {QPalette::Base, White}});
    SetColours(ui->Label2, {{QPalette::Window, White}});
    SetColours(ui->Check1, {{QPalette::WindowText, Blue}});
    for (QWidget *frame : {ui->Frame2, ui->Frame6})
        SetColours(frame, {{QPalette::Window, Navy}, {QPalette::WindowText, White}});
    SetColours(ui->Label3, {{QPalette::WindowText, White}});
    SetColours(ui->lblGoToHome, {{QPalette::WindowText, Yellow}});

    ui->Picture1->setPixmap(AppIcon().pixmap(32, 32));
    ui->Label1->setText(QStringLiteral(GEMVARA_CAPTION));
    ui->Label2->setText(
        SupportText(DrawSupportTextIndex(*QRandomGenerator::global())).value_or(QString()));
    ui->Label3->setText(SoftwaresCatalogueText());
    for (QLabel *label : {ui->Label1, ui->Label2, ui->Label3})
        FitTextToLabel(label);
    FitTextToLabel(ui->lblGoToHome);

    // The message box lies below its frame's edge, where nobody sees it;
    // hidden from the start, screen readers leave it out too. What it holds
    // is sent all the same.
    ui->txtMessage->hide();

    // A box's placeholder is its text until the user types, and its only
    // caption, for screen readers too. The hidden message box starts with
    // its placeholder and a line break, which is what is sent.
    m_placeholders = {
        {ui->txtName, Placeholder(NamePlaceholder)},
        {ui->txtEmail, Placeholder(EmailPlaceholder)},
        {ui->txtFriendName, Placeholder(FriendNamePlaceholder)},
        {ui->txtFriendEmail, Placeholder(FriendEmailPlaceholder)},
        {ui->txtMessage, Placeholder(MessagePlaceholder)},
    };
    for (auto it = m_placeholders.cbegin(); it != m_placeholders.cend(); ++it) {
        auto *box = static_cast<QWidget *>(it.key());
        box->setAccessibleName(it.value());
        box->installEventFilter(this);
    }
    for (QLineEdit *line : {ui->txtName, ui->txtEmail, ui->txtFriendName, ui->txtFriendEmail})
        line->setText(m_placeholders.value(line));
    setMessageText(m_placeholders.value(ui->txtMessage) + QStringLiteral("\r\n"));
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    // The message box, out of sight, is no stop of the Tab chain (the form
    // leaves it out): nobody could see what they typed there.
    ChainLinksAfter(ui->txtFriendName, {ui->lblGoToHome});
    // The boxes take any length (a line edit stops at 32767 by default).
    for (QLineEdit *line : {ui->txtName, ui->txtEmail, ui->txtFriendName, ui->txtFriendEmail})
        line->setMaxLength(std::numeric_limits<int>::max());

    connect(ui->cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
    connect(ui->Check1, &QCheckBox::clicked, this, &frmExitScreen::Check1_Click);
}

frmExitScreen::~frmExitScreen() = default;

QString frmExitScreen::messageText() const
{
    // A multi-line box holds its line breaks as CR LF, as the form sends them.
    QString text = ui->txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void frmExitScreen::setMessageText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ui->txtMessage->setPlainText(plain);
}

QString frmExitScreen::boxText(QObject *box) const
{
    if (box == ui->txtMessage)
        return messageText();
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return QString();
}

void frmExitScreen::setBoxText(QObject *box, const QString &text)
{
    if (box == ui->txtMessage)
        setMessageText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
}

void frmExitScreen::placeholderFocusIn(QObject *box)
{
    // Qt tells screen readers about a new focus only once this handler has
    // run. A box that changed its text before that became their current
    // object through the change, and the focus itself then went unspoken.
    // So the placeholder leaves once the focus has been told: on the next
    // turn of the event loop, or before a key or a click reaches the box.
    m_emptyAfterFocus = box;
    QMetaObject::invokeMethod(this, &frmExitScreen::emptyPlaceholder, Qt::QueuedConnection);
}

void frmExitScreen::emptyPlaceholder()
{
    QObject *box = std::exchange(m_emptyAfterFocus, nullptr);
    if (box && TrimBlanks(boxText(box)) == m_placeholders.value(box))
        setBoxText(box, QString());
}

void frmExitScreen::placeholderFocusOut(QObject *box)
{
    if (TrimBlanks(boxText(box)).isEmpty())
        setBoxText(box, m_placeholders.value(box));
}

bool frmExitScreen::refuseSpace(QWidget *box)
{
    ShowReferralMessage(this, tr("Email Address Cannot Contain Space"));
    // The user was typing here: bring the screen back and the caret with it.
    activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool frmExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: placeholderFocusIn(watched); break;
    case QEvent::FocusOut:
        emptyPlaceholder();
        // A context menu taking the focus is no leaving: its Paste goes
        // into the box as the user left it.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            placeholderFocusOut(watched);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::InputMethod: emptyPlaceholder(); break;
    case QEvent::KeyPress:
        emptyPlaceholder();
        if ((watched == ui->txtEmail || watched == ui->txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" "))
            return refuseSpace(static_cast<QWidget *>(watched));
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmExitScreen::Check1_Click(bool ticked)
{
    if (!ticked)
        return;
    ui->Check1->setChecked(false);
    OpenHomePage();
}

void frmExitScreen::cmdSubmit_Click()
{
    ReferralFields fields;
    fields.name = TrimBlanks(ui->txtName->text());
    fields.email = TrimBlanks(ui->txtEmail->text());
    fields.message = TrimBlanks(messageText());
    fields.friendName = TrimBlanks(ui->txtFriendName->text());
    fields.friendEmail = TrimBlanks(ui->txtFriendEmail->text());

    if (const auto problem = SubmissionProblem(fields)) {
        ShowReferralMessage(this, *problem);
        return;
    }
    SendReferral(fields, this);
}

void frmExitScreen::cmdClose_Click()
{
    emit left();
}

void frmExitScreen::lblGoToHome_Click()
{
    OpenSoftwaresPage();
}

void frmExitScreen::closeEvent(QCloseEvent *event)
{
    // However the screen is left, the program ends with it.
    event->accept();
    emit left();
}
