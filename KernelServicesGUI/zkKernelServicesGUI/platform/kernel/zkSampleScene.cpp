#include "zkSampleScene.h"

#include "zkCameraService.h"
#include "zkKernelServiceFactory.h"
#include "zkKernelServices.h"
#include "zkLensFlareTypes.h"
#include "zkLightService.h"
#include "zkMaterialService.h"
#include "zkNodeService.h"
#include "zkSceneplateTypes.h"
#include "zkTextureTypes.h"
#include "zkTreeService.h"
#include "zkVariantSetsService.h"
#include "zkdBumpTexture.h"
#include "zkdCameraNode.h"
#include "zkdCarbonPattern.h"
#include "zkdChromeMaterial.h"
#include "zkdClearcoat.h"
#include "zkdEnvironmentMaterial.h"
#include "zkdImage.h"
#include "zkdLensFlareEffect.h"
#include "zkdLensFlareGhostLine.h"
#include "zkdMaterial.h"
#include "zkdMetallicPaintMaterial.h"
#include "zkdMultiMaterial.h"
#include "zkdNode.h"
#include "zkdObjectManager.h"
#include "zkdPointLightNode.h"
#include "zkdReflectivePlasticMaterial.h"
#include "zkdTriTexture.h"
#include "zkdVariantSet.h"
#include "zkdVariantSetGroup.h"
#include "zkdWovenClothMaterial.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPair>
#include <QVector3D>
#include <QtGlobal>

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

// A value of a sample material: path is a property name, or the property names of nested
// sub-objects and one property of the last joined by '/' ("clearcoat/reflectivity").
using SampleValue = QPair<QByteArray, QVariant>;

void setSampleValue(const zkdObject &material, const SampleValue &value)
{
    const QList<QByteArray> path = value.first.split('/');
    zkdObject object = material;
    for (int i = 0; i + 1 < path.size(); ++i)
        object = subObject(object, path.at(i).constData());
    if (!object.setProperty(path.last().constData(), value.second))
        qWarning("zkSampleScene: %s of %s not written", value.first.constData(), qPrintable(material.getTypeName()));
}

// One material of every kind the kernel knows, "<kind> Sample", with a few values off their
// defaults on the material and on its sub-objects, so that every editor shows something set.
struct MaterialSample
{
    const char *kind;
    QList<SampleValue> values;
};

