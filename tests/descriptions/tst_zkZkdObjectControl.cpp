#include <QZKCollapsibleFrame.h>
#include <zkBaseControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkQStringControl.h>
#include <zkUndoStack.h>
#include <zkZkdObjectControl.h>
#include <zkdClearcoat.h>
#include <zkdMetallicPaintClearcoat.h>
#include <zkdMetallicPaintMaterial.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

using ClearcoatControl = zkZkdObjectControl<zkdMetallicPaintClearcoat>;

zkdObject clearcoatOf(const zkdObject &paint)
{
    return zkdObjectManager::fromVariant(paint.property("clearcoat"));
}

QList<zkPropertyEditorObjectWrapper *> wrap(const QList<zkdObject> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdObject &object : objects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    return wrappers;
}

} // namespace

class tst_zkZkdObjectControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void nestedEditReachesEveryParentInOneStep();
    void handOverEmitsNothing();
    void skipSetHidesRows();
    void cacheFollowsParent_data();
    void cacheFollowsParent();
    void unusableSubObjectAddsNoRows_data();
    void unusableSubObjectAddsNoRows();
    void collapsedGroupBuildsOnDemand_data();
    void collapsedGroupBuildsOnDemand();
    void destroyedSubObjectRebuildsEmpty();
    void vanishedPropertyEmptiesNestedEditor();
    void tabWalksThroughNestedRows();
    void controlClassNameNamesTheType();

private:
    QList<zkdObject> m_paints;
};

void tst_zkZkdObjectControl::initTestCase()
{
    // Registered after the descriptions, so whichever registration the factory meets first, the
    // row is a nested clearcoat editor.
    zkPropertyEditorFactory::init();
    zkPropertyEditorFactory::global()->registerEditor<zkdMetallicPaintMaterial, zkdMetallicPaintClearcoat, ClearcoatControl>(
        "clearcoat", [](zkZkdZkdObjectControlOptions &options) { options.forceWritable(); });
    // Rows of their own, so that the registration order puts the nested editor between them.
    zkPropertyEditorFactory *factory = zkPropertyEditorFactory::global();
    factory->registerEditor<QObject, QString, zkQStringControl>("before");
    factory->registerEditor<QObject, zkdMetallicPaintClearcoat, ClearcoatControl>("clearcoat");
    factory->registerEditor<QObject, QString, zkQStringControl>("later");
    for (int i = 0; i < 3; ++i)
        m_paints.append(zkdObjectManager::create("zkdMetallicPaintMaterial"));
}

void tst_zkZkdObjectControl::cleanup()
{
    zkUndoStack::instance()->clear();
}

void tst_zkZkdObjectControl::nestedEditReachesEveryParentInOneStep()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({m_paints.at(0), m_paints.at(2)}));
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("clearcoat");
    QVERIFY(nested);
    QCOMPARE(nested->getCurrentObjects().size(), 2);
    QCOMPARE(nested->getCurrentObjects().at(0)->getObjectId(), clearcoatOf(m_paints.at(0)).getObjectId());
    QCOMPARE(nested->getCurrentObjects().at(1)->getObjectId(), clearcoatOf(m_paints.at(2)).getObjectId());

    const float untouched = clearcoatOf(m_paints.at(1)).property("thickness").toFloat();
    const int steps = zkUndoStack::instance()->count();
    nested->setProperty("thickness", QVariant(2.5f));

    QCOMPARE(zkUndoStack::instance()->count(), steps + 1);
    QCOMPARE(clearcoatOf(m_paints.at(0)).property("thickness").toFloat(), 2.5f);
    QCOMPARE(clearcoatOf(m_paints.at(2)).property("thickness").toFloat(), 2.5f);
    QCOMPARE(clearcoatOf(m_paints.at(1)).property("thickness").toFloat(), untouched);

    zkUndoStack::instance()->undo();
    QCOMPARE(clearcoatOf(m_paints.at(0)).property("thickness").toFloat(), 1.0f);
    QCOMPARE(clearcoatOf(m_paints.at(2)).property("thickness").toFloat(), 1.0f);
    QCOMPARE(nested->getProperty("thickness").toFloat(), 1.0f);
}

