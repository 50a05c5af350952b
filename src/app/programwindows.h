#pragma once

#include <QObject>

class ContactWindow;
class PresentationWindow;
class StartupWindow;
class AboutWindow;
class MainWindow;
class TagTip;
class ValuePopup;

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

    StartupWindow *startupWindow() const { return m_startupWindow; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    ValuePopup *valuePopup() const { return m_valuePopup; }
    TagTip *tagTip() const { return m_tagTip; }
    ContactWindow *contactWindow() const { return m_contactWindow; }
    PresentationWindow *presentationWindow() const { return m_presentationWindow; }
    AboutWindow *aboutWindow() const { return m_aboutWindow; }

Q_SIGNALS:
    // The start-up window has closed: the program ends.
    void finished();

private:
    // The one place where the windows' signals meet each other: the start-up window's closing ends the
    // program, hovering a tag button shows its description.
    void connectWindows();

    StartupWindow *m_startupWindow;
    MainWindow *m_mainWindow;
    ValuePopup *m_valuePopup;
    TagTip *m_tagTip;
    ContactWindow *m_contactWindow;
    PresentationWindow *m_presentationWindow;
    AboutWindow *m_aboutWindow;
};
