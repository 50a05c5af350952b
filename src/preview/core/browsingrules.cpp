#include "preview/core/browsingrules.h"

#include "core/makerinfo.h"

#include <QRegularExpression>

namespace {

bool isLocalScheme(const QString &scheme)
{
    return scheme.isEmpty() || scheme == QLatin1String("file") || scheme == previewSchemeName() ||
           scheme == QLatin1String("about");
}

} // namespace

bool isEditingAddress(const QString &addressBarText)
{
    return addressBarText == editingAddress();
}

QString editingAddress()
{
    return QStringLiteral("about:blank");
}

QString refusalMessage(BrowsingCommand command)
{
    switch (command) {
    case BrowsingCommand::Home:
        return QString();
    case BrowsingCommand::Back:
    case BrowsingCommand::Forward:
        return QStringLiteral("Δεν έχεις επισκεφθεί κάποια σελίδα στο Διαδίκτυο");
    case BrowsingCommand::Reload:
        return QStringLiteral("Δεν έχεις γράψει κάποια διεύθυνση σελίδας για να ανανεώσεις");
    case BrowsingCommand::Go:
        return QStringLiteral("Δεν έχεις γράψει κάποια διεύθυνση σελίδας για να επισκεφθείς");
    case BrowsingCommand::Enter:
        return QStringLiteral("Δεν έχεις γράψει τη διεύθυνση κάποιας σελίδας στο Διαδίκτυο");
    }
    return QString();
}

QString noHistoryMessage()
{
    return QStringLiteral("Δεν υπάρχει ιστορικό");
}

BrowsingButtonText browsingButtonText(BrowsingCommand command)
{
    switch (command) {
    case BrowsingCommand::Home:
        return {QStringLiteral("Αρχική σελίδα"),
                QStringLiteral("Αρχική σελίδα: η ιστοσελίδα του δημιουργού (αφήνεις τον editor)")};
    case BrowsingCommand::Back:
        return {QStringLiteral("Πίσω"), QStringLiteral("Πίσω: η προηγούμενη σελίδα που επισκέφθηκες")};
    case BrowsingCommand::Forward:
        return {QStringLiteral("Εμπρός"), QStringLiteral("Εμπρός: η επόμενη σελίδα που επισκέφθηκες")};
    case BrowsingCommand::Reload:
        return {QStringLiteral("Ανανέωση"), QStringLiteral("Ανανέωση: η σελίδα φορτώνεται ξανά")};
    case BrowsingCommand::Go:
        return {QStringLiteral("Μετάβαση"),
                QStringLiteral("Μετάβαση: άνοιγμα της διεύθυνσης που έγραψες (όπως με το Enter)")};
    case BrowsingCommand::Enter:
        break;
    }
    return {};
}

QString homeUnreachableNotice(const QUrl &home)
{
    return QStringLiteral("Η αρχική σελίδα (%1) δεν απαντά: μένεις στον editor με τη σελίδα σου.")
        .arg(home.host().isEmpty() ? home.toDisplayString() : home.host());
}

bool schemeShownInPane(const QString &scheme)
{
    static const QStringList shown = {
        QStringLiteral("http"),       QStringLiteral("https"),        QStringLiteral("file"),
        QStringLiteral("about"),      QStringLiteral("data"),         QStringLiteral("blob"),
        QStringLiteral("filesystem"), QStringLiteral("chrome-error"), previewSchemeName()};
    return shown.contains(scheme.toLower());
}

QString otherProgramMessage(const QUrl &address)
{
    return QStringLiteral("Η διεύθυνση δεν ανοίγει σε αυτό το πρόγραμμα: %1").arg(address.toDisplayString());
}

WebAddresses programWebAddresses()
{
    return {QUrl(MakerInfo::website()), QUrl(MakerInfo::website()), QUrl(MakerInfo::schoolNetworkPage()),
            QUrl(MakerInfo::lessonsPage())};
}

QUrl addressFromTypedText(const QString &text)
{
    return QUrl::fromUserInput(text.trimmed());
}

