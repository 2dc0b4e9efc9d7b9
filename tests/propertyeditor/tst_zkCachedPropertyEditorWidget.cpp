#include "zkTestControls.h"

#include <zkCachedPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

class zkCacheTestPaint : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double gloss MEMBER m_gloss)
    Q_PROPERTY(int layers MEMBER m_layers)
    Q_PROPERTY(QString label MEMBER m_label)

public:
    double m_gloss = 0;
    int m_layers = 0;
    QString m_label;
};

class zkCacheTestLamp : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double intensity MEMBER m_intensity)
    Q_PROPERTY(QString label MEMBER m_label)

public:
    double m_intensity = 0;
    QString m_label;
};

class zkCacheTestPlate : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString label MEMBER m_label)

public:
    QString m_label;
};

class zkdCacheTestShape : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdCacheTestShape)

// Counts the rows built, so that a refresh can be told from a rebuild.
class zkCountingControl : public zkTestLineEditControl
{
public:
    zkCountingControl(zkPropertyEditorWidget *editorWidget, const QByteArray &name, Options *options)
        : zkTestLineEditControl(editorWidget, name, options)
    {
        ++built;
    }

    static int built;
};
int zkCountingControl::built = 0;

namespace {

// The rows of the test objects' own properties.
zkPropertyEditorFactory *countingFactory()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<double, zkCountingControl>({});
    factory->registerEditor<int, zkCountingControl>({});
    factory->registerEditor<QString, zkCountingControl>({});
    return factory;
}

QString shownText(const zkPropertyEditorWidget *editor, const QByteArray &name)
{
    const auto *row = static_cast<const zkTestLineEditControl *>(editor->getControl(name));
    return row ? row->lineEdit()->text() : QStringLiteral("(no row)");
}

} // namespace

class tst_zkCachedPropertyEditorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selections_data();
    void selections();
    void addToCache_data();
    void addToCache();
    void objectDeletedWhileCached_data();
    void objectDeletedWhileCached();
    void kernelObjectDestroyedWhileCached();
    void factoriesDeletedOnceWithTheWidget();
    void signalsOfEveryPage();

private:
    // Names are objects of the pool; "a+b" selects several objects.
    QList<zkPropertyEditorObjectWrapper *> wrap(const QString &selection) const;
    QObject *object(const QString &name) const { return m_objects.at(name).get(); }
    quint64 typeOf(const QString &name) const { return zkPropertyEditorQObjectWrapper(object(name)).getTypeId(); }

    std::map<QString, std::unique_ptr<QObject>> m_objects;
};

void tst_zkCachedPropertyEditorWidget::initTestCase()
{
    zkdObjectManager::registerClass<zkdCacheTestShape>({zkdProperty::value<double>("roughness", 0.0)});
}

void tst_zkCachedPropertyEditorWidget::init()
{
    zkCountingControl::built = 0;
    double value = 0;
    for (const QString &name : QStringList{"paint1", "paint2"}) {
        auto paint = std::make_unique<zkCacheTestPaint>();
        paint->m_gloss = value += 0.25;
        paint->m_label = name;
        m_objects[name] = std::move(paint);
    }
    for (const QString &name : QStringList{"lamp1", "lamp2"}) {
        auto lamp = std::make_unique<zkCacheTestLamp>();
        lamp->m_intensity = value += 0.25;
        lamp->m_label = name;
        m_objects[name] = std::move(lamp);
    }
    auto plate = std::make_unique<zkCacheTestPlate>();
    plate->m_label = QStringLiteral("plate1");
    m_objects["plate1"] = std::move(plate);
}

void tst_zkCachedPropertyEditorWidget::cleanup()
{
    m_objects.clear();
}

QList<zkPropertyEditorObjectWrapper *> tst_zkCachedPropertyEditorWidget::wrap(const QString &selection) const
{
    QList<QObject *> objects;
    for (const QString &name : selection.split(QLatin1Char('+'), Qt::SkipEmptyParts))
        objects.append(object(name));
    return zkWrap(objects);
}

void tst_zkCachedPropertyEditorWidget::selections_data()
{
    QTest::addColumn<QStringList>("selections");
    // After each selection: rows built by it, pages, and whether page 0 shows it.
    QTest::addColumn<QList<int>>("built");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QList<bool>>("onDefaultPage");

    using Ints = QList<int>;
    using Bools = QList<bool>;
    // A paint has three rows of its own, a lamp two, a plate one, a paint and a lamp share one.
    QTest::newRow("material, light, material") << QStringList{"paint1", "lamp1", "paint2"} << Ints{3, 2, 0}
                                               << Ints{2, 3, 3} << Bools{false, false, false};
    QTest::newRow("mixed types rebuild page 0") << QStringList{"paint1+lamp1", "lamp1+paint1"} << Ints{1, 1}
                                                << Ints{1, 1} << Bools{true, true};
    QTest::newRow("empty") << QStringList{""} << Ints{0} << Ints{1} << Bools{true};
    QTest::newRow("same type together uses its page") << QStringList{"paint1", "paint1+paint2"} << Ints{3, 0}
                                                      << Ints{2, 2} << Bools{false, false};
    QTest::newRow("mixed, then one of them") << QStringList{"paint1+lamp1", "paint1", "paint1+lamp1"}
                                             << Ints{1, 3, 1} << Ints{1, 2, 2} << Bools{true, false, true};
    QTest::newRow("round among three types")
        << QStringList{"paint1", "lamp1", "plate1", "", "lamp2", "paint2", "plate1"} << Ints{3, 2, 1, 0, 0, 0, 0}
        << Ints{2, 3, 4, 4, 4, 4, 4} << Bools{false, false, false, true, false, false, false};
}

