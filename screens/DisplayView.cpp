#include "screens/DisplayView.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "widgets/TLLabel.h"
#include "widgets/TLPopUp.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

TLCard *card(const QString &name, const QList<QWidget *> &children)
{
    auto *c = new TLCard;
    c->setAccessibleName(name);
    c->body()->setSpacing(ipx(10));
    for (QWidget *w : children) {
        // Texts take the card's width and wrap; controls keep their own width.
        const bool text = qobject_cast<QLabel *>(w) != nullptr;
        c->body()->addWidget(w, 0, text ? Qt::Alignment() : Qt::AlignLeft);
    }
    return c;
}

} // namespace

QString DisplayView::zoomLine()
{
    const long percent = std::lround(MBZoom::value() * 100.0);
    return QStringLiteral("Zoom the whole window: ") + QString::number(percent) + QLatin1Char('%');
}

DisplayView::DisplayView(QWidget *parent) : QWidget(parent)
{
    auto *page = new Page({
        new PageHeader(QStringLiteral("textformat.size"), QStringLiteral("Text size & display"),
                       QStringLiteral("Make the app easier to read. These settings are saved on this computer.")),
        textSizeCard(),
        themeCard(),
        zoomCard(),
    });
    auto *layout = mbColumn(this);
    layout->addWidget(page);

    connect(&Prefs::shared(), &Prefs::changed, this, [this](const QString &key) {
        if (key == TLPrefs::textSizeKey || key == MRBYThemes::key || key == MBZoom::key)
            refresh();
    });
    refresh();
}

QWidget *DisplayView::textSizeCard()
{
    m_textSize = new SegmentedPicker(TLStyle::textSizeNames());
    m_textSize->setObjectName(QStringLiteral("textSizePicker"));
    m_textSize->setAccessibleName(QStringLiteral("Text size"));
    m_textSize->setPreferredWidth(ipx(420));
    m_textSize->setMaximumWidth(std::max(ipx(420), m_textSize->minimumSizeHint().width()));
    connect(m_textSize, &SegmentedPicker::chosen, this, &TLStyle::setTextSize);
    return card(QStringLiteral("Text size"), {
        tlLabel(QStringLiteral("Text size"), 15, FontWeight::Bold),
        m_textSize,
        tlLabel(QStringLiteral("This is how text looks at this size."), 14),
    });
}

QWidget *DisplayView::themeCard()
{
    m_highContrast = new ToggleBox(QStringLiteral("High contrast (white text on black, yellow highlights)"));
    m_highContrast->setObjectName(QStringLiteral("highContrastToggle"));
    m_highContrast->setFont(tlFont(15, FontWeight::Bold));
    connect(m_highContrast, &QAbstractButton::toggled, this, &TLThemes::setHighContrast);
    m_theme = new TLPopUp;
    m_theme->setObjectName(QStringLiteral("themePicker"));
    m_theme->setAccessibleName(QStringLiteral("Theme"));
    m_theme->setFont(tlFont(13));
    m_theme->setMaximumWidth(ipx(320));
    for (const MRBYTheme &theme : MRBYThemes::all())
        m_theme->addItem(theme.name, theme.id);
    connect(m_theme, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            MRBYThemes::setCurrentID(m_theme->itemData(index).toString());
    });
    QLabel *themeTitle = tlLabel(QStringLiteral("Theme"), 15, FontWeight::Bold);
    themeTitle->setContentsMargins(0, ipx(6), 0, 0);
    themeTitle->setBuddy(m_theme);
    return card(QStringLiteral("Colors"), {
        m_highContrast,
        themeTitle,
        m_theme,
        tlLabel(QStringLiteral("Warm Sand is the calm default. The Theme menu has the same list."),
                12.5, FontWeight::Regular, TLPalette::current().dim),
    });
}

QWidget *DisplayView::zoomCard()
{
    m_zoomLabel = tlLabel(QString(), 15, FontWeight::Bold);
    m_zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    m_smaller = new TLButton(QStringLiteral("Smaller"));
    m_actual = new TLButton(QStringLiteral("100%"));
    m_bigger = new TLButton(QStringLiteral("Bigger"));
    m_smaller->setObjectName(QStringLiteral("zoomSmaller"));
    m_actual->setObjectName(QStringLiteral("zoomActual"));
    m_bigger->setObjectName(QStringLiteral("zoomBigger"));
    connect(m_smaller, &QAbstractButton::clicked, this, &MBZoom::zoomOut);
    connect(m_actual, &QAbstractButton::clicked, this, &MBZoom::actualSize);
    connect(m_bigger, &QAbstractButton::clicked, this, &MBZoom::zoomIn);
    auto *buttons = new QWidget;
    auto *buttonRow = mbRow(buttons, ipx(8));
    for (QAbstractButton *b : {m_smaller, m_actual, m_bigger})
        buttonRow->addWidget(b, 0, Qt::AlignVCenter);
    return card(QStringLiteral("Zoom"), {
        m_zoomLabel,
        buttons,
        tlLabel(QStringLiteral("From 85% to 200%. Keyboard: Ctrl + and Ctrl \u2212."), 12.5,
                FontWeight::Regular, TLPalette::current().dim),
    });
}

void DisplayView::refresh()
{
    // Showing a stored value writes nothing back.
    const int size = TLStyle::textSize();
    m_textSize->setCurrent(size >= 0 && size <= 2 ? size : -1);

    const QString id = MRBYThemes::currentID();
    {
        const QSignalBlocker block(m_highContrast);
        m_highContrast->setChecked(id == TLThemes::highContrastID);
    }
    {
        const QSignalBlocker block(m_theme);
        m_theme->setCurrentIndex(m_theme->findData(id));
    }
    m_zoomLabel->setText(zoomLine());
}
