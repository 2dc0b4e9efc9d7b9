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
    void identityAndHierarchy();
    void listedPropertiesInOrder();
    void setProperty_data();
    void setProperty();
    void subObjectsAreCreatedAndOwned();
    void destroyedObjectEmptiesHandles();
    void variantsCompareAndOrderByIdentity();
    void streamRoundTrip();
    void castAndAssign();
    void typeIdsForAnyName();
    void createFromExternal_data();
    void createFromExternal();
    void hookDerivesValue();
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
    QVERIFY(!null.ptr());
    QVERIFY(!null.property("visible").isValid());
    QVERIFY(!null.setProperty("visible", true));
    QVERIFY(!null.isTypeOf<zkdObject>());
    QCOMPARE(null.getTypeName(), QString());
    QVERIFY(!zkdSceneObject().isValid());
}

void tst_zkdObject::identityAndHierarchy()
{
    const auto star = zkdObjectManager::create<zkdTestStar>();
    QVERIFY(!star.isNull());
    QVERIFY(star.isValid());
    QCOMPARE(star.getTypeName(), QStringLiteral("zkdTestStar"));
    QCOMPARE(star.getTypeId(), zkdObjectManager::getTypeId("zkdTestStar"));
    QVERIFY(star.isTypeOf<zkdTestShape>());
    QVERIFY(star.isTypeOf<zkdObject>());
    QVERIFY(!star.isTypeOf<zkdTestPart>());
    QVERIFY(zkdObjectManager::isTypeOf(star.getTypeId(), zkdObjectManager::getTypeId("zkdSceneObject")));

    QStringList chain;
    for (const QMetaObject *mo = star.ptr()->metaObject(); mo; mo = mo->superClass())
        chain.append(QString::fromLatin1(mo->className()));
    QCOMPARE(chain, QStringList({"zkdTestStar", "zkdTestShape", "zkdSceneObject", "zkdObject"}));
    QCOMPARE(star.property("objectId").value<quint64>(), star.getObjectId());
    QCOMPARE(star.property("typeId").value<quint64>(), star.getTypeId());
    QCOMPARE(QByteArray(star.property("objectId").typeName()), QByteArray("qulonglong"));
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
    QCOMPARE(properties.at(1).value.toBool(), false);
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

    QTest::newRow("exact type") << QByteArray("roughness") << QVariant(0.25f) << true << QVariant(0.25f);
    QTest::newRow("double converts to float") << QByteArray("roughness") << QVariant(0.75) << true << QVariant(0.75f);
    QTest::newRow("int to enum") << QByteArray("kind") << QVariant(2) << true
                                 << QVariant::fromValue(zkdTestShape::Star);
    QTest::newRow("enum") << QByteArray("kind") << QVariant::fromValue(zkdTestShape::Square) << true
                          << QVariant::fromValue(zkdTestShape::Square);
    QTest::newRow("unconvertible") << QByteArray("color") << QVariant(QStringLiteral("red")) << false
                                   << QVariant(QVector3D(1, 0, 0));
    QTest::newRow("read-only") << QByteArray("readOnlyCount") << QVariant(7) << false << QVariant(3);
    QTest::newRow("unknown") << QByteArray("nothing") << QVariant(1) << false << QVariant();
    QTest::newRow("foreign handle") << QByteArray("partner") << QVariant::fromValue(zkdTestPart()) << true
                                    << QVariant::fromValue(zkdTestShape());
}

void tst_zkdObject::setProperty()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QVariant, stored);

    const auto shape = zkdObjectManager::create<zkdTestShape>();
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    QCOMPARE(shape.setProperty(name, value), accepted);
    const QVariant now = shape.property(name);
    QCOMPARE(now, stored);
    QCOMPARE(now.userType(), stored.userType());
    if (!accepted)
        QCOMPARE(changes.count(), 0);
}

void tst_zkdObject::subObjectsAreCreatedAndOwned()
{
    const auto shape = zkdObjectManager::create<zkdTestShape>();
    const QVariant partValue = shape.property("part");
    QCOMPARE(QByteArray(partValue.typeName()), QByteArray("zkdTestPart"));
    const auto part = partValue.value<zkdTestPart>();
    QVERIFY(part.isValid());
    QCOMPARE(part.ptr()->owner(), shape.ptr());
    QCOMPARE(part.property("size").toFloat(), 1.0f);

    const auto star = zkdObjectManager::create<zkdTestStar>();
    QVERIFY(shape.setProperty("partner", QVariant::fromValue(star)));
    QCOMPARE(shape.property("partner").value<zkdTestShape>(), zkdTestShape(star.ptr()));
    QCOMPARE(zkdObjectManager::fromVariant(shape.property("partner")), zkdObject(star));
}

