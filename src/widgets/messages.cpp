#include "widgets/messages.h"

#include "widgets/titlewidth.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    makeRoomForTitle(box);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton,
                    parent);
    QPushButton *yes = box.addButton(QStringLiteral("Ναι"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Όχι"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    makeRoomForTitle(box);
    box.exec();
    return box.clickedButton() == yes;
}

void makeRoomForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = titleBarWidth(box.windowTitle());
    // The box takes the width its layout needs at the least. A flat spacer as wide as the title, laid across
    // the first row under the text and icon already there, raises that width and adds no height.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), 0, 0, 1,
                  grid->columnCount());
}
