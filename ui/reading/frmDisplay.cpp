#include "ui/reading/frmDisplay.h"
#include "ui_frmDisplay.h"

#include "engine/catalogue.h"
#include "engine/reading.h"
#include "platform/weblinks.h"
#include "ui/reading/clipboardguard.h"
#include "ui/reading/gempictures.h"
#include "ui/widgets/fittext.h"
#include "ui/widgets/formcolours.h"
#include "ui/widgets/formsetup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/offerband.h"

#include <QCloseEvent>
#include <QTabBar>
#include <QTextCursor>

namespace {

// Blue sapphire: what the picture box shows until a reading sets it.
constexpr qint16 PlaceholderPicture = 2;

// Inserts at the caret of the still empty box, then takes the caret back
// to the start so the box opens on the beginning of the text.
void PutInto(QPlainTextEdit *box, const QString &text)
{
    box->insertPlainText(text);
    QTextCursor caret = box->textCursor();
    caret.setPosition(0);
    box->setTextCursor(caret);
}

} // namespace

frmDisplay::frmDisplay(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmDisplay>())
{
    // The tab control comes first in the focus order because it is made
    // before the button; the form orders only the button and the boxes,
    // since ordering a tab control explicitly splits the focus chain.
    ui->setupUi(this);
    SetUpForm(this, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                        | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends from the exit screen only, never because this
    // window happened to be the last one on screen.
    setAttribute(Qt::WA_QuitOnClose, false);

    using namespace FormColour;
    for (QLabel *label : {ui->Label2, ui->Label3})
        SetColours(label, {{QPalette::WindowText, DarkPurple}});
    for (QLabel *label : {ui->Label1, ui->Label4, ui->Label5, ui->Label6, ui->Label7})
        SetColours(label, {{QPalette::WindowText, DarkGreen}});
    for (QLabel *label : {ui->lblLifePathNumber, ui->lblBirthdayNumber})
        SetColours(label, {{QPalette::WindowText, Purple}});
    SetColours(ui->lblGemstoneName, {{QPalette::WindowText, Magenta}});

    for (int i = 0; i < ui->SSTab1->count(); ++i)
        ui->SSTab1->tabBar()->setTabTextColor(i, Magenta);

    // The window's own background is the face itself, so no second grey
    // shows around the boxes where a style's window colour differs.
    const QColor face = palette().color(QPalette::Button);
    SetColours(this, {{QPalette::Window, face}});
    // Read-only look of every text box: magenta text on the button face.
    for (QPlainTextEdit *box :
         {ui->txtLifeJourneyNumberDisplay, ui->txtLifeJourneyNumberDisplayDesc,
          ui->txtBirthdayNumberDisplay, ui->txtBirthdayNumberDisplayDesc, ui->txtGemstoneDesc})
        SetColours(box, {{QPalette::Base, face}, {QPalette::Text, Magenta}});

    // The significance texts and the gemstone description may not be
    // copied; the two interpretations may.
    GuardClipboard(ui->txtLifeJourneyNumberDisplay);
    GuardClipboard(ui->txtBirthdayNumberDisplay);
    GuardClipboard(ui->txtGemstoneDesc);

    for (QLabel *label :
         {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6, ui->Label7})
        FitTextToLabel(label);
    ui->picGem->setPixmap(GemPicture(PlaceholderPicture));

    // Co-branding covers the full-branding offer and takes every click.
    SetUpOfferBand(ui->Label61, ForumAdvertisement(), DarkPurple, ui->lblFullBrand, ui->lblCobrand,
                   ui->lblCobrand);
    connect(ui->Label61, &LinkLabel::clicked, this, &OpenHomePage);
    connect(ui->lblFullBrand, &LinkLabel::clicked, this, &OpenFullBrandPage);
    connect(ui->lblCobrand, &LinkLabel::clicked, this, &OpenCoBrandPage);
    ChainLinksAfter(ui->txtBirthdayNumberDisplayDesc,
                    {ui->Label61, ui->lblCobrand, ui->lblFullBrand});
    connect(ui->cmdback, &QPushButton::clicked, this, &frmDisplay::cmdback_Click);

    ui->SSTab1->setFocus();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::showReading(const Reading &reading)
{
    const QString lifePath = QString::number(reading.lifePathNumber);
    ui->lblLifePathNumber->setText(lifePath);
    PutInto(ui->txtLifeJourneyNumberDisplay, reading.lifePathSignificance);
    PutInto(ui->txtLifeJourneyNumberDisplayDesc, reading.lifePathText);

    const QString birthday = QString::number(reading.birthdayNumber);
    ui->lblBirthdayNumber->setText(birthday);
    PutInto(ui->txtBirthdayNumberDisplay, reading.birthdaySignificance);
    PutInto(ui->txtBirthdayNumberDisplayDesc, reading.birthdayText);

    tellResult(ui->tabLifePath, ui->lblLifePathNumber, tr("Life path number %1").arg(lifePath),
               QLatin1Char(' ') + lifePath);
    tellResult(ui->tabBirthday, ui->lblBirthdayNumber, tr("Birthday number %1").arg(birthday),
               QLatin1Char(' ') + birthday);

    if (reading.gemName.isEmpty())
        return;
    ui->lblGemstoneName->setText(reading.gemName);
    tellResult(ui->tabGemstone, ui->lblGemstoneName, tr("Gemstone: %1").arg(reading.gemName),
               QStringLiteral(": ") + reading.gemName);
    ui->txtGemstoneDesc->setPlainText(reading.gemDescription);
    // A picture that cannot be had leaves the placeholder.
    const QPixmap picture = GemPicture(reading.gemPicture);
    if (!picture.isNull())
        ui->picGem->setPixmap(picture);
}

// Where a screen reader meets a result, said with what it is: at the label
// that shows it, with each box on its page (which Tab reaches) and in the
// name of the page's tab, read on opening and on every change of page.
void frmDisplay::tellResult(QWidget *page, QLabel *shownIn, const QString &spoken,
                            const QString &afterCaption)
{
    shownIn->setAccessibleName(spoken);
    for (QPlainTextEdit *box : page->findChildren<QPlainTextEdit *>())
        box->setAccessibleDescription(spoken);
    const int tab = ui->SSTab1->indexOf(page);
    ui->SSTab1->tabBar()->setAccessibleTabName(tab, ui->SSTab1->tabText(tab) + afterCaption);
}

void frmDisplay::cmdback_Click()
{
    m_goingBack = true;
    close();
    emit back();
}

void frmDisplay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_pagesPlaced) {
        m_pagesPlaced = true;
        placePageControls();
        ui->SSTab1->setFocus();
    }
}

// The form places page controls relative to the tab control's top-left
// corner, as the layout was drawn. Qt puts the pages below the tab row,
// and how far below depends on the style, so the offset is taken off once
// the tab control has laid its pages out.
void frmDisplay::placePageControls()
{
    const QPoint offset = ui->SSTab1->currentWidget()->mapTo(ui->SSTab1, QPoint(0, 0));
    for (int i = 0; i < ui->SSTab1->count(); ++i) {
        const auto controls =
            ui->SSTab1->widget(i)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls)
            control->move(control->pos() - offset);
    }
}

void frmDisplay::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Going back is no leaving: the exit screen must not show for a moment.
    if (!m_goingBack)
        emit closed();
}
