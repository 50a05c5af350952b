#include "editor/core/tagscan.h"

#include <QtTest>

class TagScanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutsOneTagTextPerLessThan_data();
    void cutsOneTagTextPerLessThan();
    void beginsWithLessThan_data();
    void beginsWithLessThan();
};

void TagScanTest::cutsOneTagTextPerLessThan_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("tagTexts");

    QTest::newRow("normal line") << "  <TD>cell</TD>" << QStringList{"<TD>", "</TD>"};
    QTest::newRow("tag with attributes") << "<TABLE border=\"1\" >" << QStringList{"<TABLE border=\"1\" >"};
    QTest::newRow("stray > before <B>") << "a > b <B>" << QStringList{""};
    QTest::newRow("< without >") << "if a < b" << QStringList{""};
    QTest::newRow("three < one letter one >") << "<<<x>" << QStringList{"<<<x>", "", "<x>"};
    QTest::newRow("several tags") << "<FONT color=\"#ffffff\">Velmark</FONT> <B>x</B>"
                                  << QStringList{"<FONT color=\"#ffffff\">", "</FONT>", "<B>", "</B>"};
    QTest::newRow("> run out, search starts over") << "<a> <b <c>" << QStringList{"<a>", "<b <c>", ""};
    QTest::newRow("empty pair and comment") << "<>    <! -- x -->" << QStringList{"<>", "<! -- x -->"};
    QTest::newRow("no tags") << "plain text > here" << QStringList{};
    QTest::newRow("empty line") << "" << QStringList{};
}

void TagScanTest::cutsOneTagTextPerLessThan()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tagTexts);

    QStringList cut;
    for (const TagSpan &span : scanTags(line)) {
        QVERIFY(span.length >= 0 && span.start >= 0 && span.start + span.length <= line.size());
        QCOMPARE(line.at(span.start), QChar(u'<'));
        cut.append(tagText(line, span).toString());
    }
    QCOMPARE(cut, tagTexts);
}

void TagScanTest::beginsWithLessThan_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("begins");

    QTest::newRow("tag line") << "<HTML>" << true;
    QTest::newRow("indented tag") << "  <HEAD>" << false;
    QTest::newRow("empty line") << "" << false;
    QTest::newRow("lone <") << "<" << true;
}

void TagScanTest::beginsWithLessThan()
{
    QFETCH(QString, line);
    QFETCH(bool, begins);
    QCOMPARE(beginsWithLt(line), begins);
}

QTEST_GUILESS_MAIN(TagScanTest)
#include "tst_tagscan.moc"
