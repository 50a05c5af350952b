// The code assistance rules without a display: the tag name before the caret, the value lists a click
// offers, where the value popup goes, and the event attribute groups.
#include "assist/core/eventlists.h"
#include "assist/core/popupplacement.h"
#include "assist/core/tagnameassist.h"
#include "assist/core/valuelists.h"
#include "palette/core/attributelists.h"
#include "palette/core/tagbuttons.h"

#include <QtTest>

class TestAssistTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tagNameOffer_data();
    void tagNameOffer();
    void everyOpeningTagButtonIsRecognised();
    void valueOffer_data();
    void valueOffer();
    void wordAndTagTextBeforeTheCaret_data();
    void wordAndTagTextBeforeTheCaret();
    void popupPlacement_data();
    void popupPlacement();
    void eventGroups();
};

void TestAssistTables::tagNameOffer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("generalBox");
    QTest::addColumn<QString>("list");

    QTest::newRow("small letters") << "<table" << 6 << true << "ptable";
    QTest::newRow("capitals") << "<TABLE" << 6 << true << "ptable";
    QTest::newRow("mixed case as typed") << "<Table" << 6 << false << "";
    QTest::newRow("closing tag") << "</TABLE" << 7 << false << "";
    QTest::newRow("link") << "<A" << 2 << true << "phref";
    QTest::newRow("link with address") << "<A HREF" << 7 << true << "";
    QTest::newRow("link with address, small") << "<a href" << 7 << true << "";
    QTest::newRow("deleted text") << "<DEL" << 4 << true << "pdel";
    QTest::newRow("inserted text") << "<ins" << 4 << true << "pdel";
    QTest::newRow("heading") << "<h3" << 3 << true << "ph";
    QTest::newRow("list without attributes") << "<UL" << 3 << true << "";
    QTest::newRow("bold") << "<B" << 2 << true << "";
    QTest::newRow("after an attribute") << R"(<TABLE border="1")" << 17 << false << "";
    QTest::newRow("nearest opening bracket") << "<P><TABLE" << 9 << true << "ptable";
    QTest::newRow("caret inside an existing tag") << "x <A>" << 4 << true << "phref";
    QTest::newRow("ordinary text") << "Καλημέρα" << 8 << false << "";
    QTest::newRow("first column") << "<TABLE" << 0 << false << "";
    QTest::newRow("comment opener") << "<!" << 2 << false << "";
    QTest::newRow("only ASCII letters change") << "<ımg" << 4 << false << "";
}

void TestAssistTables::tagNameOffer()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(bool, generalBox);
    QFETCH(QString, list);
    const TagNameOffer offer =
        TagNameAssist::offerFor(TagNameAssist::normalised(TagNameAssist::candidate(line, column)));
    QCOMPARE(offer.generalBox, generalBox);
    QCOMPARE(offer.list ? offer.list->name : QString(), list);
}

void TestAssistTables::everyOpeningTagButtonIsRecognised()
{
    // The typed name offers exactly what the tag button offers, lists included.
    for (const TagButton &button : TagButtons::all()) {
        const QString &caption = button.caption;
        if (caption.startsWith(u"</") || TagButtons::isComment(caption))
            continue;
        const TagNameOffer offer = TagNameAssist::offerFor(caption.chopped(1));
        QVERIFY2(offer.generalBox, qPrintable(caption));
        QCOMPARE(offer.list, AttributeLists::forCaption(caption));
    }
}

void TestAssistTables::valueOffer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("matched");
    QTest::addColumn<QStringList>("lists");

    const QString p = QStringLiteral(R"(<P align="center">)");
    QTest::newRow("after the opening quote") << p << 10 << true << QStringList{"stix"};
    QTest::newRow("between empty quotes") << R"(<P align="">)" << 10 << true << QStringList{"stix"};
    QTest::newRow("after the closing quote") << p << 17 << false << QStringList{};
    QTest::newRow("inside the value") << p << 12 << false << QStringList{};
    QTest::newRow("capital attribute name") << R"(<P ALIGN="">)" << 10 << false << QStringList{};
    QTest::newRow("tab before the name") << "<P\talign=\"\">" << 10 << false << QStringList{};
    QTest::newRow("name at the line's start") << R"(align="">)" << 7 << false << QStringList{};
    QTest::newRow("wide list") << R"(<FORM enctype="">)" << 15 << true << QStringList{"encpar"};
    QTest::newRow("sorted") << R"(<TH sorted="">)" << 12 << true << QStringList{"psortpar"};
    QTest::newRow("input kinds") << R"(<input type="">)" << 13 << true << QStringList{"input_par"};
    QTest::newRow("ordered list") << R"(<ol type="">)" << 10 << true << QStringList{"liol_par"};
    QTest::newRow("link holds li") << R"(<link type="">)" << 12 << true << QStringList{"liol_par"};
    QTest::newRow("several hits, in order")
        << R"(<INPUT type="" name="video">)" << 13 << true << QStringList{"input_par", "video_par"};
    QTest::newRow("no keyword") << R"(<source type="">)" << 14 << true << QStringList{};
    QTest::newRow("no closing bracket") << R"(<input type="")" << 13 << true << QStringList{};
    QTest::newRow("second tag on the line")
        << R"(<audio src="a"></audio><video type="">)" << 36 << true << QStringList{"video_par"};
}

