#pragma once

#include <QMessageBox>

// The program's message box: title "Gemvara", the given icon and buttons,
// modal over parent (or the whole program when there is none). Returns the
// button pressed. focusAfter, if given, has the focus once the box is
// gone: screen readers hear it once, there.
QMessageBox::StandardButton
ShowGemvaraMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                   QMessageBox::StandardButton defaultButton = QMessageBox::Ok,
                   QWidget *focusAfter = nullptr);

// A question with Yes and No, Yes the default, under the information icon
// and over no window; true when the answer is Yes. Start-up asks the
// update reminder's question through it.
bool AskGemvaraQuestion(const QString &question);
