#pragma once

#include <QString>

struct Listing;

// The mail that reports a wrong listing, addressed to the maker's support
// mailbox with the listing's details filled in.
namespace ReportLink {

// "mailto:" + support address + "?subject=" + … + "&body=" + …, both
// percent-encoded. No listing gives the general report.
QString mailto(const Listing *listing);

// Percent-encodes UTF-8 text for a query value: only letters, digits and
// "-._~!$'()*,/:;@" stay as they are ("&", "=", "+", "?", "#", blanks and
// line feeds are always encoded).
QString enc(const QString &text);

} // namespace ReportLink
