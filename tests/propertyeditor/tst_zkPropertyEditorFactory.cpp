#include <zkBaseControl.h>
#include <zkCategoryControl.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkQRPCMetaProperty.h>
#include <zkTestSupport.h>

#include <QtTest>

#include <climits>
#include <memory>

class TestBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double value MEMBER m_value)

public:
    double m_value = 7.5;
};

class TestDerived : public TestBase
{
    Q_OBJECT
};

class TestLeaf : public TestBase
{
    Q_OBJECT
};

class TestControl : public zkBaseControl
{
public:
    using zkBaseControl::zkBaseControl;
};

namespace {

using Hierarchy = QList<QByteArray>;

const Hierarchy baseHierarchy{"TestBase", "QObject"};
const Hierarchy derivedHierarchy{"TestDerived", "TestBase", "QObject"};
const Hierarchy leafHierarchy{"TestLeaf", "TestBase", "QObject"};
const Hierarchy otherHierarchy{"TestOther", "QObject"};

std::function<void(zkBaseControlOptions &)> labelled(const QString &label, int sortKey = INT_MIN)
{
    return [label, sortKey](zkBaseControlOptions &options) {
        options.label = label;
        options.setSortKey(sortKey);
    };
}

QString labelOf(const zkBaseControl *control)
{
    return control ? control->getOptions()->label : QString();
}

// An editor that consults the given factories only, and the row its controls are parented to.
struct Editor
{
    explicit Editor(const QList<zkPropertyEditorFactory *> &factories)
        : widget(nullptr, factories, false, false)
    {
        widget.setCurrentControlLayoutWidget(&row);
    }

    zkBaseControl *getEditor(const Hierarchy &hierarchy, const QByteArray &property, const QVariant &value,
                             bool &found, qint32 flags = zkQRPCMetaProperty::Writable)
    {
        return zkPropertyEditorFactory::getEditor(&widget, {property, value, flags}, hierarchy, property, found);
    }

    QWidget row;
    zkPropertyEditorWidget widget;
};

} // namespace

class tst_zkPropertyEditorFactory : public QObject
{
    Q_OBJECT

private slots:
    void getEditor_data();
    void getEditor();
    void onlyMissingEditorsAreReported();
    void readOnlyProperty_data();
    void readOnlyProperty();
    void categoriesAndGroupsOncePerName_data();
    void categoriesAndGroupsOncePerName();
    void ruleMatching_data();
    void ruleMatching();
    void changedRuleGetsConvertedValue();
    void sortRule_data();
    void sortRule();

private:
    // Changed, set and on-set rules that log call.
    template <typename T>
    void registerRules(zkPropertyEditorFactory *factory, const QByteArray &property, const QString &call);

    QStringList m_calls;
};

template <typename T>
void tst_zkPropertyEditorFactory::registerRules(zkPropertyEditorFactory *factory, const QByteArray &property,
                                                const QString &call)
{
    factory->registerChangedProperty<T, double>(property, [this, call](zkPropertyEditorWidget *, double) {
        m_calls << call;
    });
    factory->registerSetProperty<T, double>(property, [this, call](const zkPropertyEditorObjectWrapper *, double,
                                                                   zkPropertyEditorFactory::PropertyWrites &writes) {
        m_calls << call;
        writes.append({"written", call});
    });
    factory->registerOnSetProperty<T, double>(property, [this, call](const zkPropertyEditorObjectWrapper *, double) {
        m_calls << call;
    });
}

