#include <zkBaseControl.h>
#include <zkCategoryControl.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>

#include <QtTest>

#include <climits>
#include <memory>

class TestBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double value MEMBER m_value)
    Q_PROPERTY(bool linkTextureSettings MEMBER m_linked)

public:
    double m_value = 1.0;
    bool m_linked = true;
};

class TestDerived : public TestBase
{
    Q_OBJECT
};

class TestControl : public zkBaseControl
{
public:
    using zkBaseControl::zkBaseControl;
};

// Hands every change of a TestDerived's value on to the editors linked with the one it happened in.
class LinkingDescription : public zkPropertyEditorDescriptionBase
{
public:
    static inline QList<zkPropertyEditorWidget *> changedIn; // the editors whose rule ran, in order

protected:
    void init() override
    {
        getFactory()->registerEditor<TestDerived, double, TestControl>("value");
        getFactory()->registerChangedProperty<TestDerived, double>("value", [](zkPropertyEditorWidget *widget, double) {
            changedIn << widget;
            updateLinkedTextureSettings(widget, "value");
        });
    }
} linkingDescription;

class CountingDescription : public zkPropertyEditorDescriptionBase
{
public:
    int initCount = 0;

protected:
    void init() override { ++initCount; }
};

using Hierarchy = QList<QByteArray>;
static const Hierarchy baseHierarchy{"TestBase", "QObject"};
static const Hierarchy derivedHierarchy{"TestDerived", "TestBase", "QObject"};
static const Hierarchy otherHierarchy{"TestOther", "QObject"};

class tst_zkPropertyEditorFactory : public QObject
{
    Q_OBJECT

private slots:
    void getEditor_data();
    void getEditor();
    void categoriesAndGroupsOncePerName();
    void ruleMatching_data();
    void ruleMatching();
    void linkedTextureSettings();
    void descriptionsInitialiseOnce();
};

void tst_zkPropertyEditorFactory::getEditor_data()
{
    QTest::addColumn<Hierarchy>("hierarchy");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("basicEditors");
    QTest::addColumn<QString>("result"); // the control's label, sort key and state, or why there is none

    const QByteArray value("value");
    QTest::newRow("exact before a later wildcard")
        << baseHierarchy << value << QVariant(1.0) << true << "Base.value #100 off";
    QTest::newRow("wildcard") << baseHierarchy << QByteArray("other") << QVariant(1.0) << true << "Base.* #200 off";
    QTest::newRow("subclass first") << derivedHierarchy << value << QVariant(1.0) << true << "Derived.* #300 off";
    QTest::newRow("value type") << derivedHierarchy << QByteArray("count") << QVariant(3) << true
                                << "Derived.count #500 off";
    QTest::newRow("own key, forced writable") << derivedHierarchy << QByteArray("flag") << QVariant(true) << true
                                              << "Derived.flag #7";
    QTest::newRow("earlier factory first") << derivedHierarchy << QByteArray("amount") << QVariant(2) << true
                                           << "Base.amount #800 off";
    QTest::newRow("basic editor") << derivedHierarchy << QByteArray("name") << QVariant("n") << true << "basic off";
    QTest::newRow("basic editors off") << derivedHierarchy << QByteArray("name") << QVariant("n") << false << "missing";
    QTest::newRow("skipped") << derivedHierarchy << QByteArray("hidden") << QVariant(1.5f) << true << "skipped";
    QTest::newRow("no editor for the type")
        << derivedHierarchy << QByteArray("count") << QVariant(3u) << true << "missing";
}

