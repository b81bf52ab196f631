#include "screens/ContactButtons.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBFont.h"
#include "screens/FlowLayout.h"
#include "services/NetStatus.h"
#include "services/Opener.h"

ContactButtons::ContactButtons(const QList<ContactAction> &actions, bool online, QWidget *parent)
    : QWidget(parent), m_actions(actions), m_online(online)
{
    setObjectName(QStringLiteral("contactButtons"));
    if (actions.isEmpty()) {
        setVisible(false);
        return;
    }
    const TLPalette palette = TLPalette::current();
    auto *flow = new FlowLayout(this, 8);
    for (const ContactAction &action : actions) {
        TLButtonStyle style;
        if (action.kind == ContactAction::Kind::Call)
            style = TLButtonStyle{palette.accent, palette.onAccent, false};
        auto *button = new TLButton(mbMenuText(label(action, online)), style, icon(action.kind));
        button->setObjectName(QStringLiteral("contact-") + ContactAction::rawValue(action.kind));
        button->setToolTip(action.url);
        // In words, not the bare address.
        button->setAccessibleDescription(MBAccessible::describeURL(action.url));
        const QString url = action.url;
        connect(button, &QAbstractButton::clicked, this, [url] { Opener::open(url); });
        // A double-click calls, texts or opens once.
        MBClickRun::holdMouse(button);
        flow->addWidget(button);
        m_buttons << button;
    }
    connect(&NetStatus::shared(), &NetStatus::onlineChanged, this, &ContactButtons::setOnline);
}

QString ContactButtons::icon(ContactAction::Kind kind)
{
    switch (kind) {
    case ContactAction::Kind::Call: return QStringLiteral("phone.fill");
    case ContactAction::Kind::Text: return QStringLiteral("message.fill");
    case ContactAction::Kind::Web: return QStringLiteral("safari");
    case ContactAction::Kind::Email: return QStringLiteral("envelope");
    }
    return QString();
}

QString ContactButtons::label(const ContactAction &action, bool online)
{
    if (action.kind == ContactAction::Kind::Web && !online)
        return action.label + QStringLiteral(" (needs internet)");
    return action.label;
}

void ContactButtons::setOnline(bool online)
{
    if (online == m_online)
        return;
    m_online = online;
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        if (m_actions.at(i).kind != ContactAction::Kind::Web)
            continue;
        // The name a screen reader hears changes with the label.
        const QString text = label(m_actions.at(i), online);
        m_buttons.at(i)->setText(mbMenuText(text));
        m_buttons.at(i)->setAccessibleName(text);
    }
}
