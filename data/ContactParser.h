#pragma once

#include "data/ContactAction.h"

#include <QList>
#include <QString>

struct Listing;

// Turns the free contact texts of a listing into its contact buttons: calls
// first, then texts, then web pages and e-mail, each URL at most once
// (compared without regard to letter case, the first one wins). Pure
// functions; the expressions are compiled once.
namespace ContactParser {

// The four listing fields the parser reads.
struct Fields
{
    QString phone;
    QString contact;
    QString textContact;
    QString web;
};

QList<ContactAction> actions(const Fields &fields);
// The same for a listing's phone, contact, textContact and web fields.
QList<ContactAction> actions(const Listing &listing);

// Call actions: 211, 988 and 911 standing alone ("tel:211"), then ten-digit
// North American numbers ("Call (866) 348-6479", "tel:18663486479"), leaving
// out numbers that are meant for texting, WhatsApp or TTY.
QList<ContactAction> phones(const QString &text);
// Text actions: "Text HOME to 741741" ("sms:741741?body=HOME"), "Text your
// zip code to …" ("sms:…"), and the texting lines 988 and 838255.
QList<ContactAction> texts(const QString &text);
// Web (http and https) and e-mail actions for the addresses found in the text.
QList<ContactAction> links(const QString &text);

// A web action's label: the URL's host without a leading "www.", or the
// whole URL text when it has no host.
QString shortHost(const QString &url);

} // namespace ContactParser