void tst_zkPropertyEditorFactory::getEditor_data()
{
    QTest::addColumn<Hierarchy>("hierarchy");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("createBasicEditors");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("sortKey");
    QTest::addColumn<bool>("found");

    const QByteArray value("value");
    QTest::newRow("exact name before a later wildcard") << baseHierarchy << value << QVariant(1.0) << true
                                                        << "Base.value" << 100 << true;
    QTest::newRow("wildcard serves other names") << baseHierarchy << QByteArray("other") << QVariant(1.0) << true
                                                 << "Base.*" << 200 << true;
    QTest::newRow("subclass first; its wildcard stands before its exact entry")
        << derivedHierarchy << value << QVariant(1.0) << true << "Derived.*" << 300 << true;
    QTest::newRow("base class entry serves a subclass") << leafHierarchy << value << QVariant(1.0) << true
                                                        << "Base.value" << 100 << true;
    QTest::newRow("value type selects the entry") << derivedHierarchy << QByteArray("count") << QVariant(3) << true
                                                  << "Derived.count" << 500 << true;
    QTest::newRow("an explicit sort key is kept") << derivedHierarchy << QByteArray("flag") << QVariant(true) << true
                                                  << "Derived.flag" << 7 << true;
    QTest::newRow("basic editor, without a sort key") << derivedHierarchy << QByteArray("name") << QVariant("n")
                                                      << true << "basic" << INT_MIN << true;
    QTest::newRow("basic editors switched off") << derivedHierarchy << QByteArray("name") << QVariant("n") << false
                                                << QString() << 0 << false;
    QTest::newRow("specialized needs no basic editors") << baseHierarchy << value << QVariant(1.0) << false
                                                        << "Base.value" << 100 << true;
    QTest::newRow("skipped: hidden, not missing") << derivedHierarchy << QByteArray("hidden") << QVariant(1.5f)
                                                  << true << QString() << 0 << true;
    QTest::newRow("no editor for the value type") << derivedHierarchy << QByteArray("count") << QVariant(3u) << true
                                                  << QString() << 0 << false;
    QTest::newRow("unknown class") << otherHierarchy << value << QVariant(1.0) << true << QString() << 0 << false;
}

void tst_zkPropertyEditorFactory::getEditor()
{
    QFETCH(Hierarchy, hierarchy);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, createBasicEditors);
    QFETCH(QString, label);
    QFETCH(int, sortKey);
    QFETCH(bool, found);

    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<TestBase, double, TestControl>("value", labelled("Base.value"));
    factory->registerEditor<TestBase, double, TestControl>("", labelled("Base.*"));
    factory->registerEditor<TestDerived, double, TestControl>("", labelled("Derived.*"));
    factory->registerEditor<TestDerived, double, TestControl>("value", labelled("Derived.value"));
    factory->registerEditor<TestDerived, int, TestControl>("count", labelled("Derived.count"));
    factory->registerEditor<TestDerived, bool, TestControl>("flag", labelled("Derived.flag", 7));
    factory->registerEditor<TestDerived, float, TestControl>("hidden", [](zkBaseControlOptions &options) {
        options.skip();
    });
    factory->registerEditor<QString, TestControl>("", labelled("basic"));
    factory->registerEditor<float, TestControl>("", labelled("basic"));
    Editor editor({factory});
    editor.widget.setCreateBasicEditors(createBasicEditors);

    bool editorFound = !found;
    std::unique_ptr<zkBaseControl> control(editor.getEditor(hierarchy, property, value, editorFound));
    QCOMPARE(labelOf(control.get()), label);
    QCOMPARE(editorFound, found);
    if (control) {
        QCOMPARE(control->getPropertyName(), property);
        QCOMPARE(control->getOptions()->getSortKey(), sortKey);
    }
    // A skipped control is deleted at once.
    QCOMPARE(editor.row.findChildren<zkBaseControl *>().size(), control ? 1 : 0);
}

void tst_zkPropertyEditorFactory::onlyMissingEditorsAreReported()
{
    TestBase object;
    object.setProperty("count", 3);
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<TestBase, double, TestControl>("value", [](zkBaseControlOptions &options) {
        options.skip();
    });
    Editor editor({factory});
    editor.widget.setKeepProperties({"value", "count"});

    zkCapturedOutput captured(stdout);
    editor.widget.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&object)});
    QCOMPARE(captured.take(), QByteArray("No editor registered for property 'count' with type 'int'\n"));
    QVERIFY(editor.widget.getControls().isEmpty());
}

