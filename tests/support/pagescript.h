#pragma once

#include <QPoint>
#include <QString>
#include <QVariant>

class QWebEnginePage;

// Runs a script in the page and waits for its answer; an invalid value when none comes within the time-out,
// which then fails the comparison that reads it.
QVariant evaluateInPage(QWebEnginePage *page, const QString &script, int timeoutMs = 30000);
// Runs the script again and again until it answers the expected value or the time-out passes; the last
// answer.
QVariant evaluateInPageUntil(QWebEnginePage *page, const QString &script, const QVariant &expected,
                             int timeoutMs = 30000);
// The centre of the element with this id in the page's view, which is where a click on the pane's input
// widget reaches it; (-1, -1) when the page has no such element.
QPoint elementCentre(QWebEnginePage *page, const QString &id);
