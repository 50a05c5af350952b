// The pupil's work survives a killed program, closing, a template and an unwritable data folder, and comes
// back through "Ανάκτηση Κειμένου…".
#include "app/mainwindow.h"
#include "documents/core/recoverystore.h"
#include "editor/codepane.h"
#include "entermainwindow.h"
#include "messagecatcher.h"
#include "widgettestmain.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

CodePane *codePane(MainWindow *window)
{
    return window->findChild<CodePane *>(QStringLiteral("RichEdit1"));
}

void typeAtEnd(CodePane *code, const QString &text)
{
    code->setFocus();
    code->moveCursor(QTextCursor::End);
    QTest::keyClicks(code, text);
}

// Opens "Ανάκτηση Κειμένου…" and returns its window, listing the kept texts.
QDialog *openRecovery(MainWindow *window)
{
    window->findChild<QAction *>(QStringLiteral("recoverText"))->trigger();
    auto *dialog = window->findChild<QDialog *>(QStringLiteral("recoveryWindow"));
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// The recovery window lists exactly one kept text, kept for that reason, and shows it.
bool listsOnly(QDialog *recovery, const QString &reason, const QString &text)
{
    const auto *list = recovery->findChild<QListWidget *>(QStringLiteral("recoveryList"));
    const auto *view = recovery->findChild<QPlainTextEdit *>(QStringLiteral("recoveryView"));
    return list->count() == 1 && list->item(0)->text().contains(reason) && view->toPlainText().contains(text);
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dataHome.isValid());
        qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
        QDir(RecoveryStore::defaultFolder()).removeRecursively();
    }

    void aKilledProgramLeavesItsTextToRecover()
    {
        const QString typed = QStringLiteral("<P>my own work</P>");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMARK_RECOVERY_SNAPSHOT_MS"), QStringLiteral("300"));
        env.insert(QStringLiteral("VELMARK_TEST_KEEP_DATA_HOME"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(RECOVERY_CHILD), {typed});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("typed"), 60000);
        // The snapshot follows the change within its period; then the machine "loses power".
        RecoveryStore store;
        QTRY_VERIFY_WITH_TIMEOUT(!store.entries().isEmpty(), 20000);
        child.kill();
        QVERIFY(child.waitForFinished());

        auto windows = enterMainWindow();
        QVERIFY(windows);
        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        QVERIFY(listsOnly(recovery, QStringLiteral("αυτόματα"), typed));

        CodePane *code = codePane(windows->mainWindow());
        const QString welcome = code->text();
        recovery->findChild<QPushButton *>(QStringLiteral("restoreButton"))->click();
        QVERIFY(!recovery->isVisible());
        QVERIFY(code->text().contains(typed));
        // Bringing a text back is a step the pupil can undo.
        QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(code->text(), welcome);
    }

    void closingKeepsTheText()
    {
        {
            auto windows = enterMainWindow();
            QVERIFY(windows);
            typeAtEnd(codePane(windows->mainWindow()), QStringLiteral("<P>kept at closing</P>"));
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("N4"))->trigger();
            QVERIFY(!windows->mainWindow()->isVisible());
        }
        auto windows = enterMainWindow();
        QVERIFY(windows);
        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        QVERIFY(listsOnly(recovery, QStringLiteral("στο κλείσιμο"), QStringLiteral("kept at closing")));
    }

    void aTemplateKeepsTheTextItReplaces()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        CodePane *code = codePane(windows->mainWindow());
        typeAtEnd(code, QStringLiteral("<H1>Rhodes</H1>"));
        windows->mainWindow()->findChild<QAction *>(QStringLiteral("HTML1"))->trigger();
        QVERIFY(!code->text().contains(QStringLiteral("Rhodes")));

        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        auto *list = recovery->findChild<QListWidget *>(QStringLiteral("recoveryList"));
        QVERIFY(list->item(0)->text().contains(QStringLiteral("πριν από πρότυπο")));
        // Keyboard: Enter on the chosen entry brings it back.
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(code->text().contains(QStringLiteral("<H1>Rhodes</H1>")));
        // The template itself was kept on the way out, and can be undone to as well.
        QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(code->text().startsWith(QLatin1String("<HTML>")));
    }

    void anUnwritableDataFolderNeverDisturbsThePupil()
    {
        QTemporaryDir blocked;
        QFile blocker(blocked.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
        MessageCatcher catcher;
        {
            auto windows = enterMainWindow();
            QVERIFY(windows);
            typeAtEnd(codePane(windows->mainWindow()), QStringLiteral("<P>x</P>"));
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("HTML1"))->trigger();
            windows->mainWindow()->close();
            QVERIFY(!windows->mainWindow()->isVisible());
        }
        QVERIFY(catcher.texts().isEmpty());
    }

private:
    QTemporaryDir m_dataHome;
};

VELMARK_WIDGET_TEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
