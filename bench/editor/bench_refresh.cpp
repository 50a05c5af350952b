// Refresh cycle speed: the fast cycle on generated documents of 100, 1,000 and 10,000 lines against the floor
// of only loading the same text into the code pane, and the literal, step-by-step walk at 100 and 300 lines.
#include "app/core/memoryreuse.h"
#include "core/editingsession.h"
#include "documentgenerator.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "editor/warninglines.h"
#include "literalcycle.h"
#include "testenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <cstdio>

namespace {

QString document(int lines)
{
    return DocumentGenerator::ordinaryDocument(lines, 7);
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    keepFreedMemoryForReuse(); // as the program does
    QApplication app(argc, argv);
    QWidget window;
    auto *code = new CodePane(&window);
    auto *messages = new CodePane(&window);
    auto *memo = new QPlainTextEdit(&window);
    memo->hide(); // the program keeps its mirror hidden
    auto *mirror = new DocumentMirror(code, memo, &window);
    auto *progress = new QProgressBar(&window);
    code->resize(900, 600);
    window.resize(900, 700);
    window.show();
    // The program lets the mirror follow every change of the code pane; the benchmark does too.
    QObject::connect(code, &CodePane::textChanged, mirror, [mirror] { mirror->follow(true); });
    // The cycle reports to the message pane and the progress bar as the main window wires them.
    const EditingSession session; // editing mode
    RefreshCycle cycle(code, &session);
    QObject::connect(&cycle, &RefreshCycle::warningsReady, messages,
                     [messages](const QList<BalanceWarning> &w) { writeWarningLines(messages, w); });
    QObject::connect(&cycle, &RefreshCycle::progressStarted, progress, &QProgressBar::setMaximum);
    QObject::connect(&cycle, &RefreshCycle::progressReached, progress, &QProgressBar::setValue);

    std::printf("%-8s %14s %14s %8s\n", "lines", "load (ms)", "refresh (ms)", "ratio");
    for (int lines : {100, 1000, 10000}) {
        const QString text = document(lines);
        const double load = millisecondsOf([&] { code->setDocumentText(text); });
        code->setSelectionStart(0);
        const double refresh = millisecondsOf([&] { cycle.refreshWithoutInsertion(); });
        std::printf("%-8d %14.1f %14.1f %8.2f\n", lines, load, refresh, refresh / load);
    }
    // Documents that are hard on a refresh, against an ordinary document of the same size: the ratio of the
    // refresh times should stay within 3.
    const auto refreshOf = [&](const QString &text) {
        code->setDocumentText(text);
        code->setSelectionStart(0);
        return millisecondsOf([&] { cycle.refreshWithoutInsertion(); });
    };
    const struct
    {
        const char *name;
        QString text;
    } hard[] = {
        {"one-line script, 1,000 <", DocumentGenerator::oneLineScript(1000)},
        {"one-line script, 2,000 <", DocumentGenerator::oneLineScript(2000)},
        {"loop script, 1,000 loops", DocumentGenerator::oneLineLoopScript(1000)},
        {"loop script, 2,000 loops", DocumentGenerator::oneLineLoopScript(2000)},
        {"minified library, 80 KB", DocumentGenerator::minifiedLibrary(80 * 1024)},
        {"400,000 < without >", DocumentGenerator::lessThansOnly(400000)},
        {"5,000 < then one >", DocumentGenerator::lessThansThenOneGreaterThan(5000)},
        {"12,500 distinct tag names", DocumentGenerator::distinctTagNames(12500)},
        {"one 2 MB line", DocumentGenerator::oneLongLine(2 * 1024 * 1024)},
    };
    std::printf("\n%-28s %10s %14s %14s %8s\n", "document", "size", "refresh (ms)", "ordinary (ms)", "ratio");
    // VELMARK_BENCH_ONLY=<part of a name> measures only the documents so named (to profile one).
    const QByteArray only = qgetenv("VELMARK_BENCH_ONLY");
    for (const auto &document : hard) {
        if (!only.isEmpty() && !QByteArray(document.name).contains(only))
            continue;
        const double refresh = refreshOf(document.text);
        const double ordinary = refreshOf(DocumentGenerator::ordinaryOfSize(int(document.text.size())));
        std::printf("%-28s %10lld %14.1f %14.1f %8.2f\n", document.name, qlonglong(document.text.size()),
                    refresh, ordinary, refresh / ordinary);
        std::fflush(stdout);
    }

    std::printf("\n%-8s %14s %14s %8s\n", "lines", "fast (ms)", "literal (ms)", "speed-up");
    for (int lines : {100, 300}) {
        const QString text = document(lines);
        code->setDocumentText(text);
        code->setSelectionStart(0);
        const double fast = millisecondsOf([&] { cycle.refreshWithoutInsertion(); });
        code->setDocumentText(text);
        code->setSelectionStart(0);
        const double literal = millisecondsOf([&] { runLiteralCycle(code, RefreshOptions()); });
        std::printf("%-8d %14.1f %14.1f %8.0f\n", lines, fast, literal, literal / fast);
    }
    return 0;
}