void tst_zkZkdObjectControl::handOverEmitsNothing()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({m_paints.at(0)}));
    auto *control = dynamic_cast<ClearcoatControl *>(editor.getControl("clearcoat"));
    QVERIFY(control);
    using ObjectSignal = void (zkPropertyEditorWidget::*)(const zkdObject &, const QByteArray &);
    QSignalSpy spy(control->getNestedEditor(), ObjectSignal(&zkPropertyEditorWidget::editorPropertyChanged));
    QSignalSpy selection(control->getNestedEditor(), &zkPropertyEditorWidget::selectObjectRequested);
    control->updateControl();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(selection.count(), 0);
    QCOMPARE(control->getNestedEditor()->getCurrentObjects().size(), 1);
}

void tst_zkZkdObjectControl::skipSetHidesRows()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({m_paints.at(1)}));
    zkZkdZkdObjectControlOptions options;
    options.skipProperties = {"thickness"};
    ClearcoatControl control(&editor, "clearcoat", &options);
    control.updateControl();
    zkPropertyEditorWidget *nested = control.getNestedEditor();
    QVERIFY(!nested->getControl("thickness"));
    QVERIFY(nested->getControl("density"));
}

void tst_zkZkdObjectControl::cacheFollowsParent_data()
{
    QTest::addColumn<bool>("cached");
    QTest::newRow("cached parent") << true;
    QTest::newRow("plain parent") << false;
}

void tst_zkZkdObjectControl::cacheFollowsParent()
{
    QFETCH(bool, cached);
    zkPropertyEditorWidget editor(nullptr, {}, true, cached);
    editor.setCurrentObjects(wrap({m_paints.at(0)}));
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("clearcoat");
    QVERIFY(nested);
    QCOMPARE(nested->hasCache(), cached);
    QVERIFY(!nested->getVerticalScroll());
    QCOMPARE(nested->getParentPropertyName(), QByteArray("clearcoat"));
}

void tst_zkZkdObjectControl::unusableSubObjectAddsNoRows_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("null handle") << QVariant::fromValue(zkdMetallicPaintClearcoat());
    QTest::newRow("other class") << zkdObjectManager::toVariant(zkdObjectManager::create("zkdClearcoat"));
    QTest::newRow("not an object") << QVariant(7);
    QTest::newRow("invalid") << QVariant();
}

// A QObject parent carries whatever value the test gives it; the kernel's own always hold one.
void tst_zkZkdObjectControl::unusableSubObjectAddsNoRows()
{
    QFETCH(QVariant, value);
    QObject parent;
    parent.setProperty("clearcoat", value);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&parent)});
    zkZkdZkdObjectControlOptions options;
    ClearcoatControl control(&editor, "clearcoat", &options);
    control.updateControl();
    QVERIFY(control.getNestedEditor()->getCurrentObjects().isEmpty());
    QVERIFY(control.getNestedEditor()->getControls().isEmpty());
}

void tst_zkZkdObjectControl::collapsedGroupBuildsOnDemand_data()
{
    QTest::addColumn<bool>("expand");
    QTest::newRow("group expanded") << true;
    QTest::newRow("nested editor asked for") << false;
}

void tst_zkZkdObjectControl::collapsedGroupBuildsOnDemand()
{
    QFETCH(bool, expand);
    QObject parent;
    parent.setProperty("clearcoat", zkdObjectManager::toVariant(zkdObjectManager::create("zkdMetallicPaintClearcoat")));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&parent)});
    QZKCollapsibleFrame group(QStringLiteral("Clearcoat"), true);
    zkZkdZkdObjectControlOptions options;
    ClearcoatControl control(&editor, "clearcoat", &options);
    control.setParent(&group);
    control.updateControl();
    const auto *nested = qobject_cast<zkPropertyEditorWidget *>(control.getEditor());
    QVERIFY(nested && nested->getCurrentObjects().isEmpty());

    if (expand)
        group.setCollapsed(false);
    else
        QCOMPARE(control.getNestedEditor(), nested);
    QCOMPARE(nested->getCurrentObjects().size(), 1);
    QVERIFY(nested->getControl("thickness"));
}

