#pragma once

#include "zkBaseService.h"
#include "zkdCameraNode.h"

// The camera the viewport looks through.
class zkCameraService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkCameraService(QObject *parent = nullptr);

    // Null while the scene has no camera.
    zkdCameraNode getCurrentCamera() const { return m_currentCamera; }
    void setCurrentCamera(const zkdCameraNode &camera);

signals:
    void currentCameraChanged(const zkdCameraNode &camera);

private:
    zkdCameraNode m_currentCamera;
};
