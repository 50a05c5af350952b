#include "pagescript.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QWebEnginePage>
#include <memory>
#include <optional>

QVariant evaluateInPage(QWebEnginePage *page, const QString &script, int timeoutMs)
{
    // The answer is shared with the callback, which may still come after an unanswered wait has given up.
    auto answer = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, timeoutMs))
        qWarning("script not answered: %s", qPrintable(script));
    return answer->value_or(QVariant());
}

QVariant evaluateInPageUntil(QWebEnginePage *page, const QString &script, const QVariant &expected,
                             int timeoutMs)
{
    // A script sent to a document that is being replaced may never be answered; the end of the next load
    // says so, and the script is sent again to the document then shown.
    const QDeadlineTimer deadline(timeoutMs);
    QVariant value;
    while (!deadline.hasExpired()) {
        auto answer = std::make_shared<std::optional<QVariant>>();
        bool loadEnded = false;
        const QMetaObject::Connection watch =
            QObject::connect(page, &QWebEnginePage::loadFinished, page, [&] { loadEnded = true; });
        page->runJavaScript(script, [answer](const QVariant &result) { *answer = result; });
        (void)QTest::qWaitFor([&] { return answer->has_value() || loadEnded; },
                              int(deadline.remainingTime()));
        QObject::disconnect(watch);
        if (!answer->has_value())
            continue;
        value = **answer;
        if (value == expected)
            break;
    }
    return value;
}

QPoint elementCentre(QWebEnginePage *page, const QString &id)
{
    const QVariantList box =
        evaluateInPage(page, QStringLiteral("(function () { var e = document.getElementById('%1');"
                                            " if (!e) return null; var r = e.getBoundingClientRect();"
                                            " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                                 .arg(id))
            .toList();
    return box.size() == 2 ? QPoint(int(box[0].toDouble()), int(box[1].toDouble())) : QPoint(-1, -1);
}
