// Browsing the web in the main window: the address row's buttons, Enter in the address bar, the Help menu's
// web links, what each shows the pupil (address bar, code pane, messages) and how editing mode returns.
// Every page comes from the test's own server on 127.0.0.1.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "entermainwindow.h"
#include "localhttpserver.h"
#include "mainwindowparts.h"
#include "messagecatcher.h"
#include "pagescript.h"
#include "preview/browsingbar.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>

namespace {

constexpr int loadTimeout = 30000;
const QString noHistory = QStringLiteral("Δεν υπάρχει ιστορικό");

QByteArray page(const QString &title, const QString &body)
{
    return QStringLiteral("<html><head><title>%1</title></head><body>\n\n%2\n\n</body></html>")
        .arg(title, body)
        .toUtf8();
}

} // namespace

class BrowsingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void refusedInEditingMode_data();
    void refusedInEditingMode();
    void emptyAddressLeavesTheEditor_data();
    void emptyAddressLeavesTheEditor();
    void browsingWithTheAddressRow();
    void webLinksAndHome_data();
    void webLinksAndHome();
    void unreachableAddressShowsTheEnginesPage();
    void homeOutOfReachKeepsTheEditor();
    void typedLocalPageShowsItsPicture_data();
    void typedLocalPageShowsItsPicture();
    void typingAnAddressKeepsTheKeyboard();
    void newWindowsOpenInThePane_data();
    void newWindowsOpenInThePane();
    void pagesCannotStepBackToTheDocument_data();
    void pagesCannotStepBackToTheDocument();
    void editingAgainShowsThePupilsText_data();
    void editingAgainShowsThePupilsText();

private:
    // Types the address into the address bar and presses Enter, then waits for the page's download.
    void typeAndEnter(const QUrl &address);
    // Waits until the address bar shows the address and the code pane the page's body markup.
    void waitForPage(const QUrl &address, const QString &body);
    QToolButton *button(const char *name) const;
    // The pupil's own text, rendered: a paragraph the preview can be asked about.
    QString writePupilsText();
    // Whether the preview shows the pupil's paragraph, once it has loaded.
    bool previewShowsPupilsText();

    std::unique_ptr<ProgramWindows> m_windows;
    MainWindow *m_form = nullptr;
    std::unique_ptr<MainWindowParts> m_parts;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<MessageCatcher> m_catcher;
};

void BrowsingTest::init()
{
    m_catcher = std::make_unique<MessageCatcher>();
    m_server = std::make_unique<LocalHttpServer>();
    m_server->serve(QStringLiteral("/one.html"), "text/html; charset=utf-8",
                    page(QStringLiteral("Πρώτη"), QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>")));
    m_server->serve(QStringLiteral("/two.html"), "text/html; charset=utf-8",
                    page(QStringLiteral("Δεύτερη"), QStringLiteral("<p id=\"two\">Δεύτερη σελίδα</p>")));

    m_windows = enterMainWindow();
    QVERIFY(m_windows);
    m_form = m_windows->mainWindow();
    m_parts = std::make_unique<MainWindowParts>(m_form);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->preview->documentTitle().isEmpty(), false, loadTimeout);
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
}

void BrowsingTest::cleanup()
{
    m_parts.reset();
    m_windows.reset();
    m_server.reset();
    m_catcher.reset();
}

QToolButton *BrowsingTest::button(const char *name) const
{
    return m_form->findChild<QToolButton *>(QString::fromLatin1(name));
}

void BrowsingTest::typeAndEnter(const QUrl &address)
{
    m_parts->addressBar->clear();
    QTest::keyClicks(m_parts->addressBar, address.toString());
    QTest::keyClick(m_parts->addressBar, Qt::Key_Return);
}

void BrowsingTest::waitForPage(const QUrl &address, const QString &body)
{
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), address.toString(), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->codePane->toPlainText(), body, loadTimeout);
}

