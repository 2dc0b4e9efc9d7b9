#include <zkBaseControl.h>
#include <zkCategoryControl.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

class TestObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double inside MEMBER m_inside)
    Q_PROPERTY(double outside MEMBER m_outside)

public:
    double m_inside = 1.0;
    double m_outside = 2.0;
};

class TestControl : public zkBaseControl
{
public:
    using zkBaseControl::zkBaseControl;
};

class tst_zkGroupControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialState_data();
    void initialState();
    void placedAtEndOfItsCategory();
    void rowsOfARegisteredGroup();

private:
    zkGroupControl *createGroup(const QByteArray &name);

    zkPropertyEditorWidget *m_widget = nullptr;
    zkzkCategoryOptionsControlOptions m_categoryOptions;
    zkCategoryControl *m_category = nullptr;
    zkGroupControlOptions m_groupOptions;
};

void tst_zkGroupControl::init()
{
    m_widget = new zkPropertyEditorWidget(nullptr, {new zkPropertyEditorFactory}, false, false);
    m_categoryOptions.label = QStringLiteral("Main");
    m_category = new zkCategoryControl(m_widget, "Main", &m_categoryOptions, true);
    m_groupOptions = zkGroupControlOptions();
    m_groupOptions.label = QStringLiteral("Title");
    m_groupOptions.category = "Main";
}

void tst_zkGroupControl::cleanup()
{
    delete m_widget;
}

zkGroupControl *tst_zkGroupControl::createGroup(const QByteArray &name)
{
    return new zkGroupControl(m_widget, name, &m_groupOptions);
}

void tst_zkGroupControl::initialState_data()
{
    QTest::addColumn<bool>("collapsed");
    QTest::addColumn<bool>("frameVisible");

    QTest::newRow("defaults: collapsed, framed") << true << true;
    QTest::newRow("expanded") << false << true;
    QTest::newRow("without frame") << true << false;
}

void tst_zkGroupControl::initialState()
{
    QFETCH(bool, collapsed);
    QFETCH(bool, frameVisible);

    m_groupOptions.collapsed = collapsed;
    m_groupOptions.frameVisible = frameVisible;
    const zkGroupControl *group = createGroup("G");

    QCOMPARE(group->title(), QStringLiteral("Title"));
    QVERIFY(group->isCollapsible());
    QCOMPARE(group->isCollapsed(), collapsed);
    QCOMPARE(group->isFrameVisible(), frameVisible);
    QCOMPARE(group->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
}

void tst_zkGroupControl::placedAtEndOfItsCategory()
{
    QVBoxLayout *layout = m_category->getMainLayout();
    auto *row = new QLabel(QStringLiteral("row"), m_category->getMainWidget());
    layout->addWidget(row);
    zkGroupControl *first = createGroup("First");
    zkGroupControl *second = createGroup("Second");

    QCOMPARE(first->parentWidget(), m_category->getMainWidget());
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->indexOf(row), 0);
    QCOMPARE(layout->indexOf(first), 1);
    QCOMPARE(layout->indexOf(second), 2);
    QCOMPARE(m_widget->findGroupControl("Second"), second);
}

void tst_zkGroupControl::rowsOfARegisteredGroup()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerGroup<TestObject, zkGroupControl>("Group", [](zkGroupControlOptions &options) {
        options.label = QStringLiteral("Group title");
    });
    factory->registerEditor<TestObject, double, TestControl>("inside", [](zkBaseControlOptions &options) {
        options.group = "Group";
    });
    factory->registerEditor<TestObject, double, TestControl>("outside");
    TestObject object;
    zkPropertyEditorWidget widget(nullptr, {factory}, false, false);
    widget.setKeepProperties({"inside", "outside"});
    widget.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&object)});

    const zkGroupControl *group = widget.findGroupControl("Group");
    QVERIFY(group);
    QCOMPARE(group->getEditorWidget(), &widget);
    QCOMPARE(group->title(), QStringLiteral("Group title"));
    QVERIFY(group->isAncestorOf(widget.getControl("inside")));
    QVERIFY(!group->isAncestorOf(widget.getControl("outside")));
}

QTEST_MAIN(tst_zkGroupControl)
#include "tst_zkGroupControl.moc"
