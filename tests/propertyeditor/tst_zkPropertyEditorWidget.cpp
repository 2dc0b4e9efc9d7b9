#include "zkTestControls.h"

#include <zkCategoryControl.h>
#include <zkGroupControl.h>

#include <zkTestSupport.h>

#include <QFrame>
#include <QGridLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include <climits>

class zkEditorTestItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double alpha MEMBER m_number)
    Q_PROPERTY(double beta MEMBER m_number)
    Q_PROPERTY(QString gamma MEMBER m_text)
    Q_PROPERTY(int delta MEMBER m_count)
    Q_PROPERTY(QObject *child MEMBER m_child)

public:
    double m_number = 1;
    QString m_text;
    int m_count = 0;
    QObject *m_child = nullptr;
};

class zkEditorOtherItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double alpha MEMBER m_number)

public:
    double m_number = 0;
};

using Names = QList<QByteArray>;
using Options = zkTestControlOptions;

class tst_zkPropertyEditorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zkRegisterTestControls(); }
    void tabsAndFullBorder();
    void shownProperties_data();
    void shownProperties();
    void sortOrder_data();
    void sortOrder();
    void layout();
    void focusChainFollowsGroups();
    void collapsedStatePerType();
    void missingEditor_data();
    void missingEditor();
    void removedTabsAreDeletedLater();
    void cacheRefreshesInPlace();
    void nestedEditorForwardsSignals();

private:
    template <typename Value>
    static void registerEditor(zkPropertyEditorFactory *factory, const QByteArray &name, const QByteArray &group,
                               int key = INT_MIN)
    {
        factory->registerEditor<zkEditorTestItem, Value, zkTestLineEditControl>(name, [=](Options &options) {
            options.group = group;
            if (key != INT_MIN)
                options.setSortKey(key);
        });
    }
    // Names of the rows in a layout, in layout order.
    static Names rows(QLayout *layout)
    {
        Names names;
        for (int i = 0; i < layout->count(); ++i) {
            const QWidget *row = layout->itemAt(i)->widget();
            if (auto *control = row->findChild<zkBaseControl *>(QString(), Qt::FindDirectChildrenOnly))
                names.append(control->getPropertyName());
        }
        return names;
    }
    static Names chain(const zkBaseControl *control)
    {
        Names names;
        for (; control; control = control->getNext())
            names.append(control->getPropertyName());
        return names;
    }
};

void tst_zkPropertyEditorWidget::tabsAndFullBorder()
{
    zkEditorTestItem item;
    zkPropertyEditorWidget editor(nullptr, {});
    QVERIFY(editor.property("fullBorder").toBool());
    // Nothing shown: the empty default tab is dropped.
    editor.setKeepProperties({"nothing"});
    editor.setCurrentObjects(zkWrap({&item}));
    QCOMPARE(editor.count(), 0);
    editor.setKeepProperties({});
    editor.setCurrentObjects(zkWrap({&item}));
    QCOMPARE(editor.count(), 1);
    QVERIFY(editor.tabBar()->isHidden());
    QVERIFY(editor.property("fullBorder").toBool());
}

void tst_zkPropertyEditorWidget::shownProperties_data()
{
    QTest::addColumn<Names>("skip");
    QTest::addColumn<Names>("keep");
    QTest::addColumn<bool>("multiselection");
    QTest::addColumn<Names>("shown");

    QTest::newRow("all") << Names() << Names() << false << Names{"alpha", "beta", "child", "delta", "gamma", "objectName"};
    QTest::newRow("skipped") << Names{"alpha", "objectName", "child"} << Names() << false << Names{"beta", "delta", "gamma"};
    QTest::newRow("kept") << Names() << Names{"alpha"} << false << Names{"alpha"};
    QTest::newRow("skip wins over keep") << Names{"alpha"} << Names{"alpha", "beta"} << false << Names{"beta"};
    // Only what every object has with the same type.
    QTest::newRow("multi-selection") << Names() << Names{"onlyFirst", "mixedType", "shared"} << true << Names{"shared"};
}

