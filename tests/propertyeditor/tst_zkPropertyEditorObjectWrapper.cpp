#include <zkPropertyEditorZkdActionContainerWrapper.h>
#include <zkPropertyEditorZkdObjectWrapper.h>

#include <zkActionService.h>
#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkdActionSlot.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QSignalSpy>
#include <QTest>

class zkdTestLamp : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdTestLamp)

// Presents every property as text.
class zkTextWrapper : public zkPropertyEditorZkdObjectWrapper
{
public:
    using zkPropertyEditorZkdObjectWrapper::zkPropertyEditorZkdObjectWrapper;
    using zkPropertyEditorZkdObjectWrapper::getProperty;
    QVariant getProperty(const QByteArray &) const override { return QVariant(QString()); }
};

class tst_zkPropertyEditorObjectWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zkdCache();
    void zkdSetProperty_data();
    void zkdSetProperty();
    void zkdFailures();
    void zkdChecksThroughVirtualRead();
    void actionContainerSetProperty_data();
    void actionContainerSetProperty();
};

void tst_zkPropertyEditorObjectWrapper::initTestCase()
{
    zkdObjectManager::registerClass<zkdTestLamp>({
        zkdProperty::value<int>("count", 3),
        zkdProperty::value<double>("power", 1.5),
        zkdProperty::value<int>("serial", 7, 0),
        zkdProperty::command("flash"),
        zkdProperty::value<QString>("name", QStringLiteral("Lamp")),
    });
}

// Reads come from a cache filled once; a write leaves it alone, a change notice for that name
// refreshes it. Command-like properties are written even when the value looks unchanged.
void tst_zkPropertyEditorObjectWrapper::zkdCache()
{
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    int power = 0;
    while (power < wrapper.getPropertyCount() && wrapper.getMetaProperty(power).name != "power")
        ++power;
    QCOMPARE(wrapper.getInheritanceHierarchy(), QList<QByteArray>({"zkdTestLamp", "zkdSceneObject", "zkdObject"}));

    wrapper.setProperty("power", 4.0);
    QCOMPARE(lamp.property("power"), QVariant(4.0));
    wrapper.propertyChanged("count");
    QCOMPARE(wrapper.getProperty(QByteArray("power")), QVariant(1.5));
    QCOMPARE(wrapper.getProperty(power), QVariant(1.5));
    wrapper.propertyChanged("power");
    QCOMPARE(wrapper.getProperty(QByteArray("power")), QVariant(4.0));
    QCOMPARE(wrapper.getProperty(power), QVariant(4.0));

    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    wrapper.setProperty("flash", wrapper.getProperty(QByteArray("flash")));
    QCOMPARE(changes.count(), 1);
    zkdObjectManager::destroy(lamp);
}

void tst_zkPropertyEditorObjectWrapper::zkdSetProperty_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("writes");

    // The object's count was changed to 5 behind the wrapper's back; the cache still says 3.
    const QByteArray prefix("zkPropertyEditorZkdObjectWrapper::setProperty: property ");
    QTest::newRow("new value") << QByteArray("count") << QVariant(8) << QByteArray() << QVariant(8) << 1;
    QTest::newRow("cached value") << QByteArray("count") << QVariant(3) << QByteArray() << QVariant(5) << 0;
    QTest::newRow("double for int")
        << QByteArray("count") << QVariant(8.0)
        << prefix + "type does not match: property type: int type of value to be set: double!\n"
        << QVariant(5) << 0;
    QTest::newRow("int for double") << QByteArray(
        "power") << QVariant(2) << prefix + "type does not match: property type: double type of value to be set: int!\n"
                                    << QVariant(1.5) << 0;
    QTest::newRow("unknown name") << QByteArray("noSuchProperty") << QVariant(1)
                                  << prefix + "does not have a valid type!\n" << QVariant() << 0;
}