void BrowsingTest::typedLocalPageShowsItsPicture_data()
{
    QTest::addColumn<bool>("asFileAddress"); // typed as a file address rather than a path

    QTest::newRow("a path") << false;
    QTest::newRow("a file address") << true;
}

void BrowsingTest::typedLocalPageShowsItsPicture()
{
    QFETCH(bool, asFileAddress);
    QTemporaryDir folder;
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(folder.filePath(QStringLiteral("photo.png"))));
    const QString body =
        QStringLiteral("<p id=\"local\">Τοπική σελίδα</p><img id=\"photo\" src=\"photo.png\">");
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(page(QStringLiteral("Τοπική"), body));
    file.close();
    const QUrl address = QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath());

    m_parts->addressBar->clear();
    QTest::keyClicks(m_parts->addressBar, asFileAddress ? address.toString() : path);
    QTest::keyClick(m_parts->addressBar, Qt::Key_Return);

    // The address bar shows the page's file address, the code pane its markup, and its picture shows.
    waitForPage(address, body);
    QCOMPARE(evaluateInPageUntil(m_parts->preview->page(),
                                 QStringLiteral("document.getElementById('photo').naturalWidth"), 4),
             QVariant(4));
    QCOMPARE(m_parts->preview->documentTitle(), QStringLiteral("Τοπική"));

    // Back leads to the pupil's document and editing mode.
    QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), QStringLiteral("about:blank"), loadTimeout);
}

void BrowsingTest::refusedInEditingMode_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("message");

    QTest::newRow("back") << "SpeedButton2"
                          << "Δεν έχεις επισκεφθεί κάποια σελίδα στο Διαδίκτυο";
    QTest::newRow("forward") << "SpeedButton3"
                             << "Δεν έχεις επισκεφθεί κάποια σελίδα στο Διαδίκτυο";
    QTest::newRow("reload") << "SpeedButton4"
                            << "Δεν έχεις γράψει κάποια διεύθυνση σελίδας για να ανανεώσεις";
    QTest::newRow("go") << "SpeedButton5"
                        << "Δεν έχεις γράψει κάποια διεύθυνση σελίδας για να επισκεφθείς";
    QTest::newRow("Enter") << "Edit1"
                           << "Δεν έχεις γράψει τη διεύθυνση κάποιας σελίδας στο Διαδίκτυο";
}

void BrowsingTest::refusedInEditingMode()
{
    QFETCH(QString, control);
    QFETCH(QString, message);
    m_parts->graphicalSwitch->setChecked(false);
    const QString code = m_parts->codePane->toPlainText();

    if (control == QLatin1String("Edit1"))
        QTest::keyClick(m_parts->addressBar, Qt::Key_Return);
    else
        QTest::mouseClick(button(control.toLatin1().constData()), Qt::LeftButton);

    QCOMPARE(m_catcher->texts(), QStringList{message});
    QVERIFY(m_parts->graphicalSwitch->isChecked());
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
    QCOMPARE(m_parts->preview->locationUrl(), QStringLiteral("about:blank"));
    QCOMPARE(m_parts->codePane->toPlainText(), code);
}

void BrowsingTest::emptyAddressLeavesTheEditor_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");

    QTest::newRow("Enter") << "Edit1"
                           << "";
    QTest::newRow("go") << "SpeedButton5"
                        << "";
    QTest::newRow("Enter, spaces only") << "Edit1"
                                        << "   ";
}

