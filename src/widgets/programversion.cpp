#include "widgets/programversion.h"

QString programVersion()
{
    return QStringLiteral(VELMARK_VERSION);
}
