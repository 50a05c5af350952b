// Decoding and encoding of source files: byte-order marks, declared character sets, the Windows-1253 default
// and the UTF-8 fallback that keeps every character.
#include "documents/textencoding.h"

#include <QTest>

Q_DECLARE_METATYPE(FileEncoding)

class TestTextEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void declaredEncodingFollowsTheMarkup_data();
    void declaredEncodingFollowsTheMarkup();
    void decodeChoosesTheEncoding_data();
    void decodeChoosesTheEncoding();
    void decodeReportsMalformedAndBinary_data();
    void decodeReportsMalformedAndBinary();
    void encodeWritesTheDeclaredCharset_data();
    void encodeWritesTheDeclaredCharset();
    void lineBreaksBecomeCrLfWithNoneAdded();
};

void TestTextEncoding::declaredEncodingFollowsTheMarkup_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<int>("expected"); // -1: none

    QTest::newRow("http-equiv greek")
        << QStringLiteral("<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=ISO-8859-7\" />")
        << int(FileEncoding::Iso8859_7);
    QTest::newRow("charset attribute, unquoted, upper case")
        << QStringLiteral("<html><META CHARSET=UTF-8>") << int(FileEncoding::Utf8);
    QTest::newRow("single quotes, alias label")
        << QStringLiteral("<meta charset='greek'>") << int(FileEncoding::Iso8859_7);
    QTest::newRow("content before http-equiv")
        << QStringLiteral("<meta content=\"text/html;charset=windows-1252\" http-equiv=\"content-type\">")
        << int(FileEncoding::Windows1252);
    QTest::newRow("content without http-equiv is ignored")
        << QStringLiteral("<meta content=\"text/html; charset=ISO-8859-1\">") << -1;
    QTest::newRow("inside a comment is ignored")
        << QStringLiteral("<!-- <meta charset=\"ISO-8859-1\"> --><p>") << -1;
    QTest::newRow("inside an attribute value is ignored")
        << QStringLiteral("<p title='<meta charset=\"latin1\">'>") << -1;
    QTest::newRow("unknown label skipped for the next one")
        << QStringLiteral("<meta charset=\"klingon\"><meta charset=\"cp1253\">")
        << int(FileEncoding::Windows1253);
    QTest::newRow("not a meta element") << QStringLiteral("<metadata charset=\"utf-8\">") << -1;
    QTest::newRow("none") << QStringLiteral("<html><body>Γεια</body></html>") << -1;
}

void TestTextEncoding::declaredEncodingFollowsTheMarkup()
{
    QFETCH(QString, head);
    QFETCH(int, expected);
    const std::optional<FileEncoding> found = declaredEncoding(head);
    QCOMPARE(found ? int(*found) : -1, expected);
}

void TestTextEncoding::decodeChoosesTheEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FileEncoding>("encoding");

    const QString greek = QStringLiteral("Γειά σου");
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF") + greek.toUtf8() << greek
                                << FileEncoding::Utf8WithMark;
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : greek) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    QTest::newRow("utf-16 le mark") << le << greek << FileEncoding::Utf16LE;
    QTest::newRow("utf-16 be mark") << be << greek << FileEncoding::Utf16BE;
    QTest::newRow("valid utf-8 without mark") << greek.toUtf8() << greek << FileEncoding::Utf8;
    QTest::newRow("windows-1253 without mark")
        << QByteArray("\xC3\xE5\xe9\xdc") << QStringLiteral("Γειά") << FileEncoding::Windows1253;
    QTest::newRow("declared iso-8859-7: B6 is capital alpha with tonos")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />\xB6")
        << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />Ά")
        << FileEncoding::Iso8859_7;
    QTest::newRow("declared windows-1252: 80 is the euro sign")
        << QByteArray("<meta charset=\"windows-1252\">\x80")
        << QStringLiteral("<meta charset=\"windows-1252\">€") << FileEncoding::Windows1252;
    QTest::newRow("declared utf-8 over windows-1253 bytes reads windows-1253")
        << QByteArray("<meta charset=\"utf-8\">\xe1\xe2") << QStringLiteral("<meta charset=\"utf-8\">αβ")
        << FileEncoding::Windows1253;
    QTest::newRow("declaration past the first 1024 bytes is not seen")
        << QByteArray(1030, ' ') + QByteArray("<meta charset=\"iso-8859-1\">\xe1")
        << QString(1030, u' ') + QStringLiteral("<meta charset=\"iso-8859-1\">α")
        << FileEncoding::Windows1253;
    QTest::newRow("empty") << QByteArray() << QString() << FileEncoding::Utf8;
}