void tst_zkCachedPropertyEditorWidget::selections()
{
    QFETCH(QStringList, selections);
    QFETCH(QList<int>, built);
    QFETCH(QList<int>, pages);
    QFETCH(QList<bool>, onDefaultPage);

    zkCachedPropertyEditorWidget editor(nullptr, {countingFactory(), zkPropertyEditorFactory::global()});
    for (int i = 0; i < selections.size(); ++i) {
        const QString &selection = selections.at(i);
        const QList<zkPropertyEditorObjectWrapper *> wrappers = wrap(selection);
        zkCountingControl::built = 0;
        QByteArray printed;
        {
            zkCapturedOutput output(stdout);
            editor.setCurrentObjects(wrappers);
            printed = output.take();
        }
        QCOMPARE(printed, "zkCachedPropertyEditorWidget: cache size " + QByteArray::number(pages.at(i)) + '\n');

        QCOMPARE(zkCountingControl::built, built.at(i));
        QCOMPARE(editor.count(), pages.at(i));
        zkPropertyEditorWidget *shown = editor.getCurrentEditor();
        QCOMPARE(editor.currentIndex() == 0, onDefaultPage.at(i));
        QCOMPARE(shown->getCurrentObjects(), wrappers);
        // A refreshed page shows the new objects' values, not those it was built on; the
        // objects' labels all differ.
        if (!wrappers.isEmpty()) {
            QCOMPARE(shownText(shown, "label"), wrappers.first()->getProperty("label").toString());
            const bool mixed = wrappers.size() > 1;
            QCOMPARE(shown->getControl("label")->isMultiSelectHighlight(), mixed);
        }
    }
}

void tst_zkCachedPropertyEditorWidget::addToCache_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("cached");
    QTest::addColumn<int>("pages");
    // The wrappers of the list that a new page takes.
    QTest::addColumn<QList<int>>("taken");

    QTest::newRow("two types, one twice") << "" << "paint1+lamp1+paint2" << 3 << QList<int>{0, 1};
    QTest::newRow("type already cached") << "paint1" << "paint2+lamp1" << 3 << QList<int>{1};
    QTest::newRow("nothing new") << "lamp1" << "lamp2" << 2 << QList<int>{};
}

void tst_zkCachedPropertyEditorWidget::addToCache()
{
    QFETCH(QString, selected);
    QFETCH(QString, cached);
    QFETCH(int, pages);
    QFETCH(QList<int>, taken);

    zkCachedPropertyEditorWidget editor(nullptr, {countingFactory()});
    editor.setCurrentObjects(wrap(selected));
    QWidget *current = editor.currentWidget();
    const QList<zkPropertyEditorObjectWrapper *> wrappers = wrap(cached);
    editor.addToCache(wrappers);
    QCOMPARE(editor.count(), pages);
    QCOMPARE(editor.currentWidget(), current);
    for (int i = 0; i < wrappers.size(); ++i) {
        zkPropertyEditorWidget *page = editor.getCachedEditor(wrappers.at(i)->getTypeId());
        QVERIFY(page);
        QCOMPARE(page->getCurrentObjects().contains(wrappers.at(i)), taken.contains(i));
        if (!taken.contains(i))
            delete wrappers.at(i);
    }

    // Whatever was built ahead is used without building again.
    zkCountingControl::built = 0;
    for (const QString &name : cached.split(QLatin1Char('+'))) {
        editor.setCurrentObjects(wrap(name));
        QCOMPARE(editor.getCurrentEditor(), editor.getCachedEditor(typeOf(name)));
    }
    QCOMPARE(zkCountingControl::built, 0);
}

void tst_zkCachedPropertyEditorWidget::objectDeletedWhileCached_data()
{
    QTest::addColumn<QStringList>("selections");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("page hidden") << QStringList{"paint1", "lamp1"} << "paint1" << QStringList{"paint2"};
    QTest::newRow("page shown") << QStringList{"paint1"} << "paint1" << QStringList{"paint2"};
    QTest::newRow("one of several") << QStringList{"paint1+paint2", "lamp1"} << "paint2" << QStringList{"paint1"};
    QTest::newRow("object no longer on its page") << QStringList{"lamp1", "lamp2"} << "lamp1" << QStringList{"lamp2"};
    QTest::newRow("left on page 0") << QStringList{"paint1+lamp1", "paint1"} << "lamp1"
                                    << QStringList{"paint2+lamp2", "lamp2"};
}

