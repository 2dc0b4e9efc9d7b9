#include "zkTestControls.h"

#include <zkCategoryControl.h>
#include <zkGroupControl.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <zkTestSupport.h>

#include <QGridLayout>
#include <QPointer>
#include <QTabBar>
#include <QTest>

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

class zkEditorOtherItem : public zkEditorTestItem
{
    Q_OBJECT
};

using Names = QList<QByteArray>;
using Options = zkTestControlOptions;

class tst_zkPropertyEditorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zkRegisterTestControls(); }
    void shownProperties_data();
    void shownProperties();
    void layout();
    void shownAfterBuild_data();
    void shownAfterBuild();
    void buildDeliversNoPostedEvents();
    void groupStatePerType();
    void removedTabsAreDeletedLater();
    void cacheRefreshesInPlace();

private:
    // Registers the row of an item's property in a group, with further options.
    template <typename Value, typename Control = zkTestLineEditControl>
    static void addRow(zkPropertyEditorFactory *factory, const QByteArray &name, const QByteArray &group,
                       const std::function<void(Options &)> &more = [](Options &) {})
    {
        factory->registerEditor<zkEditorTestItem, Value, Control>(name, [group, more](Options &options) {
            options.group = group;
            more(options);
        });
    }
    // Groups by name and rows by property name, in layout order.
    static Names items(QLayout *layout)
    {
        Names names;
        for (int i = 0; i < layout->count(); ++i) {
            QWidget *item = layout->itemAt(i)->widget();
            if (auto *group = qobject_cast<zkGroupControl *>(item))
                names.append(group->getName());
            else if (auto *control = item->findChild<zkBaseControl *>(QString(), Qt::FindDirectChildrenOnly))
                names.append(control->getPropertyName());
        }
        return names;
    }
};

void tst_zkPropertyEditorWidget::shownProperties_data()
{
    QTest::addColumn<Names>("skip");
    QTest::addColumn<Names>("keep");
    QTest::addColumn<bool>("multiselection");
    QTest::addColumn<Names>("shown");
    QTest::addColumn<QByteArray>("message");

    // The single item's "spot" has a type that no editor takes.
    const QByteArray missing("No editor registered for property 'spot' with type 'QPointF'\n");
    QTest::newRow("all") << Names() << Names() << false
                         << Names {"alpha", "beta", "child", "delta", "gamma", "objectName"} << missing;
    QTest::newRow("skipped") << Names{"alpha", "objectName", "child", "spot"} << Names() << false
                             << Names{"beta", "delta", "gamma"} << QByteArray();
    QTest::newRow("kept") << Names() << Names{"alpha"} << false << Names{"alpha"} << QByteArray();
    QTest::newRow("skip wins over keep") << Names {"alpha"} << Names {"alpha", "beta"} << false << Names {"beta"}
                                         << QByteArray();
    QTest::newRow("nothing") << Names() << Names{"nothing"} << false << Names() << QByteArray();
    // Only what every object has with the same type.
    QTest::newRow("multi-selection") << Names() << Names{"onlyFirst", "mixedType", "shared"} << true << Names{"shared"}
                                     << QByteArray();
}

void tst_zkPropertyEditorWidget::shownProperties()
{
    QFETCH(Names, skip);
    QFETCH(Names, keep);
    QFETCH(bool, multiselection);
    QFETCH(Names, shown);
    QFETCH(QByteArray, message);

    zkEditorTestItem single, first, second;
    single.setProperty("spot", QPointF(1, 2));
    first.setProperty("onlyFirst", 1);
    first.setProperty("mixedType", 1);
    second.setProperty("mixedType", QStringLiteral("1"));
    first.setProperty("shared", 1);
    second.setProperty("shared", 2);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setSkipProperties(QSet<QByteArray>(skip.cbegin(), skip.cend()));
    editor.setKeepProperties(QSet<QByteArray>(keep.cbegin(), keep.cend()));
    zkCapturedOutput out(stdout);
    editor.setCurrentObjects(zkWrap(multiselection ? QList<QObject *>{&first, &second} : QList<QObject *>{&single}));
    QCOMPARE(out.take(), message);
    Names names;
    for (const zkBaseControl *control : editor.getControls())
        names.append(control->getPropertyName());
    QCOMPARE(names, shown);
    // The default tab alone hides the tab bar; left empty, it is dropped.
    QCOMPARE(editor.count(), shown.isEmpty() ? 0 : 1);
    QVERIFY(editor.tabBar()->isHidden());
    QVERIFY(editor.property("fullBorder").toBool());
}

