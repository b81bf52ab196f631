#pragma once
// Where the sentence of a refused press is painted: beside its control (on
// the control's line or just below it), whole, and clear of every other text
// and button of the window.

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QWidget>

namespace refusalcheck {

inline void besideItsControl(const QWidget *window, const QWidget *control, const QLabel *sentence)
{
    // Let the layouts take the sentence in.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(20);
    const auto at = [&](const QWidget *w) { return QRect(w->mapTo(window, QPoint()), w->size()); };
    const QRect said = at(sentence), pressed = at(control);
    QVERIFY(sentence->isVisibleTo(window));
    QVERIFY(said.top() - pressed.bottom() < control->height() && said.bottom() > pressed.top());
    QVERIFY(sentence->height() >= sentence->heightForWidth(sentence->width()));
    for (const QWidget *other : window->findChildren<QWidget *>()) {
        if (other != sentence && other->isVisibleTo(window)
            && (qobject_cast<const QLabel *>(other) || qobject_cast<const QAbstractButton *>(other)))
            QVERIFY2(!at(other).intersects(said), qPrintable(other->objectName()));
    }
}

} // namespace refusalcheck
