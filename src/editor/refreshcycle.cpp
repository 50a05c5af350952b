#include "editor/refreshcycle.h"

#include "core/editingsession.h"
#include "editor/codepane.h"
#include "editor/core/reindent.h"
#include "editor/core/textdifference.h"
#include "editor/documentlooks.h"
#include "editor/stephistory.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Writes the lines whose text the refresh changed, each only from its first to its last changed character
// (a re-indentation, a tag's letter case): the rest of the line is not taken apart and rebuilt. The new
// characters take the look of the first one they replace; the looks are given afterwards anyway.
void writeChangedLines(QTextDocument *doc, const QStringList &before, const QStringList &after)
{
    QTextCursor cursor(doc);
    // Where line i starts, counted on from line to line: asking the document costs a search each time.
    int position = 0;
    for (int i = 0; i < before.size() && i < after.size(); position += int(after.at(i).size()) + 1, ++i) {
        const QString &was = before.at(i);
        const QString &now = after.at(i);
        if (was == now)
            continue;
        const SharedEnds shared = sharedEnds(was, now);
        const int from = position + int(shared.beginning);
        const int to = position + int(was.size() - shared.end);
        cursor.setPosition(to > from ? from + 1 : from);
        const QTextCharFormat format = cursor.charFormat();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.insertText(
            QStringView(now).mid(shared.beginning, now.size() - shared.beginning - shared.end).toString(),
            format);
    }
}

} // namespace

RefreshCycle::RefreshCycle(CodePane *code, const EditingSession *session, QObject *parent)
    : QObject(parent), m_code(code), m_session(session)
{
}

void RefreshCycle::setPaintTags(bool paint)
{
    m_paintTags = paint;
}

void RefreshCycle::insertAndRefresh(const QString &text)
{
    Variant v;
    v.prepare = Prepare::Insert;
    run(v, text);
}

void RefreshCycle::refreshWithoutInsertion()
{
    run(Variant());
}

void RefreshCycle::pasteAndRefresh()
{
    Variant v;
    v.prepare = Prepare::Paste;
    v.modeBeforeClear = true;
    run(v);
}

void RefreshCycle::switchRefresh()
{
    Variant v;
    v.checkMode = false;
    v.render = false;
    v.checkAfterCaret = true;
    v.engine.skipEmptyPairTags = false;
    run(v);
}

void RefreshCycle::startupPass(const QStringList &lines)
{
    Variant v;
    v.checkMode = false;
    v.prepare = Prepare::LoadLines;
    v.progress = false;
    v.render = false;
    v.paintAlways = true;
    v.engine.reindent = Reindent::None;
    v.engine.skipEmptyPairTags = false;
    v.engine.collect = false;
    v.engine.balanceCheck = false;
    v.freshHistory = true;
    run(v, QString(), lines);
}

void RefreshCycle::openedDocumentRefresh()
{
    Variant v;
    v.caretToStartBeforeCheck = true;
    v.progressLess = 4;
    run(v);
}

void RefreshCycle::declarationRefresh(const QString &text)
{
    Variant v;
    v.modeBeforeClear = true;
    v.prepare = Prepare::Insert;
    v.caretToStartBeforeCheck = true;
    run(v, text);
}

void RefreshCycle::templateRefresh(const QStringList &lines, bool simplePage)
{
    Variant v;
    v.checkMode = false;
    v.prepare = Prepare::LoadLines;
    v.progress = false;
    v.engine.reindent = simplePage ? Reindent::Template : Reindent::None;
    v.engine.collect = !simplePage;
    v.engine.balanceCheck = !simplePage;
    run(v, QString(), lines);
}

void RefreshCycle::followReplayedText()
{
    if (m_session && !m_session->isEditing())
        return;
    RefreshOptions options;
    options.paintTags = m_paintTags;
    const RefreshResult result =
        runRefresh(m_code->lines(), options, m_code->lineCount() < m_code->document()->blockCount());
    Q_EMIT warningsCleared();
    Q_EMIT warningsReady(result.report.warnings);
    Q_EMIT tagCountChanged(result.tagCount);
    Q_EMIT renderRequested(m_code->text());
}