// An empty address bar is browsing mode: Enter and go navigate to the empty address, which loads nothing, and
// leave the editor as any navigation does.
void BrowsingTest::emptyAddressLeavesTheEditor()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    // A table opened and not closed leaves a warning in the message pane and its attribute bar shown.
    QToolButton *table = nullptr;
    for (QToolButton *tag : m_form->findChildren<QToolButton *>())
        if (tag->text() == QLatin1String("<TABLE>"))
            table = tag;
    QVERIFY(table);
    QSignalSpy painted(m_parts->preview, &PreviewPane::documentPainted);
    QTest::mouseClick(table, Qt::LeftButton);
    QVERIFY(!m_parts->messagePane->isHidden());
    QVERIFY(m_parts->currentBar() && !m_parts->currentBar()->isHidden());
    const QString code = m_parts->codePane->toPlainText();
    // The click's refresh has shown the new text; from here on every load the pane starts is noted.
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), loadTimeout);
    QList<QUrl> started;
    QObject noting;
    connect(m_parts->preview->page(), &QWebEnginePage::loadingChanged, &noting,
            [&started](const QWebEngineLoadingInfo &load) {
                if (load.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                    started << load.url();
            });

    m_parts->addressBar->setText(typed);
    if (control == QLatin1String("Edit1")) {
        m_form->activateWindow();
        m_parts->addressBar->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_parts->addressBar));
        QTest::keyClick(m_parts->addressBar, Qt::Key_Return);
        // The keyboard stays in the address bar: the next keys do not land in the document.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_parts->addressBar));
    } else {
        QTest::mouseClick(button(control.toLatin1().constData()), Qt::LeftButton);
    }

    QCOMPARE(m_catcher->texts(), QStringList());
    QVERIFY(!m_parts->graphicalSwitch->isChecked());
    QVERIFY(m_parts->messagePane->isHidden());
    QCOMPARE(m_parts->messagePane->toPlainText(), QString());
    QVERIFY(m_parts->currentBar()->isHidden());
    QCOMPARE(m_parts->addressBar->text(), typed);
    QCOMPARE(m_parts->codePane->toPlainText(), code);
    // Nothing was loaded in place of the pupil's document. The engine may hold a load back for a moment, and
    // a load asked for while it waits replaces it unseen; its answer to a script in the page comes after what
    // it held back. Then a load asked for afterwards must be the first to start.
    QCOMPARE(evaluateInPage(m_parts->preview->page(), QStringLiteral("'answered'")), QVariant("answered"));
    const QUrl later = m_server->url(QStringLiteral("/one.html"));
    typeAndEnter(later);
    waitForPage(later, QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>"));
    QCOMPARE(started, QList<QUrl>{later});
}

void BrowsingTest::browsingWithTheAddressRow()
{
    const QUrl one = m_server->url(QStringLiteral("/one.html"));
    const QUrl two = m_server->url(QStringLiteral("/two.html"));
    const QString bodyOne = QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>");
    const QString bodyTwo = QStringLiteral("<p id=\"two\">Δεύτερη σελίδα</p>");
    // A table opened and not closed leaves a warning in the message pane.
    QToolButton *table = nullptr;
    for (QToolButton *tag : m_form->findChildren<QToolButton *>())
        if (tag->text() == QLatin1String("<TABLE>"))
            table = tag;
    QVERIFY(table);
    QTest::mouseClick(table, Qt::LeftButton);
    QVERIFY(!m_parts->messagePane->isHidden());
    const QString pupils = m_parts->codePane->text();

    typeAndEnter(one);
    waitForPage(one, bodyOne);
    QVERIFY(m_parts->messagePane->isHidden());
    QCOMPARE(m_parts->messagePane->toPlainText(), QString());
    QVERIFY(!m_parts->graphicalSwitch->isChecked());
    QVERIFY(m_parts->currentBar()->isHidden());

    m_parts->addressBar->setText(two.toString());
    QTest::mouseClick(button("SpeedButton5"), Qt::LeftButton);
    waitForPage(two, bodyTwo);

    QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
    waitForPage(one, bodyOne);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->codePane->toPlainText(),
                              QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>"), loadTimeout);
    QTest::mouseClick(button("SpeedButton3"), Qt::LeftButton);
    waitForPage(two, bodyTwo);

    // Nothing further forward: the steps before the failure stay done, then the message.
    m_parts->graphicalSwitch->setChecked(true);
    QTest::mouseClick(button("SpeedButton3"), Qt::LeftButton);
    QCOMPARE(m_catcher->texts(), QStringList{noHistory});
    QVERIFY(!m_parts->graphicalSwitch->isChecked());
    QVERIFY(m_parts->messagePane->isHidden());

    const qsizetype before = m_server->requests().count(QStringLiteral("/two.html"));
    QTest::mouseClick(button("SpeedButton4"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requests().count(QStringLiteral("/two.html")), before + 1,
                              loadTimeout);
    waitForPage(two, bodyTwo);
    // F5 reloads the page shown, as the reload button does, also with the keyboard in the page.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    m_parts->preview->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requests().count(QStringLiteral("/two.html")), before + 2,
                              loadTimeout);
    waitForPage(two, bodyTwo);

    // Back past the first page reaches the pupil's document: editing mode again, with the pupil's text in
    // the code pane.
    QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
    waitForPage(one, bodyOne);
    QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), QStringLiteral("about:blank"), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->codePane->text(), pupils, loadTimeout);
    QCOMPARE(m_catcher->texts(), QStringList{noHistory});

    // Putting the pupil's text back was one step: undo shows the last page's markup, redo the pupil's text.
    QTest::keyClick(m_parts->codePane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_parts->codePane->toPlainText(), bodyOne);
    QTest::keyClick(m_parts->codePane, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_parts->codePane->text(), pupils);
}

