#include "zkDemoUndoActions.h"

#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>

#include <QAction>
#include <QtTest>

class tst_zkDemoUndoActions : public QObject
{
    Q_OBJECT

private slots:
    void init() { zkUndoStack::instance()->clear(); }
    void followTheStack();
};

void tst_zkDemoUndoActions::followTheStack()
{
    const zkDemoUndoActions actions;
    QAction *undo = actions.getUndoAction();
    QAction *redo = actions.getRedoAction();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));

    const zkdObject node = zkdObjectManager::create("zkdNode");
    node.setProperty("name", QStringLiteral("before"));
    {
        const zkScopedUndo scope(true);
        node.setProperty("name", QStringLiteral("after"));
    }
    const QString stepText = zkUndoStack::instance()->undoText();
    QVERIFY(!stepText.isEmpty());
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + stepText);

    undo->trigger();
    QCOMPARE(node.property("name").toString(), QStringLiteral("before"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("&Redo ") + stepText);

    redo->trigger();
    QCOMPARE(node.property("name").toString(), QStringLiteral("after"));
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
}

QTEST_MAIN(tst_zkDemoUndoActions)
#include "tst_zkDemoUndoActions.moc"
