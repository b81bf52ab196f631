#pragma once

#include "data/AppCategory.h"
#include "data/Detail.h"
#include "data/SourceFile.h"

#include <QList>
#include <QString>

#include <optional>

// One help resource, as read from a data file. Every text may be empty,
// which means the data gives no value. Equality is over all fields.
struct Listing
{
    QString uid;               // prefix + StableHash, unique within the loaded data
    SourceFile source = SourceFile::national;
    QString state;             // two-letter code, empty when nationwide
    QString stateName;
    QString dataCategory;      // the file's own category word
    QList<AppCategory> categories;
    QString name;
    QString summary;
    QString contact;           // free-form contact text
    QString phone;
    QString textContact;
    QString web;
    QString address;
    QString hours;
    QString eligibility;
    QString cost;
    QList<Detail> details;
    QString sourceURL;
    QString publisher;
    QString retrievedAt;       // ISO date of the check
    QString confidence;
    QString linkStatus;
    bool isCrisis = false;

    QString id() const { return uid; }
    // A copy with another identifier, every other field unchanged.
    Listing withUID(const QString &newUID) const;

    // Derived labels (see Badges).
    bool isUnconfirmed() const;
    bool isSecondary() const;
    QString checkedLabel() const;
    QString sourceLabel() const;
    std::optional<QString> linkNote() const;
    QString friendlyGroup() const;
    // The text the search index holds for the listing (its name is indexed apart).
    QString searchBody() const;

    friend bool operator==(const Listing &, const Listing &) = default;
};

size_t qHash(const Listing &l, size_t seed = 0);
