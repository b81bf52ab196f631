#pragma once

#include "data/Listing.h"
#include "money/MoneyStore.h"
#include "services/Screen.h"
#include "services/UrgentNeed.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class FavoritesStore;
class ReferenceData;

// The one app-wide model: it owns the reference data and the user's stores,
// holds the main window's navigation (screen, state, guide chapter, search)
// and answers the listings behind each urgent need. Views, menu commands and
// the run modes read and assign it; each property announces its change.
class AppModel final : public QObject
{
    Q_OBJECT
public:
    // The application's model, made at the first call from the default data
    // folder, My List file and Money Plan file, and loaded before it is
    // returned; lives until the process ends.
    static AppModel &shared();
    // The same model, possibly not loaded yet: the window is shown first and
    // load() reads the data and the stores after its first paint, since the
    // home screen needs neither.
    static AppModel &sharedDeferred();

    // A model of its own on the given data folder, My List file and Money Plan
    // file (tests and run modes that must not touch the user's files). Loads
    // at once; a part that fails to open leaves its slot empty and adds its
    // sentence to loadError(). The state comes from the "tl.state" setting.
    AppModel(const QString &dataFolder, const QString &myListPath,
             const QString &moneyPath = MoneyStore::defaultURL(), QObject *parent = nullptr);
    ~AppModel() override;

    // Reads the reference data and opens My List and the Money Plan, once;
    // later calls do nothing. Announces loaded() when done.
    void load();
    bool isLoaded() const { return m_loaded; }

    AppModel(const AppModel &) = delete;
    AppModel &operator=(const AppModel &) = delete;

    // The four fixed slots, set once while loading.
    ReferenceData *data() const { return m_data.get(); }
    FavoritesStore *favorites() const { return m_favorites.get(); }
    MoneyStore *money() const { return m_money.get(); }
    // One sentence per part that failed to open (reference data, My List,
    // Money Plan, in that order) joined by one blank; none when all opened.
    std::optional<QString> loadError() const;
    // The sentences of the reference data, My List and the Money Plan alone
    // ("" when it opened), for the screens that show only their own. A
    // store's sentence says in plain words what happened to its file and
    // what to do; SQLite's own words go to the log.
    QString dataError() const { return m_dataError; }
    QString myListError() const { return m_myListError; }
    QString moneyError() const { return m_moneyError; }
    // What happened to the Money Plan's file and what to do, without the
    // sentence that it could not be opened ("" when it opened).
    QString moneyTrouble() const { return m_moneyTrouble; }

    // The chosen state's two-letter code, "" when none. Every assignment is
    // stored under "tl.state", also when the code is the same.
    QString stateCode() const { return m_stateCode; }
    void setStateCode(const QString &code);
    // "" with no state; else the state's name, or the bare code when the data
    // is missing or does not know it.
    QString stateName() const;

    Screen screen() const { return m_screen; }
    void setScreen(Screen screen);
    int guideChapter() const { return m_guideChapter; }
    void setGuideChapter(int chapter);
    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    bool searchAllStates() const { return m_searchAllStates; }
    void setSearchAllStates(bool on);

    // The listings shown for an urgent need, in their fixed order; a listing
    // found by two steps appears twice. Empty when the data is missing.
    QList<Listing> listings(UrgentNeed need) const;

Q_SIGNALS:
    void stateCodeChanged(const QString &code);
    void screenChanged(const Screen &screen);
    void guideChapterChanged(int chapter);
    void searchTextChanged(const QString &text);
    void searchAllStatesChanged(bool on);
    // After any of the five above.
    void changed();
    // The data and the stores have been read (or failed to open).
    void loaded();

private:
    AppModel(const QString &dataFolder, const QString &myListPath, const QString &moneyPath,
             bool loadNow, QObject *parent);

    QString m_dataFolder;
    QString m_myListPath;
    QString m_moneyPath;
    bool m_loaded = false;
    std::unique_ptr<ReferenceData> m_data;
    std::unique_ptr<FavoritesStore> m_favorites;
    std::unique_ptr<MoneyStore> m_money;
    QString m_dataError;
    QString m_myListError;
    QString m_moneyError;
    QString m_moneyTrouble;

    QString m_stateCode;
    Screen m_screen = Screen::home;
    int m_guideChapter = 1;
    QString m_searchText;
    bool m_searchAllStates = false;
};
