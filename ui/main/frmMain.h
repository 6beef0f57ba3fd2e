#pragma once

#include <QMainWindow>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmMain;
}

// The window where the user types a name and picks a date of birth.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The controls other parts of the program read or drive.
    QLineEdit *txtFirstName() const;
    QLineEdit *txtMiddleName() const;
    QLineEdit *txtLastName() const;
    QComboBox *cboDate() const;
    QComboBox *cboMonth() const;
    QComboBox *cboYear() const;
    QLabel *lblFullBrand() const;
    QLabel *lblCobrand() const;

    void cmdNext_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void ApplyColours();
    void mnuAbout_Click();
    bool UpperCaseFilter(QObject *watched, QEvent *event);

    std::unique_ptr<Ui::frmMain> ui;
};
