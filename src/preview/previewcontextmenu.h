#pragma once

class PreviewPane;
class QMenu;
class QWebEngineContextMenuRequest;

// The preview's context menu, in Greek, with only the entries that work where the pupil clicked: the steps
// of the history while a web page is shown, reloading, copying a link's address, cutting and pasting in a
// field, copying the selection and selecting everything. The engine's own menu offers English entries, some
// of which (saving the page, its source) do nothing here. The menu deletes itself once closed.
QMenu *createPreviewContextMenu(PreviewPane *pane, const QWebEngineContextMenuRequest &request);
