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
// windows without taking the focus, and leaving it ends the program.
class frmExitScreen : public QWidget
{
    Q_OBJECT
public:
    explicit frmExitScreen(QWidget *parent = nullptr);
    ~frmExitScreen() override;

    // The hidden message box's text with Windows line breaks (CR LF), the
    // way it is sent.
    QString messageText() const;
    void setMessageText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click(bool ticked);
    void lblGoToHome_Click();
    void placeholderFocusIn(QObject *box);
    void placeholderFocusOut(QObject *box);
    bool refuseSpace(QWidget *box);

    QString boxText(QObject *box) const;
    void setBoxText(QObject *box, const QString &text);

    std::unique_ptr<Ui::frmExitScreen> ui;
    // The five refer-a-friend boxes and the placeholder each shows.
    QHash<QObject *, QString> m_placeholders;
};
