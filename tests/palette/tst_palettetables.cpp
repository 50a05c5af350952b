#include "palette/core/attributelists.h"
#include "palette/core/tagbuttons.h"
#include "palette/core/tagdescriptions.h"

#include <QSet>
#include <QtTest>

class TestPaletteTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCaptionIsUniqueAndHasOneDescription();
    void descriptions_data();
    void descriptions();
    void listOfCaption_data();
    void listOfCaption();
    void closingCaptionsOfferTheOpeningList();
    void exceptionalWidths_data();
    void exceptionalWidths();
    void listsAreFoundByName();
};

void TestPaletteTables::everyCaptionIsUniqueAndHasOneDescription()
{
    const QList<TagButton> &buttons = TagButtons::all();
    QSet<QString> captions;
    QSet<QString> names;
    for (const TagButton &button : buttons) {
        QVERIFY2(!captions.contains(button.caption), qPrintable(button.caption));
        QVERIFY2(!names.contains(button.objectName), qPrintable(button.objectName));
        captions.insert(button.caption);
        names.insert(button.objectName);
        QVERIFY(button.row >= 1 && button.row <= TagButtons::RowCount);
        QCOMPARE(button.divisor == 0, button.placement == TagPlacement::Fill);
        const QString description = TagDescriptions::lookup(button.caption);
        QVERIFY2(!description.isEmpty(), qPrintable(button.caption));
        // Every description is a sentence with a full stop, except those of the line break and the rule.
        const bool breakTag = button.caption == u"<BR>" || button.caption == u"<HR>";
        QVERIFY2(description.endsWith(u'.') != breakTag, qPrintable(button.caption));
    }
    QCOMPARE(captions.size(), 99);
    const QList<QString> keys = TagDescriptions::all().keys();
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()), captions);

    QList<int> rowSizes(TagButtons::RowCount, 0);
    for (const TagButton &button : buttons)
        ++rowSizes[button.row - 1];
    QCOMPARE(rowSizes, (QList<int>{17, 12, 11, 12, 21, 16, 10}));
}

void TestPaletteTables::descriptions_data()
{
    QTest::addColumn<QString>("caption");
    // The caption whose description this one is made from (empty: the caption has none), and the words that
    // change on the way.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("closing") << "</TABLE>"
                             << "<TABLE>"
                             << "την Αρχή"
                             << "το Τέλος";
    // Written with a Latin "o" in "τo", letter for letter as the program has always shown it.
    QTest::newRow("closing html keeps its own wording") << "</HTML>"
                                                        << "<HTML>"
                                                        << "την Αρχή"
                                                        << "τ\u006F Τέλος";
    QTest::newRow("closing heading") << "</H1>"
                                     << "<H1>"
                                     << "Αρχή"
                                     << "Τέλος";
    QTest::newRow("div shares the section text") << "<DIV>"
                                                 << "<SECTION>" << QString() << QString();
    QTest::newRow("small letters") << "</TH>"
                                   << "<TH>"
                                   << "την αρχή"
                                   << "το τέλος";
    QTest::newRow("words that only start alike stay") << "</AUDIO>"
                                                      << "<AUDIO>"
                                                      << "την Αρχή"
                                                      << "το Τέλος";
    QTest::newRow("comment closer") << "-->"
                                    << "<! --"
                                    << "την αρχή"
                                    << "το τέλος";
    QTest::newRow("small letters are another caption") << "<table>" << QString() << QString() << QString();
    QTest::newRow("comment without the blank") << "<!--" << QString() << QString() << QString();
    QTest::newRow("no closing line break") << "</BR>" << QString() << QString() << QString();
    QTest::newRow("no closing input button") << "</INPUT>" << QString() << QString() << QString();
}

void TestPaletteTables::descriptions()
{
    QFETCH(QString, caption);
    QFETCH(QString, source);
    QFETCH(QString, from);
    QFETCH(QString, to);
    if (source.isEmpty()) {
        QVERIFY(TagDescriptions::lookup(caption).isNull());
        return;
    }
    const QString sourceText = TagDescriptions::lookup(source);
    QVERIFY(from.isEmpty() || sourceText.contains(from));
    QCOMPARE(TagDescriptions::lookup(caption), QString(sourceText).replace(from, to));
}

