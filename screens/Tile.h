#pragma once
// The tile of the home screen's grids (and of guide chapters in search): a
// symbol, a title that wraps and a chevron in a rounded, outlined panel. The
// whole tile is one button. Prominent tiles (urgent needs) are filled with
// the accent colour and taller; plain ones (topics) use the panel colours.
// The outline is 2 points wide in high contrast, else 1.

#include <QAbstractButton>

class QLabel;

class Tile final : public QAbstractButton
{
    Q_OBJECT
public:
    Tile(const QString &icon, const QString &title, bool prominent, QWidget *parent = nullptr);

    QString icon() const { return m_icon; }
    QString title() const { return m_title; }
    bool prominent() const { return m_prominent; }
    QLabel *titleLabel() const { return m_label; }
    double outlineWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_icon;
    QString m_title;
    bool m_prominent;
    QLabel *m_label;
    double m_zoom;
};
