#include "zkCameraService.h"

zkCameraService::zkCameraService(QObject *parent)
    : zkBaseService(parent)
{
}

void zkCameraService::setCurrentCamera(const zkdCameraNode &camera)
{
    if (camera == m_currentCamera)
        return;
    m_currentCamera = camera;
    emit currentCameraChanged(m_currentCamera);
}
