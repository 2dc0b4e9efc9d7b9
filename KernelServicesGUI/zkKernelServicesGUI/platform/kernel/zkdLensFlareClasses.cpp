#include "zkdLensFlareClasses.h"

#include "zkLensFlareTypes.h"
#include "zkdImage.h"
#include "zkdLensFlareEffect.h"
#include "zkdLensFlareGhost.h"
#include "zkdLensFlareGhostLine.h"
#include "zkdLensFlareGlow.h"
#include "zkdLensFlareRing.h"
#include "zkdLensFlareStar.h"
#include "zkdLensFlareStreak.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

#include <QVector2D>
#include <QVector3D>

using namespace zkdProperty;

namespace {

const QVector3D white(1.0f, 1.0f, 1.0f);

void effectCouplings(zkdObjectData &effect, const QByteArray &name)
{
    if (name == "presetType")
        zkd_cast<zkdLensFlareEffect>(effect.handle())
                .applyPreset(effect.property("presetType").value<zkLensFlareTypes::PresetType>());
}

// Items of owned lists are nobody else's; they go with their owner.
void destroyOwnedItems(const zkdObject &object)
{
    if (object.isTypeOf<zkdLensFlareEffect>()) {
        for (const zkdLensFlareElement &element : zkd_cast<zkdLensFlareEffect>(object).getLensFlareElements())
            zkdObjectManager::destroy(element);
    } else if (object.isTypeOf<zkdLensFlareGhostLine>()) {
        for (const zkdLensFlareGhost &ghost : zkd_cast<zkdLensFlareGhostLine>(object).getGhosts())
            zkdObjectManager::destroy(ghost);
    }
}

} // namespace

void registerLensFlareClasses()
{
    qRegisterMetaType<zkLensFlareTypes::ElementType>();
    qRegisterMetaType<zkLensFlareTypes::PresetType>();
    qRegisterMetaType<zkLensFlareTypes::ElementShape>();
    qRegisterMetaType<zkLensFlareTypes::StarShape>();

    zkdObjectManager::registerClass<zkdLensFlareElement>({
        value<bool>("isActive", true),
        value<QString>("name"),
    });
    zkdObjectManager::registerClass<zkdLensFlareGhost>({
        value<zkLensFlareTypes::ElementShape>("shape", zkLensFlareTypes::Hexagon),
        reference<zkdImage>("image"),
        value<QVector3D>("color", white),
        value<QVector3D>("chromaticAberration", QVector3D()),
        value<float>("size", 0.1f),
        value<float>("intensity", 0.5f),
        value<float>("edgeIntensity", 0.2f),
        value<float>("edgeThickness", 0.1f),
        value<float>("feather", 0.2f),
        value<float>("rotation", 0.0f),
        value<bool>("isActive", true),
        value<QString>("name", QStringLiteral("Ghost")),
        value<float>("distance", 0.0f),
        value<bool>("isChromaticAberrationActive", false),
    });
    zkdObjectManager::registerClass<zkdLensFlareGhostLine>({
        value<QList<zkdLensFlareGhost>>("ghosts"),
    });
    zkdObjectManager::registerClass<zkdLensFlareGlow>({
        value<zkLensFlareTypes::ElementShape>("shape", zkLensFlareTypes::Circle),
        reference<zkdImage>("image"),
        value<QVector3D>("color", white),
        value<float>("size", 0.2f),
        value<float>("intensity", 0.5f),
        value<float>("feather", 0.5f),
        value<float>("rotation", 0.0f),
    });
    zkdObjectManager::registerClass<zkdLensFlareRing>({
        value<QVector3D>("color", white),
        value<QVector3D>("chromaticAberration", QVector3D()),
        value<uint>("numberOfStreaks", 24u),
        value<float>("size", 0.5f),
        value<float>("intensity", 0.5f),
        value<float>("thickness", 0.1f),
        value<float>("streakThickness", 0.05f),
        value<float>("feather", 0.5f),
        value<float>("rotation", 0.0f),
        value<bool>("isChromaticAberrationActive", false),
    });
    zkdObjectManager::registerClass<zkdLensFlareStar>({
        value<zkLensFlareTypes::StarShape>("shape", zkLensFlareTypes::Fan),
        reference<zkdImage>("image"),
        value<QVector3D>("color", white),
        value<uint>("numberOfBursts", 6u),
        value<float>("size", 0.5f),
        value<float>("intensity", 0.5f),
        value<float>("thickness", 0.1f),
        value<float>("feather", 0.5f),
        value<float>("rotation", 0.0f),
        value<bool>("useScaling", false),
        value<float>("intensityScaleFactor", 1.0f),
        value<bool>("useFlickering", false),
        value<QVector2D>("flickeringRange", QVector2D(0.8f, 1.0f)),
    });
    zkdObjectManager::registerClass<zkdLensFlareStreak>({
        value<QVector3D>("color", white),
        value<QVector2D>("offset", QVector2D()),
        value<float>("size", 0.5f),
        value<float>("intensity", 0.5f),
        value<float>("thickness", 0.05f),
        value<float>("feather", 0.5f),
        value<float>("rotation", 0.0f),
    });
    zkdObjectManager::registerClass<zkdLensFlareEffect>({
        value<bool>("isActive", true),
        value<zkLensFlareTypes::PresetType>("presetType", zkLensFlareTypes::Custom),
        value<bool>("useLightProperties", true),
        value<QVector3D>("color", white),
        value<float>("size", 1.0f),
        value<float>("intensity", 1.0f),
        value<float>("radius", 0.5f),
        value<float>("angularIntensity", 1.0f),
        value<QList<zkdLensFlareElement>>("lensFlareElements"),
    }, effectCouplings);

    QObject::connect(zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed, &destroyOwnedItems);
}
