#pragma once

class QObject;

// With accessibility active (a screen reader), the web engine gives every node of a page's accessibility tree
// a plain QObject of its own, a child of its parent node's, the topmost a child of the view. When a document
// is replaced the engine deletes the nodes' accessible interfaces but not these objects: they stay under the
// view, each still connected to Qt's cache of accessible interfaces, and a refresh of a page of a few hundred
// paragraphs leaves thousands of them, megabytes that are never given back. This deletes, under the view,
// every such object whose interface is gone and under which no node lives on; the nodes of the document on
// show keep theirs, so a screen reader reads the page as before.
// Without accessibility there are no such objects, and nothing to do.
void dropAccessibleLeftovers(QObject *view);
