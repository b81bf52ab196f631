#pragma once
// What a person typed and has not stored (a note being written, the fields of
// a form) outlives a rebuild of the window's content for a theme, text size
// or zoom. Each control marked here under a key, unique in its window, gives
// its state (text, caret and selection, or choice) and the focus to the
// control with the same key in the content built afresh. A control that was
// stored, or a screen that was left, has nothing to carry.

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QComboBox;
class QLineEdit;
class QTextEdit;
class QWidget;

namespace MBDrafts {

// A line edit's or text box's draft lasts while it is modified (typed and
// not set from what is stored); a pop-up's choice always.
void keep(QLineEdit *field, const QString &key);
void keep(QTextEdit *field, const QString &key);
void keep(QComboBox *popUp, const QString &key);
// Any other control: `save` gives its state (invalid when there is nothing
// to carry), `restore` takes it back.
void keep(QWidget *control, const QString &key, std::function<QVariant()> save,
          std::function<void(const QVariant &)> restore);

// A list that makes its rows as they come into view: a row holding a draft
// is made at once when the rebuilt content asks for it by the row's id.
void markRow(QWidget *row, const QString &id);
// The id of the marked row that `w` stands in (or is), else empty.
QString rowOf(const QWidget *w);
void setRowMaker(QWidget *list, std::function<QWidget *(const QString &id)> make);

struct Draft
{
    QString key;
    QVariant state;
    QString row;       // the id of the list row it stood in, if any
    bool focused = false;
};

// The drafts under `old`, taken before it goes.
QList<Draft> take(const QWidget *old);
// Puts them back into the controls with the same keys under `fresh`; the one
// that had the focus takes it again.
void give(const QList<Draft> &drafts, QWidget *fresh);

} // namespace MBDrafts
