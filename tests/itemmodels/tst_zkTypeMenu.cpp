#include <zkTypeMenu.h>

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using MenuOperation = std::function<void(zkTypeMenu &)>;
Q_DECLARE_METATYPE(MenuOperation)

namespace {

// A menu with types 1, 2 and 3, of which those in checked are checked.
void fill(zkTypeMenu &menu, const QList<int> &checked)
{
    menu.addType(QStringLiteral("One"), 1);
    menu.addType(QStringLiteral("Two"), 2);
    menu.addType(QStringLiteral("Three"), 3);
    const QSignalBlocker blocker(&menu);
    menu.setSelection(checked);
}

QAction *actionNamed(const QMenu &menu, const QString &text)
{
    const QList<QAction *> actions = menu.actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class tst_zkTypeMenu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void selectionChangesEmitOnce_data();
    void selectionChangesEmitOnce();
    void fixedActions();
    void clearTypesKeepsFixedActions();
    void clickTogglesAndKeepsMenuOpen();
    void escapeCloses();
};

void tst_zkTypeMenu::initTestCase()
{
    qRegisterMetaType<QList<int>>();
}

void tst_zkTypeMenu::selectionChangesEmitOnce_data()
{
    QTest::addColumn<QList<int>>("initial");
    QTest::addColumn<MenuOperation>("operation");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<bool>("emits");

    const QList<int> all{1, 2, 3};
    const QList<int> none;
    const MenuOperation selectAll = [](zkTypeMenu &menu) { menu.selectAll(); };
    const MenuOperation selectNone = [](zkTypeMenu &menu) { menu.selectNone(); };
    const MenuOperation invert = [](zkTypeMenu &menu) { menu.selectOthers(); };
    QTest::newRow("select all, all checked") << all << selectAll << all << false;
    QTest::newRow("select all, one missing") << QList<int>{1, 3} << selectAll << all << true;
    QTest::newRow("select none, none checked") << none << selectNone << none << false;
    QTest::newRow("select none") << QList<int>{2} << selectNone << none << true;
    QTest::newRow("invert") << QList<int>{2} << invert << QList<int>{1, 3} << true;
    QTest::newRow("set same selection") << QList<int>{1, 2} << MenuOperation([](zkTypeMenu &m) { m.setSelection({2, 1}); })
                                        << QList<int>{1, 2} << false;
    QTest::newRow("set selection, unknown types ignored")
        << all << MenuOperation([](zkTypeMenu &m) { m.setSelection({3, 9}); }) << QList<int>{3} << true;
}

void tst_zkTypeMenu::selectionChangesEmitOnce()
{
    QFETCH(QList<int>, initial);
    QFETCH(MenuOperation, operation);
    QFETCH(QList<int>, expected);
    QFETCH(bool, emits);

    zkTypeMenu menu;
    fill(menu, initial);
    QSignalSpy spy(&menu, &zkTypeMenu::selectionChanged);

    operation(menu);

    QCOMPARE(menu.getSelection(), expected);
    QCOMPARE(spy.count(), emits ? 1 : 0);
    if (emits)
        QCOMPARE(spy.at(0).at(0).value<QList<int>>(), expected);
}

void tst_zkTypeMenu::fixedActions()
{
    zkTypeMenu menu;
    fill(menu, {1});
    QVERIFY(menu.isTearOffEnabled());
    QSignalSpy spy(&menu, &zkTypeMenu::selectionChanged);

    for (const char *text : {"Select all", "Select none", "Invert selection"}) {
        QAction *action = actionNamed(menu, QString::fromLatin1(text));
        QVERIFY2(action, text);
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->isCheckable());
    }
    actionNamed(menu, QStringLiteral("Select all"))->trigger();
    QCOMPARE(menu.getSelection(), (QList<int>{1, 2, 3}));
    actionNamed(menu, QStringLiteral("Invert selection"))->trigger();
    QCOMPARE(menu.getSelection(), QList<int>());
    actionNamed(menu, QStringLiteral("Select none"))->trigger();
    QCOMPARE(spy.count(), 2);
}

void tst_zkTypeMenu::clearTypesKeepsFixedActions()
{
    zkTypeMenu menu;
    menu.addSeparator();
    fill(menu, {1, 2, 3});
    const int fixed = menu.actions().size() - 3;
    QPointer<QAction> one = actionNamed(menu, QStringLiteral("One"));

    menu.clearTypes();

    QVERIFY(one.isNull());
    QCOMPARE(menu.actions().size(), fixed);
    QVERIFY(menu.getSelection().isEmpty());
}

void tst_zkTypeMenu::clickTogglesAndKeepsMenuOpen()
{
    zkTypeMenu menu;
    fill(menu, {1, 2, 3});
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QSignalSpy spy(&menu, &zkTypeMenu::selectionChanged);
    QAction *two = actionNamed(menu, QStringLiteral("Two"));

    QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(two).center());
    QTest::qWait(20);

    QVERIFY(menu.isVisible());
    QVERIFY(!two->isChecked());
    QCOMPARE(menu.activeAction(), two);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QList<int>>(), (QList<int>{1, 3}));

    QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(two).center());
    QTest::qWait(20);
    QVERIFY(menu.isVisible());
    QVERIFY(two->isChecked());
    menu.close();
    QTRY_VERIFY(!menu.isVisible());
}

void tst_zkTypeMenu::escapeCloses()
{
    zkTypeMenu menu;
    fill(menu, {1, 2, 3});
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QSignalSpy spy(&menu, &zkTypeMenu::selectionChanged);

    QTest::keyClick(&menu, Qt::Key_Escape);

    QTRY_VERIFY(!menu.isVisible());
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(tst_zkTypeMenu)
#include "tst_zkTypeMenu.moc"
