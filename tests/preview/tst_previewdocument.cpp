#include "preview/core/previewdocument.h"

#include <QTest>

class TestPreviewDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textBecomesMarkedLines_data();
    void textBecomesMarkedLines();
    void bytesKeepOrGetAByteOrderMark_data();
    void bytesKeepOrGetAByteOrderMark();
};

namespace {

const QByteArray utf8Mark("\xEF\xBB\xBF");

} // namespace

void TestPreviewDocument::textBecomesMarkedLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty text") << QString() << QByteArray();
    QTest::newRow("one line without a break") << QStringLiteral("<p>") << QByteArray("<p>\r\n");
    QTest::newRow("lone LF") << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone CR, then CR LF at the end") << QStringLiteral("a\rb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty line between") << QStringLiteral("a\r\n\r\nb") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("two breaks at the end") << QStringLiteral("a\n\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("a lone CR") << QStringLiteral("\r") << QByteArray("\r\n");
    QTest::newRow("CR, then CR LF") << QStringLiteral("\r\r\n") << QByteArray("\r\n\r\n");
    QTest::newRow("Greek, Cyrillic and beyond the basic plane")
        << QStringLiteral("Αβγ Жж 😀") << QStringLiteral("Αβγ Жж 😀\r\n").toUtf8();
    QTest::newRow("the pane's stand-in is a paragraph separator again") << QStringLiteral("a\uFDEFb\u2028c")
                                                                        << QByteArray("a\xE2\x80\xA9"
                                                                                      "b\xE2\x80\xA8"
                                                                                      "c\r\n");
}

void TestPreviewDocument::textBecomesMarkedLines()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(previewDocumentFromText(text), utf8Mark + bytes);
}

void TestPreviewDocument::bytesKeepOrGetAByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("document");

    const QByteArray greek = QStringLiteral("<p>Καλημέρα</p>").toUtf8();
    const QByteArray utf16 = QByteArray("\xFF\xFE<\0p\0>\0", 8);
    QTest::newRow("UTF-8 without a mark") << greek << utf8Mark + greek;
    QTest::newRow("UTF-8 with its mark") << utf8Mark + greek << utf8Mark + greek;
    QTest::newRow("UTF-16 with its mark") << utf16 << utf16;
    QTest::newRow("no bytes") << QByteArray() << utf8Mark;
}

void TestPreviewDocument::bytesKeepOrGetAByteOrderMark()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, document);

    QCOMPARE(previewDocumentFromBytes(bytes), document);
}

QTEST_APPLESS_MAIN(TestPreviewDocument)

#include "tst_previewdocument.moc"