void tst_zkPropertyEditorWidget::layout()
{
    auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    platform->setUIScaleFactor(1.25); // read when the options records are made
    auto *factory = new zkPropertyEditorFactory;
    factory->registerCategory<zkEditorTestItem, zkCategoryControl>(
        "Extra", [](zkzkCategoryOptionsControlOptions &options) { options.label = QStringLiteral("Extra Tab"); });
    for (const char *group : {"B", "A", "Unused"})
        factory->registerGroup<zkEditorTestItem, zkGroupControl>(group);
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("Side", [](auto &options) { options.category = "Extra"; });
    addRow<double>(factory, "alpha", "A", [](Options &options) {
        options.setSortKey(300);
        options.indent();
        options.separator = true;
    });
    addRow<double>(factory, "beta", "Side", [](Options &options) { options.spanColumns = true; });
    addRow<QString>(factory, "gamma", "A", [](Options &options) { options.setSortKey(100); });
    addRow<QString>(factory, "objectName", "A");
    factory->registerSortProperty<zkEditorTestItem, QString>(
        "objectName", [](zkPropertyEditorWidget *widget, zkPropertyEditorControlOptions &options) {
            options.setSortKey(widget->getControlSortKey("gamma") + 1);
        });
    addRow<int>(factory, "delta", "B");
    addRow<QObject *, zkTestNestingControl>(factory, "child", "Missing");
    platform->setUIScaleFactor(1.0);
    zkEditorTestItem item;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setCurrentObjects(zkWrap({&item}));
    QCOMPARE(editor.tabText(1), QStringLiteral("Extra Tab"));
    QVERIFY(!editor.tabBar()->isHidden() && !editor.property("fullBorder").toBool());

    // Groups stand in their category, in registration order, before its own rows; an empty group
    // is dropped, and a row naming a group nobody created goes to the default category. Rows
    // follow their sort keys, as sort rules leave them.
    QCOMPARE(editor.getGroups(), Names({"B", "A", "Side"}));
    QCOMPARE(items(editor.getMainLayout("INTERNAL")), Names({"B", "A", "child"}));
    QCOMPARE(items(editor.findGroupLayout("A")), Names({"gamma", "objectName", "alpha"}));
    QCOMPARE(editor.findGroupControl("Side")->parentWidget(), editor.findCategory("Extra")->getMainWidget());
    // The focus chain links the rows in sort order, then re-links them group by group (B, A,
    // Side), running on across the groups; the row outside the groups keeps its sort-order links.
    const auto name = [](const zkBaseControl *control) { return control ? control->getPropertyName() : QByteArray(); };
    QMap<QByteArray, QPair<QByteArray, QByteArray>> links;
    for (const zkBaseControl *control : editor.getControls())
        links.insert(control->getPropertyName(), {name(control->getPrevious()), name(control->getNext())});
    using Links = decltype(links);
    // Sort order: gamma, objectName, beta, alpha, delta, child.
    QCOMPARE(links, Links({{"gamma", {"delta", "objectName"}},
                           {"objectName", {"gamma", "alpha"}},
                           {"alpha", {"objectName", "beta"}},
                           {"beta", {"alpha", "alpha"}},
                           {"delta", {"alpha", "gamma"}},
                           {"child", {"delta", ""}}}));
    QCOMPARE(name(editor.getFirstControl()), QByteArray("gamma"));
    QCOMPARE(name(editor.getLastControl()), QByteArray("child"));

    const auto grid = [&editor](const char *name) {
        return qobject_cast<QGridLayout *>(editor.getControlLayoutWidget(name)->layout());
    };
    QCOMPARE(grid("alpha")->contentsMargins(), QMargins(15, 0, 0, 0));
    QCOMPARE(grid("alpha")->itemAtPosition(0, 0)->widget(), editor.getControl("alpha")->getLabel());
    QCOMPARE(editor.getControl("alpha")->getLabel()->maximumWidth(), 162); // 130 scaled, truncated
    QCOMPARE(grid("alpha")->itemAtPosition(1, 0)->widget()->objectName(), QStringLiteral("PropertySeparator"));
    QCOMPARE(grid("beta")->itemAtPosition(0, 2)->widget(), editor.getControl("beta"));
    QVERIFY(!editor.getControl("beta")->getLabel());
}

// A group starts as registered; its collapsed state is then remembered per object type.
// The build hides the editor while it fills it and shows it when done, wherever it stands.
void tst_zkPropertyEditorWidget::shownAfterBuild_data()
{
    QTest::addColumn<bool>("topLevel");
    QTest::newRow("top-level") << true;
    QTest::newRow("under a shown parent") << false;
}

