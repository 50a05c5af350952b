// The widget-free rules of browsing: which navigations of the pane go on, which "new windows" open, which
// local files pages get.
#include "preview/core/browsingrules.h"

#include <QTest>

Q_DECLARE_METATYPE(NavigationKind)

class TestBrowsingRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigation_data();
    void navigation();
    void previewAddresses_data();
    void previewAddresses();
    void newWindow_data();
    void newWindow();
    void localFiles_data();
    void localFiles();
    void typedAddresses_data();
    void typedAddresses();
    void foldersPagesMayShow_data();
    void foldersPagesMayShow();
};

void TestBrowsingRules::navigation_data()
{
    QTest::addColumn<bool>("showsPreview");
    QTest::addColumn<bool>("mainFrame");
    QTest::addColumn<NavigationKind>("kind");
    QTest::addColumn<bool>("programAsked");
    QTest::addColumn<bool>("pupilActed");
    QTest::addColumn<bool>("approvedInFlight");
    QTest::addColumn<bool>("leadsToDocument");
    QTest::addColumn<bool>("allowed");

    using K = NavigationKind;
    QTest::newRow("preview: the program's own load")
        << true << true << K::Typed << false << false << false << false << true;
    QTest::newRow("preview: script sets the location")
        << true << true << K::LinkOrForm << false << false << false << false << false;
    QTest::newRow("preview: other navigation by itself")
        << true << true << K::Other << false << false << false << false << false;
    QTest::newRow("preview: meta refresh")
        << true << true << K::Redirect << false << false << false << false << false;
    QTest::newRow("preview: history step by script")
        << true << true << K::BackForward << false << false << false << false << false;
    QTest::newRow("preview: reload by script")
        << true << true << K::Reload << false << false << false << false << false;
    QTest::newRow("preview: the pupil clicks a link")
        << true << true << K::LinkOrForm << false << true << false << false << true;
    QTest::newRow("preview: the pupil's click runs a script")
        << true << true << K::Other << false << true << false << false << true;
    QTest::newRow("preview: server redirect of an accepted load")
        << true << true << K::Redirect << false << false << true << false << true;
    QTest::newRow("preview: back button of the address row")
        << true << true << K::BackForward << true << false << false << false << true;
    QTest::newRow("preview: a frame navigates by itself")
        << true << false << K::LinkOrForm << false << false << false << false << true;
    QTest::newRow("web page: script sets the location")
        << false << true << K::LinkOrForm << false << false << false << false << true;
    QTest::newRow("web page: meta refresh")
        << false << true << K::Redirect << false << false << false << false << true;
    QTest::newRow("web page: history step by script")
        << false << true << K::BackForward << false << false << false << false << false;
    QTest::newRow("web page: history step of a link the pupil clicks")
        << false << true << K::BackForward << false << true << false << false << true;
    QTest::newRow("web page: back button of the address row to the pupil's document")
        << false << true << K::BackForward << true << false << false << true << true;
    QTest::newRow("web page: a link the pupil clicks back to the pupil's document")
        << false << true << K::BackForward << false << true << false << true << false;
    QTest::newRow("local page: script sets the location to the pupil's document")
        << false << true << K::Other << false << false << false << true << false;
    QTest::newRow("web page: the program loads the pupil's document")
        << false << true << K::Typed << false << false << false << true << true;
    QTest::newRow("web page: a frame goes back by itself")
        << false << false << K::BackForward << false << false << false << false << true;
}

void TestBrowsingRules::navigation()
{
    QFETCH(bool, showsPreview);
    QFETCH(bool, mainFrame);
    QFETCH(NavigationKind, kind);
    QFETCH(bool, programAsked);
    QFETCH(bool, pupilActed);
    QFETCH(bool, approvedInFlight);
    QFETCH(bool, leadsToDocument);
    QFETCH(bool, allowed);

    NavigationRequest request;
    request.showsPreview = showsPreview;
    request.isMainFrame = mainFrame;
    request.kind = kind;
    request.programAsked = programAsked;
    request.pupilActed = pupilActed;
    request.approvedInFlight = approvedInFlight;
    request.leadsToDocument = leadsToDocument;
    QCOMPARE(navigationAllowed(request), allowed);
}

