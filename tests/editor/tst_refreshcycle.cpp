// The refresh cycle on real widgets: the fast cycle against the literal walk, the caret, the switch, undo and
// change notifications.
#include "core/editingsession.h"
#include "documentgenerator.h"
#include "editor/codepane.h"
#include "editor/core/charlook.h"
#include "editor/documentlooks.h"
#include "editor/refreshcycle.h"
#include "editor/stephistory.h"
#include "editor/warninglines.h"
#include "literalcycle.h"
#include "literalmodel.h"
#include "widgettestmain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTextCharFormat>
#include <QtTest>

namespace {

// The text colour of every character of the pane, in order.
QList<QColor> looksOf(const CodePane *pane)
{
    QList<QColor> looks;
    for (int i = 0; i + 1 < pane->document()->characterCount(); ++i)
        looks.append(pane->formatAt(i).foreground().color());
    return looks;
}

// The controls the cycle works on, standing alone.
struct Bench
{
    QWidget window;
    CodePane *code = new CodePane(&window);
    CodePane *messages = new CodePane(&window);
    QWidget *splitter = new QWidget(&window);
    QProgressBar *progress = new QProgressBar(&window);
    QCheckBox *graphicalSwitch = new QCheckBox(&window);
    EditingSession session;
    int tagCount = -1;
    QStringList rendered;
    RefreshCycle *cycle;

    Bench()
    {
        graphicalSwitch->setChecked(true);
        cycle = new RefreshCycle(code, &session, &window);
        // The switch and the panes stand in for the main window's, wired as it wires them.
        QObject::connect(graphicalSwitch, &QCheckBox::toggled, cycle, &RefreshCycle::setPaintTags);
        QObject::connect(cycle, &RefreshCycle::warningsCleared, messages, &CodePane::clearLines);
        QObject::connect(cycle, &RefreshCycle::warningsReady, messages,
                         [this](const QList<BalanceWarning> &w) {
                             writeWarningLines(messages, w);
                             messages->setVisible(!w.isEmpty());
                             splitter->setVisible(!w.isEmpty());
                         });
        QObject::connect(cycle, &RefreshCycle::progressStarted, progress, [this](int maximum) {
            progress->setValue(0);
            progress->setMaximum(maximum);
        });
        QObject::connect(cycle, &RefreshCycle::progressReached, progress, &QProgressBar::setValue);
        QObject::connect(cycle, &RefreshCycle::tagCountChanged, cycle, [this](int n) { tagCount = n; });
        QObject::connect(cycle, &RefreshCycle::renderRequested, cycle,
                         [this](const QString &text) { rendered << text; });
        window.resize(600, 400);
        code->resize(600, 300);
        window.show();
    }
};

QString looks(const CodePane *pane)
{
    // One letter per character: b = base, t = tag colour bold, w = warning colour bold, ? = anything else;
    // line breaks stay line breaks.
    QString out;
    const int length = pane->document()->characterCount() - 1;
    const QString text = pane->document()->toRawText();
    for (int i = 0; i < length; ++i) {
        if (text.at(i) == QChar::ParagraphSeparator) {
            out += QLatin1Char('\n');
            continue;
        }
        const QTextCharFormat f = pane->formatAt(i);
        const QColor c = f.foreground().color();
        const bool bold = f.fontWeight() == QFont::Bold;
        if (c == QColor(0, 0, 0) && !bold)
            out += QLatin1Char('b');
        else if (c == QColor(64, 0, 128) && bold)
            out += QLatin1Char('t');
        else if (c == QColor(215, 0, 0) && bold)
            out += QLatin1Char('w');
        else
            out += QLatin1Char('?');
    }
    return out;
}

} // namespace

class RefreshCycleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fastCycleMatchesTheLiteralWalk_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("ticked");
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u%s", seed, seed % 2 ? "" : " unticked") << seed << bool(seed % 2);
    }

    void fastCycleMatchesTheLiteralWalk()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, ticked);
        DocumentGenerator generator(seed);
        DocumentGenerator::Settings settings;
        settings.lineCount = 18;
        const QString text = generator.generate(settings).join(QLatin1Char('\n'));

        Bench fast;
        fast.graphicalSwitch->setChecked(ticked);
        fast.code->setDocumentText(text);
        fast.code->setSelectionStart(int(text.size() / 2));
        fast.cycle->refreshWithoutInsertion();

        Bench literal;
        literal.code->setDocumentText(text);
        literal.code->setSelectionStart(int(text.size() / 2));
        RefreshOptions options;
        options.paintTags = ticked;
        const RefreshResult expected = runLiteralCycle(literal.code, options);

        QCOMPARE(fast.code->text().toLower(), literal.code->text().toLower());
        QCOMPARE(fast.code->text(),
                 runLiteralRefresh(text.split(QLatin1Char('\n')), options).lines.join(QLatin1String("\r\n")));
        QCOMPARE(looks(fast.code), looks(literal.code));
        QCOMPARE(fast.tagCount, expected.tagCount);
        QCOMPARE(fast.code->selectionStart(), literal.code->selectionStart());
        QStringList warnings;
        for (const BalanceWarning &w : expected.report.warnings)
            warnings << w.text;
        QStringList shown;
        for (int i = 0; i < fast.messages->lineCount(); ++i)
            shown << fast.messages->line(i);
        QCOMPARE(shown, warnings);
    }

    void looksAfterEditsEqualThoseOfAFreshRefresh()
    {
        // Edits between refreshes leave looks behind (typed text takes the look at the caret); the next
        // refresh leaves the same looks as a refresh of the same text loaded afresh.
        Bench edited;
        edited.code->setDocumentText(QStringLiteral("<P>one <B>two</B>\n>a<I>\n<I>x</I> plain"));
        edited.cycle->refreshWithoutInsertion();
        edited.code->setSelectionStart(7);
        edited.code->setSelectionLength(3);
        edited.code->setSelectedText(QStringLiteral("b"));
        edited.code->setSelectionStart(edited.code->lineIndex(2) + 10);
        edited.code->setSelectedText(QStringLiteral("<U>"));
        edited.cycle->refreshWithoutInsertion();
        edited.cycle->refreshWithoutInsertion();

        Bench fresh;
        fresh.code->setDocumentText(edited.code->text());
        fresh.cycle->refreshWithoutInsertion();
        QCOMPARE(edited.code->text(), fresh.code->text());
        QCOMPARE(looks(edited.code), looks(fresh.code));
    }

    void looksAreSetOnlyWhereTheyDiffer()
    {
        // Each stretch given a look is a change of the document, which a long document pays for line by line:
        // text loaded in the base look needs only its painted runs set, looks already there are not set
        // again, and a line whose runs changed gets only the stretches that differ.
        Bench b;
        b.code->setDocumentText(QStringLiteral("<p>\n   one <b>two</b>\n</p>"));
        QVector<QVector<LookRun>> painted = {{{0, 3, TagColour, true}},
                                             {{7, 3, TagColour, true}, {13, 4, TagColour, true}},
                                             {{0, 4, TagColour, true}}};
        QCOMPARE(applyLooks(b.code, painted), 4);
        QCOMPARE(looks(b.code), QStringLiteral("ttt\nbbbbbbbtttbbbtttt\ntttt"));
        QCOMPARE(applyLooks(b.code, painted), 0);
        painted[1].removeLast();
        QCOMPARE(applyLooks(b.code, painted), 1);
        QCOMPARE(looks(b.code), QStringLiteral("ttt\nbbbbbbbtttbbbbbbb\ntttt"));
        // Lines past the runs given return to the base look.
        QCOMPARE(applyLooks(b.code, {}), 3);
        QCOMPARE(looks(b.code), QStringLiteral("bbb\nbbbbbbbbbbbbbbbbb\nbbbb"));
    }

    // The preview is handed the text the refresh left in the pane, character for character, whatever the
    // text's end and the variant.
    void previewIsHandedThePanesText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("variant"); // 0 the cycle without insertion, 1 an insertion, 2 the simple page
        const QString separator(QChar::ParagraphSeparator);
        const struct
        {
            const char *name;
            QString text;
        } texts[] = {
            {"empty", QString()},
            {"only a line break", QStringLiteral("\n")},
            {"a line break at the end", QStringLiteral("<P>\none\n")},
            {"no line break at the end", QStringLiteral("<P>\none")},
            {"empty lines and blanks", QStringLiteral("\n\n<B>\n  x \n\n")},
            {"a pupil's paragraph separator, a no-break space",
             QStringLiteral("<P>a") + separator + QStringLiteral("b") + QChar::Nbsp + QStringLiteral("\nc")},
        };
        for (const auto &t : texts) {
            for (int variant = 0; variant < 3; ++variant)
                QTest::addRow("%s, variant %d", t.name, variant) << t.text << variant;
        }
    }

    void previewIsHandedThePanesText()
    {
        QFETCH(QString, text);
        QFETCH(int, variant);
        Bench b;
        if (variant == 2) {
            // A template's lines; one ending with a tag before the final line break has it filled.
            b.cycle->templateRefresh(text.split(QLatin1Char('\n')), true);
        } else {
            b.code->setDocumentText(text);
            b.code->setSelectionStart(int(text.size()));
            if (variant == 0)
                b.cycle->refreshWithoutInsertion();
            else
                b.cycle->insertAndRefresh(QStringLiteral("<I>\n"));
        }
        QVERIFY(!b.rendered.isEmpty());
        QCOMPARE(b.rendered.last(), b.code->text());
    }

    void insertionKeepsTheCaretAfterTheInsertedTag()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<HTML>\n<BODY>\n<B>abcdef</B>\n</BODY>\n</HTML>"));
        b.code->setSelectionStart(b.code->lineIndex(2) + 6);
        b.cycle->insertAndRefresh(QStringLiteral("<P>"));
        QCOMPARE(b.code->line(2), QStringLiteral("<B>abc<P>def</B>"));
        QCOMPARE(caretLine(b.code), 2);
        QCOMPARE(caretColumn(b.code), 9);
        QCOMPARE(b.tagCount, 7);
        QCOMPARE(b.rendered.last(), b.code->text());
        QVERIFY(!b.messages->isHidden());
        QCOMPARE(b.messages->line(0),
                 QStringLiteral("# Προειδοποίηση: Η ετικέτα <P> έχει εισαχθεί περισσότερο κατά 1 φορές"));
    }

    // The caret's line may be re-indented by the refresh: the caret stays by the same character of its text.
    void caretKeepsItsPlaceInARe_indentedLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("lineAfter");
        QTest::addColumn<int>("columnAfter");
        QTest::newRow("typed, caret at its end") << "Hello" << 5 << QString() << "   Hello" << 8;
        QTest::newRow("caret inside the text") << "Hello" << 2 << QString() << "   Hello" << 5;
        QTest::newRow("caret at the line's start") << "Hello" << 0 << QString() << "   Hello" << 3;
        QTest::newRow("deeper indentation shrinks") << "      Hello" << 8 << QString() << "   Hello" << 5;
        QTest::newRow("caret inside the old indentation")
            << "      Hello" << 4 << QString() << "   Hello" << 3;
        QTest::newRow("tag inserted after the text") << "Hello" << 5 << "<B>"
                                                     << "   Hello<B>" << 11;
    }

    void caretKeepsItsPlaceInARe_indentedLine()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(QString, inserted);
        QFETCH(QString, lineAfter);
        QFETCH(int, columnAfter);
        for (const bool literalWalk : {false, true}) {
            if (literalWalk && !inserted.isEmpty())
                continue; // the literal walk inserts nothing
            Bench b;
            b.code->setDocumentText(QStringLiteral("<BODY>\n") + line + QStringLiteral("\n</BODY>"));
            b.code->setSelectionStart(b.code->lineIndex(1) + column);
            if (literalWalk)
                runLiteralCycle(b.code, RefreshOptions());
            else if (inserted.isEmpty())
                b.cycle->refreshWithoutInsertion();
            else
                b.cycle->insertAndRefresh(inserted);
            QCOMPARE(b.code->line(1), lineAfter);
            QCOMPARE(caretLine(b.code), 1);
            QCOMPARE(caretColumn(b.code), columnAfter);
        }
    }

    void oneUndoStepAndOneNotificationPerCommand()
    {
        Bench b;
        const QString before = QStringLiteral("<HTML>\nhello <b>x</B>\n</HTML>");
        b.code->setDocumentText(before);
        b.code->history()->restart();
        b.code->setSelectionStart(0);
        QSignalSpy changes(b.code, &CodePane::textChanged);
        b.cycle->insertAndRefresh(QStringLiteral("<P>"));
        QCOMPARE(b.code->line(1), QStringLiteral("   hello <b>x</B>"));
        QCOMPARE(changes.count(), 1);
        b.code->history()->undoStep();
        QCOMPARE(b.code->text(), QString(before).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
    }

    void startupTextIsNoUndoStep()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<B>earlier</B>"));
        b.cycle->startupPass({QStringLiteral("<HTML>"), QStringLiteral("</HTML>")});
        const QString loaded = b.code->text();
        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), loaded);
        QVERIFY(!b.code->document()->isUndoAvailable());
    }

    void wholeTextReplacementIsOneUndoStep_data()
    {
        QTest::addColumn<int>("variant");
        QTest::newRow("simple page template") << 1;
        QTest::newRow("assignment template") << 2;
        QTest::newRow("opened document") << 3;
        QTest::newRow("text replaced as a whole") << 4;
    }

    void wholeTextReplacementIsOneUndoStep()
    {
        QFETCH(int, variant);
        Bench b;
        b.cycle->startupPass({QStringLiteral("<B>earlier</B>"), QStringLiteral("<I>second</I> line")});
        b.code->setSelectionStart(17);
        const QString earlier = b.code->text();
        const QList<QColor> earlierLooks = looksOf(b.code);
        const QStringList lines{QStringLiteral("<HTML>"), QStringLiteral("<BODY>"), QStringLiteral("text"),
                                QStringLiteral("</BODY>"), QStringLiteral("</HTML>")};
        if (variant < 3) {
            b.cycle->templateRefresh(lines, variant == 1);
        } else {
            b.code->setDocumentText(lines.join(QLatin1Char('\n')));
            if (variant == 3)
                b.cycle->openedDocumentRefresh();
        }
        const QString loaded = b.code->text();
        QVERIFY(loaded.startsWith(QLatin1String("<HTML>")));

        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), earlier);
        QCOMPARE(looksOf(b.code), earlierLooks);
        QCOMPARE(b.code->selectionStart(), 17);
        QVERIFY(!b.code->document()->isUndoAvailable());

        QTest::keyClick(b.code, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(b.code->text(), loaded);
    }

    void manyWholeTextsKeepTheHistoryBounded()
    {
        Bench b;
        b.cycle->startupPass({QStringLiteral("<P>pupil</P>")});
        for (int page = 0; page < 3 * StepHistory::maximumWholeTextSteps; ++page)
            b.code->setDocumentText(QStringLiteral("page %1").arg(page));
        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), QStringLiteral("page %1").arg(3 * StepHistory::maximumWholeTextSteps - 2));
        int undone = 1;
        while (b.code->document()->isUndoAvailable()) {
            QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(++undone <= StepHistory::maximumWholeTextSteps);
        }
    }

    void undoAndRedoLeaveTheCaretAtTheChange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("nothing re-indented")
            << QStringLiteral("<HTML>\n<BODY>\n<B>abcdef</B>\n</BODY>") << 2 << 6;
        QTest::newRow("lines above and below re-indented")
            << QStringLiteral("<HTML>\ntop\n<B>abcdef</B>\nbelow\n</HTML>") << 2 << 6;
        QTest::newRow("end of the text") << QStringLiteral("<P>\nabc") << 1 << 3;
    }

    void undoAndRedoLeaveTheCaretAtTheChange()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        Bench b;
        b.code->setDocumentText(text);
        b.cycle->openedDocumentRefresh();
        const QString before = b.code->text();
        b.code->setSelectionStart(b.code->lineIndex(line) + column);
        const int insertedAt = b.code->selectionStart();
        b.cycle->insertAndRefresh(QStringLiteral("<I>"));
        const QString after = b.code->text();
        const int caretAfter = b.code->selectionStart();

        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), before);
        QCOMPARE(b.code->selectionStart(), insertedAt);
        QTest::keyClick(b.code, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(b.code->text(), after);
        QCOMPARE(b.code->selectionStart(), caretAfter);
    }

    void recolouringIsNoUndoStepOfItsOwn_data()
    {
        QTest::addColumn<bool>("switchVariant");
        QTest::newRow("double-click") << false;
        QTest::newRow("graphical switch") << true;
    }

    void recolouringIsNoUndoStepOfItsOwn()
    {
        QFETCH(bool, switchVariant);
        Bench b;
        b.cycle->startupPass(
            {QStringLiteral("<HTML>"), QStringLiteral("<P>one</P>"), QStringLiteral("</HTML>")});
        const auto refresh = [&] {
            if (switchVariant)
                b.cycle->switchRefresh();
            else
                b.cycle->refreshWithoutInsertion();
        };
        // With nothing to take back, a refresh leaves nothing to take back.
        refresh();
        QVERIFY(!b.code->document()->isUndoAvailable());

        // After typing, one Ctrl+Z takes back the typing together with the refresh that followed it.
        const QString loaded = b.code->text();
        b.code->setSelectionStart(b.code->lineIndex(1) + 6);
        QTest::keyClicks(b.code, QStringLiteral("xy"));
        const QString typed = b.code->text();
        refresh();
        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), loaded);
        QCOMPARE(b.code->selectionStart(), b.code->lineIndex(1) + 6);
        QTest::keyClick(b.code, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(b.code->text(), typed);

        // After a tag, one Ctrl+Z takes back the tag and the refreshes after it.
        b.code->setSelectionStart(0);
        b.cycle->insertAndRefresh(QStringLiteral("<B>"));
        refresh();
        refresh();
        QTest::keyClick(b.code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.code->text(), typed);
    }

    void untickedSwitchLeavesOnlyUnbalancedTagsRed()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<P>one</P>\n<I>two"));
        b.graphicalSwitch->setChecked(false);
        b.cycle->switchRefresh();
        QCOMPARE(looks(b.code), QStringLiteral("bbbbbbbbbb\nwwwbbb"));
        QVERIFY(b.rendered.isEmpty());
    }

    void templatesLoadInEveryMode_data()
    {
        QTest::addColumn<bool>("simplePage");
        QTest::addColumn<QString>("textLine");
        QTest::addColumn<int>("warnings");
        QTest::newRow("simple page: template re-indentation, no check")
            << true << QStringLiteral("   text") << 0;
        QTest::newRow("assignment: no re-indentation, checked") << false << QStringLiteral("  text") << 3;
    }

    void templatesLoadInEveryMode()
    {
        QFETCH(bool, simplePage);
        QFETCH(QString, textLine);
        QFETCH(int, warnings);
        Bench b;
        b.session.setMode(DocumentMode::Browsing);
        b.cycle->templateRefresh({QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"),
                                  QStringLiteral("  text"), QStringLiteral("<P>")},
                                 simplePage);
        QCOMPARE(b.code->line(1), QStringLiteral("<HEAD>"));
        QCOMPARE(b.code->line(2), textLine);
        QCOMPARE(b.code->selectionStart(), 0);
        QCOMPARE(b.messages->lineCount(), warnings);
        QCOMPARE(b.rendered.size(), 1);
    }

    void pasteIsOneUndoStepWithItsRefresh()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<HTML>\n</HTML>"));
        b.code->history()->restart();
        QApplication::clipboard()->setText(QStringLiteral("\nplain"));
        b.code->setSelectionStart(6);
        b.cycle->pasteAndRefresh();
        QCOMPARE(b.code->line(1), QStringLiteral("   plain"));
        QCOMPARE(b.rendered.size(), 1);
        b.code->history()->undoStep();
        QCOMPARE(b.code->text(), QStringLiteral("<HTML>\r\n</HTML>"));
    }

    void declarationIsRefusedOutsideEditingModeBeforeAnythingElse()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<P>"));
        b.messages->addLine(QStringLiteral("old warning"));
        b.session.setMode(DocumentMode::Browsing);
        b.cycle->declarationRefresh(QStringLiteral("<meta charset=\"utf-8\">"));
        QCOMPARE(b.code->text(), QStringLiteral("<P>"));
        QCOMPARE(b.messages->lineCount(), 1);
    }

    void browsingModeOnlyClearsTheMessagePane()
    {
        Bench b;
        b.code->setDocumentText(QStringLiteral("<P>"));
        b.messages->addLine(QStringLiteral("old warning"));
        b.session.setMode(DocumentMode::Browsing);
        b.cycle->insertAndRefresh(QStringLiteral("<B>"));
        QCOMPARE(b.code->text(), QStringLiteral("<P>"));
        QCOMPARE(b.messages->lineCount(), 0);
        QVERIFY(b.rendered.isEmpty());
    }
};

VELMARK_WIDGET_TEST_MAIN(RefreshCycleTest)
#include "tst_refreshcycle.moc"