void tst_zkPropertyEditorWidget::shownAfterBuild()
{
    QFETCH(bool, topLevel);
    zkEditorTestItem item;
    QWidget parent;
    parent.show();
    zkPropertyEditorWidget editor(topLevel ? nullptr : &parent, {});
    editor.setCurrentObjects(zkWrap({&item}));
    QVERIFY(editor.isVisible());
    editor.setCurrentObjects(zkWrap({&item}));
    QVERIFY(editor.isVisible());
}

// Counts the events delivered to it.
class zkEventCounter : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            ++delivered;
        return QObject::event(event);
    }
    int delivered = 0;
};

// However many rows it builds, the build leaves what others posted to the event loop.
void tst_zkPropertyEditorWidget::buildDeliversNoPostedEvents()
{
    QObject item;
    for (int i = 0; i < 600; ++i)
        item.setProperty(QByteArray::number(i).prepend("row"), i);
    zkEventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&item}));
    QCOMPARE(editor.getControls().size(), 601);
    QCOMPARE(counter.delivered, 0);
    QCoreApplication::sendPostedEvents(&counter, QEvent::User);
    QCOMPARE(counter.delivered, 1);
}

void tst_zkPropertyEditorWidget::groupStatePerType()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("G");
    factory->registerGroup<zkEditorOtherItem, zkGroupControl>(
        "G", [](zkGroupControlOptions &options) { options.collapsed = options.frameVisible = false; });
    addRow<double>(factory, "alpha", "G");
    zkEditorTestItem first, second;
    zkEditorOtherItem other;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"alpha"});
    const auto select = [&editor](QObject *object) {
        editor.setCurrentObjects(zkWrap({object}));
        return editor.findGroupControl("G");
    };

    zkGroupControl *group = select(&first);
    QVERIFY(group->isCollapsible() && group->isCollapsed() && group->isFrameVisible());
    group->setCollapsed(false);
    group = select(&other);
    QVERIFY(!group->isCollapsed() && !group->isFrameVisible());
    group->setCollapsed(true);
    QVERIFY(!select(&second)->isCollapsed());
    QVERIFY(select(&other)->isCollapsed());
}

// A rebuild from inside a control's own signal leaves that control alive while it runs.
void tst_zkPropertyEditorWidget::removedTabsAreDeletedLater()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerCategory<zkEditorTestItem, zkCategoryControl>("Extra");
    factory->registerGroup<zkEditorTestItem, zkGroupControl>("G", [](auto &options) { options.category = "Extra"; });
    addRow<double>(factory, "alpha", "G");
    zkEditorTestItem item;
    QWidget parent;
    auto *editor = new zkPropertyEditorWidget(&parent, {factory, zkPropertyEditorFactory::global()});
    editor->setCurrentObjects(zkWrap({&item}));
    QPointer<zkTestLineEditControl> control = zkRow(*editor, "alpha");
    QPointer<QWidget> defaultTab = editor->findCategory("INTERNAL");
    QPointer<QWidget> extraTab = editor->findCategory("Extra");

    QObject::connect(control->lineEdit(), &QLineEdit::textEdited, editor,
                     [editor, &item] { editor->setCurrentObjects(zkWrap({&item})); });
    QTest::keyClick(control->lineEdit(), Qt::Key_X);
    QVERIFY(control && defaultTab && extraTab);
    QCOMPARE(editor->indexOf(defaultTab), -1);
    QVERIFY(!editor->isAncestorOf(extraTab) && !extraTab->isVisibleTo(&parent));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!control && !defaultTab && !extraTab);
}

// A cached editor refreshes the same rows for another object of the same type.
void tst_zkPropertyEditorWidget::cacheRefreshesInPlace()
{
    zkEditorTestItem a, b;
    b.m_text = QStringLiteral("b");
    QObject other;
    zkPropertyEditorWidget editor(nullptr, {}, true, true);
    editor.setCurrentObjects(zkWrap({&a}));
    zkTestLineEditControl *control = zkRow(editor, "gamma");
    editor.setCurrentObjects(zkWrap({&b}));
    QCOMPARE(zkRow(editor, "gamma"), control);
    QCOMPARE(control->lineEdit()->text(), QStringLiteral("b"));
    editor.setCurrentObjects(zkWrap({&a, &other}));
    QVERIFY(!editor.getControl("gamma"));
}

QTEST_MAIN(tst_zkPropertyEditorWidget)
#include "tst_zkPropertyEditorWidget.moc"
