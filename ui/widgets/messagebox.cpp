#include "ui/widgets/messagebox.h"

QMessageBox::StandardButton ShowGemvaraMessage(QWidget *parent, QMessageBox::Icon icon,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QStringLiteral("Gemvara"), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

bool AskGemvaraQuestion(const QString &question)
{
    return ShowGemvaraMessage(nullptr, QMessageBox::Information, question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}
