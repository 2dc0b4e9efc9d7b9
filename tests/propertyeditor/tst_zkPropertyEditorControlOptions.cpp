#include <zkControlOptionRecords.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <zkTestSupport.h>

#include <QSharedPointer>
#include <QTest>

#include <climits>
#include <functional>

using zkOptionsPointer = QSharedPointer<zkPropertyEditorControlOptions>;
using zkOptionsAction = std::function<void(zkPropertyEditorControlOptions &)>;
Q_DECLARE_METATYPE(zkOptionsPointer)
Q_DECLARE_METATYPE(zkOptionsAction)

class tst_zkPropertyEditorControlOptions : public QObject
{
    Q_OBJECT

private slots:
    void freshRecordIsUnassigned_data();
    void freshRecordIsUnassigned();
    void flagSetterSetsOnlyItsFlag_data();
    void flagSetterSetsOnlyItsFlag();
    void concreteRecordHoldsOneRootPart();
    void mixInsReachEachOtherByRuntimeCast();
    void rangeAndDecimalDefaults();
    void labelWidthFollowsScaleFactor_data();
    void labelWidthFollowsScaleFactor();
    void labelWidthWithoutPlatformService();
    void copyCopiesAllRootFields();
};

void tst_zkPropertyEditorControlOptions::freshRecordIsUnassigned_data()
{
    QTest::addColumn<zkOptionsPointer>("options");
    QTest::newRow("base control") << zkOptionsPointer(new zkBaseControlOptions);
    QTest::newRow("double slider") << zkOptionsPointer(new zkDoubleSliderControlOptions);
    QTest::newRow("combo box reset") << zkOptionsPointer(new zkComboBoxResetControlOptions);
    QTest::newRow("group") << zkOptionsPointer(new zkGroupControlOptions);
}

void tst_zkPropertyEditorControlOptions::freshRecordIsUnassigned()
{
    QFETCH(zkOptionsPointer, options);
    QCOMPARE(options->getSortKey(), INT_MIN);
    QVERIFY(!options->isSkipped());
    QVERIFY(!options->isForceWritable());
    QVERIFY(!options->isIndented());
    QVERIFY(!options->isLabelHidden());
    QVERIFY(options->getObjectType().isEmpty());
    QVERIFY(options->getProperty().isEmpty());
    QVERIFY(options->getValueType().isEmpty());
}

void tst_zkPropertyEditorControlOptions::flagSetterSetsOnlyItsFlag_data()
{
    QTest::addColumn<zkOptionsAction>("setter");
    QTest::addColumn<bool>("skipped");
    QTest::addColumn<bool>("forceWritable");
    QTest::addColumn<bool>("indented");
    QTest::addColumn<bool>("labelHidden");
    QTest::newRow("skip") << zkOptionsAction([](zkPropertyEditorControlOptions &o) { o.skip(); })
                          << true << false << false << false;
    QTest::newRow("forceWritable") << zkOptionsAction([](zkPropertyEditorControlOptions &o) { o.forceWritable(); })
                                   << false << true << false << false;
    QTest::newRow("indent") << zkOptionsAction([](zkPropertyEditorControlOptions &o) { o.indent(); })
                            << false << false << true << false;
    QTest::newRow("hideLabel") << zkOptionsAction([](zkPropertyEditorControlOptions &o) { o.hideLabel(); })
                               << false << false << false << true;
}

void tst_zkPropertyEditorControlOptions::flagSetterSetsOnlyItsFlag()
{
    QFETCH(zkOptionsAction, setter);
    QFETCH(bool, skipped);
    QFETCH(bool, forceWritable);
    QFETCH(bool, indented);
    QFETCH(bool, labelHidden);

    zkCheckBoxControlOptions options;
    setter(options);
    setter(options); // setting twice never clears
    QCOMPARE(options.isSkipped(), skipped);
    QCOMPARE(options.isForceWritable(), forceWritable);
    QCOMPARE(options.isIndented(), indented);
    QCOMPARE(options.isLabelHidden(), labelHidden);
    QCOMPARE(options.getSortKey(), INT_MIN);
}

void tst_zkPropertyEditorControlOptions::concreteRecordHoldsOneRootPart()
{
    zkDoubleSliderControlOptions options;
    zkPropertyEditorControlOptions *viaRange = static_cast<zkDoubleRangeOptions *>(&options);
    zkPropertyEditorControlOptions *viaTracking = static_cast<zkTrackingOptions *>(&options);
    zkPropertyEditorControlOptions *viaLabel = static_cast<zkLabelOptions *>(&options);
    QCOMPARE(viaRange, viaTracking);
    QCOMPARE(viaRange, viaLabel);

    static_cast<zkValueOptions &>(options).setSortKey(300);
    QCOMPARE(static_cast<zkExtraPropertiesOptions &>(options).getSortKey(), 300);

    // A record derived from a concrete record and a further mix-in.
    zkComboBoxResetControlOptions reset;
    QCOMPARE(static_cast<zkPropertyEditorControlOptions *>(static_cast<zkLabelMappingOptions *>(&reset)),
             static_cast<zkPropertyEditorControlOptions *>(static_cast<zkExtraPropertiesOptions *>(&reset)));
}

