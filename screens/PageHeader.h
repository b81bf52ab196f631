#pragma once
// The block that opens a page: a symbol in a tinted circle beside a large
// title and one explanatory paragraph. Both texts are shown as they stand and
// wrap rather than being cut.

#include <QWidget>

class QLabel;

class PageHeader : public QWidget
{
    Q_OBJECT
public:
    PageHeader(const QString &icon, const QString &title, const QString &text,
               QWidget *parent = nullptr);

    QString icon() const { return m_icon; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *textLabel() const { return m_textLabel; }
    // The icon badge (a square 52 × text scale points wide).
    QWidget *badge() const { return m_badge; }

private:
    QString m_icon;
    QString m_title;
    QString m_text;
    QWidget *m_badge;
    QLabel *m_titleLabel;
    QLabel *m_textLabel;
};