QList<MaterialSample> materialSamples()
{
    const auto v = [](auto value) { return QVariant::fromValue(value); };
    return {
        {"BRDF", {{"analyticDiffuseColor", v(QVector3D(0.3f, 0.5f, 0.7f))},
                  {"transparency/seeThrough", v(QVector3D(0.2f, 0.2f, 0.2f))},
                  {"roundedEdges/radius", v(1.5f)},
                  {"common/occlusionIntensity", v(0.6f)}}},
        {"BrushedMetal", {{"roughnessU", v(0.3f)},
                          {"diffuseTexture/useTexture", v(true)},
                          {"reflectivity", v(0.65f)},
                          {"clearcoat/type", v(zkdClearcoat::Accurate)},
                          {"clearcoat/reflectivity", v(0.1f)}}},
        {"Chrome", {{"smear", v(0.2f)},
                    {"metalType", v(zkdChromeMaterial::Silver)},
                    {"useRoughness", v(true)},
                    {"roughness", v(0.25f)}}},
        {"LineChrome", {{"reflectionColor", v(QVector3D(0.8f, 0.85f, 0.9f))},
                        {"lineWidth", v(0.3f)},
                        {"raytracing/lineTubeRadius", v(2.0f)}}},
        {"Carbon2D", {{"roughness", v(0.35f)},
                      {"carbonPattern/type", v(zkdCarbonPattern::Staircase3x1)},
                      {"carbonPattern/rotation", v(45.0f)},
                      {"clearcoat/type", v(zkdClearcoat::Fast)}}},
        {"Carbon", {{"roughness", v(0.15f)},
                    {"carbonPattern/rotationY", v(30.0f)},
                    {"clearcoat/type", v(zkdClearcoat::Accurate)}}},
        {"Flipflop", {{"baseColor", v(QVector3D(0.1f, 0.2f, 0.5f))},
                      {"flakeLayer/blending", v(0.7f)},
                      {"clearcoat/useOrangePeel", v(true)}}},
        {"MetallicPaint", {{"paintType", v(zkdMetallicPaintMaterial::ThreeCoat)},
                           {"baseColor", v(QVector3D(0.1f, 0.3f, 0.1f))},
                           {"primaryFlakeLayer/flakeSize", v(0.2f)},
                           {"secondaryFlakeLayer/flakeColor", v(QVector3D(0.9f, 0.8f, 0.3f))},
                           {"clearcoat/thickness", v(1.5f)}}},
        {"UnicolorPaint", {{"baseColor", v(QVector3D(0.9f, 0.7f, 0.1f))},
                           {"clearcoat/useOrangePeel", v(true)}}},
        {"Glass", {{"interiorColor", v(QVector3D(0.8f, 0.9f, 1.0f))},
                   {"simulatedThickness", v(0.5f)},
                   {"useDispersion", v(true)},
                   {"useRoughness", v(true)},
                   {"roughness", v(0.2f)},
                   {"texture/useTexture", v(true)},
                   {"exteriorTransparencyTexture/useTexture", v(true)},
                   {"uVTransparency/texture/useTexture", v(true)}}},
        {"Phong", {{"diffuseColor", v(QVector3D(0.6f, 0.6f, 0.2f))},
                   {"roughness", v(0.5f)},
                   {"diffuseBackscattering", v(0.3f)}}},
        {"Plastic", {{"diffuseColor", v(QVector3D(0.1f, 0.4f, 0.8f))},
                     {"reflectivity", v(0.7f)},
                     {"bumpTexture/bumpIntensity", v(0.5f)},
                     // Every texture in use, each with a setting that one of its rules follows.
                     {"diffuseTexture/useTexture", v(true)},
                     {"diffuseTexture/useRealWorldScale", v(true)},
                     {"glossyTexture/useTexture", v(true)},
                     {"glossyTexture/useImageSequence", v(true)},
                     {"roughnessTexture/useTexture", v(true)},
                     {"bumpTexture/surfaceStructure", v(zkdBumpTexture::Texture)},
                     {"displacementTexture/useTexture", v(true)},
                     {"displacementTexture/repeatModeU", v(zkTextureTypes::Decal)},
                     {"displacementTexture/repeatModeV", v(zkTextureTypes::Decal)},
                     {"incandescence/texture/useTexture", v(true)},
                     {"subsurfaceScattering/texture/useTexture", v(true)}}},
        {"ReflectivePlastic", {{"reflectivity", v(0.6f)},
                               {"fresnelQuality", v(zkdReflectivePlasticMaterial::Fast)}}},
        {"Velvet", {{"darkening", v(1.5f)},
                    {"falloff", v(0.3f)},
                    {"texture/useTexture", v(true)},
                    {"texture/textureMode", v(zkdTriTexture::Triplanar)}}},
        {"WovenCloth", {{"weaveType", v(zkdWovenClothMaterial::Twill3x1Pattern)},
                        {"warpColor", v(QVector3D(0.2f, 0.3f, 0.6f))},
                        {"yarnTwistAngle", v(30.0f)}}},
        {"XRay", {{"baseColor", v(QVector3D(0.9f, 0.4f, 0.1f))},
                  {"singleSided", v(true)},
                  {"fresnelColorPower", v(3.0f)}}},
        {"Multi", {}},
        {"Switch", {{"choice", v(1u)}}},
        {"XRiteMeasured", {{"measurement", v(QStringLiteral("leather.axf"))}}},
        {"EnvironmentSwitch", {{"choice", v(1u)}}},
        {"MultiPass", {}},
        {"Layered", {}},
        {"Environment", {{"geometryType", v(zkdEnvironmentMaterial::Cube)},
                         {"flipped", v(true)},
                         {"colorCorrection/exposure", v(0.5f)}}},
        {"Skylight", {{"resolution", v(2u)},
                      {"showCompass", v(true)}}},
        {"SubstanceEnvironment", {}},
        {"LightPortal", {{"visibility", v(0.5f)}}},
        {"OCS", {{"exposure", v(0.5f)},
                 {"clearcoat/reflectivity", v(0.1f)}}},
        {"Shadow", {{"occlusionIntensity", v(0.7f)},
                    {"shadowColor", v(QVector3D(0.1f, 0.1f, 0.2f))}}},
        {"Tire", {}},
        {"Substance", {}},
    };
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
    b.material("zkdUnicolorPaintMaterial", QStringLiteral("Solid White"), paints, "baseColor", {0.85f, 0.85f, 0.85f});
    b.material("zkdFlipflopMaterial", QStringLiteral("Chameleon"), paints, "baseColor", {0.2f, 0.5f, 0.3f});
    b.material("zkdCarbonMaterial", QStringLiteral("Carbon Weave"), paints);
    const zkdNode matte = materials->addMaterialGroup(QStringLiteral("Matte"), paints);
    b.material("zkdUnicolorPaintMaterial", QStringLiteral("Matte Grey"), matte, "baseColor", {0.3f, 0.3f, 0.32f});

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

    const zkdMaterial capsMaterial = b.material("zkdSwitchMaterial", QStringLiteral("Mirror Caps"), matte);
    const zkdMaterial capsBody = zkd_cast<zkdMaterial>(zkdObjectManager::create("zkdUnicolorPaintMaterial"));
    capsBody.setName(QStringLiteral("Caps Body Color"));
    const zkdMaterial capsCarbon = zkd_cast<zkdMaterial>(zkdObjectManager::create("zkdCarbonMaterial"));
    capsCarbon.setName(QStringLiteral("Caps Carbon"));
    zkd_cast<zkdMultiMaterial>(capsMaterial).setMaterials({capsBody, capsCarbon});

    // Tags for the tag view: several materials carry two.
    const QList<QPair<QString, QStringList>> tags = {
        {QStringLiteral("Racing Red"), {QStringLiteral("Exterior")}},
        {QStringLiteral("Midnight Blue"), {QStringLiteral("Exterior")}},
        {QStringLiteral("Matte Grey"), {QStringLiteral("Exterior")}},
        {QStringLiteral("Brushed Aluminium"), {QStringLiteral("Interior"), QStringLiteral("Metal")}},
        {QStringLiteral("Chrome Trim"), {QStringLiteral("Exterior"), QStringLiteral("Metal")}},
        {QStringLiteral("Seat Velvet"), {QStringLiteral("Interior"), QStringLiteral("Soft")}},
        {QStringLiteral("Seat Fabric"), {QStringLiteral("Interior"), QStringLiteral("Soft")}},
        {QStringLiteral("Windscreen"), {QStringLiteral("Exterior"), QStringLiteral("Glass")}},
        {QStringLiteral("X-Ray"), {QStringLiteral("Glass")}},
    };
    for (const zkdObject &object : qAsConst(b.objects)) {
        for (const auto &tagged : tags) {
            if (object.property("name").toString() == tagged.first)
                zkd_cast<zkdMaterial>(object).setTags(tagged.second);
        }
    }

    const zkdMaterial studio = b.material("zkdEnvironmentMaterial", QStringLiteral("Studio"), environments);
    studio.setProperty("environment", QVariant::fromValue(zkdImage::create(skyImage(), QStringLiteral("studio.hdr"))));
    b.material("zkdSkylightMaterial", QStringLiteral("Skylight"), environments);

    const zkdNode samples = materials->addMaterialGroup(QStringLiteral("Samples"));
    for (const MaterialSample &sample : materialSamples()) {
        const QString kind = QString::fromLatin1(sample.kind);
        const zkdMaterial material = b.material("zkd" + QByteArray(sample.kind) + "Material",
                                                kind + QStringLiteral(" Sample"), samples);
        for (const SampleValue &value : sample.values)
            setSampleValue(material, value);
        if (material.isTypeOf<zkdMultiMaterial>()) {
            // Environment switches choose between environments, the others between surfaces.
            const bool environment = kind == QLatin1String("EnvironmentSwitch");
            QList<zkdMaterial> parts;
            for (const char *partClass : {environment ? "zkdEnvironmentMaterial" : "zkdPlasticMaterial",
                                          environment ? "zkdSkylightMaterial" : "zkdChromeMaterial"}) {
                const zkdMaterial part = zkd_cast<zkdMaterial>(zkdObjectManager::create(partClass));
                part.setName(kind + QStringLiteral(" Part %1").arg(parts.size() + 1));
                parts.append(part);
            }
            zkd_cast<zkdMultiMaterial>(material).setMaterials(parts);
        }
    }

    // Scene graph: lights, camera, plates and a switch.
    const zkdNode lights = b.node("zkdNode", QStringLiteral("Lights"));
    const zkdNode headLamp = b.node("zkdPointLightNode", QStringLiteral("Head Lamp"), lights);
    const zkdObject effect = subObject(headLamp, "lensFlareEffect");
    if (const auto flare = zkd_cast<zkdLensFlareEffect>(effect); !flare.isNull()) {
        flare.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
        flare.createLensFlareElement(QStringLiteral("Ring"), zkLensFlareTypes::Ring);
        flare.createLensFlareElement(QStringLiteral("Starburst"), zkLensFlareTypes::Starburst);
        flare.createLensFlareElement(QStringLiteral("Streak"), zkLensFlareTypes::Streak);
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
    // A plate of each content kind, each with its content set.
    const zkdNode logo = b.node("zkdSceneplateNode", QStringLiteral("Logo Plate"));
    logo.setProperty("image", QVariant::fromValue(
            zkdImage::create(checkerImage(QColor(200, 30, 30), QColor(240, 240, 240)), QStringLiteral("logo.png"))));
    logo.setProperty("position", QVariant::fromValue(zkSceneplateTypes::TopRight));
    const zkdNode caption = b.node("zkdSceneplateNode", QStringLiteral("Caption Plate"));
    caption.setProperty("contentType", QVariant::fromValue(zkSceneplateTypes::Text));
    caption.setProperty("text", QStringLiteral("Sample Scene"));
    caption.setProperty("nodeType", QVariant::fromValue(zkSceneplateTypes::Backplate));
    const zkdNode web = b.node("zkdSceneplateNode", QStringLiteral("Web Plate"));
    web.setProperty("contentType", QVariant::fromValue(zkSceneplateTypes::Web));
    web.setProperty("url", QStringLiteral("http://localhost/index.html"));
    const zkdNode wheels = b.node("zkdSwitchNode", QStringLiteral("Wheels"));
    b.node("zkdNode", QStringLiteral("Wheel Sport"), wheels);
    b.node("zkdNode", QStringLiteral("Wheel Comfort"), wheels);

    if (auto *variants = zkKernelServiceFactory::the().getService<zkVariantSetsService>()) {
        const zkdVariantSetGroup exterior = variants->createVariantSetGroup(QStringLiteral("Exterior"));
        b.objects.append(exterior);
        b.objects.append(variants->createVariantSet(QStringLiteral("Red Body"), exterior));
        b.objects.append(variants->createVariantSet(QStringLiteral("Blue Body"), exterior));
        b.objects.append(variants->createVariantSet(QStringLiteral("Day Light")));
        const zkdVariantSetGroup trims = variants->createVariantSetGroup(QStringLiteral("Trims"));
        b.objects.append(trims);
        b.objects.append(variants->createVariantSet(QStringLiteral("Wood Trim"), trims));
        b.objects.append(variants->createVariantSet(QStringLiteral("Carbon Trim"), trims));
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