void TestBrowsingRules::previewAddresses_data()
{
    QTest::addColumn<NavigationKind>("kind");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("reachable");

    using K = NavigationKind;
    const QString web = QStringLiteral("http://127.0.0.1/page.html");
    QTest::newRow("the program's load") << K::Typed << web << true;
    QTest::newRow("a history step") << K::BackForward << web << true;
    QTest::newRow("a reload") << K::Reload << web << true;
    QTest::newRow("a document's link") << K::LinkOrForm << "velmark-preview://document3/" << true;
    QTest::newRow("a local page's link") << K::LinkOrForm << "velmark-preview://page2/a.html" << true;
    QTest::newRow("redirected from a local file") << K::Redirect << "file:///tmp/site/a.html" << true;
    QTest::newRow("a web page's link") << K::LinkOrForm << web << false;
    QTest::newRow("a web page's script") << K::Other << "https://127.0.0.1/" << false;
    QTest::newRow("redirected by a web server") << K::Redirect << web << false;
    QTest::newRow("redirected from an unknown address") << K::Redirect << "" << false;
}

void TestBrowsingRules::previewAddresses()
{
    QFETCH(NavigationKind, kind);
    QFETCH(QString, from);
    QFETCH(bool, reachable);

    QCOMPARE(previewAddressReachable(kind, QUrl(from)), reachable);
}

void TestBrowsingRules::newWindow_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("showsPreview");
    QTest::addColumn<bool>("userInitiated");
    QTest::addColumn<bool>("allowed");

    const QString preview = QStringLiteral("velmark-preview://document3/");
    const QString web = QStringLiteral("http://127.0.0.1/page.html");
    QTest::newRow("preview, pupil's click, web page") << web << preview << true << true << true;
    QTest::newRow("preview, script by itself") << web << preview << true << false << false;
    QTest::newRow("preview, pupil's click, local page")
        << "file:///tmp/a.html" << preview << true << true << true;
    QTest::newRow("web page, web page") << web << web << false << false << true;
    QTest::newRow("web page, local file") << "file:///etc/passwd" << web << false << true << false;
    QTest::newRow("local page, local file") << "file:///tmp/b.html"
                                            << "file:///tmp/a.html" << false << true << true;
    QTest::newRow("web page, data address") << "data:text/html,<p>x</p>" << web << false << true << false;
    QTest::newRow("web page, script address") << "javascript:alert(1)" << web << false << true << false;
}

void TestBrowsingRules::newWindow()
{
    QFETCH(QString, target);
    QFETCH(QString, current);
    QFETCH(bool, showsPreview);
    QFETCH(bool, userInitiated);
    QFETCH(bool, allowed);

    QCOMPARE(newWindowAllowed(QUrl(target), QUrl(current), showsPreview, userInitiated), allowed);
}

