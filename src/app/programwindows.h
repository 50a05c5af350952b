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

// The program's seven windows, created once in a fixed order and kept until the end. The start-up window is
// the main form: when it closes, even while hidden, the program ends. It is created and shown first; the six
// others, the main window with its web engine among them, are created together as soon as the start-up window
// has painted, so the pupil reads the terms while the rest starts, or as soon as anything asks for one of
// them.
class ProgramWindows : public QObject
{
    Q_OBJECT

public:
    explicit ProgramWindows(QObject *parent = nullptr);
    ~ProgramWindows() override;

    // Shows the start-up window, the only window shown at start; the other windows follow once it has
    // painted.
    void start();

    StartupWindow *startupWindow() const;
    // Whether the six other windows exist yet.
    bool otherWindowsCreated() const { return m_otherWindowsCreated; }
    // The other windows, created (all six) by the first call if they do not exist yet.
    MainWindow *mainWindow();
    ValuePopup *valuePopup();
    TagTip *tagTip();
    ContactWindow *contactWindow();
    PresentationWindow *presentationWindow();
    AboutWindow *aboutWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The start-up window has closed: the program ends.
    void finished();

private:
    // Creates the six windows after the start-up window, in their order, unless they exist.
    void createOtherWindows();
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
    // The other windows are created once; a window that has gone since stays gone.
    bool m_otherWindowsCreated = false;
};
