#include <zkLensFlareElementClipboard.h>
#include <zkLensFlareElementsControl.h>

#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdAreaLightNode.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdLensFlareGlow.h>
#include <zkdLensFlareRing.h>
#include <zkdLensFlareStar.h>
#include <zkdLensFlareStreak.h>
#include <zkdObjectManager.h>
#include <zkdPointLightNode.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QShortcut>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using Elements = QList<zkdLensFlareElement>;

class tst_zkLensFlareElementsControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typeTables_data();
    void typeTables();
    void listShowsElements();
    void menu();
    void contextMenuRequest();
    void createElement_data();
    void createElement();
    void mouseSelectionFeedsElementEditor();
    void uncheck_data();
    void uncheck();
    void rename_data();
    void rename();
    void remove_data();
    void remove();
    void copyAndPasteBetweenEffects();
    void pasteFromAnotherProcess();
    void duplicate_data();
    void duplicate();
    void twoEffectsDisableTheList();
    void shortcutsBelongToTheList();

private:
    zkLightService *lights() const { return zkKernelServiceFactory::the().getService<zkLightService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    QListWidget *list() const { return m_control->getList(); }
    void show(const QList<zkdLensFlareEffect> &effects);
    void select(const QList<int> &rows);
    QStringList itemTexts() const;
    static QStringList names(const Elements &elements);
    static bool hasPayload();

    zkdPointLightNode m_light;
    zkdPointLightNode m_otherLight;
    zkdLensFlareEffect m_effect;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkLensFlareElementsControl *m_control = nullptr;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void tst_zkLensFlareElementsControl::init()
{
    stack()->clear();
    QGuiApplication::clipboard()->clear();
    m_light = zkdObjectManager::create<zkdPointLightNode>();
    m_otherLight = zkdObjectManager::create<zkdPointLightNode>();
    m_effect = m_light.getLensFlareEffect();
    m_effect.createLensFlareElement(QStringLiteral("G"), zkLensFlareTypes::Glow);
    m_effect.createLensFlareElement(QStringLiteral("R"), zkLensFlareTypes::Ring);
    m_effect.createLensFlareElement(QStringLiteral("L"), zkLensFlareTypes::GhostLine);
    lights()->setSelectedLights({m_light});
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdLensFlareEffect, QList<zkdLensFlareElement>, zkLensFlareElementsControl>(
            "lensFlareElements", [](zkBaseControlOptions &options) { options.spanColumns = true; });
    m_editor->setFactories({factory});
    m_editor->setKeepProperties({"lensFlareElements"});
    show({m_effect});
}

void tst_zkLensFlareElementsControl::cleanup()
{
    m_tester.reset();
    m_editor.reset();
}

void tst_zkLensFlareElementsControl::show(const QList<zkdLensFlareEffect> &effects)
{
    m_tester.reset();
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdLensFlareEffect &effect : effects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(effect));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkLensFlareElementsControl *>(m_editor->getControl("lensFlareElements"));
    QVERIFY(m_control);
    m_tester = std::make_unique<QAbstractItemModelTester>(list()->model(),
                                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
}

void tst_zkLensFlareElementsControl::select(const QList<int> &rows)
{
    list()->clearSelection();
    for (const int row : rows)
        list()->item(row)->setSelected(true);
    if (!rows.isEmpty())
        list()->setCurrentItem(list()->item(rows.first()), QItemSelectionModel::NoUpdate);
}

QStringList tst_zkLensFlareElementsControl::itemTexts() const
{
    QStringList texts;
    for (int row = 0; row < list()->count(); ++row)
        texts.append(list()->item(row)->text());
    return texts;
}

QStringList tst_zkLensFlareElementsControl::names(const Elements &elements)
{
    QStringList result;
    for (const zkdLensFlareElement &element : elements)
        result.append(element.getName());
    return result;
}

bool tst_zkLensFlareElementsControl::hasPayload()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(zkLensFlareElementClipboard::mimeType());
}

