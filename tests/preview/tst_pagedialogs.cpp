// A page's dialogs: Greek, naming the page, silenced on request, never holding up the pupil's refresh or the
// rest of the program.
#include "pagescript.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QtTest>

namespace {

constexpr int loadTimeout = 30000;

// The page dialog on screen, if any.
QMessageBox *openDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("pageDialog") && w->isVisible())
            return qobject_cast<QMessageBox *>(w);
    return nullptr;
}

} // namespace

class PageDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alertsAreGreekAndCanBeSilenced()
    {
        PreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        // Dialogs are answered from a timer, as a pupil would: the page waits for each answer.
        QStringList seen;
        bool offeredSilence = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QMessageBox *box = openDialog();
            if (!box)
                return;
            seen << box->text() + QLatin1Char('|') + box->informativeText();
            if (QCheckBox *silence = box->checkBox()) {
                offeredSilence = true;
                silence->setChecked(true);
            }
            box->buttons().constFirst()->click();
        });
        answer.start(20);
        pane.renderHtml(QStringLiteral("<title>Δοκιμή</title><script>"
                                       "for (let i = 0; i < 50; ++i) alert('μήνυμα ' + i);"
                                       "document.title = 'done';</script>"));
        QCOMPARE(evaluateInPageUntil(pane.page(), QStringLiteral("document.title"), QStringLiteral("done"),
                                     loadTimeout),
                 QVariant(QStringLiteral("done")));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], QStringLiteral("Η ιστοσελίδα «Δοκιμή» λέει:|μήνυμα 0"));
        QVERIFY(offeredSilence);
    }

    // Each prompt shows its answer field inside the box, also once the box offers the silencing, and the page
    // gets what was typed there.
    void promptsTakeTheTypedAnswer()
    {
        PreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        int answered = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QMessageBox *box = openDialog();
            if (!box)
                return;
            auto *field = box->findChild<QLineEdit *>(QStringLiteral("pageAnswer"));
            if (!field || box->layout()->indexOf(field) < 0 || !field->isVisible())
                return;
            field->setText(QStringLiteral("απάντηση %1").arg(++answered));
            box->buttons().constFirst()->click();
        });
        answer.start(20);
        pane.renderHtml(
            QStringLiteral("<script>const a = prompt('πρώτη', 'x'); const b = prompt('δεύτερη', 'y');"
                           "document.title = a + '|' + b;</script>"));
        QCOMPARE(evaluateInPageUntil(pane.page(), QStringLiteral("document.title"),
                                     QStringLiteral("απάντηση 1|απάντηση 2"), loadTimeout),
                 QVariant(QStringLiteral("απάντηση 1|απάντηση 2")));
    }

    void thePupilsDocumentNeverBlocksItsRefresh()
    {
        PreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        pane.renderHtml(QStringLiteral("<p id=\"first\">x</p><script>onbeforeunload = e => {"
                                       " e.preventDefault(); e.returnValue = 'stay'; };</script>"));
        QCOMPARE(evaluateInPageUntil(pane.page(), QStringLiteral("!!document.getElementById('first')"), true,
                                     loadTimeout),
                 QVariant(true));
        // The engine asks only once the pupil has used the page.
        QTest::mouseClick(pane.focusProxy() ? pane.focusProxy() : &pane, Qt::LeftButton, {}, QPoint(50, 50));
        int dialogs = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (QMessageBox *box = openDialog()) {
                ++dialogs;
                box->buttons().constFirst()->click();
            }
        });
        watch.start(20);
        pane.renderHtml(QStringLiteral("<p id=\"second\">y</p>"));
        QCOMPARE(evaluateInPageUntil(pane.page(), QStringLiteral("!!document.getElementById('second')"), true,
                                     loadTimeout),
                 QVariant(true));
        QCOMPARE(dialogs, 0);
    }
};

VELMARK_WIDGET_TEST_MAIN(PageDialogsTest)
#include "tst_pagedialogs.moc"
