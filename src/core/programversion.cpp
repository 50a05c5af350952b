#include "core/programversion.h"

QString programVersion()
{
    return QStringLiteral(VELMARK_VERSION);
}