void TestTextEncoding::decodeChoosesTheEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(FileEncoding, encoding);
    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding, encoding);
    QVERIFY(!decoded.malformed);
    QVERIFY(!decoded.binary);
}

void TestTextEncoding::decodeReportsMalformedAndBinary_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("malformed");
    QTest::addColumn<bool>("binary");
    QTest::addColumn<QString>("text");

    QTest::newRow("utf-8 mark, invalid byte") << QByteArray("\xEF\xBB\xBF"
                                                            "a\xFF"
                                                            "b")
                                              << true << false << QStringLiteral("a\uFFFDb");
    QTest::newRow("utf-16 odd length") << QByteArray("\xFF\xFE"
                                                     "a\x00"
                                                     "b",
                                                     5)
                                       << true << false << QStringLiteral("a");
    QTest::newRow("NUL bytes without a mark")
        << QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10) << false << true << QString();
    QTest::newRow("NUL character in utf-16") << QByteArray("\xFF\xFE"
                                                           "a\x00\x00\x00",
                                                           6)
                                             << false << true << QString();
}

void TestTextEncoding::decodeReportsMalformedAndBinary()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, malformed);
    QFETCH(bool, binary);
    QFETCH(QString, text);
    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.malformed, malformed);
    QCOMPARE(decoded.binary, binary);
    if (!binary)
        QVERIFY(decoded.text.startsWith(text));
}

void TestTextEncoding::encodeWritesTheDeclaredCharset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<FileEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");

    const QString greekMeta =
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />");
    QTest::newRow("no declaration: windows-1253")
        << QStringLiteral("Άλφα") << FileEncoding::Windows1253 << QByteArray("\xA2\xEB\xF6\xE1");
    QTest::newRow("iso-8859-7: tonos capitals differ from windows-1253")
        << greekMeta + QStringLiteral("Άλφα") << FileEncoding::Iso8859_7
        << greekMeta.toLatin1() + QByteArray("\xB6\xEB\xF6\xE1");
    QTest::newRow("utf-8 declared: no mark")
        << QStringLiteral("<meta charset=\"UTF-8\">Жα") << FileEncoding::Utf8
        << QStringLiteral("<meta charset=\"UTF-8\">Жα").toUtf8();
    QTest::newRow("latin declared") << QStringLiteral("<meta charset=\"ISO-8859-1\">café")
                                    << FileEncoding::Iso8859_1
                                    << QByteArray("<meta charset=\"ISO-8859-1\">caf\xE9");
    QTest::newRow("cyrillic without declaration: utf-8 with mark")
        << QStringLiteral("αЖ") << FileEncoding::Utf8WithMark << QStringLiteral("\uFEFFαЖ").toUtf8();
    QTest::newRow("windows-1253 bytes that would read as utf-8: utf-8 with mark")
        << QStringLiteral("Ξ±") << FileEncoding::Utf8WithMark << QStringLiteral("\uFEFFΞ±").toUtf8();
    QTest::newRow("empty") << QString() << FileEncoding::Windows1253 << QByteArray();
}

void TestTextEncoding::encodeWritesTheDeclaredCharset()
{
    QFETCH(QString, text);
    QFETCH(FileEncoding, encoding);
    QFETCH(QByteArray, bytes);
    const EncodedText encoded = encodeText(text);
    QCOMPARE(encoded.encoding, encoding);
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(decodeText(encoded.bytes).text, text);
}

void TestTextEncoding::lineBreaksBecomeCrLfWithNoneAdded()
{
    QCOMPARE(encodeText(QStringLiteral("a\nb\r\nc\rd")).bytes, QByteArray("a\r\nb\r\nc\r\nd"));
    QCOMPARE(encodeText(QStringLiteral("a\n")).bytes, QByteArray("a\r\n"));
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "tst_textencoding.moc"
