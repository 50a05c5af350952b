#include "palettehost.h"
#include "widgettestmain.h"

#include "palette/attributebar.h"
#include "palette/core/attributelists.h"
#include "palette/core/tagbuttons.h"
#include "palette/tagtoolbars.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The visible controls of a bar from left to right: an attribute button as "caption @ width", a box by its
// name.
QStringList barContents(QWidget *bar)
{
    QList<QWidget *> controls;
    for (QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            controls.append(child);
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    QStringList contents;
    for (QWidget *control : controls) {
        if (auto *button = qobject_cast<QToolButton *>(control))
            contents.append(QStringLiteral("%1 @ %2").arg(button->text()).arg(button->width()));
        else
            contents.append(control->objectName());
    }
    return contents;
}

int componentsNamed(QObject *owner, const QString &name)
{
    int count = 0;
    for (QObject *object : owner->findChildren<QObject *>())
        if (object->objectName().compare(name, Qt::CaseInsensitive) == 0)
            ++count;
    return count;
}

} // namespace

class TestAttributeBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tagClickBuildsItsBar_data();
    void tagClickBuildsItsBar();
    void clickInsertsExactlyTheCaption();
    void barIsFreedAndCreatedAgainUnderTheCodePane();
    void generalBoxInsertsOnlyWhenTheUserPicks();
    void generalBoxTwiceLeavesOneBoxAtTheLeftEnd();
    void namedBoxesReplaceTheirNamesake();
    void attributeButtonInsertsItsCaptionAndKeepsTheBar();
    void browsingModeLeavesDocumentAndBar();
    void openListShowsItsItemsWhole();
    void screenReaderReadsTheBar();

private:
    void clickTag(const QString &caption);

    std::unique_ptr<PaletteHost> m_host;
};

void TestAttributeBar::init()
{
    m_host = std::make_unique<PaletteHost>();
    m_host->rows[5]->show();
    m_host->rows[6]->show();
    m_host->toolbarArea->resize(m_host->toolbarArea->width(), 7 * 22);
    m_host->resize(1600, 600);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_host->toolbars->layoutWidths(1600);
}

void TestAttributeBar::cleanup()
{
    m_host.reset();
}

void TestAttributeBar::clickTag(const QString &caption)
{
    const TagButton *entry = TagButtons::find(caption);
    QVERIFY2(entry, qPrintable(caption));
    QTest::mouseClick(m_host->toolbars->button(entry->objectName), Qt::LeftButton);
}

void TestAttributeBar::tagClickBuildsItsBar_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("contents");

    const QStringList table{R"(bgcolor="#" @ 120)",    R"(style="" @ 120)",
                            R"(cellspacing="" @ 120)", R"(cellpadding="" @ 120)",
                            R"(border="" @ 120)",      R"(align="" @ 120)",
                            R"(frame="" @ 120)",       R"(rules="" @ 120)",
                            "sortable @ 120",          "combo1"};
    QTest::newRow("table") << "<TABLE>" << table;
    QTest::newRow("closing table gives the same bar") << "</TABLE>" << table;
    QTest::newRow("html") << "<HTML>"
                          << QStringList{R"(xmlns="http://www.w3.org/1999/xhtml" @ 270)", "!DOCTYPE @ 100",
                                         "combo1"};
    QTest::newRow("iframe") << "<IFRAME>"
                            << QStringList{
                                   R"(width="" @ 75)",        R"(height="" @ 75)",     R"(src="" @ 75)",
                                   R"(scrolling="" @ 75)",    R"(name="" @ 75)",       R"(align="" @ 75)",
                                   R"(frameborder="0" @ 75)", "allowfullscreen @ 110", "combo1"};
    QTest::newRow("select") << "<SELECT>"
                            << QStringList{R"(<option value=""> @ 120)",
                                           "</option> @ 70",
                                           R"(size="" @ 70)",
                                           "required @ 70",
                                           R"(name="" @ 70)",
                                           "multiple @ 70",
                                           "disabled @ 70",
                                           "autofocus @ 70",
                                           "combo1"};
    QTest::newRow("closing anchor") << "</A>"
                                    << QStringList{R"(href="" @ 90)", R"(target="" @ 90)",   R"(rel="" @ 90)",
                                                   R"(name="" @ 90)", R"(hreflang="" @ 90)", "download @ 90",
                                                   "combo1"};
    QTest::newRow("table header") << "<TH>" << QStringList{R"(sorted="" @ 90)",  R"(headers="" @ 90)",
                                                           R"(colspan="" @ 90)", "bgcolor @ 90",
                                                           R"(width="" @ 90)",   R"(height="" @ 90)",
                                                           R"(align="" @ 90)",   "combo1"};
    QTest::newRow("line break has no list") << "<BR>" << QStringList{"combo1"};
    QTest::newRow("unordered list has no list") << "<UL>" << QStringList{"combo1"};
    QTest::newRow("span has no list") << "</SPAN>" << QStringList{"combo1"};
    QTest::newRow("comment opener") << "<! --" << QStringList();
    QTest::newRow("comment closer") << "-->" << QStringList();
}

