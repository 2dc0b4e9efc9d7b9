#include <zkBaseControl.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>

#include <QFrame>
#include <QtTest>

#include <functional>
#include <memory>

class TestMaterial : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double a MEMBER m_a)
    Q_PROPERTY(double b MEMBER m_b)
    Q_PROPERTY(double c MEMBER m_c)
    Q_PROPERTY(bool linkTextureSettings MEMBER m_linked)

public:
    double m_a = 1.0;
    double m_b = 2.0;
    double m_c = 3.0;
    bool m_linked = true;
};

// Counts the refreshes its editor asks for.
class CountingControl : public zkBaseControl
{
public:
    using zkBaseControl::zkBaseControl;

    void updateControl() override
    {
        zkBaseControl::updateControl();
        ++updates;
    }

    int updates = 0;
};

class CountingDescription : public zkPropertyEditorDescriptionBase
{
public:
    int initCount = 0;

protected:
    void init() override { ++initCount; }
};

// Rows a and b in the group "G" (a with a separator line under it), row c outside it; every
// change of c is handed on to the editors linked with this one.
class MaterialDescription : public zkPropertyEditorDescriptionBase
{
public:
    // The editors whose change rule for c ran, in order.
    static QList<zkPropertyEditorWidget *> changedIn;

protected:
    void init() override
    {
        zkPropertyEditorFactory *factory = getFactory();
        factory->registerGroup<TestMaterial, zkGroupControl>("G", [](zkGroupControlOptions &options) {
            options.collapsed = false;
        });
        factory->registerEditor<TestMaterial, double, CountingControl>("a", [](zkBaseControlOptions &options) {
            options.group = "G";
            options.separator = true;
        });
        factory->registerEditor<TestMaterial, double, CountingControl>("b", [](zkBaseControlOptions &options) {
            options.group = "G";
        });
        factory->registerEditor<TestMaterial, double, CountingControl>("c");
        factory->registerChangedProperty<TestMaterial, double>("c", [](zkPropertyEditorWidget *widget, double) {
            changedIn << widget;
            updateLinkedTextureSettings(widget, "c");
        });
    }
};

QList<zkPropertyEditorWidget *> MaterialDescription::changedIn;

