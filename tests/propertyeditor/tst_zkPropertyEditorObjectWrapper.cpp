#include <zkPropertyEditorQObjectWrapper.h>
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

// Three meta properties (objectName and two of its own, one read-only).
class zkTestHolder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int size READ size WRITE setSize)
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    int size() const { return m_size; }
    void setSize(int size) { m_size = size; }
    QString title() const { return QStringLiteral("holder"); }

private:
    int m_size = 4;
};

class zkTestDerivedHolder : public zkTestHolder
{
    Q_OBJECT
};

class zkdTestLamp : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdTestLamp)

// The wrapper's protected cache operations.
class zkTestZkdWrapper : public zkPropertyEditorZkdObjectWrapper
{
public:
    using zkPropertyEditorZkdObjectWrapper::zkPropertyEditorZkdObjectWrapper;
    using zkPropertyEditorZkdObjectWrapper::getCachedProperty;
    using zkPropertyEditorZkdObjectWrapper::noCache;
    using zkPropertyEditorZkdObjectWrapper::updateCachedProperty;
};

static int indexOf(const zkPropertyEditorObjectWrapper &wrapper, const QByteArray &name)
{
    for (int i = 0; i < wrapper.getPropertyCount(); ++i) {
        if (wrapper.getMetaProperty(i).name == name)
            return i;
    }
    return -1;
}

class tst_zkPropertyEditorObjectWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void qobjectMetaProperty_data();
    void qobjectMetaProperty();
    void qobjectIdentityAndHierarchy();
    void zkdReadsFromCache();
    void zkdSetProperty_data();
    void zkdSetProperty();
    void zkdNoCacheAlwaysWrites();
    void zkdReadsStayCachedUntilPropertyChanged();
    void zkdDestroyedObject();
    void zkdWithoutObjectService();
    void actionContainerSetProperty_data();
    void actionContainerSetProperty();
    void objectHolder();

private:
    zkdObject createLamp() const { return zkdObjectManager::create("zkdTestLamp"); }
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

void tst_zkPropertyEditorObjectWrapper::qobjectMetaProperty_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("flags");
    QTest::newRow("objectName") << 0 << QByteArray("objectName") << QVariant(QStringLiteral("holder1")) << 1;
    QTest::newRow("writable meta") << 1 << QByteArray("size") << QVariant(4) << 1;
    QTest::newRow("read-only meta") << 2 << QByteArray("title") << QVariant(QStringLiteral("holder")) << 0;
    QTest::newRow("first dynamic") << 3 << QByteArray("tint") << QVariant(0.25) << 1;
    QTest::newRow("second dynamic") << 4 << QByteArray("tag") << QVariant(QStringLiteral("x")) << 1;
    QTest::newRow("beyond") << 5 << QByteArray() << QVariant() << 0;
    QTest::newRow("negative") << -1 << QByteArray() << QVariant() << 0;
}

void tst_zkPropertyEditorObjectWrapper::qobjectMetaProperty()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(int, flags);

    zkTestHolder holder;
    holder.setObjectName(QStringLiteral("holder1"));
    holder.setProperty("tint", 0.25);
    holder.setProperty("tag", QStringLiteral("x"));
    const zkPropertyEditorQObjectWrapper wrapper(&holder);

    QCOMPARE(wrapper.getPropertyCount(), 5);
    const zkQRPCMetaProperty meta = wrapper.getMetaProperty(index);
    QCOMPARE(meta.name, name);
    QCOMPARE(meta.value, value);
    QCOMPARE(meta.flags, flags);
    QCOMPARE(wrapper.getProperty(index), value);
    if (!name.isEmpty())
        QCOMPARE(wrapper.getProperty(name), value);
}

void tst_zkPropertyEditorObjectWrapper::qobjectIdentityAndHierarchy()
{
    zkTestDerivedHolder derived;
    zkTestDerivedHolder other;
    zkTestHolder base;
    const zkPropertyEditorQObjectWrapper derivedWrapper(&derived);

    QCOMPARE(derivedWrapper.getObjectId(), quint64(reinterpret_cast<quintptr>(&derived)));
    QCOMPARE(derivedWrapper.getTypeId(), zkPropertyEditorQObjectWrapper(&other).getTypeId());
    QVERIFY(derivedWrapper.getTypeId() != zkPropertyEditorQObjectWrapper(&base).getTypeId());
    QVERIFY(!derivedWrapper.isZkdObject());

    const QList<QByteArray> expected{"zkTestDerivedHolder", "zkTestHolder", "QObject"};
    QCOMPARE(derivedWrapper.getInheritanceHierarchy(), expected);
    QVERIFY(derivedWrapper.inheritedFrom("QObject"));
    QVERIFY(derivedWrapper.inheritedFrom("zkTestHolder"));
    QVERIFY(!derivedWrapper.inheritedFrom("QObj"));

    QObject plain;
    QVERIFY(zkPropertyEditorQObjectWrapper(&plain).inheritedFrom("QObject"));
}

