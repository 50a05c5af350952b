#include "previewfixture.h"

#include "pagescript.h"

#include <QTest>

void PreviewFixture::init()
{
    m_pane = std::make_unique<PreviewPane>();
    m_pane->resize(800, 600);
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    m_server = std::make_unique<LocalHttpServer>();
}

void PreviewFixture::cleanup()
{
    m_pane.reset();
    m_server.reset();
}

QPoint PreviewFixture::centreOf(const QString &id) const
{
    return elementCentre(m_pane->page(), id);
}
