#include "help/form2.h"

#include "widgets/fonts.h"

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Παρουσίαση"));
    setFont(Fonts::pixels(15));
    resize(770, 562);
}
