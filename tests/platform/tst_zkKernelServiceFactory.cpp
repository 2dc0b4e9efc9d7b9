#include <zkControllerService.h>
#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>

#include <zkTestSupport.h>

#include <QTest>

class tst_zkKernelServiceFactory : public QObject
{
    Q_OBJECT

private slots:
    void defaultServicesAreRunning();
    void lookupFailures_data();
    void lookupFailures();
    void replaceService();
};

void tst_zkKernelServiceFactory::defaultServicesAreRunning()
{
    zkCapturedOutput err(stderr);
    QVERIFY(zkKernelServiceFactory::the().getService<zkObjectService>());
    QVERIFY(zkKernelServiceFactory::the().getService<zkControllerService>());
    QCOMPARE(err.take(), QByteArray());
}

void tst_zkKernelServiceFactory::lookupFailures_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("unknown class") << false << QByteArray("zkKernelServiceFactory: couldn't find class 'zkControllerService'!\n");
    QTest::newRow("empty service") << true << QByteArray("zkKernelServiceFactory: service 'zkControllerService' is NULL!\n");
}

void tst_zkKernelServiceFactory::lookupFailures()
{
    QFETCH(bool, registered);
    QFETCH(QByteArray, message);

    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    zkBaseService *original = factory.service("zkControllerService");
    factory.unregisterService("zkControllerService");
    if (registered)
        factory.registerEmptyService("zkControllerService");

    zkCapturedOutput err(stderr);
    zkCapturedOutput out(stdout);
    QVERIFY(!factory.getService<zkControllerService>());
    QCOMPARE(err.take(), message);
    QCOMPARE(out.take(), QByteArray());

    factory.registerService(original);
    QCOMPARE(factory.getService<zkControllerService>(), original);
}

void tst_zkKernelServiceFactory::replaceService()
{
    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    zkBaseService *original = factory.service("zkControllerService");
    {
        zkControllerService replacement;
        factory.registerService(&replacement);
        QCOMPARE(factory.getService<zkControllerService>(), &replacement);
    }
    // A destroyed service reads as registered but empty.
    zkCapturedOutput err(stderr);
    QVERIFY(!factory.getService<zkControllerService>());
    QCOMPARE(err.take(), QByteArray("zkKernelServiceFactory: service 'zkControllerService' is NULL!\n"));
    factory.registerService(original);
}

QTEST_GUILESS_MAIN(tst_zkKernelServiceFactory)
#include "tst_zkKernelServiceFactory.moc"
