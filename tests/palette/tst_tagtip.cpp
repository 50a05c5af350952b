#include "palettehost.h"
#include "widgettestmain.h"

#include "palette/core/tagbuttons.h"
#include "palette/core/tagdescriptions.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestTagTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hoverShowsTheDescription_data();
    void hoverShowsTheDescription();
    void leavingHidesTheTip();
    void showingClosesTheValuePopup();
    void tipTakesTheWidthOfTheResizedWindow();
    void descriptionIsLookedUpOnlyWhenTheTipAppears();

private:
    void hover(const QString &caption);
    void leave(const QString &caption);

    std::unique_ptr<PaletteHost> m_host;
};

void TestTagTip::init()
{
    m_host = std::make_unique<PaletteHost>();
    m_host->rows[5]->show();
    m_host->rows[6]->show();
    m_host->toolbarArea->resize(m_host->toolbarArea->width(), 7 * 22);
    m_host->resize(1024, 600);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_host->toolbars->layoutWidths(1024);
}

void TestTagTip::cleanup()
{
    m_host.reset();
}

void TestTagTip::hover(const QString &caption)
{
    QToolButton *button = m_host->toolbars->button(TagButtons::find(caption)->objectName);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), button->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
}

void TestTagTip::leave(const QString &caption)
{
    QEvent leaveEvent(QEvent::Leave);
    QApplication::sendEvent(m_host->toolbars->button(TagButtons::find(caption)->objectName), &leaveEvent);
}

void TestTagTip::hoverShowsTheDescription_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("closing html") << "</HTML>";
    QTest::newRow("section") << "<SECTION>";
    QTest::newRow("div") << "<DIV>";
    QTest::newRow("comment opener") << "<! --";
    QTest::newRow("comment closer") << "-->";
}

void TestTagTip::hoverShowsTheDescription()
{
    QFETCH(QString, caption);
    const QString description = TagDescriptions::lookup(caption);
    QVERIFY(!description.isEmpty());
    hover(caption);
    TagTip *tip = m_host->tip;
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->parentWidget(), m_host->statusBar);
    QCOMPARE(tip->pos(), QPoint(0, 0));
    QCOMPARE(tip->size(), QSize(m_host->frameGeometry().width(), 28));
    QCOMPARE(tip->descriptionLabel()->text(), description);
    QCOMPARE(tip->descriptionLabel()->height(), 25);
    QCOMPARE(tip->captionField()->text(), caption);
    QVERIFY(!tip->captionField()->isVisible());
}

void TestTagTip::leavingHidesTheTip()
{
    hover(QStringLiteral("<IMG>"));
    leave(QStringLiteral("<IMG>"));
    QVERIFY(m_host->tip->isHidden());
    QVERIFY(m_host->tip->captionField()->text().isEmpty());
    QCOMPARE(m_host->tip->parentWidget(), m_host->statusBar);
}

void TestTagTip::showingClosesTheValuePopup()
{
    m_host->valuePopup->show();
    hover(QStringLiteral("<IMG>"));
    QVERIFY(m_host->valuePopup->isHidden());
}

void TestTagTip::tipTakesTheWidthOfTheResizedWindow()
{
    hover(QStringLiteral("<P>"));
    leave(QStringLiteral("<P>"));
    const int narrow = m_host->tip->width();
    m_host->resize(1400, 600);
    hover(QStringLiteral("<P>"));
    QCOMPARE(m_host->tip->width(), m_host->frameGeometry().width());
    QCOMPARE(m_host->tip->width() - narrow, 1400 - 1024);
}

void TestTagTip::descriptionIsLookedUpOnlyWhenTheTipAppears()
{
    const QString table = TagDescriptions::lookup(QStringLiteral("<TABLE>"));
    QVERIFY(!table.isEmpty());
    QVERIFY(table != TagDescriptions::lookup(QStringLiteral("<TR>")));
    hover(QStringLiteral("<TABLE>"));
    m_host->tip->showDescription(QStringLiteral("<TR>"));
    QCOMPARE(m_host->tip->descriptionLabel()->text(), table);

    // A caption without a description leaves the last text in place.
    leave(QStringLiteral("<TABLE>"));
    m_host->tip->showDescription(QStringLiteral("<CAPTION>"));
    QVERIFY(m_host->tip->isVisible());
    QCOMPARE(m_host->tip->descriptionLabel()->text(), table);

    m_host->tip->hideDescription(QString());
    hover(QStringLiteral("</TR>"));
    QCOMPARE(m_host->tip->descriptionLabel()->text(), TagDescriptions::lookup(QStringLiteral("</TR>")));
}

VELMARK_WIDGET_TEST_MAIN(TestTagTip)

#include "tst_tagtip.moc"
