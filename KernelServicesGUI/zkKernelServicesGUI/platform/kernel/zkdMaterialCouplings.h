#pragma once

#include <QByteArray>

class zkdObjectData;

// How the kernel derives material values from an edit (class hooks, see zkdPropertyHook). Each
// writes its derived values through the object, so that they join the edit's undo step and
// notify like any other change.
namespace zkdMaterialCouplings {

// The analytic diffuse colour of a surface material follows its diffuse colour (for glass, its
// exterior colour).
void analyticDiffuseColor(zkdObjectData &material, const QByteArray &name);
// A brushed metal's metal type sets its reflectivity, except for a custom reflectivity.
void brushedMetal(zkdObjectData &material, const QByteArray &name);
// The reflectance at normal incidence of a dielectric with this refraction index.
float fresnelReflectivity(float refractionIndex);

// A glass medium sets the refraction index and the Abbe number; either typed by hand makes the
// medium custom. The refraction index gives the reflectivity unless a custom one is used.
void glassMedium(zkdObjectData &material, const QByteArray &name);
// A subsurface medium sets the refraction index; an index typed by hand makes it custom.
void subsurfaceMedium(zkdObjectData &scattering, const QByteArray &name);
// A cloth preset sets the weave, the yarn and their colours; filament yarn has no twist to set.
void wovenCloth(zkdObjectData &material, const QByteArray &name);
// The closest city follows the coordinates; daylight saving time moves the time zone by an hour.
void skylightLocation(zkdObjectData &location, const QByteArray &name);
// A command property acts when written true and falls back to false.
void resetCommand(zkdObjectData &object, const QByteArray &name);

} // namespace zkdMaterialCouplings
