#include "zkPropertyEditorObjectWrapper.h"

zkPropertyEditorObjectWrapper::zkPropertyEditorObjectWrapper(bool isZkdObject)
    : m_isZkdObject(isZkdObject)
{
}

zkPropertyEditorObjectWrapper::~zkPropertyEditorObjectWrapper() = default;

bool zkPropertyEditorObjectWrapper::inheritedFrom(const QByteArray &className) const
{
    return getInheritanceHierarchy().contains(className);
}

void zkPropertyEditorObjectWrapper::propertyChanged(const QByteArray &)
{
}