// Each factory in turn, classes from the most derived, entries in registration order (an empty
// name matches any property); then basic editors, by value type alone. The properties offered are
// read-only: only a registration forcing writability gets an enabled control.
void tst_zkPropertyEditorFactory::getEditor()
{
    QFETCH(Hierarchy, hierarchy);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, basicEditors);
    QFETCH(QString, result);

    const auto labelled = [](const QString &label) {
        return [label](zkBaseControlOptions &options) { options.label = label; };
    };
    auto *first = new zkPropertyEditorFactory;
    first->registerEditor<TestBase, double, TestControl>("value", labelled("Base.value"));
    first->registerEditor<TestBase, double, TestControl>("", labelled("Base.*"));
    first->registerEditor<TestDerived, double, TestControl>("", labelled("Derived.*"));
    first->registerEditor<TestDerived, double, TestControl>("value", labelled("Derived.value"));
    first->registerEditor<TestDerived, int, TestControl>("count", labelled("Derived.count"));
    first->registerEditor<TestDerived, bool, TestControl>("flag", [](zkBaseControlOptions &options) {
        options.label = QStringLiteral("Derived.flag");
        options.setSortKey(7);
        options.forceWritable();
    });
    first->registerEditor<TestDerived, float, TestControl>("hidden",
                                                           [](zkBaseControlOptions &options) { options.skip(); });
    first->registerEditor<TestBase, int, TestControl>("amount", labelled("Base.amount"));
    auto *second = new zkPropertyEditorFactory;
    second->registerEditor<TestDerived, int, TestControl>("amount", labelled("Second.amount"));
    second->registerEditor<QString, TestControl>("", labelled("basic"));
    second->registerEditor<float, TestControl>("", labelled("basic"));
    zkPropertyEditorWidget widget(nullptr, {first, second}, false, false);
    widget.setCreateBasicEditors(basicEditors);
    QWidget row;
    widget.setCurrentControlLayoutWidget(&row);

    bool found = false;
    const std::unique_ptr<zkBaseControl> control(
        zkPropertyEditorFactory::getEditor(&widget, {property, value, 0}, hierarchy, property, found));
    QString actual = found ? QStringLiteral("skipped") : QStringLiteral("missing");
    if (control) {
        QVERIFY(found);
        const int key = control->getOptions()->getSortKey();
        actual = control->getOptions()->label + (key == INT_MIN ? QString() : " #" + QString::number(key))
            + (control->isEnabled() ? "" : " off");
    }
    QCOMPARE(actual, result);
    // A skipped control is deleted at once.
    QCOMPARE(row.findChildren<zkBaseControl *>().size(), control ? 1 : 0);
}

// A category or group name is created once: from the most derived class's registration, in the
// earliest factory.
void tst_zkPropertyEditorFactory::categoriesAndGroupsOncePerName()
{
    const auto inMain = [](const QString &label) {
        return [label](auto &options) {
            options.label = label;
            options.category = "Main";
        };
    };
    auto *first = new zkPropertyEditorFactory;
    first->registerCategory<TestBase, zkCategoryControl>("Main", inMain("Base"));
    first->registerCategory<TestDerived, zkCategoryControl>("Main", inMain("Derived"));
    first->registerGroup<TestBase, zkGroupControl>("Properties", inMain("Base"));
    first->registerGroup<TestDerived, zkGroupControl>("Properties", inMain("Derived"));
    auto *second = new zkPropertyEditorFactory;
    second->registerCategory<TestDerived, zkCategoryControl>("Main", inMain("Second"));
    second->registerGroup<TestDerived, zkGroupControl>("Properties", inMain("Second"));
    zkPropertyEditorWidget widget(nullptr, {first, second}, false, false);

    QVERIFY(!zkPropertyEditorFactory::createCategories(&widget, otherHierarchy));
    QVERIFY(!zkPropertyEditorFactory::createGroups(&widget, otherHierarchy));
    QVERIFY(zkPropertyEditorFactory::createCategories(&widget, derivedHierarchy));
    QVERIFY(zkPropertyEditorFactory::createGroups(&widget, derivedHierarchy));
    QStringList labels;
    for (const zkCategoryControl *category : widget.findChildren<zkCategoryControl *>())
        labels << category->getOptions()->label;
    for (const zkGroupControl *group : widget.findChildren<zkGroupControl *>())
        labels << group->getOptions()->label;
    QCOMPARE(labels, QStringList({"Derived", "Derived"}));
}

void tst_zkPropertyEditorFactory::ruleMatching_data()
{
    QTest::addColumn<Hierarchy>("hierarchy");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("onSet");

    const QStringList wildcard{"Derived.*"};
    const QStringList base{"Base.value"};
    QTest::newRow("subclass") << derivedHierarchy << QByteArray("value") << wildcard << wildcard
                              << QStringList{"Derived.*", "Derived.value", "Base.value", "Second.Derived.value"};
    QTest::newRow("base class") << baseHierarchy << QByteArray("value") << base << base << base;
    QTest::newRow("wildcard") << derivedHierarchy << QByteArray("other") << wildcard << wildcard << wildcard;
    QTest::newRow("no rule") << otherHierarchy << QByteArray("value") << QStringList() << QStringList()
                             << QStringList();
}

