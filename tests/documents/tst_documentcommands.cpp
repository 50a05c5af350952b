// The document menus driven through the main window's menu actions: open, the hidden code-only open, save,
// templates, character-set lines, the source printout to PDF and the page's print preview. File dialogs are
// answered by a scripted chooser; message boxes are read and answered as a pupil would.
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "documents/core/documentmessages.h"
#include "documents/core/textfile.h"
#include "documents/filechooser.h"
#include "documents/filecommands.h"
#include "documents/printcommands.h"
#include "entermainwindow.h"
#include "mainwindowparts.h"
#include "messagecatcher.h"
#include "pagescript.h"
#include "widgettestmain.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QtTest>
#include <functional>

#include <memory>

namespace {

constexpr int loadTimeout = 30000;

// Answers the file dialogs from a list, in order; an empty answer cancels. Remembers what it was asked.
class ScriptedChooser : public FileChooser
{
public:
    explicit ScriptedChooser(QStringList *answers, QList<FileDialogSettings> *asked)
        : m_answers(answers), m_asked(asked)
    {
    }
    QString chooseOpen(QWidget *, const FileDialogSettings &settings) override { return next(settings); }
    QString chooseSave(QWidget *, const FileDialogSettings &settings) override { return next(settings); }

private:
    QString next(const FileDialogSettings &settings)
    {
        m_asked->append(settings);
        return m_answers->isEmpty() ? QString() : m_answers->takeFirst();
    }
    QStringList *m_answers;
    QList<FileDialogSettings> *m_asked;
};

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openLoadsDecodesAndRefreshes();
    void cancelledOpenStillResetsMessagesAndAddress();
    void badFileLeavesThePaneUnchanged_data();
    void badFileLeavesThePaneUnchanged();
    void openIsRefusedWhileOnlyTheBrowserShows();
    void codeOnlyOpenShowsTheCodeWithoutRefresh();
    void saveAndReopenKeepsEveryCharacter();
    void strayByteReadsAsUtf8WithANoticeAndSavesAsShown();
    void charsetsReadAsBrowsersReadThem_data();
    void charsetsReadAsBrowsersReadThem();
    void pastedNulCharactersAreLeftOutAndTheFileOpensAgain();
    void mixedScriptsComeBackByteForByte_data();
    void mixedScriptsComeBackByteForByte();
    void failedSaveReportsAndKeepsTheOldFile();
    void failuresGiveTheReasonInGreek_data();
    void failuresGiveTheReasonInGreek();
    void cancelledSaveEmptiesTheMirror();
    void dialogsStartAtTheDocumentsFile();
    void savingOverAFileAsksFirst();
    void keysOpenAndSave();
    void templatesLoadAndCount_data();
    void templatesLoadAndCount();
    void charsetLinesInsertAtTheCaretInEditingModeOnly();
    void relativeImageAndStyleLoadFromTheFileFolder();
    void sourcePrintoutWithoutPrinterGoesToPdf_data();
    void sourcePrintoutWithoutPrinterGoesToPdf();
    void pagePrintPreviewShowsTheRenderedPage();
    void aPageThatNeverEndsItsPrintHandlerStillPrints();
    void pagePrintedIntoAPdfFileKeepsItsText();
    void pageThatCannotBeWrittenIsReported();

private:
    void trigger(const char *name);
    QVariant evaluate(const QString &script);
    QVariant evaluateUntil(const QString &script, const QVariant &expected);
    // Opens the page's print preview and closes it once painted; its page count, -1 when it never showed.
    // Opens the page's print preview and hands it, once its pages are there (else with no widget), to `act`.
    void withPagePrintPreview(const std::function<void(QPrintPreviewDialog *, QPrintPreviewWidget *)> &act);
    int printPreviewPages();
    // Opens the page's print preview and prints from it into a PDF file; false when it never showed.
    bool printPageIntoFile(const QString &path);

    std::unique_ptr<ProgramWindows> m_windows;
    MainWindow *m_form = nullptr;
    std::unique_ptr<MainWindowParts> m_parts;
    std::unique_ptr<MessageCatcher> m_catcher;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_answers;
    QList<FileDialogSettings> m_asked;
};

void TestDocumentCommands::init()
{
    m_answers.clear();
    m_asked.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_windows = enterMainWindow();
    QVERIFY(m_windows);
    m_form = m_windows->mainWindow();
    m_parts = std::make_unique<MainWindowParts>(m_form);
    m_catcher = std::make_unique<MessageCatcher>();
    m_form->findChild<FileCommands *>()->setFileChooser(
        std::make_unique<ScriptedChooser>(&m_answers, &m_asked));
    m_form->findChild<PrintCommands *>()->setFileChooser(
        std::make_unique<ScriptedChooser>(&m_answers, &m_asked));
}

