#include "zkMaterialDescription.h"

#include <zkQStringControl.h>
#include <zkdMaterial.h>
#include <zkdRaytracing.h>

#include <QString>
#include <QStringList>

namespace {

zkMaterialDescription instance;

} // namespace

void zkMaterialDescription::init()
{
    // The name is edited where the material is listed; materials that show raytracing settings
    // register a row for them of their own.
    zkDescriptionBuilder<zkdMaterial>(getFactory())
        .editor<QString, zkQStringControl>("name", [](zkBaseControlOptions &options) { options.skip(); })
        .hidden<QStringList>("tags")
        .hidden<zkdRaytracing>("raytracing");
}
