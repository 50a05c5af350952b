#pragma once

#include "core/editingsession.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class AttributeBar;
class QPlainTextEdit;
class TagToolbars;
class TagTip;

// A small stand-in for the main window: the editor area holds the tag rows at the top, the code pane
// in the middle and the message pane at the bottom, with the attribute bar docked between them; the status
// bar lies along the window's bottom. Rows 6 and 7 start hidden, as in the program.
class PaletteHost : public QWidget
{
public:
    PaletteHost();
    ~PaletteHost() override;

    // What the palette needs of insertAndRefresh: the message pane is cleared, and in editing mode the text
    // replaces the selection of the code pane.
    void insertAndRefresh(const QString &text);
    // The main window's handler of a tag button click.
    void tagButtonClick(const QString &caption);

    EditingSession session;
    QWidget *editorArea;
    QWidget *toolbarArea;
    QList<QWidget *> rows;
    QPlainTextEdit *codePane;
    QPlainTextEdit *messagePane;
    QWidget *statusBar;
    QWidget *valuePopup;
    TagToolbars *toolbars;
    AttributeBar *bar;
    QPointer<TagTip> tip;
};
