#pragma once

#include <QString>
#include <QVector>

// A line of the about or contact text with the look it is added in: colour (0x00BBGGRR) and weight.
struct HelpLine
{
    QString text;
    quint32 colour;
    bool bold;
};

// The texts of the about window `Form4` and the contact window `Form1`. Widget-free.
namespace HelpTexts {

// Caption of the about window.
QString aboutCaption();
// The maker's e-mail addresses as the about window's bottom label shows them, one a line.
QString aboutEmails();
// The about text: a description of the program and its characteristics, the version among them.
QVector<HelpLine> aboutText();
// Caption of the contact window: "Επικοινωνία" and the maker's e-mail addresses in parentheses.
QString contactCaption();
// What the contact window shows when the machine is offline: the maker's two e-mail addresses.
QVector<HelpLine> contactOfflineText();
// What the contact window shows when the machine is online but the contact page cannot be reached: a word on
// that, then the maker's e-mail addresses as offline and the maker's website.
QVector<HelpLine> contactUnreachableText();

} // namespace HelpTexts