void tst_zkdObject::destroyedObjectEmptiesHandles()
{
    const auto shape = zkdObjectManager::create<zkdTestShape>();
    const auto part = shape.property("part").value<zkdTestPart>();
    const int before = zkdObjectManager::objectCount();
    zkdObjectManager::destroy(shape);
    QCOMPARE(zkdObjectManager::objectCount(), before - 2);
    QVERIFY(!shape.ptr());
    QVERIFY(!shape.isValid());
    QVERIFY(!part.isValid());
    QVERIFY(!shape.isNull()); // still names the object it referred to
    QCOMPARE(shape.getTypeName(), QStringLiteral("zkdTestShape"));
    QVERIFY(!shape.setProperty("roughness", 0.1f));
}

void tst_zkdObject::variantsCompareAndOrderByIdentity()
{
    const auto a = zkdObjectManager::create<zkdTestPart>();
    const auto b = zkdObjectManager::create<zkdTestPart>();
    QVERIFY(QVariant::fromValue(a) == QVariant::fromValue(zkdTestPart(a.ptr())));
    QVERIFY(QVariant::fromValue(a) != QVariant::fromValue(b));

    // Ordered containers of ids rely on the registered comparator.
    int order = 0;
    QVERIFY(QMetaType::compare(&a, &b, qMetaTypeId<zkdTestPart>(), &order));
    QCOMPARE(order, -1);
}

void tst_zkdObject::streamRoundTrip()
{
    const auto shape = zkdObjectManager::create<zkdTestShape>();
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << QVariant::fromValue(shape) << QVariant::fromValue(QList<zkdTestShape>{shape});
    }
    QDataStream in(bytes);
    QVariant single;
    QVariant list;
    in >> single >> list;
    QCOMPARE(single.value<zkdTestShape>(), shape);
    QCOMPARE(list.value<QList<zkdTestShape>>(), QList<zkdTestShape>{shape});
    QVERIFY(single.value<zkdTestShape>().ptr());

    QByteArray truncated = bytes.left(bytes.size() / 4);
    QDataStream broken(truncated);
    zkdObject object;
    broken >> object;
    QVERIFY(object.isNull());
}

void tst_zkdObject::castAndAssign()
{
    const zkdObject generic = zkdObjectManager::create("zkdTestStar");
    QVERIFY(!zkd_cast<zkdTestShape>(generic).isNull());
    QVERIFY(zkd_cast<zkdTestPart>(generic).isNull());

    zkdTestShape shape;
    shape.assign(generic);
    QCOMPARE(shape.getObjectId(), generic.getObjectId());
    QVERIFY(zkdObjectManager::create("noSuchClass").isNull());
}

void tst_zkdObject::typeIdsForAnyName()
{
    const quint64 first = zkdObjectManager::getTypeId("N3foo9SomethingE");
    QCOMPARE(zkdObjectManager::getTypeId("N3foo9SomethingE"), first);
    QVERIFY(zkdObjectManager::getTypeId("N3foo5OtherE") != first);
    QVERIFY(first != 0);
    QVERIFY(!zkdObjectManager::isTypeOf(first, zkdObjectManager::getTypeId("zkdObject")));
}

void tst_zkdObject::createFromExternal_data()
{
    QTest::addColumn<bool>("knownType");
    QTest::addColumn<bool>("wantPart");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("log");

    QTest::newRow("match") << true << false << true << QString();
    QTest::newRow("unregistered") << false << false << false
                                  << QStringLiteral("zkdObjectManager::createFromExternal: externalType %1 is not registered!");
    QTest::newRow("wrong type") << true << true << false
                                << QStringLiteral("zkdObjectManager::createFromExternal: externalType '%1' is not a type of 'zkdTestPart'!");
}

void tst_zkdObject::createFromExternal()
{
    QFETCH(bool, knownType);
    QFETCH(bool, wantPart);
    QFETCH(bool, found);
    QFETCH(QString, log);

    const auto star = zkdObjectManager::create<zkdTestStar>();
    const quint64 type = knownType ? zkdObjectManager::getExternalTypeId(star) : 999999;
    zkCapturedLog captured;
    const zkdObject result = wantPart
            ? zkdObject(zkdObjectManager::createFromExternal<zkdTestPart>(star.getObjectId(), type))
            : zkdObject(zkdObjectManager::createFromExternal<zkdTestShape>(star.getObjectId(), type));
    QCOMPARE(result == star, found);
    QCOMPARE(result.isNull(), !found);
    const QStringList critical = captured.messages(QtCriticalMsg);
    QCOMPARE(critical, log.isEmpty() ? QStringList() : QStringList(log.arg(type)));
}

void tst_zkdObject::hookDerivesValue()
{
    const auto shape = zkdObjectManager::create<zkdTestShape>();
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    QVERIFY(shape.setProperty("roughness", 0.3f));
    QCOMPARE(shape.property("derived").toFloat(), 0.6f);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(1).toByteArray(), QByteArray("derived"));
}

QTEST_GUILESS_MAIN(tst_zkdObject)
#include "tst_zkdObject.moc"