void tst_zkPropertyEditorWidget::shownProperties()
{
    QFETCH(Names, skip);
    QFETCH(Names, keep);
    QFETCH(bool, multiselection);
    QFETCH(Names, shown);

    zkEditorTestItem a, b;
    if (multiselection) {
        a.setProperty("onlyFirst", 1);
        a.setProperty("mixedType", 1);
        b.setProperty("mixedType", QStringLiteral("1"));
        a.setProperty("shared", 1);
        b.setProperty("shared", 2);
    }
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setSkipProperties(QSet<QByteArray>(skip.cbegin(), skip.cend()));
    editor.setKeepProperties(QSet<QByteArray>(keep.cbegin(), keep.cend()));
    editor.setCurrentObjects(zkWrap(multiselection ? QList<QObject *>{&a, &b} : QList<QObject *>{&a}));
    Names names;
    for (const zkBaseControl *control : editor.getControls())
        names.append(control->getPropertyName());
    QCOMPARE(names, shown);
}

void tst_zkPropertyEditorWidget::sortOrder_data()
{
    QTest::addColumn<Names>("registered");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QByteArray>("alphaAfter"); // a sort rule places alpha after this row
    QTest::addColumn<Names>("order");

    const Names properties{"alpha", "beta", "gamma"};
    const QList<int> unassigned{INT_MIN, INT_MIN, INT_MIN};
    QTest::newRow("keys reorder") << properties << QList<int>{200, 100, 300} << QByteArray() << Names{"beta", "alpha", "gamma"};
    QTest::newRow("equal keys keep property order") << properties << QList<int>{100, 100, 100} << QByteArray() << properties;
    QTest::newRow("sort rule") << properties << unassigned << QByteArray("gamma") << Names{"beta", "gamma", "alpha"};
}

void tst_zkPropertyEditorWidget::sortOrder()
{
    QFETCH(Names, registered);
    QFETCH(QList<int>, keys);
    QFETCH(QByteArray, alphaAfter);
    QFETCH(Names, order);

    auto *factory = new zkPropertyEditorFactory;
    for (int i = 0; i < registered.size(); ++i) {
        if (registered.at(i) == "gamma")
            registerEditor<QString>(factory, "gamma", {}, keys.at(i));
        else
            registerEditor<double>(factory, registered.at(i), {}, keys.at(i));
    }
    if (!alphaAfter.isEmpty()) {
        factory->registerSortProperty<zkEditorTestItem, double>(
            "alpha", [alphaAfter](zkPropertyEditorWidget *widget, zkPropertyEditorControlOptions &options) {
                options.setSortKey(widget->getControlSortKey(alphaAfter) + 1);
            });
    }
    zkEditorTestItem item;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"alpha", "beta", "gamma"});
    editor.setCurrentObjects(zkWrap({&item}));

    QCOMPARE(rows(editor.getMainLayout("INTERNAL")), order);
    QCOMPARE(chain(editor.getFirstControl()), order);
    QCOMPARE(editor.getLastControl()->getPrevious()->getPropertyName(), order.at(1));
}

