#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<void(const QString &)> &sink()
{
    static std::function<void(const QString &)> s;
    return s;
}
} // namespace

void ShowMessage(QWidget *parent, const QString &text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void setMessageSink(std::function<void(const QString &)> s)
{
    sink() = std::move(s);
}
