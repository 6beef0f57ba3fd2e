#pragma once

#include <QWidget>

#include <memory>

class QLabel;
struct Reading;

namespace Ui {
class frmDisplay;
}

// The window that shows one reading on three tabs. A new one is made for
// every reading; every way of closing it destroys it. Whoever opens it
// decides what comes next, through its two signals.
//
// Controls whose names say little:
//   Label61     the forum advertisement link at the top
//   Label1      the heading over the tabs
//   Label2/3    the gemstone page's headings over the name and description
//   Label4/5    the life path page's headings over the two texts
//   Label6/7    the birthday page's headings over the two texts
//   SSTab1      the three pages: life path, birthday, gemstone
//   picGem      the gemstone's picture
//   lblFullBrand, lblCobrand  the two offers sharing the bottom band
class frmDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit frmDisplay(QWidget *parent = nullptr);
    ~frmDisplay() override;

    // Writes the reading into a window that shows none yet: the numbers,
    // each significance before its interpretation, then the gemstone's
    // name, description and picture. Every write to a guarded box empties
    // the clipboard, and every box opens at its first line. A reading
    // without a gemstone leaves the gemstone page as it is.
    void showReading(const Reading &reading);

signals:
    // The window has been closed by any way but Back.
    void closed();
    // "Back" was pressed and the window has closed.
    void back();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdback_Click();
    void placePageControls();
    void tellResult(QWidget *page, QLabel *shownIn, const QString &spoken,
                    const QString &afterCaption);

    std::unique_ptr<Ui::frmDisplay> ui;
    bool m_pagesPlaced = false;
    bool m_goingBack = false;
};
