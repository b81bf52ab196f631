#include "services/AppModel.h"

#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLPrefs.h"
#include "look/kit/Prefs.h"
#include "services/Log.h"

#include <QDir>
#include <QStringList>

#include <exception>

namespace {

// DBError's what() is its description, so this covers SQLite's messages too.
QString errorText(const std::exception &e)
{
    return QString::fromUtf8(e.what());
}

// What happened to a store's file and what to do about it, in plain words.
QString fileTrouble(const std::exception &e, const QString &path)
{
    const auto *db = dynamic_cast<const DBError *>(&e);
    const QString file = QStringLiteral("The file ") + QDir::toNativeSeparators(path);
    switch (db ? db->cause : DBError::Cause::other) {
    case DBError::Cause::cannotOpen:
        return file + QStringLiteral(" could not be opened. Check that its folder is there and that your account "
                                     "may read and write in it, then start the app again.");
    case DBError::Cause::notOurs:
        return file + QStringLiteral(" is damaged or belongs to something else, so it was left as it was. To "
                                     "start afresh, move that file to another folder, then start the app again.");
    case DBError::Cause::inUse:
        return file + QStringLiteral(" is in use by another program. Close that program, then start the app "
                                     "again.");
    case DBError::Cause::cannotWrite:
        return file + QStringLiteral(" could not be written. Check that the disk has room and that you may write "
                                     "in its folder, then start the app again.");
    case DBError::Cause::other:
        break;
    }
    return file + QStringLiteral(" could not be read. Start the app again; if this happens again, move that file "
                                 "to another folder to start afresh.");
}

} // namespace

AppModel &AppModel::sharedDeferred()
{
    static AppModel model(ReferenceData::bundledDataFolder(), FavoritesStore::defaultURL(),
                          MoneyStore::defaultURL(), false, nullptr);
    return model;
}

AppModel &AppModel::shared()
{
    AppModel &model = sharedDeferred();
    model.load();
    return model;
}

AppModel::AppModel(const QString &dataFolder, const QString &myListPath, const QString &moneyPath,
                   QObject *parent)
    : AppModel(dataFolder, myListPath, moneyPath, true, parent)
{
}

AppModel::AppModel(const QString &dataFolder, const QString &myListPath, const QString &moneyPath,
                   bool loadNow, QObject *parent)
    : QObject(parent), m_dataFolder(dataFolder), m_myListPath(myListPath), m_moneyPath(moneyPath)
{
    // The first value is read, not written back.
    m_stateCode = Prefs::shared().string(TLPrefs::stateKey).value_or(QString());
    if (loadNow)
        load();
}

void AppModel::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    try {
        m_data = std::make_unique<ReferenceData>(m_dataFolder);
    } catch (const std::exception &e) {
        m_dataError = QStringLiteral("The help information could not be loaded (") + errorText(e)
            + QStringLiteral(").");
    }

    try {
        m_favorites = std::make_unique<FavoritesStore>(m_myListPath);
    } catch (const std::exception &e) {
        qCWarning(lcServices, "My List could not be opened: %s", e.what());
        m_myListError = QStringLiteral("My List could not be opened. ") + fileTrouble(e, m_myListPath);
    }

    try {
        m_money = std::make_unique<MoneyStore>(m_moneyPath);
    } catch (const std::exception &e) {
        qCWarning(lcServices, "The Money Plan could not be opened: %s", e.what());
        m_moneyTrouble = fileTrouble(e, m_moneyPath);
        m_moneyError = QStringLiteral("The Money Plan could not be opened. ") + m_moneyTrouble;
    }
    Q_EMIT loaded();
}

AppModel::~AppModel() = default;

std::optional<QString> AppModel::loadError() const
{
    QStringList problems;
    for (const QString &problem : {m_dataError, m_myListError, m_moneyError}) {
        if (!problem.isEmpty())
            problems << problem;
    }
    if (problems.isEmpty())
        return std::nullopt;
    return problems.join(QLatin1Char(' '));
}

