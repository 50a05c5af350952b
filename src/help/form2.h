#pragma once

#include <QWidget>

// `TForm2`: the program presentation window.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
};
