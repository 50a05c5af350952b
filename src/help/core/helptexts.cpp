#include "help/core/helptexts.h"

#include "core/makerinfo.h"
#include "core/programcolours.h"
#include "core/programversion.h"

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
         ProgramColours::Black, true},
        {QString(), ProgramColours::Black, true},
        {QStringLiteral("Χαρακτηριστικά:"), ProgramColours::Black, true},
        {QString(), ProgramColours::Black, true},
        {QStringLiteral(" Έκδοση: ") + programVersion(), ProgramColours::Purple, true},
        {QStringLiteral(" Μέγεθος: ") + programSizeText(), ProgramColours::Purple, true},
        {QStringLiteral(" Λειτουργικό σύστημα: ") + systemFullName(), ProgramColours::Purple, true},
        {QStringLiteral(" Κατασκευαστής: ") + MakerInfo::name(), ProgramColours::Purple, true},
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
         ProgramColours::Black, false},
        {QString(), ProgramColours::Red, true},
        {QStringLiteral(" - ") + emails.value(0), ProgramColours::Red, true},
        {QString(), ProgramColours::Red, true},
        {QStringLiteral(" - ") + emails.value(1), ProgramColours::DeepRed, true},
    };
}

QVector<HelpLine> contactUnreachableText()
{
    QVector<HelpLine> lines{
        {QStringLiteral(
             "Η σελίδα επικοινωνίας δεν είναι διαθέσιμη αυτή τη στιγμή (δεν υπάρχει σύνδεση με την "
             "ιστοσελίδα του δημιουργού)."),
         ProgramColours::Black, true},
        {QString(), ProgramColours::Black, false},
    };
    lines += contactOfflineText();
    lines += {{QString(), ProgramColours::Black, false},
              {QStringLiteral("Ιστοσελίδα: ") + MakerInfo::website(), ProgramColours::Purple, true}};
    return lines;
}

} // namespace HelpTexts
