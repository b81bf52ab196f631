#pragma once
// The help registry: the application's topics plus the kit's two, a word
// search over them, and the one replaceable way to open help.

#include "look/kit/MRBYHelpTopic.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace MRBYHelp {

using Opener = std::function<void(const std::optional<QString> &topic)>;

QList<MRBYHelpTopic> topics();
void setTopics(const QList<MRBYHelpTopic> &topics);

// topics(), then "look" and "about" unless the application supplied them.
QList<MRBYHelpTopic> allTopics();
MRBYHelpTopic lookTopic();
MRBYHelpTopic aboutTopic();

// Every word (lower-cased, split at white space) must occur in title, body or
// keywords, folded for case and accents; title hits come first.
QList<MRBYHelpTopic> search(const QString &query);

// Case- and accent-insensitive form of a text, as search() compares it.
QString fold(const QString &text);

Opener opener();
void setOpener(Opener opener);
// Calls the current opener once.
void show(const std::optional<QString> &topic = std::nullopt);

// The kit's own help window at a topic: the default opener. Defined beside
// the help viewer.
void showWindow(const std::optional<QString> &topic);

} // namespace MRBYHelp
