#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace Ui {
class frmDisplay;
}

// The window that shows one reading on three tabs. A new one is made for
// every reading; every way of closing it destroys it and brings up the
// exit screen.
class frmDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);
    ~frmDisplay() override;

    // The window that "Back" shows again. It is only hidden while the
    // reading is up, never destroyed, so it comes back with its input.
    void setMainWindow(QWidget *mainWindow);

    // The controls a reading is written into.
    QTabWidget *SSTab1() const;
    QLabel *lblLifePathNumber() const;
    QPlainTextEdit *txtLifeJourneyNumberDisplay() const;
    QPlainTextEdit *txtLifeJourneyNumberDisplayDesc() const;
    QLabel *lblBirthdayNumber() const;
    QPlainTextEdit *txtBirthdayNumberDisplay() const;
    QPlainTextEdit *txtBirthdayNumberDisplayDesc() const;
    QLabel *lblGemstoneName() const;
    QPlainTextEdit *txtGemstoneDesc() const;
    QLabel *picGem() const;

    void cmdback_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void PlacePageControls();

    std::unique_ptr<Ui::frmDisplay> ui;
    QPointer<QWidget> m_mainWindow;
    bool m_pagesPlaced = false;
};
