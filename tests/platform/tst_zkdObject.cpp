#include <zkObjectService.h>
#include <zkKernelServiceFactory.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QSignalSpy>
#include <QTest>
#include <QVector3D>

class zkdTestShape : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
    enum Kind { Round, Square, Star };
    Q_ENUM(Kind)
};
Q_DECLARE_METATYPE(zkdTestShape)

class zkdTestPart : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdTestPart)

class zkdTestStar : public zkdTestShape
{
    Q_GADGET
public:
    using zkdTestShape::zkdTestShape;
};
Q_DECLARE_METATYPE(zkdTestStar)

class tst_zkdObject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nullHandle();
    void typesAndCasts();
    void listedPropertiesInOrder();
    void setProperty_data();
    void setProperty();
    void subObjectsAndReferences();
    void variantsCompareAndStream();
    void createFromExternal_data();
    void createFromExternal();
};

void tst_zkdObject::initTestCase()
{
    zkdObjectManager::registerClass<zkdTestPart>({zkdProperty::value<float>("size", 1.0f)});
    zkdObjectManager::registerClass<zkdTestShape>({
        zkdProperty::value<QVector3D>("color", QVector3D(1, 0, 0)),
        zkdProperty::value<float>("roughness", 0.5f),
        zkdProperty::value<zkdTestShape::Kind>("kind", zkdTestShape::Round),
        zkdProperty::value<int>("readOnlyCount", 3, 0),
        zkdProperty::subObject<zkdTestPart>("part"),
        zkdProperty::reference<zkdTestShape>("partner"),
        zkdProperty::value<float>("derived", 0.0f),
    }, [](zkdObjectData &object, const QByteArray &name) {
        if (name == "roughness")
            object.setProperty("derived", object.property("roughness").toFloat() * 2);
    });
    zkdObjectManager::registerClass<zkdTestStar>({zkdProperty::value<bool>("visible", false)});
}

void tst_zkdObject::nullHandle()
{
    const zkdObject null;
    QVERIFY(null.isNull());
    QVERIFY(!null.property("visible").isValid());
    QVERIFY(!null.setProperty("visible", true));
    QVERIFY(!null.isTypeOf<zkdObject>());
    QCOMPARE(null.getTypeName(), QString());
    QVERIFY(!zkdSceneObject().isValid());
    QVERIFY(zkdObjectManager::create("noSuchClass").isNull());
}

void tst_zkdObject::typesAndCasts()
{
    const zkdObject star = zkdObjectManager::create("zkdTestStar");
    QCOMPARE(star.getTypeId(), zkdObjectManager::getTypeId("zkdTestStar"));
    QVERIFY(star.isTypeOf<zkdTestShape>());
    QVERIFY(!star.isTypeOf<zkdTestPart>());
    QVERIFY(zkdObjectManager::isTypeOf(star.getTypeId(), zkdObjectManager::getTypeId("zkdSceneObject")));
    QCOMPARE(star.property("objectId").value<quint64>(), star.getObjectId());
    QCOMPARE(QByteArray(star.property("typeId").typeName()), QByteArray("qulonglong"));

    QCOMPARE(zkd_cast<zkdTestShape>(star), zkdTestShape(star.ptr()));
    QVERIFY(zkd_cast<zkdTestPart>(star).isNull());
    zkdTestPart unchecked;
    unchecked.assign(star);
    QCOMPARE(unchecked.getObjectId(), star.getObjectId());
    // Ids of names the kernel never registered are stable and of no kernel class.
    const quint64 foreign = zkdObjectManager::getTypeId("N3foo9SomethingE");
    QVERIFY(foreign != 0 && foreign == zkdObjectManager::getTypeId("N3foo9SomethingE"));
    QVERIFY(!zkdObjectManager::isTypeOf(foreign, zkdObjectManager::getTypeId("zkdObject")));
}

void tst_zkdObject::listedPropertiesInOrder()
{
    const auto star = zkdObjectManager::create<zkdTestStar>();
    const auto *service = zkKernelServiceFactory::the().getService<zkObjectService>();
    const QList<zkQRPCMetaProperty> properties = service->getMetaProperties(star);
    QStringList listed;
    for (const zkQRPCMetaProperty &p : properties)
        listed.append(QString::fromLatin1(p.name + ':' + p.value.typeName()));
    // Inherited rows first; a redeclared row keeps its place with the subclass's default.
    QCOMPARE(listed, QStringList({"null:bool", "visible:bool", "objectId:qulonglong", "typeId:qulonglong",
                                  "color:QVector3D", "roughness:float", "kind:zkdTestShape::Kind",
                                  "readOnlyCount:int", "part:zkdTestPart", "partner:zkdTestShape",
                                  "derived:float"}));
    QVERIFY(properties.at(1).isWritable());
    QVERIFY(!properties.at(2).isWritable());
    QVERIFY(!properties.at(8).isWritable());
    QVERIFY(service->getMetaProperties(zkdObject()).isEmpty());
}

