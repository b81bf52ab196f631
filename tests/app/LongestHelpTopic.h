#pragma once
// The longest help topic, which scrolls in a help window of 800 × 420: a
// page to read by keyboard.

#include "app/TLHelp.h"
#include "app/TLHelpWindow.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

namespace longesthelptopic {

// Shows the topic; the help window, active, or null when it did not become so.
inline QWidget *show()
{
    const auto longest = std::max_element(
        TLHelp::topics().cbegin(), TLHelp::topics().cend(),
        [](const MRBYHelpTopic &a, const MRBYHelpTopic &b) { return a.body.size() < b.body.size(); });
    TLHelpWindow::show(longest->id);
    QWidget *window = TLHelpWindow::window();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    window->resize(800, 420);
    return window;
}

} // namespace longesthelptopic
