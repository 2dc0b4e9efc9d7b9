#include "zkMultiMaterialDescription.h"

#include <zkdMaterial.h>
#include <zkdMultiMaterial.h>

#include <QList>

namespace {

zkMultiMaterialDescription instance;

} // namespace

void zkMultiMaterialDescription::init()
{
    zkDescriptionBuilder<zkdMultiMaterial>(getFactory()).hidden<QList<zkdMaterial>>("materials");
}
