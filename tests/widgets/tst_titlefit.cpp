// Titles that fit: the window manager draws a window's title in a bold face beside its icon and buttons and
// cuts it short in a narrow window. Message boxes with a short text and the program's windows are wide enough
// for their whole titles; a box whose text is wider keeps the width of its text.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "widgets/messages.h"
#include "widgettestmain.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

// The width a title bar needs for the title in the bold face of the program's font, with the window's icon
// and the minimise, maximise and close buttons beside it (each about a line high).
int leastTitleBarWidth(const QString &title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 5 * metrics.height();
}

} // namespace

class TitleFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The program's own message box, as the pupil meets it: answered with OK as soon as it shows.
    void showMessageFitsItsTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("short text") << QStringLiteral("Εντάξει");
        QTest::newRow("no text") << QString();
    }
    void showMessageFitsItsTitle()
    {
        QFETCH(QString, text);
        QString title;
        int width = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            title = box->windowTitle();
            width = box->width();
            box->accept();
        });
        poll.start(10);
        showMessage(nullptr, text);
        QCOMPARE(title, QApplication::applicationName());
        QVERIFY2(width >= leastTitleBarWidth(title),
                 qPrintable(QStringLiteral("%1 < %2").arg(width).arg(leastTitleBarWidth(title))));
    }

    // A text wider than the title sets the width, as it would without the room for the title.
    void longTextKeepsItsWidth()
    {
        const QString text =
            QStringLiteral("Η ιστοσελίδα δεν βρέθηκε· ελέγξτε τη διεύθυνση και δοκιμάστε ξανά, ή "
                           "επιλέξτε άλλη ιστοσελίδα από τη λίστα.");
        QMessageBox plain(QMessageBox::Information, QStringLiteral("Μήνυμα"), text, QMessageBox::Ok);
        plain.show();
        QMessageBox roomy(QMessageBox::Information, QStringLiteral("Μήνυμα"), text, QMessageBox::Ok);
        makeRoomForTitle(roomy);
        roomy.show();
        QVERIFY(plain.width() > leastTitleBarWidth(plain.windowTitle()));
        QCOMPARE(roomy.width(), plain.width());
    }

    // Each window of the program as it first opens, with the faces installed here.
    void windowsFitTheirTitles()
    {
        ProgramWindows windows;
        const QList<QWidget *> titled{windows.startupWindow(), windows.mainWindow(), windows.aboutWindow(),
                                      windows.contactWindow(), windows.presentationWindow()};
        for (QWidget *window : titled) {
            QVERIFY(!window->windowTitle().isEmpty());
            QVERIFY2(window->width() >= leastTitleBarWidth(window->windowTitle()),
                     qPrintable(QStringLiteral("%1: %2 < %3")
                                    .arg(window->windowTitle())
                                    .arg(window->width())
                                    .arg(leastTitleBarWidth(window->windowTitle()))));
        }
    }
};

VELMARK_WIDGET_TEST_MAIN(TitleFitTest)
#include "tst_titlefit.moc"
