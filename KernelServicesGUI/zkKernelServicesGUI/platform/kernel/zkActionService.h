#pragma once

#include "zkBaseService.h"
#include "zkdActionContainer.h"

#include <QList>

// The actions of the scene.
class zkActionService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkActionService(QObject *parent = nullptr);

    QList<zkdActionContainer> getActionContainers() const { return m_containers; }
    // A new action on object (see zkdActionContainer::create), listed last.
    zkdActionContainer createActionContainer(const zkdObject &object, const QString &name);

    // To be called after action slots were set; emits changed.
    void actionsChanged();

signals:
    void changed();

private:
    QList<zkdActionContainer> m_containers;
};
