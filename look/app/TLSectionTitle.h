#pragma once
// A section title: upper case, heavy, small, spaced, in the dim colour.

#include <QWidget>

class TLSectionTitle : public QWidget
{
    Q_OBJECT
public:
    explicit TLSectionTitle(const QString &text, QWidget *parent = nullptr);

    // The text as given, and as shown (upper case).
    QString text() const { return m_text; }
    QString shownText() const { return m_text.toUpper(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