void BrowsingTest::webLinksAndHome_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reported");

    QTest::newRow("home button") << "SpeedButton1"
                                 << "/home.html"
                                 << "/home.html";
    QTest::newRow("Skolvik1") << "Skolvik1"
                              << "/skolvik.html"
                              << "/skolvik.html";
    QTest::newRow("Sch1") << "Sch1"
                          << "/sch.html"
                          << "/sch.html";
    QTest::newRow("N38 through a redirection") << "N38"
                                               << "/old/lessons/"
                                               << "/lessons/";
}

void BrowsingTest::webLinksAndHome()
{
    QFETCH(QString, control);
    QFETCH(QString, path);
    QFETCH(QString, reported);
    for (const char *address : {"/home.html", "/skolvik.html", "/sch.html", "/lessons/"}) {
        const QString served = QString::fromLatin1(address);
        m_server->serve(served, "text/html", page(served, QStringLiteral("<p>%1</p>").arg(served)));
    }
    m_server->redirect(QStringLiteral("/old/lessons/"), m_server->url(QStringLiteral("/lessons/")));
    auto *bar = m_form->findChild<BrowsingBar *>();
    QVERIFY(bar);
    bar->setAddresses(
        {m_server->url(QStringLiteral("/home.html")), m_server->url(QStringLiteral("/skolvik.html")),
         m_server->url(QStringLiteral("/sch.html")), m_server->url(QStringLiteral("/old/lessons/"))});

    if (QAction *link = m_form->findChild<QAction *>(control)) {
        link->trigger();
        // The address shows at once, before the page arrives.
        QCOMPARE(m_parts->addressBar->text(), m_server->url(path).toString());
    } else {
        QTest::mouseClick(button(control.toLatin1().constData()), Qt::LeftButton);
    }

    waitForPage(m_server->url(reported), QStringLiteral("<p>%1</p>").arg(reported));
    QVERIFY(!m_parts->graphicalSwitch->isChecked());
    QCOMPARE(m_catcher->texts(), QStringList());
}

