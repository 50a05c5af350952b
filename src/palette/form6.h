#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

// TForm6: the tag description tip, a borderless light-yellow strip laid over the main window's status bar
// while the mouse rests on a tag button. Created once, without a parent, like every window of the program;
// the main window later hands it its hosts.
class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    // The status bar the tip is embedded in (StatusBar1), the main window whose width it takes, and the
    // attribute value popup it closes when it appears (may stay null).
    void setStatusBar(QWidget *statusBar);
    void setMainWindow(QWidget *mainWindow);
    void setValuePopup(QWidget *valuePopup);

    // minima: shows the description of a tag button caption over the status bar.
    void minima(const QString &met);
    // ypokatleave: hides the tip; the caption is not needed.
    void ypokatleave(const QString &met);

    // Panel1: the strip that shows the description.
    QLabel *panel1() const { return m_panel1; }
    // Edit1: the invisible field that carries the caption to describe.
    QLineEdit *edit1() const { return m_edit1; }

protected:
    // FormShow: runs each time the tip goes from hidden to shown.
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_statusBar;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_valuePopup;
    QLabel *m_panel1;
    QLineEdit *m_edit1;
};