void TestAttributeBar::tagClickBuildsItsBar()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, contents);
    clickTag(caption);
    QWidget *bar = m_host->bar->currentBar();
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QCOMPARE(barContents(bar), contents);
}

void TestAttributeBar::clickInsertsExactlyTheCaption()
{
    m_host->codePane->setPlainText(QStringLiteral("abcd"));
    QTextCursor cursor = m_host->codePane->textCursor();
    cursor.setPosition(2);
    m_host->codePane->setTextCursor(cursor);
    clickTag(QStringLiteral("<TABLE>"));
    clickTag(QStringLiteral("</TABLE>"));
    QCOMPARE(m_host->codePane->toPlainText(), QStringLiteral("ab<TABLE></TABLE>cd"));

    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    m_host->codePane->setTextCursor(cursor);
    clickTag(QStringLiteral("<B>"));
    QCOMPARE(m_host->codePane->toPlainText(), QStringLiteral("a<B>TABLE></TABLE>cd"));
}

void TestAttributeBar::barIsFreedAndCreatedAgainUnderTheCodePane()
{
    QPointer<QWidget> initial = m_host->bar->currentBar();
    QVERIFY(initial);
    QCOMPARE(initial->objectName(), QStringLiteral("Panel15"));
    initial->hide();

    clickTag(QStringLiteral("<TABLE>"));
    QPointer<QWidget> first = m_host->bar->currentBar();
    QVERIFY(first && first != initial);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!initial);

    QCOMPARE(first->objectName(), QStringLiteral("panel15"));
    QCOMPARE(first->parentWidget(), m_host->editorArea);
    QVERIFY(first->isVisible());
    QCOMPARE(first->height(), 23);
    QVERIFY(first->font().bold());
    QCOMPARE(first->y(), m_host->codePane->geometry().bottom() + 1);
    QCOMPARE(first->geometry().bottom() + 1, m_host->messagePane->y());

    clickTag(QStringLiteral("<P>"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(componentsNamed(m_host.get(), QStringLiteral("panel15")), 1);
    QCOMPARE(componentsNamed(m_host.get(), QStringLiteral("combo1")), 1);
    QCOMPARE(m_host->bar->currentBar()->y(), m_host->codePane->geometry().bottom() + 1);
}

void TestAttributeBar::generalBoxInsertsOnlyWhenTheUserPicks()
{
    QSignalSpy inserted(m_host->bar, &AttributeBar::insertText);
    m_host->bar->resetBar();
    QComboBox *box = m_host->bar->addGeneralBox();
    QVERIFY(inserted.isEmpty());
    QCOMPARE(box->currentText(), QStringLiteral("Γενικά Χαρακτηριστικά"));
    QCOMPARE(box->currentIndex(), -1);
    // As wide as its table gives, or wider where the face needs it: the caption is read whole.
    QVERIFY(box->width() >= 177);
    QVERIFY(box->lineEdit()->width() >= box->fontMetrics().horizontalAdvance(box->currentText()));
    QVERIFY(box->font().bold());
    QCOMPARE(box->font().pointSize(), 10);
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    QCOMPARE(items, AttributeLists::general());

    // An arrow key on the closed box is a choice.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(inserted.size(), 3);
    QCOMPARE(inserted.at(0).at(0).toString(), QStringLiteral(R"(id="")"));
    QCOMPARE(inserted.at(1).at(0).toString(), QStringLiteral(R"(accesskey="")"));
    QCOMPARE(inserted.at(2).at(0).toString(), QStringLiteral(R"(id="")"));

    // Typing in the box is no choice.
    QTest::keyClicks(box, QStringLiteral("hidden"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(inserted.size(), 3);

    // A click in the list is a choice.
    box->showPopup();
    QAbstractItemView *list = box->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex style = list->model()->index(8, 0);
    list->scrollTo(style);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(style).center());
    QTRY_COMPARE(inserted.size(), 4);
    QCOMPARE(inserted.at(3).at(0).toString(), QStringLiteral(R"(style="")"));
    QCOMPARE(box->currentText(), QStringLiteral(R"(style="")"));
}

void TestAttributeBar::generalBoxTwiceLeavesOneBoxAtTheLeftEnd()
{
    clickTag(QStringLiteral("<DIV>"));
    QComboBox *newest = m_host->bar->addGeneralBox();
    QCOMPARE(componentsNamed(m_host.get(), QStringLiteral("combo1")), 1);
    QCOMPARE(m_host->bar->box(QStringLiteral("combo1")), newest);
    QCOMPARE(barContents(m_host->bar->currentBar()),
             (QStringList{"combo1", R"(align="" @ 120)", R"(style="" @ 120)"}));
    QCOMPARE(newest->currentText(), QStringLiteral("Γενικά Χαρακτηριστικά"));
}

void TestAttributeBar::namedBoxesReplaceTheirNamesake()
{
    clickTag(QStringLiteral("<P>"));
    const QStringList mouse{QStringLiteral(R"(onclick="")"), QStringLiteral(R"(ondblclick="")")};
    m_host->bar->addBox(QStringLiteral("combo5"), QStringLiteral("Γεγ. Ποντικιού"), 145, mouse);
    m_host->bar->addBox(QStringLiteral("combo2"), QStringLiteral("Γεγ. Παραθυρικά"), 149, {});
    QComboBox *again =
        m_host->bar->addBox(QStringLiteral("combo5"), QStringLiteral("Γεγ. Ποντικιού"), 145, mouse);
    QCOMPARE(componentsNamed(m_host.get(), QStringLiteral("combo5")), 1);
    QCOMPARE(barContents(m_host->bar->currentBar()),
             (QStringList{"combo5", "combo2", R"(align="" @ 90)", "combo1"}));
    QVERIFY(again->width() >= 145);
    QCOMPARE(again->currentText(), QStringLiteral("Γεγ. Ποντικιού"));
    QCOMPARE(again->count(), 2);
}

void TestAttributeBar::attributeButtonInsertsItsCaptionAndKeepsTheBar()
{
    clickTag(QStringLiteral("<A>"));
    QWidget *bar = m_host->bar->currentBar();
    const QStringList contents = barContents(bar);
    QToolButton *href = nullptr;
    for (QToolButton *button : bar->findChildren<QToolButton *>())
        if (button->text() == QLatin1String(R"(href="")"))
            href = button;
    QVERIFY(href);
    QVERIFY(href->objectName().isEmpty());
    QTest::mouseClick(href, Qt::LeftButton);
    QTest::mouseClick(href, Qt::LeftButton);
    QCOMPARE(m_host->codePane->toPlainText(), QStringLiteral(R"(<A>href=""href="")"));
    QCOMPARE(m_host->bar->currentBar(), bar);
    QCOMPARE(barContents(bar), contents);
}

void TestAttributeBar::browsingModeLeavesDocumentAndBar()
{
    clickTag(QStringLiteral("<TABLE>"));
    QWidget *bar = m_host->bar->currentBar();
    const QStringList contents = barContents(bar);
    m_host->session.setMode(DocumentMode::Browsing);
    m_host->messagePane->setPlainText(QStringLiteral("warning"));

    clickTag(QStringLiteral("<A>"));
    QCOMPARE(m_host->codePane->toPlainText(), QStringLiteral("<TABLE>"));
    QVERIFY(m_host->messagePane->toPlainText().isEmpty());
    QCOMPARE(m_host->bar->currentBar(), bar);
    QVERIFY(bar->isVisible());
    QCOMPARE(barContents(bar), contents);
}

void TestAttributeBar::openListShowsItsItemsWhole()
{
    clickTag(QStringLiteral("<P>"));
    const QStringList window{QStringLiteral(R"(onafterprint="")"), QStringLiteral(R"(onbeforeunload="")")};
    QComboBox *box =
        m_host->bar->addBox(QStringLiteral("combo2"), QStringLiteral("Γεγ. Παραθυρικά"), 60, window);
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    const QFontMetrics metrics(box->view()->font());
    QVERIFY(box->view()->viewport()->width() >= metrics.horizontalAdvance(window[1]));
    QVERIFY(box->view()->width() > box->width());
    box->hidePopup();
}

void TestAttributeBar::screenReaderReadsTheBar()
{
    clickTag(QStringLiteral("<OL>"));
    QWidget *bar = m_host->bar->currentBar();
    QStringList names;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        names.append(iface->child(i)->text(QAccessible::Name));
    names.sort();
    QCOMPARE(names, (QStringList{"reversed", R"(start="")", R"(type="")", "Γενικά Χαρακτηριστικά"}));
}

VELMARK_WIDGET_TEST_MAIN(TestAttributeBar)

#include "tst_attributebar.moc"
