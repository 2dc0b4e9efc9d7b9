#pragma once

#include "zkMaterialTagSourceItem.h"

#include <QString>

// A tag: shows the tag text, with one child per material that carries the tag.
class zkMaterialTagItem : public zkMaterialTagSourceItem
{
public:
    zkMaterialTagItem(const QString &tag, const zkMaterialTagCache &cache);

    const QString &getTag() const { return m_tag; }

protected:
    void update() override;
    // Tags are free text of the materials: the row has no tag of its own to rename.
    void textChanged() override;

private:
    QString m_tag;
};
