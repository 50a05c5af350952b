// Preview speed: the time from handing a text to the preview until the rendered document has loaded, for a
// page the size of the welcome page and for a 5 MB page.
#include "app/core/programtexts.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {

// Loads a text and waits until the preview reports its document complete; milliseconds, or -1 on a time-out.
double renderMilliseconds(PreviewPane &pane, const QString &text)
{
    QEventLoop loop;
    QTimer::singleShot(120000, &loop, [&loop] { loop.exit(1); });
    const QMetaObject::Connection done =
        QObject::connect(&pane, &PreviewPane::documentComplete, &loop, [&loop] { loop.exit(0); });
    QElapsedTimer timer;
    timer.start();
    pane.renderHtml(text);
    const int failed = loop.exec();
    QObject::disconnect(done);
    return failed ? -1.0 : double(timer.nsecsElapsed()) / 1e6;
}

QString largePage(int bytes)
{
    QString page = QStringLiteral("<HTML><BODY>\n");
    int row = 0;
    while (page.size() * 2 < bytes)
        page += QStringLiteral("<P>Γραμμή %1 του μεγάλου εγγράφου, με <B>έντονα</B> και <I>πλάγια</I>.</P>\n")
                    .arg(++row);
    return page + QStringLiteral("</BODY></HTML>\n");
}

} // namespace

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    registerPreviewScheme();
    QApplication app(argc, argv);
    PreviewPane pane;
    pane.resize(1000, 500);
    pane.show();

    const QString welcome = ProgramTexts::welcomeDocument().join(QStringLiteral("\r\n"));
    const QString large = largePage(5 * 1024 * 1024);
    renderMilliseconds(pane, welcome); // the first load also starts the browser engine

    std::printf("%-22s %12s\n", "page", "render (ms)");
    for (int i = 0; i < 3; ++i)
        std::printf("%-22s %12.1f\n", "welcome page", renderMilliseconds(pane, welcome));
    std::printf("%-22s %12.1f\n", "5 MB page", renderMilliseconds(pane, large));
    return 0;
}
