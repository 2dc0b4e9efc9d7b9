#include "zkStoredPropertyValues.h"

#include "zkPropertyEditorObjectWrapper.h"

void zkStoredPropertyValues::store(const QByteArray &name, const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    m_values.remove(name);
    for (const zkPropertyEditorObjectWrapper *object : objects) {
        if (object->getObjectId() != 0)
            m_values[name].insert(object->getObjectId(), object->getProperty(name));
    }
}

void zkStoredPropertyValues::restore(const QByteArray &name, const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    // Taken first: a write may notify, and whatever reacts may store the property anew.
    const QMap<quint64, QVariant> stored = m_values.take(name);
    for (zkPropertyEditorObjectWrapper *object : objects) {
        const quint64 id = object->getObjectId();
        const auto it = stored.constFind(id);
        if (id != 0 && it != stored.constEnd())
            object->setProperty(name, *it);
    }
}
