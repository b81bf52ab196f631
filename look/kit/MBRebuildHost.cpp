#include "look/kit/MBRebuildHost.h"

#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"

#include <QApplication>
#include <QVBoxLayout>


MBRebuildHost::MBRebuildHost(QStringList keys, Builder build, Identity identity, QWidget *parent)
    : QWidget(parent),
      m_keys(std::move(keys)),
      m_build(std::move(build)),
      m_identityFn(std::move(identity)),
      m_zoom(MBZoomScope::current()),
      m_rebuild(this, [this] { rebuildNow(); })
{
    setUp();
    buildInitial();
}

MBRebuildHost::MBRebuildHost(QStringList keys, Identity identity, QWidget *parent)
    : QWidget(parent),
      m_keys(std::move(keys)),
      m_identityFn(std::move(identity)),
      m_zoom(MBZoomScope::current()),
      m_rebuild(this, [this] { rebuildNow(); })
{
    setUp();
}

void MBRebuildHost::setUp()
{
    m_layout = mbColumn(this, 0);
    connect(&Prefs::shared(), &Prefs::changed, this, &MBRebuildHost::onKeyChanged);
}

void MBRebuildHost::buildInitial()
{
    m_identity = currentIdentity();
    buildContent();
}

void MBRebuildHost::buildContent()
{
    aboutToBuild();
    MBZoomScope scope(m_zoom);
    if (!m_build)
        return;
    m_content = m_build();
    if (m_content) {
        m_layout->addWidget(m_content);
        m_content->show();
    }
}

QString MBRebuildHost::currentIdentity() const
{
    if (m_identityFn)
        return m_identityFn();
    QStringList parts;
    for (const QString &k : m_keys)
        parts << Prefs::shared().value(k).toString();
    return parts.join(QChar(0x1f));
}

void MBRebuildHost::onKeyChanged(const QString &key)
{
    if (!m_keys.contains(key) || m_rebuild.pending())
        return;
    if (currentIdentity() == m_identity)
        return;
    // A click that set the key (a zoom or text-size control) lays the pages
    // out again: the rest of its run presses nothing that moved under it.
    MBClickRun::pageChanged();
    m_rebuild.schedule();
}

void MBRebuildHost::retire(QLayout *layout, QWidget *old)
{
    if (!old)
        return;
    if (layout)
        layout->removeWidget(old);
    old->hide();
    old->deleteLater();
}

MBRebuildHost::FocusPath MBRebuildHost::focusPath(const QWidget *root)
{
    FocusPath path;
    // The window's own focus widget: while a dialog or menu it opened is
    // active, the application's focus is there, but the window gets its own
    // back when it closes.
    QWidget *focus = root ? root->window()->focusWidget() : nullptr;
    if (!root || !focus || !root->isAncestorOf(focus))
        return path;
    for (QWidget *w = focus; w != root; w = w->parentWidget())
        path.prepend({w->parentWidget()->children().indexOf(w), w->metaObject()->className()});
    return path;
}

QWidget *MBRebuildHost::follow(QWidget *root, const FocusPath &path)
{
    if (path.isEmpty())
        return nullptr;
    QObject *at = root;
    for (const auto &[index, className] : path) {
        at = at ? at->children().value(index) : nullptr;
        if (!at || className != at->metaObject()->className())
            return nullptr;
    }
    return qobject_cast<QWidget *>(at);
}

void MBRebuildHost::carryFocus(const FocusPath &path, QWidget *fresh)
{
    if (path.isEmpty())
        return;
    if (QWidget *again = follow(fresh, path))
        again->setFocus(Qt::TabFocusReason);
    else
        MBKeyboard::focusPage(fresh);
}

void MBRebuildHost::rebuildNow()
{
    Q_EMIT aboutToRebuild();
    m_rebuild.cancel();
    m_identity = currentIdentity();
    QWidget *old = m_content;
    // A control used from the keyboard keeps the focus across the rebuild
    // (choosing a text size or zoom with the arrow keys, for instance); when
    // it is not there any more, the new content's page takes it.
    const FocusPath focus = focusPath(old);
    // What was typed and not stored goes into the new content too, with its
    // caret, and its field takes the focus again.
    const QList<MBDrafts::Draft> drafts = MBDrafts::take(old);
    m_content = nullptr;
    ++m_rebuilds;
    buildContent();
    Q_EMIT rebuilt();
    carryFocus(focus, m_content);
    MBDrafts::give(drafts, m_content);
    // The old content goes last: had it the focus still, Qt would pass it to
    // the next control in the window.
    retire(m_layout, old);
}
