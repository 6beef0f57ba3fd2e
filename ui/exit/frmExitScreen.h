#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

namespace Ui {
class frmExitScreen;
}

class QLineEdit;
class QPlainTextEdit;

// The screen shown when the user leaves the program: support text,
// links to the publisher and the refer-a-friend form. It stays above other
// windows without taking the focus; leaving it is told through left().
//
// Controls whose names say little:
//   Picture1     the program icon
//   Label1       the program's name and version
//   Label2       one of the support texts, drawn at random
//   Check1       "Click Here To Visit Orvanta Now", a link that unticks itself
//   Frame2       the refer-a-friend form
//   Frame6       the publisher's other programs: Label3 about them,
//                lblGoToHome the link to them
class frmExitScreen : public QWidget
{
    Q_OBJECT
public:
    explicit frmExitScreen(QWidget *parent = nullptr);
    ~frmExitScreen() override;

signals:
    // The user left the screen, by Exit or by closing it; the program ends
    // with it.
    void left();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click(bool ticked);
    void lblGoToHome_Click();
    void placeholderFocusIn(QObject *box);
    void emptyPlaceholder();
    void placeholderFocusOut(QObject *box);
    bool refuseSpace(QWidget *box);

    // The hidden message box's text with Windows line breaks (CR LF), the
    // way it is sent.
    QString messageText() const;
    void setMessageText(const QString &text);
    QString boxText(QObject *box) const;
    void setBoxText(QObject *box, const QString &text);

    std::unique_ptr<Ui::frmExitScreen> ui;
    // The five refer-a-friend boxes and the placeholder each shows.
    QHash<QObject *, QString> m_placeholders;
    // The box that got the focus while showing its placeholder, until the
    // placeholder has left it.
    QObject *m_emptyAfterFocus = nullptr;
};
