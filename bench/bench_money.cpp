// Times adding one line to a Money Plan of 200 lines on the Money Plan
// screen: from pressing "Add" until the window has painted the new plan
// (the store's write and read-back, the redraw of the figures and the
// window's paint). Usage: bench_money [data folder]; renders offscreen
// unless QT_QPA_PLATFORM says otherwise.

#include "app/TLSetup.h"
#include "look/kit/Prefs.h"
#include "money/MoneyStore.h"
#include "money/ui/EntriesCard.h"
#include "money/ui/EntryForm.h"
#include "money/ui/TLField.h"
#include "services/AppModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> t)
{
    std::sort(t.begin(), t.end());
    const qsizetype n = t.size();
    return n % 2 ? t.at(n / 2) : (t.at(n / 2 - 1) + t.at(n / 2)) / 2;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    // The user's own settings and files stay untouched.
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1)
                                           : QStringLiteral(TL_SOURCE_DIR) + QStringLiteral("/resources/data");
    TLSetup::configure();
    AppModel model(folder, home.filePath(QStringLiteral("list.sqlite")), home.filePath(QStringLiteral("money.sqlite")));
    MoneyStore *store = model.money();
    if (!store) {
        std::printf("the Money Plan could not be opened\n");
        return 1;
    }
    model.setStateCode(QStringLiteral("CO"));
    for (int i = 0; i < 200; ++i) {
        const bool income = i % 5 == 0;
        store->add(income ? MoneyKind::income : MoneyKind::expense, income ? QStringLiteral("job") : QStringLiteral("food"),
                   QStringLiteral("Line %1").arg(i), 1000 + i, MoneyFrequency::week);
    }
    model.setScreen(Screen::money);
    QMainWindow *window = TLSetup::makeMainWindow(model);
    window->resize(1280, 880);
    window->show();
    settle();
    auto *card = window->findChild<EntriesCard *>(QStringLiteral("expenseCard"));
    if (!card) {
        std::printf("no Money Plan screen\n");
        return 1;
    }
    EntryForm *form = card->form();

    constexpr int runs = 30;
    QList<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        form->amountField()->setText(QStringLiteral("12.50"));
        form->labelField()->setText(QStringLiteral("Added %1").arg(i));
        timer.start();
        form->add();
        settle();
        window->repaint();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::printf("plan of %lld lines; adding one line until repainted, %d runs: median %.1f ms, worst %.1f ms\n",
                qlonglong(store->plan().entries.size() - runs), runs, median(times),
                *std::max_element(times.cbegin(), times.cend()));
    delete window;
    return 0;
}
