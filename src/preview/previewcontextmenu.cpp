#include "preview/previewcontextmenu.h"

#include "preview/core/browsingrules.h"
#include "preview/previewpane.h"

#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>

namespace {

void addPageAction(QMenu *menu, PreviewPane *pane, const QString &text, QWebEnginePage::WebAction action,
                   bool enabled)
{
    QAction *entry = menu->addAction(text);
    entry->setEnabled(enabled);
    QObject::connect(entry, &QAction::triggered, pane,
                     [pane, action] { pane->page()->triggerAction(action); });
}

} // namespace

QMenu *createPreviewContextMenu(PreviewPane *pane, const QWebEngineContextMenuRequest &request)
{
    auto *menu = new QMenu(pane);
    menu->setObjectName(QStringLiteral("previewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto flags = request.editFlags();

    // The history belongs to browsing; while the pupil's document is shown the address row refuses it too.
    if (!isEditingAddress(pane->locationUrl())) {
        QAction *back = menu->addAction(QStringLiteral("Πίσω"));
        back->setEnabled(pane->history()->canGoBack());
        QObject::connect(back, &QAction::triggered, pane, [pane] { pane->goBack(); });
        QAction *forward = menu->addAction(QStringLiteral("Μπροστά"));
        forward->setEnabled(pane->history()->canGoForward());
        QObject::connect(forward, &QAction::triggered, pane, [pane] { pane->goForward(); });
    }
    QObject::connect(menu->addAction(QStringLiteral("Ανανέωση")), &QAction::triggered, pane,
                     [pane] { pane->refresh(); });
    menu->addSeparator();

    if (request.linkUrl().isValid())
        addPageAction(menu, pane, QStringLiteral("Αντιγραφή διεύθυνσης συνδέσμου"),
                      QWebEnginePage::CopyLinkToClipboard, true);
    if (request.isContentEditable())
        addPageAction(menu, pane, QStringLiteral("Αποκοπή"), QWebEnginePage::Cut,
                      flags.testFlag(QWebEngineContextMenuRequest::CanCut));
    addPageAction(menu, pane, QStringLiteral("Αντιγραφή"), QWebEnginePage::Copy,
                  flags.testFlag(QWebEngineContextMenuRequest::CanCopy));
    if (request.isContentEditable())
        addPageAction(menu, pane, QStringLiteral("Επικόλληση"), QWebEnginePage::Paste,
                      flags.testFlag(QWebEngineContextMenuRequest::CanPaste));
    addPageAction(menu, pane, QStringLiteral("Επιλογή όλων"), QWebEnginePage::SelectAll, true);
    return menu;
}
