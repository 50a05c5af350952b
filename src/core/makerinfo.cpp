#include "core/makerinfo.h"

namespace MakerInfo {

QString name()
{
    return QStringLiteral("Ομάδα ανάπτυξης Velmark");
}

QString contactPerson()
{
    return QStringLiteral("υπεύθυνο της ομάδας ανάπτυξης Velmark");
}

QStringList emails()
{
    return {QStringLiteral("velmark@example.org"), QStringLiteral("velmark.school@example.org")};
}

QString website()
{
    return QStringLiteral("https://velmark.example.org/");
}

QString lessonsPage()
{
    return website() + QStringLiteral("lessons/");
}

QString schoolNetworkPage()
{
    return QStringLiteral("https://users.sch.velmark.example.org/velmark/");
}

QString contactPage()
{
    return website() + QStringLiteral("velmarkmail.php");
}

} // namespace MakerInfo