void tst_zkdObject::setProperty_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("notices");

    const QVariant red(QVector3D(1, 0, 0));
    QTest::newRow("exact type") << QByteArray("color") << QVariant(QVector3D(0, 1, 0)) << true
                                << QVariant(QVector3D(0, 1, 0)) << 1;
    QTest::newRow("double to float") << QByteArray("derived") << QVariant(0.75) << true << QVariant(0.75f) << 1;
    QTest::newRow("derived by hook") << QByteArray("roughness") << QVariant(0.3f) << true << QVariant(0.3f) << 2;
    QTest::newRow("int to enum") << QByteArray("kind") << QVariant(2) << true << QVariant::fromValue(zkdTestShape::Star)
                                 << 1;
    QTest::newRow("unchanged") << QByteArray("color") << red << true << red << 0;
    QTest::newRow("unconvertible") << QByteArray("color") << QVariant(QStringLiteral("red")) << false << red << 0;
    QTest::newRow("read-only") << QByteArray("readOnlyCount") << QVariant(7) << false << QVariant(3) << 0;
    QTest::newRow("unknown") << QByteArray("nothing") << QVariant(1) << false << QVariant() << 0;
    QTest::newRow("foreign handle") << QByteArray("partner") << QVariant::fromValue(zkdTestPart()) << true
                                    << QVariant::fromValue(zkdTestShape()) << 0;
}

void tst_zkdObject::setProperty()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QVariant, stored);
    QFETCH(int, notices);

    const auto shape = zkdObjectManager::create<zkdTestShape>();
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    QCOMPARE(shape.setProperty(name, value), accepted);
    const QVariant now = shape.property(name);
    QCOMPARE(now, stored);
    QCOMPARE(now.userType(), stored.userType());
    QCOMPARE(changes.count(), notices);
    if (notices == 2) { // the class's hook derives a value after the edit and announces it
        QCOMPARE(changes.at(1).at(1).toByteArray(), QByteArray("derived"));
        QCOMPARE(shape.property("derived").toFloat(), 0.6f);
    }
}

void tst_zkdObject::subObjectsAndReferences()
{
    const auto shape = zkdObjectManager::create<zkdTestShape>();
    const auto part = shape.property("part").value<zkdTestPart>();
    QCOMPARE(part.ptr()->owner(), shape.ptr());
    QCOMPARE(part.property("size").toFloat(), 1.0f);
    const auto star = zkdObjectManager::create<zkdTestStar>();
    QVERIFY(shape.setProperty("partner", QVariant::fromValue(star)));
    QCOMPARE(QByteArray(shape.property("partner").typeName()), QByteArray("zkdTestShape"));
    QCOMPARE(zkdObjectManager::fromVariant(shape.property("partner")), zkdObject(star));
    // Destroying an object takes its sub-objects along, not the objects it refers to.
    const int before = zkdObjectManager::objectCount();
    zkdObjectManager::destroy(shape);
    QCOMPARE(zkdObjectManager::objectCount(), before - 2);
    QVERIFY(!shape.ptr());
    QVERIFY(!part.isValid());
    QVERIFY(star.isValid());
    QVERIFY(!shape.isNull()); // still names the object it referred to
    QCOMPARE(shape.getTypeName(), QStringLiteral("zkdTestShape"));
    QVERIFY(!shape.setProperty("roughness", 0.1f));
}

void tst_zkdObject::variantsCompareAndStream()
{
    const auto a = zkdObjectManager::create<zkdTestShape>();
    const auto b = zkdObjectManager::create<zkdTestShape>();
    QVERIFY(QVariant::fromValue(a) == QVariant::fromValue(zkdTestShape(a.ptr())));
    QVERIFY(QVariant::fromValue(a) != QVariant::fromValue(b));
    // Ordered containers of ids rely on the registered comparator.
    int order = 0;
    QVERIFY(QMetaType::compare(&a, &b, qMetaTypeId<zkdTestShape>(), &order));
    QCOMPARE(order, -1);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << QVariant::fromValue(a) << QVariant::fromValue(QList<zkdTestShape>{a, b});
    }
    QDataStream in(bytes);
    QVariant single;
    QVariant list;
    in >> single >> list;
    QVERIFY(single.value<zkdTestShape>().ptr());
    QCOMPARE(single.value<zkdTestShape>(), a);
    QCOMPARE(list.value<QList<zkdTestShape>>(), QList<zkdTestShape>({a, b}));

    QDataStream truncated(bytes.left(bytes.size() / 4));
    zkdObject object;
    truncated >> object;
    QVERIFY(object.isNull());
}

void tst_zkdObject::createFromExternal_data()
{
    QTest::addColumn<bool>("knownType");
    QTest::addColumn<bool>("wantPart");
    QTest::addColumn<QString>("log");

    QTest::newRow("match") << true << false << QString();
    QTest::newRow("unregistered") << false << false
                                  << QStringLiteral(
                                         "zkdObjectManager::createFromExternal: externalType %1 is not registered!");
    QTest::newRow("wrong type")
        << true << true
        << QStringLiteral("zkdObjectManager::createFromExternal: externalType '%1' is not a type of 'zkdTestPart'!");
}

void tst_zkdObject::createFromExternal()
{
    QFETCH(bool, knownType);
    QFETCH(bool, wantPart);
    QFETCH(QString, log);

    const auto star = zkdObjectManager::create<zkdTestStar>();
    const quint64 type = knownType ? zkdObjectManager::getExternalTypeId(star) : 999999;
    zkCapturedLog captured;
    const zkdObject result = wantPart
            ? zkdObject(zkdObjectManager::createFromExternal<zkdTestPart>(star.getObjectId(), type))
            : zkdObject(zkdObjectManager::createFromExternal<zkdTestShape>(star.getObjectId(), type));
    QCOMPARE(result, log.isEmpty() ? zkdObject(star) : zkdObject());
    QCOMPARE(captured.messages(QtCriticalMsg), log.isEmpty() ? QStringList() : QStringList(log.arg(type)));
}

QTEST_GUILESS_MAIN(tst_zkdObject)
#include "tst_zkdObject.moc"
