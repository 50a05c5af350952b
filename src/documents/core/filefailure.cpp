#include "documents/core/filefailure.h"

#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>

namespace {

struct ErrorReason
{
    int code;
    const char *greek;
};

// Lower case: the reasons stand inside the messages, in brackets.
const ErrorReason errorReasons[] = {
    {ENOSPC, "ο δίσκος γέμισε, δεν έχει άλλο ελεύθερο χώρο"},
    {EDQUOT, "εξαντλήθηκε ο χώρος που σου αναλογεί στον δίσκο"},
    {EFBIG, "το αρχείο ξεπερνά το μέγεθος που δέχεται ο δίσκος"},
    {EACCES, "δεν έχεις δικαίωμα πρόσβασης σε αυτό το αρχείο ή τον φάκελό του"},
    {EPERM, "η ενέργεια δεν επιτρέπεται σε αυτό το αρχείο"},
    {EROFS, "ο δίσκος δέχεται μόνο ανάγνωση, όχι εγγραφή"},
    {ENOENT, "το αρχείο ή ο φάκελός του δεν υπάρχει"},
    {ENOTDIR, "μέρος της διαδρομής δεν είναι φάκελος"},
    {EISDIR, "είναι φάκελος και όχι αρχείο"},
    {ENAMETOOLONG, "το όνομα του αρχείου είναι πολύ μεγάλο"},
    {EINVAL, "το όνομα του αρχείου δεν επιτρέπεται σε αυτόν τον δίσκο"},
    {ELOOP, "η διαδρομή κάνει κύκλο μέσα από συνδέσμους"},
    {EIO, "σφάλμα ανάγνωσης ή εγγραφής στον δίσκο"},
    {EBUSY, "το αρχείο χρησιμοποιείται από άλλο πρόγραμμα"},
    {ETXTBSY, "το αρχείο χρησιμοποιείται από άλλο πρόγραμμα"},
    {EMFILE, "είναι ανοιχτά πάρα πολλά αρχεία"},
    {ENFILE, "είναι ανοιχτά πάρα πολλά αρχεία"},
};

} // namespace

QString greekReasonForErrorCode(int errorCode)
{
    for (const ErrorReason &reason : errorReasons)
        if (reason.code == errorCode)
            return QString::fromUtf8(reason.greek);
    return QString();
}

QString fileFailureReason(const QFileDevice &file, int errorCode)
{
    const QString greek = greekReasonForErrorCode(errorCode);
    if (!greek.isEmpty())
        return greek;
    // Saving over a file that refuses writing is turned down by a check of Qt's own, with no call failing.
    const QFileInfo target(file.fileName());
    if (errorCode == 0 && file.error() == QFileDevice::WriteError && target.exists() && !target.isWritable())
        return greekReasonForErrorCode(EACCES);
    return file.errorString();
}
