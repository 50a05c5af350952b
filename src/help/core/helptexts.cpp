#include "help/core/helptexts.h"

#include "core/makerinfo.h"
#include "core/programversion.h"

namespace {
constexpr quint32 black = 0;
constexpr quint32 purple = 0x800040;
constexpr quint32 red = 215;
constexpr quint32 darkRed = 169;
} // namespace

namespace HelpTexts {

QString aboutCaption()
{
    return QStringLiteral("Σχετικά με τον Velmark Html Editor-Browser");
}

QString aboutEmails()
{
    return MakerInfo::emails().join(QLatin1Char('\n'));
}

QVector<HelpLine> aboutText()
{
    return {
        {QStringLiteral(
             "Το πρόγραμμα Velmark Html Editor-Browser έχει δημιουργηθεί για να βοηθήσει τους "
             "μαθητές να κατανοήσουν τη δομή και τον τρόπο σύνταξης των βασικών εντολών της γλώσσας "
             "κατασκευής ιστοσελίδων html."),
         black, true},
        {QString(), black, true},
        {QStringLiteral("Χαρακτηριστικά:"), black, true},
        {QString(), black, true},
        {QStringLiteral(" Έκδοση: ") + programVersion(), purple, true},
        {QStringLiteral(" Μέγεθος: ") + programSizeText(), purple, true},
        {QStringLiteral(" Λειτουργικό σύστημα: ") + systemFullName(), purple, true},
        {QStringLiteral(" Κατασκευαστής: ") + MakerInfo::name(), purple, true},
    };
}

QString contactCaption()
{
    return QStringLiteral("Επικοινωνία (") + MakerInfo::emails().join(QStringLiteral(" , ")) +
           QLatin1Char(')');
}

QVector<HelpLine> contactOfflineText()
{
    const QStringList emails = MakerInfo::emails();
    return {
        {QStringLiteral("Μπορείτε να επικοινωνήσετε με τον ") + MakerInfo::contactPerson() +
             QStringLiteral(" στα παρακάτω email"),
         black, false},
        {QString(), red, true},
        {QStringLiteral(" - ") + emails.value(0), red, true},
        {QString(), red, true},
        {QStringLiteral(" - ") + emails.value(1), darkRed, true},
    };
}

QVector<HelpLine> contactUnreachableText()
{
    QVector<HelpLine> lines{
        {QStringLiteral(
             "Η σελίδα επικοινωνίας δεν είναι διαθέσιμη αυτή τη στιγμή (δεν υπάρχει σύνδεση με την "
             "ιστοσελίδα του δημιουργού)."),
         black, true},
        {QString(), black, false},
    };
    lines += contactOfflineText();
    lines +=
        {{QString(), black, false}, {QStringLiteral("Ιστοσελίδα: ") + MakerInfo::website(), purple, true}};
    return lines;
}

} // namespace HelpTexts