namespace {

using Operation = std::function<void(zkPropertyEditorWidget *)>;

MaterialDescription materialDescription;

std::unique_ptr<zkPropertyEditorWidget> editorFor(QObject *object, QWidget *parent = nullptr)
{
    auto widget = std::make_unique<zkPropertyEditorWidget>(parent, QList<zkPropertyEditorFactory *>(), false, false);
    // Only the rows the descriptions register.
    widget->setKeepProperties({"a", "b", "c"});
    widget->setCurrentObjects({new zkPropertyEditorQObjectWrapper(object)});
    return widget;
}

// Which rows, groups and separators are hidden or disabled.
QString stateOf(const zkPropertyEditorWidget &widget)
{
    QStringList state;
    for (const QByteArray &name : {QByteArray("a"), QByteArray("b"), QByteArray("c")}) {
        const QWidget *row = widget.getControlLayoutWidget(name);
        QString item = QString::fromLatin1(name);
        if (row->isHidden())
            item += "-hidden";
        if (!row->isEnabled())
            item += "-disabled";
        state << item;
    }
    const zkGroupControl *group = widget.findGroupControl("G");
    if (!group)
        return state.join(' ') + " (no group)";
    state << (group->isHidden() ? "G-hidden" : "G");
    for (const QFrame *frame : group->findChildren<QFrame *>(QStringLiteral("PropertySeparator")))
        state << (frame->isHidden() ? "line-hidden" : "line");
    return state.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_zkPropertyEditorDescriptionBase : public QObject
{
    Q_OBJECT

private slots:
    void initAllInitialisesOnce();
    void laterDescriptionInitialisedByNextEditor();
    void staticHelpers_data();
    void staticHelpers();
    void updateControl();
    void linkedTextureSettings_data();
    void linkedTextureSettings();
};

void tst_zkPropertyEditorDescriptionBase::initAllInitialisesOnce()
{
    CountingDescription first;
    auto second = std::make_unique<CountingDescription>();
    QCOMPARE(first.getFactory(), zkPropertyEditorFactory::global());

    zkPropertyEditorDescriptionBase::initAll();
    zkPropertyEditorDescriptionBase::initAll();
    QCOMPARE(first.initCount, 1);
    QCOMPARE(second->initCount, 1);

    // A destroyed description has left the registry.
    second.reset();
    CountingDescription third;
    zkPropertyEditorDescriptionBase::initAll();
    QCOMPARE(first.initCount, 1);
    QCOMPARE(third.initCount, 1);
}

void tst_zkPropertyEditorDescriptionBase::laterDescriptionInitialisedByNextEditor()
{
    const zkPropertyEditorWidget first(nullptr, {}, false, false);
    CountingDescription late;
    QCOMPARE(late.initCount, 0);

    zkPropertyEditorWidget second(nullptr, {}, false, false);
    QCOMPARE(late.initCount, 1);
}

void tst_zkPropertyEditorDescriptionBase::staticHelpers_data()
{
    using Base = zkPropertyEditorDescriptionBase;
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("state");

    QTest::newRow("nothing") << Operation([](zkPropertyEditorWidget *) {}) << "a b c G line";
    QTest::newRow("hide control") << Operation([](zkPropertyEditorWidget *w) { Base::setControlVisible(w, "a", false); })
                                  << "a-hidden b c G line";
    QTest::newRow("hide missing control")
        << Operation([](zkPropertyEditorWidget *w) { Base::setControlVisible(w, "missing", false); }) << "a b c G line";
    QTest::newRow("hide controls") << Operation([](zkPropertyEditorWidget *w) {
        Base::setControlsVisible(w, {"a", "missing", "c"}, false);
    }) << "a-hidden b c-hidden G line";
    QTest::newRow("disable controls") << Operation([](zkPropertyEditorWidget *w) {
        Base::setControlsEnabled(w, {"a", "b"}, false);
    }) << "a-disabled b-disabled c G line";
    QTest::newRow("hide group") << Operation([](zkPropertyEditorWidget *w) { Base::setGroupVisible(w, "G", false); })
                                << "a b c G-hidden line";
    QTest::newRow("hide missing group")
        << Operation([](zkPropertyEditorWidget *w) { Base::setGroupVisible(w, "missing", false); }) << "a b c G line";
    QTest::newRow("hide group lines")
        << Operation([](zkPropertyEditorWidget *w) { Base::setGroupSeparatorsVisible(w, "G", false); })
        << "a b c G line-hidden";
    QTest::newRow("null widget") << Operation([](zkPropertyEditorWidget *) {
        Base::setControlVisible(nullptr, "a", false);
        Base::setControlsEnabled(nullptr, {"a"}, false);
        Base::setGroupVisible(nullptr, "G", false);
        Base::setGroupSeparatorsVisible(nullptr, "G", false);
        Base::updateControl(nullptr, "a");
        Base::updateLinkedTextureSettings(nullptr, "a");
    }) << "a b c G line";
}

void tst_zkPropertyEditorDescriptionBase::staticHelpers()
{
    QFETCH(Operation, operation);
    QFETCH(QString, state);

    TestMaterial material;
    const std::unique_ptr<zkPropertyEditorWidget> widget = editorFor(&material);
    operation(widget.get());
    QCOMPARE(stateOf(*widget), state);
}

void tst_zkPropertyEditorDescriptionBase::updateControl()
{
    TestMaterial material;
    const std::unique_ptr<zkPropertyEditorWidget> widget = editorFor(&material);
    auto *a = static_cast<CountingControl *>(widget->getControl("a"));
    auto *b = static_cast<CountingControl *>(widget->getControl("b"));
    a->updates = b->updates = 0;

    zkPropertyEditorDescriptionBase::updateControl(widget.get(), "a");
    zkPropertyEditorDescriptionBase::updateControl(widget.get(), "missing");
    QCOMPARE(a->updates, 1);
    QCOMPARE(b->updates, 0);
}

void tst_zkPropertyEditorDescriptionBase::linkedTextureSettings_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("siblingRuns");

    QTest::newRow("linked") << true << 1;
    QTest::newRow("not linked") << false << 0;
}

void tst_zkPropertyEditorDescriptionBase::linkedTextureSettings()
{
    QFETCH(bool, linked);
    QFETCH(int, siblingRuns);

    // A parent editor with two nested texture editors.
    TestMaterial first;
    TestMaterial second;
    first.m_linked = second.m_linked = linked;
    zkPropertyEditorWidget parent(nullptr, {}, false, false);
    const std::unique_ptr<zkPropertyEditorWidget> firstEditor = editorFor(&first, &parent);
    const std::unique_ptr<zkPropertyEditorWidget> secondEditor = editorFor(&second, &parent);
    QCOMPARE(firstEditor->getParentPropertyEditor(), &parent);

    // The sibling's rule hands the change on again; that nested call must not bounce it back.
    MaterialDescription::changedIn.clear();
    zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(firstEditor.get(), "c");
    QCOMPARE(MaterialDescription::changedIn.count(secondEditor.get()), siblingRuns);
    QCOMPARE(MaterialDescription::changedIn.count(firstEditor.get()), 0);

    // The guard is released afterwards.
    MaterialDescription::changedIn.clear();
    zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(secondEditor.get(), "c");
    QCOMPARE(MaterialDescription::changedIn.count(firstEditor.get()), siblingRuns);
}

QTEST_MAIN(tst_zkPropertyEditorDescriptionBase)
#include "tst_zkPropertyEditorDescriptionBase.moc"
