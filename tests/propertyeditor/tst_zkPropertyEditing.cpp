#include "zkTestControls.h"

#include <zkControllerService.h>
#include <zkKernelServiceFactory.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QSignalSpy>
#include <QTest>

class zkdEditTestShape : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdEditTestShape)

// Logs its writes, in order, beside those of the rules.
class zkEditTestPlainItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int level MEMBER m_level WRITE setLevel)

public:
    void setLevel(int level) { log.append("level=" + QByteArray::number(m_level = level)); }

    QByteArrayList log;
    int m_level = 0;
};

// Has rules of its own, which its base class lacks.
class zkEditTestItem : public zkEditTestPlainItem
{
    Q_OBJECT
    Q_PROPERTY(int mirror READ mirror WRITE setMirror)

public:
    int mirror() const { return 0; }
    void setMirror(int mirror) { log.append("mirror=" + QByteArray::number(mirror)); }
};

using Shapes = QList<zkdEditTestShape>;

// Kernel shapes of the given roughness, each with a fresh wrapper in wrappers.
static Shapes createShapes(const QList<float> &roughness, QList<zkPropertyEditorObjectWrapper *> &wrappers)
{
    Shapes shapes;
    for (float value : roughness) {
        shapes.append(zkdObjectManager::create<zkdEditTestShape>());
        shapes.last().setProperty("roughness", value);
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(shapes.last()));
    }
    return shapes;
}

static QVariantList roughness(const Shapes &shapes)
{
    QVariantList values;
    for (const zkdEditTestShape &shape : shapes)
        values.append(shape.property("roughness"));
    return values;
}

static int refreshCount() { return zkKernelServiceFactory::the().getService<zkControllerService>()->refreshCount(); }

class tst_zkPropertyEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { zkUndoStack::instance()->clear(); }
    void kernelObjectsEndToEnd();
    void writes_data();
    void writes();
    void setRulesAndOnSetRules();
    void storeAndRestore();
    void extraPropertyRefreshesItsOwner();
};

void tst_zkPropertyEditing::initTestCase()
{
    zkdObjectManager::registerClass<zkdEditTestShape>({
        zkdProperty::value<float>("roughness", 0.5f),
        zkdProperty::value<QString>("label"),
    });
    zkRegisterTestControls();
}

void tst_zkPropertyEditing::kernelObjectsEndToEnd()
{
    QList<zkPropertyEditorObjectWrapper *> wrappers, unused;
    const Shapes shapes = createShapes({0.25f, 0.5f, 0.75f}, wrappers);
    const Shapes elsewhere = createShapes({0.5f}, unused);
    qDeleteAll(unused);
    auto *factory = new zkPropertyEditorFactory;
    QStringList seen; // the first object's value, converted to the rule's type
    factory->registerChangedProperty<zkdEditTestShape, QString>(
        "roughness", [&seen](zkPropertyEditorWidget *, const QString &value) { seen.append(value); });
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(wrappers);
    zkTestLineEditControl *row = zkRow(editor, "roughness");
    QCOMPARE(seen, QStringList{"0.25"});

    row->setPropertyValue(2.0f);
    QCOMPARE(roughness(shapes), QVariantList({2.0f, 2.0f, 2.0f}));
    QCOMPARE(zkUndoStack::instance()->count(), 1);

    // Undo gives each object its own value back; the same row shows it through the change signal.
    zkUndoStack::instance()->undo();
    QCOMPARE(roughness(shapes), QVariantList({0.25f, 0.5f, 0.75f}));
    QCOMPARE(zkRow(editor, "roughness"), row);
    QCOMPARE(row->lineEdit()->text(), QStringLiteral("0.25"));
    QVERIFY(row->isMultiSelectHighlight());

    // A change made in the kernel reaches the row, the change rules and the signal; objects the
    // editor does not show are signalled too, and change no row.
    QSignalSpy changes(
        &editor, qOverload<const zkdObject &, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged));
    shapes.at(0).setProperty("roughness", 0.125f);
    QCOMPARE(row->lineEdit()->text(), QStringLiteral("0.125"));
    QCOMPARE(seen.last(), QStringLiteral("0.125"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).value<zkdObject>(), zkdObject(shapes.at(0)));
    QCOMPARE(changes.first().at(1).toByteArray(), QByteArray("roughness"));
    const int updates = row->updates;
    elsewhere.first().setProperty("roughness", 0.25f);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(row->updates, updates);
}

void tst_zkPropertyEditing::writes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QVariantList>("after");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QByteArray>("message");

    const QVariantList ones{1.0f, 1.0f, 1.0f};
    QTest::newRow("one property") << "setProperty" << ones << 1 << QByteArray();
    QTest::newRow("several properties") << "setProperties" << ones << 1 << QByteArray();
    QTest::newRow("not recorded") << "unrecorded" << ones << 0 << QByteArray();
    // The function declines the second object, which is reported and left alone.
    QTest::newRow("per object") << "applyProperty" << QVariantList{0.5f, 0.5f, 1.5f} << 1
                                << QByteArray("Unable to apply property to selected node\n");
    QTest::newRow("no objects") << "none" << QVariantList() << 0 << QByteArray();
}

