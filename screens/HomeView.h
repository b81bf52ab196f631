#pragma once
// The start screen: a short reassurance, the state prompt while no state is
// chosen, the five urgent needs as large tiles, a card that points to someone
// to talk to, the twelve help topics as quieter tiles, three starting points
// and a line on where the information comes from. Every tile and button only
// navigates (through the model) or opens help; nothing here needs the
// reference data. The state prompt hides itself once a state is chosen.

#include <QList>
#include <QWidget>

class AppModel;
class Tile;
class TLButton;

class HomeView final : public QWidget
{
    Q_OBJECT
public:
    explicit HomeView(AppModel &model, QWidget *parent = nullptr);

    // "Information checked Oct 2026. Every listing shows its source. by Marrowby (MRBY)."
    static QString footerText();

    QList<Tile *> urgentTiles() const { return m_urgent; }
    QList<Tile *> topicTiles() const { return m_topics; }
    TLButton *talkButton() const { return m_talk; }
    // "Read: Your first three calls", "Print my resources", "How to use this app".
    QList<TLButton *> startButtons() const { return m_start; }

private:
    QWidget *greeting() const;
    QWidget *urgentGrid();
    QWidget *overwhelmedCard();
    QWidget *topicGrid();
    QWidget *startRow();

    AppModel &m_model;
    QList<Tile *> m_urgent;
    QList<Tile *> m_topics;
    TLButton *m_talk = nullptr;
    QList<TLButton *> m_start;
};
