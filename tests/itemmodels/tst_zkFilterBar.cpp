#include <zkFilterBar.h>
#include <zkTypeMenu.h>

#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QAction>
#include <QToolButton>
#include <QtTest>

namespace {

struct TestBar : zkFilterBar
{
    QString getTypeName(int type) const override { return QStringLiteral("Type %1").arg(type); }
    int getCategory(int type) const override { return categories.value(type); }
    using zkFilterBar::addTypesToMenu;
    using zkFilterBar::getTypeMenu;

    QHash<int, int> categories;
};

// "Text" for an action, "Text*" when checked, "-" for a separator.
QString entries(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text() + (action->isChecked() ? "*" : ""));
    return texts.join(QLatin1Char('|'));
}

} // namespace

class tst_zkFilterBar : public QObject
{
    Q_OBJECT
private slots:
    void toolButtons_data();
    void toolButtons();
    void typeMenu_data();
    void typeMenu();
    void typeMenuStaysOpenWhileToggling();
};

void tst_zkFilterBar::toolButtons_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QByteArray>("toggles"); // the signal that its toggled() reaches

    QTest::newRow("recursive") << "FilterBar_RecursiveFilterButton"
                               << "Toggle search depth" << QByteArray(SIGNAL(recursiveFilteringToggled(bool)));
    QTest::newRow("type filter") << "FilterBar_TypeFilterButton"
                                 << "Toggle type filter" << QByteArray(SIGNAL(typeFilteringToggled(bool)));
    QTest::newRow("type menu") << "FilterBar_TypeMenuButton" << "Select a type filter" << QByteArray();
}

void tst_zkFilterBar::toolButtons()
{
    QFETCH(QString, objectName);
    QFETCH(QString, toolTip);
    QFETCH(QByteArray, toggles);

    TestBar bar;
    auto *button = bar.findChild<QToolButton *>(objectName);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->isCheckable() && !button->isChecked() && !button->icon().isNull());
    QCOMPARE(button->sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred));
    if (toggles.isEmpty()) {
        QCOMPARE(button->iconSize(),
                 zkKernelServiceFactory::the().getService<zkPlatformService>()->getToolButtonIconSize());
        return;
    }
    QSignalSpy spy(&bar, toggles.constData());
    button->click();
    QCOMPARE(spy.count(), 1);
}

void tst_zkFilterBar::typeMenu_data()
{
    QTest::addColumn<QList<int>>("categories"); // of types 1, 2 and 3
    QTest::addColumn<QString>("action"); // triggered after selecting types 1 and 3
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("emits");

    QTest::newRow("one category") << QList<int>{0, 0, 0} << "" << "Type 1*|Type 2|Type 3*" << 0;
    QTest::newRow("second category") << QList<int>{0, 1, 1} << "" << "Type 1*|-|Type 2|Type 3*" << 0;
    QTest::newRow("first category not 0") << QList<int>{2, 2, 0} << "" << "-|Type 1*|Type 2|-|Type 3*" << 0;
    QTest::newRow("select all") << QList<int>{0, 0, 0} << "Select all" << "Type 1*|Type 2*|Type 3*" << 1;
    QTest::newRow("select none") << QList<int>{0, 0, 0} << "Select none" << "Type 1|Type 2|Type 3" << 1;
    QTest::newRow("invert") << QList<int>{0, 0, 0} << "Invert selection" << "Type 1|Type 2*|Type 3" << 1;
    QTest::newRow("toggle") << QList<int>{0, 0, 0} << "Type 3" << "Type 1*|Type 2|Type 3" << 1;
}

void tst_zkFilterBar::typeMenu()
{
    QFETCH(QList<int>, categories);
    QFETCH(QString, action);
    QFETCH(QString, expected);
    QFETCH(int, emits);

    TestBar bar;
    bar.categories = {{1, categories.at(0)}, {2, categories.at(1)}, {3, categories.at(2)}};
    bar.addTypesToMenu({1, 2, 3});
    zkTypeMenu *menu = bar.getTypeMenu();
    QVERIFY(menu->isTearOffEnabled());
    // New types start checked; unknown types are ignored, and an equal selection emits nothing.
    QCOMPARE(menu->getSelection(), (QList<int>{1, 2, 3}));
    menu->setSelection({3, 1, 9});
    QSignalSpy spy(&bar, &zkFilterBar::typeFilterChanged);
    QSignalSpy toggles(&bar, &zkFilterBar::typeFilteringToggled);
    menu->setSelection({1, 3});
    for (QAction *each : menu->actions()) {
        if (!action.isEmpty() && each->text() == action)
            each->trigger();
    }
    QCOMPARE(entries(*menu), "Select all|Select none|Invert selection|" + expected);
    QCOMPARE(spy.count(), emits);
    QVERIFY(!emits || spy.at(0).at(0).value<QList<int>>() == menu->getSelection());
    for (QAction *fixed : menu->actions().mid(0, 3))
        QVERIFY(fixed->shortcut().isEmpty() && !fixed->isCheckable());

    // The type filter follows the menu: on while something is selected.
    QCOMPARE(toggles.count(), action == QLatin1String("Select none") ? 1 : 0);
    QCOMPARE(bar.isTypeFilteringEnabled(), !menu->getSelection().isEmpty());
    // Clearing leaves the fixed actions and the separators.
    menu->clearTypes();
    QVERIFY(!entries(*menu).contains(QStringLiteral("Type")) && menu->getSelection().isEmpty());
}

void tst_zkFilterBar::typeMenuStaysOpenWhileToggling()
{
    TestBar bar;
    bar.addTypesToMenu({1, 2});
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto *button = bar.findChild<QToolButton *>(QStringLiteral("FilterBar_TypeMenuButton"));
    zkTypeMenu *menu = bar.getTypeMenu();
    button->click();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->pos(), bar.mapToGlobal(button->pos() + QPoint(0, button->height())));

    QAction *two = menu->actions().last();
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(two).center());
    QTest::qWait(20);
    QVERIFY(menu->isVisible() && !two->isChecked() && menu->activeAction() == two);
    // Escape closes the menu and unchecks its button without asking for the menu again.
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QTest::qWait(20);
    QVERIFY(!menu->isVisible() && !button->isChecked() && !two->isChecked());
}

QTEST_MAIN(tst_zkFilterBar)
#include "tst_zkFilterBar.moc"
