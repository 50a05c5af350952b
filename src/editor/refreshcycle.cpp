#include "editor/refreshcycle.h"

#include "editor/charlook.h"
#include "editor/codepane.h"
#include "editor/documentlooks.h"

#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
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
    v.insert = true;
    run(v, met);
}

void RefreshCycle::refreshWithoutInsertion()
{
    run(Variant(), QString());
}

void RefreshCycle::pasteAndRefresh()
{
    m_c.code->paste();
    if (m_c.renderStream)
        m_c.renderStream(m_c.code->Text());
    Variant v;
    v.checkBeforeClear = true;
    run(v, QString());
}

void RefreshCycle::switchRefresh()
{
    Variant v;
    v.checkMode = false;
    v.render = false;
    v.checkAfterCaret = true;
    v.engine.skipEmptyPairTags = false;
    run(v, QString());
}

void RefreshCycle::run(const Variant &variant, const QString &met)
{
    const bool editing = !m_c.editingMode || m_c.editingMode();
    if (variant.checkBeforeClear && variant.checkMode && !editing)
        return;
    m_c.messages->clearLines();
    if (variant.checkMode && !editing)
        return;

    CodePane *code = m_c.code;
    code->beginUpdate();
    QTextCursor edit(code->document());
    edit.beginEditBlock();
    const int linesBefore = code->lineCount();
    if (variant.progress && m_c.progress) {
        m_c.progress->setValue(0);
        m_c.progress->setMaximum(qMax(0, linesBefore - 1));
    }
    if (variant.insert)
        code->setSelText(met);
    const int lineNumber = RichRow(code);
    const int colNumber = RichCol(code);

    RefreshOptions options = variant.engine;
    options.paintTags = switchTicked();
    const RefreshResult result = paintDocument(options);
    if (variant.progress && m_c.progress)
        m_c.progress->setValue(qMin(m_c.progress->maximum(), int(result.lines.size())));
    edit.endEditBlock();
    code->endUpdate();

    if (!variant.checkAfterCaret)
        showWarnings(result.report);
    GoXYRichEdit(code, lineNumber, colNumber);
    if (m_c.showTagCount)
        m_c.showTagCount(result.tagCount);
    if (variant.checkAfterCaret) {
        // The check's highlighting runs after the caret was put back and leaves it after its last occurrence.
        showWarnings(result.report);
        if (result.highlightCaret.line >= 0)
            GoXYRichEdit(code, result.highlightCaret.line, result.highlightCaret.column);
    }
    if (variant.render && m_c.render)
        m_c.render(code->Text());
}

void RefreshCycle::startupPass(const QStringList &lines)
{
    CodePane *code = m_c.code;
    code->beginUpdate();
    QTextCursor edit(code->document());
    edit.beginEditBlock();
    code->clearLines();
    for (const QString &line : lines)
        code->addLine(line);
    code->setSelStart(0);
    RefreshOptions options;
    options.reindent = Reindent::None;
    options.paintTags = true;
    options.skipEmptyPairTags = false;
    options.collect = false;
    options.balanceCheck = false;
    const RefreshResult result = paintDocument(options);
    edit.endEditBlock();
    code->endUpdate();
    GoXYRichEdit(code, 0, 0);
    if (m_c.showTagCount)
        m_c.showTagCount(result.tagCount);
}

RefreshResult RefreshCycle::paintDocument(const RefreshOptions &options)
{
    CodePane *code = m_c.code;
    QStringList lines;
    const int count = code->lineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(code->line(i));
    const bool endsWithBreak = count < code->document()->blockCount();
    RefreshResult result = runRefresh(lines, options, endsWithBreak);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int i = 0; i < result.lines.size(); ++i)
        code->setLine(i, result.lines[i]);
    applyLooks(code, result.looks);
    QApplication::restoreOverrideCursor();
    return result;
}

void RefreshCycle::showWarnings(const BalanceReport &report)
{
    CodePane *pane = m_c.messages;
    pane->hide();
    if (m_c.messageSplitter)
        m_c.messageSplitter->hide();
    pane->clearLines();
    for (const BalanceWarning &w : report.warnings) {
        pane->show();
        if (m_c.messageSplitter)
            m_c.messageSplitter->show();
        pane->setSelColor(w.colour);
        pane->setSelStyle(true);
        pane->addLine(w.text);
    }
}
