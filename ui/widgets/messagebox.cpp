#include "ui/widgets/messagebox.h"

#include <QApplication>

QMessageBox::StandardButton ShowGemvaraMessage(QWidget *parent, QMessageBox::Icon icon,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton,
                                               QWidget *focusAfter)
{
    QMessageBox box(icon, QStringLiteral("Gemvara"), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Moved while the box has the keys, the focus is only noted in the window
    // below, which gets the keys back there; moved after the box, it would
    // be told where it was first.
    if (focusAfter)
        QObject::connect(qApp, &QApplication::focusChanged, &box,
                         [&box, focusAfter](QWidget *, QWidget *now) {
                             if (now && now->window() == &box)
                                 focusAfter->setFocus();
                         });
    const auto pressed = QMessageBox::StandardButton(box.exec());
    if (focusAfter)
        focusAfter->setFocus();
    return pressed;
}

bool AskGemvaraQuestion(const QString &question)
{
    return ShowGemvaraMessage(nullptr, QMessageBox::Information, question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}
