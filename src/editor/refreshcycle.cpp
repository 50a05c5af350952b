#include "editor/refreshcycle.h"

#include "editor/codepane.h"
#include "editor/documentlooks.h"

#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

RefreshCycle::RefreshCycle(const RefreshControls &controls, QObject *parent) : QObject(parent), m_c(controls)
{
}

bool RefreshCycle::switchTicked() const
{
    return m_c.graphicalSwitch && m_c.graphicalSwitch->isChecked();
}

void RefreshCycle::kata(const QString &met)
{
    Variant v;
    v.prepare = Prepare::Insert;
    run(v, met);
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
    run(v, QString(), lines);
}

void RefreshCycle::openedDocumentRefresh()
{
    Variant v;
    v.caretToStartBeforeCheck = true;
    v.freshHistory = true;
    run(v);
}

void RefreshCycle::declarationRefresh(const QString &met)
{
    Variant v;
    v.modeBeforeClear = true;
    v.prepare = Prepare::Insert;
    v.caretToStartBeforeCheck = true;
    run(v, met);
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

void RefreshCycle::run(const Variant &variant, const QString &met, const QStringList &lines)
{
    CodePane *code = m_c.code;
    QTextDocument *doc = code->document();
    // A command of its own (an insertion, a paste) is one step of the pupil's history; it begins at the
    // caret, so undo puts the caret back where the command began. A refresh without one belongs to the step
    // before it: recolouring and re-indenting after the pupil typed is taken back with the typing.
    const bool ownStep = variant.prepare == Prepare::Insert || variant.prepare == Prepare::Paste;
    const bool joinable = doc->isUndoAvailable();
    const int stepsBefore = doc->availableUndoSteps();
    QTextCursor edit = code->textCursor();
    edit.beginEditBlock();
    if (variant.prepare == Prepare::Paste) {
        // Pasting and its rendering happen in every mode.
        code->paste();
        if (m_c.renderStream)
            m_c.renderStream(code->Text());
    }
    const bool editing = !m_c.editingMode || m_c.editingMode();
    const bool stop = variant.checkMode && !editing;
    if (stop && variant.modeBeforeClear) {
        edit.endEditBlock();
        return;
    }
    m_c.messages->clearLines();
    if (stop) {
        edit.endEditBlock();
        return;
    }

    code->beginUpdate();
    if (variant.progress && m_c.progress) {
        m_c.progress->setValue(0);
        m_c.progress->setMaximum(qMax(0, code->lineCount() - 1));
    }
    if (variant.prepare == Prepare::Insert) {
        code->setSelText(met);
    } else if (variant.prepare == Prepare::LoadLines) {
        code->clearLines();
        for (const QString &line : lines)
            code->addLine(line);
        code->setSelStart(0);
    }
    const int lineNumber = RichRow(code);
    const int colNumber = RichCol(code);

    RefreshOptions options = variant.engine;
    options.paintTags = variant.paintAlways || switchTicked();
    const RefreshResult result = paintDocument(options);
    if (variant.progress && m_c.progress)
        m_c.progress->setValue(qMin(m_c.progress->maximum(), int(result.lines.size())));
    edit.endEditBlock();
    code->endUpdate();

    if (variant.caretToStartBeforeCheck)
        code->setSelStart(0);
    if (!variant.checkAfterCaret && options.balanceCheck)
        showWarnings(result.report);
    GoXYRichEdit(code, lineNumber, colNumber);
    if (m_c.showTagCount)
        m_c.showTagCount(result.tagCount);
    if (variant.checkAfterCaret && options.balanceCheck) {
        // The check's highlighting runs after the caret was put back and leaves it after its last occurrence.
        showWarnings(result.report);
        if (result.highlightCaret.line >= 0)
            GoXYRichEdit(code, result.highlightCaret.line, result.highlightCaret.column);
    }
    if (variant.prepare == Prepare::LoadLines || variant.freshHistory || (!ownStep && !joinable)) {
        // Text the program loads starts a fresh history, and a refresh with no step before it to join is no
        // step of its own.
        doc->clearUndoRedoStacks();
    } else {
        if (ownStep)
            code->setStepEndCaret(code->SelStart());
        else
            code->attachLastStep(stepsBefore);
    }
    if (variant.render && m_c.render)
        m_c.render(code->Text());
}

RefreshResult RefreshCycle::paintDocument(const RefreshOptions &options)
{
    CodePane *code = m_c.code;
    QTextDocument *doc = code->document();
    const int count = code->lineCount();
    QStringList lines;
    lines.reserve(count);
    QTextBlock block = doc->begin();
    for (int i = 0; i < count; ++i, block = block.next())
        lines.append(block.text());
    const RefreshResult result = runRefresh(lines, options, count < doc->blockCount());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int i = 0; i < result.lines.size(); ++i)
        if (i >= lines.size() || result.lines[i] != lines[i])
            code->setLine(i, result.lines[i]);
    applyLooks(code, result.looks);
    QApplication::restoreOverrideCursor();
    return result;
}

void RefreshCycle::showWarnings(const BalanceReport &report)
{
    CodePane *pane = m_c.messages;
    pane->clearLines();
    const bool any = !report.warnings.isEmpty();
    pane->setVisible(any);
    if (m_c.messageSplitter)
        m_c.messageSplitter->setVisible(any);
    // One line per warning, each in its colour, bold; warnings of one colour follow each other and are
    // written at once, in one edit, so a long list costs one layout.
    QTextCursor c(pane->document());
    c.beginEditBlock();
    for (qsizetype first = 0; first < report.warnings.size();) {
        const quint32 colour = report.warnings.at(first).colour;
        QString lines;
        qsizetype next = first;
        for (; next < report.warnings.size() && report.warnings.at(next).colour == colour; ++next)
            lines += report.warnings.at(next).text + u'\n';
        c.insertText(lines, paintedLookFormat(colour));
        first = next;
    }
    c.endEditBlock();
}
