#include "zkDemoSceneViews.h"
#include "zkDemoUndoActions.h"
#include "zkDemoWindow.h"

#include <zkFilterBar.h>
#include <zkMaterialIconView.h>
#include <zkMaterialTagView.h>
#include <zkMaterialTreeView.h>
#include <zkModelTester.h>
#include <zkNodeBasedTreeView.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkSampleScene.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>

#include <QAbstractProxyModel>
#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList selectedNames(const QAbstractItemView *view)
{
    QStringList names;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes()) {
        if (index.column() == 0)
            names.append(index.data().toString());
    }
    return sorted(names);
}

// The rows as "name[children, ...]".
QString dump(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString children = dump(model, index);
        rows.append(index.data().toString() + (children.isEmpty() ? QString() : '[' + children + ']'));
    }
    return rows.join(QStringLiteral(", "));
}

QModelIndex find(const QAbstractItemView *view, const QString &name)
{
    const QAbstractItemModel *model = view->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, name, 1,
                                               Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

} // namespace

class tst_zkDemoSceneViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zkSampleScene::build(); }
    void init();
    void cleanup();
    void selectionFollows_data();
    void selectionFollows();
    void nameFilter_data();
    void nameFilter();
    void visibilityCheckBoxUndoes();
    void selectByNames_data();
    void selectByNames();
    void selectByPath_data();
    void selectByPath();

private:
    QAbstractItemView *view(const QString &name) const;
    QStringList editorNames() const;

    std::unique_ptr<zkDemoWindow> m_window;
    std::vector<std::unique_ptr<zkModelTester>> m_testers;
};

void tst_zkDemoSceneViews::init()
{
    zkUndoStack::instance()->clear();
    m_window = std::make_unique<zkDemoWindow>();
    for (const char *name : {"materials", "nodes", "variant sets", "tags", "previews"}) {
        QAbstractItemModel *model = view(name)->model();
        m_testers.push_back(std::make_unique<zkModelTester>(model));
        if (const auto *proxy = qobject_cast<QAbstractProxyModel *>(model))
            m_testers.push_back(std::make_unique<zkModelTester>(proxy->sourceModel()));
    }
}

void tst_zkDemoSceneViews::cleanup()
{
    m_testers.clear();
    m_window.reset();
}

QAbstractItemView *tst_zkDemoSceneViews::view(const QString &name) const
{
    const zkDemoSceneViews *views = m_window->getSceneViews();
    const QHash<QString, QAbstractItemView *> all{
        {QStringLiteral("materials"), views->getMaterialView()}, {QStringLiteral("nodes"), views->getNodeView()},
        {QStringLiteral("variant sets"), views->getVariantSetView()}, {QStringLiteral("tags"), views->getTagView()},
        {QStringLiteral("previews"), views->getPreviewView()}};
    return all.value(name);
}

QStringList tst_zkDemoSceneViews::editorNames() const
{
    QStringList names;
    for (const zkPropertyEditorObjectWrapper *object : m_window->getEditor()->getCurrentObjects())
        names.append(zkdObjectManager::find(object->getObjectId()).property("name").toString());
    return sorted(names);
}

void tst_zkDemoSceneViews::selectionFollows_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("name");
    // What the material, tag and preview views select afterwards.
    QTest::addColumn<QStringList>("materials");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("previews");

    const QStringList leather{QStringLiteral("Leather")};
    const QStringList windscreen{QStringLiteral("Windscreen")};
    // A material with two tags shows under both; the clicked view keeps its own selection.
    QTest::newRow("tree") << "materials" << "Leather" << leather << leather + leather << leather;
    QTest::newRow("tag") << "tags" << "Leather" << leather << leather << leather;
    QTest::newRow("preview") << "previews" << "Windscreen" << windscreen << windscreen + windscreen << windscreen;
    QTest::newRow("untagged") << "materials" << "Piano Black" << QStringList{"Piano Black"} << QStringList()
                              << QStringList{"Piano Black"};
    QTest::newRow("sub-material") << "materials" << "Rim Silver" << QStringList{"Rim Silver"} << QStringList()
                                  << QStringList();
}

void tst_zkDemoSceneViews::selectionFollows()
{
    QFETCH(QString, source);
    QFETCH(QString, name);
    QFETCH(QStringList, materials);
    QFETCH(QStringList, tags);
    QFETCH(QStringList, previews);

    // Something of another kind first, which the new selection replaces everywhere.
    m_window->getSceneViews()->selectByNames({QStringLiteral("Sun")});
    const QModelIndex index = find(view(source), name);
    QVERIFY(index.isValid());
    view(source)->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    QCOMPARE(editorNames(), QStringList{name});
    QCOMPARE(selectedNames(view("materials")), materials);
    QCOMPARE(selectedNames(view("tags")), tags);
    QCOMPARE(selectedNames(view("previews")), previews);
    QCOMPARE(selectedNames(view("nodes")), QStringList());
}

void tst_zkDemoSceneViews::nameFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("rows");

    QTest::newRow("material") << "matte grey" << "Paints[Matte[Matte Grey]]";
    QTest::newRow("group keeps its subtree")
        << "Matte" << "Paints[Matte[Matte Grey, Mirror Caps[Caps Body Color, Caps Carbon]]]";
    QTest::newRow("two groups") << "Leather" << "Interior[Leather], Glazing[Measured Leather]";
}

void tst_zkDemoSceneViews::nameFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, rows);

    auto *searchBox = m_window->getSceneViews()->getFilterBar()->findChild<QLineEdit *>();
    QVERIFY(searchBox);
    searchBox->setText(filter);
    QCOMPARE(dump(*view("materials")->model()), rows);
}