void tst_zkLensFlareElementsControl::typeTables_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");

    QTest::newRow("glow") << QByteArray("zkdLensFlareGlow") << int(zkLensFlareTypes::Glow) << "Glow";
    QTest::newRow("ring") << QByteArray("zkdLensFlareRing") << int(zkLensFlareTypes::Ring) << "Ring";
    QTest::newRow("star") << QByteArray("zkdLensFlareStar") << int(zkLensFlareTypes::Starburst) << "Starburst";
    QTest::newRow("streak") << QByteArray("zkdLensFlareStreak") << int(zkLensFlareTypes::Streak) << "Streak";
    QTest::newRow("ghost line") << QByteArray("zkdLensFlareGhostLine") << int(zkLensFlareTypes::GhostLine)
                                << "Ghost Line";
    // An element of no known kind counts as a glow.
    QTest::newRow("plain element") << QByteArray("zkdLensFlareElement") << int(zkLensFlareTypes::Glow) << "Glow";
}

void tst_zkLensFlareElementsControl::typeTables()
{
    QFETCH(QByteArray, className);
    QFETCH(int, type);
    QFETCH(QString, name);
    const auto element = zkd_cast<zkdLensFlareElement>(zkdObjectManager::create(className));
    QCOMPARE(int(zkLensFlareElementsControl::getElementType(element)), type);
    QCOMPARE(zkLensFlareElementsControl::toString(zkLensFlareTypes::ElementType(type)), name);
    QVERIFY(!zkLensFlareElementsControl::toIcon(zkLensFlareTypes::ElementType(type)).isNull());
}

