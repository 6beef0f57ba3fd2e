#include "frmDisplay.h"
#include "ui_frmDisplay.h"

#include "appicon.h"
#include "catalogue.h"
#include "centering.h"
#include "designcolours.h"
#include "clipboardguard.h"
#include "designfonts.h"
#include "fittext.h"
#include "exitscreen.h"
#include "gempictures.h"
#include "lightlook.h"
#include "linklabels.h"
#include "weblinks.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QTabBar>

namespace {

// Blue sapphire: what the picture box shows until a reading sets it.
constexpr qint16 PlaceholderPicture = 2;

// Read-only look of every text box: magenta text on the button face.
void StyleTextBox(QPlainTextEdit *box, const QColor &face)
{
    QPalette palette = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, face);
        palette.setColor(group, QPalette::Text, DesignColour::Magenta);
    }
    box->setPalette(palette);
}

// Tabs 18 pixels high, the rest as the application style draws it. A style
// sheet did the same, but it cost a good part of every reading: each new
// window had the sheet parsed and all the tab pages polished through it.
class LowTabStyle : public QProxyStyle
{
public:
    // On the program's own style: left without a base, a proxy draws
    // with the desktop's style.
    LowTabStyle() : QProxyStyle(NewProgramStyle()) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type == CT_TabBarTab)
            return QProxyStyle::sizeFromContents(type, option, QSize(size.width(), 18), widget);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

// One for all reading windows; it lives as long as the application.
QStyle *LowTabs()
{
    static QPointer<LowTabStyle> style;
    if (!style) {
        style = new LowTabStyle;
        style->setParent(qApp);
    }
    return style;
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
    ApplyDesignFonts(this);

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(496, 360);
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends from the exit screen only, never because this
    // window happened to be the last one on screen.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Text colours through the palette: a style sheet on each label costs
    // parsing and polishing at every reading.
    using namespace DesignColour;
    for (QLabel *label : {ui->Label61, ui->Label2, ui->Label3})
        SetColour(label, {QPalette::WindowText}, DarkPurple);
    for (QLabel *label : {ui->Label1, ui->Label4, ui->Label5, ui->Label6, ui->Label7})
        SetColour(label, {QPalette::WindowText}, DarkGreen);
    for (QLabel *label : {ui->lblLifePathNumber, ui->lblBirthdayNumber, ui->lblFullBrand, ui->lblCobrand})
        SetColour(label, {QPalette::WindowText}, Purple);
    SetColour(ui->lblGemstoneName, {QPalette::WindowText}, Magenta);

    // The pages begin 24 pixels below the top of the tab control; a low
    // tab row keeps the frames on them clear of it.
    ui->SSTab1->tabBar()->setStyle(LowTabs());
    for (int i = 0; i < ui->SSTab1->count(); ++i)
        ui->SSTab1->tabBar()->setTabTextColor(i, Magenta);


    // The window's own background is the face itself, so no second grey
    // shows around the boxes where a style's window colour differs.
    const QColor face = palette().color(QPalette::Button);
    SetColour(this, {QPalette::Window}, face);
    for (QPlainTextEdit *box : {ui->txtLifeJourneyNumberDisplay, ui->txtLifeJourneyNumberDisplayDesc,
                                ui->txtBirthdayNumberDisplay, ui->txtBirthdayNumberDisplayDesc,
                                ui->txtGemstoneDesc})
        StyleTextBox(box, face);

    // The significance texts and the gemstone description may not be
    // copied; the two interpretations may.
    GuardClipboard(ui->txtLifeJourneyNumberDisplay);
    GuardClipboard(ui->txtBirthdayNumberDisplay);
    GuardClipboard(ui->txtGemstoneDesc);

    ui->Label61->setText(ForumAdvertisement());
    for (QLabel *label : {ui->Label61, ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5,
                          ui->Label6, ui->Label7})
        FitTextToLabel(label);
    ui->picGem->setPixmap(GemPicture(PlaceholderPicture));

    // Co-branding covers the full-branding offer and takes every click;
    // both are opaque so the covered text does not show through.
    ui->lblCobrand->raise();
    for (QLabel *offer : {ui->lblCobrand, ui->lblFullBrand}) {
        QPalette palette = offer->palette();
        palette.setColor(QPalette::Window, face);
        offer->setPalette(palette);
        offer->setAutoFillBackground(true);
    }
    OnLabelClick(ui->Label61, [] { OpenHomePage(); });
    OnLabelClick(ui->lblCobrand, [] { OpenCoBrandPage(); });
    OnLabelClick(ui->lblFullBrand, [] { OpenFullBrandPage(); });
    connect(ui->cmdback, &QPushButton::clicked, this, &frmDisplay::cmdback_Click);

    CenterOnScreen(this);
    ui->SSTab1->setFocus();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::setMainWindow(QWidget *mainWindow) { m_mainWindow = mainWindow; }

QTabWidget *frmDisplay::SSTab1() const { return ui->SSTab1; }
QLabel *frmDisplay::lblLifePathNumber() const { return ui->lblLifePathNumber; }
QPlainTextEdit *frmDisplay::txtLifeJourneyNumberDisplay() const { return ui->txtLifeJourneyNumberDisplay; }
QPlainTextEdit *frmDisplay::txtLifeJourneyNumberDisplayDesc() const { return ui->txtLifeJourneyNumberDisplayDesc; }
QLabel *frmDisplay::lblBirthdayNumber() const { return ui->lblBirthdayNumber; }
QPlainTextEdit *frmDisplay::txtBirthdayNumberDisplay() const { return ui->txtBirthdayNumberDisplay; }
QPlainTextEdit *frmDisplay::txtBirthdayNumberDisplayDesc() const { return ui->txtBirthdayNumberDisplayDesc; }
QLabel *frmDisplay::lblGemstoneName() const { return ui->lblGemstoneName; }
QPlainTextEdit *frmDisplay::txtGemstoneDesc() const { return ui->txtGemstoneDesc; }
QLabel *frmDisplay::picGem() const { return ui->picGem; }

void frmDisplay::cmdback_Click()
{
    // Closing shows the exit screen; the main window then takes its place.
    close();
    if (m_mainWindow)
        m_mainWindow->show();
    HideExitScreen();
}

void frmDisplay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_pagesPlaced) {
        m_pagesPlaced = true;
        PlacePageControls();
        ui->SSTab1->setFocus();
    }
}

// The form places page controls relative to the tab control's top-left
// corner, as the layout was drawn. Qt puts the pages below the tab row,
// and how far below depends on the style, so the offset is taken off once
// the tab control has laid its pages out.
void frmDisplay::PlacePageControls()
{
    QWidget *current = ui->SSTab1->currentWidget();
    if (!current)
        return;
    const QPoint offset = current->mapTo(ui->SSTab1, QPoint(0, 0));
    if (offset.isNull())
        return;
    for (int i = 0; i < ui->SSTab1->count(); ++i) {
        const auto controls = ui->SSTab1->widget(i)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls)
            control->move(control->pos() - offset);
    }
}

void frmDisplay::closeEvent(QCloseEvent *event)
{
    ShowExitScreen();
    event->accept();
}
