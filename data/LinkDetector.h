#pragma once

#include <QStringList>

// Finds web and e-mail addresses in free text, in text order, and gives each
// as a URL text: an address with a scheme as written ("https://…",
// "mailto:…", also other schemes such as "ftp://…"), a bare or "www."
// address as "http://" + the address, an e-mail address as "mailto:" + it.
// Bare addresses count only with a common top-level domain, so words such as
// "a.m." or "U.S." are never taken for links. Trailing punctuation and an
// unbalanced closing bracket stay outside the link. A link ends at the first
// character that may not stand in a URL (blanks, quotation marks, dashes);
// letters of any script stand in it, so an address is never cut short.
namespace LinkDetector {

QStringList links(const QString &text);

// Whether the whole text is a valid http or https URL with a host (strict
// parsing): the only addresses a web button or a video may open, so a data
// row can never start a program or a file through another scheme.
bool isWebAddress(const QString &url);

} // namespace LinkDetector
