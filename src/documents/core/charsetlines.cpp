#include "documents/core/charsetlines.h"

namespace {

QString declaration(const char *charset)
{
    return QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\" />")
        .arg(QLatin1String(charset));
}

} // namespace

QString greekDeclaration()
{
    return declaration("ISO-8859-7");
}

QString latinDeclaration()
{
    return declaration("ISO-8859-1");
}

QString unicodeDeclaration()
{
    return declaration("UTF-8");
}
