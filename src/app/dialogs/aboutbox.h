#pragma once
// The about box: program name, release and acknowledgements.

class QWidget;

// Shows the information box modally with one OK button.
void AboutActionExecute(QWidget* parent);
