#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: title, description and two links to the publisher.
// Created for each opening and shown modal over its parent; it keeps no state.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};
