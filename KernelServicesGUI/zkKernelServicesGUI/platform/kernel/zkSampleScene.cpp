#include "zkSampleScene.h"

#include "zkCameraService.h"
#include "zkKernelServiceFactory.h"
#include "zkKernelServices.h"
#include "zkLensFlareTypes.h"
#include "zkLightService.h"
#include "zkMaterialService.h"
#include "zkNodeService.h"
#include "zkTreeService.h"
#include "zkVariantSetsService.h"
#include "zkdCameraNode.h"
#include "zkdImage.h"
#include "zkdLensFlareEffect.h"
#include "zkdLensFlareGhostLine.h"
#include "zkdMaterial.h"
#include "zkdMultiMaterial.h"
#include "zkdNode.h"
#include "zkdObjectManager.h"
#include "zkdPointLightNode.h"
#include "zkdVariantSet.h"
#include "zkdVariantSetGroup.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QVector3D>

namespace {

QImage checkerImage(const QColor &a, const QColor &b)
{
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            painter.fillRect(x * 8, y * 8, 8, 8, (x + y) % 2 ? a : b);
    }
    return image;
}

QImage skyImage()
{
    QImage image(128, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 64);
    gradient.setColorAt(0.0, QColor(40, 90, 190));
    gradient.setColorAt(0.6, QColor(200, 220, 240));
    gradient.setColorAt(1.0, QColor(90, 80, 70));
    painter.fillRect(image.rect(), gradient);
    return image;
}

zkdObject subObject(const zkdObject &owner, const char *property)
{
    return zkdObjectManager::fromVariant(owner.property(property));
}

class Builder
{
public:
    QList<zkdObject> objects;

    zkdMaterial material(const QByteArray &className, const QString &name, const zkdNode &group,
                         const char *colorProperty = nullptr, const QVector3D &color = QVector3D())
    {
        const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::create(className));
        material.setName(name);
        if (colorProperty)
            material.setProperty(colorProperty, color);
        materials()->addMaterial(material, group);
        objects.append(material);
        return material;
    }

    zkdNode node(const QByteArray &className, const QString &name, const zkdNode &parent = zkdNode())
    {
        const zkdNode node = nodes()->createNode(className, parent, name);
        objects.append(node);
        return node;
    }

    static zkMaterialService *materials() { return zkKernelServiceFactory::the().getService<zkMaterialService>(); }
    static zkNodeService *nodes() { return zkKernelServiceFactory::the().getService<zkNodeService>(); }
};

