#include "assist/form7.h"

#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QComboBox>

TForm7::TForm7(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form7"));
    setFont(Fonts::pixels(11));
    resize(200, 26);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Τιμές χαρακτηριστικού"));
    ComboBox1->setEditable(true);
    ComboBox1->setFont(Fonts::pixels(15, true));
    ComboBox1->setStyleSheet(QStringLiteral("QComboBox { background: #004080; color: #c0c0c0; }"));
    dockInto(this, ComboBox1, DockAlign::Fill);
}
