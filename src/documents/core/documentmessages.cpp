#include "documents/core/documentmessages.h"

namespace DocumentMessages {

QString openNeedsEditor()
{
    return QStringLiteral("Για να ανοίξεις ένα αρχείο πρέπει να μεταβείς στον html Editor");
}

QString openCancelled()
{
    return QStringLiteral("Το άνοιγμα του αρχείου ακυρώθηκε");
}

QString saveCancelled()
{
    return QStringLiteral("Η αποθήκευση του αρχείου ακυρώθηκε");
}

QString saveSucceeded()
{
    return QStringLiteral("Η αποθήκευση του αρχείου πραγαμετοποιήθηκε με επιτυχία!");
}

QString replaceExisting(const QString &name)
{
    return QStringLiteral("Το αρχείο «%1» υπάρχει ήδη. Να αντικατασταθεί;").arg(name);
}

QString fileNotFound(const QString &name)
{
    return QStringLiteral("Το αρχείο «%1» δεν βρέθηκε. Ίσως μετακινήθηκε ή διαγράφηκε.").arg(name);
}

QString isFolder(const QString &name)
{
    return QStringLiteral("Το «%1» είναι φάκελος και όχι αρχείο.").arg(name);
}

QString notRegularFile(const QString &name)
{
    return QStringLiteral("Το «%1» δεν είναι κανονικό αρχείο και δεν ανοίγει.").arg(name);
}

QString tooLarge(const QString &name)
{
    return QStringLiteral("Το αρχείο «%1» είναι πολύ μεγάλο (πάνω από 50 MB) και δεν ανοίγει.").arg(name);
}

QString cannotRead(const QString &name, const QString &reason)
{
    return QStringLiteral("Το αρχείο «%1» δεν μπορεί να διαβαστεί (%2).").arg(name, reason);
}

QString notText(const QString &name)
{
    return QStringLiteral("Το αρχείο «%1» δεν είναι αρχείο κειμένου και δεν ανοίγει.").arg(name);
}

QString malformedCharacters(const QString &name)
{
    return QStringLiteral("Το αρχείο «%1» περιέχει άκυρους χαρακτήρες. Στη θέση τους εμφανίζεται το σύμβολο "
                          "\uFFFD.")
        .arg(name);
}

QString nulCharactersLeftOut(const QString &name)
{
    return QStringLiteral("Το κείμενο περιείχε αόρατους μηδενικούς χαρακτήρες (NUL, συνήθως από επικόλληση), "
                          "που δεν ανήκουν σε αρχείο κειμένου. Δεν γράφτηκαν στο αρχείο «%1».")
        .arg(name);
}

QString cannotSave(const QString &name, const QString &reason)
{
    return QStringLiteral("Η αποθήκευση του αρχείου «%1» απέτυχε (%2). Το αρχείο δεν άλλαξε.")
        .arg(name, reason);
}

QString folderMissing(const QString &folder)
{
    return QStringLiteral("ο φάκελος «%1» δεν υπάρχει").arg(folder);
}

QString folderHasThatName()
{
    return QStringLiteral("υπάρχει φάκελος με αυτό το όνομα");
}

QString pagesPrinted(int pages)
{
    return QStringLiteral("%1 σελίδες εκτυπώθηκαν").arg(pages);
}

QString printMarginsProblem()
{
    return QStringLiteral("Πρόβλημα στα όρια εκτύπωσης.");
}

QString printFailed(const QString &reason)
{
    return QStringLiteral("Η εκτύπωση απέτυχε (%1).").arg(reason);
}

QString pageNotReadyToPrint()
{
    return QStringLiteral(
        "Η σελίδα δεν ετοιμάστηκε για εκτύπωση (κάποιο σενάριό της δεν τελειώνει). Η εκτύπωση "
        "ακυρώθηκε.");
}

QString printCancelled()
{
    return QStringLiteral("Η εκτύπωση ακυρώθηκε");
}

} // namespace DocumentMessages
