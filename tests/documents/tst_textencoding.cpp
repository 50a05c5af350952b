// Character encodings as browsers read them (labels, decoders, the pre-scan of a page's declaration) and the
// program's own rules for source files: byte-order marks, the UTF-8 and Windows-1253 readings of undeclared
// files, and writing that never loses a character.
#include "declarationcases.h"
#include "documents/core/charsetprescan.h"
#include "documents/core/textencoding.h"

#include <QTest>

namespace {

QByteArray nameOf(const std::optional<CharacterEncoding> &encoding)
{
    return encoding ? encodingName(*encoding) : QByteArray();
}

CharacterEncoding labelled(const char *label)
{
    const std::optional<CharacterEncoding> encoding = encodingForLabel(label);
    if (!encoding)
        qFatal("unknown label %s", label);
    return *encoding;
}

} // namespace

class TestTextEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsNameTheirEncodings_data();
    void labelsNameTheirEncodings();
    void everyEncodingAnswersToItsName();
    void decodersReadAsBrowsersDo_data();
    void decodersReadAsBrowsersDo();
    void singleByteEncodersWriteBackEveryByte();
    void prescanFindsTheDeclaration_data();
    void prescanFindsTheDeclaration();
    void decodeChoosesTheEncoding_data();
    void decodeChoosesTheEncoding();
    void bytesWithNulAreNoText();
    void nulCharactersAreLeftOutOfFiles_data();
    void nulCharactersAreLeftOutOfFiles();
    void encodeWritesTheDeclaredCharset_data();
    void encodeWritesTheDeclaredCharset();
    void lineBreaksBecomeCrLfWithNoneAdded();
};

void TestTextEncoding::labelsNameTheirEncodings_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("name"); // empty: no encoding

    const auto row = [](const char *label, const char *name) {
        QTest::addRow("%s", QByteArray(label).toPercentEncoding().constData())
            << QByteArray(label) << QByteArray(name);
    };
    row("latin1", "windows-1252");
    row("ISO-8859-1", "windows-1252");
    row("us-ascii", "windows-1252");
    row("ansi_x3.4-1968", "windows-1252");
    row("iso-8859-9", "windows-1254");
    row("iso-8859-11", "windows-874");
    row("windows-1251", "windows-1251");
    row("koi", "KOI8-R");
    row("koi8-ru", "KOI8-U");
    row("iso-8859-2", "ISO-8859-2");
    row("iso-8859-16", "ISO-8859-16");
    row("sun_eu_greek", "ISO-8859-7");
    row("elot_928", "ISO-8859-7");
    row("cp1253", "windows-1253");
    row("logical", "ISO-8859-8-I");
    row("visual", "ISO-8859-8");
    row("x-mac-ukrainian", "x-mac-cyrillic");
    row("unicode20utf8", "UTF-8");
    row("gb2312", "GBK");
    row("ms932", "Shift_JIS");
    row("windows-949", "EUC-KR");
    row("iso-2022-kr", "replacement");
    row("utf-16", "UTF-16LE");
    row("unicodefffe", "UTF-16BE");
    row("x-user-defined", "x-user-defined");
    row(" \t\nKOI8-R\f\r", "KOI8-R");
    row("klingon", "");
    row("utf-7", "");
    row("latin-1", "");
    row("\vlatin1", ""); // a vertical tab is not ASCII white space
    row("latin1\xA0", "");
    row("", "");
}

void TestTextEncoding::labelsNameTheirEncodings()
{
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, name);
    QCOMPARE(nameOf(encodingForLabel(label)), name);
}

void TestTextEncoding::everyEncodingAnswersToItsName()
{
    for (int i = int(CharacterEncoding::Utf8); i <= int(CharacterEncoding::XUserDefined); ++i) {
        const auto encoding = CharacterEncoding(i);
        QCOMPARE(encodingForLabel(encodingName(encoding)), std::optional<CharacterEncoding>(encoding));
    }
}