void TestPaletteTables::listOfCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("list");

    QTest::newRow("table") << "<TABLE>"
                           << "ptable";
    QTest::newRow("closing table") << "</TABLE>"
                                   << "ptable";
    QTest::newRow("row and cell share") << "</TD>"
                                        << "pttrtd";
    QTest::newRow("anchor") << "<A>"
                            << "phref";
    QTest::newRow("last heading") << "</H6>"
                                  << "ph";
    QTest::newRow("insertion shares deletion's") << "<INS>"
                                                 << "pdel";
    QTest::newRow("input") << "<INPUT>"
                           << "pinput";
    QTest::newRow("list without its own") << "<UL>" << QString();
    QTest::newRow("line break") << "<BR>" << QString();
    QTest::newRow("title") << "<TITLE>" << QString();
    QTest::newRow("comment") << "<! --" << QString();
    QTest::newRow("small letters") << "<table>" << QString();
    QTest::newRow("typed tag name") << "<TABLE" << QString();
}

void TestPaletteTables::listOfCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, list);
    const AttributeList *found = AttributeLists::forCaption(caption);
    QCOMPARE(found ? found->name : QString(), list);
}

void TestPaletteTables::closingCaptionsOfferTheOpeningList()
{
    for (const TagButton &button : TagButtons::all()) {
        if (!button.caption.startsWith(u"</"))
            continue;
        const QString opening = u'<' + button.caption.mid(2);
        QVERIFY2(TagButtons::find(opening), qPrintable(opening));
        QCOMPARE(AttributeLists::forCaption(button.caption), AttributeLists::forCaption(opening));
    }
}

void TestPaletteTables::exceptionalWidths_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("html") << "phtml" << QStringList{"!DOCTYPE", R"(xmlns="http://www.w3.org/1999/xhtml")"}
                          << QList<int>{100, 270};
    QTest::newRow("iframe") << "piframe"
                            << QStringList{"allowfullscreen", R"(frameborder="0")", R"(align="")",
                                           R"(name="")",      R"(scrolling="")",    R"(src="")",
                                           R"(height="")",    R"(width="")"}
                            << QList<int>{110, 75, 75, 75, 75, 75, 75, 75};
    QTest::newRow("select") << "pselect"
                            << QStringList{"autofocus", "disabled",   "multiple",  R"(name="")",
                                           "required",  R"(size="")", "</option>", R"(<option value="">)"}
                            << QList<int>{70, 70, 70, 70, 70, 70, 70, 120};
    QTest::newRow("table header has a bare bgcolor")
        << "pth" << QStringList{R"(align="")",   R"(height="")",  R"(width="")", "bgcolor",
                                R"(colspan="")", R"(headers="")", R"(sorted="")"}
        << QList<int>{90, 90, 90, 90, 90, 90, 90};
}

void TestPaletteTables::exceptionalWidths()
{
    QFETCH(QString, list);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, widths);
    const AttributeList *found = AttributeLists::byName(list);
    QVERIFY(found);
    QStringList texts;
    QList<int> actualWidths;
    for (const AttributeEntry &entry : found->entries) {
        texts.append(entry.text);
        actualWidths.append(entry.width);
    }
    QCOMPARE(texts, entries);
    QCOMPARE(actualWidths, widths);
}

void TestPaletteTables::listsAreFoundByName()
{
    QSet<QString> names;
    for (const AttributeList &list : AttributeLists::all()) {
        QVERIFY2(!names.contains(list.name), qPrintable(list.name));
        names.insert(list.name);
        QCOMPARE(AttributeLists::byName(list.name), &list);
        QVERIFY(!list.entries.isEmpty());
    }
    QCOMPARE(names.size(), 26);
    QCOMPARE(AttributeLists::byName(QStringLiteral("PTABLE")), nullptr);
    QCOMPARE(AttributeLists::general(),
             (QStringList{R"(id="")", R"(accesskey="")", R"(class="")", R"(contenteditable="")",
                          R"(contextmenu="")", R"(draggable="")", "hidden", R"(lang="")", R"(style="")",
                          R"(tabindex="")", R"(title="")"}));
}

QTEST_GUILESS_MAIN(TestPaletteTables)
#include "tst_palettetables.moc"
