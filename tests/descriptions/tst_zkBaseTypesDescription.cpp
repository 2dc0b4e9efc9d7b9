#include <zkBoolControl.h>
#include <zkDoubleControl.h>
#include <zkFloatControl.h>
#include <zkInt32Control.h>
#include <zkInt64Control.h>
#include <zkNullControl.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkQStringControl.h>
#include <zkQVector2DControl.h>
#include <zkQVector3DControl.h>
#include <zkSampleScene.h>
#include <zkTestSupport.h>
#include <zkUInt32Control.h>
#include <zkUInt64Control.h>
#include <zkdObjectManager.h>

#include <QRegularExpression>
#include <QSet>
#include <QVector2D>
#include <QVector3D>
#include <QtTest>

// One property of every plain value type.
class PlainValues : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool flag MEMBER m_flag)
    Q_PROPERTY(int count MEMBER m_count)
    Q_PROPERTY(uint size MEMBER m_size)
    Q_PROPERTY(qlonglong offset MEMBER m_offset)
    Q_PROPERTY(qulonglong total MEMBER m_total)
    Q_PROPERTY(float weight MEMBER m_weight)
    Q_PROPERTY(double ratio MEMBER m_ratio)
    Q_PROPERTY(QString title MEMBER m_title)
    Q_PROPERTY(QVector2D position MEMBER m_position)
    Q_PROPERTY(QVector3D color MEMBER m_color)

public:
    bool m_flag = true;
    int m_count = -3;
    uint m_size = 7;
    qlonglong m_offset = -1;
    qulonglong m_total = 9;
    float m_weight = 0.5f;
    double m_ratio = 0.25;
    QString m_title = QStringLiteral("plain");
    QVector2D m_position{1.0f, 2.0f};
    QVector3D m_color{0.1f, 0.2f, 0.3f};
};

using ControlCheck = bool (*)(const zkBaseControl *);
Q_DECLARE_METATYPE(ControlCheck)

template <typename TControl>
bool isA(const zkBaseControl *control)
{
    return dynamic_cast<const TControl *>(control) != nullptr;
}

// What the editor prints on standard output while it shows the objects.
QByteArray printedShowing(zkPropertyEditorWidget &editor, const QList<zkPropertyEditorObjectWrapper *> &objects)
{
    zkCapturedOutput out(stdout);
    editor.setCurrentObjects(objects);
    std::fflush(stdout);
    return out.take();
}

class tst_zkBaseTypesDescription : public QObject
{
    Q_OBJECT

private slots:
    void plainValueTypeGetsBasicControl_data();
    void plainValueTypeGetsBasicControl();
    void objectNameIsCaptionWithoutInput();
    void bookkeepingRowsOfKernelObjectsAreHidden_data();
    void bookkeepingRowsOfKernelObjectsAreHidden();
    void basicEditorsOffLeavesPlainPropertiesWithoutRow();
    void sampleSceneClassShowsPlainRows_data();
    void sampleSceneClassShowsPlainRows();

private:
    PlainValues m_values;
};

void tst_zkBaseTypesDescription::plainValueTypeGetsBasicControl_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<ControlCheck>("isExpectedControl");

    QTest::newRow("bool") << QByteArray("flag") << &isA<zkBoolControl>;
    QTest::newRow("int") << QByteArray("count") << &isA<zkInt32Control>;
    QTest::newRow("uint") << QByteArray("size") << &isA<zkUInt32Control>;
    QTest::newRow("qlonglong") << QByteArray("offset") << &isA<zkInt64Control>;
    QTest::newRow("qulonglong") << QByteArray("total") << &isA<zkUInt64Control>;
    QTest::newRow("float") << QByteArray("weight") << &isA<zkFloatControl>;
    QTest::newRow("double") << QByteArray("ratio") << &isA<zkDoubleControl>;
    QTest::newRow("QString") << QByteArray("title") << &isA<zkQStringControl>;
    QTest::newRow("QVector2D") << QByteArray("position") << &isA<zkQVector2DControl>;
    QTest::newRow("QVector3D") << QByteArray("color") << &isA<zkQVector3DControl>;
}

void tst_zkBaseTypesDescription::plainValueTypeGetsBasicControl()
{
    QFETCH(QByteArray, property);
    QFETCH(ControlCheck, isExpectedControl);

    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&m_values)});

    const zkBaseControl *control = editor.getControl(property);
    QVERIFY(control);
    QVERIFY(isExpectedControl(control));
    QVERIFY(control->getEditor());
}

void tst_zkBaseTypesDescription::objectNameIsCaptionWithoutInput()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&m_values)});

    const zkBaseControl *control = editor.getControl("objectName");
    QVERIFY(isA<zkNullControl>(control));
    QVERIFY(!control->getEditor());
    auto *caption = qobject_cast<QLabel *>(control->getLabel());
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("Object Name"));
}

void tst_zkBaseTypesDescription::bookkeepingRowsOfKernelObjectsAreHidden_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("property");

    for (const char *className : {"zkdPlasticMaterial", "zkdPointLightNode"}) {
        for (const char *property : {"null", "visible", "objectId", "typeId"})
            QTest::addRow("%s %s", className, property) << QByteArray(className) << QByteArray(property);
    }
}

void tst_zkBaseTypesDescription::bookkeepingRowsOfKernelObjectsAreHidden()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, property);

    const zkdObject object = zkdObjectManager::create(className);
    QVERIFY(object.property(property.constData()).isValid());
    zkPropertyEditorWidget editor(nullptr, {});
    const QByteArray printed = printedShowing(editor, {new zkPropertyEditorZkdObjectWrapper(object)});

    QVERIFY(!editor.getControl(property));
    QVERIFY(!printed.contains("property '" + property + "'"));
}

void tst_zkBaseTypesDescription::basicEditorsOffLeavesPlainPropertiesWithoutRow()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCreateBasicEditors(false);
    const QByteArray printed = printedShowing(editor, {new zkPropertyEditorQObjectWrapper(&m_values)});

    QCOMPARE(editor.getControls().size(), 1);
    QVERIFY(editor.getControl("objectName"));
    QVERIFY(printed.contains("No editor registered for property 'count' with type 'int'\n"));
    QVERIFY(printed.contains("No editor registered for property 'color' with type 'QVector3D'\n"));
}

void tst_zkBaseTypesDescription::sampleSceneClassShowsPlainRows_data()
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

void tst_zkBaseTypesDescription::sampleSceneClassShowsPlainRows()
{
    QFETCH(zkdObject, object);

    zkPropertyEditorWidget editor(nullptr, {});
    const QString printed =
        QString::fromUtf8(printedShowing(editor, {new zkPropertyEditorZkdObjectWrapper(object)}));
    const QRegularExpression plainTypeMissing(
        QStringLiteral("No editor registered for property '[^']*' with type "
                       "'(bool|int|uint|qlonglong|qulonglong|float|double|QString|QVector2D|QVector3D)'\n"));
    QVERIFY2(!printed.contains(plainTypeMissing), qPrintable(printed));
}

QTEST_MAIN(tst_zkBaseTypesDescription)
#include "tst_zkBaseTypesDescription.moc"
