#include "widgets/qtgreektexts.h"

#include <cstring>

namespace {

struct GreekText
{
    const char *english;
    const char *greek;
};

// Qt's English texts in its file dialogs, file lists and print preview, with their Greek.
const GreekText greekTexts[] = {
    {"Look in:", "Αναζήτηση σε:"},
    {"File &name:", "Όνο&μα αρχείου:"},
    {"Files of type:", "Αρχεία τύπου:"},
    {"Open", "Άνοιγμα"},
    {"&Open", "Ά&νοιγμα"},
    {"Save", "Αποθήκευση"},
    {"&Save", "Απο&θήκευση"},
    {"Save As", "Αποθήκευση ως"},
    {"Cancel", "Άκυρο"},
    {"&Cancel", "Ά&κυρο"},
    {"Back", "Πίσω"},
    {"Forward", "Εμπρός"},
    {"Parent Directory", "Γονικός φάκελος"},
    {"Create New Folder", "Νέος φάκελος"},
    {"New Folder", "Νέος φάκελος"},
    {"&New Folder", "&Νέος φάκελος"},
    {"List View", "Προβολή λίστας"},
    {"Detail View", "Προβολή λεπτομερειών"},
    {"Sidebar", "Πλευρική στήλη"},
    {"Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    {"&Rename", "&Μετονομασία"},
    {"&Delete", "&Διαγραφή"},
    {"Name", "Όνομα"},
    {"Size", "Μέγεθος"},
    {"Type", "Τύπος"},
    {"Date Modified", "Ημερομηνία τροποποίησης"},
    {"Computer", "Υπολογιστής"},
    {"My Computer", "Ο υπολογιστής μου"},
    {"All Files (*)", "Όλα τα αρχεία (*)"},
    {"%1 already exists.\nDo you want to replace it?", "Το %1 υπάρχει ήδη.\nΝα αντικατασταθεί;"},
    {"Print Preview", "Προεπισκόπηση εκτύπωσης"},
    {"Next page", "Επόμενη σελίδα"},
    {"Previous page", "Προηγούμενη σελίδα"},
    {"First page", "Πρώτη σελίδα"},
    {"Last page", "Τελευταία σελίδα"},
    {"Fit width", "Προσαρμογή στο πλάτος"},
    {"Fit page", "Προσαρμογή στη σελίδα"},
    {"Zoom in", "Μεγέθυνση"},
    {"Zoom out", "Σμίκρυνση"},
    {"Portrait", "Κατακόρυφα"},
    {"Landscape", "Οριζόντια"},
    {"Show single page", "Μία σελίδα"},
    {"Show facing pages", "Αντικριστές σελίδες"},
    {"Show overview of all pages", "Όλες οι σελίδες"},
    {"Print", "Εκτύπωση"},
    {"Page setup", "Διαμόρφωση σελίδας"},
    {"Page Setup", "Διαμόρφωση σελίδας"},
};

} // namespace

bool QtGreekTexts::isEmpty() const
{
    return false;
}

QString QtGreekTexts::translate(const char *, const char *sourceText, const char *, int) const
{
    if (!sourceText)
        return QString();
    for (const GreekText &text : greekTexts)
        if (std::strcmp(sourceText, text.english) == 0)
            return QString::fromUtf8(text.greek);
    return QString();
}