void tst_zkPropertyEditorFactory::readOnlyProperty_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<bool>("forceWritable");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("writable") << qint32(zkQRPCMetaProperty::Writable) << false << true;
    QTest::newRow("read-only") << qint32(0) << false << false;
    QTest::newRow("read-only, forced writable") << qint32(0) << true << true;
}

void tst_zkPropertyEditorFactory::readOnlyProperty()
{
    QFETCH(qint32, flags);
    QFETCH(bool, forceWritable);
    QFETCH(bool, enabled);

    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<TestBase, double, TestControl>("value", [forceWritable](zkBaseControlOptions &options) {
        options.toolTip = QStringLiteral("tip");
        if (forceWritable)
            options.forceWritable();
    });
    Editor editor({factory});

    bool found = false;
    std::unique_ptr<zkBaseControl> control(editor.getEditor(baseHierarchy, "value", 1.0, found, flags));
    QVERIFY(control);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->toolTip(), QStringLiteral("tip"));
}

void tst_zkPropertyEditorFactory::categoriesAndGroupsOncePerName_data()
{
    QTest::addColumn<Hierarchy>("hierarchy");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("group");

    QTest::newRow("subclass registrations win") << derivedHierarchy << "Derived main" << "Derived properties";
    QTest::newRow("base class alone") << baseHierarchy << "Base main" << "Base properties";
    QTest::newRow("unregistered class") << otherHierarchy << QString() << QString();
}

void tst_zkPropertyEditorFactory::categoriesAndGroupsOncePerName()
{
    QFETCH(Hierarchy, hierarchy);
    QFETCH(QString, category);
    QFETCH(QString, group);

    auto inMain = [](const QString &label) {
        return [label](auto &options) {
            options.label = label;
            options.category = "Main";
        };
    };
    auto *first = new zkPropertyEditorFactory;
    first->registerCategory<TestBase, zkCategoryControl>("Main", inMain("Base main"));
    first->registerCategory<TestDerived, zkCategoryControl>("Main", inMain("Derived main"));
    first->registerGroup<TestBase, zkGroupControl>("Properties", inMain("Base properties"));
    first->registerGroup<TestDerived, zkGroupControl>("Properties", inMain("Derived properties"));
    // A later factory cannot create a name a former one created.
    auto *second = new zkPropertyEditorFactory;
    second->registerCategory<TestDerived, zkCategoryControl>("Main", inMain("Second main"));
    second->registerGroup<TestDerived, zkGroupControl>("Properties", inMain("Second properties"));
    Editor editor({first, second});

    QCOMPARE(zkPropertyEditorFactory::createCategories(&editor.widget, hierarchy), !category.isEmpty());
    QCOMPARE(zkPropertyEditorFactory::createGroups(&editor.widget, hierarchy), !group.isEmpty());

    auto labels = [&](auto *type) {
        QStringList labels;
        for (const auto *control : editor.widget.findChildren<decltype(type)>())
            labels << control->getOptions()->label;
        return labels.join(',');
    };
    QCOMPARE(labels(static_cast<zkCategoryControl *>(nullptr)), category);
    QCOMPARE(labels(static_cast<zkGroupControl *>(nullptr)), group);
}

void tst_zkPropertyEditorFactory::ruleMatching_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Hierarchy>("hierarchy");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("calls");

    const QStringList all{"Derived.*", "Derived.value", "Base.value", "Second.Derived.value"};
    QTest::newRow("changed: first match only") << "changed" << derivedHierarchy << QByteArray("value")
                                               << QStringList{"Derived.*"};
    QTest::newRow("changed: base class rule") << "changed" << baseHierarchy << QByteArray("value")
                                              << QStringList{"Base.value"};
    QTest::newRow("changed: no rule") << "changed" << otherHierarchy << QByteArray("value") << QStringList();
    QTest::newRow("set: first match only") << "set" << derivedHierarchy << QByteArray("value")
                                           << QStringList{"Derived.*"};
    QTest::newRow("set: no rule") << "set" << otherHierarchy << QByteArray("value") << QStringList();
    QTest::newRow("on-set: every match, every factory") << "onSet" << derivedHierarchy << QByteArray("value")
                                                       << all;
    QTest::newRow("on-set: wildcard") << "onSet" << derivedHierarchy << QByteArray("other")
                                      << QStringList{"Derived.*"};
}

