#pragma once

#include <QWidget>

class CodePane;
class QGroupBox;
class QPushButton;
class QRadioButton;

// `TForm3`: the start-up window with the terms of use; the application's main form, whose closing, even while
// hidden, ends the program.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The main window that "Είσοδος" shows.
    void setMainWindow(QWidget *mainWindow);

    CodePane *RichEdit1;       // the terms of use, read-only
    QGroupBox *RadioGroup1;    // "Δηλώνω οτι:" with the accept and decline items
    QRadioButton *acceptItem;  // item 0 of `RadioGroup1`
    QRadioButton *declineItem; // item 1 of `RadioGroup1`
    QPushButton *SpeedButton1; // enter or close, by its caption

    // `RadioGroup1Click`: the button caption follows the chosen item.
    void RadioGroup1Click(int itemIndex);
    // `SpeedButton1Click`: "Είσοδος" shows the main window; any other caption closes this window.
    void SpeedButton1Click();
    // `FormShow`: writes the terms text.
    void FormShow();

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_mainWindow = nullptr;
};
