#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QPlainTextEdit;

// The pupil's history in a text pane, taken back and redone by the pupil's own steps rather than by the
// document's single edits: a step attached to the one before it (the recolouring after typed text) goes with
// it, undo leaves the caret where the step began and redo where it ended, and steps that replace the whole
// text are bounded in number. The menu's undo, Ctrl+Z and Ctrl+Y all come here; the pane's own undo() and
// redo() would take back single edits.
class StepHistory : public QObject
{
    Q_OBJECT

public:
    explicit StepHistory(QPlainTextEdit *pane);

    // The document's undo commands up to now: the position in the history that the calls below take.
    int position() const;
    // Takes back the last step together with the steps attached to it.
    void undoStep();
    // Redoes the next step together with the steps attached to it.
    void redoStep();
    // The history's last step, added after position `start`, belongs to the step before it.
    void attachLastStep(int start);
    // The history's last step ended with the caret at this position: redo puts it back there.
    void setStepEndCaret(int caret);
    // A step that replaces the whole text is made between these two calls; `start` is the position before
    // it, `caretBefore` where undo puts the caret back.
    void beginWholeTextStep();
    void endWholeTextStep(int start, int caretBefore);
    // The history starts afresh: what the pane holds now cannot be undone (the welcome page at start-up).
    void restart();
    // Whole texts the history holds at most.
    static constexpr int maximumWholeTextSteps = 20;

Q_SIGNALS:
    // Undo or redo took back or brought back a step that replaced the whole text.
    void wholeTextReplayed();

private:
    // A step was added to the history: it ends where the last change ended, unless its maker says otherwise.
    void stepAdded();
    void placeCaret(int position);

    QPlainTextEdit *m_pane;
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
