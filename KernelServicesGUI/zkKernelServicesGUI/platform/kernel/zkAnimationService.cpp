#include "zkAnimationService.h"

#include "zkUndoStack.h"

#include <QCoreApplication>
#include <QPointer>

class zkAnimationCurveCommand : public zkUndoCommand
{
public:
    zkAnimationCurveCommand(zkAnimationService *service, zkdObject object, QByteArray property)
        : m_service(service), m_object(std::move(object)), m_property(std::move(property))
    {
    }

    void undo() override { set(false); }
    void redo() override { set(true); }
    QString text() const override
    {
        return QCoreApplication::translate("Animation Commands", "Create Animation Curve");
    }

private:
    void set(bool exists)
    {
        if (m_service)
            m_service->setCurve(m_object, m_property, exists);
    }

    QPointer<zkAnimationService> m_service;
    zkdObject m_object;
    QByteArray m_property;
};

zkAnimationService::zkAnimationService(QObject *parent)
    : zkBaseService(parent)
{
}

bool zkAnimationService::hasAnimationCurve(const zkdObject &object, const QByteArray &property) const
{
    return m_curves.contains({object.getObjectId(), property});
}

bool zkAnimationService::createAnimationCurve(const zkdObject &object, const QByteArray &property)
{
    if (!object.ptr() || !object.property(property.constData()).isValid() || hasAnimationCurve(object, property))
        return false;
    auto command = std::make_unique<zkAnimationCurveCommand>(this, object, property);
    command->redo();
    zkUndoStack *stack = zkUndoStack::instance();
    if (stack->isRecording())
        stack->record(std::move(command));
    return true;
}

void zkAnimationService::setCurve(const zkdObject &object, const QByteArray &property, bool exists)
{
    if (exists)
        m_curves.insert({object.getObjectId(), property});
    else
        m_curves.remove({object.getObjectId(), property});
    emit animationCurvesChanged(object, property);
}
