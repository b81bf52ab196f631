#include "screens/SheetScreen.h"

#include "data/Badges.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBZoom.h"
#include "pdf/PdfPrint.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/SaveFile.h"
#include "services/AppModel.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SheetScreen::SheetScreen(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_zoom(MBZoomScope::current()), m_rebuild(this, [this] { rebuildNow(); })
{
    auto *body = new QWidget;
    m_bodyLayout = mbColumn(body, 0);

    auto *page = new Page({
        new PageHeader(QStringLiteral("printer.fill"), QStringLiteral("My Resources Sheet"),
                       QStringLiteral("One page with the most important numbers for your state, plus your "
                                      "saved places and notes. Print it or save it, so you have it even if "
                                      "your phone dies.")),
        body,
    });
    auto *layout = mbColumn(this);
    layout->addWidget(page);

    // Deferred: the state prompt's own picker may be what changed the state.
    const auto later = [this] { m_rebuild.schedule(); };
    connect(&model, &AppModel::stateCodeChanged, this, later);
    if (FavoritesStore *store = model.favorites())
        connect(store, &FavoritesStore::itemsChanged, this, later);
    rebuildNow();
}

const SaveFile::Format &SheetScreen::format(Kind kind)
{
    switch (kind) {
    case Kind::pdf: return SaveFile::pdf;
    case Kind::html: return SaveFile::webPage;
    case Kind::text: return SaveFile::plainText;
    }
    return SaveFile::plainText;
}

QString SheetScreen::suggestedName(const ResourceSheet &sheet, Kind kind)
{
    // A plain hyphen here: the title's dash is awkward to type in a file name.
    const QString base = sheet.stateName.isEmpty() ? QStringLiteral("My Resources")
                                                   : QStringLiteral("My Resources - ") + sheet.stateName;
    return PdfPrint::safeFileName(base + u'.' + format(kind).suffix);
}

void SheetScreen::rebuildNow()
{
    m_rebuild.cancel();
    QWidget *old = m_body;
    m_body = nullptr;
    // The Save button pressed from the keyboard keeps the focus in the new
    // body; the old body goes only after it has given the focus away.
    const MBRebuildHost::FocusPath focus = MBRebuildHost::focusPath(old);
    MBZoomScope scope(m_zoom);
    m_body = buildBody();
    m_bodyLayout->addWidget(m_body);
    m_body->show();
    MBRebuildHost::carryFocus(focus, m_body);
    MBRebuildHost::retire(m_bodyLayout, old);
}

QWidget *SheetScreen::buildBody()
{
    auto *body = new QWidget;
    body->setObjectName(QStringLiteral("sheetBody"));
    auto *column = mbColumn(body, ipx(16));
    if (m_model.stateCode().isEmpty())
        column->addWidget(new StatePrompt(m_model));
    if (const ReferenceData *data = m_model.data()) {
        const FavoritesStore *store = m_model.favorites();
        const ResourceSheet sheet =
            ResourceSheet::build(m_model.stateCode(), *data, store ? store->items() : QList<Favorite>{});
        column->addWidget(buttonRow(sheet));
        if (!m_message.isEmpty())
            column->addWidget(SaveFile::messageLine(QStringLiteral("sheetMessage"), m_message));
        column->addWidget(preview(sheet));
    }
    return body;
}

QWidget *SheetScreen::buttonRow(const ResourceSheet &sheet)
{
    QList<SaveFile::Button> saves;
    const std::pair<Kind, const char16_t *> buttons[] = {
        {Kind::pdf, u"sheetSavePDFButton"}, {Kind::html, u"sheetSaveHTMLButton"}, {Kind::text, u"sheetSaveTextButton"}};
    for (const auto &[kind, name] : buttons)
        saves.append({format(kind), QString::fromUtf16(name), [this, sheet, kind] { save(sheet, kind); }});
    return SaveFile::buttonRow(QStringLiteral("sheetPrintButton"), [sheet] { sheet.printSheet(); }, saves);
}

QWidget *SheetScreen::preview(const ResourceSheet &sheet)
{
    const TLPalette palette = TLPalette::current();
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("sheetPreview"));
    card->body()->setSpacing(ipx(10));

    QLabel *title = tlHeading(sheet.title(), 20);
    title->setObjectName(QStringLiteral("sheetPreviewTitle"));
    card->addWidget(title);
    for (const SheetSection &section : sheet.sections) {
        card->addWidget(new TLSectionTitle(section.title));
        for (const SheetLine &line : section.lines) {
            auto *block = new QWidget;
            auto *rows = mbColumn(block, ipx(2));

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
                rows->addWidget(tlLabel(line.checkLine(), 11, FontWeight::Regular, palette.dim));
            card->addWidget(block);
        }
    }
    card->addWidget(tlLabel(ResourceSheet::footer(), 10.5, FontWeight::Regular, palette.dim));
    return card;
}

void SheetScreen::save(const ResourceSheet &sheet, Kind kind)
{
    const std::optional<QString> outcome =
        SaveFile::saveAs(window(), suggestedName(sheet, kind), format(kind), [&](const QString &path) {
            switch (kind) {
            case Kind::pdf: sheet.writePDF(path); break;
            case Kind::html: SaveFile::writeText(path, sheet.html()); break;
            case Kind::text: SaveFile::writeText(path, sheet.plainText()); break;
            }
        });
    if (!outcome)
        return;
    m_message = *outcome;
    rebuildNow();
}
