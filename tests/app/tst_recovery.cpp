// The pupil's work survives a killed program, closing, a template and an unwritable data folder, and comes
// back through "Ανάκτηση Κειμένου…", which the next start points to when the work was never saved.
#include "app/mainwindow.h"
#include "documents/core/recoverystore.h"
#include "documents/filechooser.h"
#include "documents/filecommands.h"
#include "editor/codepane.h"
#include "entermainwindow.h"
#include "messagecatcher.h"
#include "pagescript.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
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

// The bar that tells at a start of a text never saved, when it shows.
QWidget *shownNotice(MainWindow *window)
{
    auto *notice = window->findChild<QWidget *>(QStringLiteral("recoveryNotice"));
    return notice && notice->isVisible() ? notice : nullptr;
}

// Presses a control through its accessibility action, as a screen reader's user does.
void pressAccessibly(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Answers the file dialogs with one file.
class OneFileChooser : public FileChooser
{
public:
    explicit OneFileChooser(const QString &path) : m_path(path) {}
    QString chooseOpen(QWidget *, const FileDialogSettings &) override { return m_path; }
    QString chooseSave(QWidget *, const FileDialogSettings &) override { return m_path; }

private:
    QString m_path;
};

void answerFileDialogsWith(MainWindow *window, const QString &path)
{
    window->findChild<FileCommands *>()->setFileChooser(std::make_unique<OneFileChooser>(path));
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
        // The next start says that work was never saved, and leads to it.
        QWidget *notice = shownNotice(windows->mainWindow());
        QVERIFY(notice);
        QVERIFY(notice->findChild<QLabel *>()->text().contains(QStringLiteral("δεν αποθηκεύτηκε ποτέ")));
        auto *openButton = notice->findChild<QPushButton *>(QStringLiteral("openRecoveryButton"));
        QCOMPARE(openButton->text(), QStringLiteral("Άνοιγμα Ανάκτησης"));
        QCOMPARE(openButton->accessibleName(), QStringLiteral("Άνοιγμα Ανάκτησης"));
        pressAccessibly(openButton);
        // The accessible press clicks the button the way Qt animates a click: a moment later.
        QTRY_VERIFY(!notice->isVisible());
        auto *recovery = windows->mainWindow()->findChild<QDialog *>(QStringLiteral("recoveryWindow"));
        QVERIFY(recovery && recovery->isVisible());
        QVERIFY(listsOnly(recovery, QStringLiteral("αυτόματα"), typed));
        // The entry tells what it is: the pupil's last words, its size in Greek.
        const QString line =
            recovery->findChild<QListWidget *>(QStringLiteral("recoveryList"))->item(0)->text();
        QVERIFY2(line.contains(QStringLiteral("my own work")), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral(" μπάιτ")) && !line.contains(QStringLiteral("byte")),
                 qPrintable(line));

        CodePane *code = codePane(windows->mainWindow());
        const QString welcome = code->text();
        recovery->findChild<QPushButton *>(QStringLiteral("restoreButton"))->click();
        QVERIFY(!recovery->isVisible());
        QVERIFY(code->text().contains(typed));
        // Bringing a text back is a step the pupil can undo.
        QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(code->text(), welcome);

        // Told once: the start after that says nothing more of it.
        windows.reset();
        windows = enterMainWindow();
        QVERIFY(windows);
        QVERIFY(!shownNotice(windows->mainWindow()));
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
        QWidget *notice = shownNotice(windows->mainWindow());
        QVERIFY(notice);
        auto *dismiss = notice->findChild<QToolButton *>(QStringLiteral("closeRecoveryNoticeButton"));
        QCOMPARE(dismiss->accessibleName(), QStringLiteral("Κλείσιμο μηνύματος"));
        QTest::mouseClick(dismiss, Qt::LeftButton);
        QVERIFY(!shownNotice(windows->mainWindow()));
        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        QVERIFY(listsOnly(recovery, QStringLiteral("στο κλείσιμο"), QStringLiteral("kept at closing")));
    }

    // Work saved to a file is nothing to point to at the next start; the list names the file.
    void savedWorkIsNotAnnounced()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("mypage.html"));
        {
            MessageCatcher catcher;
            auto windows = enterMainWindow();
            QVERIFY(windows);
            answerFileDialogsWith(windows->mainWindow(), file);
            typeAtEnd(codePane(windows->mainWindow()), QStringLiteral("<P>saved work</P>"));
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("N3"))->trigger();
            QVERIFY(QFile::exists(file));
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("N4"))->trigger();
        }
        auto windows = enterMainWindow();
        QVERIFY(windows);
        QVERIFY(!shownNotice(windows->mainWindow()));
        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        QVERIFY(listsOnly(recovery, QStringLiteral("mypage.html"), QStringLiteral("saved work")));
    }

    // A text brought back takes its folder with it: its relative pictures show.
    void aRestoredTextShowsItsPictures()
    {
        QTemporaryDir folder;
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(folder.filePath(QStringLiteral("photo.png"))));
        const QString file = folder.filePath(QStringLiteral("page.html"));
        QFile page(file);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><img id=\"photo\" src=\"photo.png\">\n</body></html>\n");
        page.close();
        {
            auto windows = enterMainWindow();
            QVERIFY(windows);
            answerFileDialogsWith(windows->mainWindow(), file);
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("N2"))->trigger();
            typeAtEnd(codePane(windows->mainWindow()), QStringLiteral("<P>changed</P>"));
            windows->mainWindow()->findChild<QAction *>(QStringLiteral("N4"))->trigger();
        }
        auto windows = enterMainWindow();
        QVERIFY(windows);
        QDialog *recovery = openRecovery(windows->mainWindow());
        QVERIFY(recovery);
        QVERIFY(listsOnly(recovery, QStringLiteral("page.html"), QStringLiteral("changed")));
        recovery->findChild<QPushButton *>(QStringLiteral("restoreButton"))->click();
        auto *preview = windows->mainWindow()->findChild<PreviewPane *>(QStringLiteral("webbrowser1"));
        QCOMPARE(evaluateInPageUntil(preview->page(),
                                     QStringLiteral("document.getElementById('photo') && "
                                                    "document.getElementById('photo').complete && "
                                                    "document.getElementById('photo').naturalWidth"),
                                     3)
                     .toInt(),
                 3);
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
