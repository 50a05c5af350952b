// Qt's own dialogs as the pupil meets them, with the program's application set-up: the file dialog, its
// "file not found" box, the print, page set-up and print preview dialogs and the edit boxes' context menus
// show Greek, and no English word of Qt's is left among their labels, buttons, headers and list entries.
#include "documents/core/filedialogsettings.h"
#include "documents/filechooser.h"
#include "widgettestmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

namespace {

// English words of Qt's dialogs; a file name or a format name (HTML, PDF) is no such word.
const QStringList englishWords = {
    "look",      "file",    "files",     "name",        "type",     "open",      "save",       "cancel",
    "back",      "forward", "parent",    "directory",   "create",   "new",       "folder",     "list",
    "view",      "detail",  "size",      "date",        "modified", "bytes",     "document",   "computer",
    "drive",     "ok",      "sidebar",   "recent",      "places",   "printer",   "properties", "location",
    "output",    "print",   "range",     "all",         "pages",    "page",      "from",       "current",
    "selection", "copies",  "collate",   "reverse",     "options",  "color",     "grayscale",  "duplex",
    "paper",     "width",   "height",    "orientation", "portrait", "landscape", "margins",    "layout",
    "preview",   "setup",   "zoom",      "fit",         "first",    "last",      "next",       "previous",
    "show",      "undo",    "redo",      "copy",        "paste",    "delete",    "select",     "insert",
    "unicode",   "control", "character", "source",      "job",      "settings",  "none",       "custom"};

// The English words of Qt's in a text, if any.
QStringList englishIn(const QString &text)
{
    QStringList found;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured().toLower();
        if (englishWords.contains(w))
            found << w;
    }
    return found;
}

// Every text a visible part of the window shows: labels, buttons and their tips, combo entries, list headers.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisible())
            texts << label->text();
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisible())
            texts << button->text() << button->toolTip();
    for (QComboBox *combo : window->findChildren<QComboBox *>())
        if (combo->isVisible())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    for (QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    for (QHeaderView *header : window->findChildren<QHeaderView *>())
        if (header->isVisible() && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    return texts;
}

void verifyNoEnglish(QWidget *window)
{
    for (const QString &text : visibleTexts(window))
        QVERIFY2(englishIn(text).isEmpty(), qPrintable(QStringLiteral("English in \"%1\"").arg(text)));
}

bool hasGreek(const QString &text)
{
    static const QRegularExpression greek(QStringLiteral("\\p{Greek}"));
    return text.contains(greek);
}

// Notes when a file dialog has read the folder. It watches from the dialog's showing on, before the dialog's
// event loop delivers anything, so the news of the listing cannot pass unseen; it hears it after the dialog's
// own handlers, which fit the columns to the entries read.
class FolderListingWatch : public QObject
{
public:
    explicit FolderListingWatch(const QString &folder) : m_folder(QFileInfo(folder).canonicalFilePath())
    {
        qApp->installEventFilter(this);
    }

    bool listed() const { return m_listed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QFileDialog *>(watched);
        auto *files = dialog ? dialog->findChild<QFileSystemModel *>() : nullptr;
        if (event->type() == QEvent::Show && files && files != m_files) {
            m_files = files;
            connect(files, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
                if (QFileInfo(path).canonicalFilePath() == m_folder)
                    m_listed = true;
            });
        }
        return false;
    }

private:
    const QString m_folder;
    QPointer<QFileSystemModel> m_files;
    bool m_listed = false;
};

} // namespace

class TestQtDialogsGreek : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileTypeDescriptionsAreGreek();
    void openDialogSpeaksGreek();
    void printDialogsSpeakGreek();
    void editMenusSpeakGreek();
};

void TestQtDialogsGreek::fileTypeDescriptionsAreGreek()
{
    const QMimeDatabase mime;
    for (const char *type : {"text/html", "text/plain", "inode/directory"}) {
        const QString comment = mime.mimeTypeForName(QLatin1String(type)).comment();
        QVERIFY2(hasGreek(comment), qPrintable(comment));
    }
}

void TestQtDialogsGreek::openDialogSpeaksGreek()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile page(dir.filePath(QStringLiteral("page.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(QByteArray(1500, 'x'));
    page.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));

    // The dialog is modal: the checks run from a timer while it is open, then cancel it. They look at the
    // list once the dialog has read the folder and fitted its columns to what it found.
    FolderListingWatch listing(dir.path());
    QStringList failures;
    QString refusal;
    QStringList refusalButtons;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            failures << QStringLiteral("no file dialog");
            return;
        }
        auto *list = dialog->findChild<QTreeView *>();
        if (!list) {
            failures << QStringLiteral("no file list");
        } else if (!QTest::qWaitFor([&] { return listing.listed(); }, 10000)) {
            failures << QStringLiteral("the folder was never listed");
        } else {
            for (const QString &text : visibleTexts(dialog))
                if (!englishIn(text).isEmpty())
                    failures << text;
            // The list's entries: sizes, types and dates in Greek, the headers shown whole.
            QAbstractItemModel *model = list->model();
            if (model->rowCount(list->rootIndex()) != 2)
                failures << QStringLiteral("the list does not show the page and the folder");
            for (int row = 0; row < model->rowCount(list->rootIndex()); ++row)
                for (int column = 1; column < model->columnCount(list->rootIndex()); ++column) {
                    const QString text = model->index(row, column, list->rootIndex()).data().toString();
                    if (!englishIn(text).isEmpty() ||
                        (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))) &&
                         !text.contains(QStringLiteral("HTML"))))
                        failures << text;
                }
            QHeaderView *header = list->header();
            if (header->length() > list->viewport()->width())
                failures << QStringLiteral("columns wider than the list");
            for (int i = 0; i < header->count(); ++i)
                if (!header->isSectionHidden(i) && header->sectionSize(i) < header->sectionSizeHint(i))
                    failures << QStringLiteral("header cut short: ") +
                                    model->headerData(i, Qt::Horizontal).toString();
        }
        // A name that does not exist is refused with Qt's box, in Greek too.
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                refusal = box->text();
                for (QAbstractButton *button : box->buttons())
                    refusalButtons << button->text();
                box->accept();
            }
        });
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            name->setText(QStringLiteral("missing.html"));
            QTest::keyClick(name, Qt::Key_Return);
        } else {
            failures << QStringLiteral("no file name box");
        }
        dialog->reject();
    });
    DialogFileChooser chooser;
    QCOMPARE(chooser.chooseOpen(nullptr, openDialogSettings(dir.path())), QString());

    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(" | "))));
    QVERIFY2(refusal.contains(QStringLiteral("Το αρχείο δεν βρέθηκε")), qPrintable(refusal));
    QCOMPARE(refusalButtons, QStringList{QStringLiteral("Εντάξει")});
}

void TestQtDialogsGreek::printDialogsSpeakGreek()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    {
        QPrintDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        verifyNoEnglish(&dialog);
    }
    {
        QPageSetupDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        verifyNoEnglish(&dialog);
    }
    {
        QPrintPreviewDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        verifyNoEnglish(&dialog);
    }
}

void TestQtDialogsGreek::editMenusSpeakGreek()
{
    QLineEdit edit(QStringLiteral("κείμενο"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QVERIFY(!menu->actions().isEmpty());
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QVERIFY2(hasGreek(action->text()), qPrintable(action->text()));
        QVERIFY2(englishIn(action->text()).isEmpty(), qPrintable(action->text()));
    }
}

VELMARK_WIDGET_TEST_MAIN(TestQtDialogsGreek)
#include "tst_qtdialogsgreek.moc"
