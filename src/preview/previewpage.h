#pragma once

#include <QElapsedTimer>
#include <QWebEnginePage>

class PageDialogs;

// The page of the preview pane. It decides which navigations of the top frame go on: while the pupil's
// document is shown, only the program's own loads and what the pupil has just clicked or keyed in the page
// leave it, so a document cannot navigate the pane away by itself (script, meta refresh, a form submitted by
// script, history steps of its own).
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit PreviewPage(QWebEngineProfile *profile, QObject *parent = nullptr);

    // The pupil pressed a mouse button or a key in the page just now.
    void notePupilInput();
    // The next history step or reload is the program's own (a button of the address row).
    void expectProgramStep();
    // The pupil clicked or pressed a key in the page within the last moment.
    bool pupilActedRecently() const;
    // The pane shows a preview document (or nothing yet).
    bool showsPreview() const;
    // Where the page's dialogs (alert, confirm, prompt, "leave this page?") are shown.
    void setDialogs(PageDialogs *dialogs) { m_dialogs = dialogs; }
    // Asks the document shown to report, through painted(), once it has painted a frame with what it holds
    // now. A hidden page paints nothing and reports nothing.
    void askForPaintReport(quint64 documentNumber);

Q_SIGNALS:
    // The document asked with this number has painted.
    void painted(quint64 documentNumber);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceId) override;

private:
    QElapsedTimer m_sinceInput;
    bool m_programStep = false;
    bool m_approvedInFlight = false;
    PageDialogs *m_dialogs = nullptr;
    QString m_paintReportPrefix; // the program's own console messages, unknown to the page's scripts

    // How the page is named in its dialogs: its title, else what it is.
    QString pageName() const;
};
