#pragma once

#include "look/kit/MRBYHelpTopic.h"

#include <QList>

// The application's sixteen help topics, handed to the kit at start-up and
// shown by the help window, the Help menu and the help search.
namespace TLHelp {

// Built once, on first use. Bodies use the kit's line markup ("## " heading,
// "• " bullet, other lines paragraphs) and carry no "**" marks.
const QList<MRBYHelpTopic> &topics();

} // namespace TLHelp
