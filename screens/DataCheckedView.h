#pragma once
// The "Data last checked" screen: one card per data file, the badge legend,
// the known gaps in the data and a button to report a wrong listing.

#include <QStringList>
#include <QWidget>

class AppModel;

class DataCheckedView : public QWidget
{
    Q_OBJECT
public:
    explicit DataCheckedView(AppModel &model, QWidget *parent = nullptr);

    // What the shipped data does not cover, one sentence each, in order.
    // Also read by the self-test.
    static const QStringList &gaps();
    // The third line of the video file's card.
    static QString videoFileLine();
};
