#include "documents/filecommands.h"

#include "core/editingsession.h"
#include "core/paragraphseparators.h"
#include "documents/core/documentmessages.h"
#include "documents/core/textfile.h"
#include "documents/filechooser.h"
#include "documents/shownpage.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "widgets/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// `Memo1`'s text exactly as held, every line break as LF: its plain text would turn non-breaking spaces into
// spaces.
QString mirrorText(const QPlainTextEdit *mirror)
{
    QString text = mirror->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

} // namespace

FileCommands::FileCommands(const DocumentControls &controls, QObject *parent)
    : QObject(parent), m_c(controls), m_chooser(std::make_unique<DialogFileChooser>())
{
}

FileCommands::~FileCommands() = default;

FileDialogSettings FileCommands::startingAtDocument(FileDialogSettings settings) const
{
    // A document with no file of its own (a template, say) starts in the folder of the last file.
    const QString folder = m_c.session->pupilFolder();
    startAtDocument(settings, m_c.session->documentFile(), folder.isEmpty() ? QDir::currentPath() : folder);
    return settings;
}

void FileCommands::setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    m_chooser = std::move(chooser);
}

bool FileCommands::load(const QString &path)
{
    const TextFileRead read = readTextFile(path);
    if (!read.ok) {
        showMessage(m_c.window, read.message);
        return false;
    }
    Q_EMIT documentAboutToBeReplaced(RecoveryReason::BeforeOpen);
    m_c.code->setDocumentText(read.text);
    m_c.code->setSelectionStart(0);
    m_c.session->rememberFile(path);
    if (!read.message.isEmpty())
        showMessage(m_c.window, read.message);
    return true;
}

void FileCommands::openDocument()
{
    if (m_c.editorArea->isHidden()) {
        showMessage(m_c.window, DocumentMessages::openNeedsEditor());
        return;
    }
    m_c.messages->clearLines();
    m_c.session->setMode(DocumentMode::Editing);
    m_c.mirror->clear();
    const QString path = m_chooser->chooseOpen(m_c.window, startingAtDocument(openDialogSettings({})));
    if (path.isEmpty()) {
        showMessage(m_c.window, DocumentMessages::openCancelled());
        return;
    }
    if (!load(path))
        return;
    // A page may have been shown while the dialog was open: the document is refreshed only in editing mode.
    if (m_c.session->isEditing()) {
        m_c.refresh->openedDocumentRefresh();
        m_c.mirror->setPlainText(m_c.code->text());
    }
    Q_EMIT documentMatchesFile();
}

void FileCommands::openCodeOnly()
{
    m_c.page->showBlank();
    const QString path = m_chooser->chooseOpen(m_c.window, startingAtDocument(openDialogSettings({})));
    if (path.isEmpty())
        showMessage(m_c.window, DocumentMessages::openCancelled());
    else if (load(path))
        Q_EMIT documentMatchesFile();
    m_c.code->setSelectionStart(0);
    m_c.mirror->setPlainText(m_c.code->text());
    Q_EMIT codeOnlyViewWanted();
}

void FileCommands::saveDocument()
{
    m_c.mirror->clear();
    m_c.mirror->setPlainText(m_c.code->text());
    FileDialogSettings settings = startingAtDocument(saveDialogSettings({}));
    QString path;
    // A file that exists already is replaced only when the pupil says so; otherwise the dialog asks again,
    // starting at the name that was refused.
    for (;;) {
        const QString chosen = m_chooser->chooseSave(m_c.window, settings);
        if (chosen.isEmpty()) {
            showMessage(m_c.window, DocumentMessages::saveCancelled());
            m_c.mirror->clear();
            return;
        }
        path = withDefaultSuffix(chosen, settings);
        const QFileInfo existing(path);
        if (!existing.exists() || existing.isDir() ||
            askYesNo(m_c.window, DocumentMessages::replaceExisting(existing.fileName())))
            break;
        startAtDocument(settings, path, QString());
    }
    const TextFileWrite written =
        writeTextFile(path, withParagraphSeparatorsGivenBack(mirrorText(m_c.mirror)));
    if (!written.ok) {
        showMessage(m_c.window, written.message);
        return;
    }
    m_c.session->rememberFile(path);
    Q_EMIT documentMatchesFile();
    showMessage(m_c.window, DocumentMessages::saveSucceeded());
    if (!written.message.isEmpty())
        showMessage(m_c.window, written.message);
}
