#include "zkdSceneClasses.h"

#include "zkCameraService.h"
#include "zkCameraTypes.h"
#include "zkKernelServiceFactory.h"
#include "zkReferenceTypes.h"
#include "zkSceneplateTypes.h"
#include "zkVariantSetTypes.h"
#include "zkdActionContainer.h"
#include "zkdActionSlot.h"
#include "zkdCameraNode.h"
#include "zkdImage.h"
#include "zkdKxmSettings.h"
#include "zkdLensFlareClasses.h"
#include "zkdLightClasses.h"
#include "zkdLightLinkSetNode.h"
#include "zkdMaterial.h"
#include "zkdMaterialNode.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdPerspectiveMatch.h"
#include "zkdSceneplateNode.h"
#include "zkdTessellationSettings.h"
#include "zkdTextureCouplings.h"
#include "zkdVariantSet.h"
#include "zkdVariantSetGroup.h"
#include "zkdWebEngine.h"

#include <QImage>
#include <QLineF>
#include <QQuaternion>
#include <QVector2D>
#include <QVector3D>

using namespace zkdProperty;

namespace {

// A state that push buttons toggle: written with the same value again and again.
template <typename V>
zkdPropertyInfo pushed(const char *name, const V &defaultValue)
{
    return value<V>(name, defaultValue, zkdPropertyInfo::Writable | zkdPropertyInfo::NoCache);
}

// The vanishing lines a perspective match starts with, in viewport fractions.
const QLineF defaultLines[] = {
    {0.20, 0.70, 0.45, 0.55}, {0.20, 0.80, 0.45, 0.62}, // x
    {0.80, 0.70, 0.55, 0.55}, {0.80, 0.80, 0.55, 0.62}, // y
    {0.35, 0.20, 0.38, 0.45}, {0.65, 0.20, 0.62, 0.45}, // z
};
const char *const lineNames[] = {"xLine1", "xLine2", "yLine1", "yLine2", "zLine1", "zLine2"};

void perspectiveMatchCommands(zkdObjectData &match, const QByteArray &name)
{
    if (!match.property(name).toBool())
        return;
    if (name == "defaultLines") {
        for (int i = 0; i < 6; ++i)
            match.setProperty(lineNames[i], defaultLines[i]);
    } else if (name == "rotateLeft" || name == "rotateRight") {
        const auto *cameras = zkKernelServiceFactory::the().getService<zkCameraService>();
        const zkdCameraNode camera = cameras ? cameras->getCurrentCamera() : zkdCameraNode();
        if (!camera.isNull()) {
            const float step = match.property("rotationStepSize").toFloat();
            const QQuaternion turn = QQuaternion::fromAxisAndAngle(0.0f, 1.0f, 0.0f, name == "rotateLeft" ? step : -step);
            camera.setTransform(camera.getTranslation(), turn * camera.getRotation());
        }
    } else {
        return;
    }
    match.setProperty(name, false);
}

void registerNodes()
{
    zkdObjectManager::registerClass<zkdNode>({
        value<bool>("visibilityFlag", true),
        value<bool>("visibility", true),
        value<bool>("userLocked", false),
        value<QString>("name"),
    });
    zkdObjectManager::registerClass<zkdMaterialNode>({reference<zkdMaterial>("material")});
    zkdObjectManager::registerClass<zkdSwitchNode>({value<int>("choice", zkdSwitchNode::AllChildren)});
    zkdObjectManager::registerClass<zkdLightLinkSetNode>();
    zkdObjectManager::registerClass<zkdCameraNode>({
        value<QVector3D>("translation", QVector3D(0.0f, 0.0f, 10.0f)),
        value<QQuaternion>("rotation", QQuaternion()),
        value<float>("fieldOfView", 45.0f),
    });
    zkdObjectManager::registerClass<zkdSceneplateNode>({
        value<QString>("name"),
        value<zkSceneplateTypes::NodeType>("nodeType", zkSceneplateTypes::Frontplate),
        value<zkSceneplateTypes::ContentType>("contentType", zkSceneplateTypes::Image),
        value<QString>("text"),
        value<QString>("font", QStringLiteral("Arial")),
        value<QString>("fontStyle", QStringLiteral("Regular")),
        value<uint>("fontHeight", 32u),
        value<QVector3D>("fontColor", QVector3D(1.0f, 1.0f, 1.0f)),
        value<QVector3D>("backgroundColor", QVector3D()),
        value<float>("backgroundTransparency", 1.0f),
        reference<zkdImage>("image"),
        value<bool>("useImageSequence", false),
        value<uint>("frameOffset", 0u),
        value<bool>("inlineImageSequence", false),
        value<uint>("imageNumber", 0u),
        value<zkSceneplateTypes::RepeatMode>("repeatMode", zkSceneplateTypes::Decal),
        value<int>("width", 1024),
        value<int>("height", 768),
        value<float>("clickThrough", 0.0f),
        value<QString>("url"),
        value<float>("transparency", 0.0f),
        value<zkSceneplateTypes::Position>("position", zkSceneplateTypes::Center),
        value<zkSceneplateTypes::SizeType>("offsetMode", zkSceneplateTypes::Absolute),
        value<QVector2D>("offset", QVector2D()),
        value<float>("rotation", 0.0f),
        value<zkSceneplateTypes::SizeType>("sizeMode", zkSceneplateTypes::Relative),
        value<float>("size", 1.0f),
        value<int>("whiteBalance", 6500),
        value<float>("hueShift", 0.0f),
        value<float>("contrast", 0.0f),
        value<float>("brightness", 0.0f),
        value<float>("saturation", 0.0f),
    }, zkdTextureCouplings::inlineImageSequence);
}

void registerSceneObjects()
{
    Q_STATIC_ASSERT(sizeof(defaultLines) / sizeof(defaultLines[0]) == 6);
    zkdObjectManager::registerClass<zkdPerspectiveMatch>({
        value<QLineF>("xLine1", defaultLines[0]),
        value<QLineF>("xLine2", defaultLines[1]),
        value<QLineF>("yLine1", defaultLines[2]),
        value<QLineF>("yLine2", defaultLines[3]),
        value<QLineF>("zLine1", defaultLines[4]),
        value<QLineF>("zLine2", defaultLines[5]),
        pushed<bool>("enabled", false),
        command("defaultLines"),
        value<zkCameraTypes::VanishingLinesType>("vanishingLinesType", zkCameraTypes::XYZ),
        value<float>("magnifyFactor", 4.0f),
        command("rotateLeft"),
        value<bool>("pivotFromNavigator", false),
        value<float>("rotationStepSize", 15.0f),
        command("rotateRight"),
        value<QVector3D>("pivot", QVector3D()),
    }, perspectiveMatchCommands);
    zkdObjectManager::registerClass<zkdTessellationSettings>({
        value<bool>("keepNurbs", false),
        value<bool>("mergeGeometries", true),
        value<bool>("removeEmptyGroups", true),
        value<bool>("unshareNodes", false),
        value<bool>("flushTransformations", false),
        value<bool>("createLayerGroups", false),
        value<double>("chordDeviation", 0.1),
        value<double>("maxChordLength", 200.0),
        value<double>("normalTolerance", 15.0),
        value<bool>("useStitching", true),
        value<double>("stitchingTolerance", 0.1),
        value<bool>("robustTessellation", false),
    });
    zkdObjectManager::registerClass<zkdWebEngine>({
        value<bool>("enabled", true),
        value<QString>("name"),
        value<int>("width", 1024),
        value<int>("height", 768),
        value<QString>("url"),
        reference<zkdMaterial>("material"),
        value<zkdWebEngine::TextureSlotType>("texture", zkdWebEngine::Diffuse),
        value<float>("clickThrough", 0.0f),
        pushed<quint64>("reload", 0),
    });
    zkdObjectManager::registerClass<zkdKxmSettings>({
        value<bool>("importSurfaces", true),
        value<bool>("importInvisibleSurfaces", false),
        value<bool>("importMeshes", true),
        value<bool>("importInvisibleMeshes", false),
        value<bool>("importInvisibleInstances", false),
        value<bool>("importCurves", false),
        value<bool>("importInvisibleCurves", false),
        value<bool>("importAssociativeMeshes", true),
        value<bool>("importTemplateGeometries", false),
        value<bool>("importCameras", true),
        value<bool>("importLights", true),
        value<bool>("importVariants", true),
        value<bool>("disableMultithreadedImport", false),
        value<bool>("fixSurfaceOrientation", true),
        value<bool>("useLegacyLoader", false),
    });
}

void registerVariantSets()
{
    zkdObjectManager::registerClass<zkdVariantSetBase>({value<QString>("name")});
    zkdObjectManager::registerClass<zkdVariantSet>({value<QImage>("preview")});
    zkdObjectManager::registerClass<zkdVariantSetGroup>();
}

void registerActions()
{
    zkdObjectManager::registerClass<zkdActionSlot>({
        value<QString>("name", QString(), 0),
        // Of the type the slot was made with; setValue writes it.
        {"value", QMetaType::QVariant, QVariant(), 0},
    });
    zkdObjectManager::registerClass<zkdActionContainer>({
        value<QString>("name"),
        {"container", qMetaTypeId<zkdObject>(), QVariant::fromValue(zkdObject()), 0},
        value<QList<zkdActionSlot>>("inSlots", {}, 0),
    });
}

} // namespace

void registerSceneClasses()
{
    qRegisterMetaType<zkCameraTypes::VanishingLinesType>();
    qRegisterMetaType<zkSceneplateTypes::NodeType>();
    qRegisterMetaType<zkSceneplateTypes::ContentType>();
    qRegisterMetaType<zkSceneplateTypes::RepeatMode>();
    qRegisterMetaType<zkSceneplateTypes::Position>();
    qRegisterMetaType<zkSceneplateTypes::SizeType>();
    qRegisterMetaType<zkReferenceTypes::ReferenceType>();
    qRegisterMetaType<zkVariantSetTypes::VariantSetType>();
    qRegisterMetaType<zkdWebEngine::TextureSlotType>();

    registerNodes();
    registerLensFlareClasses();
    registerLightClasses();
    registerSceneObjects();
    registerVariantSets();
    registerActions();
}