// A write over any number of objects is one undo step and one refresh.
void tst_zkPropertyEditing::writes()
{
    QFETCH(QString, how);
    QFETCH(QVariantList, after);
    QFETCH(int, steps);
    QFETCH(QByteArray, message);

    QList<zkPropertyEditorObjectWrapper *> wrappers;
    const Shapes shapes = createShapes(how == "none" ? QList<float>() : QList<float>{0.25f, 0.5f, 0.75f}, wrappers);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrappers);
    const int refreshes = refreshCount();
    zkCapturedOutput out(stdout);
    if (how == "setProperty" || how == "none") {
        editor.setProperty("roughness", 1.0f);
    } else if (how == "setProperties" || how == "unrecorded") {
        editor.setProperties({{"roughness", 1.0f}, {"label", QStringLiteral("x")}}, how == "setProperties");
    } else {
        const quint64 declined = shapes.at(1).getObjectId();
        editor.applyProperty("roughness", [declined](const zkPropertyEditorObjectWrapper *object, QVariant &value) {
            value = object->getProperty("roughness").toFloat() * 2;
            return object->getObjectId() != declined;
        });
    }

    QCOMPARE(out.take(), message);
    QCOMPARE(roughness(shapes), after);
    QCOMPARE(zkUndoStack::instance()->count(), steps);
    QCOMPARE(refreshCount(), refreshes + (shapes.isEmpty() ? 0 : 1));
    if (how == "setProperties" || how == "unrecorded")
        QCOMPARE(shapes.last().property("label").toString(), QStringLiteral("x"));
    if (steps) {
        zkUndoStack::instance()->undo();
        QCOMPARE(roughness(shapes), QVariantList({0.25f, 0.5f, 0.75f}));
        QCOMPARE(shapes.last().property("label").toString(), QString());
    }
}

// Each object follows the rules of its own class, whatever its place in a mixed selection.
void tst_zkPropertyEditing::setRulesAndOnSetRules()
{
    using Writes = zkPropertyEditorFactory::PropertyWrites;
    auto *factory = new zkPropertyEditorFactory;
    // level lists itself and mirror, which passes through its own rule.
    factory->registerSetProperty<zkEditTestItem, int>(
        "level", [](const zkPropertyEditorObjectWrapper *, int value, Writes &writes) {
            writes << qMakePair(QByteArray("level"), QVariant(value)) << qMakePair(QByteArray("mirror"), QVariant(1));
        });
    factory->registerSetProperty<zkEditTestItem, int>(
        "mirror", [](const zkPropertyEditorObjectWrapper *, int value, Writes &writes) {
            writes << qMakePair(QByteArray("mirror"), QVariant(value + 100));
        });
    const auto onSet = [](const char *tag) {
        return [tag](const zkPropertyEditorObjectWrapper *wrapper, int value) {
            qobject_cast<zkEditTestPlainItem *>(wrapper->getObject<QObject *>())
                ->log.append(tag + QByteArray::number(value));
        };
    };
    factory->registerOnSetProperty<zkEditTestItem, int>("level", onSet("on level "));
    factory->registerOnSetProperty<zkEditTestPlainItem, int>("level", onSet("on base class level "));
    factory->registerOnSetProperty<zkEditTestItem, int>("mirror", onSet("on mirror "));
    zkEditTestItem item, second;
    zkEditTestPlainItem plain;
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(zkWrap({&item, &plain, &second}));

    editor.setProperty("level", 5);
    for (const zkEditTestItem *rulesItem : {&item, &second})
        QCOMPARE(rulesItem->log.join(", "),
                 QByteArray("level=5, on level 5, on base class level 5, mirror=101, on mirror 101"));
    QCOMPARE(plain.log.join(", "), QByteArray("level=5, on base class level 5"));
}

void tst_zkPropertyEditing::storeAndRestore()
{
    zkEditTestPlainItem a, b;
    a.setLevel(1);
    b.setLevel(2);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&a, &b}));
    editor.storeProperty("level");
    editor.setProperty("level", 9);
    editor.restoreProperty("level");
    QCOMPARE(QList<int>({a.m_level, b.m_level}), QList<int>({1, 2}));

    // A new selection forgets what was stored.
    editor.storeProperty("level");
    editor.setCurrentObjects(zkWrap({&b}));
    b.log.clear();
    editor.restoreProperty("level");
    QVERIFY(b.log.isEmpty());
}

void tst_zkPropertyEditing::extraPropertyRefreshesItsOwner()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdEditTestShape, QString, zkTestLineEditControl>(
        "label", [](zkTestControlOptions &options) { options.extraProperties = {"roughness"}; });
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    const Shapes shapes = createShapes({0.5f}, wrappers);
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setSkipProperties({"roughness"});
    editor.setCurrentObjects(wrappers);
    const int updates = zkRow(editor, "label")->updates;

    shapes.first().setProperty("roughness", 0.25f);
    QCOMPARE(zkRow(editor, "label")->updates, updates + 1);
}

QTEST_MAIN(tst_zkPropertyEditing)
#include "tst_zkPropertyEditing.moc"
