#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when it does not fit,
// as the main window's tall "Get My Gemvara Reading" button needs.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
