#pragma once

#include <QObject>
#include <QPointer>

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

    StartupWindow *startupWindow() const;
    MainWindow *mainWindow() const;
    ValuePopup *valuePopup() const;
    TagTip *tagTip() const;
    ContactWindow *contactWindow() const;
    PresentationWindow *presentationWindow() const;
    AboutWindow *aboutWindow() const;

Q_SIGNALS:
    // The start-up window has closed: the program ends.
    void finished();

private:
    // The one place where the windows' signals meet each other: the start-up window's closing ends the
    // program, hovering a tag button shows its description, a value picked in the value popup reaches the
    // main window's value assistant.
    void connectWindows();

    // The windows have no parent; the tag tip later moves into the main window, which then owns it. Guarded
    // pointers clear themselves when a window goes with its new parent, so each window is deleted exactly
    // once whatever the order.
    QPointer<StartupWindow> m_startupWindow;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ValuePopup> m_valuePopup;
    QPointer<TagTip> m_tagTip;
    QPointer<ContactWindow> m_contactWindow;
    QPointer<PresentationWindow> m_presentationWindow;
    QPointer<AboutWindow> m_aboutWindow;
};
