#pragma once

#include <QMetaType>

// The material kinds of the material type registry, in its order. Item models store them under
// the type role, where a QVariant of the type converts to its number.
enum class zkMaterialType : int {
    Invalid,
    Phong,
    Plastic,
    ReflectivePlastic,
    Chrome,
    LineChrome,
    BrushedMetal,
    UnicolorPaint,
    MetallicPaint,
    FlipflopPaint,
    Glass,
    XRay,
    Carbon,
    Carbon2D,
    Tire,
    Velvet,
    WovenCloth,
    Substance,
    XRiteMeasured,
    OCS,
    Shadow,
    LightPortal,
    MultiPass,
    Layered,
    Switch,
    Environment,
    Skylight,
    EnvironmentSwitch,
    SubstanceEnvironment,
};

// Groups of material kinds, as a type menu separates them.
enum class zkMaterialCategory : int {
    Invalid,
    Basic,
    Multi,
    Plastic,
    Metal,
    Special,
    Paint,
    Transparent,
    Utility,
    Environment,
    Measured,
};

Q_DECLARE_METATYPE(zkMaterialType)
Q_DECLARE_METATYPE(zkMaterialCategory)