void tst_zkCachedPropertyEditorWidget::objectDeletedWhileCached()
{
    QFETCH(QStringList, selections);
    QFETCH(QString, deleted);
    QFETCH(QStringList, after);

    zkCachedPropertyEditorWidget editor(nullptr, {countingFactory()});
    for (const QString &selection : qAsConst(selections))
        editor.setCurrentObjects(wrap(selection));
    QList<QList<zkPropertyEditorObjectWrapper *>> expected;
    for (int i = 0; i < editor.count(); ++i) {
        const auto *page = static_cast<zkPropertyEditorWidget *>(editor.widget(i));
        // A page that held the object lets go of all its objects; the others keep theirs.
        expected.append(page->getObjectWrapper(object(deleted)) ? QList<zkPropertyEditorObjectWrapper *>()
                                                                 : page->getCurrentObjects());
    }

    m_objects.erase(deleted);
    for (int i = 0; i < editor.count(); ++i)
        QCOMPARE(static_cast<zkPropertyEditorWidget *>(editor.widget(i))->getCurrentObjects(), expected.at(i));

    // The pages go on serving their types.
    for (const QString &selection : qAsConst(after)) {
        const QString first = selection.section(QLatin1Char('+'), 0, 0);
        zkPropertyEditorWidget *cached = selection.contains(QLatin1Char('+')) ? nullptr : editor.getCachedEditor(typeOf(first));
        zkCountingControl::built = 0;
        editor.setCurrentObjects(wrap(selection));
        if (cached) {
            QCOMPARE(editor.getCurrentEditor(), cached);
            QCOMPARE(zkCountingControl::built, 0);
        }
        QCOMPARE(shownText(editor.getCurrentEditor(), "label"), first);
    }
}

void tst_zkCachedPropertyEditorWidget::kernelObjectDestroyedWhileCached()
{
    zkCachedPropertyEditorWidget editor(nullptr, {countingFactory(), zkPropertyEditorFactory::global()});
    const zkdCacheTestShape first = zkdObjectManager::create<zkdCacheTestShape>();
    const zkdCacheTestShape second = zkdObjectManager::create<zkdCacheTestShape>();
    second.setProperty("roughness", 0.5);
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(first)});
    zkPropertyEditorWidget *page = editor.getCurrentEditor();
    editor.setCurrentObjects({});

    zkdObjectManager::destroy(first);
    // Changes of other objects still reach the page holding the destroyed object.
    second.setProperty("roughness", 0.75);
    zkCountingControl::built = 0;
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(second)});
    QCOMPARE(editor.getCurrentEditor(), page);
    QCOMPARE(zkCountingControl::built, 0);
    QCOMPARE(shownText(page, "roughness"), QStringLiteral("0.75"));
}

void tst_zkCachedPropertyEditorWidget::factoriesDeletedOnceWithTheWidget()
{
    zkPropertyEditorFactory *factory = countingFactory();
    const std::weak_ptr<const zkPropertyEditorControlOptions> record = factory->getRegistrations().first().options;
    {
        zkCachedPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
        for (const QString &selection : QStringList{"paint1", "lamp1", "plate1", "paint1+lamp1"})
            editor.setCurrentObjects(wrap(selection));
        QCOMPARE(editor.getCachedEditor(zkPropertyEditorQObjectWrapper(object("lamp1")).getTypeId())->getFactories(),
                 (QList<zkPropertyEditorFactory *>{factory, zkPropertyEditorFactory::global()}));
        QVERIFY(!record.expired());
    }
    QVERIFY(record.expired());
}

void tst_zkCachedPropertyEditorWidget::signalsOfEveryPage()
{
    zkCachedPropertyEditorWidget editor(nullptr, {countingFactory()});
    editor.setCurrentObjects(wrap("paint1+lamp1"));
    editor.setCurrentObjects({});
    editor.setCurrentObjects(wrap("paint1"));
    editor.setCurrentObjects(wrap("lamp1"));
    QSignalSpy changed(&editor, qOverload<QObject *, const QByteArray &>(
                                    &zkCachedPropertyEditorWidget::editorPropertyChanged));
    QSignalSpy select(&editor, &zkCachedPropertyEditorWidget::selectObjectRequested);

    // The paint's page is hidden but still watches paint1.
    object("paint1")->setProperty("shine", 1);
    object("lamp1")->setProperty("shine", 2);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).value<QObject *>(), object("paint1"));
    QCOMPARE(changed.at(1).at(0).value<QObject *>(), object("lamp1"));

    const zkdCacheTestShape shape = zkdObjectManager::create<zkdCacheTestShape>();
    for (int page = 0; page < editor.count(); ++page)
        static_cast<zkPropertyEditorWidget *>(editor.widget(page))->requestSelectObject(shape);
    QCOMPARE(select.size(), editor.count());
}

QTEST_MAIN(tst_zkCachedPropertyEditorWidget)
#include "tst_zkCachedPropertyEditorWidget.moc"
