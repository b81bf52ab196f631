#include "runmodes/TLSnapshot.h"

#include "app/MainWindow.h"
#include "app/TLSetup.h"
#include "data/Favorite.h"
#include "data/ReferenceData.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemeRoot.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "runmodes/TLRunModes.h"
#include "screens/ResourceSheet.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "widgets/TLRender.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLayout>
#include <QSaveFile>
#include <QTextStream>

#include <memory>
#include <optional>
#include <utility>

namespace {

// Puts the settings a run changes back as they were, whatever the run did:
// a value stored again as it was read, a key that was absent removed.
class SettingsKeeper final
{
public:
    explicit SettingsKeeper(const QStringList &keys)
    {
        Prefs &prefs = Prefs::shared();
        for (const QString &key : keys)
            m_kept.append({key, prefs.contains(key) ? std::optional<QVariant>(prefs.value(key)) : std::nullopt});
    }

    ~SettingsKeeper()
    {
        Prefs &prefs = Prefs::shared();
        for (const auto &[key, value] : std::as_const(m_kept)) {
            if (value)
                prefs.setValue(key, *value);
            else
                prefs.remove(key);
        }
    }

    SettingsKeeper(const SettingsKeeper &) = delete;
    SettingsKeeper &operator=(const SettingsKeeper &) = delete;

    // The value a key had before the run, none when it was absent.
    std::optional<QVariant> before(const QString &key) const
    {
        for (const auto &[k, value] : m_kept)
            if (k == key)
                return value;
        return std::nullopt;
    }

private:
    QList<std::pair<QString, std::optional<QVariant>>> m_kept;
};

// Lets deferred rebuilds and deletions run, so the picture shows the
// finished screen.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int wholeHeight(QWidget *root)
{
    if (QLayout *layout = root->layout())
        layout->activate();
    return root->hasHeightForWidth() ? root->heightForWidth(TLSnapshot::width) : root->sizeHint().height();
}

// The widget at the shots' width and as tall as its content wants at that
// width, drawn at scale 1 whatever the screen's pixel ratio. Wrapped text
// and flowing rows take height from the width they get, so the height is
// asked again until it holds.
QImage render(QWidget *root)
{
    // Laid out and drawn like a shown window, but never on the user's screen.
    root->setAttribute(Qt::WA_DontShowOnScreen);
    // A window's layout would hand its minimum size to the platform window,
    // which the offscreen platform answers with a warning on every shot.
    if (QLayout *layout = root->layout())
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    root->resize(TLSnapshot::width, 880);
    root->show();
    settle();
    for (int i = 0; i < 6; ++i) {
        const int height = std::max(1, wholeHeight(root));
        if (height == root->height())
            break;
        root->resize(TLSnapshot::width, height);
        settle();
    }
    QImage image(root->size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::transparent);
    root->render(&image);
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "png").write(image))
        return {};
    return bytes;
}

// Written whole or not at all; the reason when it could not be.
std::optional<QString> writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString couldNotWrite(const QString &file, const QString &reason)
{
    return QStringLiteral("could not write ") + file
        + (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')'));
}

} // namespace

