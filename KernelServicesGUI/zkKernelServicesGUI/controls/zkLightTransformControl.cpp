#include "zkLightTransformControl.h"

#include <zkCameraService.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkTreeService.h>
#include <zkUndoString.h>
#include <zkdBaseLightNode.h>
#include <zkdCameraNode.h>
#include <zkdLightTransform.h>

#include <QFrame>
#include <QGridLayout>
#include <QPushButton>

namespace {

const char *const undoContext = "Light Commands";

QList<zkdBaseLightNode> selectedLights()
{
    const auto *lights = zkKernelServiceFactory::the().getService<zkLightService>();
    return lights ? lights->getSelectedLights() : QList<zkdBaseLightNode>();
}

zkdCameraNode currentCamera()
{
    const auto *cameras = zkKernelServiceFactory::the().getService<zkCameraService>();
    return cameras ? cameras->getCurrentCamera() : zkdCameraNode();
}

} // namespace

zkLightTransformControl::zkLightTransformControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                                 Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
{
    setObjectName(QStringLiteral("zkLightTransformControl"));
    createButtons();
    createFrames();
    createLayout();
    setupConnections();
}

void zkLightTransformControl::createButtons()
{
    const auto button = [this](const QString &text, const QString &toolTip) {
        auto *result = new QPushButton(text, this);
        result->setToolTip(toolTip);
        result->setMinimumWidth(130);
        result->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return result;
    };
    m_fromCameraButton = button(tr("Get from Camera"), tr("Apply current camera transformation to light."));
    m_toCameraButton = button(tr("Apply to Camera"), tr("Apply light transformation to current camera."));
    m_fromNodesButton = button(tr("Get from Node(s)"), tr("Apply transformation of selected node to light"));
}

void zkLightTransformControl::createFrames()
{
    const auto frame = [this] {
        auto *result = new QFrame(this);
        result->setFrameShape(QFrame::NoFrame);
        result->setFrameShadow(QFrame::Plain);
        result->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        return result;
    };
    m_topFrame = frame();
    m_bottomFrame = frame();
}

void zkLightTransformControl::createLayout()
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fromCameraButton, 0, 0);
    layout->addWidget(m_toCameraButton, 0, 1);
    layout->addWidget(m_fromNodesButton, 1, 0);
    layout->addWidget(m_topFrame, 0, 2);
    layout->addWidget(m_bottomFrame, 1, 2);
}

void zkLightTransformControl::setupConnections()
{
    connect(m_fromCameraButton, &QPushButton::clicked, this, &zkLightTransformControl::setLightTransformFromCamera);
    connect(m_toCameraButton, &QPushButton::clicked, this, &zkLightTransformControl::setCameraTransformFromLight);
    connect(m_fromNodesButton, &QPushButton::clicked, this, &zkLightTransformControl::setLightTransformFromNodes);
}

void zkLightTransformControl::updateControl()
{
}

void zkLightTransformControl::setMultiSelectHighlight(bool highlight)
{
    Q_UNUSED(highlight);
}

QList<QWidget *> zkLightTransformControl::getFocusWidgets() const
{
    return getFocusable({m_fromCameraButton, m_toCameraButton, m_fromNodesButton});
}

void zkLightTransformControl::setLightTransformFromCamera()
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step(zkUndoString("Light Transform from Camera", undoContext));
    const QList<zkdBaseLightNode> lights = selectedLights();
    if (lights.isEmpty())
        return;
    const zkdCameraNode camera = currentCamera();
    if (camera.isNull())
        return;
    for (const zkdBaseLightNode &light : lights) {
        if (!light.isNull())
            light.getLightTransform().setFromCamera(camera);
    }
}

void zkLightTransformControl::setCameraTransformFromLight()
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step(zkUndoString("Camera Transform from Light", undoContext));
    const QList<zkdBaseLightNode> lights = selectedLights();
    // Several lights give no single place for the camera.
    if (lights.size() != 1)
        return;
    const zkdCameraNode camera = currentCamera();
    if (!camera.isNull())
        lights.first().getLightTransform().applyToCamera(camera);
}

void zkLightTransformControl::setLightTransformFromNodes()
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step(zkUndoString("Light Transform from Nodes", undoContext));
    const QList<zkdBaseLightNode> lights = selectedLights();
    if (lights.isEmpty())
        return;
    const auto *tree = zkKernelServiceFactory::the().getService<zkTreeService>();
    const QList<zkdNode> nodes = tree ? tree->getSelectedNodes() : QList<zkdNode>();
    if (nodes.isEmpty())
        return;
    for (const zkdBaseLightNode &light : lights) {
        if (!light.isNull())
            light.getLightTransform().setFromNodes(nodes);
    }
}
