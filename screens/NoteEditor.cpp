#include "screens/NoteEditor.h"

#include "data/FavoritesStore.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLFieldBox.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBZoom.h"
#include "screens/Refusal.h"
#include "services/MyListActions.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QMimeData>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// A text box that takes only the plain text of whatever is pasted or dropped.
class PlainTextBox final : public QTextEdit
{
public:
    PlainTextBox()
    {
        setAcceptRichText(false);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setTabChangesFocus(true);
        viewport()->setAutoFillBackground(false);
        setAutoFillBackground(false);
    }
    std::function<void()> resized;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override { return source->hasText(); }
    void insertFromMimeData(const QMimeData *source) override
    {
        if (source->hasText())
            insertPlainText(source->text());
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QTextEdit::resizeEvent(event);
        if (resized)
            resized();
    }
};

// A document's block and line separators as the line feeds the user typed.
QString plainFromRaw(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
}

} // namespace

NoteEditor::NoteEditor(const QString &uid, FavoritesStore &store, QWidget *parent)
    : QWidget(parent), m_uid(uid), m_store(store), m_minH(ipx(60)), m_maxH(ipx(120))
{
    setObjectName(QStringLiteral("noteEditor"));
    const TLPalette palette = TLPalette::current();
    auto *column = mbColumn(this, ipx(6));

    column->addWidget(tlLabel(QStringLiteral("My note"), 12, FontWeight::Bold, palette.dim));

    // The page colour at 60 % behind the text, outlined.
    auto *box = new TLFieldBox({[](const TLPalette &p) {
                                    QColor fill = p.bg;
                                    fill.setAlphaF(0.6f);
                                    return fill;
                                },
                                10, false});
    m_box = box;
    auto *boxLayout = mbColumn(m_box);
    auto *edit = new PlainTextBox;
    m_edit = edit;
    m_edit->setObjectName(QStringLiteral("noteText"));
    m_edit->setAccessibleName(QStringLiteral("My note"));
    m_edit->setFont(tlFont(13));
    m_edit->document()->setDocumentMargin(px(6));
    boxLayout->addWidget(m_edit);
    box->setField(m_edit);
    column->addWidget(m_box);

    auto *row = mbRow();
    m_save = new TLButton(QStringLiteral("Save note"), TLButtonStyle{palette.accent, palette.onAccent, false});
    m_save->setObjectName(QStringLiteral("saveNote"));
    row->addWidget(m_save);
    m_saved = tlLabel(QStringLiteral("Saved on this computer."), 11.5, FontWeight::Regular, palette.dim, false);
    m_saved->setObjectName(QStringLiteral("noteSaved"));
    m_saved->hide();
    row->addWidget(m_saved);
    m_failed = Refusal::line();
    m_failed->setObjectName(QStringLiteral("noteFailed"));
    row->addWidget(m_failed, 1);
    row->addStretch(0);
    column->addLayout(row);

    connect(m_edit, &QTextEdit::textChanged, this, &NoteEditor::edited);
    connect(m_save, &QAbstractButton::clicked, this, &NoteEditor::save);
    MBClickRun::holdMouse(m_save);
    edit->resized = [this] { fitHeight(); };

    setText(store.note(uid));
    m_edited = false;
    MBDrafts::keep(m_edit, QStringLiteral("note:") + uid);
}

QString NoteEditor::text() const
{
    return m_edited ? plainFromRaw(m_edit->document()->toRawText()) : m_loaded;
}

void NoteEditor::setText(const QString &text)
{
    m_loading = true;
    m_edit->setPlainText(text);
    m_loading = false;
    m_loaded = text;
    m_edited = false;
    m_saved->hide();
    m_failed->hide();
    fitHeight();
}

void NoteEditor::edited()
{
    if (!m_loading)
        m_edited = true;
    m_saved->hide();
    m_failed->hide();
    fitHeight();
}

bool NoteEditor::save()
{
    const QString note = text();
    const bool ok = MyListActions::setNote(m_uid, note, m_store);
    if (ok) {
        m_loaded = note;
        m_edited = false;
        // Stored: nothing of it is a draft any more.
        m_edit->document()->setModified(false);
    }
    m_saved->setVisible(ok);
    if (ok) {
        Refusal::clear(m_failed);
        TLAnnouncer::say(this, m_saved->text());
    } else {
        // The text typed stays: a note can be long, and it is kept until the
        // person stores it or leaves.
        Refusal::failedWrite(m_failed, failedText());
    }
    return ok;
}

QString NoteEditor::failedText()
{
    return QStringLiteral("The note could not be saved. Your text is still here; try again.");
}

bool NoteEditor::savedShown() const { return !m_saved->isHidden(); }

void NoteEditor::fitHeight()
{
    const double docHeight = m_edit->document()->size().height();
    const int h = std::clamp(int(std::ceil(docHeight)), m_minH, m_maxH);
    if (m_box->height() != h || m_box->minimumHeight() != h)
        m_box->setFixedHeight(h);
}
