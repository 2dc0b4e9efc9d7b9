#include "../propertyeditor/zkTestControls.h"

#include <zkTestSupport.h>

#include <QAction>
#include <QLabel>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>

// Rows in this order after objectName, for focus traversal.
class zkFocusTestItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double size MEMBER m_size)
    Q_PROPERTY(QString pair MEMBER m_label)
    Q_PROPERTY(int hiddenRow MEMBER m_count)
    Q_PROPERTY(int disabledRow MEMBER m_count)
    Q_PROPERTY(QObject *child MEMBER m_child)
    Q_PROPERTY(QString last MEMBER m_label)

public:
    double m_size = 0;
    int m_count = 0;
    QString m_label;
    QObject *m_child = nullptr;
};

// Two input widgets in one row.
class zkTestPairControl : public zkTestLineEditControl
{
public:
    zkTestPairControl(zkPropertyEditorWidget *editorWidget, const QByteArray &name, Options *options)
        : zkTestLineEditControl(editorWidget, name, options)
    {
        layout()->addWidget(second);
    }

    QLineEdit *second = new QLineEdit(this);
};

class tst_zkBaseControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zkRegisterTestControls(); }
    void caption_data();
    void caption();
    void relativeChange_data();
    void relativeChange();
    void multiSelectHighlight_data();
    void multiSelectHighlight();
    void nestedRowHighlight();
    void tabTraversal();
    void focusSearchEndsOnLoop();
    void shortcutOverride();
};

void tst_zkBaseControl::caption_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("caption");

    QTest::newRow("first letter") << QByteArray("color") << QStringLiteral("Color");
    QTest::newRow("camel case") << QByteArray("diffuseColor") << QStringLiteral("Diffuse Color");
    QTest::newRow("letter after a capital skipped") << QByteArray("useIORValue") << QStringLiteral("Use IO RValue");
    QTest::newRow("leading capital") << QByteArray("Gamma") << QStringLiteral(" Gamma");
    QTest::newRow("non-ASCII capital") << QByteArray("grünÖl") << QStringLiteral("Grün Öl");
}

void tst_zkBaseControl::caption()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, caption);

    QObject object;
    object.setProperty(property.constData(), 1);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&object}));
    QCOMPARE(qobject_cast<QLabel *>(editor.getControl(property)->getLabel())->text(), caption);
}

void tst_zkBaseControl::relativeChange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("operand");
    QTest::addColumn<int>("op");
    QTest::addColumn<QVariantList>("values"); // two objects, before and after
    QTest::addColumn<bool>("refused");

    const auto row = [](const char *name, const char *kind, const QVariant &operand, int op, const QVariantList &values,
                        bool refused = false) {
        QTest::newRow(name) << QString::fromLatin1(kind) << operand << op << values << refused;
    };
    row("add double", "float", 1.0, 1, {1.5, 2.5, 2.5, 3.5});
    row("subtract double from float", "float", 0.5, 2, {1.0f, 2.0f, 0.5f, 1.5f});
    row("divide by zero", "float", 0.0, 4, {1.5, 2.5, 1.5, 2.5});
    row("unknown operator", "float", 9.0, 7, {1.5, 2.5, 1.5, 2.5});
    row("integer division truncates", "integer", 2, 4, {7, -7, 3, -3});
    row("unsigned arithmetic", "integer", 2u, 3, {5u, 6u, 10u, 12u});
    row("int operand of an unsigned", "integer", 1, 1, {5u, 6u, 6u, 7u});
    const auto v2 = [](float x, float y) { return QVariant::fromValue(QVector2D(x, y)); };
    row("vector component", "x", 2.0f, 1, {v2(1, 2), v2(10, 20), v2(3, 2), v2(12, 20)});
    // Refused for each object: the value stays and each object is reported.
    row("floating-point change of an int", "float", 1.0, 1, {7, -7, 7, -7}, true);
    row("integer change of a string", "integer", 1, 1, {"a", "b", "a", "b"}, true);
}

