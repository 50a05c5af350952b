#include "app/core/termstext.h"

#include "app/core/programtexts.h"
#include "core/programcolours.h"

QVector<TermsLine> termsText()
{
    const QString heading = QString(47, QLatin1Char(' ')) + QStringLiteral("Όροι χρήσης");
    return {
        {heading, ProgramColours::DarkRed, true, false, 11},
        {QString(), ProgramColours::DarkRed, true, false, 11},
        {QStringLiteral("  "), ProgramColours::DarkRed, true, false, 11},
        {QString(), ProgramColours::DarkRed, true, false, 11},
        {QStringLiteral("  Για το περιεχόμενο των ιστοσελίδων που θα δημιουργηθούν μέσω του συγκεκριμένου "
                        "προγράμματος , αποκλειστική ευθύνη φέρει ο ίδιος ο χρήστης που το χρησιμοποιεί και "
                        "όχι ο δημιουργός της εφαρμογής."),
         ProgramColours::DarkRed, true, false, 11},
        {QString(), ProgramColours::DarkRed, true, false, 11},
        {QStringLiteral("  Η εφαρμογή βρίσκεται σε δοκιμαστικό στάδιο και για τυχόν λάθη που μπορεί να "
                        "προκύψουν δεν φέρει ευθύνη ο δημιουργός της εφαρμογής."),
         ProgramColours::DarkRed, true, false, 11},
        {QString(), ProgramColours::DarkRed, true, false, 11},
        {QStringLiteral("Προγραμματιστής"), ProgramColours::Purple, false, true, 9},
        {QString(), ProgramColours::Purple, false, true, 9},
        {ProgramTexts::authorCredit(), ProgramColours::Purple, true, false, 9},
    };
}
