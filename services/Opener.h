#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The one replaceable function through which the application's actions open
// URLs: emergency calls and texts, contact buttons, the report mail, videos.
// URL texts stay as they were built; a QUrl is made only here, to open.
class Opener final
{
public:
    using Function = std::function<void(const QString &url)>;

    Opener() = delete;

    // Hands the URL text to the current function.
    static void open(const QString &url);

    // Replaces the function for every later open and returns the one it
    // replaced (tests and the self-test put a recorder in). An empty
    // function restores the default.
    static Function replace(Function function);

    // The default: asks the desktop to open the URL with the user's handler
    // for its scheme, ignoring whether that worked.
    static void openWithDesktop(const QString &url);

    // The QUrl of a URL text: encoded texts are kept as they stand, stray
    // blanks and lone "%" are repaired.
    static QUrl toUrl(const QString &url);
};