void BrowsingTest::unreachableAddressShowsTheEnginesPage()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QUrl unreachable(QStringLiteral("http://127.0.0.1:%1/nothing.html").arg(closed.serverPort()));
    closed.close();

    typeAndEnter(unreachable);
    const QString code = m_parts->codePane->toPlainText();

    // The engine's error page arrives with the address that failed; its template is no page's markup, so the
    // code pane keeps the pupil's text (the page's markup would be asked for only after this notification).
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), unreachable.toString(), loadTimeout);
    QCOMPARE(m_parts->codePane->toPlainText(), code);
    QCOMPARE(m_catcher->texts(), QStringList());

    // The engine's page speaks Greek, like the rest of the program.
    const auto shown = std::make_shared<QString>();
    QTRY_VERIFY_WITH_TIMEOUT(
        (m_parts->preview->page()->toPlainText([shown](const QString &text) { *shown = text; }),
         shown->contains(QStringLiteral("127.0.0.1"))),
        loadTimeout);
    QVERIFY2(shown->contains(QRegularExpression(QStringLiteral("\\p{Greek}{4,}"))), qPrintable(*shown));
    QVERIFY2(!shown->contains(QStringLiteral("This site")), qPrintable(*shown));
}

// A lab without the Internet: the home button leaves neither the editor nor the pupil's page shown in the
// preview; the status bar says why, over the page's title, which the printout still takes.
void BrowsingTest::homeOutOfReachKeepsTheEditor()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QUrl home(QStringLiteral("http://127.0.0.1:%1/home.html").arg(closed.serverPort()));
    closed.close();
    auto *bar = m_form->findChild<BrowsingBar *>();
    QVERIFY(bar);
    WebAddresses addresses = bar->addresses();
    addresses.home = home;
    bar->setAddresses(addresses);

    const QString code = m_parts->codePane->text();
    const QString title = m_parts->titleBar->panelText(0);
    const QUrl shown = m_parts->preview->url();
    QVERIFY(m_parts->graphicalSwitch->isChecked());
    QTest::mouseClick(button("SpeedButton1"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!bar->reachingHome(), loadTimeout);

    const QString notice = m_parts->titleBar->notice(0);
    QCOMPARE(notice, homeUnreachableNotice(home));
    QVERIFY2(notice.contains(QStringLiteral("δεν απαντά")), qPrintable(notice));
    QCOMPARE(m_parts->titleBar->panelLabel(0)->text(), notice);
    // A screen reader reads it where it reads the panel's text.
    QCOMPARE(QAccessible::queryAccessibleInterface(m_parts->titleBar->panelLabel(0))
                 ->text(QAccessible::Description),
             notice);
    QCOMPARE(m_parts->titleBar->panelText(0), title);
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
    QCOMPARE(m_parts->codePane->text(), code);
    QVERIFY(m_parts->graphicalSwitch->isChecked());
    QCOMPARE(m_parts->preview->url(), shown);
    QCOMPARE(m_catcher->texts(), QStringList());
}

