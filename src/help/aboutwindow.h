#pragma once

#include <QWidget>

class HelpPane;
class QLabel;

// The about window. A banner at the top, the maker's e-mail addresses at the bottom, and between
// them a text about the program that is written anew each time the window appears.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *banner() const { return m_banner; }
    HelpPane *aboutPane() const { return m_aboutPane; }
    QLabel *addressesLabel() const { return m_addressesLabel; }

    // Sets the text margins and writes the about text.
    void writeAboutText();
    // Makes the window tall enough for the whole about text in the faces installed.
    void fitToText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_banner;         // `Image1`: the banner, stretched to the full width
    HelpPane *m_aboutPane;    // `RichEdit1`: the about text; takes no focus and no input
    QLabel *m_addressesLabel; // `Label1`: the maker's e-mail addresses
    bool m_placed = false;
};