void tst_zkPropertyEditorWidget::layout()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerCategory<zkEditorTestItem, zkCategoryControl>(
        "Extra", [](zkzkCategoryOptionsControlOptions &options) { options.label = QStringLiteral("Extra Tab"); });
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("Main");
    factory->registerGroup<zkEditorTestItem, zkGroupControl>(
        "Side", [](zkGroupControlOptions &options) { options.category = "Extra"; });
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("Unused");
    factory->registerEditor<zkEditorTestItem, double, zkTestLineEditControl>("alpha", [](Options &options) {
        options.group = "Main";
        options.indent();
        options.separator = true;
    });
    factory->registerEditor<zkEditorTestItem, double, zkTestLineEditControl>("beta", [](Options &options) {
        options.group = "Side";
        options.spanColumns = true;
    });
    registerEditor<QString>(factory, "gamma", "Missing");
    zkEditorTestItem item;
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setKeepProperties({"alpha", "beta", "gamma", "delta"});
    editor.setCurrentObjects(zkWrap({&item}));
    QCOMPARE(editor.count(), 2);
    QCOMPARE(editor.tabText(1), QStringLiteral("Extra Tab"));
    QVERIFY(!editor.tabBar()->isHidden());
    QVERIFY(!editor.property("fullBorder").toBool());

    // Groups stand in their category's layout before its own rows; an empty group is dropped,
    // and a row naming a group nobody created goes to the default category.
    QCOMPARE(editor.getGroups(), Names({"Main", "Side"}));
    QCOMPARE(editor.findGroupControl("Side")->parentWidget(), editor.findCategory("Extra")->getMainWidget());
    QCOMPARE(rows(editor.findGroupLayout("Main")), Names{"alpha"});
    QCOMPARE(rows(editor.findGroupLayout("Side")), Names{"beta"});
    QCOMPARE(rows(editor.getMainLayout("INTERNAL")), Names({"delta", "gamma"}));
    QCOMPARE(editor.getMainLayout("INTERNAL")->indexOf(editor.findGroupControl("Main")), 0);

    const auto grid = [&editor](const char *name) {
        return qobject_cast<QGridLayout *>(editor.getControlLayoutWidget(name)->layout());
    };
    const auto cell = [](QGridLayout *layout, QWidget *widget) {
        int row, column, rowSpan, columnSpan;
        layout->getItemPosition(layout->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        return QList<int>{row, column, columnSpan};
    };
    QCOMPARE(grid("alpha")->contentsMargins(), QMargins(15, 0, 0, 0));
    QCOMPARE(cell(grid("alpha"), editor.getControl("alpha")->getLabel()), QList<int>({0, 0, 1}));
    QCOMPARE(cell(grid("alpha"), editor.getControl("alpha")), QList<int>({0, 1, 1}));
    auto *line = qobject_cast<QFrame *>(grid("alpha")->itemAtPosition(1, 0)->widget());
    QCOMPARE(line->objectName(), QStringLiteral("PropertySeparator"));
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QCOMPARE(grid("beta")->contentsMargins(), QMargins());
    QCOMPARE(cell(grid("beta"), editor.getControl("beta")), QList<int>({0, 1, 2}));
    QVERIFY(!editor.getControl("beta")->getLabel());
}

void tst_zkPropertyEditorWidget::focusChainFollowsGroups()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("B");
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("A");
    registerEditor<double>(factory, "alpha", "A", 100);
    registerEditor<double>(factory, "beta", "B", 200);
    registerEditor<QString>(factory, "gamma", "A", 300);
    registerEditor<int>(factory, "delta", "B", 400);
    zkEditorTestItem item;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"alpha", "beta", "gamma", "delta"});
    editor.setCurrentObjects(zkWrap({&item}));

    QCOMPARE(editor.getFirstControl(), editor.getControl("alpha"));
    QCOMPARE(editor.getLastControl(), editor.getControl("delta"));
    // Group B stands first: the chain runs group by group, each in sort order, and has ends.
    QCOMPARE(chain(editor.getControl("beta")), Names({"beta", "delta", "alpha", "gamma"}));
    QVERIFY(!editor.getControl("beta")->getPrevious());
    QCOMPARE(editor.getControl("alpha")->getPrevious(), editor.getControl("delta"));
}

void tst_zkPropertyEditorWidget::collapsedStatePerType()
{
    auto *factory = new zkPropertyEditorFactory;
    const auto expanded = [](zkGroupControlOptions &options) { options.collapsed = false; };
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("G", expanded);
    factory->registerGroup<zkEditorOtherItem, zkGroupControl>("G", expanded);
    registerEditor<double>(factory, "alpha", "G");
    factory->registerEditor<zkEditorOtherItem, double, zkTestLineEditControl>(
        "alpha", [](Options &options) { options.group = "G"; });
    zkEditorTestItem first, second;
    zkEditorOtherItem other;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"alpha"});
    const auto select = [&editor](QObject *object) {
        editor.setCurrentObjects(zkWrap({object}));
        return editor.findGroupControl("G");
    };

    select(&first)->setCollapsed(true);
    QVERIFY(!select(&other)->isCollapsed());
    QVERIFY(select(&second)->isCollapsed());
    QVERIFY(!select(&other)->isCollapsed());
}

void tst_zkPropertyEditorWidget::missingEditor_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("basicEditors");
    QTest::addColumn<bool>("skipped");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("no editor for the type") << QVariant(QPointF(1, 2)) << true << false
                                            << QByteArray("No editor registered for property 'spot' with type 'QPointF'\n");
    QTest::newRow("basic editors off") << QVariant(3) << false << false
                                       << QByteArray("No editor registered for property 'spot' with type 'int'\n");
    QTest::newRow("hidden by its registration") << QVariant(3) << true << true << QByteArray();
}

