// Typing assistant speed: Enter on documents of 1,000 and 10,000 lines against a tag button click on the same
// document (both refresh the whole document), and the cost of an ordinary typed letter with and without the
// assistant listening.
#include "assist/typingassistant.h"
#include "core/editingsession.h"
#include "documentgenerator.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "testenvironment.h"
#include "widgets/docklayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTest>
#include <cstdio>

namespace {

QString document(int lines)
{
    return DocumentGenerator::ordinaryDocument(lines, 11);
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The caret in the middle of the document, at the end of its line.
void caretToMiddle(CodePane *code)
{
    const int line = code->lineCount() / 2;
    code->setSelectionStart(code->lineIndex(line) + int(code->line(line).size()));
}

} // namespace

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    QApplication app(argc, argv);
    QWidget window;
    const EditingSession session; // editing mode
    auto *editorArea = new QWidget(&window);
    dockInto(&window, editorArea, DockAlign::Fill);
    auto *code = new CodePane(editorArea);
    auto *messages = new CodePane(editorArea);
    auto *progress = new QProgressBar(&window);
    AttributeBar bar(editorArea, &session);
    dockInto(editorArea, messages, DockAlign::Bottom);
    dockInto(editorArea, code, DockAlign::Fill);
    window.resize(900, 700);
    window.show();

    RefreshCycle cycle(code, &session);
    // The main window writes the cycle's warnings into the message pane; the benchmark does too.
    QObject::connect(&cycle, &RefreshCycle::warningsCleared, messages, &CodePane::clearLines);
    QObject::connect(&cycle, &RefreshCycle::warningsReady, messages,
                     [messages](const QList<BalanceWarning> &w) {
                         for (const BalanceWarning &warning : w)
                             messages->addLine(warning.text);
                     });
    TypingAssistant assistant(code, &bar, &cycle, &session);
    // As in the main window: the assistant's reports reach the message pane and the progress bar.
    QObject::connect(&assistant, &TypingAssistant::messagesCleared, messages, [messages] {
        if (!messages->document()->isEmpty())
            messages->clearLines();
    });
    QObject::connect(&assistant, &TypingAssistant::progressStarted, progress, [progress](int maximum) {
        progress->setRange(0, qMax(1, maximum));
        progress->setValue(0);
    });
    QObject::connect(code, &CodePane::keyPressed, &assistant, &TypingAssistant::keyTyped);

    std::printf("%-8s %16s %16s %8s\n", "lines", "tag click (ms)", "Enter (ms)", "ratio");
    for (int lines : {1000, 10000}) {
        const QString text = document(lines);
        code->setDocumentText(text);
        caretToMiddle(code);
        const double click = millisecondsOf([&] {
            bar.resetBar();
            cycle.insertAndRefresh(QStringLiteral("<TABLE>"));
            bar.fillForTag(QStringLiteral("<TABLE>"));
        });
        code->setDocumentText(text);
        caretToMiddle(code);
        const double enter = millisecondsOf([&] { QTest::keyClick(code, Qt::Key_Return); });
        std::printf("%-8d %16.1f %16.1f %8.2f\n", lines, click, enter, enter / click);
    }

    // Rounds alternate between listening and not, so that warming up favours neither.
    constexpr int letters = 100;
    constexpr int rounds = 5;
    QString text;
    // Each block types into a fresh copy of the document, so that neither types into a longer line.
    auto typeLetters = [code, &text] {
        code->setDocumentText(text);
        caretToMiddle(code);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < letters; ++i)
            QTest::keyClick(code, Qt::Key_A);
        return double(timer.nsecsElapsed()) / 1e6;
    };
    std::printf("\n%-8s %22s %22s\n", "lines", "letter, assistant (us)", "letter, without (us)");
    for (int lines : {100, 10000}) {
        text = document(lines);
        double with = 0;
        double without = 0;
        for (int round = 0; round < rounds; ++round) {
            QObject::disconnect(code, &CodePane::keyPressed, &assistant, &TypingAssistant::keyTyped);
            without += typeLetters();
            QObject::connect(code, &CodePane::keyPressed, &assistant, &TypingAssistant::keyTyped);
            with += typeLetters();
        }
        std::printf("%-8d %22.1f %22.1f\n", lines, with * 1000 / (letters * rounds),
                    without * 1000 / (letters * rounds));
    }
    return 0;
}
