// The page geometry of the source printout on a recording device of 600 dots per inch: text, header and
// footer areas, lines per page, page breaks, header and footer drawing, and margins that leave no room.
#include "documents/core/sourceprintout.h"

#include <QTest>

namespace {

// A device that records what is drawn, page by page. Every text is `textHeightDots` high and 10 dots wide a
// character.
class RecordingSurface : public PrintSurface
{
public:
    struct Text
    {
        int page;
        int x;
        int y;
        QString text;
        QString family;
    };
    struct Line
    {
        int page;
        int x1, y1, x2, y2;
        int width;
    };

    PrintDeviceMetrics device{600, 600, 100, 100, 5100, 6600, 4900, 6400};
    int textHeightDots = 110;
    QList<Text> texts;
    QList<Line> lines;
    int page = 0;
    bool begun = false;
    bool ended = false;
    bool aborted = false;

    bool beginDoc() override
    {
        begun = true;
        page = 1;
        return true;
    }
    bool newPage() override
    {
        ++page;
        return true;
    }
    bool endDoc() override
    {
        ended = true;
        return true;
    }
    void abort() override { aborted = true; }
    QString errorText() const override { return QString(); }
    PrintDeviceMetrics metrics() const override { return device; }
    void setFont(const PrintFont &font) override { m_family = font.family; }
    void setPen(quint32, int width) override { m_penWidth = width; }
    int textHeight(const QString &) const override { return textHeightDots; }
    int textWidth(const QString &text) const override { return 10 * int(text.size()); }
    void textOut(int x, int y, const QString &text) override { texts.append({page, x, y, text, m_family}); }
    void line(int x1, int y1, int x2, int y2) override { lines.append({page, x1, y1, x2, y2, m_penWidth}); }

    QList<Text> textsOfFamily(const QString &family) const
    {
        QList<Text> found;
        for (const Text &t : texts)
            if (t.family == family)
                found.append(t);
        return found;
    }

private:
    QString m_family;
    int m_penWidth = 0;
};

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

const PrintFont codeFont{QStringLiteral("Code"), 11, 0};

} // namespace

class TestPrintLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rectanglesOnA600DotsDevice();
    void marginInsideTheUnprintableEdgeMovesToIt();
    void linesPerPageAndPageBreaks_data();
    void linesPerPageAndPageBreaks();
    void headerAndFooterGeometry();
    void emptyListPrintsOnePageWithNothingOnIt();
    void longLinesContinueOnTheNextLines_data();
    void longLinesContinueOnTheNextLines();
    void pagesFollowThePrintedLines();
    void marginsWithoutRoomCancelTheJob();
    void callbackCanStopTheJob();
};

void TestPrintLines::rectanglesOnA600DotsDevice()
{
    const std::optional<PrintRects> rects =
        calcPrintRects(RecordingSurface().device, sourcePrintoutMargins());
    QVERIFY(rects);
    QCOMPARE(rects->text, (PrintRect{350, 350, 4700, 6200}));
    QCOMPARE(rects->header, (PrintRect{350, 0, 4700, 350}));
    QCOMPARE(rects->footer, (PrintRect{350, 6200, 4700, 6400}));
    QCOMPARE(rects->lineHeight, 100);
}

void TestPrintLines::marginInsideTheUnprintableEdgeMovesToIt()
{
    PrintDeviceMetrics device{600, 600, 600, 100, 5100, 6600, 4000, 6400};
    const std::optional<PrintRects> rects = calcPrintRects(device, sourcePrintoutMargins());
    QVERIFY(rects);
    // The left margin of 0.75 inch (450 dots) lies inside the 1-inch unprintable edge: the text starts at the
    // printable edge; the right margin is cut at the printable area's right edge (4000 + 600).
    QCOMPARE(rects->text, (PrintRect{0, 350, 4000, 6200}));
}

void TestPrintLines::linesPerPageAndPageBreaks_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("onLastPage");

    QTest::newRow("one line") << 1 << 1 << 1;
    QTest::newRow("a full page") << 58 << 1 << 58;
    QTest::newRow("one more than a page") << 59 << 2 << 1;
    QTest::newRow("three pages") << 130 << 3 << 14;
}

void TestPrintLines::linesPerPageAndPageBreaks()
{
    QFETCH(int, lineCount);
    QFETCH(int, pages);
    QFETCH(int, onLastPage);
    RecordingSurface surface;
    const PrintOutcome outcome =
        printSource(surface, numberedLines(lineCount), codeFont, QStringLiteral("T"));
    QCOMPARE(outcome.status, PrintOutcome::Printed);
    QCOMPARE(outcome.pages, pages);
    QVERIFY(surface.ended);
    QVERIFY(!surface.aborted);

    const QList<RecordingSurface::Text> code = surface.textsOfFamily(QStringLiteral("Code"));
    QCOMPARE(code.size(), lineCount);
    for (int i = 0; i < code.size(); ++i) {
        QCOMPARE(code[i].text, QStringLiteral("line %1").arg(i));
        QCOMPARE(code[i].x, 350);
        QCOMPARE(code[i].y, 350 + (i % 58) * 100);
        QCOMPARE(code[i].page, i / 58 + 1);
    }
    int last = 0;
    for (const RecordingSurface::Text &t : code)
        last += t.page == pages ? 1 : 0;
    QCOMPARE(last, onLastPage);
}

