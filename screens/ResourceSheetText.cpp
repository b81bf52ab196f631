// The sheet as plain text and as a self-contained web page.
#include "screens/ResourceSheet.h"

#include "data/Badges.h"
#include "data/LineBreaks.h"

namespace {

// Only these three: quotes stay as they are (the page never puts text in
// attributes). A line break typed into a note shows as one on the page.
QString escaped(const QString &text)
{
    QString out = normalizedLineBreaks(text);
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    out.replace(u'\n', QStringLiteral("<br>"));
    return out;
}

const QString styleSheet = QStringLiteral(
    "body{font-family:-apple-system,Helvetica,Arial,sans-serif;max-width:720px;margin:24px auto;"
    "color:#222;font-size:14px;line-height:1.35}\n"
    "h1{font-size:22px;margin:0}h2{font-size:13px;letter-spacing:.08em;text-transform:uppercase;"
    "color:#555;border-bottom:1px solid #ccc;margin:16px 0 6px}\n"
    ".l{margin:0 0 8px}.t{font-weight:700}.c{color:#333}.m{font-size:11px;color:#666}"
    ".n{font-style:italic}\n"
    ".u{display:inline-block;background:#8a4b00;color:#fff;font-size:11px;font-weight:700;"
    "padding:1px 6px;border-radius:6px;margin-left:6px}\n"
    "footer{margin-top:18px;font-size:11px;color:#555}");

} // namespace

QString ResourceSheet::plainText() const
{
    // A note typed on several lines keeps them, whatever breaks it was typed
    // with, each under its entry's bullet.
    const auto item = [](const QString &text) {
        return normalizedLineBreaks(text).replace(u'\n', QStringLiteral("\n  "));
    };
    QStringList out{title(), metaLine(), QString()};
    for (const SheetSection &section : sections) {
        out << section.title.toUpper();
        for (const SheetLine &l : section.lines) {
            QString head = QStringLiteral("\u2022 ") + item(l.title);
            if (l.unconfirmed)
                head += QStringLiteral("  [") + Badges::unconfirmedText + u']';
            out << head;
            if (!l.contact.isEmpty())
                out << QStringLiteral("  ") + item(l.contact);
            if (!l.note.isEmpty())
                out << QStringLiteral("  My note: ") + item(l.note);
            if (!l.checked.isEmpty())
                out << QStringLiteral("  ") + item(l.checkLine());
        }
        out << QString();
    }
    out << footer();
    // A text file's every line ends in a line feed, the last one too.
    return out.join(u'\n') + u'\n';
}

QString ResourceSheet::html() const
{
    QString out = QStringLiteral("<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>")
        + escaped(title()) + QStringLiteral("</title>\n<style>") + styleSheet
        + QStringLiteral("</style></head><body>\n<h1>") + escaped(title())
        + QStringLiteral("</h1><div class=\"m\">") + escaped(metaLine()) + QStringLiteral("</div>");
    for (const SheetSection &section : sections) {
        out += QStringLiteral("<h2>") + escaped(section.title) + QStringLiteral("</h2>");
        for (const SheetLine &l : section.lines) {
            out += QStringLiteral("<div class=\"l\"><span class=\"t\">") + escaped(l.title)
                + QStringLiteral("</span>");
            if (l.unconfirmed)
                out += QStringLiteral("<span class=\"u\">") + escaped(Badges::unconfirmedText)
                    + QStringLiteral("</span>");
            if (!l.contact.isEmpty())
                out += QStringLiteral("<div class=\"c\">") + escaped(l.contact) + QStringLiteral("</div>");
            if (!l.note.isEmpty())
                out += QStringLiteral("<div class=\"n\">My note: ") + escaped(l.note)
                    + QStringLiteral("</div>");
            if (!l.checked.isEmpty())
                out += QStringLiteral("<div class=\"m\">") + escaped(l.checkLine()) + QStringLiteral("</div>");
            out += QStringLiteral("</div>");
        }
    }
    out += QStringLiteral("<footer>") + escaped(footer()) + QStringLiteral("</footer></body></html>");
    return out;
}