void TestDocumentCommands::cleanup()
{
    m_catcher.reset();
    m_parts.reset();
    m_windows.reset();
}

void TestDocumentCommands::trigger(const char *name)
{
    QAction *action = m_form->findChild<QAction *>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

QVariant TestDocumentCommands::evaluate(const QString &script)
{
    return evaluateInPage(m_parts->preview->page(), script, loadTimeout);
}

QVariant TestDocumentCommands::evaluateUntil(const QString &script, const QVariant &expected)
{
    return evaluateInPageUntil(m_parts->preview->page(), script, expected, loadTimeout);
}

void TestDocumentCommands::openLoadsDecodesAndRefreshes()
{
    // UTF-8 without a mark or a declaration: read as UTF-8, not as two Windows-1253 characters a letter.
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(path, QStringLiteral("<html>\r\n<body>\r\n<p>Καλημέρα</p>\r\n</body>\r\n</html>\r\n"
                                            "<b>\r\nτέλος\r\n")
                                 .toUtf8()));
    m_answers << path;
    trigger("N2");

    QCOMPARE(m_catcher->texts(), QStringList());
    QCOMPARE(m_asked.size(), 1);
    QCOMPARE(m_asked[0].initialFolder, QDir::currentPath());
    QCOMPARE(m_asked[0].filterIndex, 1);
    QVERIFY(m_asked[0].fileMustExist);
    QVERIFY(m_asked[0].title.isEmpty());
    QCOMPARE(m_asked[0].filters.size(), 6);
    QCOMPARE(m_asked[0].filters[1], QStringLiteral("Αρχεία html (*.html)"));

    QCOMPARE(m_parts->codePane->line(2), QStringLiteral("<p>Καλημέρα</p>"));
    QCOMPARE(m_parts->codePane->line(6), QStringLiteral("   τέλος"));
    QCOMPARE(m_parts->codePane->selectionStart(), 0);
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
    QCOMPARE(m_parts->documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 7"));
    QCOMPARE(m_parts->progressBar->maximum(), m_parts->codePane->lineCount() - 4);
    QCOMPARE(m_parts->mirrorPane->toPlainText(),
             m_parts->codePane->text().replace(QLatin1String("\r\n"), "\n"));
    QCOMPARE(evaluateUntil(QStringLiteral("document.querySelector('p') && "
                                          "document.querySelector('p').textContent"),
                           QStringLiteral("Καλημέρα"))
                 .toString(),
             QStringLiteral("Καλημέρα"));
}

void TestDocumentCommands::cancelledOpenStillResetsMessagesAndAddress()
{
    const QString before = m_parts->codePane->text();
    m_parts->messagePane->setDocumentText(QStringLiteral("warning"));
    m_parts->addressBar->setText(QStringLiteral("http://127.0.0.1:1/"));
    trigger("N2");
    QCOMPARE(m_catcher->texts(), QStringList{QStringLiteral("Το άνοιγμα του αρχείου ακυρώθηκε")});
    QCOMPARE(m_parts->codePane->text(), before);
    QCOMPARE(m_parts->messagePane->text(), QString());
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
}

void TestDocumentCommands::badFileLeavesThePaneUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("vanished after the dialog")
        << QStringLiteral("gone.html") << QStringLiteral("δεν βρέθηκε");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("είναι φάκελος");
    QTest::newRow("binary") << QStringLiteral("image.html") << QStringLiteral("δεν είναι αρχείο κειμένου");
    QTest::newRow("over 50 MB") << QStringLiteral("huge.txt") << QStringLiteral("πολύ μεγάλο");
}

void TestDocumentCommands::badFileLeavesThePaneUnchanged()
{
    QFETCH(QString, name);
    QFETCH(QString, reasonPart);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QVERIFY(
        writeBytes(m_dir->filePath(QStringLiteral("image.html")), QByteArray("GIF89a\x01\0\x01\0\0\0", 12)));
    QFile huge(m_dir->filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(60LL * 1024 * 1024));
    huge.close();

    const QString before = m_parts->codePane->text();
    const QString count = m_parts->documentStatus->panelText(2);
    m_answers << m_dir->filePath(name);
    trigger("N2");
    QCOMPARE(m_catcher->texts().size(), 1);
    QVERIFY2(m_catcher->texts()[0].contains(reasonPart), qPrintable(m_catcher->texts()[0]));
    QCOMPARE(m_parts->codePane->text(), before);
    QCOMPARE(m_parts->documentStatus->panelText(2), count);
}

void TestDocumentCommands::openIsRefusedWhileOnlyTheBrowserShows()
{
    trigger("Browser1");
    trigger("N2");
    QCOMPARE(m_catcher->texts(),
             QStringList{QStringLiteral("Για να ανοίξεις ένα αρχείο πρέπει να μεταβείς στον html Editor")});
    QVERIFY(m_asked.isEmpty());
}

