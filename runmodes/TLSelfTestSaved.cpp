// The self-test's sections on what people keep and take with them: My List
// across two processes of the application, the resources sheet as PDF, web
// page and text, and the contact buttons with the report link.

#include "runmodes/TLSelfTestSections.h"

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "runmodes/TLDataFigures.h"
#include "runmodes/TLTestRun.h"
#include "screens/ResourceSheet.h"
#include "services/MyListActions.h"
#include "services/ReportLink.h"
#include "services/TLInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <memory>

namespace {

using TLSelfTest::quotedList;
using TLSelfTest::PdfRead;
using TLSelfTest::readPdf;

const QString kMorningNote = QStringLiteral("Call first thing in the morning");

std::optional<Listing> first(const QList<Listing> &listings)
{
    if (listings.isEmpty())
        return std::nullopt;
    return listings.first();
}

std::optional<Listing> colorado211(const ReferenceData &data)
{
    return first(data.stateListings(QStringLiteral("CO"), QStringLiteral("211")));
}

QString decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString();
    return text;
}

// The file as a whole, or nothing written when that fails.
void writeUtf8(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.commit();
    }
}

QString readUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return decodeUtf8(file.readAll());
}

// The sheet's page count, or 0 when it could not be written.
int writeSheet(const ResourceSheet &sheet, const QString &path)
{
    try {
        return sheet.writePDF(path);
    } catch (...) {
        return 0;
    }
}

QList<Favorite> savedItems(const QString &path)
{
    try {
        return FavoritesStore(path).items();
    } catch (...) {
        return {};
    }
}

bool containsAll(const QString &text, const QStringList &parts)
{
    for (const QString &part : parts) {
        if (!text.contains(part))
            return false;
    }
    return true;
}

QStringList urlTexts(const Listing &listing)
{
    QStringList urls;
    for (const ContactAction &a : ContactParser::actions(listing))
        urls << a.url;
    return urls;
}

// The label every sheet prints for the data's check date.
QString checkedLabel()
{
    for (const auto &[date, label] : TLDataFigures::checkLabels()) {
        if (date == TLDataFigures::latestCheckDate())
            return label;
    }
    return QStringLiteral("Checked");
}

} // namespace

namespace TLSelfTest {

void myListChecks(Context &c)
{
    TLTestRun &run = c.run;
    const QString path = c.file(QStringLiteral("my-list.sqlite"));
    run.check(QStringLiteral("saved items and notes written by one run of the app are there in the next run "
                             "(two separate app processes)"),
              [&] {
                  const auto [written, ignored] = runChild({QStringLiteral("--tl-child-fav-write"), path});
                  const auto [read, text] = runChild({QStringLiteral("--tl-child-fav-read"), path});
                  const QStringList lines = text.split(QLatin1Char('\n'));
                  return written == 0 && read == 0
                      && lines.contains(QStringLiteral("FAV|test:alpha|Alpha Food Bank|Open at 6 pm, ask for Rosa"))
                      && lines.contains(QStringLiteral("FAV|test:beta|Beta 211|"));
              });

    std::unique_ptr<FavoritesStore> store;
    try {
        store = std::make_unique<FavoritesStore>(path);
    } catch (...) {
    }
    const std::optional<Listing> line211 = colorado211(c.data);
    if (!store || !line211) {
        run.check(false, QStringLiteral("My List opens"));
        return;
    }
    // Saved the way the Save button and the note editor save.
    MyListActions::add(*line211, *store);
    MyListActions::setNote(line211->uid, kMorningNote, *store);
    for (const Listing &l : c.data.stateListings(QStringLiteral("CO"), QStringLiteral("food_bank")).mid(0, 3))
        MyListActions::add(l, *store);

    run.check(QStringLiteral("reopening My List shows all 6 items and notes"), [&] {
        const FavoritesStore again(path);
        return again.items().size() == 6 && again.note(line211->uid) == kMorningNote;
    });
}

void sheetChecks(Context &c)
{
    TLTestRun &run = c.run;
    const QList<Favorite> saved = savedItems(c.file(QStringLiteral("my-list.sqlite")));
    const std::optional<Listing> line211 = colorado211(c.data);
    const QString name211 = line211 ? line211->name : QStringLiteral("?");

    const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), c.data, saved);
    const QString pdfPath = c.file(QStringLiteral("My Resources - Colorado.pdf"));
    const int pages = writeSheet(sheet, pdfPath);
    const PdfRead pdf = readPdf(pdfPath);
    run.check(pdf.opened && QFileInfo::exists(pdfPath) && pages == 1 && pdf.pages == 1,
              QStringLiteral("Colorado sheet is a one-page PDF"));
    run.check(containsAll(pdf.text, {QStringLiteral("911"), QStringLiteral("988"), QStringLiteral("211"), name211,
                                     checkedLabel(), QStringLiteral("Marrowby")}),
              QStringLiteral("the PDF has 911 / 988 / 211, Colorado's 211 (%1), check dates and the MRBY credit")
                  .arg(name211));
    run.check(containsAll(pdf.text, {Badges::unconfirmedText, QStringLiteral("Colorado: highway rest areas")}),
              QStringLiteral("Colorado's unconfirmed rest-area rule carries the badge on the sheet"));
    run.check(pdf.text.contains(kMorningNote), QStringLiteral("My List notes are printed on the sheet"));

    run.check(QStringLiteral("web page and text versions are written too"), [&] {
        writeUtf8(c.file(QStringLiteral("sheet.html")), sheet.html());
        writeUtf8(c.file(QStringLiteral("sheet.txt")), sheet.plainText());
        const QString html = readUtf8(c.file(QStringLiteral("sheet.html")));
        const QString text = readUtf8(c.file(QStringLiteral("sheet.txt")));
        return containsAll(html, {QStringLiteral("<h1>My Resources \u2014 Colorado</h1>"), Badges::unconfirmedText})
            && containsAll(text, {name211, checkedLabel()});
    });

    QStringList tooLong;
    for (const ReferenceData::State &s : c.data.states()) {
        const ResourceSheet stateSheet = ResourceSheet::build(s.code, c.data, saved);
        if (writeSheet(stateSheet, c.file(QStringLiteral("st-") + s.code + QStringLiteral(".pdf"))) != 1)
            tooLong << s.code;
    }
    run.check(tooLong.isEmpty(),
              QStringLiteral("the sheet fits on one page for all 51 states with 6 saved items (too long: %1)")
                  .arg(quotedList(tooLong)));

    run.check(writeSheet(ResourceSheet::build(QString(), c.data, {}), c.file(QStringLiteral("none.pdf"))) == 1,
              QStringLiteral("a sheet with no state chosen still works"));
}

