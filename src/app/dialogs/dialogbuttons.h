#pragma once
// The button row every modal dialog of the program ends with.

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

// OK and Cancel, right-aligned in one row: OK (object name "OKButton", the
// default button, captioned okText) accepts the dialog, Cancel
// ("CancelButton") rejects it. The row is for the caller's layout.
struct TDialogButtons {
    QPushButton* OK;
    QHBoxLayout* Row;
};
TDialogButtons MakeDialogButtons(QDialog* dialog, const QString& okText);