void TestDocumentCommands::codeOnlyOpenShowsTheCodeWithoutRefresh()
{
    QAction *hidden = m_form->findChild<QAction *>(QStringLiteral("N26"));
    QVERIFY(hidden && !hidden->isVisible());
    const QString path = m_dir->filePath(QStringLiteral("code.php"));
    QVERIFY(writeBytes(path, QByteArray("<?php echo 1; ?>\r\n  <b>\xe1")));
    const QString count = m_parts->documentStatus->panelText(2);
    m_answers << path;
    trigger("N26");
    QCOMPARE(m_catcher->texts(), QStringList());
    QCOMPARE(m_parts->codePane->text(), QStringLiteral("<?php echo 1; ?>\r\n  <b>α"));
    QCOMPARE(m_parts->codePane->selectionStart(), 0);
    QCOMPARE(m_parts->mirrorPane->toPlainText(), QStringLiteral("<?php echo 1; ?>\n  <b>α"));
    QCOMPARE(m_parts->documentStatus->panelText(2), count);
    QVERIFY(m_parts->editorArea->isVisible());
    QVERIFY(m_parts->browserStrip->isVisible());
    QVERIFY(m_parts->previewPanel->isHidden());
    QVERIFY(m_parts->addressRow->isHidden());
    QTRY_COMPARE(m_parts->browserStrip->y(), 0);
}

void TestDocumentCommands::saveAndReopenKeepsEveryCharacter()
{
    // Greek, Cyrillic, an emoji and a non-breaking space in a document declared ISO-8859-7: the file is
    // written as UTF-8 behind its mark, and opening it gives the same text back.
    const QString text = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" "
        "/></head>\r\n<body>\r\n   Ελληνικά Русский 😀\u00A0τέλος\r\n</body>\r\n</html>");
    m_parts->codePane->setDocumentText(text);
    m_answers << m_dir->filePath(QStringLiteral("lesson"));
    trigger("N3");
    QCOMPARE(m_catcher->texts(),
             QStringList{QStringLiteral("Η αποθήκευση του αρχείου πραγαμετοποιήθηκε με επιτυχία!")});
    QCOMPARE(m_asked[0].title, QStringLiteral("Αποθήκευση Ιστοσελίδας"));
    QVERIFY(!m_asked[0].confirmOverwrite);
    const QString saved = m_dir->filePath(QStringLiteral("lesson.html"));
    QVERIFY(contents(saved).startsWith("\xEF\xBB\xBF"));

    m_parts->codePane->setDocumentText(QStringLiteral("something else"));
    m_answers << saved;
    trigger("N2");
    QCOMPARE(m_catcher->texts().size(), 1);
    QCOMPARE(m_parts->codePane->text(), text);
}

void TestDocumentCommands::strayByteReadsAsUtf8WithANoticeAndSavesAsShown()
{
    // A page declared UTF-8 with one stray byte: its Greek stays Greek, the byte shows as U+FFFD with the
    // notice that files with unreadable bytes get, and a save writes what the pane shows.
    const QByteArray page =
        "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n<p>\xCE\xA1\xCF\x8C\xCE\xB4"
        "\xCE\xBF\xCF\x82\xE9</p>\r\n</body>\r\n</html>";
    const QString path = m_dir->filePath(QStringLiteral("rhodes.html"));
    QVERIFY(writeBytes(path, page));
    m_answers << path;
    trigger("N2");
    QCOMPARE(m_catcher->texts(),
             QStringList{DocumentMessages::malformedCharacters(QStringLiteral("rhodes.html"))});
    QCOMPARE(m_parts->codePane->line(2), QStringLiteral("<p>Ρόδος\uFFFD</p>"));

    const QString saved = m_dir->filePath(QStringLiteral("saved.html"));
    m_answers << saved;
    trigger("N3");
    QCOMPARE(m_catcher->texts().size(), 2);
    QCOMPARE(contents(saved), QByteArray(page).replace("\xE9", "\xEF\xBF\xBD"));
    QCOMPARE(readTextFile(saved).text, m_parts->codePane->text());
}

