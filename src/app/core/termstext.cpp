#include "app/core/termstext.h"

#include "app/core/programtexts.h"

QVector<TermsLine> termsText()
{
    constexpr quint32 darkRed = 168;
    constexpr quint32 violet = 0x800040;
    const QString heading = QString(47, QLatin1Char(' ')) + QStringLiteral("Όροι χρήσης");
    return {
        {heading, darkRed, true, false, 11},
        {QString(), darkRed, true, false, 11},
        {QStringLiteral("  "), darkRed, true, false, 11},
        {QString(), darkRed, true, false, 11},
        {QStringLiteral("  Για το περιεχόμενο των ιστοσελίδων που θα δημιουργηθούν μέσω του συγκεκριμένου "
                        "προγράμματος , αποκλειστική ευθύνη φέρει ο ίδιος ο χρήστης που το χρησιμοποιεί και "
                        "όχι ο δημιουργός της εφαρμογής."),
         darkRed, true, false, 11},
        {QString(), darkRed, true, false, 11},
        {QStringLiteral("  Η εφαρμογή βρίσκεται σε δοκιμαστικό στάδιο και για τυχόν λάθη που μπορεί να "
                        "προκύψουν δεν φέρει ευθύνη ο δημιουργός της εφαρμογής."),
         darkRed, true, false, 11},
        {QString(), darkRed, true, false, 11},
        {QStringLiteral("Προγραμματιστής"), violet, false, true, 9},
        {QString(), violet, false, true, 9},
        {ProgramTexts::authorCredit(), violet, true, false, 9},
    };
}
