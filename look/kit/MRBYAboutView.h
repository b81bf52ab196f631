#pragma once
// The content of the About window: icon, name, version, extra lines, the
// maker's credit, website link and copyright, centred.

#include <QWidget>

class MRBYAboutView : public QWidget
{
    Q_OBJECT
public:
    explicit MRBYAboutView(QWidget *parent = nullptr);
};