void TestDocumentCommands::charsetsReadAsBrowsersReadThem_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("letters");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("notice");    // some bytes were no characters
    QTest::addColumn<bool>("sameBytes"); // saved without a change, the file keeps its bytes

    const auto row = [](const char *name, const QByteArray &head, const QByteArray &letters,
                        const QString &shown, bool notice = false, bool sameBytes = true) {
        QTest::newRow(name) << head << letters << shown << notice << sameBytes;
    };
    // Labels of the Encoding Standard's table, decoded by the encoding they name.
    row("latin1 is windows-1252", "<meta charset=\"latin1\">", "\x80\x93\x94\x85\x9F", "€“”…Ÿ");
    row("ISO-8859-1 is windows-1252",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">", "\x80\xE9", "€é");
    row("us-ascii is windows-1252", "<meta charset=us-ascii>", "\x93x\x94", "“x”");
    row("windows-1251", "<meta charset=\"windows-1251\">", "\xCF\xF0", "Пр");
    row("koi8-r", "<meta charset=\"koi8-r\">", "\xF0\xD2", "Пр");
    row("iso-8859-2", "<meta charset=\"iso-8859-2\">", "\xA1\xB1", "Ąą");
    row("iso-8859-16", "<meta charset=\"iso-8859-16\">", "\xA4\xAA", "€Ș");
    row("sun_eu_greek", "<meta charset=\"sun_eu_greek\">", "\xE1\xB6", "αΆ");
    row("x-user-defined reads as windows-1252", "<meta charset=\"x-user-defined\">", "\x80", "€");
    row("unknown label: undeclared, not UTF-8", "<meta charset=\"klingon\">", "\xCF", "Ο");
    // Declarations a browser's pre-scan does not honour: the file counts as undeclared.
    row("unknown charset after content",
        "<meta http-equiv=content-type content=\"charset=koi8-r\" charset=\"klingon\">", "\xF0", "π");
    row("= before an attribute name", "<meta =charset=\"koi8-r\">", "\xF0", "π");
    row("a second http-equiv",
        "<meta http-equiv=\"refresh\" http-equiv=\"content-type\" content=\"charset=koi8-r\">", "\xF0", "π");
    // ... and one it does.
    row("< and a non-ASCII letter is no tag", "<\xCE\xB1<meta charset=koi8-r>", "\xF0", "П");
    // The standard's decoders.
    row("0xAA in windows-1253", "<meta charset=\"windows-1253\">", "\xAA\xE1", "\uFFFDα", true, false);
    row("cut-off four-byte UTF-8 sequence", "<meta charset=\"utf-8\">", "\xCE\xB1\xCE\xB2\xF0\x9F\x98",
        "αβ\uFFFD", true, false);
    // The program's own rules for UTF-8 and undeclared files.
    row("undeclared UTF-8", "<!DOCTYPE html>", "\xCE\xB1", "α", false, false);
    row("undeclared windows-1253", "<!DOCTYPE html>", "\xE1\xE2", "αβ");
    row("declared UTF-8, written in windows-1253", "<meta charset=\"utf-8\">", "\xE1\xE2", "αβ", false,
        false);
}

void TestDocumentCommands::charsetsReadAsBrowsersReadThem()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, letters);
    QFETCH(QString, shown);
    QFETCH(bool, notice);
    QFETCH(bool, sameBytes);
    const QByteArray bytes = head + "\r\n<p>" + letters + "</p>";
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(path, bytes));
    m_answers << path;
    trigger("N2");
    QCOMPARE(m_catcher->texts(),
             notice ? QStringList{DocumentMessages::malformedCharacters(QStringLiteral("page.html"))}
                    : QStringList());
    QCOMPARE(m_parts->codePane->line(1), QStringLiteral("<p>") + shown + QStringLiteral("</p>"));

    // Saved as it is: in the declared encoding when every character survives, else UTF-8 behind its mark;
    // either way it reads back as shown.
    const QString saved = m_dir->filePath(QStringLiteral("saved.html"));
    m_answers << saved;
    trigger("N3");
    if (sameBytes)
        QCOMPARE(contents(saved), bytes);
    const TextFileRead again = readTextFile(saved);
    QVERIFY(again.ok);
    QCOMPARE(again.text, m_parts->codePane->text());
}

void TestDocumentCommands::pastedNulCharactersAreLeftOutAndTheFileOpensAgain()
{
    m_parts->codePane->setDocumentText(QString());
    QApplication::clipboard()->setText(QStringLiteral("<p>α") + QChar(0) + QStringLiteral("β</p>") +
                                       QChar(0));
    m_parts->codePane->paste();
    const QString saved = m_dir->filePath(QStringLiteral("pasted.html"));
    m_answers << saved;
    trigger("N3");
    QCOMPARE(m_catcher->texts(),
             QStringList({DocumentMessages::saveSucceeded(),
                          DocumentMessages::nulCharactersLeftOut(QStringLiteral("pasted.html"))}));
    QCOMPARE(contents(saved), QByteArray("<p>\xE1\xE2</p>"));

    m_answers << saved;
    trigger("N2");
    QCOMPARE(m_catcher->texts().size(), 2);
    QCOMPARE(m_parts->codePane->text(), QStringLiteral("<p>αβ</p>"));
}

