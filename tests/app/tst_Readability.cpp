// What the windows paint, measured in every theme: text stands out 4.5:1
// from what it stands on, icons and large figures 3:1; and the help window's
// panels keep a visible edge in high contrast.

#include "Shots.h"
#include "WindowTour.h"

#include "app/TLHelpWindow.h"
#include "look/app/TLPalette.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MRBYTheme.h"
#include "look/kit/MRBYThemes.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

namespace {

double contrast(QRgb a, QRgb b)
{
    return MRBYTheme::contrast(QColor(a), QColor(b));
}

struct Reading
{
    double ratio = 1.0; // of the ink that stands out most against the ground
    QRgb ground = 0;    // the colour most of the area has
    QRgb ink = 0;
};

// The area `r` of `image` as drawn: its commonest colour and the colour that
// stands out most from it.
Reading read(const QImage &image, const QRect &r)
{
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000];
    Reading out;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), out.ground = it.key();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double c = contrast(it.key(), out.ground);
        if (c > out.ratio)
            out.ratio = c, out.ink = it.key();
    }
    return out;
}

// The same area drawn again at twice the resolution. At 1x, small text drawn
// antialiased at a fractional place may reach its full colour in no pixel,
// so a shortfall there is measured again where its strokes cover whole pixels.
Reading readSharp(QWidget *window, const QRect &r)
{
    QImage sharp(r.size() * 2, QImage::Format_ARGB32_Premultiplied);
    sharp.setDevicePixelRatio(2);
    sharp.fill(Qt::transparent);
    window->render(&sharp, QPoint(), QRegion(r), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return read(sharp, sharp.rect());
}

bool large(const QWidget *w)
{
    const QFont f = w->font();
    const double px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * w->logicalDpiY() / 72.0;
    return px >= 24 || (px >= 18.66 && f.weight() >= QFont::Bold);
}

// Every shown widget that draws something of its own (no shown children),
// measured where it stands in the window's picture: "what: ratio < needed".
QStringList unreadable(QWidget *window)
{
    const QImage image = window->grab().toImage();
    const QRect inWindow = window->rect();
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Scroll bars, dividers and bars whose length shows an amount are no
        // text or icon; an empty scrolling area draws nothing.
        static const QSet<QByteArray> graphics = {"QScrollBar", "MBDivider", "KindBar", "SavingsBar"};
        if (!w->isVisible() || graphics.contains(w->metaObject()->className())
            || w->objectName() == u"qt_scrollarea_viewport" || w->width() < 4 || w->height() < 4)
            continue;
        bool leaf = true;
        for (const QObject *child : w->children())
            if (child->isWidgetType() && static_cast<const QWidget *>(child)->isVisible())
                leaf = false;
        if (!leaf)
            continue;
        // Only what shows inside every scrolling area around it.
        QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        for (QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto *area = qobject_cast<QAbstractScrollArea *>(p))
                r &= QRect(area->viewport()->mapTo(window, QPoint(0, 0)), area->viewport()->size());
        r &= inWindow;
        if (r.width() < 4 || r.height() < 4)
            continue;
        Reading reading = read(image, r);
        if (reading.ratio < 1.05)
            continue; // draws nothing here
        const bool figure = qobject_cast<MBSymbolView *>(w) || large(w)
                            || QByteArray(w->metaObject()->className()) == "QWidget";
        const double needed = figure ? TLPalette::figureRatio : TLPalette::textRatio;
        if (reading.ratio + 0.005 < needed)
            reading = readSharp(window, r);
        if (reading.ratio + 0.005 < needed) {
            const auto *label = qobject_cast<QLabel *>(w);
            QString where = QString::fromLatin1(w->metaObject()->className());
            for (QWidget *p = w->parentWidget(); p && where.size() < 60; p = p->parentWidget())
                if (!p->objectName().isEmpty() || QByteArray(p->metaObject()->className()) != "QWidget")
                    where = QString::fromLatin1(p->metaObject()->className()) + u'#' + p->objectName() + u'/' + where;
            out << QStringLiteral("%1 %2 \"%3\": %4 < %5 (ink %6 on %7)")
                       .arg(where, w->objectName(), label ? label->text().left(30) : w->accessibleName().left(30))
                       .arg(reading.ratio, 0, 'f', 2)
                       .arg(needed)
                       .arg(QColor(reading.ink).name(), QColor(reading.ground).name());
        }
    }
    return out;
}

} // namespace

class tst_Readability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(tour::start()); }

    void cleanup() { Prefs::shared().setString(MRBYThemes::key, TLThemes::warmID); }

    void everyScreenInEveryTheme_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("stop");
        for (const MRBYTheme &theme : MRBYThemes::all())
            for (int i = 0; i < tour::stops().size(); ++i)
                QTest::addRow("%s, %s", qPrintable(theme.id), tour::stops().at(i).name) << theme.id << i;
    }

    void everyScreenInEveryTheme()
    {
        QFETCH(QString, theme);
        QFETCH(int, stop);
        Prefs::shared().setString(MRBYThemes::key, theme);
        const auto window = tour::open(tour::filledModel(), tour::stops().at(stop).screen, QSize(1280, 1400));
        QVERIFY(window);
        if (theme == u"brushed-gray" || (theme == u"cobalt-gunmetal" && stop == 3))
            QVERIFY(shots::save(window.get(), theme + u'-' + QLatin1String(tour::stops().at(stop).name)));
        const QStringList faults = unreadable(window.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n    "))));
    }

    // The help window reads in every theme, and its two panels keep an edge
    // that shows against the window: in high contrast, where their fill ends
    // in the window's black, a white outline draws it.
    void helpWindowInEveryTheme_data()
    {
        QTest::addColumn<QString>("theme");
        for (const MRBYTheme &theme : MRBYThemes::all())
            QTest::addRow("%s", qPrintable(theme.id)) << theme.id;
    }

    void helpWindowInEveryTheme()
    {
        QFETCH(QString, theme);
        Prefs::shared().setString(MRBYThemes::key, theme);
        TLHelpWindow::show(QStringLiteral("emergency"));
        QWidget *window = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(50);
        QVERIFY(shots::save(window, QStringLiteral("help-window-") + theme));
        const QStringList faults = unreadable(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n    "))));

        const QImage image = window->grab().toImage();
        const QList<MBPanel *> panels = window->findChildren<MBPanel *>();
        QCOMPARE(panels.size(), 2);
        for (MBPanel *panel : panels) {
            const QPoint bottom = panel->mapTo(window, QPoint(panel->width() / 2, panel->height() - 1));
            const double edge = contrast(image.pixel(bottom), image.pixel(bottom + QPoint(0, 2)));
            if (theme == TLThemes::highContrastID)
                QVERIFY2(edge >= TLPalette::figureRatio, qPrintable(QString::number(edge)));
        }
        window->close();
    }
};

QTEST_MAIN(tst_Readability)
#include "tst_Readability.moc"
