#pragma once

#include <QWidget>

class QComboBox;

// `TForm7`: the borderless value popup with one combo box of attribute values, shown next to the mouse
// pointer.
class TForm7 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);

    QComboBox *ComboBox1; // the attribute values; emptied whenever the popup closes
};