void TestDocumentCommands::mixedScriptsComeBackByteForByte_data()
{
    // Right-to-left scripts and direction marks, combining marks, emoji sequences, the line and paragraph
    // separators, NEL, form feed, vertical tab, escape and a byte-order mark inside the text. Each line
    // starts with a tag, so that the refresh after opening indents none.
    const QByteArray lines =
        QStringLiteral("<p>Ελληνικά, עברית, العربية, Русский</p>\r\n"
                       "<p>e\u0301 a\u0308 \u0915\u094D\u0937 😀 👩\u200D👩\u200D👧 🇬🇷</p>\r\n"
                       "<p>a\u2028b\u0085c\x0C"
                       "d\x0B"
                       "e\x1B"
                       "f\uFEFFg\u2029h\u2029</p>\r\n"
                       "<p>\u2029\u200F\u202Eπ\u202C</p>\r\n")
            .toUtf8();
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("declared utf-8") << QByteArray("<meta charset=\"utf-8\">\r\n") + lines;
    QTest::newRow("utf-8 behind its mark") << QByteArray("\xEF\xBB\xBF") + lines;
}

void TestDocumentCommands::mixedScriptsComeBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(QStringLiteral("scripts.html"));
    QVERIFY(writeBytes(path, bytes));
    m_answers << path;
    trigger("N2");
    QCOMPARE(m_catcher->texts(), QStringList());
    // A paragraph separator shows on the line it stands in, not as a line break of its own.
    QCOMPARE(m_parts->codePane->lineCount(), int(bytes.count("\r\n")));

    const QString saved = m_dir->filePath(QStringLiteral("saved.html"));
    m_answers << saved;
    trigger("N3");
    QCOMPARE(m_catcher->texts(), QStringList{DocumentMessages::saveSucceeded()});
    QCOMPARE(contents(saved), bytes);
}

void TestDocumentCommands::failedSaveReportsAndKeepsTheOldFile()
{
    const QString old = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(old, "old"));
    m_answers << m_dir->filePath(QStringLiteral("removed/page.html"));
    trigger("N3");
    QCOMPARE(m_catcher->texts().size(), 1);
    QVERIFY2(m_catcher->texts()[0].contains(QStringLiteral("απέτυχε")), qPrintable(m_catcher->texts()[0]));
    QVERIFY(m_catcher->texts()[0].contains(QStringLiteral("δεν υπάρχει")));
    QCOMPARE(contents(old), QByteArray("old"));
}

void TestDocumentCommands::failuresGiveTheReasonInGreek_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("failed");

    // The kernel's own folder takes no new files, not even from root.
    QTest::newRow("save") << "N3"
                          << "/sys/velmark-page.html"
                          << "Η αποθήκευση του αρχείου «velmark-page.html» απέτυχε (";
    QTest::newRow("source printout to PDF") << "HTML2"
                                            << "/sys/velmark-printout.pdf"
                                            << "Η εκτύπωση απέτυχε (";
}

void TestDocumentCommands::failuresGiveTheReasonInGreek()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, failed);
    if (command == QLatin1String("HTML2") && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    m_answers << answer;
    trigger(command.toLatin1().constData());
    QCOMPARE(m_catcher->texts().size(), 1);
    const QString message = m_catcher->texts().constFirst();
    QVERIFY2(message.startsWith(failed), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("δεν έχεις δικαίωμα πρόσβασης")), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("Permission")), qPrintable(message));
}

void TestDocumentCommands::cancelledSaveEmptiesTheMirror()
{
    trigger("N3");
    QCOMPARE(m_catcher->texts(), QStringList{QStringLiteral("Η αποθήκευση του αρχείου ακυρώθηκε")});
    QCOMPARE(m_parts->mirrorPane->toPlainText(), QString());
}

void TestDocumentCommands::dialogsStartAtTheDocumentsFile()
{
    const QString path = m_dir->filePath(QStringLiteral("page.htm"));
    QVERIFY(writeBytes(path, "<p>α</p>"));
    m_answers << path;
    trigger("N2");
    QCOMPARE(m_asked.size(), 1);
    QCOMPARE(m_asked[0].initialFolder, QDir::currentPath());
    QCOMPARE(m_asked[0].proposedName, QString());

    // The next open starts at the document's file, its own filter chosen.
    trigger("N2");
    QCOMPARE(m_asked.size(), 2);
    QCOMPARE(QDir(m_asked[1].initialFolder), QDir(m_dir->path()));
    QCOMPARE(m_asked[1].proposedName, QStringLiteral("page.htm"));
    QCOMPARE(m_asked[1].filters.value(m_asked[1].filterIndex), QStringLiteral("Αρχεία htm (*.htm)"));

    // So does the save, which has no htm filter and keeps its html one.
    trigger("N3");
    QCOMPARE(m_asked.size(), 3);
    QCOMPARE(QDir(m_asked[2].initialFolder), QDir(m_dir->path()));
    QCOMPARE(m_asked[2].proposedName, QStringLiteral("page.htm"));
    QCOMPARE(m_asked[2].filterIndex, 0);

    // A template is no file: the dialogs stay in the folder and propose no name.
    trigger("HTML1");
    trigger("N3");
    QCOMPARE(m_asked.size(), 4);
    QCOMPARE(QDir(m_asked[3].initialFolder), QDir(m_dir->path()));
    QCOMPARE(m_asked[3].proposedName, QString());
}

