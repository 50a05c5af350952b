#include "widgets/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

// Debian's Tahoma-metric faces (package fonts-wine) live outside the system's font folders; the program loads
// them itself when the system offers no Tahoma, so that captions get the widths the window was drawn for.
const char *const wineTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                       "/usr/share/wine/fonts/tahomabd.ttf"};

bool tahomaAvailable()
{
    // Asked once: the answer holds for the whole run, and every tag button's font asks.
    static const bool available = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
            return true;
        bool loaded = false;
        for (const char *path : wineTahomaFiles)
            if (QFile::exists(QString::fromLatin1(path)))
                loaded = QFontDatabase::addApplicationFont(QString::fromLatin1(path)) >= 0 || loaded;
        return loaded;
    }();
    return available;
}

// A face with full Greek coverage, for the letters the chosen face lacks and as the face when there is no
// Tahoma at all.
QString greekFace()
{
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate :
             {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"), QStringLiteral("Liberation Sans")})
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        return QFont().defaultFamily();
    }();
    return chosen;
}

// The face for text that may hold Greek: Tahoma when it has Greek letters (Windows' own does); otherwise the
// Greek face, since a Tahoma without them (Debian's) would mix two faces within one Greek word.
QString textFace()
{
    static const QString chosen =
        tahomaAvailable() &&
                QFontDatabase::writingSystems(QStringLiteral("Tahoma")).contains(QFontDatabase::Greek)
            ? QStringLiteral("Tahoma")
            : greekFace();
    return chosen;
}

QFont make(const QString &face, bool bold)
{
    QFont f;
    f.setFamilies({face, greekFace()});
    f.setBold(bold);
    return f;
}

} // namespace

namespace Fonts {

QString family()
{
    return textFace();
}

QFont pixels(int pixelHeight, bool bold)
{
    QFont f = make(textFace(), bold);
    f.setPixelSize(pixelHeight);
    return f;
}

QFont points(int pointSize, bool bold)
{
    QFont f = make(textFace(), bold);
    f.setPointSize(pointSize);
    return f;
}

QFont latinPoints(int pointSize, bool bold)
{
    QFont f = make(tahomaAvailable() ? QStringLiteral("Tahoma") : textFace(), bold);
    f.setPointSize(pointSize);
    return f;
}

} // namespace Fonts
