#pragma once

#include <QWidget>

// `TForm1`: the contact window (the maker's contact page, or a notice when offline).
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
};
