#pragma once

#include <QPlainTextEdit>

class QTextBlock;
class QTextCharFormat;
class QTextCursor;
class StepHistory;

// A rich-text pane with the operations the editor relies on: caret and selection as character positions,
// lines (the text's own lines, separated by line breaks), the text with CR LF breaks, case-insensitive
// search, per-selection colour, style, size, face and background, and suspended redrawing. Serves as the code
// pane `RichEdit1` and the message pane `RichEdit2`.
class CodePane : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodePane(QWidget *parent = nullptr);

    // The caret or the selection's start; writing it collapses the selection to the caret.
    int selectionStart() const;
    void setSelectionStart(int position);
    // The length of the selection from its start.
    int selectionLength() const;
    void setSelectionLength(int length);
    // Replaces the selection (or inserts at the caret); the caret ends after the new text, which takes the
    // look of the selection's first character (with no selection, the look typing would get).
    void setSelectedText(const QString &text);

    // The look of the selected characters, or of the text typed next when nothing is selected.
    void setSelColor(quint32 bgr);
    void setSelStyle(bool bold, bool italic = false, bool underline = false);
    void setSelSize(int points);
    void setSelName(const QString &face);
    // Background colour of the selected characters.
    void setSelBackColor(quint32 bgr);
    // Applies a whole character format to the selection (or to the text typed next).
    void applySelFormat(const QTextCharFormat &format, bool merge);

    // The whole text with every line break written as CR LF.
    QString text() const;
    // Every line followed by CR LF.
    QString linesText() const;
    // The number of lines; an empty last line is not counted.
    int lineCount() const;
    // The number of characters without the line breaks, as counted from `text` without its CR LF pairs.
    int characterCountWithoutBreaks() const;
    // Line i without its line break; an invalid line gives an empty text.
    QString line(int index) const;
    // Every line without its line break, as many as `lineCount`, read from the text in one pass.
    QStringList lines() const;
    // Replaces the text of line i (not its break); an invalid line leaves the text unchanged. Writing the
    // text the line already has changes nothing.
    void setLine(int index, const QString &text);
    // Appends a line.
    void addLine(const QString &text);
    // Empties the pane, as an edit that the history keeps.
    void clearLines();
    // Replaces the whole text, in the base look, as one step of the pupil's history: undo brings the text,
    // its looks and the caret back. CR LF, lone CR and lone LF all become line breaks; a paragraph separator
    // is held as its stand-in (see paragraphseparators.h), not taken for a line break.
    void setDocumentText(const QString &text);
    // The pupil's history of the pane, by the pupil's steps: undo and redo go through it.
    StepHistory *history() const { return m_history; }

    // Nested suspension of redrawing; the last end repaints.
    void beginUpdate();
    void endUpdate();

    // The position of the first occurrence of text in [start, start + length), ignoring letter case,
    // or -1. CR LF in the search text matches a line break. An empty text finds nothing.
    int findText(const QString &text, int start, int length) const;
    // The position of the first character of a line; -1 for a line that does not exist.
    int lineIndex(int line) const;
    // The line that holds a position.
    int lineFromChar(int position) const;

    // The text area inside the pane, as margins from its client rectangle.
    void setTextMargins(int left, int top, int right, int bottom);
    QMargins textMargins() const;

    // Where a line of the text lies in the viewport as the pane shows it now, scrolled as it is.
    QRectF lineArea(const QTextBlock &block) const;

    // The look of the character at a position; a line break has the look of its line.
    QTextCharFormat formatAt(int position) const;

    // Pastes the clipboard at the caret, replacing the selection, as the paste command does. Unlike text
    // dropped or pasted with the middle button, it is not reported as `textReceived`.
    void pasteClipboard();

Q_SIGNALS:
    // A character is about to be typed (the key's first character: a blank, a carriage return for Enter, a
    // letter, ...); raised before the pane handles the key, which it then does as usual.
    void keyPressed(QChar key);
    void clicked();
    // A mouse button was released over the pane, the pointer at this screen position; raised after clicked.
    void mouseReleased(const QPoint &globalPos);
    void doubleClicked();
    void mouseLeft();
    // The pupil asked to paste with the keyboard (Ctrl+V, Shift+Insert, ...). While anything listens, the
    // pane pastes nothing itself: the listener pastes, so that every paste is the one paste command.
    void pasteRequested();
    // Text came in without a paste command, dropped or pasted with the middle button; it is in the pane
    // already.
    void textReceived();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Sets this font on the pane, without text shaping where the script needs none.
    void preferUnshapedText(QFont unshaped);
    // Lines longer than this keep their shaped glyphs between layouts.
    static constexpr int LongLineLength = 4096;
    void keepLongLinesShaped(int position, int added);
    void replaceSelection(QTextCursor &cursor, const QString &text) const;
    // The whole text with the given text between lines.
    QString plainText(const QString &lineBreak) const;

    int m_updateDepth = 0;
    StepHistory *m_history;
    bool m_pastingClipboard = false; // pasteClipboard is at work
};

// The line of the caret.
int caretLine(const CodePane *pane);
// The number of characters on the caret's line before the caret.
int caretColumn(const CodePane *pane);
// Puts the caret at a line and column (the column is not checked against the line's length,
// so a column past the end lands further on) and focuses the pane; does nothing when the pane's own
// visibility flag is off.
void moveCaretTo(CodePane *pane, int line, int column);
