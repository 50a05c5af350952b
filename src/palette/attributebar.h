#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class EditingSession;
class QAbstractButton;
class QComboBox;
class QWidget;

// The attribute bar (Panel15): the strip under the code pane that offers, after a tag has been inserted, that
// tag's attributes as buttons and the general attributes in a drop-down box. The bar and everything on it are
// created at run time under the main window and found again by name, so at most one of each name exists.
// Every button and box hands its text to the main window through insertText, which the main window connects
// to insertAndRefresh (insert at the caret and refresh the document).
class AttributeBar : public QObject
{
    Q_OBJECT

public:
    // `owner` is the main window (MainWindow) whose descendants are searched by name; `panel9` is the editor
    // area the bar is docked into; the bar changes only in the editing mode of `session`. Docks the first,
    // empty bar "Panel15" at the bottom of the editor area.
    AttributeBar(QWidget *owner, QWidget *editorArea, const EditingSession *session,
                 QObject *parent = nullptr);

    // Panel15: the current bar, found by its name "panel15" among the main window's descendants (the designed
    // one until the first reset), or nullptr.
    QWidget *currentBar() const;

    // resetBar: frees the bar and puts a new, empty, visible one under the code pane (editing mode only).
    void resetBar();
    // fillForTag: fills the bar for a tag button caption: the general box for every tag, and the tag's own
    // attribute buttons when it has a list (editing mode only).
    void fillForTag(const QString &met);
    // addGeneralBox: puts a fresh general attributes box ("combo1") at the left end of the bar.
    QComboBox *addGeneralBox();

    // Adds an attribute button at the left end of the bar.
    QAbstractButton *addAttributeButton(const QString &text, int width);
    // Puts a named drop-down box at the left end of the bar, replacing any component of that name: it shows
    // `text` until the user picks one of `items`, and every pick inserts the picked item.
    QComboBox *addBox(const QString &name, const QString &text, int width, const QStringList &items);

    // FindComponent: the main window's descendant of this name, compared without regard to case, or nullptr.
    QObject *findComponent(const QString &name) const;
    // Frees the main window's component of this name, if there is one.
    void freeComponent(const QString &name);

    // insertButtonCaption: an attribute button was clicked; its caption is inserted.
    void insertButtonCaption(QAbstractButton *button);
    // insertBoxChoice: the user picked an item of a box; the box's text, the item picked, is inserted.
    void insertBoxChoice(QComboBox *box);

Q_SIGNALS:
    // Text to insert at the caret of the code pane.
    void insertText(const QString &text);

private:
    QWidget *createBar(const QString &name);

    QWidget *m_owner;
    QWidget *m_editorArea;
    const EditingSession *m_session;
};