bool navigationAllowed(const NavigationRequest &request)
{
    if (!request.isMainFrame)
        return true;
    const bool step = request.kind == NavigationKind::BackForward || request.kind == NavigationKind::Reload;
    const bool programs = request.kind == NavigationKind::Typed || (step && request.programAsked);
    if (request.leadsToDocument && !request.showsPreview && !programs)
        return false;
    if (request.kind == NavigationKind::BackForward && !request.programAsked && !request.pupilActed)
        return false;
    if (!request.showsPreview)
        return true;
    switch (request.kind) {
    case NavigationKind::Typed:
        return true;
    case NavigationKind::BackForward:
    case NavigationKind::Reload:
        return request.programAsked || request.pupilActed;
    case NavigationKind::Redirect:
        return request.approvedInFlight;
    case NavigationKind::LinkOrForm:
    case NavigationKind::Other:
        return request.pupilActed;
    }
    return false;
}

bool previewAddressReachable(NavigationKind kind, const QUrl &from)
{
    switch (kind) {
    case NavigationKind::Typed:
    case NavigationKind::BackForward:
    case NavigationKind::Reload:
        return true;
    case NavigationKind::Redirect:
    case NavigationKind::LinkOrForm:
    case NavigationKind::Other:
        break;
    }
    return from.isValid() && isLocalScheme(from.scheme());
}

bool newWindowAllowed(const QUrl &target, const QUrl &current, bool showsPreview, bool userInitiated)
{
    if (showsPreview && !userInitiated)
        return false;
    const QString scheme = target.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return true;
    return target.isLocalFile() && (showsPreview || current.isLocalFile());
}

bool localFileRequestAllowed(const LocalFileRequest &request)
{
    if (!request.loadsAsElement || !isLocalScheme(request.firstParty.scheme()))
        return false;
    if (!request.initiator.isEmpty() && !isLocalScheme(request.initiator.scheme()))
        return false;
    if (request.isMainFrame && request.initiator.isEmpty())
        return true;
    return fileMayBeShown(request.canonicalPath, request.allowedFolder);
}

bool pathInsideFolder(const QString &canonicalPath, const QString &canonicalFolder)
{
    if (canonicalPath == canonicalFolder)
        return true;
    const QString prefix =
        canonicalFolder.endsWith(u'/') ? canonicalFolder : canonicalFolder + QLatin1Char('/');
    return canonicalPath.startsWith(prefix);
}

bool folderMayBeShown(const QString &canonicalFolder, const QString &canonicalHome)
{
    if (!canonicalFolder.startsWith(u'/') || canonicalFolder == canonicalHome)
        return false;
    const QStringList parts = canonicalFolder.split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return false;
    static const QStringList systemFolders = {QStringLiteral("etc"),  QStringLiteral("proc"),
                                              QStringLiteral("sys"),  QStringLiteral("dev"),
                                              QStringLiteral("boot"), QStringLiteral("run")};
    if (systemFolders.contains(parts.first()))
        return false;
    for (const QString &name : parts)
        if (name.startsWith(u'.'))
            return false;
    return true;
}

bool fileMayBeShown(const QString &canonicalPath, const QString &canonicalFolder)
{
    if (canonicalPath.isEmpty() || canonicalFolder.isEmpty() || canonicalPath == canonicalFolder ||
        !pathInsideFolder(canonicalPath, canonicalFolder))
        return false;
    const QStringList below = canonicalPath.mid(canonicalFolder.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &name : below)
        if (name.startsWith(u'.'))
            return false;
    return true;
}

QString previewSchemeName()
{
    return QStringLiteral("velmark-preview");
}

bool isPreviewUrl(const QUrl &url)
{
    return url.scheme() == previewSchemeName();
}

bool isPreviewDocumentUrl(const QUrl &url)
{
    static const QRegularExpression host(QStringLiteral("^document[0-9]+$"));
    return isPreviewUrl(url) && host.match(url.host()).hasMatch();
}

bool isPreviewDocumentAddress(const QUrl &url)
{
    return isPreviewDocumentUrl(url) && url.path() == QLatin1String("/");
}

bool standsForPupilsDocument(const QUrl &url)
{
    return isPreviewDocumentUrl(url) || url.scheme() == QLatin1String("about");
}
