#pragma once

#include <QWidget>

class HelpPane;
class QLabel;

// `TForm4`: the about window. A banner at the top, the maker's e-mail addresses at the bottom, and between
// them a text about the program that is written anew each time the window appears.
class TForm4 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    QLabel *Image1;      // the banner, stretched to the full width
    HelpPane *RichEdit1; // the about text; takes no focus and no input
    QLabel *Label1;      // the maker's e-mail addresses

    // `FormShow`: sets the text margins and writes the about text.
    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};
