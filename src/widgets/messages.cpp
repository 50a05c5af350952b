#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QApplication::applicationName(), text);
}
