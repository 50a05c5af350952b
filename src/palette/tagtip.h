#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

// TagTip: the tag description tip, a borderless light-yellow strip laid over the main window's status bar
// while the mouse rests on a tag button. Created once, without a parent, like every window of the program;
// the main window later hands it its hosts.
class TagTip : public QWidget
{
    Q_OBJECT

public:
    explicit TagTip(QWidget *parent = nullptr);

    // The status bar the tip is embedded in (StatusBar1), the main window whose width it takes, and the
    // attribute value popup it closes when it appears (may stay null).
    void setStatusBar(QWidget *statusBar);
    void setMainWindow(QWidget *mainWindow);
    void setValuePopup(QWidget *valuePopup);

    // showDescription: shows the description of a tag button caption over the status bar.
    void showDescription(const QString &caption);
    // hideDescription: hides the tip; the caption is not needed.
    void hideDescription(const QString &caption);

    // Panel1: the strip that shows the description.
    QLabel *descriptionLabel() const { return m_descriptionLabel; }
    // Edit1: the invisible field that carries the caption to describe.
    QLineEdit *captionField() const { return m_captionField; }

protected:
    // FormShow: runs each time the tip goes from hidden to shown.
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_statusBar;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_valuePopup;
    QLabel *m_descriptionLabel;
    QLineEdit *m_captionField;
};
