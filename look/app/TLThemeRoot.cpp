#include "look/app/TLThemeRoot.h"

#include "look/app/TLBackground.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLProxyStyle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MRBYThemes.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

TLThemeRoot::TLThemeRoot(Builder build, QWidget *parent)
    : MBRebuildHost({MRBYThemes::key, TLPrefs::textSizeKey}, &TLThemeRoot::identityText, parent)
{
    setBuilder(std::move(build));
    buildInitial();
}

QString TLThemeRoot::identityText()
{
    return MRBYThemes::currentID() + QLatin1Char('-') + QString::number(TLStyle::textSize());
}

void TLThemeRoot::applyApplicationLook()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    if (!qobject_cast<TLProxyStyle *>(QApplication::style()))
        QApplication::setStyle(new TLProxyStyle);
    QApplication::setPalette(TLPalette::current().qpalette());
    MBKeyboard::install();
}

void TLThemeRoot::aboutToBuild()
{
    applyApplicationLook();
    setPalette(TLPalette::current().qpalette());
}

void TLThemeRoot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    TLBackground::paint(p, rect());
}
