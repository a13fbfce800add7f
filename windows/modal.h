#pragma once

class QDialog;

// Shows a dialog made with new as a modal window and returns its result. The dialog is deleted a
// while after it closes, or as the program ends, not at once: a screen reader reads what a closed
// window sent it after the fact, and asks about the window as it does.
int execModal(QDialog *dialog);
