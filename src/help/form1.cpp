#include "help/form1.h"

#include "widgets/fonts.h"

TForm1::TForm1(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Επικοινωνία"));
    setFont(Fonts::pixels(15));
    resize(451, 526);
}
