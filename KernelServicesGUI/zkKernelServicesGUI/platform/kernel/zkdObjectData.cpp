#include "zkdObjectData.h"

#include "zkdClassInfo.h"
#include "zkdObject.h"
#include "zkdObjectManager.h"
#include "zkScopedMultiCommand.h"
#include "zkUndoStack.h"

#include <QMetaObject>

namespace {

// Converts value to the property's type; enumerations also take plain integers, and a handle
// property takes a handle of any subclass (or a null handle).
bool convertTo(QVariant &value, int type)
{
    if (value.userType() == type)
        return true;
    if (const zkdClassInfo *target = zkdObjectManager::classInfo(QByteArray(QMetaType::typeName(type)))) {
        const zkdObject object = zkdObjectManager::fromVariant(value);
        if (!zkdObjectManager::classInfo(QByteArray(value.typeName())))
            return false;
        if (!object.isNull() && !zkdObjectManager::classInfo(object.getTypeId())->inherits(target))
            return false;
        value = QVariant(type, &object);
        return true;
    }
    if (QMetaType::typeFlags(type) & QMetaType::IsEnumeration) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok)
            return false;
        value = QVariant(type, &number);
        return true;
    }
    return value.convert(type);
}

class zkPropertyCommand : public zkUndoCommand
{
public:
    zkPropertyCommand(std::shared_ptr<zkdObjectData> object, int index, QVariant before, QVariant after)
        : m_object(std::move(object)), m_index(index), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    void undo() override { m_object->storeProperty(m_index, m_before); }
    void redo() override { m_object->storeProperty(m_index, m_after); }
    QString text() const override
    {
        return QStringLiteral("Change %1").arg(QString::fromUtf8(m_object->classInfo().properties.at(m_index).name));
    }
    bool mergeWith(const zkUndoCommand &next) override
    {
        const auto *other = dynamic_cast<const zkPropertyCommand *>(&next);
        if (!other || other->m_object != m_object || other->m_index != m_index)
            return false;
        m_after = other->m_after;
        return true;
    }
    bool isObsolete() const override { return m_before == m_after; }

private:
    std::shared_ptr<zkdObjectData> m_object;
    int m_index;
    QVariant m_before;
    QVariant m_after;
};

} // namespace

zkdObjectData::zkdObjectData(quint64 objectId, const zkdClassInfo *classInfo)
    : m_objectId(objectId), m_class(classInfo)
{
    m_values.reserve(classInfo->properties.size());
    for (const zkdPropertyInfo &info : classInfo->properties)
        m_values.append(info.defaultValue);
}

const QMetaObject *zkdObjectData::metaObject() const
{
    return m_class->metaObject;
}

zkdObject zkdObjectData::handle() const
{
    return zkdObject(std::const_pointer_cast<zkdObjectData>(shared_from_this()));
}

QVariant zkdObjectData::property(const QByteArray &name) const
{
    const int index = m_class->indexOf(name);
    return index < 0 ? QVariant() : m_values.at(index);
}

bool zkdObjectData::setProperty(const QByteArray &name, const QVariant &value)
{
    const int index = m_class->indexOf(name);
    if (index < 0)
        return false;
    const zkdPropertyInfo &info = m_class->properties.at(index);
    if (!(info.flags & zkdPropertyInfo::Writable))
        return false;
    QVariant converted = value;
    if (!convertTo(converted, info.type))
        return false;
    if (converted == m_values.at(index) && !(info.flags & zkdPropertyInfo::NoCache))
        return true;

    // An edit and the values hooks derive from it, on this or other objects, are one undo step.
    const zkScopedMultiCommand step;
    zkUndoStack *stack = zkUndoStack::instance();
    if (stack->isRecording())
        stack->record(std::make_unique<zkPropertyCommand>(shared_from_this(), index, m_values.at(index), converted));
    storeProperty(index, converted);

    ++m_hookDepth;
    if (m_hookDepth < 8) {
        for (const zkdPropertyHook &hook : m_class->hooks)
            hook(*this, name);
    }
    --m_hookDepth;
    return true;
}

void zkdObjectData::storeProperty(int index, const QVariant &value)
{
    m_values[index] = value;
    zkdObjectManager::instance()->notifyPropertyChanged(handle(), m_class->properties.at(index).name);
}