void TestDocumentCommands::savingOverAFileAsksFirst()
{
    const QString path = m_dir->filePath(QStringLiteral("classmate.html"));
    QVERIFY(writeBytes(path, "classmate's work"));
    m_parts->codePane->setDocumentText(QStringLiteral("<p>mine</p>"));
    const QString question = QStringLiteral("Το αρχείο «classmate.html» υπάρχει ήδη. Να αντικατασταθεί;");

    // "Όχι" saves nothing: the dialog asks again, and is cancelled here.
    m_catcher->answerWith(QStringLiteral("Όχι"));
    m_answers << m_dir->filePath(QStringLiteral("classmate"));
    trigger("N3");
    QCOMPARE(m_catcher->texts(), (QStringList{question, DocumentMessages::saveCancelled()}));
    QCOMPARE(m_asked.size(), 2);
    QCOMPARE(m_asked[1].proposedName, QStringLiteral("classmate.html"));
    QCOMPARE(contents(path), QByteArray("classmate's work"));

    // A box closed without an answer is no "Ναι" either.
    m_catcher->clear();
    m_catcher->answerWith(QString());
    m_answers << path;
    trigger("N3");
    QCOMPARE(m_catcher->texts(), (QStringList{question, DocumentMessages::saveCancelled()}));
    QCOMPARE(contents(path), QByteArray("classmate's work"));

    m_catcher->clear();
    m_catcher->answerWith(QStringLiteral("Ναι"));
    m_answers << path;
    trigger("N3");
    QCOMPARE(m_catcher->texts(), (QStringList{question, DocumentMessages::saveSucceeded()}));
    QCOMPARE(contents(path), QByteArray("<p>mine</p>"));

    // A new name asks nothing.
    m_catcher->clear();
    m_answers << m_dir->filePath(QStringLiteral("new.html"));
    trigger("N3");
    QCOMPARE(m_catcher->texts(), QStringList{DocumentMessages::saveSucceeded()});
}

void TestDocumentCommands::keysOpenAndSave()
{
    m_parts->codePane->setFocus();
    QTest::keyClick(m_parts->codePane, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(m_asked[0].fileMustExist);
    QCOMPARE(m_catcher->texts(), QStringList{DocumentMessages::openCancelled()});
    // The message box had the keyboard; the window has it again, as after a click on it.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QTest::keyClick(m_parts->codePane, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_asked.size(), 2);
    QCOMPARE(m_asked[1].title, QStringLiteral("Αποθήκευση Ιστοσελίδας"));
    QCOMPARE(m_catcher->texts().last(), DocumentMessages::saveCancelled());
}

void TestDocumentCommands::templatesLoadAndCount_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("tags");
    QTest::addColumn<int>("lines");
    QTest::newRow("simple page") << QStringLiteral("HTML1") << 9 << 12;
    QTest::newRow("mythology") << QStringLiteral("N210") << 25 << 22;
    QTest::newRow("algorithmics") << QStringLiteral("N39") << 55 << 51;
}

