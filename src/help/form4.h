#pragma once

#include <QWidget>

// `TForm4`: the about window.
class TForm4 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);
};
