#pragma once

#include <QElapsedTimer>
#include <QWebEnginePage>

#include <functional>
#include <utility>

class PageDialogs;

// The page of the preview pane. It decides which navigations of the top frame go on: while the pupil's
// document is shown, only the program's own loads and the link or form the pupil has just activated leave
// it, so a document cannot navigate the pane away by itself (script, meta refresh, a form submitted by
// script, history steps of its own), nor use a click of the pupil's on anything else (an empty area, a scroll
// bar) or a scrolling key to leave.
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit PreviewPage(QWebEngineProfile *profile, QObject *parent = nullptr);

    // The next history step or reload is the program's own (a button of the address row).
    void expectProgramStep();
    // Whether the page shown may lead the top frame to a local file by itself. A file it may not open is
    // refused before the engine would put its error page, with the refused address, in the page's place.
    void setLocalFileRule(std::function<bool(const QUrl &file)> pageMayOpen)
    {
        m_pageMayOpen = std::move(pageMayOpen);
    }
    // The pupil activated a link or a form in the page within the last second.
    bool pupilActedRecently() const;
    // The pane shows a preview document (or nothing yet).
    bool showsPreview() const;
    // Where the page's dialogs (alert, confirm, prompt, "leave this page?") are shown.
    void setDialogs(PageDialogs *dialogs) { m_dialogs = dialogs; }
    // Asks the document shown to report, through painted(), once it has painted a frame with what it holds
    // now and its first paint (if it shows anything) has been presented. A hidden page paints nothing and
    // reports nothing.
    void askForPaintReport(quint64 documentNumber);

Q_SIGNALS:
    // The document asked with this number has painted.
    void painted(quint64 documentNumber);
    // The pupil followed an address of another program (smb:, mailto:...), which the page did not open; said
    // once for each link or form the pupil activates, so a page cannot pile up messages.
    void otherProgramAddressRefused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceId) override;

private:
    QString m_activationToken; // what the watching script writes when the pupil activates a link or form
    QElapsedTimer m_sinceActivation;
    bool m_otherProgramReported = false; // the newest activation has led to an address of another program
    bool m_programStep = false;
    bool m_approvedInFlight = false;
    QUrl m_mainFrameTarget; // the address the newest navigation of the top frame that went on was heading for
    PageDialogs *m_dialogs = nullptr;
    std::function<bool(const QUrl &file)> m_pageMayOpen;
    QString m_paintReportPrefix; // the program's own console messages, unknown to the page's scripts

    // How the page is named in its dialogs: its title, else what it is.
    QString pageName() const;
};
