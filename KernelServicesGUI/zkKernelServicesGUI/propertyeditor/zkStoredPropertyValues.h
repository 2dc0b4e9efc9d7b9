#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QVariant>

class zkPropertyEditorObjectWrapper;

// Snapshots of one property of every edited object, keyed by object id, that can be written back
// later: a preview that is taken back leaves the objects as they were.
class zkStoredPropertyValues
{
public:
    // Replaces what was stored for the property; objects with id 0 are left out.
    void store(const QByteArray &name, const QList<zkPropertyEditorObjectWrapper *> &objects);
    // Writes the stored values straight to the objects that have one (no set rules, no undo
    // scope of its own), then forgets them. Objects selected after the store are left alone.
    void restore(const QByteArray &name, const QList<zkPropertyEditorObjectWrapper *> &objects);
    void clear() { m_values.clear(); }

private:
    QMap<QByteArray, QMap<quint64, QVariant>> m_values;
};
