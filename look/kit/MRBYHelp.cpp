#include "look/kit/MRBYHelp.h"

#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYKitHost.h"

#include <algorithm>

namespace MRBYHelp {
namespace {

QList<MRBYHelpTopic> &topicStore()
{
    static QList<MRBYHelpTopic> list;
    return list;
}

Opener &openerStore()
{
    static Opener o = [](const std::optional<QString> &topic) { showWindow(topic); };
    return o;
}

bool hasID(const QList<MRBYHelpTopic> &list, const QString &id)
{
    return std::any_of(list.begin(), list.end(), [&](const MRBYHelpTopic &t) { return t.id == id; });
}

QStringList words(const QString &query)
{
    QStringList out;
    QString word;
    for (const QChar c : query.toLower()) {
        if (c.isSpace()) {
            if (!word.isEmpty())
                out << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        out << word;
    return out;
}

} // namespace

QList<MRBYHelpTopic> topics() { return topicStore(); }

void setTopics(const QList<MRBYHelpTopic> &list) { topicStore() = list; }

MRBYHelpTopic lookTopic()
{
    static const MRBYHelpTopic t{
        QStringLiteral("look"),
        QStringLiteral("Themes and interface zoom"),
        QStringLiteral("## Themes\n"
                       "Choose a color theme from the Theme menu: Cobalt Gunmetal, Candy Red Titanium, "
                       "Rose Gold, Lavender Pearl, Midnight Black or Brushed Gray. Some apps add more.\n"
                       "\n"
                       "## Interface zoom\n"
                       "Make everything bigger or smaller, from 85% to 200%:\n"
                       "\u2022 View \u2192 Zoom In (Ctrl +) and Zoom Out (Ctrl \u2212)\n"
                       "\u2022 View \u2192 Actual Size (Ctrl 0)\n"
                       "\u2022 View \u2192 Zoom Level to pick an exact size."),
        {QStringLiteral("color"), QStringLiteral("colour"), QStringLiteral("theme"),
         QStringLiteral("zoom"), QStringLiteral("bigger"), QStringLiteral("smaller"),
         QStringLiteral("text size"), QStringLiteral("font size"), QStringLiteral("dark")}};
    return t;
}

MRBYHelpTopic aboutTopic()
{
    return MRBYHelpTopic{
        QStringLiteral("about"),
        QStringLiteral("About ") + MRBYKitHost::creditName,
        MRBYKitHost::appName() + QStringLiteral(" is made ") + MRBYAbout::creditLine + QStringLiteral(".\n\n")
            + QStringLiteral("Website, updates and support: ") + MRBYKitHost::creditURLText(),
        {MRBYKitHost::creditShortName.toLower(), QStringLiteral("support"), QStringLiteral("contact"),
         QStringLiteral("website"), MRBYKitHost::creditName.toLower(), QStringLiteral("credits")}};
}

QList<MRBYHelpTopic> allTopics()
{
    QList<MRBYHelpTopic> list = topicStore();
    if (!hasID(list, QStringLiteral("look")))
        list << lookTopic();
    if (!hasID(list, QStringLiteral("about")))
        list << aboutTopic();
    return list;
}

QString fold(const QString &text)
{
    // Decompose, drop the combining marks, then fold the case: "É" → "e".
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const auto cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining
            || cat == QChar::Mark_Enclosing)
            continue;
        out += c;
    }
    return out.toCaseFolded();
}

QList<MRBYHelpTopic> search(const QString &query)
{
    const QStringList ws = words(query);
    const QList<MRBYHelpTopic> all = allTopics();
    if (ws.isEmpty())
        return all;
    QStringList folded;
    for (const QString &w : ws)
        folded << fold(w);

    QList<MRBYHelpTopic> inTitle;
    QList<MRBYHelpTopic> elsewhere;
    for (const MRBYHelpTopic &t : all) {
        const QString text = fold(t.title + QLatin1Char('\n') + t.body + QLatin1Char('\n')
                                  + t.keywords.join(QLatin1Char(' ')));
        const bool every = std::all_of(folded.begin(), folded.end(),
                                       [&](const QString &w) { return text.contains(w); });
        if (!every)
            continue;
        const QString title = fold(t.title);
        const bool titleHit = std::any_of(folded.begin(), folded.end(),
                                          [&](const QString &w) { return title.contains(w); });
        (titleHit ? inTitle : elsewhere) << t;
    }
    return inTitle + elsewhere;
}

Opener opener() { return openerStore(); }

void setOpener(Opener o) { openerStore() = std::move(o); }

void show(const std::optional<QString> &topic)
{
    const Opener o = openerStore();
    if (o)
        o(topic);
}

} // namespace MRBYHelp
