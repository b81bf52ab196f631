#pragma once

#include <QString>

// Every line break a person can type or paste (CR LF, CR, LF, and the
// Unicode line and paragraph separators) as one line feed, so each output
// (text file, web page, PDF, print, CSV) breaks the line where they did.
QString normalizedLineBreaks(const QString &text);