void TestDocumentCommands::templatesLoadAndCount()
{
    QFETCH(QString, item);
    QFETCH(int, tags);
    QFETCH(int, lines);
    // Templates load whatever the mode.
    m_parts->addressBar->setText(QStringLiteral("http://127.0.0.1:1/"));
    trigger(item.toLatin1().constData());
    QCOMPARE(m_parts->documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: %1").arg(tags));
    QCOMPARE(m_parts->codePane->lineCount(), lines);
    QCOMPARE(m_parts->codePane->selectionStart(), 0);
    QCOMPARE(m_parts->codePane->selectionLength(), 0);
    QCOMPARE(m_parts->mirrorPane->toPlainText(),
             m_parts->codePane->text().replace(QLatin1String("\r\n"), "\n"));
    if (item == QLatin1String("HTML1")) {
        QCOMPARE(m_parts->codePane->line(1), QStringLiteral("<HEAD>"));
        QCOMPARE(m_parts->codePane->line(4), QStringLiteral("   Η πρώτη μου ιστοσελίδα"));
        QCOMPARE(m_parts->codePane->line(11), QStringLiteral("   "));
    } else {
        QVERIFY(m_parts->codePane->line(2).endsWith(QStringLiteral("--> ")));
        QVERIFY(m_parts->codePane->line(12).contains(QStringLiteral("σύνδεσμο: http")));
    }
}

void TestDocumentCommands::charsetLinesInsertAtTheCaretInEditingModeOnly()
{
    m_parts->codePane->setDocumentText(QStringLiteral("<p>α</p>\n\n<p>β</p>"));
    m_parts->codePane->setSelectionStart(m_parts->codePane->lineIndex(1));
    trigger("N16");
    trigger("Unicode1");
    QCOMPARE(m_parts->codePane->line(1),
             QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />"
                            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />"));
    QCOMPARE(m_parts->documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 6"));

    m_parts->addressBar->setText(QStringLiteral("http://127.0.0.1:1/"));
    const QString before = m_parts->codePane->text();
    trigger("N17");
    QCOMPARE(m_parts->codePane->text(), before);
}

void TestDocumentCommands::relativeImageAndStyleLoadFromTheFileFolder()
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(m_dir->filePath(QStringLiteral("photo.png"))));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("style.css")), "p { color: rgb(1, 2, 3); }"));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("secret.txt")), "the pupil's private notes"));
    // A page of the same folder, framed by the document, tries to read a file next to it.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("frame.html")),
                       "<iframe id=\"inner\" src=\"secret.txt\"></iframe><script>"
                       "window.addEventListener('load', function () { var r = 'refused'; try {"
                       " var d = document.getElementById('inner').contentDocument;"
                       " if (d && d.body && d.body.textContent.indexOf('private') >= 0) r = 'read';"
                       "} catch (e) {} parent.postMessage(r, '*'); });</script>"));
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(
        path, "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head><body>\n"
              "<img id=\"photo\" src=\"photo.png\"><p id=\"p\">text</p>\n"
              "<p id=\"fetch\">pending</p><p id=\"read\">pending</p><p id=\"nested\">pending</p>\n"
              "<iframe id=\"frame\" src=\"secret.txt\"></iframe><iframe src=\"frame.html\"></iframe>\n"
              "<script>\n"
              "function report(id, text) { document.getElementById(id).textContent = text; }\n"
              "window.addEventListener('message', e => report('nested', e.data));\n"
              "fetch('secret.txt').then(r => r.text()).then(t => report('fetch', 'read ' + t),"
              " () => report('fetch', 'refused'));\n"
              "window.addEventListener('load', function () { var r = 'refused'; try {"
              " var d = document.getElementById('frame').contentDocument;"
              " if (d && d.body && d.body.textContent.indexOf('private') >= 0) r = 'read';"
              "} catch (e) {} report('read', r); });\n"
              "</script></body></html>"));
    m_answers << path;
    trigger("N2");
    QCOMPARE(m_catcher->texts(), QStringList());
    QCOMPARE(evaluateUntil(QStringLiteral("document.getElementById('photo') && "
                                          "document.getElementById('photo').complete && "
                                          "document.getElementById('photo').naturalWidth"),
                           3)
                 .toInt(),
             3);
    QCOMPARE(evaluateUntil(QStringLiteral("getComputedStyle(document.getElementById('p')).color"),
                           QStringLiteral("rgb(1, 2, 3)"))
                 .toString(),
             QStringLiteral("rgb(1, 2, 3)"));
    for (const char *id : {"fetch", "read", "nested"})
        QCOMPARE(
            evaluateUntil(QStringLiteral("document.getElementById('%1').textContent").arg(QLatin1String(id)),
                          QStringLiteral("refused"))
                .toString(),
            QStringLiteral("refused"));
    QCOMPARE(m_parts->addressBar->text(), QStringLiteral("about:blank"));
}

void TestDocumentCommands::sourcePrintoutWithoutPrinterGoesToPdf_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("welcome document") << 0 << 1;
    QTest::newRow("130 lines") << 130 << 3;
}

void TestDocumentCommands::sourcePrintoutWithoutPrinterGoesToPdf()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    if (lines > 0) {
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("γραμμή %1").arg(i);
        m_parts->codePane->setDocumentText(text.join(u'\n'));
    }
    m_answers << m_dir->filePath(QStringLiteral("printout"));
    trigger("HTML2");
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(m_asked[0].title.contains(QStringLiteral("PDF")));
    QCOMPARE(m_catcher->texts(), QStringList{QStringLiteral("%1 σελίδες εκτυπώθηκαν").arg(pages)});
    QCOMPARE(pdfPageCount(contents(m_dir->filePath(QStringLiteral("printout.pdf")))), pages);
}

