#include "pagescript.h"

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
    QVariant value;
    (void)QTest::qWaitFor(
        [&] {
            value = evaluateInPage(page, script, timeoutMs);
            return value == expected;
        },
        timeoutMs);
    return value;
}
