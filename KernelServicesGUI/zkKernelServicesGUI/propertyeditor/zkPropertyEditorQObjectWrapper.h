#pragma once

#include "zkPropertyEditorObjectWrapper.h"

class QObject;

// Wraps any QObject: its meta properties, then its dynamic properties.
class zkPropertyEditorQObjectWrapper : public zkPropertyEditorObjectWrapper
{
public:
    // The object is not owned and must outlive the wrapper.
    explicit zkPropertyEditorQObjectWrapper(QObject *object);

    quint64 getTypeId() const override;
    quint64 getObjectId() const override;
    int getPropertyCount() const override;
    void setProperty(const QByteArray &name, const QVariant &value) override;
    QVariant getProperty(int index) const override;
    QVariant getProperty(const QByteArray &name) const override;
    zkQRPCMetaProperty getMetaProperty(int index) const override;
    QList<QByteArray> getInheritanceHierarchy() const override;

protected:
    boost::any getObjectImpl() const override;

private:
    int metaPropertyCount() const;

    QObject *m_object;
};
