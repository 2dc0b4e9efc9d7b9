#include <zkGeographicCoordinateControl.h>

#include <QZKDoubleSpiner.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdSkylightLocation.h>

#include <QComboBox>
#include <QTest>

#include <memory>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

using Options = zkGeographicCoordinateControlOptions;

} // namespace

// A signed angle shown as magnitude and hemisphere, and the signed value each edit writes.
class tst_zkGeographicCoordinateControl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void showsKernelValue_data();
    void showsKernelValue();
    void edit_data();
    void edit();
    void editsEveryLocationInOneStep();

private:
    // Editors of the longitude and latitude of locations holding the given values.
    void createEditor(const QList<float> &values, const QByteArray &property);
    zkGeographicCoordinateControl *control(const QByteArray &property) const
    {
        return qobject_cast<zkGeographicCoordinateControl *>(m_editor->getControl(property));
    }
    float valueOf(int location, const QByteArray &property) const
    {
        return m_locations.at(location).property(property.constData()).toFloat();
    }

    QList<zkdSkylightLocation> m_locations;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
};

void tst_zkGeographicCoordinateControl::createEditor(const QList<float> &values, const QByteArray &property)
{
    cleanup();
    for (const float value : values) {
        m_locations.append(zkdObjectManager::create<zkdSkylightLocation>());
        QVERIFY(m_locations.last().setProperty(property.constData(), value));
    }
    auto *factory = new zkPropertyEditorFactory;
    // As the location description registers the rows.
    factory->registerEditor<zkdSkylightLocation, float, zkGeographicCoordinateControl>(
        "longitude", [](Options &options) { options.coordinate = Options::Longitude; });
    factory->registerEditor<zkdSkylightLocation, float, zkGeographicCoordinateControl>(
        "latitude", [](Options &options) { options.coordinate = Options::Latitude; });
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"longitude", "latitude"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdSkylightLocation &location : qAsConst(m_locations))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(location));
    m_editor->setCurrentObjects(wrappers);
    QVERIFY(control("longitude"));
    QVERIFY(control("latitude"));
    stack()->clear();
}

void tst_zkGeographicCoordinateControl::cleanup()
{
    m_editor.reset();
    for (const zkdSkylightLocation &location : qAsConst(m_locations))
        zkdObjectManager::destroy(location);
    m_locations.clear();
    stack()->clear();
}

void tst_zkGeographicCoordinateControl::showsKernelValue_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<float>("value");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<int>("hemisphere");

    QTest::newRow("south") << QByteArray("latitude") << -33.9f << 33.9 << 1;
    QTest::newRow("north") << QByteArray("latitude") << 48.125f << 48.125 << 0;
    QTest::newRow("equator") << QByteArray("latitude") << 0.0f << 0.0 << 0;
    QTest::newRow("west") << QByteArray("longitude") << -122.419f << 122.419 << 1;
    QTest::newRow("date line") << QByteArray("longitude") << 180.0f << 180.0 << 0;
    // Values beyond the range are shown at its end and never corrected in the kernel.
    QTest::newRow("beyond the pole") << QByteArray("latitude") << 120.0f << 90.0 << 0;
    QTest::newRow("beyond the date line") << QByteArray("longitude") << -500.0f << 180.0 << 1;
}

void tst_zkGeographicCoordinateControl::showsKernelValue()
{
    QFETCH(QByteArray, property);
    QFETCH(float, value);

    createEditor({value}, property);
    zkGeographicCoordinateControl *row = control(property);
    row->updateControl();
    QTEST(row->getSpinBox()->value(), "magnitude");
    QTEST(row->getHemisphereComboBox()->currentIndex(), "hemisphere");
    QCOMPARE(valueOf(0, property), value);
    QCOMPARE(stack()->count(), 0);
}

void tst_zkGeographicCoordinateControl::edit_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<double>("operand");
    QTest::addColumn<float>("written");

    QTest::newRow("north of south") << QByteArray("latitude") << -33.9f << true << 0.0 << 33.9f;
    QTest::newRow("south of north") << QByteArray("latitude") << 33.9f << true << 1.0 << -33.9f;
    QTest::newRow("magnitude keeps south") << QByteArray("latitude") << -10.0f << false << 20.5 << -20.5f;
    QTest::newRow("magnitude keeps north") << QByteArray("latitude") << 10.0f << false << 89.0 << 89.0f;
    QTest::newRow("east of west") << QByteArray("longitude") << -74.0f << true << 0.0 << 74.0f;
    QTest::newRow("west of east") << QByteArray("longitude") << 139.75f << true << 1.0 << -139.75f;
    QTest::newRow("magnitude keeps west") << QByteArray("longitude") << -1.0f << false << 179.5 << -179.5f;
}

void tst_zkGeographicCoordinateControl::edit()
{
    QFETCH(QByteArray, property);
    QFETCH(float, value);
    QFETCH(bool, choose);
    QFETCH(double, operand);

    createEditor({value}, property);
    zkGeographicCoordinateControl *row = control(property);
    if (choose)
        row->getHemisphereComboBox()->setCurrentIndex(int(operand));
    else
        row->getSpinBox()->setValue(operand);
    QTEST(valueOf(0, property), "written");
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(valueOf(0, property), value);
}

void tst_zkGeographicCoordinateControl::editsEveryLocationInOneStep()
{
    createEditor({-10.0f, 30.0f}, "latitude");
    zkGeographicCoordinateControl *row = control("latitude");
    // The first location decides what is shown.
    QCOMPARE(row->getHemisphereComboBox()->currentIndex(), 1);

    row->getSpinBox()->setValue(5.0);
    QCOMPARE(valueOf(0, "latitude"), -5.0f);
    QCOMPARE(valueOf(1, "latitude"), -5.0f);
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(valueOf(0, "latitude"), -10.0f);
    QCOMPARE(valueOf(1, "latitude"), 30.0f);
}

QTEST_MAIN(tst_zkGeographicCoordinateControl)
#include "tst_zkGeographicCoordinateControl.moc"