void tst_zkLensFlareElementsControl::listShowsElements()
{
    const Elements elements = m_effect.getLensFlareElements();
    elements.at(1).setIsActive(false);
    m_control->updateControl();
    QCOMPARE(m_control->objectName(), QStringLiteral("zkLensFlareElementsControl"));
    QVERIFY(!m_control->getLabel());
    QCOMPARE(m_control->getEditor(), list());
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L"}));
    for (int row = 0; row < list()->count(); ++row) {
        const QListWidgetItem *item = list()->item(row);
        QCOMPARE(item->data(Qt::UserRole).value<zkdObject>(), zkdObject(elements.at(row)));
        QCOMPARE(item->checkState(), row == 1 ? Qt::Unchecked : Qt::Checked);
        QCOMPARE(item->flags(),
                 Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        QVERIFY(!item->icon().isNull());
    }
    QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(m_control->getFrame()->isEnabled());
    QVERIFY(m_control->getElementEditor()->getCurrentObjects().isEmpty());
}

// The creation submenu in menu order, then the standard actions, enabled by the selection.
void tst_zkLensFlareElementsControl::menu()
{
    const QList<QAction *> actions = m_control->getContextMenu()->actions();
    QCOMPARE(actions.size(), 7);
    QCOMPARE(actions.first()->text(), QStringLiteral("Create Element"));
    QStringList creation;
    for (const QAction *action : actions.first()->menu()->actions()) {
        creation.append(action->text());
        QVERIFY(!action->icon().isNull());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(creation, QStringList({"Glow", "Starburst", "Streak", "Ring", "Ghost Line"}));
    QStringList standard;
    for (const QAction *action : actions.mid(1)) {
        standard.append(action->text());
        QVERIFY(!action->icon().isNull());
        QVERIFY(!action->statusTip().isEmpty());
    }
    QCOMPARE(standard, QStringList({"Rename\tCtrl+R", "Copy\tCtrl+C", "Cut\tCtrl+X", "Paste\tCtrl+V",
                                    "Duplicate\tCtrl+D", "Delete\tDel"}));
    QCOMPARE(actions.at(1), m_control->getRenameAction());
    QCOMPARE(actions.at(6), m_control->getDeleteAction());

    const auto enabled = [this] {
        QList<bool> states;
        for (const QAction *action : m_control->getContextMenu()->actions().mid(1))
            states.append(action->isEnabled());
        return states;
    };
    QCOMPARE(enabled(), QList<bool>({false, false, false, lights()->hasCopiedElements(), false, false}));
    select({0});
    QCOMPARE(enabled(), QList<bool>({true, true, true, lights()->hasCopiedElements(), true, true}));
    m_control->getCopyAction()->trigger();
    QVERIFY(m_control->getPasteAction()->isEnabled());
    // A rebuilt menu carries its own shortcuts; two of each would cancel each other.
    m_control->createContextMenu();
    QCOMPARE(m_control->getContextMenu()->actions().size(), 7);
    QCOMPARE(list()->findChildren<QShortcut *>().size(), 6);
}

// A right click on the list opens the menu where the mouse is.
void tst_zkLensFlareElementsControl::contextMenuRequest()
{
    QWidget *viewport = list()->viewport();
    const QPoint position = list()->visualItemRect(list()->item(0)).center();
    QMenu *shown = nullptr;
    QPoint at;
    QTimer::singleShot(0, this, [&] {
        shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (shown) {
            at = shown->pos();
            shown->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, viewport->mapToGlobal(position));
    QApplication::sendEvent(viewport, &event);
    QCOMPARE(shown, m_control->getContextMenu());
    QCOMPARE(at, viewport->mapToGlobal(position));
}

void tst_zkLensFlareElementsControl::createElement_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("name");

    QTest::newRow("glow") << 0 << QByteArray("zkdLensFlareGlow") << "Glow";
    QTest::newRow("starburst") << 1 << QByteArray("zkdLensFlareStar") << "Starburst";
    QTest::newRow("streak") << 2 << QByteArray("zkdLensFlareStreak") << "Streak";
    QTest::newRow("ring") << 3 << QByteArray("zkdLensFlareRing") << "Ring";
    QTest::newRow("ghost line") << 4 << QByteArray("zkdLensFlareGhostLine") << "Ghost Line";
}

// A new element comes last, named after its type, selected alone, as one undo step.
void tst_zkLensFlareElementsControl::createElement()
{
    QFETCH(int, position);
    QFETCH(QByteArray, className);
    QFETCH(QString, name);
    select({0, 1});
    const Elements before = m_effect.getLensFlareElements();
    m_control->getContextMenu()->actions().first()->menu()->actions().at(position)->trigger();

    const Elements after = m_effect.getLensFlareElements();
    QCOMPARE(after.size(), 4);
    const zkdLensFlareElement created = after.last();
    QCOMPARE(created.getTypeName().toUtf8(), className);
    QCOMPARE(created.getName(), name);
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L", name}));
    QCOMPARE(m_control->getSelectedElements(), Elements({created}));
    QCOMPARE(list()->currentItem(), list()->item(3));
    QCOMPARE(lights()->getSelectedElements(), Elements({created}));
    QCOMPARE(m_control->getElementEditor()->getCurrentObjects().size(), 1);
    QCOMPARE(m_control->getElementEditor()->getCurrentObject()->getObjectId(), created.getObjectId());
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(m_effect.getLensFlareElements(), before);
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L"}));
    stack()->redo();
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L", name}));
}

// Ctrl+click extends the selection; the element editor shows every selected element.
void tst_zkLensFlareElementsControl::mouseSelectionFeedsElementEditor()
{
    QWidget *viewport = list()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, list()->visualItemRect(list()->item(0)).center());
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(2)).center());
    const Elements elements = m_effect.getLensFlareElements();
    QCOMPARE(m_control->getSelectedElements(), Elements({elements.at(0), elements.at(2)}));
    QCOMPARE(lights()->getSelectedElements(), Elements({elements.at(0), elements.at(2)}));
    QCOMPARE(m_control->getElementEditor()->getCurrentObjects().size(), 2);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(0)).center());
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(2)).center());
    QVERIFY(m_control->getElementEditor()->getCurrentObjects().isEmpty());
    QVERIFY(!m_control->getCopyAction()->isEnabled());
}

void tst_zkLensFlareElementsControl::uncheck_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("click on the check box") << true;
    QTest::newRow("check state set") << false;
}

// Unchecking deactivates the element, keeps the selection and is undone like any edit.
void tst_zkLensFlareElementsControl::uncheck()
{
    QFETCH(bool, mouse);
    select({1});
    const zkdLensFlareElement element = m_effect.getLensFlareElements().at(1);
    QListWidgetItem *item = list()->item(1);
    if (mouse) {
        m_editor->resize(400, 600);
        m_editor->show();
        QStyleOptionViewItem option;
        option.initFrom(list());
        option.rect = list()->visualItemRect(item);
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay
                          | QStyleOptionViewItem::HasDecoration;
        option.decorationSize = list()->iconSize();
        const QRect box = list()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    } else {
        item->setCheckState(Qt::Unchecked);
    }
    QVERIFY(!element.getIsActive());
    QCOMPARE(m_control->getSelectedElements(), Elements({element}));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(element.getIsActive());
    QCOMPARE(item->checkState(), Qt::Checked);
    stack()->redo();
    QCOMPARE(item->checkState(), Qt::Unchecked);
}

