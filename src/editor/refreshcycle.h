#pragma once

#include "editor/core/refreshengine.h"

#include <QObject>

class CodePane;
class EditingSession;

// The refresh cycle that every command changing the document ends with: insert the command's text, reset the
// looks, re-indent, count and paint the tags, check their balance, put the caret back, show the count and
// render the preview. Each entry point is one variant of it. The whole pass is one edit of the code pane (one
// change notification); the painting itself is computed by the refresh engine. The cycle edits only the code
// pane; everything else it has to say (warnings, tag count, progress, the text to render) it says through its
// signals, which the main window shows. In the pupil's history (undo), a command with text of its own is one
// step, a template is one step, a refresh without one joins the step before it, and the welcome page starts
// the history afresh.
class RefreshCycle : public QObject
{
    Q_OBJECT

public:
    // The variants that act only in editing mode ask `session` for it; without a session every variant acts.
    RefreshCycle(CodePane *code, const EditingSession *session, QObject *parent = nullptr);

    // Whether the graphical environment switch `CheckBox1` is ticked: tag texts are then painted.
    void setPaintTags(bool paint);

    // The standard cycle, inserting `text` at the caret (replacing the selection).
    void insertAndRefresh(const QString &text);
    // A double click in the code pane and the Enter key: the cycle without insertion.
    void refreshWithoutInsertion();
    // Paste the clipboard, render it, then the cycle without insertion.
    void pasteAndRefresh();
    // The graphical switch's cycle (the caller sets the caption first): works in every mode, no insertion,
    // paints also tag texts holding "<>", no preview; the check runs last and leaves the caret after its last
    // highlight.
    void switchRefresh();
    // The start-up pass: loads the lines, paints every tag text, no re-indentation, no check, caret to the
    // start.
    void startupPass(const QStringList &lines);
    // After a file was loaded into the code pane: the cycle without insertion, the progress bar's maximum the
    // line count less 4, the check run with the caret at the start of the text; it joins the step that loaded
    // the text, so one undo takes both back.
    void openedDocumentRefresh();
    // The character-set commands: the mode is checked first, `text` (the declaration line) is inserted, and
    // the check runs with the caret at the start of the text.
    void declarationRefresh(const QString &text);
    // The templates, in every mode: load the lines with the caret at the start, no progress. The simple page
    // re-indents by the template rule and is not checked; the assignments are not re-indented and are
    // checked. The template is one step of the pupil's history: undo brings the previous text back.
    void templateRefresh(const QStringList &lines, bool simplePage);
    // Undo or redo brought a whole text back (a template, an opened file, ...): in editing mode the warnings,
    // the tag count and the preview follow the text as it is now, as they did when the text came in. The text
    // and its looks came back with the step and are left as they are, so that redo still finds them.
    void followReplayedText();

Q_SIGNALS:
    // The message pane is emptied (every variant does it first, before it looks at the mode).
    void warningsCleared();
    // The balance check's warnings, in order; an empty list means the message pane and its splitter hide.
    void warningsReady(const QList<BalanceWarning> &warnings);
    // The line walk starts over `maximum` + 1 lines, and has reached `value`.
    void progressStarted(int maximum);
    void progressReached(int value);
    // The number of "<" the line walk met.
    void tagCountChanged(int count);
    // The preview is to render this text, or this text as bytes (after a paste).
    void renderRequested(const QString &text);
    void renderStreamRequested(const QString &text);

private:
    enum class Prepare
    {
        Nothing,
        Insert,
        Paste,
        LoadLines
    };
    struct Variant
    {
        bool checkMode = true;        // stop outside editing mode
        bool modeBeforeClear = false; // the mode check comes before clearing the message pane
        Prepare prepare = Prepare::Nothing;
        bool progress = true;
        int progressLess = 1; // the progress bar's maximum is the line count less this
        bool render = true;
        bool caretToStartBeforeCheck = false;
        bool checkAfterCaret = false;
        bool paintAlways = false;  // paint tags whatever the switch says
        bool freshHistory = false; // the welcome page: the pupil's history starts afresh
        RefreshOptions engine;
    };
    // Where the pupil's history stood before a run, and what kind of step the run makes in it.
    struct StepStart
    {
        bool wholeText = false; // the run replaces the whole text (a template)
        bool ownStep = false;   // the run is a step of its own, else it joins the step before it
        bool joinable = false;  // there is a step before it to join
        int stepsBefore = 0;
        int caretBefore = 0;
    };
    // The caret before the refresh: its line, its column and the text of its line.
    struct CaretPlace
    {
        int line = 0;
        int column = 0;
        QString lineText;
    };
    // One variant of the cycle, from the command's text to the preview.
    void run(const Variant &variant, const QString &text = QString(),
             const QStringList &lines = QStringList());
    StepStart beginStep(const Variant &variant);
    // Pastes for the paste variant, checks the mode and empties the message pane: whether the cycle goes on.
    bool goesAhead(const Variant &variant);
    // Puts the command's text into the pane: inserted at the caret, or the lines loaded in place of the text.
    void prepareText(const Variant &variant, const QString &text, const QStringList &lines);
    CaretPlace caretPlace() const;
    // Puts the caret back where it was (or where the check's highlighting leaves it) and reports the warnings
    // and the tag count, in the order the variant wants.
    void putCaretBackAndReport(const Variant &variant, const RefreshOptions &options, const CaretPlace &caret,
                               const RefreshResult &result);
    // Files the run in the pupil's history as the step it is.
    void endStep(const Variant &variant, const StepStart &step);
    // Runs the engine over the code pane's lines and applies its result; returns the result.
    RefreshResult paintDocument(const RefreshOptions &options);
    CodePane *m_code;
    const EditingSession *m_session;
    bool m_paintTags = true;
};
