// The code pane's operations on a real widget: text with CR LF, lines, search, caret routines, looks.
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/stephistory.h"
#include "widgettestmain.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QtTest>

class CodePaneTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textAndLines_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QString() << QString() << 0;
        QTest::newRow("one line") << QStringLiteral("ab") << QStringLiteral("ab") << 1;
        QTest::newRow("CR LF") << QStringLiteral("ab\r\nc") << QStringLiteral("ab\r\nc") << 2;
        QTest::newRow("empty last line not counted")
            << QStringLiteral("ab\nc\n") << QStringLiteral("ab\r\nc\r\n") << 2;
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb") << 2;
        QTest::newRow("empty middle line") << QStringLiteral("a\n\nb") << QStringLiteral("a\r\n\r\nb") << 3;
        QTest::newRow("paragraph separator is held, not a line break")
            << QStringLiteral("a\u2029b\nc") << QStringLiteral("a\uFDEFb\r\nc") << 2;
    }

    void textAndLines()
    {
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(int, count);
        CodePane pane;
        pane.setDocumentText(input);
        QCOMPARE(pane.text(), text);
        QCOMPARE(pane.lineCount(), count);
        QString joined;
        for (int i = 0; i < count; ++i)
            joined += pane.line(i) + QStringLiteral("\r\n");
        QCOMPARE(pane.linesText(), joined);
        QCOMPARE(pane.characterCountWithoutBreaks(), int(QString(text).remove(QLatin1String("\r\n")).size()));
    }

    void longLinesWrapButStayOneLine()
    {
        CodePane pane;
        pane.resize(120, 200);
        pane.show();
        pane.setDocumentText(QString(400, QLatin1Char('x')) + QStringLiteral("\nend"));
        QCOMPARE(pane.lineCount(), 2);
        QCOMPARE(pane.lineFromChar(399), 0);
        QCOMPARE(pane.lineIndex(1), 401);
    }

    // A long line is laid out again on every key: text that needs no shaping is laid out without it, whatever
    // font the pane is given, while the pane still takes its other font properties from its parent.
    void textIsLaidOutUnshapedInAnyFont()
    {
        QWidget parent;
        auto *pane = new CodePane(&parent);
        const auto unshaped = [pane] {
            return (pane->font().styleStrategy() & QFont::PreferNoShaping) &&
                   (pane->document()->defaultFont().styleStrategy() & QFont::PreferNoShaping);
        };
        QVERIFY(unshaped());
        QFont parentFont = parent.font();
        parentFont.setPointSize(23);
        parent.setFont(parentFont);
        QCOMPARE(pane->font().pointSize(), 23);
        QVERIFY(unshaped());
        QFont own(QStringLiteral("DejaVu Sans"), 14);
        pane->setFont(own);
        QCOMPARE(pane->font().pointSize(), 14);
        QVERIFY(unshaped());
    }

    void invalidLinesReadEmptyAndWriteNothing()
    {
        CodePane pane;
        pane.setDocumentText(QStringLiteral("one\ntwo"));
        QCOMPARE(pane.line(-1), QString());
        QCOMPARE(pane.line(5), QString());
        pane.setLine(5, QStringLiteral("x"));
        pane.setLine(-1, QStringLiteral("x"));
        QCOMPARE(pane.text(), QStringLiteral("one\r\ntwo"));
        pane.setLine(0, QStringLiteral("uno"));
        QCOMPARE(pane.text(), QStringLiteral("uno\r\ntwo"));
        QCOMPARE(pane.lineIndex(7), -1);
    }

    void findTextIgnoresCaseAndDoesNotOverlap_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("found");
        QTest::newRow("first, other case") << QStringLiteral("<TD>") << 0 << 2;
        QTest::newRow("next after the first") << QStringLiteral("<td>") << 3 << 7;
        QTest::newRow("none left") << QStringLiteral("<td>") << 8 << -1;
        QTest::newRow("empty finds nothing") << QString() << 0 << -1;
        QTest::newRow("across a line break") << QStringLiteral("d>\r\nΑβ") << 0 << 9;
        QTest::newRow("Greek ignoring case") << QStringLiteral("αΒ") << 0 << 12;
    }

    void findTextIgnoresCaseAndDoesNotOverlap()
    {
        QFETCH(QString, needle);
        QFETCH(int, start);
        QFETCH(int, found);
        CodePane pane;
        pane.setDocumentText(QStringLiteral("x <td> <TD>\nΑβ"));
        QCOMPARE(pane.findText(needle, start, int(pane.text().size())), found);
    }

    void caretRoutines()
    {
        CodePane pane;
        pane.show();
        pane.setDocumentText(QStringLiteral("abc\nde\nfghij"));
        pane.setSelectionStart(5);
        QCOMPARE(caretLine(&pane), 1);
        QCOMPARE(caretColumn(&pane), 1);
        moveCaretTo(&pane, 2, 3);
        QCOMPARE(pane.selectionStart(), 10);
        QCOMPARE(pane.selectionLength(), 0);
        // A column past the end of its line lands on a later line.
        moveCaretTo(&pane, 0, 5);
        QCOMPARE(caretLine(&pane), 1);
        QCOMPARE(caretColumn(&pane), 1);
        pane.hide();
        moveCaretTo(&pane, 2, 0);
        QCOMPARE(pane.selectionStart(), 5);
    }

    void selectedTextTakesTheLookOfTheSelectionStart()
    {
        CodePane pane;
        pane.setDocumentText(QStringLiteral("abcdef"));
        pane.setSelectionStart(1);
        pane.setSelectionLength(2);
        pane.setSelColor(215);
        pane.setSelStyle(true);
        pane.setSelectionStart(1);
        pane.setSelectionLength(4);
        pane.setSelectedText(QStringLiteral("XYZ"));
        QCOMPARE(pane.text(), QStringLiteral("aXYZf"));
        QCOMPARE(pane.selectionStart(), 4);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(pane.formatAt(i).foreground().color(), QColor(215, 0, 0));
            QCOMPARE(pane.formatAt(i).fontWeight(), int(QFont::Bold));
        }
        QVERIFY(pane.formatAt(4).fontWeight() != QFont::Bold);
    }

    void addedLinesTakeTheTypingLookSetBeforeThem()
    {
        CodePane pane;
        pane.setSelColor(168);
        pane.addLine(QStringLiteral("red"));
        pane.setSelColor(0x800040);
        pane.addLine(QStringLiteral("violet"));
        QCOMPARE(pane.text(), QStringLiteral("red\r\nviolet\r\n"));
        QCOMPARE(pane.lineCount(), 2);
        QCOMPARE(pane.formatAt(0).foreground().color(), QColor(168, 0, 0));
        QCOMPARE(pane.formatAt(pane.lineIndex(1)).foreground().color(), QColor(64, 0, 128));
    }

    void mirrorFollowsEveryChange()
    {
        // The mirror is followed after every change, as the main window does; at each step it must read as
        // the pane's text in editing mode and be empty otherwise.
        CodePane pane;
        QPlainTextEdit memo;
        DocumentMirror mirror(&pane, &memo);
        bool editing = true;
        QObject::connect(&pane, &CodePane::textChanged, &mirror, [&] { mirror.follow(editing); });
        const auto check = [&] {
            const QString held = memo.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
            return held == (editing ? QString(pane.text()).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                    : QString());
        };

        pane.setDocumentText(QStringLiteral("<P>ab\nc\n"));
        QVERIFY(check());
        pane.setSelectionStart(3);
        QTest::keyClicks(&pane, QStringLiteral("xy"));
        QTest::keyClick(&pane, Qt::Key_Return);
        QTest::keyClick(&pane, Qt::Key_Backspace);
        QTest::keyClick(&pane, Qt::Key_Backspace);
        QVERIFY(check());
        pane.setSelectionStart(0);
        pane.setSelectionLength(int(pane.text().size()));
        pane.setSelectedText(QStringLiteral("all\nnew") + QChar::Nbsp + QStringLiteral("space"));
        QVERIFY(check());
        pane.history()->undoStep();
        QVERIFY(check());
        editing = false;
        QTest::keyClicks(&pane, QStringLiteral("z"));
        QVERIFY(check());
        editing = true;
        QTest::keyClicks(&pane, QStringLiteral("w"));
        QVERIFY(check());
        // One edit changing the length of lines apart (a refresh re-indenting them): only those lines are
        // written again, and the line between them stays the memo's own.
        pane.setDocumentText(QStringLiteral("<P>\nfirst\nkept\n<B>\nlast"));
        memo.document()->findBlockByNumber(2).setUserState(7);
        QTextCursor edit(pane.document());
        edit.beginEditBlock();
        pane.setLine(1, QStringLiteral("   first"));
        pane.setLine(4, QStringLiteral("   last"));
        edit.endEditBlock();
        QVERIFY(check());
        QCOMPARE(memo.document()->findBlockByNumber(2).userState(), 7);
        // Text written into the memo by others is replaced by the pane's at the next change.
        memo.setPlainText(QStringLiteral("other"));
        QTest::keyClick(&pane, Qt::Key_End);
        QTest::keyClicks(&pane, QStringLiteral("!"));
        QVERIFY(check());
    }

    void hiddenMirrorLaysNothingOut()
    {
        // Laying out the hidden copy would cost every change the length of the changed line again, and a long
        // line without break opportunities far more: the mirror follows without laying out any of its lines.
        CodePane pane;
        QPlainTextEdit memo;
        memo.hide();
        DocumentMirror mirror(&pane, &memo);
        QObject::connect(&pane, &CodePane::textChanged, &mirror, [&] { mirror.follow(true); });
        const auto laidOut = [&memo] {
            for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
                if (block.layout()->lineCount() > 0)
                    return true;
            }
            return false;
        };
        const QString longLine(5000, u'<');
        pane.setDocumentText(longLine + QStringLiteral("\n<P>second"));
        QVERIFY(!laidOut());
        pane.setSelectionStart(2500);
        QTest::keyClicks(&pane, QStringLiteral("a"));
        QVERIFY(!laidOut());
        // Lines someone else had laid out are not laid out again by the next change.
        memo.document()->documentLayout()->blockBoundingRect(memo.document()->firstBlock());
        QTest::keyClicks(&pane, QStringLiteral("b"));
        QTest::keyClick(&pane, Qt::Key_Return);
        QTest::keyClick(&pane, Qt::Key_Backspace);
        QVERIFY(!laidOut());
        QCOMPARE(memo.toPlainText(), longLine.left(2500) + QStringLiteral("ab") + longLine.mid(2500) +
                                         QStringLiteral("\n<P>second"));
    }
};

VELMARK_WIDGET_TEST_MAIN(CodePaneTest)
#include "tst_codepane.moc"
