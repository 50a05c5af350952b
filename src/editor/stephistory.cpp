#include "editor/stephistory.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

StepHistory::StepHistory(QPlainTextEdit *pane) : QObject(pane), m_pane(pane)
{
    QTextDocument *document = pane->document();
    connect(document, &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { m_lastChangeEnd = position + added; });
    connect(document, &QTextDocument::undoCommandAdded, this, &StepHistory::stepAdded);
}

int StepHistory::position() const
{
    return m_pane->document()->availableUndoSteps();
}

void StepHistory::stepAdded()
{
    // Steps past the new one were taken back and can no longer be redone; they exist only after an undo.
    const int steps = position();
    if (steps <= m_highestStep) {
        m_stepEndCarets.removeIf([steps](const QHash<int, int>::iterator it) { return it.key() > steps; });
        m_attachedEnds.removeIf([steps](int end) { return end > steps; });
        m_attachedStarts.removeIf([steps](int start) { return start >= steps; });
        // The new step begins where the taken-back one began: what was noted for that one is gone with it.
        m_stepStartCarets.removeIf(
            [steps](const QHash<int, int>::iterator it) { return it.key() >= steps - 1; });
        m_wholeTextSteps.removeIf([steps](int start) { return start >= steps - 1; });
    }
    m_highestStep = steps;
    m_stepEndCarets.insert(steps, m_lastChangeEnd);
}

void StepHistory::attachLastStep(int start)
{
    const int end = position();
    if (end <= start)
        return;
    m_attachedStarts.insert(start);
    m_attachedEnds.insert(end);
}

void StepHistory::setStepEndCaret(int caret)
{
    m_stepEndCarets.insert(position(), caret);
}

void StepHistory::undoStep()
{
    const QTextDocument *document = m_pane->document();
    // The document leaves the caret where the last step it takes back began.
    while (document->isUndoAvailable()) {
        const bool attached = m_attachedEnds.contains(position());
        m_pane->undo();
        if (!attached)
            break;
    }
    // A step that replaced the whole text gives the caret back where it stood before.
    const auto caret = m_stepStartCarets.constFind(position());
    if (caret != m_stepStartCarets.constEnd())
        placeCaret(caret.value());
    if (m_wholeTextSteps.contains(position()))
        Q_EMIT wholeTextReplayed();
}

void StepHistory::redoStep()
{
    const QTextDocument *document = m_pane->document();
    if (!document->isRedoAvailable())
        return;
    const bool wholeText = m_wholeTextSteps.contains(position());
    m_pane->redo();
    const int stepEnd = position();
    while (document->isRedoAvailable() && m_attachedStarts.contains(position()))
        m_pane->redo();
    const auto caret = m_stepEndCarets.constFind(stepEnd);
    if (caret != m_stepEndCarets.constEnd())
        placeCaret(caret.value());
    if (wholeText)
        Q_EMIT wholeTextReplayed();
}

void StepHistory::beginWholeTextStep()
{
    // A history holding many whole texts (a pupil browsing page after page) starts afresh before it grows
    // past its bound; the texts it held have been kept for recovery by then.
    if (m_wholeTextSteps.size() >= maximumWholeTextSteps)
        restart();
}

void StepHistory::endWholeTextStep(int start, int caretBefore)
{
    if (position() <= start)
        return;
    m_stepStartCarets.insert(start, caretBefore);
    m_wholeTextSteps.insert(start);
}

void StepHistory::restart()
{
    m_pane->document()->clearUndoRedoStacks();
    m_stepEndCarets.clear();
    m_attachedEnds.clear();
    m_attachedStarts.clear();
    m_stepStartCarets.clear();
    m_wholeTextSteps.clear();
    m_highestStep = 0;
}

void StepHistory::placeCaret(int position)
{
    QTextCursor cursor = m_pane->textCursor();
    cursor.setPosition(qBound(0, position, m_pane->document()->characterCount() - 1));
    m_pane->setTextCursor(cursor);
}
