#pragma once
// Holds content made by a build function and makes it afresh when one of the
// watched settings keys changes the content's identity. The rebuild is
// scheduled once on the next turn of the event loop, so a widget inside the
// content may write a watched key from its own signal; the old content goes
// with deleteLater(). The widget that had the focus in the old content gives
// it to the widget at the same place in the new one, or else to the new
// content's page (MBKeyboard::markPage); what was typed and not stored goes
// with it (MBDrafts).

#include "look/kit/MBDeferredCall.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLayout;
class QVBoxLayout;

class MBRebuildHost : public QWidget
{
    Q_OBJECT
public:
    using Builder = std::function<QWidget *()>;
    using Identity = std::function<QString()>;

    // `identity` defaults to the stored values of `keys`, joined.
    MBRebuildHost(QStringList keys, Builder build, Identity identity = {},
                  QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    QString identity() const { return m_identity; }
    int rebuildCount() const { return m_rebuilds; }

    // Builds the content now (used by subclasses that change their own
    // inputs, and by tests). The zoom of the build is the one the host was
    // made with, unless a subclass opens its own scope in the builder.
    void rebuildNow();

    // Takes `old` out of `layout` (if any), hides it and deletes it once its
    // own events are done, so content may be replaced from its own signal.
    static void retire(QLayout *layout, QWidget *old);

    // Where the focus is inside `root`: each step the index among its
    // parent's children and the class, from `root` down; empty when the
    // focus is elsewhere. follow() finds the widget at the same place under
    // a root built afresh by the same builder (null when it is not there).
    using FocusPath = QList<std::pair<qsizetype, QByteArray>>;
    static FocusPath focusPath(const QWidget *root);
    static QWidget *follow(QWidget *root, const FocusPath &path);
    // Gives the focus that `path` recorded in the old content to the widget
    // at the same place in `fresh`, else to the page in `fresh`; nothing
    // when the old content did not have the focus.
    static void carryFocus(const FocusPath &path, QWidget *fresh);

Q_SIGNALS:
    // The old content is about to go.
    void aboutToRebuild();
    // The new content is in place (the old one goes right after, once the
    // focus has moved to the new one).
    void rebuilt();

protected:
    // For subclasses: no content until buildInitial() is called, so that the
    // subclass is complete when aboutToBuild() first runs.
    MBRebuildHost(QStringList keys, Identity identity, QWidget *parent);
    void setBuilder(Builder build) { m_build = std::move(build); }
    void buildInitial();

    // Called just before each build (initial one included).
    virtual void aboutToBuild() {}

private:
    void setUp();
    void buildContent();
    void onKeyChanged(const QString &key);
    QString currentIdentity() const;

    QStringList m_keys;
    Builder m_build;
    Identity m_identityFn;
    QString m_identity;
    QPointer<QWidget> m_content;
    QVBoxLayout *m_layout = nullptr;
    double m_zoom = 1.0;
    MBDeferredCall m_rebuild;
    int m_rebuilds = 0;
};
