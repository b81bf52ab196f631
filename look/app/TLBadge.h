#pragma once
// A badge: a symbol and bold white text on a coloured rounded shape. The text
// wraps rather than being cut.

#include "look/app/TLPalette.h"

#include <QColor>
#include <QWidget>

class TLBadge : public QWidget
{
    Q_OBJECT
public:
    explicit TLBadge(const QString &text, const QColor &color = TLPalette::amberBadge(),
                     const QString &icon = QStringLiteral("exclamationmark.triangle.fill"),
                     QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QColor color() const { return m_color; }
    QString icon() const { return m_icon; }
    double textSize() const { return m_px; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect(int width) const;

    QString m_text;
    QColor m_color;
    QString m_icon;
    double m_px;
    double m_padX;
    double m_padY;
    double m_spacing;
    double m_radius;
    double m_zoom;
};