void tst_zkLensFlareElementsControl::rename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("confirmed") << "Sun Glow" << int(Qt::Key_Return) << "Sun Glow";
    QTest::newRow("cancelled") << "Sun Glow" << int(Qt::Key_Escape) << "G";
    QTest::newRow("unchanged") << "G" << int(Qt::Key_Return) << "G";
}

// The in-place editor renames the element when its text differs, as one undo step.
void tst_zkLensFlareElementsControl::rename()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, expected);
    m_editor->show();
    select({0});
    const zkdLensFlareElement element = m_effect.getLensFlareElements().first();
    m_control->getRenameAction()->trigger();
    auto *lineEdit = list()->viewport()->findChild<QLineEdit *>();
    QVERIFY(lineEdit);
    lineEdit->setText(typed);
    QTest::keyClick(lineEdit, Qt::Key(key));
    // The delegate commits a confirmed text from a queued call.
    QCoreApplication::processEvents();
    QCOMPARE(element.getName(), expected);
    QCOMPARE(list()->item(0)->text(), expected);
    const bool changed = expected != QLatin1String("G");
    QCOMPARE(stack()->count(), changed ? 1 : 0);
    if (!changed)
        return;
    stack()->undo();
    QCOMPARE(list()->item(0)->text(), QStringLiteral("G"));
    stack()->redo();
    QCOMPARE(list()->item(0)->text(), expected);
}

void tst_zkLensFlareElementsControl::remove_data()
{
    QTest::addColumn<bool>("cut");
    QTest::newRow("delete") << false;
    QTest::newRow("cut") << true;
}

void tst_zkLensFlareElementsControl::remove()
{
    QFETCH(bool, cut);
    const Elements before = m_effect.getLensFlareElements();
    select({0, 2});
    (cut ? m_control->getCutAction() : m_control->getDeleteAction())->trigger();
    QCOMPARE(names(m_effect.getLensFlareElements()), QStringList({"R"}));
    QCOMPARE(itemTexts(), QStringList({"R"}));
    QVERIFY(m_control->getElementEditor()->getCurrentObjects().isEmpty());
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(hasPayload(), cut);
    stack()->undo();
    QCOMPARE(m_effect.getLensFlareElements(), before);
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L"}));
    stack()->redo();
    QCOMPARE(itemTexts(), QStringList({"R"}));
}

// Copies from one light's effect are pasted into the selected light's effect in one named step;
// the system clipboard carries the same elements.
void tst_zkLensFlareElementsControl::copyAndPasteBetweenEffects()
{
    const Elements source = m_effect.getLensFlareElements();
    source.at(0).setProperty("size", 0.75f);
    zkd_cast<zkdLensFlareGhostLine>(source.at(2)).createGhost(1.5);
    select({0, 2});
    m_control->getCopyAction()->trigger();

    zkLensFlareElementClipboard::Payload payload;
    QVERIFY(zkLensFlareElementClipboard::decode(
            QGuiApplication::clipboard()->mimeData()->data(zkLensFlareElementClipboard::mimeType()), &payload));
    QCOMPARE(payload.elements.size(), 2);
    QCOMPARE(payload.elements.at(1).ghosts.size(), 1);

    const zkdLensFlareEffect target = m_otherLight.getLensFlareEffect();
    show({target});
    lights()->setSelectedLights({m_otherLight});
    m_control->onSelectionChanged();
    QVERIFY(m_control->getPasteAction()->isEnabled());
    m_control->getPasteAction()->trigger();

    const Elements pasted = target.getLensFlareElements();
    QCOMPARE(names(pasted), QStringList({"G", "L"}));
    QVERIFY(!source.contains(pasted.at(0)));
    QCOMPARE(pasted.at(0).property("size").toFloat(), 0.75f);
    QCOMPARE(zkd_cast<zkdLensFlareGhostLine>(pasted.at(1)).getGhosts().size(), 1);
    QCOMPARE(itemTexts(), QStringList({"G", "L"}));
    QCOMPARE(names(m_effect.getLensFlareElements()), QStringList({"G", "R", "L"}));
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->undoText(), QStringLiteral("Add Lens Flare Elements"));
    stack()->undo();
    QVERIFY(target.getLensFlareElements().isEmpty());
    QCOMPARE(list()->count(), 0);
    stack()->redo();
    QCOMPARE(itemTexts(), QStringList({"G", "L"}));

    // Not into a light that takes no lens flare.
    lights()->setSelectedLights({zkdObjectManager::create<zkdAreaLightNode>()});
    m_control->getPasteAction()->trigger();
    QCOMPARE(stack()->count(), 1);
}

