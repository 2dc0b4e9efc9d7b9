#include <zkFilterBar.h>
#include <zkTypeMenu.h>

#include <QZKSearchBox.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QAction>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

class TestBar : public zkFilterBar
{
public:
    QString getTypeName(int type) const override { return QStringLiteral("Type %1").arg(type); }
    int getCategory(int type) const override { return categories.value(type); }

    using zkFilterBar::addTypesToMenu;
    using zkFilterBar::getTypeMenu;

    QHash<int, int> categories;
};

// The type entries of the menu after its three fixed actions; "-" for a separator.
QString typeEntries(const QMenu &menu)
{
    QStringList entries;
    const QList<QAction *> actions = menu.actions().mid(3);
    for (const QAction *action : actions)
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries.join(QLatin1Char('|'));
}

} // namespace

class tst_zkFilterBar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void toolButtons_data();
    void toolButtons();
    void signalsAreForwarded();
    void menuSelectionEnablesTypeFiltering();
    void addTypesToMenu_data();
    void addTypesToMenu();
    void menuOpensBelowItsButton();
};

void tst_zkFilterBar::initTestCase()
{
    qRegisterMetaType<QList<int>>();
}

void tst_zkFilterBar::toolButtons_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("recursive") << "FilterBar_RecursiveFilterButton" << "Toggle search depth";
    QTest::newRow("type filter") << "FilterBar_TypeFilterButton" << "Toggle type filter";
    QTest::newRow("type menu") << "FilterBar_TypeMenuButton" << "Select a type filter";
}

void tst_zkFilterBar::toolButtons()
{
    QFETCH(QString, objectName);
    QFETCH(QString, toolTip);

    TestBar bar;
    const auto *button = bar.findChild<QToolButton *>(objectName);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->isCheckable());
    QVERIFY(!button->isChecked());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    if (objectName == QLatin1String("FilterBar_TypeMenuButton")) {
        const auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
        QVERIFY(platform);
        QCOMPARE(button->iconSize(), platform->getToolButtonIconSize());
    }
}

void tst_zkFilterBar::signalsAreForwarded()
{
    TestBar bar;
    QSignalSpy nameSpy(&bar, &zkFilterBar::nameFilterChanged);
    QSignalSpy recursiveSpy(&bar, &zkFilterBar::recursiveFilteringToggled);
    QSignalSpy typeSpy(&bar, &zkFilterBar::typeFilteringToggled);
    auto *searchBox = bar.findChild<QZKSearchBox *>();
    QVERIFY(searchBox->hasSearchLineStyle());

    searchBox->setText(QStringLiteral("chrome"));
    bar.findChild<QToolButton *>(QStringLiteral("FilterBar_RecursiveFilterButton"))->click();
    bar.setRecursiveFilteringEnabled(false);
    bar.findChild<QToolButton *>(QStringLiteral("FilterBar_TypeFilterButton"))->click();

    QCOMPARE(nameSpy.count(), 1);
    QCOMPARE(bar.getNameFilter(), QStringLiteral("chrome"));
    QCOMPARE(recursiveSpy.count(), 2);
    QVERIFY(!bar.isRecursiveFilteringEnabled());
    QCOMPARE(typeSpy.count(), 1);
    QVERIFY(bar.isTypeFilteringEnabled());
}

void tst_zkFilterBar::menuSelectionEnablesTypeFiltering()
{
    TestBar bar;
    bar.addTypesToMenu({1, 2});
    QStringList events;
    connect(&bar, &zkFilterBar::typeFilteringToggled, &bar,
            [&events](bool on) { events.append(on ? QStringLiteral("on") : QStringLiteral("off")); });
    connect(&bar, &zkFilterBar::typeFilterChanged, &bar, [&events](const QList<int> &types) {
        QStringList names;
        for (int type : types)
            names.append(QString::number(type));
        events.append(QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']'));
    });

    bar.getTypeMenu()->selectNone();
    bar.getTypeMenu()->setSelection({2});
    bar.getTypeMenu()->selectAll();
    bar.getTypeMenu()->selectNone();

    QCOMPARE(events, (QStringList{"[]", "on", "[2]", "[1,2]", "off", "[]"}));
    QVERIFY(!bar.isTypeFilteringEnabled());
    QVERIFY(bar.getTypeFilter().isEmpty());
}

void tst_zkFilterBar::addTypesToMenu_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QList<int>>("categories");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one category") << QList<int>{1, 2, 3} << QList<int>{0, 0, 0} << "Type 1|Type 2|Type 3";
    QTest::newRow("second category") << QList<int>{1, 2, 3} << QList<int>{0, 1, 1} << "Type 1|-|Type 2|Type 3";
    QTest::newRow("first category not 0") << QList<int>{4, 5, 6} << QList<int>{2, 2, 0}
                                          << "-|Type 4|Type 5|-|Type 6";
    QTest::newRow("alternating") << QList<int>{7, 8, 9} << QList<int>{0, 3, 0} << "Type 7|-|Type 8|-|Type 9";
}

void tst_zkFilterBar::addTypesToMenu()
{
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, categories);
    QFETCH(QString, expected);

    TestBar bar;
    for (int i = 0; i < types.size(); ++i)
        bar.categories.insert(types.at(i), categories.at(i));
    bar.addTypesToMenu(types);

    QCOMPARE(typeEntries(*bar.getTypeMenu()), expected);
    QCOMPARE(bar.getTypeFilter(), types);
}

void tst_zkFilterBar::menuOpensBelowItsButton()
{
    TestBar bar;
    bar.addTypesToMenu({1, 2});
    bar.move(40, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto *button = bar.findChild<QToolButton *>(QStringLiteral("FilterBar_TypeMenuButton"));
    zkTypeMenu *menu = bar.getTypeMenu();

    button->click();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->pos(), bar.mapToGlobal(button->pos() + QPoint(0, button->height())));
    QVERIFY(button->isChecked());

    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(!button->isChecked());
    QTest::qWait(20);
    QVERIFY(!menu->isVisible());

    button->click();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    button->setChecked(false);
    QTRY_VERIFY(!menu->isVisible());
}

QTEST_MAIN(tst_zkFilterBar)
#include "tst_zkFilterBar.moc"