void tst_zkPropertyEditorControlOptions::mixInsReachEachOtherByRuntimeCast()
{
    zkDoubleSliderControlOptions slider;
    slider.extraProperties = {"enabled"};
    zkPropertyEditorControlOptions *root = &slider;
    auto *extra = dynamic_cast<zkExtraPropertiesOptions *>(root);
    QVERIFY(extra);
    QCOMPARE(extra->extraProperties, QList<QByteArray>{"enabled"});

    zkDoubleRangeOptions *range = &slider;
    auto *tracking = dynamic_cast<zkTrackingOptions *>(range);
    QVERIFY(tracking);
    tracking->tracking = false;
    QVERIFY(!slider.tracking);
    QCOMPARE(dynamic_cast<zkCommonOptions *>(range)->labelWidth, slider.labelWidth);

    zkBaseControlOptions plain;
    root = &plain;
    QVERIFY(!dynamic_cast<zkExtraPropertiesOptions *>(root));
    QVERIFY(dynamic_cast<zkLabelOptions *>(root));
}

void tst_zkPropertyEditorControlOptions::rangeAndDecimalDefaults()
{
    const zkSpinerControlOptions spiner;
    QCOMPARE(spiner.minimum, 0);
    QCOMPARE(spiner.maximum, 65535);
    QCOMPARE(spiner.singleStep, 1);
    QCOMPARE(spiner.pageStep, 10);

    // A negative decimals setting leaves the widget's own; two digits are shown.
    const zkDoubleWheelControlOptions wheel;
    QCOMPARE(wheel.decimals, -1);
    QCOMPARE(wheel.displayDecimals, 2);
}

void tst_zkPropertyEditorControlOptions::labelWidthFollowsScaleFactor_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("labelWidth");
    QTest::newRow("1.0") << 1.0 << 130;
    QTest::newRow("1.5") << 1.5 << 195;
    QTest::newRow("truncated toward zero") << 1.25 << 162; // 162.5
    QTest::newRow("2.0") << 2.0 << 260;
}

void tst_zkPropertyEditorControlOptions::labelWidthFollowsScaleFactor()
{
    QFETCH(double, factor);
    QFETCH(int, labelWidth);

    auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    QVERIFY(platform);
    const double saved = platform->getUIScaleFactor();
    platform->setUIScaleFactor(factor);
    const zkCheckBoxControlOptions options;
    platform->setUIScaleFactor(saved);
    QCOMPARE(options.labelWidth, labelWidth);
}

void tst_zkPropertyEditorControlOptions::labelWidthWithoutPlatformService()
{
    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    auto *platform = factory.getService<zkPlatformService>();
    QVERIFY(platform);
    platform->setUIScaleFactor(2.0);
    factory.unregisterService("zkPlatformService");

    zkCapturedOutput err(stderr);
    const zkBaseControlOptions options;
    const QByteArray message = err.take();
    factory.registerService(platform);
    platform->setUIScaleFactor(1.0);

    QCOMPARE(message, QByteArray("zkKernelServiceFactory: couldn't find class 'zkPlatformService'!\n"));
    QCOMPARE(options.labelWidth, 130);
}

void tst_zkPropertyEditorControlOptions::copyCopiesAllRootFields()
{
    zkBaseControlOptions source;
    source.setObjectType("zkdPlasticMaterial");
    source.setProperty("diffuseColor");
    source.setValueType("QVector3D");
    source.setSortKey(700);
    source.skip();
    source.forceWritable();
    source.indent();
    source.hideLabel();

    const auto checkCopied = [](const zkPropertyEditorControlOptions &copy) {
        QCOMPARE(copy.getObjectType(), QByteArray("zkdPlasticMaterial"));
        QCOMPARE(copy.getProperty(), QByteArray("diffuseColor"));
        QCOMPARE(copy.getValueType(), QByteArray("QVector3D"));
        QCOMPARE(copy.getSortKey(), 700);
        QVERIFY(copy.isSkipped());
        QVERIFY(copy.isForceWritable());
        QVERIFY(copy.isIndented());
        QVERIFY(copy.isLabelHidden());
    };
    checkCopied(zkBaseControlOptions(source));
    zkBaseControlOptions assigned;
    assigned = source;
    checkCopied(assigned);
}

QTEST_GUILESS_MAIN(tst_zkPropertyEditorControlOptions)
#include "tst_zkPropertyEditorControlOptions.moc"
