#pragma once

#include <QHash>
#include <QPlainTextEdit>
#include <QSet>

class QTextBlock;
class QTextCharFormat;
class QTextCursor;

// A rich-text pane with the operations the editor relies on: caret and selection as character positions,
// lines (the text's own lines, separated by line breaks), the text with CR LF breaks, case-insensitive
// search, per-selection colour, style, size, face and background, and suspended redrawing. Serves as the code
// pane `RichEdit1` and the message pane `RichEdit2`.
class CodePane : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodePane(QWidget *parent = nullptr);

    // `SelStart`: caret or selection start; writing it collapses the selection to the caret.
    int SelStart() const;
    void setSelStart(int position);
    // `SelLength`: length of the selection from `SelStart`.
    int SelLength() const;
    void setSelLength(int length);
    // `SelText`: replaces the selection (or inserts at the caret); the caret ends after the new text, which
    // takes the look of the selection's first character (with no selection, the look typing would get).
    void setSelText(const QString &text);

    // `SelAttributes`: the look of the selected characters, or of the text typed next when nothing is
    // selected.
    void setSelColor(quint32 bgr);
    void setSelStyle(bool bold, bool italic = false, bool underline = false);
    void setSelSize(int points);
    void setSelName(const QString &face);
    // Background colour of the selected characters.
    void setSelBackColor(quint32 bgr);
    // Applies a whole character format to the selection (or to the text typed next).
    void applySelFormat(const QTextCharFormat &format, bool merge);

    // `Text`: the whole text with every line break written as CR LF.
    QString Text() const;
    // `Lines.Text`: every line followed by CR LF.
    QString linesText() const;
    // `Lines.Count`: the number of lines; an empty last line is not counted.
    int lineCount() const;
    // The number of characters without the line breaks, as counted from `Text` without its CR LF pairs.
    int characterCountWithoutBreaks() const;
    // Line i without its line break; an invalid line gives an empty text.
    QString line(int index) const;
    // Every line without its line break, as many as `lineCount`, read from the text in one pass.
    QStringList lines() const;
    // Replaces the text of line i (not its break); an invalid line leaves the text unchanged. Writing the
    // text the line already has changes nothing.
    void setLine(int index, const QString &text);
    // `Lines.Add`: appends a line.
    void addLine(const QString &text);
    // `Lines.Clear`.
    void clearLines();
    // Replaces the whole text, in the base look, as one step of the pupil's history: undo brings the text,
    // its looks and the caret back. CR LF, lone CR and lone LF all become line breaks; a paragraph separator
    // is held as its stand-in (see paragraphseparators.h), not taken for a line break.
    void setDocumentText(const QString &text);
    // The history starts afresh: what the pane holds now cannot be undone (the welcome page at start-up).
    void restartHistory();

    // `Lines.BeginUpdate` / `Lines.EndUpdate`: nested suspension of redrawing; the last end repaints.
    void beginUpdate();
    void endUpdate();

    // `FindText`: position of the first occurrence of text in [start, start + length), ignoring letter case,
    // or -1. CR LF in the search text matches a line break. An empty text finds nothing.
    int findText(const QString &text, int start, int length) const;
    // `EM_LINEINDEX`: position of the first character of a line; -1 for a line that does not exist.
    int lineIndex(int line) const;
    // `EM_LINEFROMCHAR`: the line that holds a position.
    int lineFromChar(int position) const;

    // `EM_SETRECT`: the text area inside the pane, as margins from its client rectangle.
    void setTextMargins(int left, int top, int right, int bottom);
    QMargins textMargins() const;

    // Where a line of the text lies in the viewport as the pane shows it now, scrolled as it is.
    QRectF lineArea(const QTextBlock &block) const;

    // The look of the character at a position; a line break has the look of its line.
    QTextCharFormat formatAt(int position) const;

    // Undo and redo by the pupil's steps: a step added with `attachLastStep` is taken back and redone
    // together with the step before it. Undo leaves the caret where the step began, redo where it ended. They
    // stand in for the base class's slots of the same name, which are not virtual; Ctrl+Z and Ctrl+Y come
    // here too.
    void undo();
    void redo();
    // The history's last step, added after `start` undo commands, belongs to the step before it.
    void attachLastStep(int start);
    // The history's last step ended with the caret at this position: redo puts it back there.
    void setStepEndCaret(int position);
    // A step that replaces the whole text is made between these two calls; `start` is the number of undo
    // commands before it, `caretBefore` where undo puts the caret back.
    void beginWholeTextStep();
    void endWholeTextStep(int start, int caretBefore);
    // Whole texts the history holds at most (see setDocumentText).
    static constexpr int maximumWholeTextSteps = 20;

    // `PasteFromClipboard`: pastes the clipboard at the caret, replacing the selection, as the paste command
    // does. Unlike text dropped or pasted with the middle button, it is not reported as `textReceived`.
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
    // Undo or redo took back or brought back a step that replaced the whole text.
    void wholeTextReplayed();

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
    // A step was added to the history: it ends where the last change ended, unless its maker says otherwise.
    void stepAdded();
    // The whole text with the given text between lines.
    QString plainText(const QString &lineBreak) const;

    int m_updateDepth = 0;
    bool m_pastingClipboard = false; // pasteClipboard is at work
    // Where the last change of the text ended.
    int m_lastChangeEnd = 0;
    // Steps of the history are keyed by the number of undo commands up to their end (or start).
    QHash<int, int> m_stepEndCarets;   // where redo leaves the caret
    QSet<int> m_attachedEnds;          // ends of steps that belong to the step before them
    QSet<int> m_attachedStarts;        // and their starts
    int m_highestStep = 0;             // the latest step added
    QHash<int, int> m_stepStartCarets; // where undo leaves the caret, keyed by the step's start
    QSet<int> m_wholeTextSteps;        // starts of steps that replaced the whole text
};

// `RichRow`: the line of the caret.
int caretLine(const CodePane *pane);
// `RichCol`: the number of characters on the caret's line before the caret.
int caretColumn(const CodePane *pane);
// `GoXYRichEdit`: puts the caret at a line and column (the column is not checked against the line's length,
// so a column past the end lands further on) and focuses the pane; does nothing when the pane's own
// visibility flag is off.
void moveCaretTo(CodePane *pane, int line, int column);