void tst_zkZkdObjectControl::destroyedSubObjectRebuildsEmpty()
{
    const zkdObject paint = zkdObjectManager::create("zkdMetallicPaintMaterial");
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({paint}));
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("clearcoat");
    QVERIFY(nested && nested->getControl("thickness"));

    zkdObjectManager::destroy(clearcoatOf(paint));
    editor.getControl("clearcoat")->updateControl();
    QCOMPARE(editor.getChildPropertyEditor("clearcoat"), nested);
    QVERIFY(nested->getCurrentObjects().isEmpty());
    QVERIFY(!nested->getControl("thickness"));
}

// Tab from the row before the nested editor enters its first row, leaves its last row for the
// parent's next row, and Shift+Tab walks back the same way.
void tst_zkZkdObjectControl::tabWalksThroughNestedRows()
{
    QObject parent;
    parent.setProperty("before", QStringLiteral("b"));
    parent.setProperty("clearcoat", zkdObjectManager::toVariant(clearcoatOf(m_paints.at(0))));
    parent.setProperty("later", QStringLiteral("l"));
    QWidget window;
    auto *editor = new zkPropertyEditorWidget(&window, {});
    editor->setCurrentObjects({new zkPropertyEditorQObjectWrapper(&parent)});
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    zkBaseControl *owner = editor->getControl("clearcoat");
    zkPropertyEditorWidget *nested = editor->getChildPropertyEditor("clearcoat");
    QVERIFY(owner && nested && owner->getPreviousFocus() && owner->getNextFocus());
    zkBaseControl *head = nested->getFirstControl();
    while (head->getPrevious())
        head = head->getPrevious();
    zkBaseControl *tail = nested->getLastControl();
    while (tail->getNext())
        tail = tail->getNext();
    // Rows switched off by their description's rules take no focus.
    while (!tail->isEnabled() || tail->isHidden())
        tail = tail->getPrevious();
    QVERIFY(head != tail);
    const auto focusedRow = [](zkBaseControl *row) {
        return row->isAncestorOf(QApplication::focusWidget()) || row == QApplication::focusWidget();
    };

    owner->getPreviousFocus()->setFocus(Qt::TabFocusReason);
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(focusedRow(head));

    tail->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(focusedRow(owner->getNextFocus()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(focusedRow(tail));
}

void tst_zkZkdObjectControl::vanishedPropertyEmptiesNestedEditor()
{
    QObject parent;
    parent.setProperty("clearcoat", zkdObjectManager::toVariant(clearcoatOf(m_paints.at(1))));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&parent)});
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("clearcoat");
    QVERIFY(nested && nested->getControl("thickness"));

    const int steps = zkUndoStack::instance()->count();
    parent.setProperty("clearcoat", QVariant());
    if (zkBaseControl *control = editor.getControl("clearcoat"))
        control->updateControl();
    QVERIFY(nested->getCurrentObjects().isEmpty());
    QCOMPARE(zkUndoStack::instance()->count(), steps);
}

void tst_zkZkdObjectControl::controlClassNameNamesTheType()
{
    QCOMPARE(ClearcoatControl::controlClassName(), QByteArray("zkZkdObjectControl<zkdMetallicPaintClearcoat>"));
    QCOMPARE(zkControlClassName<ClearcoatControl>(), ClearcoatControl::controlClassName());
}

QTEST_MAIN(tst_zkZkdObjectControl)
#include "tst_zkZkdObjectControl.moc"