void tst_zkDemoSceneViews::visibilityCheckBoxUndoes()
{
    const zkdNode sun = zkd_cast<zkdNode>(zkSampleScene::find(QStringLiteral("Sun")));
    QVERIFY(sun.getVisibilityFlag());
    QAbstractItemModel *model = view("nodes")->model();
    const QModelIndex index = find(view("nodes"), QStringLiteral("Sun"));
    QVERIFY(model->flags(index) & Qt::ItemIsUserCheckable);

    QVERIFY(model->setData(index, Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!sun.getVisibilityFlag());
    QAction *undo = m_window->getUndoActions()->getUndoAction();
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QVERIFY(sun.getVisibilityFlag());
    QTRY_COMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void tst_zkDemoSceneViews::selectByNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("tab"); // the view of the current tab
    // What the material, node and variant set views select.
    QTest::addColumn<QStringList>("materials");
    QTest::addColumn<QStringList>("nodes");
    QTest::addColumn<QStringList>("variantSets");

    QTest::newRow("kinds") << QStringList{"Leather", "Sun", "Trims", "Nope"} << QStringList{"Nope"} << "materials"
                           << QStringList{"Leather"} << QStringList{"Sun"} << QStringList{"Trims"};
    QTest::newRow("two paints") << QStringList{"Racing Red", "Midnight Blue"} << QStringList() << "materials"
                                << QStringList{"Midnight Blue", "Racing Red"} << QStringList() << QStringList();
    QTest::newRow("variant set first") << QStringList{"Wood Trim", "Head Lamp"} << QStringList() << "variant sets"
                                       << QStringList() << QStringList{"Head Lamp"} << QStringList{"Wood Trim"};
    QTest::newRow("none known") << QStringList{"Nope"} << QStringList{"Nope"} << "materials" << QStringList()
                                << QStringList() << QStringList();
}

void tst_zkDemoSceneViews::selectByNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, missing);
    QFETCH(QString, tab);
    QFETCH(QStringList, materials);
    QFETCH(QStringList, nodes);
    QFETCH(QStringList, variantSets);

    zkDemoSceneViews *views = m_window->getSceneViews();
    QCOMPARE(views->selectByNames(names), missing);
    QVERIFY(views->currentWidget()->isAncestorOf(view(tab)) || views->currentWidget() == view(tab));
    QCOMPARE(selectedNames(view("materials")), materials);
    QCOMPARE(selectedNames(view("nodes")), nodes);
    QCOMPARE(selectedNames(view("variant sets")), variantSets);
    QCOMPARE(editorNames(), sorted(materials + nodes + variantSets));
}

void tst_zkDemoSceneViews::selectByPath_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("missing");
    // The editor's objects, each as the sample object and the properties leading to it.
    QTest::addColumn<QList<QStringList>>("shown");
    QTest::addColumn<QStringList>("materials");

    const QList<QStringList> diffuse{{"Plastic Sample", "diffuseTexture"}};
    QTest::newRow("texture") << QStringList{"Plastic Sample/diffuseTexture"} << QStringList() << diffuse
                             << QStringList{"Plastic Sample"};
    QTest::newRow("texture of a component")
        << QStringList{"Plastic Sample/incandescence/texture"} << QStringList()
        << QList<QStringList>{{"Plastic Sample", "incandescence", "texture"}} << QStringList{"Plastic Sample"};
    QTest::newRow("beside a name") << QStringList{"Leather", "Plastic Sample/diffuseTexture"} << QStringList()
                                   << QList<QStringList>{{"Leather"}} + diffuse
                                   << QStringList{"Leather", "Plastic Sample"};
    QTest::newRow("two of one owner")
        << QStringList{"Plastic Sample/diffuseTexture", "Plastic Sample/glossyTexture"} << QStringList()
        << diffuse + QList<QStringList>{{"Plastic Sample", "glossyTexture"}} << QStringList{"Plastic Sample"};
    for (const char *path : {"Plastic Sample/nope", "Plastic Sample/roughness", "Nope/diffuseTexture",
                             "Plastic Sample/diffuseTexture/image", "Plastic Sample/"})
        QTest::newRow(path) << QStringList{path} << QStringList{path} << QList<QStringList>() << QStringList();
}

void tst_zkDemoSceneViews::selectByPath()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, missing);
    QFETCH(QList<QStringList>, shown);
    QFETCH(QStringList, materials);

    QList<quint64> expected;
    for (const QStringList &path : qAsConst(shown)) {
        zkdObject object = zkSampleScene::find(path.first());
        for (const QString &property : path.mid(1))
            object = zkdObjectManager::fromVariant(object.property(property.toLatin1().constData()));
        QVERIFY(!object.isNull());
        expected.append(object.getObjectId());
    }

    zkDemoSceneViews *views = m_window->getSceneViews();
    QCOMPARE(views->selectByNames(names), missing);
    QList<quint64> editorIds;
    for (const zkPropertyEditorObjectWrapper *object : m_window->getEditor()->getCurrentObjects())
        editorIds.append(object->getObjectId());
    QCOMPARE(editorIds, expected);
    QCOMPARE(views->getSelectedObjects().size(), expected.size());
    // The views cannot show a sub-object; they select the scene object holding it.
    QCOMPARE(selectedNames(view("materials")), materials);
    QCOMPARE(selectedNames(view("nodes")), QStringList());
    if (!materials.isEmpty())
        QVERIFY(views->currentWidget()->isAncestorOf(view("materials")));
}

QTEST_MAIN(tst_zkDemoSceneViews)
#include "tst_zkDemoSceneViews.moc"
