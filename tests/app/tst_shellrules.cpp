// Widget-free rules of the program shell: window sizing, the toolbox caption rule, the welcome document.
#include "app/core/programtexts.h"
#include "app/core/toolboxcaptions.h"
#include "app/core/windowsizing.h"

#include <QtTest>

using Rows = std::array<bool, 7>;
Q_DECLARE_METATYPE(Rows)

class ShellRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowSizeFromScreen()
    {
        QCOMPARE(mainWindowOuterSize(QSize(1366, 768)), QSize(1361, 705));
        QCOMPARE(editorAreaHeight(705), 495);
    }

    void allCaptionRule_data()
    {
        QTest::addColumn<Rows>("visible");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("afterAllClick");
        QTest::addColumn<QString>("expected");
        const QString hide = toolboxHideAllCaption();
        const QString show = toolboxShowAllCaption();
        const Rows startup{true, true, true, true, true, false, false};
        const Rows all{true, true, true, true, true, true, true};
        const Rows none{};
        const Rows row6Shown{true, true, true, true, true, true, false};
        QTest::newRow("start-up set, from a separator") << startup << QString() << false << hide;
        QTest::newRow("row 6 shown keeps caption") << row6Shown << hide << false << hide;
        QTest::newRow("all hidden") << none << hide << true << show;
        QTest::newRow("all shown after all click") << all << show << true << hide;
        QTest::newRow("all shown by row clicks keeps caption") << all << show << false << show;
        QTest::newRow("row 1 hidden keeps caption")
            << Rows{false, true, true, true, true, false, false} << hide << false << hide;
    }

    void allCaptionRule()
    {
        QFETCH(Rows, visible);
        QFETCH(QString, current);
        QFETCH(bool, afterAllClick);
        QFETCH(QString, expected);
        const ToolboxCaptions captions = applyToolboxCaptionRule(visible, current, afterAllClick);
        QCOMPARE(captions.all, expected);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(captions.rows[size_t(i)], toolboxRowCaption(i, visible[size_t(i)]));
    }

    void rowCaptionsCarryTheirRowNumber()
    {
        QCOMPARE(toolboxRowCaption(0, true), QStringLiteral("&Απενεργοποίηση Εργαλειοθήκης 1"));
        QCOMPARE(toolboxRowCaption(6, false), QStringLiteral("&Ενεργοποίηση Εργαλειοθήκης 7"));
    }

    void welcomeDocumentHasTwentySevenLinesAndTags()
    {
        const QStringList lines = ProgramTexts::welcomeDocument();
        QCOMPARE(lines.size(), 27);
        QCOMPARE(lines.join(QString()).count(QLatin1Char('<')), 27);
        QVERIFY(lines[21].endsWith(QLatin1Char(' ')));
        const int leading[27] = {0, 2, 2, 4, 6, 4,  2,  2, 2, 3, 4, 5, 7, 5,
                                 4, 3, 3, 4, 7, 12, 12, 7, 4, 3, 2, 2, 0};
        for (int i = 0; i < 27; ++i) {
            int spaces = 0;
            while (spaces < lines[i].size() && lines[i][spaces] == QLatin1Char(' '))
                ++spaces;
            QCOMPARE(spaces, leading[i]);
        }
    }
};

QTEST_GUILESS_MAIN(ShellRulesTest)
#include "tst_shellrules.moc"
