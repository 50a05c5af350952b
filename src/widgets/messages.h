#pragma once

#include <QString>
#include <functional>

class QWidget;

// `ShowMessage`: a plain modal message box with a fixed text and an OK button. Tests may route the messages
// elsewhere instead of opening a box.
void ShowMessage(QWidget *parent, const QString &text);
void setMessageSink(std::function<void(const QString &)> sink);