// With the switch unticked, the first key typed into the address bar ticks it and its refresh runs: the keys
// that follow still go into the address bar, never into the document.
void BrowsingTest::typingAnAddressKeepsTheKeyboard()
{
    m_parts->graphicalSwitch->setChecked(false);
    const QString document = m_parts->codePane->text();
    m_form->activateWindow();
    m_parts->addressBar->setFocus();
    m_parts->addressBar->end(false);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_parts->addressBar));
    for (const QChar c : QStringLiteral("abc"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QVERIFY(m_parts->graphicalSwitch->isChecked());
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blankabc"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_parts->addressBar));
    QCOMPARE(m_parts->codePane->text(), document);
}

void BrowsingTest::newWindowsOpenInThePane_data()
{
    QTest::addColumn<QString>("opener");

    QTest::newRow("link with a target") << "<a id=\"a\" href=\"/two.html\" target=\"_blank\">two</a>"
                                           "<script>document.getElementById('a').click();</script>";
    QTest::newRow("window.open")
        << "<script>setTimeout(function () { window.open('/two.html'); }, 100);</script>";
}

void BrowsingTest::newWindowsOpenInThePane()
{
    QFETCH(QString, opener);
    m_server->serve(QStringLiteral("/opener.html"), "text/html", page(QStringLiteral("opener"), opener));

    typeAndEnter(m_server->url(QStringLiteral("/opener.html")));

    waitForPage(m_server->url(QStringLiteral("/two.html")),
                QStringLiteral("<p id=\"two\">Δεύτερη σελίδα</p>"));
    QCOMPARE(QApplication::topLevelWidgets().count(m_form), 1);
}

QString BrowsingTest::writePupilsText()
{
    m_parts->codePane->setDocumentText(QStringLiteral("<p id=\"pupil\">Η εργασία μου</p>"));
    auto *refresh = m_form->findChild<RefreshCycle *>();
    if (!refresh)
        return QString();
    refresh->refreshWithoutInsertion();
    return m_parts->codePane->text();
}

bool BrowsingTest::previewShowsPupilsText()
{
    return evaluateInPageUntil(m_parts->preview->page(),
                               QStringLiteral("!!document.getElementById('pupil') && "
                                              "document.readyState === 'complete'"),
                               true) == QVariant(true);
}

void BrowsingTest::pagesCannotStepBackToTheDocument_data()
{
    QTest::addColumn<bool>("localFirst");   // a local page is typed before the page that tries
    QTest::addColumn<bool>("triesLocally"); // the page that tries is a local page rather than a web page
    QTest::addColumn<QString>("attempt");
    QTest::addColumn<bool>("editsAgain"); // the engine lets the page go, and the window edits again

    const QString back = QStringLiteral("history.back();");
    const QString document = QStringLiteral("location.href = 'velmark-preview://document1/';");
    QTest::newRow("a web page goes back to the pupil's document") << false << false << back << false;
    QTest::newRow("a web page goes back to a local page") << true << false << back << false;
    QTest::newRow("a local page goes back to the pupil's document") << false << true << back << false;
    QTest::newRow("a local page sends itself to the pupil's document") << false << true << document << false;
    // A refused address leaves the address bar and the title with the page.
    QTest::newRow("a local page sends itself to a system file")
        << false << true << QStringLiteral("location.href = 'file:///etc/hostname';") << false;
    // The engine asks nobody before it shows the empty page: the window then edits the pupil's text again.
    QTest::newRow("a web page sends itself to the empty page")
        << false << false << QStringLiteral("location.href = 'about:blank';") << true;
}

// Only the pupil's own steps move through the history, and no page leads the window back into editing mode by
// itself: the address bar, the title and the code pane stay with the page.
void BrowsingTest::pagesCannotStepBackToTheDocument()
{
    QFETCH(bool, localFirst);
    QFETCH(bool, triesLocally);
    QFETCH(QString, attempt);
    QFETCH(bool, editsAgain);
    QTemporaryDir folder;
    const auto writePage = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    writePage(QStringLiteral("first.html"), page(QStringLiteral("first"), QStringLiteral("<p>first</p>")));
    // The page tries once the pupil has clicked it, with the engine's leave to act for the pupil.
    const QString body =
        QStringLiteral("<p id=\"trying\">trying</p><script>addEventListener('click', function () {"
                       " setTimeout(function () { %1 }, 100);"
                       " setTimeout(function () { window.settled = true; }, 1500); });</script>")
            .arg(attempt);
    m_server->serve(QStringLiteral("/trying.html"), "text/html", page(QStringLiteral("Δοκιμή"), body));
    writePage(QStringLiteral("trying.html"), page(QStringLiteral("Δοκιμή"), body));
    const QString pupils = writePupilsText();
    QVERIFY(previewShowsPupilsText());

    if (localFirst) {
        const QUrl first =
            QUrl::fromLocalFile(QFileInfo(folder.filePath(QStringLiteral("first.html"))).canonicalFilePath());
        typeAndEnter(first);
        waitForPage(first, QStringLiteral("<p>first</p>"));
    }
    const QUrl trying =
        triesLocally ? QUrl::fromLocalFile(
                           QFileInfo(folder.filePath(QStringLiteral("trying.html"))).canonicalFilePath())
                     : m_server->url(QStringLiteral("/trying.html"));
    typeAndEnter(trying);
    waitForPage(trying, body);
    QWidget *input = m_parts->preview->focusProxy();
    QVERIFY(input);
    // The engine decides on the page's navigation (it ends one way or another) before the page is asked.
    bool decided = false;
    QObject watching;
    connect(m_parts->preview->page(), &QWebEnginePage::loadingChanged, &watching,
            [&decided](const QWebEngineLoadingInfo &info) {
                decided = decided || info.status() != QWebEngineLoadingInfo::LoadStartedStatus;
            });
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(200, 100));
    QVERIFY(QTest::qWaitFor([&decided] { return decided; }, loadTimeout));
    if (editsAgain) {
        QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), QStringLiteral("about:blank"), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(m_parts->codePane->text(), pupils, loadTimeout);
        QVERIFY(previewShowsPupilsText());
        return;
    }
    QCOMPARE(evaluateInPageUntil(m_parts->preview->page(), QStringLiteral("window.settled === true"), true),
             QVariant(true));

    QCOMPARE(m_parts->addressBar->text(), trying.toString());
    QCOMPARE(m_parts->titleBar->panelText(0), QStringLiteral("Δοκιμή"));
    QCOMPARE(m_parts->codePane->toPlainText(), body);
    QVERIFY(m_parts->codePane->text() != pupils);
}

