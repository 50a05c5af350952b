#pragma once

#include <QObject>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// The program's seven windows, created once at start in a fixed order and kept until the end. The start-up
// window is the main form: when it closes, even while hidden, the program ends.
class ProgramWindows : public QObject
{
    Q_OBJECT

public:
    explicit ProgramWindows(QObject *parent = nullptr);
    ~ProgramWindows() override;

    // Shows the start-up window, the only window shown at start.
    void start();

    TForm3 *form3() const { return m_form3; }
    TForm5 *form5() const { return m_form5; }
    TForm7 *form7() const { return m_form7; }
    TForm6 *form6() const { return m_form6; }
    TForm1 *form1() const { return m_form1; }
    TForm2 *form2() const { return m_form2; }
    TForm4 *form4() const { return m_form4; }

Q_SIGNALS:
    // The start-up window has closed: the program ends.
    void finished();

private:
    // The one place where the windows' signals meet each other: the start-up window's closing ends the
    // program, hovering a tag button shows its description.
    void connectWindows();

    TForm3 *m_form3;
    TForm5 *m_form5;
    TForm7 *m_form7;
    TForm6 *m_form6;
    TForm1 *m_form1;
    TForm2 *m_form2;
    TForm4 *m_form4;
};