void tst_zkPropertyEditorWidget::missingEditor()
{
    QFETCH(QVariant, value);
    QFETCH(bool, basicEditors);
    QFETCH(bool, skipped);
    QFETCH(QByteArray, message);

    auto *factory = new zkPropertyEditorFactory;
    if (skipped)
        factory->registerEditor<int, zkTestLineEditControl>("spot", [](Options &options) { options.skip(); });
    QObject object;
    object.setProperty("spot", value);
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCreateBasicEditors(basicEditors);
    editor.setKeepProperties({"spot"});
    zkCapturedOutput out(stdout);
    editor.setCurrentObjects(zkWrap({&object}));
    QCOMPARE(out.take(), message);
    QVERIFY(!editor.getControl("spot"));
}

void tst_zkPropertyEditorWidget::removedTabsAreDeletedLater()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerCategory<zkEditorTestItem, zkCategoryControl>("Extra");
    factory->registerGroup<zkEditorTestItem, zkGroupControl>(
        "G", [](zkGroupControlOptions &options) { options.category = "Extra"; });
    registerEditor<QString>(factory, "gamma", "G");
    zkEditorTestItem item;
    QWidget parent;
    auto *editor = new zkPropertyEditorWidget(&parent, {factory, zkPropertyEditorFactory::global()});
    editor->setCurrentObjects(zkWrap({&item}));
    QPointer<zkTestLineEditControl> control = zkRow(*editor, "gamma");
    QPointer<QWidget> defaultTab = editor->findCategory("INTERNAL");
    QPointer<QWidget> extraTab = editor->findCategory("Extra");

    // A rebuild from inside a control's own signal leaves that control alive while it runs.
    QObject::connect(control->lineEdit(), &QLineEdit::textEdited, editor,
                     [editor, &item] { editor->setCurrentObjects(zkWrap({&item})); });
    QTest::keyClick(control->lineEdit(), Qt::Key_X);
    QVERIFY(control && defaultTab && extraTab);
    QCOMPARE(editor->indexOf(defaultTab), -1);
    QVERIFY(!editor->isAncestorOf(extraTab));
    QVERIFY(parent.isAncestorOf(extraTab));
    QVERIFY(!extraTab->isVisibleTo(&parent));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!control && !defaultTab && !extraTab);
}

void tst_zkPropertyEditorWidget::cacheRefreshesInPlace()
{
    zkEditorTestItem a, b;
    b.m_text = QStringLiteral("b");
    zkEditorOtherItem other;
    zkPropertyEditorWidget editor(nullptr, {}, true, true);
    editor.setCurrentObjects(zkWrap({&a}));
    zkTestLineEditControl *control = zkRow(editor, "gamma");

    editor.setCurrentObjects(zkWrap({&b}));
    QCOMPARE(zkRow(editor, "gamma"), control);
    QCOMPARE(control->lineEdit()->text(), QStringLiteral("b"));
    editor.setCurrentObjects(zkWrap({&a, &other}));
    QVERIFY(!editor.getControl("gamma"));
}

void tst_zkPropertyEditorWidget::nestedEditorForwardsSignals()
{
    zkEditorTestItem item, child;
    item.m_child = &child;
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&item}));
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("child");
    QCOMPARE(nested->getParentPropertyEditor(), &editor);
    QVERIFY(!editor.getParentPropertyEditor());
    QVERIFY(nested->getControl("alpha"));

    QSignalSpy changes(&editor, qOverload<QObject *, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged));
    QSignalSpy selections(&editor, &zkPropertyEditorWidget::selectObjectRequested);
    child.setProperty("note", 1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).value<QObject *>(), &child);
    QCOMPARE(changes.first().at(1).toByteArray(), QByteArray("note"));
    nested->requestSelectObject(zkdObject());
    QCOMPARE(selections.count(), 1);

}

QTEST_MAIN(tst_zkPropertyEditorWidget)
#include "tst_zkPropertyEditorWidget.moc"
