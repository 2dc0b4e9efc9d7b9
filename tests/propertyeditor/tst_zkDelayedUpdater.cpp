#include <zkDelayedUpdater.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

// Records the calls of the virtual setEnabled, which enable() and disable() must go through.
class zkRecordingUpdater : public zkDelayedUpdater
{
public:
    void setEnabled(bool enabled) override
    {
        calls.append(enabled);
        zkDelayedUpdater::setEnabled(enabled);
    }

    QList<bool> calls;
};

class tst_zkDelayedUpdater : public QObject
{
    Q_OBJECT

private slots:
    void coalescing_data();
    void coalescing();
    void burstIsOneNotification();
    void enableAndDisableAreVirtual();
};

void tst_zkDelayedUpdater::coalescing_data()
{
    // Steps: "<n>" requests bits n, "turn" runs the event loop once, "on"/"off" enable and
    // disable.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<targetMask_t>>("notifications");
    QTest::addColumn<bool>("pendingAfter");

    using Masks = QList<targetMask_t>;
    QTest::newRow("one turn merges") << QStringList{"1", "4", "turn"} << Masks{5} << false;
    QTest::newRow("same bits twice") << QStringList{"2", "2", "turn"} << Masks{2} << false;
    QTest::newRow("one notification per turn") << QStringList{"1", "turn", "2", "turn"} << Masks{1, 2} << false;
    QTest::newRow("pending until the turn") << QStringList{"8"} << Masks{} << true;
    QTest::newRow("empty mask starts nothing") << QStringList{"0", "turn"} << Masks{} << false;
    QTest::newRow("empty mask joins a pending one") << QStringList{"3", "0", "turn"} << Masks{3} << false;
    QTest::newRow("disable drops the notification") << QStringList{"2", "off", "turn"} << Masks{} << false;
    QTest::newRow("kept bits come with the next request")
        << QStringList{"2", "off", "turn", "on", "0", "turn"} << Masks{2} << false;
    QTest::newRow("enabling alone schedules nothing") << QStringList{"2", "off", "on", "turn"} << Masks{} << false;
    QTest::newRow("requests while disabled are kept")
        << QStringList{"off", "8", "turn", "on", "1", "turn"} << Masks{9} << false;
    QTest::newRow("enabling when enabled keeps the schedule") << QStringList{"1", "on", "turn"} << Masks{1} << false;
    QTest::newRow("disabling when disabled changes nothing")
        << QStringList{"off", "4", "off", "on", "0"} << Masks{} << true;
}

void tst_zkDelayedUpdater::coalescing()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<targetMask_t>, notifications);
    QFETCH(bool, pendingAfter);

    zkDelayedUpdater updater;
    QList<targetMask_t> received;
    connect(&updater, &zkDelayedUpdater::updateScheduled, this,
            [&received](targetMask_t targets) { received.append(targets); });
    for (const QString &step : qAsConst(steps)) {
        if (step == "turn")
            QCoreApplication::processEvents();
        else if (step == "on")
            updater.enable();
        else if (step == "off")
            updater.disable();
        else
            updater.requestUpdate(step.toUInt());
    }
    QCOMPARE(received, notifications);
    QCOMPARE(updater.isUpdatePending(), pendingAfter);
}

void tst_zkDelayedUpdater::burstIsOneNotification()
{
    zkDelayedUpdater updater;
    QSignalSpy spy(&updater, &zkDelayedUpdater::updateScheduled);
    for (int i = 0; i < 10000; ++i)
        updater.requestUpdate(1u << (i % 32));
    QVERIFY(spy.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().value<targetMask_t>(), targetMask_t(0xffffffff));
}

void tst_zkDelayedUpdater::enableAndDisableAreVirtual()
{
    zkRecordingUpdater updater;
    updater.disable();
    updater.enable();
    QCOMPARE(updater.calls, (QList<bool>{false, true}));
    QVERIFY(updater.isEnabled());
}

QTEST_GUILESS_MAIN(tst_zkDelayedUpdater)
#include "tst_zkDelayedUpdater.moc"