void TestPrintLines::headerAndFooterGeometry()
{
    RecordingSurface surface;
    printSource(surface, numberedLines(130), codeFont, QStringLiteral("Η σελίδα μου"));

    const QList<RecordingSurface::Text> notes = surface.textsOfFamily(QStringLiteral("Tahoma"));
    QCOMPARE(notes.size(), 6);
    for (int page = 1; page <= 3; ++page) {
        const RecordingSurface::Text &header = notes[2 * (page - 1)];
        const RecordingSurface::Text &footer = notes[2 * (page - 1) + 1];
        QCOMPARE(header.page, page);
        QCOMPARE(header.text, QStringLiteral("Η σελίδα μου"));
        QCOMPARE(header.x, 350);
        QCOMPARE(header.y, 350 - 60 - 110);
        QCOMPARE(footer.page, page);
        QVERIFY(footer.text.endsWith(QStringLiteral(" - Σελίδα %1").arg(page)));
        QCOMPARE(footer.x + 10 * footer.text.size(), 4700);
        QCOMPARE(footer.y, 6233);
    }
    QCOMPARE(surface.lines.size(), 6);
    for (const RecordingSurface::Line &line : surface.lines) {
        QCOMPARE(line.width, 8);
        QCOMPARE(line.x1, 350);
        QCOMPARE(line.x2, 4700);
        QCOMPARE(line.y1, line.y2);
        QVERIFY(line.y1 == 317 || line.y1 == 6200);
    }
}

void TestPrintLines::emptyListPrintsOnePageWithNothingOnIt()
{
    RecordingSurface surface;
    const PrintOutcome outcome = printSource(surface, QStringList(), codeFont, QStringLiteral("T"));
    QCOMPARE(outcome.status, PrintOutcome::Printed);
    QCOMPARE(outcome.pages, 1);
    QVERIFY(surface.texts.isEmpty());
    QVERIFY(surface.lines.isEmpty());
    QVERIFY(surface.ended);
}

void TestPrintLines::longLinesContinueOnTheNextLines_data()
{
    // The text area is 4,350 dots wide and the recording surface's characters 10 dots each: 435 a line.
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("printedLines");
    QTest::addColumn<bool>("endAtBlanks");
    QTest::newRow("fits exactly") << QString(435, u'x') << 1 << false;
    QTest::newRow("one character too many") << QString(436, u'x') << 2 << false;
    QTest::newRow("no blank to break at") << QString(2000, u'α') + QStringLiteral("\tτέλος") << 5 << false;
    QTest::newRow("broken after blanks") << QStringLiteral("λέξη12345 ").repeated(100) << 3 << true;
}

void TestPrintLines::longLinesContinueOnTheNextLines()
{
    QFETCH(QString, line);
    QFETCH(int, printedLines);
    QFETCH(bool, endAtBlanks);
    RecordingSurface surface;
    printSource(surface, {line}, codeFont, QString());
    const QList<RecordingSurface::Text> code = surface.textsOfFamily(QStringLiteral("Code"));
    QCOMPARE(code.size(), printedLines);
    QString whole;
    for (int i = 0; i < code.size(); ++i) {
        QVERIFY(surface.textWidth(code[i].text) <= 4350);
        QCOMPARE(code[i].y, 350 + 100 * i);
        if (endAtBlanks && i + 1 < code.size())
            QVERIFY(code[i].text.endsWith(u' '));
        whole += code[i].text;
    }
    // Every character is on paper, in order.
    QCOMPARE(whole, line);
}

void TestPrintLines::pagesFollowThePrintedLines()
{
    // 40 lines of 500 characters print as 80 lines: 58 on the first page, 22 on the second.
    RecordingSurface surface;
    const QStringList lines(40, QString(500, u'y'));
    const PrintOutcome outcome = printSource(surface, lines, codeFont, QString());
    QCOMPARE(outcome.pages, 2);
    const QList<RecordingSurface::Text> code = surface.textsOfFamily(QStringLiteral("Code"));
    QCOMPARE(code.size(), 80);
    QCOMPARE(code[57].page, 1);
    QCOMPARE(code[58].page, 2);
}

void TestPrintLines::marginsWithoutRoomCancelTheJob()
{
    RecordingSurface surface;
    PrintMargins margins;
    margins.left = 5.0f;
    margins.right = 4.0f;
    const PrintOutcome outcome = printLines(surface, numberedLines(3), margins, codeFont, false, {}, {});
    QCOMPARE(outcome.status, PrintOutcome::NoRoom);
    QCOMPARE(outcome.pages, 0);
    QVERIFY(surface.aborted);
    QVERIFY(!surface.ended);
    QVERIFY(surface.texts.isEmpty());
}

void TestPrintLines::callbackCanStopTheJob()
{
    RecordingSurface surface;
    const PrintOutcome outcome =
        printLines(surface, numberedLines(200), sourcePrintoutMargins(), codeFont, false,
                   [](PrintSurface &, int page, const PrintRect &, bool &go) { go = page < 2; }, {});
    QCOMPARE(outcome.status, PrintOutcome::Stopped);
    QCOMPARE(outcome.pages, 0);
    QVERIFY(surface.aborted);
    QCOMPARE(surface.textsOfFamily(QStringLiteral("Code")).size(), 58);
}

QTEST_GUILESS_MAIN(TestPrintLines)
#include "tst_printstrings.moc"