// Change and set rules: the first match only. On-set rules: every match, in every factory.
void tst_zkPropertyEditorFactory::ruleMatching()
{
    QFETCH(Hierarchy, hierarchy);
    QFETCH(QByteArray, property);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, set);
    QFETCH(QStringList, onSet);

    QStringList calls;
    auto *first = new zkPropertyEditorFactory;
    const auto registerRules = [&calls, first](auto *type, const QByteArray &name, const QString &call) {
        using T = std::remove_pointer_t<decltype(type)>;
        first->registerChangedProperty<T, double>(name,
                                                  [&calls, call](zkPropertyEditorWidget *, double) { calls << call; });
        first->registerSetProperty<T, double>(name, [&calls, call](const zkPropertyEditorObjectWrapper *, double,
                                                                   zkPropertyEditorFactory::PropertyWrites &writes) {
            calls << call;
            writes.append({"written", call});
        });
        first->registerOnSetProperty<T, double>(name, [&calls, call](const zkPropertyEditorObjectWrapper *, double) {
            calls << call;
        });
    };
    registerRules(static_cast<TestDerived *>(nullptr), "", "Derived.*");
    registerRules(static_cast<TestDerived *>(nullptr), "value", "Derived.value");
    registerRules(static_cast<TestBase *>(nullptr), "value", "Base.value");
    auto *second = new zkPropertyEditorFactory;
    second->registerOnSetProperty<TestDerived, double>(
        "value", [&calls](const zkPropertyEditorObjectWrapper *, double) { calls << "Second.Derived.value"; });
    TestDerived object;
    zkPropertyEditorWidget widget(nullptr, {first, second}, false, false);
    const zkPropertyEditorQObjectWrapper wrapper(&object);

    zkPropertyEditorFactory::updateChangedProperties(&widget, hierarchy, property);
    QCOMPARE(calls, changed);
    calls.clear();
    zkPropertyEditorFactory::PropertyWrites writes;
    QCOMPARE(zkPropertyEditorFactory::customHandledProperty(&widget, &wrapper, hierarchy, property, 2.0, writes),
             !set.isEmpty());
    QCOMPARE(calls, set);
    QCOMPARE(writes.size(), set.size());
    calls.clear();
    zkPropertyEditorFactory::handleDependentProperties(&widget, &wrapper, hierarchy, property, 2.0);
    QCOMPARE(calls, onSet);
}

// A change in an editor whose object links its texture settings reaches the other editors nested
// in the same parent, and never bounces back.
void tst_zkPropertyEditorFactory::linkedTextureSettings()
{
    TestDerived first, second, unlinked;
    unlinked.m_linked = false;
    zkPropertyEditorWidget parent(nullptr, {}, false, false);
    QList<zkPropertyEditorWidget *> editors;
    for (QObject *object : {&first, &second, &unlinked}) {
        editors << new zkPropertyEditorWidget(&parent, {}, false, false);
        editors.last()->setKeepProperties({"value"});
        editors.last()->setCurrentObjects({new zkPropertyEditorQObjectWrapper(object)});
    }
    for (int i = 0; i < editors.size(); ++i) { // the guard is released after each change
        LinkingDescription::changedIn.clear();
        zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(editors.at(i), "value");
        QList<zkPropertyEditorWidget *> others = editors;
        others.removeAt(i);
        QCOMPARE(LinkingDescription::changedIn, i < 2 ? others : QList<zkPropertyEditorWidget *>());
    }
}

// Each description registers once, when the first editor after its creation is built; a destroyed
// one has left the registry.
void tst_zkPropertyEditorFactory::descriptionsInitialiseOnce()
{
    auto early = std::make_unique<CountingDescription>();
    const zkPropertyEditorWidget first(nullptr, {}, false, false);
    CountingDescription late;
    QCOMPARE(early->initCount, 1);
    QCOMPARE(late.initCount, 0);

    early.reset();
    const zkPropertyEditorWidget second(nullptr, {}, false, false);
    zkPropertyEditorDescriptionBase::initAll();
    QCOMPARE(late.initCount, 1);
}

QTEST_MAIN(tst_zkPropertyEditorFactory)
#include "tst_zkPropertyEditorFactory.moc"