void contactChecks(Context &c)
{
    TLTestRun &run = c.run;
    const ReferenceData &data = c.data;

    if (const std::optional<Listing> l = data.national(QStringLiteral("988"))) {
        const QStringList urls = urlTexts(*l);
        run.check(urls.contains(QStringLiteral("tel:988")) && urls.contains(QStringLiteral("sms:988")) && urls.contains(TLInfo::chat988URL),
                  QStringLiteral("988 listing: call, text and chat buttons ") + quotedList(urls));
    }
    if (const std::optional<Listing> l = data.national(QStringLiteral("Crisis Text Line"))) {
        run.check(urlTexts(*l).contains(QStringLiteral("sms:741741?body=HOME")),
                  QStringLiteral("Crisis Text Line: \"Text HOME to 741741\" button"));
    }
    if (const std::optional<Listing> l = data.national(QStringLiteral("USDA National Hunger Hotline"))) {
        const QStringList urls = urlTexts(*l);
        // The shipped contact text gives a keyword to text ("text FOOD to …"),
        // which the Text button carries.
        const bool texts = urls.contains(QStringLiteral("sms:9143427744"))
            || !urls.filter(QRegularExpression(QStringLiteral("^sms:9143427744\\?body="))).isEmpty();
        run.check(urls.contains(QStringLiteral("tel:18663486479")) && texts
                      && !urls.contains(QStringLiteral("tel:19143427744")),
                  QStringLiteral("Hunger Hotline: its text-only number gets a Text button, not a Call button ")
                      + quotedList(urls));
    }
    if (const std::optional<Listing> l = data.national(QStringLiteral("Mobile crisis"))) {
        const QStringList urls = urlTexts(*l);
        run.check(urls.contains(QStringLiteral("tel:988")) && urls.contains(QStringLiteral("sms:988")),
                  QStringLiteral("\"Call or text 988\" gets both a Call and a Text button ") + quotedList(urls));
    }

    std::optional<Listing> line211;
    for (const Listing &l : data.stateListings(QStringLiteral("CO"), QStringLiteral("211"))) {
        if (l.phone.contains(QLatin1Char('('))) {
            line211 = l;
            break;
        }
    }
    if (line211) {
        const QStringList urls = urlTexts(*line211);
        bool tenDigits = false;
        for (const QString &url : urls)
            tenDigits = tenDigits || (url.startsWith(QStringLiteral("tel:1")) && url.size() == 15);
        run.check(urls.contains(QStringLiteral("tel:211")) && tenDigits,
                  QStringLiteral("a state 211 listing gets Call 211 and its 10-digit number ") + quotedList(urls));
        run.check(QStringLiteral("report email goes to MRBY support with the listing, its id and source filled in"), [&] {
            const QString mail = ReportLink::mailto(&*line211);
            const QString decoded = decodeUtf8(QByteArray::fromPercentEncoding(mail.toUtf8()));
            return mail.startsWith(QStringLiteral("mailto:") + TLInfo::supportEmail
                                   + QStringLiteral("?subject=Wrong%20listing"))
                && decoded.contains(line211->uid) && decoded.contains(line211->sourceURL);
        });
    }
    // The mailbox at the maker's own web domain, the one the website gives.
    run.check(TLInfo::supportEmail.endsWith(QLatin1Char('@') + TLInfo::websiteDomain())
                  && !TLInfo::supportEmail.startsWith(QLatin1Char('@')),
              QStringLiteral("support address is the one the other MRBY apps and the website use"));
}

} // namespace TLSelfTest
