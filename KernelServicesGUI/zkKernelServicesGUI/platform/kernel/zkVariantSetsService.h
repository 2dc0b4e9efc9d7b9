#pragma once

#include "zkBaseService.h"
#include "zkdVariantSet.h"
#include "zkdVariantSetGroup.h"

#include <QList>

// The variant sets of the scene and their groups. Creations are undo steps when an undo scope
// records and emit variantSetsChanged, like every regrouping.
class zkVariantSetsService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkVariantSetsService(QObject *parent = nullptr);

    // The sets that belong to no group, in order.
    QList<zkdVariantSet> getUngroupedVariantSets() const;
    QList<zkdVariantSetGroup> getVariantSetGroups() const;
    // Every set, the ungrouped ones first, then those of each group.
    QList<zkdVariantSet> getVariantSets() const;

    // Null when no set or group has the name.
    zkdVariantSet findVariantSet(const QString &name) const;
    zkdVariantSetGroup findVariantSetGroup(const QString &name) const;

    // A new set, last in group (ungrouped for a null group).
    zkdVariantSet createVariantSet(const QString &name, const zkdVariantSetGroup &group = zkdVariantSetGroup());
    zkdVariantSetGroup createVariantSetGroup(const QString &name);
    // Takes sets and groups, a group with its sets, out of the scene as one step; handles that
    // are not in the scene are ignored.
    void removeVariantSets(const QList<zkdVariantSetBase> &items);

signals:
    void variantSetsChanged();
};
