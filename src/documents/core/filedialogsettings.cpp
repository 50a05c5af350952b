#include "documents/core/filedialogsettings.h"

#include <QFileInfo>

QStringList nameFiltersFromPairs(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i].trimmed() + QLatin1String(" (") + parts[i + 1].trimmed() + QLatin1Char(')'));
    return filters;
}

FileDialogSettings openDialogSettings(const QString &folder)
{
    FileDialogSettings settings;
    settings.initialFolder = folder;
    settings.filters = nameFiltersFromPairs(
        QStringLiteral("Αρχεία htm |*.htm| Αρχεία html |*.html|Αρχεία php |*.php|Αρχεία κειμένου|*.txt|"
                       "Αρχεία word|*.doc|Αρχεία asp|*.asp"));
    settings.filterIndex = 1;
    settings.fileMustExist = true;
    return settings;
}

FileDialogSettings saveDialogSettings(const QString &folder)
{
    FileDialogSettings settings;
    settings.title = QStringLiteral("Αποθήκευση Ιστοσελίδας");
    settings.initialFolder = folder;
    settings.filters = nameFiltersFromPairs(
        QStringLiteral("Αρχείο html|*.html|Αρχείο κειμένου|*.txt|Αρχείο PHP|*.php|Αρχείο asp|*.asp"));
    settings.filterIndex = 0;
    settings.defaultSuffix = QStringLiteral("html");
    return settings;
}

FileDialogSettings pdfDialogSettings(const QString &folder)
{
    FileDialogSettings settings;
    settings.title = QStringLiteral("Δεν βρέθηκε εκτυπωτής: αποθήκευση της εκτύπωσης σε αρχείο PDF");
    settings.initialFolder = folder;
    settings.filters = nameFiltersFromPairs(QStringLiteral("Αρχείο PDF|*.pdf"));
    settings.defaultSuffix = QStringLiteral("pdf");
    settings.confirmOverwrite = true;
    return settings;
}

void startAtDocument(FileDialogSettings &settings, const QString &documentFile, const QString &fallbackFolder)
{
    if (documentFile.isEmpty()) {
        settings.initialFolder = fallbackFolder;
        return;
    }
    const QFileInfo file(documentFile);
    settings.initialFolder = file.absolutePath();
    settings.proposedName = file.fileName();
    const QString pattern = QLatin1String("(*.") + file.suffix() + QLatin1Char(')');
    for (qsizetype i = 0; i < settings.filters.size(); ++i) {
        if (!file.suffix().isEmpty() && settings.filters.at(i).endsWith(pattern, Qt::CaseInsensitive)) {
            settings.filterIndex = int(i);
            break;
        }
    }
}

QString withDefaultSuffix(const QString &path, const FileDialogSettings &settings)
{
    if (settings.defaultSuffix.isEmpty() || path.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(u'.'))
        return path;
    return path + QLatin1Char('.') + settings.defaultSuffix;
}