namespace TLSnapshot {

const QList<Shot> &shots()
{
    static const QList<Shot> table = {
        {QStringLiteral("01-home"), Screen::home, TLThemes::warmID, 0},
        {QStringLiteral("02-urgent-shelter"), Screen::forNeed(UrgentNeed::shelter), TLThemes::warmID, 0},
        {QStringLiteral("03-shelter-parking"), Screen::forCategory(AppCategory::shelter), TLThemes::warmID, 0},
        {QStringLiteral("04-guide-ch7"), Screen::guide, TLThemes::warmID, 0},
        {QStringLiteral("05-sheet"), Screen::sheet, TLThemes::warmID, 0},
        {QStringLiteral("06-videos"), Screen::videos, TLThemes::warmID, 0},
        {QStringLiteral("07-data-checked"), Screen::dataChecked, TLThemes::warmID, 0},
        {QStringLiteral("08-search-shower"), Screen::search, TLThemes::warmID, 0},
        {QStringLiteral("09-home-high-contrast-large"), Screen::home, TLThemes::highContrastID, 1},
        {QStringLiteral("10-talk-ember-xl"), Screen::forNeed(UrgentNeed::talk), TLThemes::emberID, 2},
        {QStringLiteral("11-home-cobalt"), Screen::home, QStringLiteral("cobalt-gunmetal"), 0},
        {QStringLiteral("12-display"), Screen::display, TLThemes::warmID, 0},
        {QStringLiteral("13-startups"), Screen::forCategory(AppCategory::startups), TLThemes::warmID, 0},
        {QStringLiteral("15-money-plan"), Screen::money, TLThemes::warmID, 0},
        {QStringLiteral("16-money-plan-ember-large"), Screen::money, TLThemes::emberID, 1},
    };
    return table;
}

std::optional<int> handle(const QStringList &arguments, QTextStream &out)
{
    const std::optional<QString> target = TLRunModes::argumentAfter(arguments, QStringLiteral("--tl-snapshot"));
    if (!target)
        return std::nullopt;
    const QDir folder(QFileInfo(*target).absoluteFilePath());
    // A folder that cannot be made shows as one failure line per file.
    folder.mkpath(QStringLiteral("."));

    TLRender::snapshotMode = true;
    // No screen may open a call, a text or a web page from here.
    Opener::replace([](const QString &) {});
    TLSetup::configure();

    int failures = 0;
    const auto say = [&out](const QString &line) {
        out << line << '\n';
        out.flush();
    };
    {
        const SettingsKeeper keeper({TLPrefs::stateKey, MRBYThemes::key, TLPrefs::textSizeKey});
        AppModel &model = AppModel::shared();
        model.setStateCode(QStringLiteral("CO"));
        model.setGuideChapter(7);
        model.setSearchText(QStringLiteral("shower"));

        for (const Shot &shot : shots()) {
            Prefs::shared().setString(MRBYThemes::key, shot.theme);
            Prefs::shared().setInteger(TLPrefs::textSizeKey, shot.textSize);
            model.setScreen(shot.screen);
            settle();
            QImage image;
            try {
                const std::unique_ptr<QWidget> root(
                    new TLThemeRoot([&model]() -> QWidget * { return new MainWindow(model); }));
                image = render(root.get());
            } catch (const std::exception &) {
                // A screen that throws spoils its own shot only: no picture.
            }
            settle();
            const QString file = shot.name + QStringLiteral(".png");
            const QByteArray png = pngBytes(image);
            if (png.isEmpty()) {
                say(QStringLiteral("could not render ") + shot.name);
                ++failures;
            } else if (const std::optional<QString> reason = writeFile(folder.filePath(file), png)) {
                say(couldNotWrite(file, *reason));
                ++failures;
            } else {
                say(QStringLiteral("wrote %1 %2x%3").arg(file).arg(image.width()).arg(image.height()));
            }
        }

        if (const ReferenceData *data = model.data()) {
            try {
                const int pages = ResourceSheet::build(QStringLiteral("CA"), *data, {}).writePDF(folder.filePath(sheetFile));
                say(QStringLiteral("wrote %1 (%2 page)").arg(sheetFile).arg(pages));
            } catch (const std::exception &) {
                say(couldNotWrite(sheetFile, QString()));
                ++failures;
            }
        }

        // The state the run chose is stored by the model; the keeper then
        // puts the stored value itself back.
        const std::optional<QVariant> state = keeper.before(TLPrefs::stateKey);
        model.setStateCode(state && state->typeId() == QMetaType::QString ? state->toString() : QString());
    }
    return failures > 0 ? 1 : 0;
}

} // namespace TLSnapshot