void tst_zkBaseControl::relativeChange()
{
    QFETCH(QString, kind);
    QFETCH(QVariant, operand);
    QFETCH(int, op);
    QFETCH(QVariantList, values);
    QFETCH(bool, refused);

    QObject first, second;
    first.setProperty("value", values.at(0));
    second.setProperty("value", values.at(1));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&first, &second}));
    zkBaseControl *row = editor.getControl("value");

    zkCapturedOutput out(stdout);
    if (kind == QLatin1String("integer"))
        row->setIntegerProperty(operand, RelativeOperator(op));
    else if (kind == QLatin1String("float"))
        row->setFloatingPointProperty(operand, RelativeOperator(op));
    else
        row->setVector2DComponent(operand.toFloat(), 0, RelativeOperator(op), false);
    QCOMPARE(out.take(),
             refused ? QByteArray("Unable to apply property to selected node\n").repeated(2) : QByteArray());
    QCOMPARE(first.property("value"), values.at(2));
    QCOMPARE(second.property("value"), values.at(3));
    QCOMPARE(first.property("value").userType(), values.at(2).userType());
}

void tst_zkBaseControl::multiSelectHighlight_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("restyles");

    // A refresh in a multiple selection restyles the input even when its look stays as it was.
    QTest::newRow("values differ") << QList<int>{1, 2} << false << true << 1 << 1;
    QTest::newRow("values still differ") << QList<int>{1, 2} << true << true << 1 << 1;
    QTest::newRow("values equal") << QList<int>{3, 3, 3} << true << false << 1 << 1;
    QTest::newRow("single object keeps it off") << QList<int>{1} << false << false << 0 << 0;
    QTest::newRow("single object keeps it on") << QList<int>{1} << true << true << 0 << 0;
}

namespace {

class zkPolishCounter : public QProxyStyle
{
public:
    using QProxyStyle::polish;
    void polish(QWidget *widget) override
    {
        ++polished;
        QProxyStyle::polish(widget);
    }
    int polished = 0;
};

} // namespace

void tst_zkBaseControl::multiSelectHighlight()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, before);
    QFETCH(bool, after);
    QFETCH(int, mode);
    QFETCH(int, restyles);

    QObject objects[3];
    QList<QObject *> shown;
    for (int i = 0; i < values.size(); ++i) {
        objects[i].setProperty("count", values.at(i));
        shown.append(&objects[i]);
    }
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap(shown));
    zkTestLineEditControl *row = zkRow(editor, "count");
    QCOMPARE(int(row->getRelativeOperatorHandlingMode()), mode);
    row->setMultiSelectHighlight(before);
    zkPolishCounter style;
    row->lineEdit()->setStyle(&style);
    style.polished = 0;
    row->updateControl();
    QCOMPARE(style.polished, restyles);
    QCOMPARE(row->isMultiSelectHighlight(), after);
    QCOMPARE(row->lineEdit()->property("multiselect").toBool(), after);
    row->lineEdit()->setStyle(nullptr);
}

// The sub-objects of several parents always differ, so the row that nests their editor takes the
// mixed look at every refresh.
void tst_zkBaseControl::nestedRowHighlight()
{
    QObject parents[2], children[2];
    for (int i = 0; i < 2; ++i)
        parents[i].setProperty("child", QVariant::fromValue<QObject *>(&children[i]));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&parents[0], &parents[1]}));
    zkBaseControl *row = editor.getControl("child");
    QVERIFY(row->isMultiSelectHighlight());
    row->setMultiSelectHighlight(false);
    row->updateControl();
    QVERIFY(row->isMultiSelectHighlight());
    QVERIFY(row->getEditor()->property("multiselect").toBool());
}

