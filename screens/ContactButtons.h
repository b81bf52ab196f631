#pragma once
// The contact buttons of a listing (or of any card that suggests help, such
// as the Money Plan's tips): one button per action, in the order given, in a
// FlowLayout with 8 points between them so they wrap on a narrow card. Each
// shows its kind's symbol and label; a call is filled with the accent colour.
// The tooltip is the URL; pressing hands the URL to Opener::open, online or
// not, once for a run of clicks (MBClickRun).
//
// Offline, web buttons read "<label> (needs internet)". The buttons follow
// NetStatus::shared() by themselves and relabel in place, so a card never
// has to be rebuilt when the network comes or goes.
//
// With no actions the widget is hidden and takes no room.

#include "data/ContactAction.h"

#include <QList>
#include <QWidget>

class TLButton;

class ContactButtons final : public QWidget
{
    Q_OBJECT
public:
    ContactButtons(const QList<ContactAction> &actions, bool online, QWidget *parent = nullptr);

    // The symbol name of a kind: phone.fill, message.fill, safari, envelope.
    static QString icon(ContactAction::Kind kind);
    // A button's text for an action and network state (before "&" doubling).
    static QString label(const ContactAction &action, bool online);

    QList<ContactAction> actions() const { return m_actions; }
    bool isEmpty() const { return m_actions.isEmpty(); }
    bool online() const { return m_online; }
    // In the order of actions().
    QList<TLButton *> buttons() const { return m_buttons; }

    // Relabels the web buttons in place.
    void setOnline(bool online);

private:
    QList<ContactAction> m_actions;
    QList<TLButton *> m_buttons;
    bool m_online;
};
