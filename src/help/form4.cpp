#include "help/form4.h"

#include "widgets/fonts.h"

TForm4::TForm4(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Σχετικά με τον Velmark Html Editor-Browser"));
    setFont(Fonts::pixels(15));
    setFixedSize(303, 394);
}
