#include "documents/filedialogspec.h"

#include <QFileInfo>

QStringList nameFiltersFromPairs(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i].trimmed() + QLatin1String(" (") + parts[i + 1].trimmed() + QLatin1Char(')'));
    return filters;
}

FileDialogSpec openDialogSpec(const QString &folder)
{
    FileDialogSpec spec;
    spec.initialFolder = folder;
    spec.filters = nameFiltersFromPairs(
        QStringLiteral("Αρχεία htm |*.htm| Αρχεία html |*.html|Αρχεία php |*.php|Αρχεία κειμένου|*.txt|"
                       "Αρχεία word|*.doc|Αρχεία asp|*.asp"));
    spec.filterIndex = 1;
    spec.fileMustExist = true;
    return spec;
}

FileDialogSpec saveDialogSpec(const QString &folder)
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Αποθήκευση Ιστοσελίδας");
    spec.initialFolder = folder;
    spec.filters = nameFiltersFromPairs(
        QStringLiteral("Αρχείο html|*.html|Αρχείο κειμένου|*.txt|Αρχείο PHP|*.php|Αρχείο asp|*.asp"));
    spec.filterIndex = 0;
    spec.defaultSuffix = QStringLiteral("html");
    return spec;
}

FileDialogSpec pdfDialogSpec(const QString &folder)
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Δεν βρέθηκε εκτυπωτής: αποθήκευση της εκτύπωσης σε αρχείο PDF");
    spec.initialFolder = folder;
    spec.filters = nameFiltersFromPairs(QStringLiteral("Αρχείο PDF|*.pdf"));
    spec.defaultSuffix = QStringLiteral("pdf");
    spec.confirmOverwrite = true;
    return spec;
}

QString withDefaultSuffix(const QString &path, const FileDialogSpec &spec)
{
    if (spec.defaultSuffix.isEmpty() || path.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(u'.'))
        return path;
    return path + QLatin1Char('.') + spec.defaultSuffix;
}
