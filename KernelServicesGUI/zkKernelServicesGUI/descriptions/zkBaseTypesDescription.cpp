#include "zkBaseTypesDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkBoolControl.h>
#include <zkDoubleControl.h>
#include <zkFloatControl.h>
#include <zkInt32Control.h>
#include <zkInt64Control.h>
#include <zkNullControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkQStringControl.h>
#include <zkQVector2DControl.h>
#include <zkQVector3DControl.h>
#include <zkUInt32Control.h>
#include <zkUInt64Control.h>
#include <zkdObject.h>

#include <QObject>
#include <QVector2D>
#include <QVector3D>

namespace {

zkBaseTypesDescription instance;

} // namespace

void zkBaseTypesDescription::init()
{
    zkPropertyEditorFactory *factory = getFactory();

    zkDescriptionBuilder<QObject>(factory).editor<QString, zkNullControl>("objectName");

    zkDescriptionBuilder<zkdObject>(factory)
        .hidden<bool>("null")
        .hidden<bool>("visible")
        .hidden<quint64>("objectId")
        .hidden<quint64>("typeId");

    // An empty name serves every property of the value type, of any object type.
    factory->registerEditor<bool, zkBoolControl>({});
    factory->registerEditor<int, zkInt32Control>({});
    factory->registerEditor<uint, zkUInt32Control>({});
    factory->registerEditor<qlonglong, zkInt64Control>({});
    factory->registerEditor<qulonglong, zkUInt64Control>({});
    factory->registerEditor<float, zkFloatControl>({});
    factory->registerEditor<double, zkDoubleControl>({});
    factory->registerEditor<QString, zkQStringControl>({});
    factory->registerEditor<QVector2D, zkQVector2DControl>({});
    factory->registerEditor<QVector3D, zkQVector3DControl>({});
}
