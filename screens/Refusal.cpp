#include "screens/Refusal.h"

#include "look/app/TLPalette.h"
#include "pdf/PdfPrint.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QLabel>

namespace Refusal {

QString notStored()
{
    return QStringLiteral("Could not save this change. Nothing was changed.");
}

QLabel *line()
{
    QLabel *label = tlLabel(QString(), 12, FontWeight::Semibold, TLPalette::current().readable(TLPalette::red911()));
    label->hide();
    return label;
}

void show(QLabel *line, const QString &sentence)
{
    line->setText(sentence);
    line->show();
    TLAnnouncer::say(line, sentence);
}

void clear(QLabel *line)
{
    line->clear();
    line->hide();
}

void failedWrite(QLabel *line, const QString &sentence)
{
    PdfPrint::beep();
    show(line, sentence);
}

void failedWrite(QWidget *control)
{
    PdfPrint::beep();
    TLAnnouncer::say(control, notStored());
}

} // namespace Refusal
