#include "screens/SheetScreen.h"

#include "data/Badges.h"
#include "data/DBError.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBZoom.h"
#include "screens/FileReveal.h"
#include "screens/FlowLayout.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/SaveFile.h"
#include "services/AppModel.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString filter(SheetScreen::Kind kind)
{
    switch (kind) {
    case SheetScreen::Kind::pdf: return QStringLiteral("PDF document (*.pdf)");
    case SheetScreen::Kind::html: return QStringLiteral("Web page (*.html)");
    case SheetScreen::Kind::text: return QStringLiteral("Plain text (*.txt)");
    }
    return QString();
}

} // namespace

SheetScreen::SaveDialog SheetScreen::replaceSaveDialog(SaveDialog dialog)
{
    return SaveFile::replaceDialog(std::move(dialog));
}

SheetScreen::SheetScreen(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_zoom(MBZoomScope::current())
{
    auto *body = new QWidget;
    m_bodyLayout = new QVBoxLayout(body);
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_bodyLayout->setSpacing(0);

    auto *page = new Page({
        new PageHeader(QStringLiteral("printer.fill"), QStringLiteral("My Resources Sheet"),
                       QStringLiteral("One page with the most important numbers for your state, plus your "
                                      "saved places and notes. Print it or save it, so you have it even if "
                                      "your phone dies.")),
        body,
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    connect(&model, &AppModel::stateCodeChanged, this, &SheetScreen::scheduleRebuild);
    if (FavoritesStore *store = model.favorites())
        connect(store, &FavoritesStore::itemsChanged, this, &SheetScreen::scheduleRebuild);
    rebuildNow();
}

QString SheetScreen::suffix(Kind kind)
{
    switch (kind) {
    case Kind::pdf: return QStringLiteral("pdf");
    case Kind::html: return QStringLiteral("html");
    case Kind::text: return QStringLiteral("txt");
    }
    return QStringLiteral("txt");
}

QString SheetScreen::suggestedName(const ResourceSheet &sheet, Kind kind)
{
    // A plain hyphen here: the title's dash is awkward to type in a file name.
    const QString base = sheet.stateName.isEmpty() ? QStringLiteral("My Resources")
                                                   : QStringLiteral("My Resources - ") + sheet.stateName;
    return base + u'.' + suffix(kind);
}

void SheetScreen::scheduleRebuild()
{
    if (m_pending)
        return;
    m_pending = true;
    // Deferred: the state prompt's own picker may be what changed the state.
    QTimer::singleShot(0, this, [self = QPointer<SheetScreen>(this)] {
        if (self && self->m_pending)
            self->rebuildNow();
    });
}

void SheetScreen::rebuildNow()
{
    m_pending = false;
    QWidget *old = m_body;
    m_body = nullptr;
    MBRebuildHost::retire(m_bodyLayout, old);
    MBZoomScope scope(m_zoom);
    m_body = buildBody();
    m_bodyLayout->addWidget(m_body);
    m_body->show();
}

QWidget *SheetScreen::buildBody()
{
    auto *body = new QWidget;
    body->setObjectName(QStringLiteral("sheetBody"));
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(ipx(16));
    if (m_model.stateCode().isEmpty())
        column->addWidget(new StatePrompt(m_model));
    if (const ReferenceData *data = m_model.data()) {
        const FavoritesStore *store = m_model.favorites();
        const ResourceSheet sheet =
            ResourceSheet::build(m_model.stateCode(), *data, store ? store->items() : QList<Favorite>{});
        column->addWidget(buttonRow(sheet));
        if (!m_message.isEmpty()) {
            QLabel *line = tlLabel(m_message, 12.5, FontWeight::Semibold, TLPalette::current().dim);
            line->setObjectName(QStringLiteral("sheetMessage"));
            column->addWidget(line);
        }
        column->addWidget(preview(sheet));
    }
    return body;
}

QWidget *SheetScreen::buttonRow(const ResourceSheet &sheet)
{
    const TLPalette palette = TLPalette::current();
    auto *row = new QWidget;
    // The four buttons wrap onto a second row in a narrow window.
    auto *layout = new FlowLayout(row, 10);

    auto *print = new TLButton(QStringLiteral("Print\u2026"), {palette.accent, palette.onAccent, true},
                               QStringLiteral("printer.fill"));
    print->setObjectName(QStringLiteral("sheetPrintButton"));
    connect(print, &QPushButton::clicked, this, [sheet] { sheet.printSheet(); });
    layout->addWidget(print);

    struct SaveButton { const char16_t *title; const char16_t *symbol; const char16_t *name; Kind kind; };
    for (const SaveButton &b : {SaveButton{u"Save as PDF\u2026", u"doc.richtext", u"sheetSavePDFButton", Kind::pdf},
                                SaveButton{u"Save as web page\u2026", u"globe", u"sheetSaveHTMLButton", Kind::html},
                                SaveButton{u"Save as text\u2026", u"doc.plaintext", u"sheetSaveTextButton", Kind::text}}) {
        auto *button = new TLButton(QString::fromUtf16(b.title), {std::nullopt, std::nullopt, true},
                                    QString::fromUtf16(b.symbol));
        button->setObjectName(QString::fromUtf16(b.name));
        const Kind kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, sheet, kind] { save(sheet, kind); });
        layout->addWidget(button);
    }
    return row;
}

QWidget *SheetScreen::preview(const ResourceSheet &sheet)
{
    const TLPalette palette = TLPalette::current();
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("sheetPreview"));
    card->body()->setSpacing(ipx(10));

    QLabel *title = tlLabel(sheet.title(), 20, FontWeight::Heavy);
    title->setObjectName(QStringLiteral("sheetPreviewTitle"));
    card->addWidget(title);
    for (const SheetSection &section : sheet.sections) {
        card->addWidget(new TLSectionTitle(section.title));
        for (const SheetLine &line : section.lines) {
            auto *block = new QWidget;
            auto *rows = new QVBoxLayout(block);
            rows->setContentsMargins(0, 0, 0, 0);
            rows->setSpacing(ipx(2));

            auto *head = new QHBoxLayout;
            head->setSpacing(ipx(8));
            QLabel *name = tlLabel(line.title, 13.5, FontWeight::Bold);
            head->addWidget(name, line.unconfirmed ? 0 : 1, Qt::AlignVCenter);
            if (line.unconfirmed) {
                // Beside a badge a wrapping label would take too little room.
                name->setMinimumWidth(qMin(name->fontMetrics().horizontalAdvance(line.title) + ipx(2), ipx(420)));
                head->addWidget(new TLBadge(Badges::unconfirmedText), 0, Qt::AlignVCenter);
                head->addStretch(1);
            }
            rows->addLayout(head);
            if (!line.contact.isEmpty())
                rows->addWidget(tlLabel(line.contact, 12.5));
            if (!line.note.isEmpty()) {
                QLabel *note = tlLabel(QStringLiteral("My note: ") + line.note, 12.5);
                QFont italic = note->font();
                italic.setItalic(true);
                note->setFont(italic);
                rows->addWidget(note);
            }
            if (!line.checked.isEmpty())
                rows->addWidget(tlLabel(line.checked + QStringLiteral(" \u00b7 source: ") + line.source, 11,
                                        FontWeight::Regular, palette.dim));
            card->addWidget(block);
        }
    }
    card->addWidget(tlLabel(ResourceSheet::footer(), 10.5, FontWeight::Regular, palette.dim));
    return card;
}

void SheetScreen::save(const ResourceSheet &sheet, Kind kind)
{
    const SaveRequest request{QDir(SaveFile::startFolder()).filePath(suggestedName(sheet, kind)), filter(kind),
                              suffix(kind)};
    const QString path = SaveFile::ask(window(), request);
    if (path.isEmpty())
        return;
    try {
        switch (kind) {
        case Kind::pdf: sheet.writePDF(path); break;
        case Kind::html: SaveFile::writeText(path, sheet.html()); break;
        case Kind::text: SaveFile::writeText(path, sheet.plainText()); break;
        }
        m_message = QStringLiteral("Saved: ") + QFileInfo(path).fileName();
        FileReveal::reveal(path);
    } catch (const DBError &e) {
        m_message = QStringLiteral("Could not save: ") + e.description;
    }
    rebuildNow();
}
