#pragma once
// A line of link text: plain text in the surroundings' link colour that opens
// its address through MBLinks when clicked or activated from the keyboard
// (Return, Enter or Space); a run of clicks opens it once (MBClickRun).
// Focused, it is ringed in the link colour.

#include <QLabel>
#include <QUrl>

class MBLink : public QLabel
{
    Q_OBJECT
public:
    // The address is kept as text and handed to MBLinks as it stands.
    MBLink(const QString &title, const QString &url, QWidget *parent = nullptr);
    MBLink(const QString &title, const QUrl &url, QWidget *parent = nullptr);

    QString urlText() const { return m_url; }
    QUrl url() const { return QUrl(m_url); }
    // Opens the address (what a click does).
    void activate();

Q_SIGNALS:
    void activated(const QString &url);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void restyle();

    QString m_url;
    double m_zoom;
    bool m_hover = false;
};
