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
// characters take the base look, which the blanks of a re-indentation keep; the looks of the tags are given
// afterwards anyway.
void writeChangedLines(QTextDocument *doc, const QStringList &before, const QStringList &after,
                       const QTextCharFormat &base)
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
        cursor.setPosition(position + int(shared.beginning));
        cursor.setPosition(position + int(was.size() - shared.end), QTextCursor::KeepAnchor);
        cursor.insertText(
            QStringView(now).mid(shared.beginning, now.size() - shared.beginning - shared.end).toString(),
            base);
    }
}

// The pane's text as `CodePane::text` gives it, put together from the lines a refresh left in the pane:
// reading it back would walk every piece of a document that the refresh has just cut into many.
QString textOfRefreshedLines(const RefreshResult &result)
{
    QString text = result.lines.join(QLatin1String("\r\n"));
    if (result.endsWithLineBreak && !result.lines.isEmpty())
        text += QLatin1String("\r\n");
    return text;
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
    const StepStart step = beginStep(variant);
    QTextCursor edit = m_code->textCursor();
    edit.beginEditBlock();
    if (!goesAhead(variant)) {
        edit.endEditBlock();
        return;
    }
    m_code->beginUpdate();
    const int progressMaximum = qMax(0, m_code->lineCount() - variant.progressLess);
    if (variant.progress)
        Q_EMIT progressStarted(progressMaximum);
    prepareText(variant, text, lines);
    const CaretPlace caret = caretPlace();

    RefreshOptions options = variant.engine;
    options.paintTags = variant.paintAlways || m_paintTags;
    const RefreshResult result = paintDocument(options);
    if (variant.progress)
        Q_EMIT progressReached(qMin(progressMaximum, int(result.lines.size())));
    edit.endEditBlock();
    m_code->endUpdate();

    putCaretBackAndReport(variant, options, caret, result);
    endStep(variant, step);
    if (variant.render)
        Q_EMIT renderRequested(textOfRefreshedLines(result));
}

RefreshCycle::StepStart RefreshCycle::beginStep(const Variant &variant)
{
    // A command of its own (an insertion, a paste) is one step of the pupil's history; it begins at the
    // caret, so undo puts the caret back where the command began. A refresh without one belongs to the step
    // before it: recolouring and re-indenting after the pupil typed is taken back with the typing.
    StepStart step;
    step.wholeText = variant.prepare == Prepare::LoadLines && !variant.freshHistory;
    step.ownStep = variant.prepare == Prepare::Insert || variant.prepare == Prepare::Paste || step.wholeText;
    StepHistory *history = m_code->history();
    if (step.wholeText)
        history->beginWholeTextStep();
    step.joinable = m_code->document()->isUndoAvailable();
    step.stepsBefore = history->position();
    step.caretBefore = m_code->selectionStart();
    return step;
}

bool RefreshCycle::goesAhead(const Variant &variant)
{
    if (variant.prepare == Prepare::Paste) {
        // Pasting and its rendering happen in every mode.
        m_code->pasteClipboard();
        Q_EMIT renderStreamRequested(m_code->text());
    }
    const bool editing = !m_session || m_session->isEditing();
    const bool stop = variant.checkMode && !editing;
    if (stop && variant.modeBeforeClear)
        return false;
    Q_EMIT warningsCleared();
    return !stop;
}

void RefreshCycle::prepareText(const Variant &variant, const QString &text, const QStringList &lines)
{
    if (variant.prepare == Prepare::Insert) {
        m_code->setSelectedText(text);
    } else if (variant.prepare == Prepare::LoadLines) {
        m_code->clearLines();
        for (const QString &line : lines)
            m_code->addLine(line);
        m_code->setSelectionStart(0);
    }
}

RefreshCycle::CaretPlace RefreshCycle::caretPlace() const
{
    CaretPlace caret;
    caret.line = caretLine(m_code);
    caret.column = caretColumn(m_code);
    caret.lineText = m_code->line(caret.line);
    return caret;
}

void RefreshCycle::putCaretBackAndReport(const Variant &variant, const RefreshOptions &options,
                                         const CaretPlace &caret, const RefreshResult &result)
{
    // The caret goes back to its line, by the same character of the text even when the line was re-indented.
    const int column = columnAfterReindent(caret.lineText, m_code->line(caret.line), caret.column);
    if (variant.caretToStartBeforeCheck)
        m_code->setSelectionStart(0);
    if (!variant.checkAfterCaret && options.balanceCheck)
        Q_EMIT warningsReady(result.report.warnings);
    moveCaretTo(m_code, caret.line, column);
    Q_EMIT tagCountChanged(result.tagCount);
    if (variant.checkAfterCaret && options.balanceCheck) {
        // The check's highlighting runs after the caret was put back and leaves it after its last occurrence.
        Q_EMIT warningsReady(result.report.warnings);
        if (result.highlightCaret.line >= 0)
            moveCaretTo(m_code, result.highlightCaret.line, result.highlightCaret.column);
    }
}

void RefreshCycle::endStep(const Variant &variant, const StepStart &step)
{
    StepHistory *history = m_code->history();
    if (variant.freshHistory || (!step.ownStep && !step.joinable)) {
        // The welcome page starts a fresh history, and a refresh with no step before it to join is no step of
        // its own.
        history->restart();
        return;
    }
    if (step.wholeText)
        history->endWholeTextStep(step.stepsBefore, step.caretBefore);
    if (step.ownStep)
        history->setStepEndCaret(m_code->selectionStart());
    else
        history->attachLastStep(step.stepsBefore);
}

RefreshResult RefreshCycle::paintDocument(const RefreshOptions &options)
{
    CodePane *code = m_code;
    QTextDocument *doc = code->document();
    const QStringList lines = code->lines();
    const RefreshResult result = runRefresh(lines, options, lines.size() < doc->blockCount());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    writeChangedLines(doc, lines, result.lines, baseLookOf(code));
    for (int i = int(lines.size()); i < result.lines.size(); ++i)
        code->setLine(i, result.lines[i]);
    applyLooks(code, result.looks);
    QApplication::restoreOverrideCursor();
    return result;
}
