#include "editor/core/balancecheck.h"
#include "editor/core/charlook.h"
#include "editor/core/tagcollector.h"

#include <QtTest>

namespace {

QString fewer(const QString &tag, int difference)
{
    return QStringLiteral("# Προειδοποίηση: Η ετικέτα %1 έχει εισαχθεί λίγοτερο κατά %2 φορές")
        .arg(tag)
        .arg(difference);
}

QString moreOpening(const QString &tag, int difference)
{
    return QStringLiteral("# Προειδοποίηση: Η ετικέτα %1 έχει εισαχθεί περισσότερο κατά %2 φορές")
        .arg(tag)
        .arg(difference);
}

QString moreClosing(const QString &tag, int difference)
{
    return QStringLiteral("# Προειδοποίηση: Η ετικέτα %1 έχει εισαχθεί περισσότερο  κατά %2 φορές")
        .arg(tag)
        .arg(difference);
}

TagCollector collectedFrom(const QStringList &tagTexts)
{
    TagCollector collector;
    for (const QString &text : tagTexts)
        collector.add(text);
    return collector;
}

} // namespace

using Warnings = QVector<BalanceWarning>;

class BalanceCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void collectorFilesEntries_data();
    void collectorFilesEntries();
    void checkWarnsAndHighlights_data();
    void checkWarnsAndHighlights();
    void longListsAreCheckedInFull();
    void warningsQuoteTheBeginningOfALongTag_data();
    void warningsQuoteTheBeginningOfALongTag();
};

void BalanceCheckTest::collectorFilesEntries_data()
{
    QTest::addColumn<QString>("tagText");
    QTest::addColumn<QStringList>("opening");
    QTest::addColumn<QStringList>("closing");

    QTest::newRow("opening cut at space")
        << "<TABLE border=\"1\" >" << QStringList{"<TABLE>"} << QStringList{};
    QTest::newRow("small letters to capitals") << "<p>" << QStringList{"<P>"} << QStringList{};
    QTest::newRow("one capital keeps letters") << "<Table>" << QStringList{"<Table>"} << QStringList{};
    QTest::newRow("closing keeps attributes")
        << "</p class=x>" << QStringList{} << QStringList{"</P CLASS=X>"};
    QTest::newRow("closing in small letters") << "</table>" << QStringList{} << QStringList{"</TABLE>"};
    QTest::newRow("closing with // is opening")
        << "</a href=\"http://x.gr\">" << QStringList{"</A>"} << QStringList{};
    QTest::newRow("opening with //") << "<a href=\"http://x.gr\">" << QStringList{"<A>"} << QStringList{};
    QTest::newRow("empty tag text") << "" << QStringList{""} << QStringList{};
    QTest::newRow("slash later in the tag") << "<br/>" << QStringList{"<BR/>"} << QStringList{};
    QTest::newRow("Greek letters stay") << "<πίνακας>" << QStringList{"<πίνακας>"} << QStringList{};
}

void BalanceCheckTest::collectorFilesEntries()
{
    QFETCH(QString, tagText);
    QFETCH(QStringList, opening);
    QFETCH(QStringList, closing);

    const TagCollector collector = collectedFrom({tagText});
    QCOMPARE(collector.opening(), opening);
    QCOMPARE(collector.closing(), closing);
}

