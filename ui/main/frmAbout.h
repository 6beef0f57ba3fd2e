#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: title, description and two links to the publisher.
// Created for each opening and shown modal over its parent; it keeps no state.
//
// Controls whose names say little:
//   Picture1    the program icon
//   Label2      the program's name and version
//   Label1      the description of the program
//   Label3      the full-branding offer, with lblCobrand its link
//   Line1       the rule above the OK button
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};