void tst_zkPropertyEditorObjectWrapper::zkdReadsFromCache()
{
    const zkdObject lamp = createLamp();
    const zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    const QList<zkQRPCMetaProperty> listed =
        zkKernelServiceFactory::the().getService<zkObjectService>()->getMetaProperties(lamp);

    QVERIFY(wrapper.isZkdObject());
    QCOMPARE(wrapper.getObjectId(), lamp.getObjectId());
    QCOMPARE(wrapper.getTypeId(), lamp.getTypeId());
    QCOMPARE(wrapper.getPropertyCount(), listed.size());
    for (int i = 0; i < listed.size(); ++i) {
        QCOMPARE(wrapper.getMetaProperty(i), listed.at(i));
        QCOMPARE(wrapper.getProperty(i), listed.at(i).value);
        QCOMPARE(wrapper.getProperty(listed.at(i).name), listed.at(i).value);
    }
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3));
    QVERIFY(!wrapper.getProperty(QByteArray("noSuchProperty")).isValid());

    const QList<QByteArray> expected{"zkdTestLamp", "zkdSceneObject", "zkdObject"};
    QCOMPARE(wrapper.getInheritanceHierarchy(), expected);
    QVERIFY(wrapper.inheritedFrom("zkdSceneObject"));
    QVERIFY(!wrapper.inheritedFrom("QObject"));

    // A copy keeps the filled cache.
    const zkPropertyEditorZkdObjectWrapper copy(wrapper);
    lamp.setProperty("count", 11);
    QCOMPARE(copy.getProperty(QByteArray("count")), QVariant(3));
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
    QTest::newRow("new value") << QByteArray("count") << QVariant(8) << QByteArray() << QVariant(8) << 1;
    QTest::newRow("cached value") << QByteArray("count") << QVariant(3) << QByteArray() << QVariant(5) << 0;
    QTest::newRow("double for int")
        << QByteArray("count") << QVariant(8.0)
        << QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: property type does not match: "
                      "property type: int type of value to be set: double!\n")
        << QVariant(5) << 0;
    QTest::newRow("int for double")
        << QByteArray("power") << QVariant(2)
        << QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: property type does not match: "
                      "property type: double type of value to be set: int!\n")
        << QVariant(1.5) << 0;
    QTest::newRow("unknown name")
        << QByteArray("noSuchProperty") << QVariant(1)
        << QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: property does not have a valid type!\n")
        << QVariant() << 0;
}

void tst_zkPropertyEditorObjectWrapper::zkdSetProperty()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, message);
    QFETCH(QVariant, stored);
    QFETCH(int, writes);

    const zkdObject lamp = createLamp();
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

void tst_zkPropertyEditorObjectWrapper::zkdNoCacheAlwaysWrites()
{
    const zkdObject lamp = createLamp();
    zkTestZkdWrapper wrapper(lamp);
    QVERIFY(wrapper.noCache("flash"));
    QVERIFY(!wrapper.noCache("count"));
    QVERIFY(!wrapper.noCache("noSuchProperty"));
    wrapper.updateCachedProperty("noSuchProperty", 1);
    QVERIFY(!wrapper.getCachedProperty("noSuchProperty").isValid());

    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    wrapper.setProperty("flash", wrapper.getProperty(QByteArray("flash")));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(1).toByteArray(), QByteArray("flash"));
    zkdObjectManager::destroy(lamp);
}

void tst_zkPropertyEditorObjectWrapper::zkdReadsStayCachedUntilPropertyChanged()
{
    const zkdObject lamp = createLamp();
    zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    wrapper.setProperty("power", 4.0);
    QCOMPARE(lamp.property("power"), QVariant(4.0));
    QCOMPARE(wrapper.getProperty(QByteArray("power")), QVariant(1.5));
    const int index = indexOf(wrapper, "power");
    QCOMPARE(wrapper.getProperty(index), QVariant(1.5));

    wrapper.propertyChanged("count"); // another property: power stays stale
    wrapper.propertyChanged("noSuchProperty");
    QCOMPARE(wrapper.getProperty(QByteArray("power")), QVariant(1.5));
    QVERIFY(!wrapper.getProperty(QByteArray("noSuchProperty")).isValid());
    wrapper.propertyChanged("power");
    QCOMPARE(wrapper.getProperty(QByteArray("power")), QVariant(4.0));
    QCOMPARE(wrapper.getProperty(index), QVariant(4.0));
    zkdObjectManager::destroy(lamp);
}