void AppModel::setStateCode(const QString &code)
{
    const bool differs = code != m_stateCode;
    m_stateCode = code;
    Prefs::shared().setString(TLPrefs::stateKey, code);
    if (differs) {
        Q_EMIT stateCodeChanged(code);
        Q_EMIT changed();
    }
}

QString AppModel::stateName() const
{
    if (m_stateCode.isEmpty())
        return QString();
    if (m_data)
        return m_data->stateName(m_stateCode);
    return m_stateCode;
}

void AppModel::setScreen(Screen screen)
{
    if (screen == m_screen)
        return;
    m_screen = screen;
    Q_EMIT screenChanged(screen);
    Q_EMIT changed();
}

void AppModel::setGuideChapter(int chapter)
{
    if (chapter == m_guideChapter)
        return;
    m_guideChapter = chapter;
    Q_EMIT guideChapterChanged(chapter);
    Q_EMIT changed();
}

void AppModel::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    Q_EMIT searchTextChanged(text);
    Q_EMIT changed();
}

void AppModel::setSearchAllStates(bool on)
{
    if (on == m_searchAllStates)
        return;
    m_searchAllStates = on;
    Q_EMIT searchAllStatesChanged(on);
    Q_EMIT changed();
}

QList<Listing> AppModel::listings(UrgentNeed need) const
{
    QList<Listing> out;
    if (!m_data)
        return out;
    const ReferenceData &data = *m_data;

    // The chosen state's first n listings of a state-file category.
    const auto state = [&](const QString &category, qsizetype n) {
        if (m_stateCode.isEmpty())
            return;
        out << data.stateListings(m_stateCode, category).mid(0, n);
    };
    // The first nationwide listing whose name begins with the text.
    const auto national = [&](const QString &prefix) {
        if (const std::optional<Listing> l = data.national(prefix))
            out << *l;
    };

    switch (need.value()) {
    case UrgentNeed::food:
        state(QStringLiteral("211"), 3);
        national(QStringLiteral("USDA National Hunger Hotline"));
        state(QStringLiteral("food_bank"), 99);
        state(QStringLiteral("snap_application"), 99);
        national(QStringLiteral("SNAP (food stamps)"));
        national(QStringLiteral("WIC"));
        national(QStringLiteral("Feeding America"));
        break;
    case UrgentNeed::shelter:
        state(QStringLiteral("211"), 99);
        national(QStringLiteral("211"));
        national(QStringLiteral("HUD Find Shelter"));
        state(QStringLiteral("coc_homeless_contact"), 99);
        national(QStringLiteral("National Domestic Violence Hotline"));
        national(QStringLiteral("National Runaway Safeline"));
        national(QStringLiteral("National Call Center for Homeless Veterans"));
        break;
    case UrgentNeed::parking:
        if (!m_stateCode.isEmpty()) {
            if (const std::optional<Listing> rule = data.parkingRule(m_stateCode))
                out << *rule;
        }
        out << data.parkingGeneral();
        state(QStringLiteral("211"), 2);
        break;
    case UrgentNeed::medical:
        national(QStringLiteral("911"));
        national(QStringLiteral("Poison Help"));
        national(QStringLiteral("Find a Health Center"));
        state(QStringLiteral("medicaid_application"), 99);
        national(QStringLiteral("Medicaid"));
        national(QStringLiteral("SAMHSA National Helpline"));
        break;
    case UrgentNeed::talk:
        national(QStringLiteral("988"));
        national(QStringLiteral("Crisis Text Line"));
        national(QStringLiteral("Veterans Crisis Line"));
        national(QStringLiteral("Mobile crisis"));
        national(QStringLiteral("National Domestic Violence Hotline"));
        national(QStringLiteral("National Runaway Safeline"));
        national(QStringLiteral("SAMHSA National Helpline"));
        break;
    }
    return out;
}