void TestBrowsingRules::localFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("initiator");
    QTest::addColumn<QString>("firstParty");
    QTest::addColumn<bool>("element");
    QTest::addColumn<bool>("mainFrame");
    QTest::addColumn<bool>("allowed");

    const QString preview = QStringLiteral("velmark-preview://document3");
    const QString previewPage = QStringLiteral("velmark-preview://document3/");
    const QString inside = QStringLiteral("/home/pupil/site/cat.png");
    QTest::newRow("preview shows a picture of the folder")
        << inside << preview << previewPage << true << false << true;
    QTest::newRow("preview reads a file of the folder")
        << inside << preview << previewPage << false << false << false;
    QTest::newRow("preview shows a file outside the folder")
        << "/home/pupil/.ssh/id_rsa" << preview << previewPage << true << false << false;
    QTest::newRow("a folder whose name begins like the allowed one")
        << "/home/pupil/site-private/a.png" << preview << previewPage << true << false << false;
    QTest::newRow("a missing file") << "" << preview << previewPage << true << false << false;
    QTest::newRow("a hidden file of the folder")
        << "/home/pupil/site/.token" << preview << previewPage << true << false << false;
    QTest::newRow("a file in a hidden folder below")
        << "/home/pupil/site/pics/.cache/cat.png" << preview << previewPage << true << false << false;
    QTest::newRow("a picture in an ordinary subfolder")
        << "/home/pupil/site/pics/cat.png" << preview << previewPage << true << false << true;
    QTest::newRow("the folder itself")
        << "/home/pupil/site" << preview << previewPage << true << false << false;
    QTest::newRow("local page shows a picture beside it")
        << inside << "file://"
        << "file:///home/pupil/site/index.html" << true << false << true;
    QTest::newRow("web page shows a local picture") << inside << "http://127.0.0.1:8080"
                                                    << "http://127.0.0.1/" << true << false << false;
    QTest::newRow("frame of an opaque origin inside a web page")
        << inside << ""
        << "http://127.0.0.1/" << true << false << false;
    QTest::newRow("web page follows a link to a local page")
        << inside << "http://127.0.0.1:8080"
        << "file:///home/pupil/site/cat.png" << true << true << false;
    QTest::newRow("the pupil types a local address") << "/etc/hostname"
                                                     << ""
                                                     << "file:///etc/hostname" << true << true << true;
    QTest::newRow("preview's link to a local page outside the folder")
        << "/etc/hostname" << preview << "file:///etc/hostname" << true << true << false;
}

void TestBrowsingRules::localFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, initiator);
    QFETCH(QString, firstParty);
    QFETCH(bool, element);
    QFETCH(bool, mainFrame);
    QFETCH(bool, allowed);

    LocalFileRequest request;
    request.canonicalPath = path;
    request.initiator = QUrl(initiator);
    request.firstParty = QUrl(firstParty);
    request.loadsAsElement = element;
    request.isMainFrame = mainFrame;
    request.allowedFolder = QStringLiteral("/home/pupil/site");
    QCOMPARE(localFileRequestAllowed(request), allowed);
}

void TestBrowsingRules::typedAddresses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address");

    QTest::newRow("full address") << "http://127.0.0.1:8080/a.html"
                                  << "http://127.0.0.1:8080/a.html";
    QTest::newRow("without a scheme") << "www.example.org/lessons/"
                                      << "http://www.example.org/lessons/";
    QTest::newRow("surrounding spaces") << "  127.0.0.1:81/  "
                                        << "http://127.0.0.1:81/";
    QTest::newRow("local path") << "/tmp/page.html"
                                << "file:///tmp/page.html";
    QTest::newRow("empty") << ""
                           << "";
}

void TestBrowsingRules::typedAddresses()
{
    QFETCH(QString, typed);
    QFETCH(QString, address);
    QCOMPARE(addressFromTypedText(typed).toString(), address);
}

void TestBrowsingRules::foldersPagesMayShow_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("a folder of the pupil's") << "/home/pupil/site" << true;
    QTest::newRow("a folder deep below home") << "/home/pupil/Documents/lesson 3" << true;
    QTest::newRow("a hidden folder the pupil saved in") << "/home/pupil/.config/app" << false;
    QTest::newRow("a temporary folder") << "/tmp/lesson" << true;
    QTest::newRow("a web server's folder") << "/var/www/html" << true;
    QTest::newRow("the home folder") << "/home/pupil" << false;
    QTest::newRow("the root") << "/" << false;
    QTest::newRow("a folder right below the root") << "/tmp" << false;
    QTest::newRow("system configuration") << "/etc" << false;
    QTest::newRow("below system configuration") << "/etc/ssl/private" << false;
    QTest::newRow("kernel files") << "/proc/self" << false;
    QTest::newRow("devices") << "/dev/disk" << false;
    QTest::newRow("no folder") << "" << false;
}

void TestBrowsingRules::foldersPagesMayShow()
{
    QFETCH(QString, folder);
    QFETCH(bool, allowed);
    QCOMPARE(folderMayBeShown(folder, QStringLiteral("/home/pupil")), allowed);
}

QTEST_GUILESS_MAIN(TestBrowsingRules)

#include "tst_browsingrules.moc"
