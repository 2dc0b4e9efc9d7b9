#include <zkBaseControl.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkSampleScene.h>
#include <zkTestSupport.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdSkylightMaterial.h>
#include <zkdObjectManager.h>

#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QVector2D>
#include <QVector3D>

// What the editor prints on standard output while it shows the object.
static QByteArray printedShowing(zkPropertyEditorWidget &editor, zkPropertyEditorObjectWrapper *object)
{
    zkCapturedOutput out(stdout);
    editor.setCurrentObjects({object});
    std::fflush(stdout);
    return out.take();
}

class tst_zkBaseTypesDescription : public QObject
{
    Q_OBJECT

private slots:
    void plainValueGetsBasicControl_data();
    void plainValueGetsBasicControl();
    void basicEditorsOffLeavesPlainValuesWithoutRow();
    void sampleSceneShowsPlainValues_data();
    void sampleSceneShowsPlainValues();
};

void tst_zkBaseTypesDescription::plainValueGetsBasicControl_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("control");

    QTest::newRow("bool") << QVariant(true) << QByteArray("zkBoolControl");
    QTest::newRow("int") << QVariant(-3) << QByteArray("zkInt32Control");
    QTest::newRow("uint") << QVariant(7u) << QByteArray("zkUInt32Control");
    QTest::newRow("qlonglong") << QVariant(-1ll) << QByteArray("zkInt64Control");
    QTest::newRow("qulonglong") << QVariant(9ull) << QByteArray("zkUInt64Control");
    QTest::newRow("float") << QVariant(0.5f) << QByteArray("zkFloatControl");
    QTest::newRow("double") << QVariant(0.25) << QByteArray("zkDoubleControl");
    QTest::newRow("QString") << QVariant(QStringLiteral("plain")) << QByteArray("zkQStringControl");
    QTest::newRow("QVector2D") << QVariant::fromValue(QVector2D(1, 2)) << QByteArray("zkQVector2DControl");
    QTest::newRow("QVector3D") << QVariant::fromValue(QVector3D(1, 2, 3)) << QByteArray("zkQVector3DControl");
}

// Beside it the object's name, as a caption without input.
void tst_zkBaseTypesDescription::plainValueGetsBasicControl()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, control);

    QObject object;
    object.setProperty("value", value);
    zkPropertyEditorWidget editor(nullptr, {});
    QCOMPARE(printedShowing(editor, new zkPropertyEditorQObjectWrapper(&object)), QByteArray());
    const zkBaseControl *row = editor.getControl("value");
    QCOMPARE(row->metaObject()->className(), control.constData());
    QVERIFY(row->getEditor());

    const zkBaseControl *name = editor.getControl("objectName");
    QCOMPARE(name->metaObject()->className(), "zkNullControl");
    QVERIFY(!name->getEditor());
    QCOMPARE(qobject_cast<QLabel *>(name->getLabel())->text(), QStringLiteral("Object Name"));
}

void tst_zkBaseTypesDescription::basicEditorsOffLeavesPlainValuesWithoutRow()
{
    QObject object;
    object.setProperty("count", -3);
    object.setProperty("color", QVariant::fromValue(QVector3D()));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCreateBasicEditors(false);
    QCOMPARE(printedShowing(editor, new zkPropertyEditorQObjectWrapper(&object)),
             QByteArray("No editor registered for property 'count' with type 'int'\n"
                        "No editor registered for property 'color' with type 'QVector3D'\n"));
    QCOMPARE(editor.getControls().size(), 1);
    QVERIFY(editor.getControl("objectName"));
}

void tst_zkBaseTypesDescription::sampleSceneShowsPlainValues_data()
{
    QTest::addColumn<zkdObject>("object");

    // The scene's objects and every object reachable through their handle properties, one of
    // each class.
    QList<zkdObject> pending = zkSampleScene::build();
    QSet<QString> classes;
    while (!pending.isEmpty()) {
        const zkdObject object = pending.takeFirst();
        if (object.isNull() || classes.contains(object.getTypeName()))
            continue;
        classes.insert(object.getTypeName());
        QTest::newRow(qPrintable(object.getTypeName())) << object;
        const zkPropertyEditorZkdObjectWrapper wrapper(object);
        for (int i = 0; i < wrapper.getPropertyCount(); ++i)
            pending.append(zkdObjectManager::fromVariant(wrapper.getProperty(i)));
    }
}

// Every plain value has a row; the kernel's bookkeeping has none, without a word on standard
// output.
void tst_zkBaseTypesDescription::sampleSceneShowsPlainValues()
{
    QFETCH(zkdObject, object);

    zkPropertyEditorWidget editor(nullptr, {});
    const QString printed = QString::fromUtf8(printedShowing(editor, new zkPropertyEditorZkdObjectWrapper(object)));
    const QRegularExpression plainTypeMissing(
        QStringLiteral("No editor registered for property '[^']*' with type "
                       "'(bool|int|uint|qlonglong|qulonglong|float|double|QString|QVector2D|QVector3D)'\n"));
    QVERIFY2(!printed.contains(plainTypeMissing), qPrintable(printed));
    // Environments make their visibility a row of their own ("Is Visible").
    const bool environment = object.isTypeOf<zkdEnvironmentMaterial>() || object.isTypeOf<zkdSkylightMaterial>();
    for (const char *bookkeeping : {"null", "visible", "objectId", "typeId"}) {
        if (environment && qstrcmp(bookkeeping, "visible") == 0)
            continue;
        QVERIFY(!editor.getControl(bookkeeping));
        QVERIFY(!printed.contains(QStringLiteral("property '%1'").arg(QLatin1String(bookkeeping))));
    }
}

QTEST_MAIN(tst_zkBaseTypesDescription)
#include "tst_zkBaseTypesDescription.moc"