void TestDocumentCommands::withPagePrintPreview(
    const std::function<void(QPrintPreviewDialog *, QPrintPreviewWidget *)> &act)
{
    // The preview dialog is modal: a timer looks for it, waits for its pages and hands it to `act`, then
    // closes it if `act` has not.
    QTimer poll;
    poll.setInterval(100);
    connect(&poll, &QTimer::timeout, this, [&] {
        const QList<QPrintPreviewDialog *> found = m_form->findChildren<QPrintPreviewDialog *>();
        if (found.isEmpty() || !found.constFirst()->isVisible())
            return;
        poll.stop();
        QPrintPreviewDialog *dialog = found.constFirst();
        auto *widget = dialog->findChild<QPrintPreviewWidget *>();
        const bool paged = widget && QTest::qWaitFor([&] { return widget->pageCount() > 0; }, loadTimeout);
        act(dialog, paged ? widget : nullptr);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start();
    trigger("N18");
}

int TestDocumentCommands::printPreviewPages()
{
    int previewPages = -1;
    withPagePrintPreview([&](QPrintPreviewDialog *, QPrintPreviewWidget *widget) {
        previewPages = widget ? widget->pageCount() : -1;
    });
    return previewPages;
}

void TestDocumentCommands::pagePrintPreviewShowsTheRenderedPage()
{
    QVERIFY(printPreviewPages() >= 1);
    QCOMPARE(m_catcher->texts(), QStringList());
}

void TestDocumentCommands::aPageThatNeverEndsItsPrintHandlerStillPrints()
{
    // A page whose print handler never ends: the print preview shows a still copy of it, which runs no
    // script, and the refreshes that follow render the next document instead of bringing the program down.
    m_parts->codePane->setDocumentText(
        QStringLiteral("<html><body><p id=\"stuck\">x</p><script>onbeforeprint = () => { for (;;) {} "
                       "};</script></body></html>"));
    m_parts->codePane->setSelectionStart(0);
    QTest::mouseDClick(m_parts->codePane->viewport(), Qt::LeftButton);
    QCOMPARE(evaluateUntil(QStringLiteral("!!document.getElementById('stuck')"), true), QVariant(true));
    QVERIFY(printPreviewPages() >= 1);
    QCOMPARE(m_catcher->texts(), QStringList());

    m_parts->codePane->setDocumentText(QStringLiteral("<p id=\"next\">next</p>"));
    QTest::mouseDClick(m_parts->codePane->viewport(), Qt::LeftButton);
    QTest::mouseDClick(m_parts->codePane->viewport(), Qt::LeftButton);
    QCOMPARE(evaluateUntil(QStringLiteral("!!document.getElementById('next')"), true), QVariant(true));
}

bool TestDocumentCommands::printPageIntoFile(const QString &path)
{
    // The preview's print command, as its print dialog leaves it when the pupil prints into a file.
    bool printed = false;
    withPagePrintPreview([&](QPrintPreviewDialog *dialog, QPrintPreviewWidget *widget) {
        if (!widget)
            return;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(path);
        widget->print();
        printed = true;
        dialog->accept();
    });
    return printed;
}

// Printing the page from its print preview into a PDF file: the file holds the page's text as text (a reader
// can search and copy it), not one picture of the page.
void TestDocumentCommands::pagePrintedIntoAPdfFileKeepsItsText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) reads the text of the PDF file");
    m_parts->codePane->setDocumentText(QStringLiteral(
        "<html><body><h1 id=\"title\">Καλημέρα κόσμε</h1><p>Velmark prints its pages</p></body></html>"));
    m_parts->codePane->setSelectionStart(0);
    QTest::mouseDClick(m_parts->codePane->viewport(), Qt::LeftButton);
    QCOMPARE(evaluateUntil(QStringLiteral("!!document.getElementById('title')"), true), QVariant(true));

    const QString path = m_dir->filePath(QStringLiteral("page.pdf"));
    QVERIFY(printPageIntoFile(path));
    QCOMPARE(m_catcher->texts(), QStringList());

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Καλημέρα κόσμε")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Velmark prints its pages")), qPrintable(text));
    QCOMPARE(pdfPageCount(contents(path)), 1);
}

// A file that cannot be written (its folder is gone) is reported in Greek, never taken for a print.
void TestDocumentCommands::pageThatCannotBeWrittenIsReported()
{
    const QString path = m_dir->filePath(QStringLiteral("gone/page.pdf"));
    QVERIFY(printPageIntoFile(path));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_catcher->texts(),
             QStringList{DocumentMessages::printFailed(
                 QStringLiteral("δεν γράφτηκε το αρχείο %1").arg(QDir::toNativeSeparators(path)))});
}

VELMARK_WIDGET_TEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
