#include "look/kit/MBDrafts.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QTextEdit>

namespace {

const char *const kRow = "mbDraftRow";
const QString kHandle = QStringLiteral("mbDraft");
const QString kMaker = QStringLiteral("mbDraftRowMaker");

// Rides on a marked control: its key and how its state is read and put back.
class Handle final : public QObject
{
public:
    Handle(QWidget *control, QString key, std::function<QVariant()> save,
           std::function<void(const QVariant &)> restore)
        : QObject(control), key(std::move(key)), save(std::move(save)), restore(std::move(restore))
    {
        setObjectName(kHandle);
    }
    QWidget *control() const { return static_cast<QWidget *>(parent()); }

    QString key;
    std::function<QVariant()> save;
    std::function<void(const QVariant &)> restore;
};

class RowMaker final : public QObject
{
public:
    RowMaker(QWidget *list, std::function<QWidget *(const QString &)> make)
        : QObject(list), make(std::move(make))
    {
        setObjectName(kMaker);
    }
    std::function<QWidget *(const QString &)> make;
};

template<typename T>
QList<T *> marks(const QWidget *under, const QString &name)
{
    QList<T *> out;
    for (QObject *o : under->findChildren<QObject *>(name))
        if (auto *t = dynamic_cast<T *>(o))
            out << t;
    return out;
}

Handle *find(const QWidget *under, const QString &key)
{
    for (Handle *h : marks<Handle>(under, kHandle))
        if (h->key == key)
            return h;
    return nullptr;
}

} // namespace

namespace MBDrafts {

void keep(QWidget *control, const QString &key, std::function<QVariant()> save,
          std::function<void(const QVariant &)> restore)
{
    new Handle(control, key, std::move(save), std::move(restore));
}

void keep(QLineEdit *field, const QString &key)
{
    keep(
        field, key,
        [field]() -> QVariant {
            if (!field->isModified())
                return {};
            const int start = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
            const int end = field->hasSelectedText() ? field->selectionEnd() : field->cursorPosition();
            // The caret stands at one end of a selection.
            const int anchor = field->cursorPosition() == start ? end : start;
            return QVariantList{field->text(), anchor, field->cursorPosition()};
        },
        [field](const QVariant &state) {
            const QVariantList s = state.toList();
            field->setText(s.value(0).toString());
            field->setModified(true);
            const int anchor = s.value(1).toInt();
            const int caret = s.value(2).toInt();
            field->setSelection(anchor, caret - anchor);
            if (anchor == caret)
                field->setCursorPosition(caret);
        });
}

void keep(QTextEdit *field, const QString &key)
{
    keep(
        field, key,
        [field]() -> QVariant {
            if (!field->document()->isModified())
                return {};
            const QTextCursor c = field->textCursor();
            return QVariantList{field->toPlainText(), c.anchor(), c.position()};
        },
        [field](const QVariant &state) {
            const QVariantList s = state.toList();
            field->setPlainText(s.value(0).toString());
            field->document()->setModified(true);
            QTextCursor c = field->textCursor();
            c.setPosition(s.value(1).toInt());
            c.setPosition(s.value(2).toInt(), QTextCursor::KeepAnchor);
            field->setTextCursor(c);
        });
}

void keep(QComboBox *popUp, const QString &key)
{
    keep(
        popUp, key, [popUp] { return QVariant(popUp->currentIndex()); },
        [popUp](const QVariant &state) { popUp->setCurrentIndex(state.toInt()); });
}

void markRow(QWidget *row, const QString &id) { row->setProperty(kRow, id); }

QString rowOf(const QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (const QVariant id = w->property(kRow); id.isValid())
            return id.toString();
    return QString();
}

void setRowMaker(QWidget *list, std::function<QWidget *(const QString &)> make)
{
    new RowMaker(list, std::move(make));
}

QList<Draft> take(const QWidget *old)
{
    QList<Draft> drafts;
    if (!old)
        return drafts;
    const QWidget *focus = old->window()->focusWidget();
    for (Handle *h : marks<Handle>(old, kHandle)) {
        QVariant state = h->save();
        if (!state.isValid())
            continue;
        const QWidget *c = h->control();
        drafts.append({h->key, std::move(state), MBDrafts::rowOf(c), focus && (focus == c || c->isAncestorOf(focus))});
    }
    return drafts;
}

void give(const QList<Draft> &drafts, QWidget *fresh)
{
    if (!fresh)
        return;
    for (const Draft &d : drafts) {
        Handle *h = find(fresh, d.key);
        // A row not made yet (a long list makes what shows) is made now.
        for (RowMaker *m : marks<RowMaker>(fresh, kMaker)) {
            if (h || d.row.isEmpty())
                break;
            if (QWidget *row = m->make(d.row))
                h = find(row, d.key);
        }
        if (!h)
            continue;
        h->restore(d.state);
        if (d.focused)
            h->control()->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace MBDrafts
