#pragma once
// The boxed one-line text field of every Money Plan editor: a plain line
// edit padded inside a rounded, lightly filled box with a thin outline (two
// points wide in high contrast). It has no action of its own: Return and
// leaving the field store nothing, only the editor's button does.

#include "look/app/TLFieldBox.h"

#include <optional>

class QLineEdit;

class TLField final : public TLFieldBox
{
    Q_OBJECT
public:
    // `width` is in points at the text size "Normal"; it grows with the text
    // size (and the zoom). None: no fixed width.
    explicit TLField(const QString &placeholder, std::optional<double> width = std::nullopt,
                     QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    QString text() const;
    void setText(const QString &text);

private:
    QLineEdit *m_edit;
};
