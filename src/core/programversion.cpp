#include "core/programversion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

QString programVersion()
{
    return QStringLiteral(VELMARK_VERSION);
}

QString systemFamilyName()
{
    const QString kernel = QSysInfo::kernelType();
    if (kernel == QLatin1String("linux"))
        return QStringLiteral("Linux");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("Windows");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macOS");
    if (kernel == QLatin1String("freebsd"))
        return QStringLiteral("FreeBSD");
    const QString product = QSysInfo::productType();
    return product.isEmpty() || product == QLatin1String("unknown") ? kernel : product;
}

QString systemFullName()
{
    const QString pretty = QSysInfo::prettyProductName();
    if (pretty.isEmpty() || pretty.startsWith(QLatin1String("Unknown")))
        return systemFamilyName();
    return pretty;
}

QString programSizeText()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.exists() ? greekDataSize(program.size()) : QString();
}

QString greekDataSize(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 μπάιτ").arg(bytes);
    static const char *const units[] = {"KB", "MB", "GB", "TB"};
    double amount = double(bytes) / 1024;
    int unit = 0;
    // An amount that would round to 1024,0 of one unit reads as 1,0 of the next.
    while (amount >= 1023.95 && unit < 3) {
        amount /= 1024;
        ++unit;
    }
    QLocale greek(QLocale::Greek, QLocale::Greece);
    greek.setNumberOptions(QLocale::OmitGroupSeparator);
    return greek.toString(amount, 'f', 1) + QLatin1Char(' ') + QLatin1String(units[unit]);
}
