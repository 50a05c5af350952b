#pragma once

#include <QByteArray>
#include <QTest>

// Pages' first bytes with the character set a browser's pre-scan finds in them (the encoding's name; empty
// for none), step by step through the way it reads markup, attributes and Content-Type values. Shared by the
// pre-scan test and the test that reads each case from a real file.
inline void addDeclarationRows()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char *name, const QByteArray &head, const char *expected) {
        QTest::newRow(name) << head << QByteArray(expected);
    };
    // The two forms of declaration.
    row("charset attribute", "<meta charset=\"windows-1251\">", "windows-1251");
    row("http-equiv and content",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />", "ISO-8859-7");
    row("content before http-equiv", "<meta content=\"text/html;charset=koi8-r\" http-equiv=content-type>",
        "KOI8-R");
    row("letter case ignored", "<META CHARSET=KOI8-R>", "KOI8-R");
    row("label from the table", "<meta charset=\"latin1\">", "windows-1252");
    row("label with white space", "<meta charset=\" sun_eu_greek \t\">", "ISO-8859-7");
    // Which metas count.
    row("content without http-equiv", "<meta content=\"text/html; charset=ISO-8859-7\">", "");
    row("another http-equiv", "<meta http-equiv=refresh content=\"5; charset=koi8-r\">", "");
    row("a second http-equiv is ignored",
        "<meta http-equiv=\"refresh\" http-equiv=\"content-type\" content=\"charset=koi8-r\">", "");
    row("a second charset is ignored", "<meta charset=\"koi8-r\" charset=\"utf-8\">", "KOI8-R");
    row("unknown charset after content",
        "<meta http-equiv=content-type content=\"charset=koi8-r\" charset=\"klingon\">", "");
    row("unknown charset before content",
        "<meta charset=\"klingon\" http-equiv=content-type content=\"charset=koi8-r\">", "");
    row("unknown label, then a known one", "<meta charset=\"klingon\"><meta charset=\"cp1253\">",
        "windows-1253");
    row("utf-16 counts as utf-8", "<meta charset=\"utf-16le\">", "UTF-8");
    row("x-user-defined counts as windows-1252", "<meta charset=x-user-defined>", "windows-1252");
    // Reading attributes.
    row("= before a name belongs to the name", "<meta =charset=\"koi8-r\">", "");
    row("blanks around =", "<meta charset = \"koi8-r\">", "KOI8-R");
    row("slash before the attributes", "<meta/charset=koi8-r>", "KOI8-R");
    row("unquoted value runs to a blank or >", "<meta charset=koi8-r/>", "");
    row("not a meta element", "<metadata charset=\"koi8-r\">", "");
    row("cut off inside the meta", "<meta charset=koi8-r", "");
    row("cut off inside a quoted value", "<meta charset=\"koi8-r", "");
    // Reading the Content-Type value.
    row("charset= with blanks", "<meta http-equiv=content-type content=\"text/html; charset = koi8-r;x\">",
        "KOI8-R");
    row("charset without = is skipped", "<meta http-equiv=content-type content=\"charset;charset=koi8-r\">",
        "KOI8-R");
    row("quoted label", "<meta http-equiv=content-type content='charset=\"koi8-r\"'>", "KOI8-R");
    row("unmatched quote", "<meta http-equiv=content-type content='charset=\"koi8-r'>", "");
    // What hides a meta and what does not.
    row("inside a comment", "<!-- <meta charset=\"koi8-r\"> --><p>", "");
    row("after an empty comment", "<!--><meta charset=koi8-r>", "KOI8-R");
    row("after a comment of three dashes", "<!---><meta charset=koi8-r>", "KOI8-R");
    row("inside an attribute value", "<p title='<meta charset=\"koi8-r\">'>", "");
    row("inside another tag", "<x<meta charset=koi8-r>", "");
    row("inside an end tag", "</p <meta charset=koi8-r>", "");
    row("after < and a non-ASCII letter", "<\xCE\xB1<meta charset=koi8-r>", "KOI8-R");
    row("after a declaration", "<!DOCTYPE html><meta charset=koi8-r>", "KOI8-R");
    row("after a processing instruction", "<?php echo '>' ?><meta charset=koi8-r>", "KOI8-R");
    // An XML declaration at the very start, when no meta declares anything.
    row("xml declaration", "<?xml version=\"1.0\" encoding=\"ISO-8859-7\"?><p>", "ISO-8859-7");
    row("xml declaration, utf-16", "<?xml version=\"1.0\" encoding='utf-16'?><p>", "UTF-8");
    row("xml declaration not at the start", " <?xml version=\"1.0\" encoding=\"ISO-8859-7\"?>", "");
    row("meta before xml declaration", "<?xml version=\"1.0\" encoding=\"ISO-8859-7\"?><meta charset=koi8-r>",
        "KOI8-R");
    row("none", "<html><head><title>x</title></head><body><p>x</p></body></html>", "");
}
