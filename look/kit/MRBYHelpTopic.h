#pragma once
// One help topic: body in the light line markup ("## " heading, "• " bullet).

#include <QString>
#include <QStringList>

struct MRBYHelpTopic
{
    QString id;
    QString title;
    QString body;
    QStringList keywords;

    bool operator==(const MRBYHelpTopic &o) const = default;
};