// A payload of another instance of the application wins over the light service's older copies.
void tst_zkLensFlareElementsControl::pasteFromAnotherProcess()
{
    select({1});
    m_control->getCopyAction()->trigger();
    const auto streak = zkdObjectManager::create<zkdLensFlareStreak>();
    streak.setName(QStringLiteral("Foreign"));
    streak.setProperty("thickness", 0.25f);
    QByteArray bytes = zkLensFlareElementClipboard::encode({streak});
    // The writer's session follows the magic number and the version.
    QDataStream patch(&bytes, QIODevice::ReadWrite);
    patch.device()->seek(6);
    patch << quint64(zkLensFlareElementClipboard::session() ^ 0x10);
    auto *mimeData = new QMimeData;
    mimeData->setData(zkLensFlareElementClipboard::mimeType(), bytes);
    QGuiApplication::clipboard()->setMimeData(mimeData);

    m_control->getPasteAction()->trigger();
    const Elements elements = m_effect.getLensFlareElements();
    QCOMPARE(names(elements), QStringList({"G", "R", "L", "Foreign"}));
    QVERIFY(elements.last() != streak);
    QVERIFY(elements.last().isTypeOf<zkdLensFlareStreak>());
    QCOMPARE(elements.last().property("thickness").toFloat(), 0.25f);
    QCOMPARE(stack()->count(), 1);
}

void tst_zkLensFlareElementsControl::duplicate_data()
{
    QTest::addColumn<int>("selectedLights"); // 1: the light, 2: both lights, 0: an area light
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one point light") << 1 << QStringList({"G", "G", "R", "L", "L"});
    QTest::newRow("two lights") << 2 << QStringList({"G", "R", "L"});
    QTest::newRow("no point light") << 0 << QStringList({"G", "R", "L"});
}

void tst_zkLensFlareElementsControl::duplicate()
{
    QFETCH(int, selectedLights);
    QFETCH(QStringList, expected);
    const QList<zkdBaseLightNode> selections[] = {
        {zkdObjectManager::create<zkdAreaLightNode>()}, {m_light}, {m_light, m_otherLight}};
    lights()->setSelectedLights(selections[selectedLights]);
    select({0, 2});
    m_control->getDuplicateAction()->trigger();
    QCOMPARE(names(m_effect.getLensFlareElements()), expected);
    QCOMPARE(itemTexts(), expected);
    const bool changed = expected.size() == 5;
    QCOMPARE(stack()->count(), changed ? 1 : 0);
    if (!changed)
        return;
    // The originals stay selected.
    const Elements elements = m_effect.getLensFlareElements();
    QCOMPARE(m_control->getSelectedElements(), Elements({elements.at(0), elements.at(3)}));
    stack()->undo();
    QCOMPARE(itemTexts(), QStringList({"G", "R", "L"}));
    stack()->redo();
    QCOMPARE(itemTexts(), expected);
}

void tst_zkLensFlareElementsControl::twoEffectsDisableTheList()
{
    show({m_effect, m_otherLight.getLensFlareEffect()});
    QVERIFY(!m_control->getFrame()->isEnabled());
    QCOMPARE(m_control->getSelectedEffects().size(), 2);
    show({m_effect});
    QVERIFY(m_control->getFrame()->isEnabled());
}

// Ctrl+C copies only while the list has the focus.
void tst_zkLensFlareElementsControl::shortcutsBelongToTheList()
{
    QWidget window;
    auto *other = new QLineEdit(&window);
    m_editor->setParent(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(other);
    layout->addWidget(m_editor.get());
    const auto release = qScopeGuard([this] { m_editor->setParent(nullptr); });
    window.show();
    QApplication::setActiveWindow(&window);
    select({0});
    other->setFocus();
    QTest::keyClick(other, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!hasPayload());
    list()->setFocus();
    QCOMPARE(QApplication::focusWidget(), list());
    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(hasPayload());
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(itemTexts(), QStringList({"R", "L"}));
}

QTEST_MAIN(tst_zkLensFlareElementsControl)
#include "tst_zkLensFlareElementsControl.moc"
