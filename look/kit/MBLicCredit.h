#pragma once
// The maker's credit line: "by Marrowby (MRBY) · " and the website's host
// name, as a link to the website.

#include "look/kit/MBLink.h"

class MBLicCredit : public MBLink
{
    Q_OBJECT
public:
    explicit MBLicCredit(QWidget *parent = nullptr);

    // The text the line shows.
    static QString title();
};