QList<zkdObject> buildScene()
{
    Builder b;
    zkMaterialService *materials = Builder::materials();

    const zkdNode paints = materials->addMaterialGroup(QStringLiteral("Paints"));
    const zkdNode interior = materials->addMaterialGroup(QStringLiteral("Interior"));
    const zkdNode glazing = materials->addMaterialGroup(QStringLiteral("Glazing"));
    const zkdNode environments = materials->addMaterialGroup(QStringLiteral("Environments"));

    b.material("zkdMetallicPaintMaterial", QStringLiteral("Racing Red"), paints, "baseColor", {0.6f, 0.02f, 0.02f});
    b.material("zkdMetallicPaintMaterial", QStringLiteral("Midnight Blue"), paints, "baseColor", {0.02f, 0.05f, 0.25f});
    b.material("zkdUnicolorPaintMaterial", QStringLiteral("Solid White"), paints, "diffuseColor", {0.85f, 0.85f, 0.85f});
    b.material("zkdFlipflopMaterial", QStringLiteral("Chameleon"), paints, "baseColor", {0.2f, 0.5f, 0.3f});
    b.material("zkdCarbonMaterial", QStringLiteral("Carbon Weave"), paints);

    const zkdMaterial leather = b.material("zkdPlasticMaterial", QStringLiteral("Leather"), interior,
                                           "diffuseColor", {0.25f, 0.12f, 0.06f});
    leather.setTags({QStringLiteral("Interior"), QStringLiteral("Soft")});
    const zkdObject leatherTexture = subObject(leather, "diffuseTexture");
    leatherTexture.setProperty("image", QVariant::fromValue(
            zkdImage::create(checkerImage(QColor(70, 35, 20), QColor(90, 45, 25)), QStringLiteral("leather.png"))));
    leatherTexture.setProperty("useTexture", true);
    b.material("zkdPhongMaterial", QStringLiteral("Dashboard Plastic"), interior, "diffuseColor", {0.05f, 0.05f, 0.05f});
    b.material("zkdBrushedMetalMaterial", QStringLiteral("Brushed Aluminium"), interior);
    b.material("zkdChromeMaterial", QStringLiteral("Chrome Trim"), interior);
    b.material("zkdVelvetMaterial", QStringLiteral("Seat Velvet"), interior);
    b.material("zkdWovenClothMaterial", QStringLiteral("Seat Fabric"), interior);
    b.material("zkdReflectivePlasticMaterial", QStringLiteral("Piano Black"), interior);
    b.material("zkdCarbon2DMaterial", QStringLiteral("Carbon Inlay"), interior);
    b.material("zkdLineChromeMaterial", QStringLiteral("Line Chrome"), interior);

    b.material("zkdGlassMaterial", QStringLiteral("Windscreen"), glazing, "exteriorColor", {0.9f, 0.95f, 0.92f});
    b.material("zkdXRayMaterial", QStringLiteral("X-Ray"), glazing);
    b.material("zkdLightPortalMaterial", QStringLiteral("Portal"), glazing);
    b.material("zkdShadowMaterial", QStringLiteral("Ground Shadow"), glazing);
    b.material("zkdOCSMaterial", QStringLiteral("Measured Paint"), glazing);
    b.material("zkdXRiteMeasuredMaterial", QStringLiteral("Measured Leather"), glazing);

    const zkdMaterial switchMaterial = b.material("zkdSwitchMaterial", QStringLiteral("Rim Variants"), interior);
    const zkdMaterial silver = zkd_cast<zkdMaterial>(zkdObjectManager::create("zkdPlasticMaterial"));
    silver.setName(QStringLiteral("Rim Silver"));
    const zkdMaterial black = zkd_cast<zkdMaterial>(zkdObjectManager::create("zkdPlasticMaterial"));
    black.setName(QStringLiteral("Rim Black"));
    zkd_cast<zkdMultiMaterial>(switchMaterial).setMaterials({silver, black});

    const zkdMaterial studio = b.material("zkdEnvironmentMaterial", QStringLiteral("Studio"), environments);
    studio.setProperty("environment", QVariant::fromValue(zkdImage::create(skyImage(), QStringLiteral("studio.hdr"))));
    b.material("zkdSkylightMaterial", QStringLiteral("Skylight"), environments);

    // Scene graph: lights, camera, plates and a switch.
    const zkdNode lights = b.node("zkdNode", QStringLiteral("Lights"));
    const zkdNode headLamp = b.node("zkdPointLightNode", QStringLiteral("Head Lamp"), lights);
    const zkdObject effect = subObject(headLamp, "lensFlareEffect");
    if (const auto flare = zkd_cast<zkdLensFlareEffect>(effect); !flare.isNull()) {
        flare.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
        flare.createLensFlareElement(QStringLiteral("Ring"), zkLensFlareTypes::Ring);
        flare.createLensFlareElement(QStringLiteral("Starburst"), zkLensFlareTypes::Starburst);
        const auto ghosts = zkd_cast<zkdLensFlareGhostLine>(
                flare.createLensFlareElement(QStringLiteral("Ghosts"), zkLensFlareTypes::GhostLine));
        for (double distance : {-1.5, 0.4, 1.2})
            ghosts.createGhost(distance);
    }
    b.node("zkdSpotLightNode", QStringLiteral("Spot"), lights);
    b.node("zkdDirectionalLightNode", QStringLiteral("Sun"), lights);
    b.node("zkdDiskLightNode", QStringLiteral("Softbox"), lights);
    b.node("zkdRectangularLightNode", QStringLiteral("Panel"), lights);
    b.node("zkdRayLightNode", QStringLiteral("Ray Light"), lights);

    const zkdNode camera = b.node("zkdCameraNode", QStringLiteral("Perspective"));
    if (auto *cameras = zkKernelServiceFactory::the().getService<zkCameraService>())
        cameras->setCurrentCamera(zkd_cast<zkdCameraNode>(camera));
    b.node("zkdSceneplateNode", QStringLiteral("Logo Plate"));
    const zkdNode wheels = b.node("zkdSwitchNode", QStringLiteral("Wheels"));
    b.node("zkdNode", QStringLiteral("Wheel Sport"), wheels);
    b.node("zkdNode", QStringLiteral("Wheel Comfort"), wheels);

    if (auto *variants = zkKernelServiceFactory::the().getService<zkVariantSetsService>()) {
        const zkdVariantSetGroup exterior = variants->createVariantSetGroup(QStringLiteral("Exterior"));
        b.objects.append(exterior);
        b.objects.append(variants->createVariantSet(QStringLiteral("Red Body"), exterior));
        b.objects.append(variants->createVariantSet(QStringLiteral("Blue Body"), exterior));
        b.objects.append(variants->createVariantSet(QStringLiteral("Day Light")));
    }
    return b.objects;
}

} // namespace

const QList<zkdObject> &zkSampleScene::build()
{
    zkKernelServices::initialize();
    static const QList<zkdObject> objects = buildScene();
    return objects;
}

zkdObject zkSampleScene::find(const QString &name)
{
    for (const zkdObject &object : build()) {
        if (object.property("name").toString() == name)
            return object;
    }
    return zkdObject();
}