void tst_zkPropertyEditorObjectWrapper::zkdDestroyedObject()
{
    const zkdObject lamp = createLamp();
    zkPropertyEditorZkdObjectWrapper wrapper(lamp);
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3));
    zkdObjectManager::destroy(lamp);

    zkCapturedOutput err(stderr);
    wrapper.setProperty("count", 3); // equals the cache: no test of the object at all
    QCOMPARE(err.take(), QByteArray());
    wrapper.setProperty("count", 4);
    QCOMPARE(err.take(), QByteArray("zkPropertyEditorZkdObjectWrapper::setProperty: obj is NULL!\n"));
    QVERIFY(wrapper.getInheritanceHierarchy().isEmpty());
    QCOMPARE(err.take(), QByteArray("zkPropertyEditorZkdObjectWrapper::getInheritanceHierarchy: obj is NULL!\n"));
    QVERIFY(!wrapper.inheritedFrom("zkdObject"));

    const zkPropertyEditorZkdObjectWrapper late(lamp);
    QCOMPARE(late.getPropertyCount(), 0);
}

void tst_zkPropertyEditorObjectWrapper::zkdWithoutObjectService()
{
    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    auto *service = factory.getService<zkObjectService>();
    QVERIFY(service);
    const zkdObject lamp = createLamp();
    const zkPropertyEditorZkdObjectWrapper wrapper(lamp);

    factory.unregisterService("zkObjectService");
    zkCapturedOutput err(stderr);
    const int count = wrapper.getPropertyCount();
    const QByteArray message = err.take();
    factory.registerService(service);

    QCOMPARE(message, QByteArray("zkKernelServiceFactory: couldn't find class 'zkObjectService'!\n"));
    QCOMPARE(count, 0);
    QVERIFY(wrapper.getPropertyCount() > 0); // the cache fills once the service is back
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
    QTest::newRow("converted to the slot's type") << QByteArray("power") << QVariant(2) << QVariant(2.0) << 1 << "Act";
    QTest::newRow("does not convert") << QByteArray("count") << QVariant::fromValue(QPoint(1, 2)) << QVariant(3) << 0
                                      << "Act";
    QTest::newRow("no such slot") << QByteArray("serial") << QVariant(1) << QVariant() << 0 << "Act";
    QTest::newRow("name renames the action") << QByteArray("name") << QVariant(QStringLiteral("Lamp 2"))
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
    QVERIFY(actions);
    const zkdObject lamp = createLamp();
    const zkdActionContainer action = actions->createActionContainer(lamp, QStringLiteral("Act"));
    zkPropertyEditorZkdActionContainerWrapper wrapper(action);
    QCOMPARE(wrapper.getObjectId(), lamp.getObjectId());
    QCOMPARE(wrapper.getProperty(QByteArray("count")), QVariant(3));

    QSignalSpy changed(actions, &zkActionService::changed);
    wrapper.setProperty(name, value);
    QCOMPARE(action.getInSlot(QString::fromUtf8(name)).getValue(), slotValue);
    QCOMPARE(changed.count(), notices);
    QCOMPARE(action.getName(), actionName);
    zkdObjectManager::destroy(action);
    zkdObjectManager::destroy(lamp);
}

void tst_zkPropertyEditorObjectWrapper::objectHolder()
{
    QObject object;
    const zkPropertyEditorQObjectWrapper qobjectWrapper(&object);
    QCOMPARE(qobjectWrapper.getObject<QObject *>(), &object);
    QVERIFY_EXCEPTION_THROWN(qobjectWrapper.getObject<zkdObject>(), boost::bad_any_cast);

    const zkdObject lamp = createLamp();
    const zkPropertyEditorZkdObjectWrapper zkdWrapper(lamp);
    QCOMPARE(zkdWrapper.getObject<zkdObject>(), lamp);
    QVERIFY_EXCEPTION_THROWN(zkdWrapper.getObject<QObject *>(), boost::bad_any_cast);
    zkdObjectManager::destroy(lamp);
}

QTEST_GUILESS_MAIN(tst_zkPropertyEditorObjectWrapper)
#include "tst_zkPropertyEditorObjectWrapper.moc"