void BalanceCheckTest::checkWarnsAndHighlights_data()
{
    QTest::addColumn<QStringList>("tagTexts");
    QTest::addColumn<Warnings>("warnings");
    QTest::addColumn<QStringList>("highlights");

    QTest::newRow("two <P>, one </P>")
        << QStringList{"<P>", "</P>", "<P>"}
        << Warnings{{moreOpening("<P>", 1), WarningColour}, {fewer("</P>", 1), ClosingWarningColour}}
        << QStringList{"<P>", "</P>"};
    QTest::newRow("</B> alone") << QStringList{"</B>"}
                                << Warnings{{moreClosing("</B>", 1), ClosingWarningColour}}
                                << QStringList{"</B>"};
    QTest::newRow("more closings than openings")
        << QStringList{"<TD>", "</TD>", "</TD>", "</TD>"}
        << Warnings{{fewer("<TD>", 2), WarningColour}, {moreClosing("</TD>", 2), ClosingWarningColour}}
        << QStringList{"<TD>", "</TD>"};
    QTest::newRow("exempt tags never warn")
        << QStringList{"<BR>",   "<br>",     "<HR>",        "<IMG src=\"a.jpg\">", "<INPUT type=text>",
                       "<meta>", "<SOURCE>", "<! -- x -->", "<!-- y -->",          "<>",
                       "</br>",  "</IMG>",   "<!>",         "<META charset=\"x\">"}
        << Warnings{} << QStringList{};
    QTest::newRow("image exempt only when opening") << QStringList{"<Mimage>"} << Warnings{} << QStringList{};
    QTest::newRow("image warns when closing")
        << QStringList{"</Mimage>"} << Warnings{{moreClosing("</Mimage>", 1), ClosingWarningColour}}
        << QStringList{"</Mimage>"};
    QTest::newRow("img exempt only when closing") << QStringList{"</Ximg>"} << Warnings{} << QStringList{};
    QTest::newRow("img warns when opening")
        << QStringList{"<Ximg>"} << Warnings{{moreOpening("<Ximg>", 1), WarningColour}}
        << QStringList{"<Ximg>"};
    QTest::newRow("capital T closed in small letters")
        << QStringList{"<Table>", "</table>"}
        << Warnings{{moreOpening("<Table>", 1), WarningColour},
                    {moreClosing("</TABLE>", 1), ClosingWarningColour}}
        << QStringList{"<Table>", "</TABLE>"};
    QTest::newRow("</ with // is an opening tag")
        << QStringList{"</a href=\"http://x.gr\">"} << Warnings{{moreOpening("</A>", 1), WarningColour}}
        << QStringList{"</A>"};
    QTest::newRow("small-letter p reported as <P>")
        << QStringList{"<p>"} << Warnings{{moreOpening("<P>", 1), WarningColour}} << QStringList{"<P>"};
    QTest::newRow("all balanced") << QStringList{"</HTML>",          "</B>",     "<B>",
                                                 "<TABLE border=1>", "</TABLE>", "<HTML>"}
                                  << Warnings{} << QStringList{};
    QTest::newRow("warnings in ascending order")
        << QStringList{"<TD>", "<B>", "</TD>", "</B>", "</B>", "<TD>"}
        << Warnings{{fewer("<B>", 1), WarningColour},
                    {moreOpening("<TD>", 1), WarningColour},
                    {moreClosing("</B>", 1), ClosingWarningColour},
                    {fewer("</TD>", 1), ClosingWarningColour}}
        << QStringList{"<B>", "<TD>", "</B>", "</TD>"};
    QTest::newRow("counting by containment") << QStringList{"<B>", "<<B>", "</B>"}
                                             << Warnings{{moreOpening("<<B>", 1), WarningColour},
                                                         {moreOpening("<B>", 1), WarningColour},
                                                         {fewer("</B>", 1), ClosingWarningColour}}
                                             << QStringList{"<<B>", "<B>", "</B>"};
    QTest::newRow("closing counted in both opening shapes")
        << QStringList{"<B>", "<B>", "</B>x>"} << Warnings{{moreClosing("</B>x>", 1), ClosingWarningColour}}
        << QStringList{"</B>x>"};
    QTest::newRow("closing with a space before >")
        << QStringList{"<P>", "</P >", "</P >"}
        << Warnings{{moreOpening("<P>", 1), WarningColour}, {moreClosing("</P >", 2), ClosingWarningColour}}
        << QStringList{"<P>", "</P >"};
    QTest::newRow("no tags") << QStringList{} << Warnings{} << QStringList{};
}

void BalanceCheckTest::checkWarnsAndHighlights()
{
    QFETCH(QStringList, tagTexts);
    QFETCH(Warnings, warnings);
    QFETCH(QStringList, highlights);

    const BalanceReport report = checkBalance(collectedFrom(tagTexts));
    QStringList found;
    for (const BalanceWarning &warning : report.warnings)
        found.append(QStringLiteral("%1 [%2]").arg(warning.text).arg(warning.colour));
    QStringList expected;
    for (const BalanceWarning &warning : warnings)
        expected.append(QStringLiteral("%1 [%2]").arg(warning.text).arg(warning.colour));
    QCOMPARE(found, expected);
    QCOMPARE(report.highlights, highlights);
}

void BalanceCheckTest::longListsAreCheckedInFull()
{
    // More than 3000 tags of one kind and more than 1500 distinct tags of each kind.
    TagCollector collector;
    for (int i = 0; i < 3200; ++i)
        collector.add(QStringLiteral("<P>"));
    for (int i = 0; i < 3100; ++i)
        collector.add(QStringLiteral("</P>"));
    for (int i = 0; i < 1600; ++i) {
        collector.add(QStringLiteral("<T%1>").arg(i, 4, 10, QChar(u'0')));
        collector.add(QStringLiteral("</U%1>").arg(i, 4, 10, QChar(u'0')));
    }

    const BalanceReport report = checkBalance(collector);
    QCOMPARE(report.warnings.size(), 2 + 2 * 1600);
    QCOMPARE(report.warnings.constFirst().text, moreOpening("<P>", 100));
    QCOMPARE(report.warnings.at(1600).text, moreOpening("<T1599>", 1));
    QCOMPARE(report.warnings.at(1601).text, fewer("</P>", 100));
    QCOMPARE(report.warnings.constLast().text, moreClosing("</U1599>", 1));
    QCOMPARE(report.highlights.size(), report.warnings.size());
}

QTEST_GUILESS_MAIN(BalanceCheckTest)
#include "tst_balancecheck.moc"

void BalanceCheckTest::warningsQuoteTheBeginningOfALongTag_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("quoted");
    const QString letters = QString(198, u'A');
    const QString atLimit = u'<' + letters + u'>';
    QTest::newRow("200 characters, whole") << atLimit << atLimit;
    QTest::newRow("201 characters, cut")
        << u'<' + letters + QStringLiteral("A>") << u'<' + letters + QStringLiteral("A…");
    QTest::newRow("an emoji at the limit is left out whole")
        << u'<' + letters + QStringLiteral("😀>") << u'<' + letters + u'…';
    QTest::newRow("a one-line script's 20,000 characters")
        << u'<' + QString(20000, u'B') + u'>' << u'<' + QString(199, u'B') + u'…';
}

void BalanceCheckTest::warningsQuoteTheBeginningOfALongTag()
{
    QFETCH(QString, tag);
    QFETCH(QString, quoted);
    const BalanceReport report = checkBalance(collectedFrom({tag}));
    QCOMPARE(report.warnings.size(), 1);
    QCOMPARE(report.warnings[0].text, moreOpening(quoted, 1));
    // The tag is still painted whole in the code pane.
    QCOMPARE(report.highlights, QStringList{tag});
}
