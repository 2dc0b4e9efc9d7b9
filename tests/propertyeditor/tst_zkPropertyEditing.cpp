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

// Records its writes, in order, beside those of the rules.
class zkEditTestItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int level READ level WRITE setLevel)
    Q_PROPERTY(int mirror READ mirror WRITE setMirror)
    Q_PROPERTY(QString inner MEMBER m_inner)
    Q_PROPERTY(QObject *left MEMBER m_left)
    Q_PROPERTY(QObject *right MEMBER m_right)

public:
    int level() const { return m_level; }
    void setLevel(int level) { log.append("level=" + QByteArray::number(m_level = level)); }
    int mirror() const { return m_mirror; }
    void setMirror(int mirror) { log.append("mirror=" + QByteArray::number(m_mirror = mirror)); }

    QByteArrayList log;
    QString m_inner;
    QObject *m_left = nullptr;
    QObject *m_right = nullptr;

private:
    int m_level = 0;
    int m_mirror = 0;
};

// Has a level but none of the item's own rules.
class zkEditTestPlainItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int level READ level WRITE setLevel)

public:
    int level() const { return m_level; }
    void setLevel(int level) { log.append("level=" + QByteArray::number(m_level = level)); }

    QByteArrayList log;

private:
    int m_level = 0;
};

using Shapes = QList<zkdEditTestShape>;

class tst_zkPropertyEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { stack()->clear(); }
    void kernelObjectsEndToEnd();
    void plainQObjectMetaAndDynamicProperties();
    void writes_data();
    void writes();
    void setRulesAndOnSetRules();
    void storeAndRestore();
    void extraPropertyRefreshesItsOwner();
    void updatePropertyRecursiveSkipsTheCaller();

private:
    static Shapes createShapes(const QList<float> &roughness)
    {
        Shapes shapes;
        for (float value : roughness) {
            shapes.append(zkdObjectManager::create<zkdEditTestShape>());
            shapes.last().setProperty("roughness", value);
        }
        return shapes;
    }
    static QList<zkPropertyEditorObjectWrapper *> wrap(const Shapes &shapes)
    {
        QList<zkPropertyEditorObjectWrapper *> wrappers;
        for (const zkdEditTestShape &shape : shapes)
            wrappers.append(new zkPropertyEditorZkdObjectWrapper(shape));
        return wrappers;
    }
    static QVariantList roughness(const Shapes &shapes)
    {
        QVariantList values;
        for (const zkdEditTestShape &shape : shapes)
            values.append(shape.property("roughness"));
        return values;
    }
    static int refreshCount() { return zkKernelServiceFactory::the().getService<zkControllerService>()->refreshCount(); }
    static void type(zkTestLineEditControl *control, const QString &text)
    {
        control->lineEdit()->selectAll();
        QTest::keyClicks(control->lineEdit(), text);
        QTest::keyClick(control->lineEdit(), Qt::Key_Return);
    }
    static zkUndoStack *stack() { return zkUndoStack::instance(); }
};

void tst_zkPropertyEditing::initTestCase()
{
    zkdObjectManager::registerClass<zkdEditTestShape>({
        zkdProperty::value<float>("roughness", 0.5f),
        zkdProperty::value<QString>("label"),
        zkdProperty::value<int>("mirror", 0),
    });
    zkRegisterTestControls();
}