void TestAssistTables::valueOffer()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(bool, matched);
    QFETCH(QStringList, lists);
    const ValueOffer offer = ValueLists::offerAt(line, column);
    QCOMPARE(offer.matched, matched);
    QStringList names;
    for (const ValueList *list : offer.lists)
        names << list->name;
    QCOMPARE(names, lists);
}

void TestAssistTables::wordAndTagTextBeforeTheCaret_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("tagText");

    QTest::newRow("in a tag") << R"(x <P align="c">)" << 12 << R"( align=")"
                              << R"(<P align="c">)";
    QTest::newRow("no blank, no opening bracket") << R"(type="">)" << 6 << R"(type=")"
                                                  << R"(type="">)";
    QTest::newRow("no closing bracket") << R"(<P a=")" << 6 << R"( a=")"
                                        << "";
    QTest::newRow("line start") << "<P>" << 0 << ""
                                << "";
}

void TestAssistTables::wordAndTagTextBeforeTheCaret()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, word);
    QFETCH(QString, tagText);
    QCOMPARE(ValueLists::wordBeforeCaret(line, column), word);
    QCOMPARE(ValueLists::tagTextAroundCaret(line, column), tagText);
}

void TestAssistTables::popupPlacement_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("combo");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("narrow list") << QPoint(500, 300) << QSize(200, 26) << QPoint(500, 290);
    QTest::newRow("wide list") << QPoint(500, 300) << QSize(400, 26) << QPoint(400, 290);
    QTest::newRow("odd sizes round toward zero") << QPoint(500, 300) << QSize(201, 27) << QPoint(500, 290);
    QTest::newRow("kept off the right edge") << QPoint(1300, 300) << QSize(200, 26) << QPoint(1166, 290);
    QTest::newRow("kept above the bottom") << QPoint(500, 767) << QSize(200, 26) << QPoint(500, 742);
    QTest::newRow("kept below the top") << QPoint(500, 2) << QSize(200, 26) << QPoint(500, 0);
}

void TestAssistTables::popupPlacement()
{
    QFETCH(QPoint, pointer);
    QFETCH(QSize, combo);
    QFETCH(QPoint, expected);
    QCOMPARE(popupPosition(pointer, combo, combo, QRect(0, 0, 1366, 768)), expected);
}

namespace {

// The event group whose menu item has this object name, or nullptr.
const EventGroup *groupOfMenuItem(const QString &menuItem)
{
    for (const EventGroup &group : EventLists::all())
        if (group.menuItem == menuItem)
            return &group;
    return nullptr;
}

} // namespace

void TestAssistTables::eventGroups()
{
    const EventGroup *mouse = groupOfMenuItem(QStringLiteral("N31"));
    QVERIFY(mouse);
    QCOMPARE(mouse->boxName, QStringLiteral("combo5"));
    QCOMPARE(mouse->caption, QStringLiteral("Γεγ. Ποντικιού"));
    QCOMPARE(mouse->items().first(), QStringLiteral(R"(onclick="")"));
    QCOMPARE(mouse->items().last(), QStringLiteral(R"(onwheel="")"));
    const EventGroup *clipboard = groupOfMenuItem(QStringLiteral("Clipboard1"));
    QVERIFY(clipboard);
    QCOMPARE(clipboard->caption, QStringLiteral("Γεγ. ΠΛηκτρολογίου"));
    QCOMPARE(clipboard->items(), QStringList({R"(oncopy="")", R"(oncut="")", R"(onpaste="")"}));
    // The media group's box is combo8 and the miscellaneous one combo7, though media comes first in the menu.
    QCOMPARE(groupOfMenuItem(QStringLiteral("N32"))->boxName, QStringLiteral("combo8"));
    QCOMPARE(groupOfMenuItem(QStringLiteral("N33"))->boxName, QStringLiteral("combo7"));
    QVERIFY(!groupOfMenuItem(QStringLiteral("N2")));
}

QTEST_APPLESS_MAIN(TestAssistTables)
#include "tst_assisttables.moc"
