#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class EditingSession;
class QAbstractButton;
class QComboBox;
class QWidget;

// The attribute bar (`Panel15`): the strip under the code pane that offers, after a tag has been inserted,
// that tag's attributes as buttons and the general attributes in a drop-down box. The bar keeps the strip it
// made and the boxes on it; a reset frees the strip with everything on it and makes a new one, and a box
// replaces the box of its name, so at most one strip and one box of each name exist. Every button and box
// hands its text to the main window through insertText, which the main window connects to insertAndRefresh
// (insert at the caret and refresh the document).
class AttributeBar : public QObject
{
    Q_OBJECT

public:
    // Docks the first, empty strip at the bottom of `editorArea`; the bar changes only in the editing mode of
    // `session`.
    AttributeBar(QWidget *editorArea, const EditingSession *session, QObject *parent = nullptr);

    // The current strip (the first one until the first reset), or nullptr once the editor area is gone.
    QWidget *currentBar() const;

    // Frees the strip and puts a new, empty, visible one under the code pane (editing mode only).
    void resetBar();
    // Fills the strip for a tag button caption: the general box for every tag, and the tag's own attribute
    // buttons when it has a list (editing mode only).
    void fillForTag(const QString &caption);
    // Puts a fresh general attributes box ("combo1") at the left end of the strip.
    QComboBox *addGeneralBox();

    // Adds an attribute button at the left end of the strip.
    QAbstractButton *addAttributeButton(const QString &text, int width);
    // Puts a named drop-down box at the left end of the strip, replacing the box of that name: it shows
    // `text` until the user picks one of `items`, and every pick inserts the picked item.
    QComboBox *addBox(const QString &name, const QString &text, int width, const QStringList &items);
    // The box of this name on the current strip, or nullptr.
    QComboBox *box(const QString &name) const;

    // An attribute button was clicked; its caption is inserted.
    void insertButtonCaption(QAbstractButton *button);
    // The user picked an item of a box; the box's text, the item picked, is inserted.
    void insertBoxChoice(QComboBox *box);

Q_SIGNALS:
    // Text to insert at the caret of the code pane.
    void insertText(const QString &text);

private:
    void createBar(const QString &name);
    // Takes a control out of the window at once and destroys it once the current event is over.
    static void free(QWidget *control);

    QWidget *m_editorArea;
    const EditingSession *m_session;
    QPointer<QWidget> m_bar;
    QHash<QString, QPointer<QComboBox>> m_boxes; // the boxes on the current strip, by their names
};