void tst_zkPropertyEditing::kernelObjectsEndToEnd()
{
    const Shapes shapes = createShapes({0.25f, 0.5f, 0.75f});
    const Shapes elsewhere = createShapes({0.5f});
    auto *factory = new zkPropertyEditorFactory;
    QList<float> seen;
    factory->registerChangedProperty<zkdEditTestShape, float>(
        "roughness", [&seen](zkPropertyEditorWidget *, float value) { seen.append(value); });
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(wrap(shapes));
    zkTestLineEditControl *row = zkRow(editor, "roughness");
    QVERIFY(row->isMultiSelectHighlight());
    QCOMPARE(seen, QList<float>{0.25f});
    const int refreshes = refreshCount();

    type(row, QStringLiteral("2"));
    QCOMPARE(roughness(shapes), QVariantList({2.0f, 2.0f, 2.0f}));
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(refreshCount(), refreshes + 1);
    QVERIFY(!row->isMultiSelectHighlight());

    // Undo gives each object its own value back; the same row shows it through the change signal.
    stack()->undo();
    QCOMPARE(roughness(shapes), QVariantList({0.25f, 0.5f, 0.75f}));
    QCOMPARE(zkRow(editor, "roughness"), row);
    QCOMPARE(row->lineEdit()->text(), QStringLiteral("0.25"));
    QVERIFY(row->isMultiSelectHighlight());

    // A change made in the kernel reaches the row, the change rules and the signal.
    QSignalSpy changes(&editor, qOverload<const zkdObject &, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged));
    shapes.at(0).setProperty("roughness", 0.125f);
    QCOMPARE(row->lineEdit()->text(), QStringLiteral("0.125"));
    QCOMPARE(seen.last(), 0.125f);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).value<zkdObject>(), zkdObject(shapes.at(0)));
    QCOMPARE(changes.first().at(1).toByteArray(), QByteArray("roughness"));
    // Objects the editor does not show are signalled too, and change no row.
    const int updates = row->updates;
    elsewhere.first().setProperty("roughness", 0.25f);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(row->updates, updates);
}

void tst_zkPropertyEditing::plainQObjectMetaAndDynamicProperties()
{
    zkEditTestItem item;
    item.setProperty("note", QStringLiteral("first"));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&item}));
    QSignalSpy changes(&editor, qOverload<QObject *, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged));

    type(zkRow(editor, "level"), QStringLiteral("7"));
    QCOMPARE(item.level(), 7);
    type(zkRow(editor, "note"), QStringLiteral("second"));
    QCOMPARE(item.property("note").toString(), QStringLiteral("second"));
    item.setProperty("note", QStringLiteral("third"));
    QCOMPARE(zkRow(editor, "note")->lineEdit()->text(), QStringLiteral("third"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.last().at(0).value<QObject *>(), &item);
    QCOMPARE(changes.last().at(1).toByteArray(), QByteArray("note"));

    // An object no longer edited is no longer watched.
    editor.setCurrentObjects({});
    item.setProperty("note", QStringLiteral("fourth"));
    QCOMPARE(changes.count(), 2);
}

void tst_zkPropertyEditing::writes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("undoFlag");
    QTest::addColumn<QVariantList>("after");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QByteArray>("message");

    const QByteArray declined("Unable to apply property to selected node\n");
    QTest::newRow("one property") << "setProperty" << true << QVariantList{1.0f, 1.0f, 1.0f} << 1 << QByteArray();
    QTest::newRow("several properties") << "setProperties" << true << QVariantList{1.0f, 1.0f, 1.0f} << 1 << QByteArray();
    QTest::newRow("not recorded") << "setProperties" << false << QVariantList{1.0f, 1.0f, 1.0f} << 0 << QByteArray();
    // The function declines the second object, which is reported and left alone.
    QTest::newRow("per object") << "applyProperty" << true << QVariantList{0.5f, 0.5f, 1.5f} << 1 << declined;
    QTest::newRow("no objects") << "none" << true << QVariantList() << 0 << QByteArray();
}

void tst_zkPropertyEditing::writes()
{
    QFETCH(QString, how);
    QFETCH(bool, undoFlag);
    QFETCH(QVariantList, after);
    QFETCH(int, steps);
    QFETCH(QByteArray, message);

    const Shapes shapes = how == QLatin1String("none") ? Shapes() : createShapes({0.25f, 0.5f, 0.75f});
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(shapes));
    const int refreshes = refreshCount();
    zkCapturedOutput out(stdout);
    if (how == QLatin1String("setProperty") || how == QLatin1String("none")) {
        editor.setProperty("roughness", 1.0f, undoFlag);
    } else if (how == QLatin1String("setProperties")) {
        editor.setProperties({{"roughness", 1.0f}, {"label", QStringLiteral("x")}}, undoFlag);
    } else {
        const quint64 declined = shapes.at(1).getObjectId();
        editor.applyProperty("roughness", [declined](const zkPropertyEditorObjectWrapper *object, QVariant &value) {
            value = object->getProperty("roughness").toFloat() * 2;
            return object->getObjectId() != declined;
        });
    }

    QCOMPARE(out.take(), message);
    QCOMPARE(roughness(shapes), after);
    QCOMPARE(stack()->count(), steps);
    QCOMPARE(refreshCount(), refreshes + (shapes.isEmpty() ? 0 : 1));
    if (how == QLatin1String("setProperties"))
        QCOMPARE(shapes.last().property("label").toString(), QStringLiteral("x"));
    if (steps) {
        stack()->undo();
        QCOMPARE(roughness(shapes), QVariantList({0.25f, 0.5f, 0.75f}));
        QCOMPARE(shapes.last().property("label").toString(), QString());
    }
}