void tst_zkBaseControl::tabTraversal()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<QString, zkTestPairControl>("pair");
    zkFocusTestItem item, child;
    item.m_child = &child;
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(zkWrap({&item}));
    editor.show();
    editor.getControl("hiddenRow")->setVisible(false);
    editor.getControl("disabledRow")->setEnabled(false);
    zkPropertyEditorWidget *nested = editor.getChildPropertyEditor("child");
    const auto edit = [](const zkPropertyEditorWidget *in, const char *name) { return zkRow(*in, name)->lineEdit(); };
    QLineEdit *pairSecond = static_cast<zkTestPairControl *>(editor.getControl("pair"))->second;
    const auto tab = [&editor](QWidget *from, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(from, Qt::Key_Tab, modifiers);
        return editor.focusWidget();
    };

    // Within the pair row, past the hidden and the disabled row into the nested editor, and out
    // of it (through Qt's own focus chain) to the row after its own; backwards, a compound row is
    // entered at its last widget.
    QCOMPARE(tab(edit(&editor, "size"), Qt::NoModifier), edit(&editor, "pair"));
    QCOMPARE(tab(edit(&editor, "pair"), Qt::NoModifier), pairSecond);
    QCOMPARE(tab(pairSecond, Qt::NoModifier), edit(nested, "size"));
    QWidget *nestedName = tab(edit(nested, "last"), Qt::NoModifier);
    QVERIFY(nestedName && nested->getControl("objectName")->isAncestorOf(nestedName));
    QCOMPARE(tab(nestedName, Qt::NoModifier), edit(&editor, "last"));
    QCOMPARE(tab(edit(nested, "size"), Qt::ShiftModifier), pairSecond);
    QCOMPARE(tab(pairSecond, Qt::ShiftModifier), edit(&editor, "pair"));
}

// Rows linked into a loop, none of which can take the focus, give no target.
void tst_zkBaseControl::focusSearchEndsOnLoop()
{
    QObject item;
    for (const char *name : {"a", "b", "c"})
        item.setProperty(name, 0);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&item}));
    editor.show();
    zkBaseControl *a = editor.getControl("a");
    zkBaseControl *b = editor.getControl("b");
    zkBaseControl *c = editor.getControl("c");
    b->setVisible(false);
    c->setEnabled(false);
    a->setNext(b);
    b->setNext(c);
    c->setNext(b);
    b->setPrevious(c);
    c->setPrevious(b);
    a->setPrevious(c);
    QCOMPARE(a->getNextFocus(), nullptr);
    QCOMPARE(a->getPreviousFocus(), nullptr);
    c->setEnabled(true);
    QCOMPARE(a->getNextFocus(), c);
}

// A control filtering its input's events keeps typed keys from the window's shortcuts, but not
// from the input's own.
void tst_zkBaseControl::shortcutOverride()
{
    zkFocusTestItem item;
    QWidget window;
    auto *windowAction = new QAction(&window);
    windowAction->setShortcut(Qt::Key_F6);
    window.addAction(windowAction);
    auto *editor = new zkPropertyEditorWidget(&window, {});
    editor->setCurrentObjects(zkWrap({&item}));
    QLineEdit *lineEdit = zkRow(*editor, "last")->lineEdit();
    auto *ownAction = new QAction(lineEdit);
    ownAction->setShortcut(Qt::Key_F5);
    ownAction->setShortcutContext(Qt::WidgetShortcut);
    lineEdit->addAction(ownAction);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    lineEdit->setFocus();
    QSignalSpy windowShortcuts(windowAction, &QAction::triggered);
    QSignalSpy ownShortcuts(ownAction, &QAction::triggered);

    QTest::keyClick(lineEdit, Qt::Key_F6);
    QCOMPARE(windowShortcuts.count(), 1);
    lineEdit->installEventFilter(editor->getControl("last"));
    QTest::keyClick(lineEdit, Qt::Key_F6);
    QTest::keyClick(lineEdit, Qt::Key_F5);
    QCOMPARE(windowShortcuts.count(), 1);
    QCOMPARE(ownShortcuts.count(), 1);
}

QTEST_MAIN(tst_zkBaseControl)
#include "tst_zkBaseControl.moc"