void tst_zkPropertyEditorFactory::ruleMatching()
{
    QFETCH(QString, kind);
    QFETCH(Hierarchy, hierarchy);
    QFETCH(QByteArray, property);
    QFETCH(QStringList, calls);

    auto *first = new zkPropertyEditorFactory;
    registerRules<TestDerived>(first, "", "Derived.*");
    registerRules<TestDerived>(first, "value", "Derived.value");
    registerRules<TestBase>(first, "value", "Base.value");
    auto *second = new zkPropertyEditorFactory;
    second->registerOnSetProperty<TestDerived, double>("value", [this](const zkPropertyEditorObjectWrapper *, double) {
        m_calls << "Second.Derived.value";
    });
    TestDerived object;
    Editor editor({first, second});
    const zkPropertyEditorQObjectWrapper wrapper(&object);

    m_calls.clear();
    if (kind == "changed") {
        zkPropertyEditorFactory::updateChangedProperties(&editor.widget, hierarchy, property);
    } else if (kind == "set") {
        zkPropertyEditorFactory::PropertyWrites writes;
        const bool handled = zkPropertyEditorFactory::customHandledProperty(&editor.widget, &wrapper, hierarchy,
                                                                            property, 2.0, writes);
        QCOMPARE(handled, !calls.isEmpty());
        QCOMPARE(writes.size(), calls.size());
    } else {
        zkPropertyEditorFactory::handleDependentProperties(&editor.widget, &wrapper, hierarchy, property, 2.0);
    }
    QCOMPARE(m_calls, calls);
}

void tst_zkPropertyEditorFactory::changedRuleGetsConvertedValue()
{
    auto *factory = new zkPropertyEditorFactory;
    QString received;
    factory->registerChangedProperty<TestBase, QString>("value", [&received](zkPropertyEditorWidget *, QString value) {
        received = value;
    });
    TestBase object;
    Editor editor({factory});
    editor.widget.setKeepProperties({"none"});
    editor.widget.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&object)});

    // The first object's current value, converted to the rule's value type.
    zkPropertyEditorFactory::updateChangedProperties(&editor.widget, baseHierarchy, "value");
    QCOMPARE(received, QStringLiteral("7.5"));
}

void tst_zkPropertyEditorFactory::sortRule_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("sortKey");

    QTest::newRow("control exists") << QByteArray("value") << QStringList{"sort value"} << QStringList() << 42;
    QTest::newRow("control missing")
        << QByteArray("missing") << QStringList()
        << QStringList{"zkPropertyEditorFactory::registerSortProperty: Couldn't find control 'missing'!"} << 0;
}

void tst_zkPropertyEditorFactory::sortRule()
{
    QFETCH(QByteArray, property);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, warnings);
    QFETCH(int, sortKey);

    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<TestBase, double, TestControl>("value");
    for (const QByteArray &name : {QByteArray("value"), QByteArray("missing")}) {
        factory->registerSortProperty<TestBase, double>(
            name, [this, name](zkPropertyEditorWidget *, zkPropertyEditorControlOptions &options) {
                m_calls << "sort " + name;
                options.setSortKey(42);
            });
    }
    TestBase object;
    Editor editor({factory});
    editor.widget.setKeepProperties({"value"});
    editor.widget.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&object)});
    zkBaseControl *control = editor.widget.getControl("value");
    QVERIFY(control);
    control->getOptions()->setSortKey(0);

    m_calls.clear();
    zkCapturedLog log;
    zkPropertyEditorFactory::updateSorting(&editor.widget, baseHierarchy, property);
    QCOMPARE(m_calls, calls);
    QCOMPARE(log.messages(QtWarningMsg), warnings);
    QCOMPARE(control->getOptions()->getSortKey(), sortKey);
}

QTEST_MAIN(tst_zkPropertyEditorFactory)
#include "tst_zkPropertyEditorFactory.moc"