void tst_zkPropertyEditing::setRulesAndOnSetRules()
{
    using Writes = zkPropertyEditorFactory::PropertyWrites;
    auto *factory = new zkPropertyEditorFactory;
    // level lists itself and mirror, which passes through its own rule.
    factory->registerSetProperty<zkEditTestItem, int>("level", [](const zkPropertyEditorObjectWrapper *, int value, Writes &writes) {
        writes << qMakePair(QByteArray("level"), QVariant(value)) << qMakePair(QByteArray("mirror"), QVariant(1));
    });
    factory->registerSetProperty<zkEditTestItem, int>("mirror", [](const zkPropertyEditorObjectWrapper *, int value, Writes &writes) {
        writes << qMakePair(QByteArray("mirror"), QVariant(value + 100));
    });
    // Each rule logs into the object it ran for.
    const auto onSet = [](const char *tag) {
        return [tag](const zkPropertyEditorObjectWrapper *wrapper, int value) {
            QObject *object = wrapper->getObject<QObject *>();
            auto *item = qobject_cast<zkEditTestItem *>(object);
            QByteArrayList &log = item ? item->log : qobject_cast<zkEditTestPlainItem *>(object)->log;
            log.append(tag + QByteArray::number(value));
        };
    };
    factory->registerOnSetProperty<zkEditTestItem, int>("level", onSet("on level "));
    factory->registerOnSetProperty<QObject, int>("level", onSet("on base class level "));
    factory->registerOnSetProperty<zkEditTestItem, int>("mirror", onSet("on mirror "));
    // In a mixed selection each object follows the rules of its own class, whatever the order.
    zkEditTestItem item;
    zkEditTestPlainItem plain;
    zkEditTestItem second;
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
    zkEditTestItem a, b;
    a.setLevel(1);
    b.setLevel(2);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&a, &b}));
    editor.storeProperty("level");
    editor.setProperty("level", 9);
    editor.restoreProperty("level");
    QCOMPARE(QList<int>({a.level(), b.level()}), QList<int>({1, 2}));

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
        "label", [](zkTestControlOptions &options) { options.extraProperties = {"mirror"}; });
    const Shapes shapes = createShapes({0.5f});
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setSkipProperties({"mirror"});
    editor.setCurrentObjects(wrap(shapes));
    const int updates = zkRow(editor, "label")->updates;

    shapes.first().setProperty("mirror", 3);
    QCOMPARE(zkRow(editor, "label")->updates, updates + 1);
}

void tst_zkPropertyEditing::updatePropertyRecursiveSkipsTheCaller()
{
    zkEditTestItem item, left, right;
    item.m_left = &left;
    item.m_right = &right;
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&item}));
    zkPropertyEditorWidget *leftEditor = editor.getChildPropertyEditor("left");

    left.m_inner = right.m_inner = QStringLiteral("new");
    editor.updatePropertyRecursive("inner", leftEditor, false);
    QCOMPARE(zkRow(*leftEditor, "inner")->lineEdit()->text(), QString());
    QCOMPARE(zkRow(*editor.getChildPropertyEditor("right"), "inner")->lineEdit()->text(), QStringLiteral("new"));
}

QTEST_MAIN(tst_zkPropertyEditing)
#include "tst_zkPropertyEditing.moc"
