#include "preview/browsingbar.h"

#include "core/editingsession.h"
#include "preview/previewpane.h"
#include "widgets/messages.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// How long the home command waits for the maker's site to answer.
constexpr int homePatienceMs = 10000;

// The system's proxy, as the web engine takes it too: a school's lab often reaches the web only through one.
class SystemProxies : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

} // namespace

BrowsingBar::BrowsingBar(const BrowsingBarControls &controls, QObject *parent)
    : QObject(parent), m_controls(controls), m_addresses(programWebAddresses())
{
    setObjectName(QStringLiteral("browsingBar"));
    m_controls.address->installEventFilter(this);
}

void BrowsingBar::setAddresses(const WebAddresses &addresses)
{
    m_addresses = addresses;
}

bool BrowsingBar::editingMode() const
{
    return m_controls.session->isEditing();
}

bool BrowsingBar::editorAreaShown() const
{
    return !m_controls.editorArea->isHidden();
}

void BrowsingBar::setSwitch(bool ticked)
{
    m_controls.graphicalSwitch->setChecked(ticked);
}

bool BrowsingBar::refusedInEditingMode(BrowsingCommand command)
{
    if (!editingMode())
        return false;
    showMessage(m_controls.address->window(), refusalMessage(command));
    return true;
}

// Unticking the switch runs its refresh, whose balance check shows the message pane again with the warnings
// of the document being left; every command therefore empties and hides the message pane after unticking, so
// the pane stays hidden once the editor is left.

void BrowsingBar::goHome()
{
    // A second click while the site is asked counts once.
    if (m_homeProbe)
        return;
    const QString scheme = m_addresses.home.scheme();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        showHome();
        return;
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        m_network->setProxyFactory(new SystemProxies);
    }
    // Only the headers are asked for: any answer of the server (even an error of its own, which the engine
    // then shows) means the site is there.
    QNetworkRequest request(m_addresses.home);
    request.setTransferTimeout(homePatienceMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_homeProbe = m_network->head(request);
    connect(m_homeProbe, &QNetworkReply::finished, this, &BrowsingBar::homeAnswered);
}

void BrowsingBar::homeAnswered()
{
    QNetworkReply *reply = m_homeProbe;
    m_homeProbe = nullptr;
    reply->deleteLater();
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        showHome();
        return;
    }
    if (m_controls.showNotice)
        m_controls.showNotice(homeUnreachableNotice(m_addresses.home));
}

void BrowsingBar::showHome()
{
    m_controls.browser->navigate(m_addresses.home);
    if (editorAreaShown())
        setSwitch(false);
    m_controls.clearAndHideMessages();
    m_controls.hideAttributeBar();
}

void BrowsingBar::goBack()
{
    historyStep(true);
}

void BrowsingBar::goForward()
{
    historyStep(false);
}

void BrowsingBar::historyStep(bool back)
{
    if (editorAreaShown())
        setSwitch(true);
    if (refusedInEditingMode(back ? BrowsingCommand::Back : BrowsingCommand::Forward))
        return;
    // Back unticks the switch before hiding the attribute bar, forward the other way round.
    if (back) {
        setSwitch(false);
        m_controls.hideAttributeBar();
    } else {
        m_controls.hideAttributeBar();
        setSwitch(false);
    }
    m_controls.clearAndHideMessages();
    const bool stepped = back ? m_controls.browser->goBack() : m_controls.browser->goForward();
    if (!stepped)
        showMessage(m_controls.address->window(), noHistoryMessage());
}

void BrowsingBar::reload()
{
    if (editorAreaShown())
        setSwitch(true);
    if (refusedInEditingMode(BrowsingCommand::Reload))
        return;
    m_controls.hideAttributeBar();
    setSwitch(false);
    m_controls.clearAndHideMessages();
    m_controls.browser->refresh();
}

void BrowsingBar::goToAddress()
{
    if (editorAreaShown())
        setSwitch(true);
    goToTypedAddress(BrowsingCommand::Go);
}

bool BrowsingBar::addressKeyTyped(QChar key)
{
    if (editorAreaShown()) {
        // Ticking the switch runs its refresh, which hands the keyboard to the code pane; the pupil is typing
        // an address, so the keyboard comes back here and the next keys do not land in the document.
        const bool typingHere = m_controls.address->hasFocus();
        setSwitch(true);
        if (typingHere && !m_controls.address->hasFocus())
            m_controls.address->setFocus(Qt::OtherFocusReason);
    }
    if (key != QChar(13))
        return false;
    // Leaving the editor unticks the switch, whose refresh hands the keyboard to the code pane as well; Enter
    // was pressed here, so the keyboard stays here and what the pupil types next is not written into the
    // document.
    const bool typingHere = m_controls.address->hasFocus();
    goToTypedAddress(BrowsingCommand::Enter);
    if (typingHere && !m_controls.address->hasFocus())
        m_controls.address->setFocus(Qt::OtherFocusReason);
    return true;
}

void BrowsingBar::goToTypedAddress(BrowsingCommand command)
{
    if (refusedInEditingMode(command))
        return;
    // An empty address bar navigates to the empty address: there is nothing for the engine to load, and the
    // command leaves the editor as every navigation does. Any other text that does not make an address fails
    // to navigate, which ends the command silently.
    const QString typed = m_controls.address->text().trimmed();
    if (!typed.isEmpty()) {
        const QUrl address = addressFromTypedText(typed);
        if (!address.isValid() || address.isEmpty())
            return;
        m_controls.browser->navigate(address);
    }
    setSwitch(false);
    m_controls.clearAndHideMessages();
    m_controls.hideAttributeBar();
}

void BrowsingBar::openSkolvik()
{
    openWebLink(m_addresses.skolvik);
}

void BrowsingBar::openSchoolNetwork()
{
    openWebLink(m_addresses.sch);
}

void BrowsingBar::openLessons()
{
    openWebLink(m_addresses.lessons);
}

void BrowsingBar::openWebLink(const QUrl &address)
{
    if (editorAreaShown()) {
        setSwitch(false);
        m_controls.clearAndHideMessages();
    }
    m_controls.address->setText(address.toString());
    m_controls.browser->navigate(addressFromTypedText(m_controls.address->text()));
}

bool BrowsingBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.address && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && addressKeyTyped(typed.at(0)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
