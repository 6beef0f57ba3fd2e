#pragma once

#include "engine/reading.h"

#include <QMainWindow>

#include <memory>

struct EnteredInput;

namespace Ui {
class frmMain;
}

// The window where the user types a name and picks a date of birth, and
// asks for a reading. It checks the input and has the reading made; what
// the program shows next is up to whoever listens to its signals.
//
// Controls whose names say little:
//   Label61        the forum advertisement link at the top
//   Label1/4/5     the captions of the first, middle and last name boxes
//   Label2         the line about gemstones, a link to the full-branding offer
//   fraName        the frame round the name boxes
//   fraBirthDay    the frame round the date lists and cmdNext
//   cboDate        the day of birth
//   cmdNext        "Get My Gemvara Reading"
//   lblFullBrand, lblCobrand  the two offers sharing the bottom band
//   nuFile         the File menu
//   mkmoney        "Make Money Online", switched off
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Puts the offer that the co-brand draw's number n picks in front (see
    // ShowCoBrandChoice).
    void showCoBrandChoice(qint16 n);

signals:
    // "Get My Gemvara Reading" with input that passed the checks: the
    // reading for the date the lists show.
    void readingRequested(const Reading &reading);
    // The user is leaving this window: it is closing, by Exit or however
    // else that happened. It is never refused.
    void leaving();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // "Get My Gemvara Reading": the checks, then the reading.
    void cmdNext_Click();
    // Exit: the window closes, and with that the user leaves it.
    void cmdExit_Click();
    // What the boxes and lists hold, read once per request.
    EnteredInput enteredInput() const;
    // Checks the names and the date. On the first problem it tells the user
    // in a message box, moves the focus where it helps and returns false;
    // true when the input may be used for a reading.
    bool validateInput(const EnteredInput &input);
    void Form_Load();
    void mnuAbout_Click();
    void applyColours();
    bool upperCaseFilter(QObject *watched, QEvent *event);

    std::unique_ptr<Ui::frmMain> ui;
};