void TestTextEncoding::decodersReadAsBrowsersDo_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("replacements");

    const auto row = [](const char *name, const char *label, const QByteArray &bytes, const QString &text,
                        int replacements) {
        QTest::newRow(name) << QByteArray(label) << bytes << text << replacements;
    };
    row("windows-1253 letters", "windows-1253", "\xC1\xDC\xA2\x80", QStringLiteral("ΑάΆ€"), 0);
    row("windows-1253 unassigned bytes", "windows-1253", "a\xAA\xD2\xFF",
        QStringLiteral("a\uFFFD\uFFFD\uFFFD"), 3);
    row("windows-1253 C1 byte", "windows-1253", "\x81", QStringLiteral("\u0081"), 0);
    row("latin1 is windows-1252", "latin1", "\x80\x93\x94\x9F\xE9", QStringLiteral("€“”Ÿé"), 0);
    row("iso-8859-7", "iso-8859-7", "\xB6\xA4\xAE", QStringLiteral("Ά€\uFFFD"), 1);
    row("windows-1251", "windows-1251", "\xCF", QStringLiteral("П"), 0);
    row("koi8-r", "koi8-r", "\xF0\xCF", QStringLiteral("По"), 0);
    row("koi8-u", "koi8-u", "\xAE\xBE", QStringLiteral("ўЎ"), 0);
    row("ibm866 keeps ASCII controls", "ibm866", "\x1A\x1C\x7F\x8F", QStringLiteral("\x1A\x1C\x7FП"), 0);
    row("iso-8859-16", "iso-8859-16", "\xA4\xAA", QStringLiteral("€Ș"), 0);
    row("windows-1255", "windows-1255", "\xCA", QStringLiteral("\u05BA"), 0);
    row("windows-874 top bytes", "windows-874", "\xDB\xFF", QStringLiteral("\uFFFD\uFFFD"), 2);
    row("x-user-defined", "x-user-defined", "a\x80\xFF", QStringLiteral("a\uF780\uF7FF"), 0);
    row("replacement", "iso-2022-kr", "abc", QStringLiteral("\uFFFD"), 1);
    row("utf-8", "utf-8", "\xCE\xB1\xF0\x9F\x98\x80", QStringLiteral("α😀"), 0);
    row("utf-8 cut-off four-byte sequence", "utf-8", "a\xF0\x9F\x98", QStringLiteral("a\uFFFD"), 1);
    row("utf-8 broken sequence, then a letter", "utf-8",
        "\xF0\x9F\x98"
        "b",
        QStringLiteral("\uFFFDb"), 1);
    row("utf-8 overlong", "utf-8", "\xC0\xAF", QStringLiteral("\uFFFD\uFFFD"), 2);
    row("utf-8 surrogate", "utf-8", "\xED\xA0\x80", QStringLiteral("\uFFFD\uFFFD\uFFFD"), 3);
    row("utf-8 stray byte", "utf-8", "\xCE\xA1\xFF\xCE\xB1", QStringLiteral("Ρ\uFFFDα"), 1);
    row("utf-8 spelled U+FFFD", "utf-8", "\xEF\xBF\xBD", QStringLiteral("\uFFFD"), 0);
    row("utf-16le", "utf-16le",
        QByteArray("\xB1\x03"
                   "a\x00",
                   4),
        QStringLiteral("αa"), 0);
    row("utf-16le lone surrogate", "utf-16le",
        QByteArray("\x00\xD8"
                   "a\x00",
                   4),
        QStringLiteral("\uFFFDa"), 1);
    row("utf-16be odd byte", "utf-16be", QByteArray("\x03\xB1\x00", 3), QStringLiteral("α\uFFFD"), 1);
    row("shift_jis", "shift_jis", "\x82\xA0", QStringLiteral("あ"), 0);
    row("euc-jp", "euc-jp", "\xA4\xA2", QStringLiteral("あ"), 0);
    row("iso-2022-jp", "iso-2022-jp", "\x1B$B$\"\x1B(B", QStringLiteral("あ"), 0);
    row("gbk", "gbk", "\xC4\xE3", QStringLiteral("你"), 0);
    row("big5", "big5", "\xA4\x40", QStringLiteral("一"), 0);
    row("euc-kr", "euc-kr", "\xB0\xA1", QStringLiteral("가"), 0);
    row("shift_jis broken sequence", "shift_jis", "a\x82", QStringLiteral("a\uFFFD"), 1);
}

void TestTextEncoding::decodersReadAsBrowsersDo()
{
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, replacements);
    const DecodedBytes decoded = decodeBytes(labelled(label), bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(int(decoded.replacements), replacements);
}

void TestTextEncoding::singleByteEncodersWriteBackEveryByte()
{
    // Every byte an encoding assigns a character to is written back as that byte.
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes += char(byte);
    for (int i = int(CharacterEncoding::Ibm866); i <= int(CharacterEncoding::XMacCyrillic); ++i) {
        const auto encoding = CharacterEncoding(i);
        const QString text = decodeBytes(encoding, allBytes).text;
        QByteArray assigned;
        QString readable;
        for (int byte = 0; byte < 256; ++byte) {
            if (text.at(byte) != QChar::ReplacementCharacter) {
                assigned += char(byte);
                readable += text.at(byte);
            }
        }
        QVERIFY2(assigned.size() > 200, encodingName(encoding).constData());
        QCOMPARE(encodeCharacters(encoding, readable), std::optional<QByteArray>(assigned));
    }
}