void RefreshCycle::run(const Variant &variant, const QString &text, const QStringList &lines)
{
    CodePane *code = m_code;
    QTextDocument *doc = code->document();
    // A command of its own (an insertion, a paste) is one step of the pupil's history; it begins at the
    // caret, so undo puts the caret back where the command began. A refresh without one belongs to the step
    // before it: recolouring and re-indenting after the pupil typed is taken back with the typing.
    const bool wholeText = variant.prepare == Prepare::LoadLines && !variant.freshHistory;
    const bool ownStep = variant.prepare == Prepare::Insert || variant.prepare == Prepare::Paste || wholeText;
    StepHistory *history = code->history();
    if (wholeText)
        history->beginWholeTextStep();
    const bool joinable = doc->isUndoAvailable();
    const int stepsBefore = history->position();
    const int caretBefore = code->selectionStart();
    QTextCursor edit = code->textCursor();
    edit.beginEditBlock();
    if (variant.prepare == Prepare::Paste) {
        // Pasting and its rendering happen in every mode.
        code->pasteClipboard();
        Q_EMIT renderStreamRequested(code->text());
    }
    const bool editing = !m_session || m_session->isEditing();
    const bool stop = variant.checkMode && !editing;
    if (stop && variant.modeBeforeClear) {
        edit.endEditBlock();
        return;
    }
    Q_EMIT warningsCleared();
    if (stop) {
        edit.endEditBlock();
        return;
    }

    code->beginUpdate();
    const int progressMaximum = qMax(0, code->lineCount() - variant.progressLess);
    if (variant.progress)
        Q_EMIT progressStarted(progressMaximum);
    if (variant.prepare == Prepare::Insert) {
        code->setSelectedText(text);
    } else if (variant.prepare == Prepare::LoadLines) {
        code->clearLines();
        for (const QString &line : lines)
            code->addLine(line);
        code->setSelectionStart(0);
    }
    const int lineNumber = caretLine(code);
    const int columnBefore = caretColumn(code);
    const QString caretLineBefore = code->line(lineNumber);

    RefreshOptions options = variant.engine;
    options.paintTags = variant.paintAlways || m_paintTags;
    const RefreshResult result = paintDocument(options);
    if (variant.progress)
        Q_EMIT progressReached(qMin(progressMaximum, int(result.lines.size())));
    edit.endEditBlock();
    code->endUpdate();
    // The caret goes back to its line, by the same character of the text even when the line was re-indented.
    const int colNumber = columnAfterReindent(caretLineBefore, code->line(lineNumber), columnBefore);

    if (variant.caretToStartBeforeCheck)
        code->setSelectionStart(0);
    if (!variant.checkAfterCaret && options.balanceCheck)
        Q_EMIT warningsReady(result.report.warnings);
    moveCaretTo(code, lineNumber, colNumber);
    Q_EMIT tagCountChanged(result.tagCount);
    if (variant.checkAfterCaret && options.balanceCheck) {
        // The check's highlighting runs after the caret was put back and leaves it after its last occurrence.
        Q_EMIT warningsReady(result.report.warnings);
        if (result.highlightCaret.line >= 0)
            moveCaretTo(code, result.highlightCaret.line, result.highlightCaret.column);
    }
    if (variant.freshHistory || (!ownStep && !joinable)) {
        // The welcome page starts a fresh history, and a refresh with no step before it to join is no step of
        // its own.
        history->restart();
    } else {
        if (wholeText)
            history->endWholeTextStep(stepsBefore, caretBefore);
        if (ownStep)
            history->setStepEndCaret(code->selectionStart());
        else
            history->attachLastStep(stepsBefore);
    }
    if (variant.render)
        Q_EMIT renderRequested(code->text());
}

RefreshResult RefreshCycle::paintDocument(const RefreshOptions &options)
{
    CodePane *code = m_code;
    QTextDocument *doc = code->document();
    const QStringList lines = code->lines();
    const RefreshResult result = runRefresh(lines, options, lines.size() < doc->blockCount());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    writeChangedLines(doc, lines, result.lines);
    for (int i = int(lines.size()); i < result.lines.size(); ++i)
        code->setLine(i, result.lines[i]);
    applyLooks(code, result.looks);
    QApplication::restoreOverrideCursor();
    return result;
}
