#pragma once

#include <QString>

class QWidget;

// `ShowMessage`: a plain modal message box with a fixed Greek text and an OK button.
void showMessage(QWidget *parent, const QString &text);