void TestTextEncoding::prescanFindsTheDeclaration_data()
{
    addDeclarationRows();
}

void TestTextEncoding::prescanFindsTheDeclaration()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, expected);
    QCOMPARE(nameOf(prescanEncoding(head)), expected);
}

void TestTextEncoding::decodeChoosesTheEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<bool>("malformed");

    const QString greek = QStringLiteral("Ρόδος");
    const QByteArray greek1253("\xD1\xFC\xE4\xEF\xF2");
    const QByteArray utf8Meta("<meta charset=\"utf-8\">");
    const auto row = [](const char *name, const QByteArray &bytes, const QString &text, const char *encoding,
                        bool mark, bool malformed) {
        QTest::newRow(name) << bytes << text << QByteArray(encoding) << mark << malformed;
    };
    row("utf-8 mark", "\xEF\xBB\xBF" + greek.toUtf8(), greek, "UTF-8", true, false);
    row("utf-8 mark, cut-off sequence",
        "\xEF\xBB\xBF"
        "a\xF0\x9F\x98",
        QStringLiteral("a\uFFFD"), "UTF-8", true, true);
    row("utf-16 le mark", QByteArray("\xFF\xFE\xA1\x03", 4), QStringLiteral("Ρ"), "UTF-16LE", true, false);
    row("utf-16 be mark", QByteArray("\xFE\xFF\x03\xA1", 4), QStringLiteral("Ρ"), "UTF-16BE", true, false);
    row("mark wins over a declaration", "\xEF\xBB\xBF<meta charset=koi8-r>\xCE\xB1",
        QStringLiteral("<meta charset=koi8-r>α"), "UTF-8", true, false);
    row("undeclared utf-8", greek.toUtf8(), greek, "UTF-8", false, false);
    row("undeclared windows-1253", greek1253, greek, "windows-1253", false, false);
    row("undeclared windows-1253, unassigned byte", "\xAA" + greek1253, "\uFFFD" + greek, "windows-1253",
        false, true);
    row("undeclared utf-8, two stray bytes", "\xFF" + greek.toUtf8() + "\xE9", "\uFFFD" + greek + "\uFFFD",
        "UTF-8", false, true);
    row("declared utf-8, one stray byte", utf8Meta + greek.toUtf8() + "\xB1" + greek.toUtf8(),
        QString::fromUtf8(utf8Meta) + greek + "\uFFFD" + greek, "UTF-8", false, true);
    row("declared utf-8, written in windows-1253", utf8Meta + greek1253, QString::fromUtf8(utf8Meta) + greek,
        "windows-1253", false, false);
    row("declared utf-8, windows-1253 with a pair that reads as utf-8", utf8Meta + "\xCE\xCE\xB1",
        QString::fromUtf8(utf8Meta) + QStringLiteral("ΞΞ±"), "windows-1253", false, false);
    row("declared windows-1251", "<meta charset=windows-1251>\xCF",
        QStringLiteral("<meta charset=windows-1251>П"), "windows-1251", false, false);
    row("declared latin1", "<meta charset=latin1>\x80", QStringLiteral("<meta charset=latin1>€"),
        "windows-1252", false, false);
    row("declared iso-8859-7, unassigned byte", "<meta charset=iso-8859-7>\xB6\xAE",
        QStringLiteral("<meta charset=iso-8859-7>Ά\uFFFD"), "ISO-8859-7", false, true);
    row("declared unknown label", "<meta charset=klingon>" + greek1253,
        QStringLiteral("<meta charset=klingon>") + greek, "windows-1253", false, false);
    row("declared replacement counts as none", "<meta charset=iso-2022-kr>" + greek.toUtf8(),
        QStringLiteral("<meta charset=iso-2022-kr>") + greek, "UTF-8", false, false);
    row("declaration after the first 1,024 bytes", QByteArray(1020, ' ') + "<meta charset=koi8-r>\xCF",
        QString(1020, u' ') + QStringLiteral("<meta charset=koi8-r>Ο"), "windows-1253", false, false);
    row("empty", QByteArray(), QString(), "UTF-8", false, false);
}

void TestTextEncoding::decodeChoosesTheEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, mark);
    QFETCH(bool, malformed);
    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(encodingName(decoded.encoding.encoding), encoding);
    QCOMPARE(decoded.encoding.byteOrderMark, mark);
    QCOMPARE(decoded.malformed, malformed);
    QVERIFY(!decoded.binary);
}