void BrowsingTest::editingAgainShowsThePupilsText_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("the pupil's back button") << "back";
    QTest::newRow("Ctrl+Z in the code pane") << "undo";
    QTest::newRow("about:blank typed into the address bar") << "typed";
}

// Whenever the window edits again, the code pane holds the pupil's text and the preview shows it; the page's
// markup is one undo away.
void BrowsingTest::editingAgainShowsThePupilsText()
{
    QFETCH(QString, how);
    const QString pupils = writePupilsText();
    QVERIFY(previewShowsPupilsText());
    const QUrl one = m_server->url(QStringLiteral("/one.html"));
    const QUrl two = m_server->url(QStringLiteral("/two.html"));
    const QString bodyTwo = QStringLiteral("<p id=\"two\">Δεύτερη σελίδα</p>");
    typeAndEnter(one);
    waitForPage(one, QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>"));
    typeAndEnter(two);
    waitForPage(two, bodyTwo);

    if (how == QLatin1String("back")) {
        QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
        waitForPage(one, QStringLiteral("<p id=\"one\">Πρώτη σελίδα</p>"));
        QTest::mouseClick(button("SpeedButton2"), Qt::LeftButton);
    } else if (how == QLatin1String("undo")) {
        m_parts->codePane->setFocus();
        QTest::keyClick(m_parts->codePane, Qt::Key_Z, Qt::ControlModifier);
    } else {
        m_parts->addressBar->setText(QStringLiteral("about:blank"));
    }

    QTRY_COMPARE_WITH_TIMEOUT(m_parts->addressBar->text(), QStringLiteral("about:blank"), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_parts->codePane->text(), pupils, loadTimeout);
    QVERIFY(previewShowsPupilsText());
    QCOMPARE(m_catcher->texts(), QStringList());
    // The editor works again: a tag button inserts its tag.
    QToolButton *bold = nullptr;
    for (QToolButton *tag : m_form->findChildren<QToolButton *>())
        if (tag->text() == QLatin1String("<B>"))
            bold = tag;
    QVERIFY(bold);
    QTest::mouseClick(bold, Qt::LeftButton);
    QVERIFY(m_parts->codePane->text().contains(QStringLiteral("<B>"), Qt::CaseInsensitive));
}

VELMARK_WIDGET_TEST_MAIN(BrowsingTest)

#include "tst_browsing.moc"
