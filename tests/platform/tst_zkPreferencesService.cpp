#include <zkKernelServiceFactory.h>
#include <zkPreferencesService.h>

#include <QColor>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>

class tst_zkPreferencesService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void setterReportsChange_data();
    void setterReportsChange();
    void getterDefaults();
    void pageSignalsCarryTheName();
    void categories();
    void saveAndReload();

private:
    zkPreferencesService *service() const { return m_service.get(); }
    std::unique_ptr<zkPreferencesService> m_service;
};

void tst_zkPreferencesService::init()
{
    m_service = std::make_unique<zkPreferencesService>();
}

void tst_zkPreferencesService::setterReportsChange_data()
{
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");

    QTest::newRow("string") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("b"));
    QTest::newRow("int") << QVariant(1) << QVariant(2);
    QTest::newRow("double") << QVariant(0.5) << QVariant(0.25);
    QTest::newRow("float") << QVariant(0.5f) << QVariant(0.25f);
    QTest::newRow("bool") << QVariant(false) << QVariant(true);
    QTest::newRow("rgba") << QVariant(QColor(1, 2, 3, 4)) << QVariant(QColor(1, 2, 3, 5));
    QTest::newRow("vec3") << QVariant(QVector3D(1, 2, 3)) << QVariant(QVector3D(1, 2, 4));
}

// Setting the value a key already has reports no change; the first and a new value do.
void tst_zkPreferencesService::setterReportsChange()
{
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    const QString key = QStringLiteral("key");
    const auto set = [&](const QVariant &value) {
        switch (value.userType()) {
        case QMetaType::QString: return service()->setStringValue(key, value.toString());
        case QMetaType::Int: return service()->setIntValue(key, value.toInt());
        case QMetaType::Double: return service()->setDoubleValue(key, value.toDouble());
        case QMetaType::Float: return service()->setFloatValue(key, value.toFloat());
        case QMetaType::Bool: return service()->setBoolValue(key, value.toBool());
        case QMetaType::QColor: return service()->setRGBAValue(key, value.value<QColor>());
        default: return service()->setVec3Value(key, value.value<QVector3D>());
        }
    };
    QSignalSpy changes(service(), &zkPreferencesService::preferenceValueChanged);
    QVERIFY(set(first));
    QVERIFY(!set(first));
    QVERIFY(set(second));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.first().first().toString(), key);
}

void tst_zkPreferencesService::getterDefaults()
{
    const QString absent = QStringLiteral("Animation dont show create curve dialog");
    QCOMPARE(service()->getBoolValue(absent, false), false);
    QCOMPARE(service()->getIntValue(absent, 7), 7);
    QCOMPARE(service()->getVec3Value(absent, QVector3D(1, 1, 1)), QVector3D(1, 1, 1));
    QVERIFY(service()->setBoolValue(absent, true));
    QCOMPARE(service()->getBoolValue(absent, false), true);
    service()->setStringValue(QStringLiteral("text"), QStringLiteral("word"));
    QCOMPARE(service()->getVec3Value(QStringLiteral("text"), QVector3D(2, 2, 2)), QVector3D(2, 2, 2));

    // Without notify the value changes quietly.
    QSignalSpy changes(service(), &zkPreferencesService::preferenceValueChanged);
    QVERIFY(service()->setFloatValue(QStringLiteral("f"), 1.5f, false));
    QCOMPARE(service()->getFloatValue(QStringLiteral("f")), 1.5f);
    QCOMPARE(changes.count(), 0);
}

void tst_zkPreferencesService::pageSignalsCarryTheName()
{
    QSignalSpy defaults(service(), &zkPreferencesService::preferencesSetDefault);
    QSignalSpy applied(service(), &zkPreferencesService::preferencesApply);
    QSignalSpy changed(service(), &zkPreferencesService::preferencesChanged);
    QSignalSpy stored(service(), &zkPreferencesService::preferencesStoreGUI);
    QSignalSpy scenes(service(), &zkPreferencesService::preferencesNewScene);
    service()->setDefaults(QStringLiteral("Lights"), false);
    service()->apply(QString(), true);
    service()->updateGUI();
    service()->storeGUI();
    service()->newScene();
    QCOMPARE(defaults.first(), QVariantList({QStringLiteral("Lights"), false}));
    QCOMPARE(applied.first(), QVariantList({QString(), true}));
    QCOMPARE(changed.first().first().toString(), QString());
    QCOMPARE(stored.count(), 1);
    QCOMPARE(scenes.count(), 1);
}

void tst_zkPreferencesService::categories()
{
    QObject page;
    service()->registerCategory(QStringLiteral("Animation"), QString(), &page);
    service()->registerCategory(QStringLiteral("Animation"), QStringLiteral("Curves"), &page);
    QCOMPARE(service()->getCategoryNames(), QStringList({QStringLiteral("Animation")}));
    QCOMPARE(service()->getCategory(QStringLiteral("Curves")), &page);
    QCOMPARE(service()->getCategory(QStringLiteral("Other")), nullptr);
}

void tst_zkPreferencesService::saveAndReload()
{
    QVERIFY(!service()->save());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("preferences.ini"));
    service()->setStorageFile(file);
    service()->setIntValue(QStringLiteral("count"), 3);
    service()->setBoolValue(QStringLiteral("flag"), true);
    service()->setVec3Value(QStringLiteral("axis"), QVector3D(0, 1, 0));
    QVERIFY(service()->save());

    zkPreferencesService reloaded;
    reloaded.setStorageFile(file);
    QCOMPARE(reloaded.getIntValue(QStringLiteral("count")), 3);
    QCOMPARE(reloaded.getBoolValue(QStringLiteral("flag")), true);
    QCOMPARE(reloaded.getVec3Value(QStringLiteral("axis")), QVector3D(0, 1, 0));
    // A reloaded value written again unchanged is no change.
    QVERIFY(!reloaded.setIntValue(QStringLiteral("count"), 3));
    QVERIFY(!reloaded.setBoolValue(QStringLiteral("flag"), true));
}

QTEST_MAIN(tst_zkPreferencesService)
#include "tst_zkPreferencesService.moc"