void TestTextEncoding::bytesWithNulAreNoText()
{
    const DecodedText picture = decodeText(QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10));
    QVERIFY(picture.binary);
    QCOMPARE(picture.text, QString());
    const DecodedText nulInUtf16 = decodeText(QByteArray("\xFF\xFE"
                                                         "a\x00\x00\x00",
                                                         6));
    QVERIFY(nulInUtf16.binary);
    QCOMPARE(nulInUtf16.text, QString());
}

void TestTextEncoding::nulCharactersAreLeftOutOfFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<int>("dropped");
    QTest::newRow("windows-1253") << QStringLiteral("<p>α\0β</p>\0") << false << 2;
    QTest::newRow("utf-8 behind its mark") << QStringLiteral("\0<p>Ж\0λ</p>") << true << 2;
    QTest::newRow("none") << QStringLiteral("<p>α</p>") << false << 0;
}

void TestTextEncoding::nulCharactersAreLeftOutOfFiles()
{
    // A NUL would make the file read as binary, and refused: whatever is written reads back as text.
    QFETCH(QString, text);
    QFETCH(bool, mark);
    QFETCH(int, dropped);
    const EncodedText encoded = encodeText(text);
    QCOMPARE(int(encoded.droppedNulCharacters), dropped);
    QCOMPARE(encoded.encoding.byteOrderMark, mark);
    const DecodedText back = decodeText(encoded.bytes);
    QVERIFY(!back.binary);
    QCOMPARE(back.text, QString(text).remove(QChar(0)));
}

void TestTextEncoding::encodeWritesTheDeclaredCharset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<QByteArray>("bytes");

    const auto row = [](const char *name, const QString &text, const char *encoding, bool mark,
                        const QByteArray &bytes) {
        QTest::newRow(name) << text << QByteArray(encoding) << mark << bytes;
    };
    const QString greekMeta =
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />");
    row("no declaration: windows-1253", QStringLiteral("Άλφα"), "windows-1253", false, "\xA2\xEB\xF6\xE1");
    row("iso-8859-7: tonos capitals differ from windows-1253", greekMeta + QStringLiteral("Άλφα"),
        "ISO-8859-7", false, greekMeta.toLatin1() + "\xB6\xEB\xF6\xE1");
    row("utf-8 declared: no mark", QStringLiteral("<meta charset=\"UTF-8\">Жα"), "UTF-8", false,
        QStringLiteral("<meta charset=\"UTF-8\">Жα").toUtf8());
    row("latin1 declared: windows-1252", QStringLiteral("<meta charset=\"ISO-8859-1\">café €"),
        "windows-1252", false, "<meta charset=\"ISO-8859-1\">caf\xE9 \x80");
    row("windows-1251 declared", QStringLiteral("<meta charset=windows-1251>Привет"), "windows-1251", false,
        "<meta charset=windows-1251>\xCF\xF0\xE8\xE2\xE5\xF2");
    row("shift_jis declared", QStringLiteral("<meta charset=shift_jis>あ"), "Shift_JIS", false,
        "<meta charset=shift_jis>\x82\xA0");
    row("utf-16 declared: utf-8", QStringLiteral("<meta charset=utf-16>α"), "UTF-8", false,
        QStringLiteral("<meta charset=utf-16>α").toUtf8());
    row("replacement declared: windows-1253", QStringLiteral("<meta charset=hz-gb-2312>α"), "windows-1253",
        false, "<meta charset=hz-gb-2312>\xE1");
    row("cyrillic without declaration: utf-8 with mark", QStringLiteral("αЖ"), "UTF-8", true,
        QStringLiteral("\uFEFFαЖ").toUtf8());
    row("windows-1253 bytes that would read as utf-8: utf-8 with mark", QStringLiteral("Ξ±"), "UTF-8", true,
        QStringLiteral("\uFEFFΞ±").toUtf8());
    row("replacement character in windows-1253: utf-8 with mark", QStringLiteral("α\uFFFD"), "UTF-8", true,
        QStringLiteral("\uFEFFα\uFFFD").toUtf8());
    row("replacement character, utf-8 declared", QStringLiteral("<meta charset=utf-8>α\uFFFD"), "UTF-8",
        false, QStringLiteral("<meta charset=utf-8>α\uFFFD").toUtf8());
    row("empty", QString(), "windows-1253", false, QByteArray());
}

void TestTextEncoding::encodeWritesTheDeclaredCharset()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, mark);
    QFETCH(QByteArray, bytes);
    const EncodedText encoded = encodeText(text);
    QCOMPARE(encodingName(encoded.encoding.encoding), encoding);
    QCOMPARE(encoded.encoding.byteOrderMark, mark);
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
