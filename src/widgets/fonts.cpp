#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

QString family()
{
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Noto Sans"), QStringLiteral("Liberation Sans")})
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        return QFont().defaultFamily();
    }();
    return chosen;
}

QFont pixels(int pixelHeight, bool bold)
{
    QFont f(family());
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

QFont points(int pointSize, bool bold)
{
    QFont f(family());
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace Fonts