void tst_zkPropertyEditorObjectWrapper::zkdSetProperty()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, message);
    QFETCH(QVariant, stored);
    QFETCH(int, writes);

    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3));
    QVERIFY(lamp.setProperty("count", 5));
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    zkCapturedOutput err(stderr);
    wrapper.setProperty(name, value);
    QCOMPARE(err.take(), message);
    QCOMPARE(lamp.property(name.constData()), stored);
    QCOMPARE(changes.count(), writes);
    zkdObjectManager::destroy(lamp);
}

// A missing object service or a destroyed object is reported and leaves the wrapper empty.
void tst_zkPropertyEditorObjectWrapper::zkdFailures()
{
    zkKernelServiceFactory &services = zkKernelServiceFactory::the();
    auto *service = services.getService<zkObjectService>();
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    zkCapturedOutput err(stderr);
    services.unregisterService("zkObjectService");
    const int count = wrapper.getPropertyCount();
    services.registerService(service);
    QCOMPARE(err.take(), QByteArray("zkKernelServiceFactory: couldn't find class 'zkObjectService'!\n"));
    QCOMPARE(count, 0);
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3)); // the cache fills once the service is back

    zkdObjectManager::destroy(lamp);
    wrapper.setProperty("count", 3); // equals the cache: the object is not even looked at
    QCOMPARE(err.take(), QByteArray());
    wrapper.setProperty("count", 4);
    QCOMPARE(err.take(), QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: obj is NULL!\n"));
    QVERIFY(wrapper.getInheritanceHierarchy().isEmpty());
    QCOMPARE(err.take(), QByteArray("zkPropertyEditorZkdObjectWrapper::getInheritanceHierarchy: obj is NULL!\n"));
    QCOMPARE(zkPropertyEditorZkdObjectWrapper(lamp).getPropertyCount(), 0);
}

void tst_zkPropertyEditorObjectWrapper::zkdChecksThroughVirtualRead()
{
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    zkTextWrapper wrapper(lamp);
    zkCapturedOutput err(stderr);
    wrapper.setProperty("count", 8);
    QCOMPARE(err.take(), QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: property type does not match: "
                                    "property type: QString type of value to be set: int!\n"));
    QCOMPARE(lamp.property("count"), QVariant(3));
    zkdObjectManager::destroy(lamp);
}

void tst_zkPropertyEditorObjectWrapper::actionContainerSetProperty_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("slotValue");
    QTest::addColumn<int>("notices");
    QTest::addColumn<QString>("actionName");

    QTest::newRow("slot of its type") << QByteArray("count") << QVariant(9) << QVariant(9) << 1 << "Act";
    QTest::newRow("converted") << QByteArray("power") << QVariant(2) << QVariant(2.0) << 1 << "Act";
    QTest::newRow("no conversion") << QByteArray("count") << QVariant::fromValue(QPoint(1, 2)) << QVariant(3) << 0
                                   << "Act";
    QTest::newRow("no such slot") << QByteArray("serial") << QVariant(1) << QVariant() << 0 << "Act";
    QTest::newRow("name renames") << QByteArray("name") << QVariant(QStringLiteral("Lamp 2"))
                                  << QVariant(QStringLiteral("Lamp 2")) << 1 << "Lamp 2";
}

void tst_zkPropertyEditorObjectWrapper::actionContainerSetProperty()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(QVariant, slotValue);
    QFETCH(int, notices);
    QFETCH(QString, actionName);

    auto *actions = zkKernelServiceFactory::the().getService<zkActionService>();
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    const zkdActionContainer action = actions->createActionContainer(lamp, QStringLiteral("Act"));
    zkPropertyEditorZkdActionContainerWrapper wrapper(action);
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3));

    QSignalSpy changed(actions, &zkActionService::changed);
    wrapper.setProperty(name, value);
    QCOMPARE(action.getInSlot(QString::fromUtf8(name)).getValue(), slotValue);
    QCOMPARE(changed.count(), notices);
    QCOMPARE(action.getName(), actionName);
    zkdObjectManager::destroy(action);
    zkdObjectManager::destroy(lamp);
}

QTEST_GUILESS_MAIN(tst_zkPropertyEditorObjectWrapper)
#include "tst_zkPropertyEditorObjectWrapper.moc"
