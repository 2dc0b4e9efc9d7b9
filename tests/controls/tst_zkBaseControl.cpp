#include "../propertyeditor/zkTestControls.h"

#include <zkTestSupport.h>

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class zkBaseControlTestItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double size MEMBER m_size)
    Q_PROPERTY(float weight MEMBER m_weight)
    Q_PROPERTY(int count MEMBER m_count)
    Q_PROPERTY(uint amount MEMBER m_amount)
    Q_PROPERTY(QVector2D offset MEMBER m_offset)
    Q_PROPERTY(QString label MEMBER m_label)
    // For focus traversal: rows in this order after objectName and the above.
    Q_PROPERTY(QString pair MEMBER m_label)
    Q_PROPERTY(int hiddenRow MEMBER m_count)
    Q_PROPERTY(int disabledRow MEMBER m_count)
    Q_PROPERTY(QObject *child MEMBER m_child)
    Q_PROPERTY(QString last MEMBER m_label)

public:
    double m_size = 0;
    float m_weight = 0;
    int m_count = 0;
    uint m_amount = 0;
    QVector2D m_offset;
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
    void longCaptionIsElidedWithToolTip();
    void relativeChange_data();
    void relativeChange();
    void multiSelectHighlight_data();
    void multiSelectHighlight();
    void tabTraversal();
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

void tst_zkBaseControl::longCaptionIsElidedWithToolTip()
{
    const QString caption = QStringLiteral("A caption far too long for any label cell of the editor");
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkBaseControlTestItem, double, zkTestLineEditControl>(
        "size", [&caption](zkTestControlOptions &options) { options.label = caption; });
    zkBaseControlTestItem item;
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"size"});
    editor.setCurrentObjects(zkWrap({&item}));

    zkBaseControl *row = editor.getControl("size");
    const auto *label = qobject_cast<QLabel *>(row->getLabel());
    const int width = row->getOptions()->labelWidth;
    QCOMPARE(label->toolTip(), caption);
    QCOMPARE(label->width(), width);
    QVERIFY(label->text().contains(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= width - 2);
}

void tst_zkBaseControl::relativeChange_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("operand");
    QTest::addColumn<int>("op");
    QTest::addColumn<QVariantList>("values"); // two objects, before and after
    QTest::addColumn<bool>("refused");

    const auto row = [](const char *name, const char *property, const char *kind, const QVariant &operand, int op,
                        const QVariantList &values, bool refused = false) {
        QTest::newRow(name) << QByteArray(property) << QString::fromLatin1(kind) << operand << op << values << refused;
    };
    row("add double", "size", "float", 1.0, 1, {1.5, 2.5, 2.5, 3.5});
    row("subtract double from float", "weight", "float", 0.5, 2, {1.0f, 2.0f, 0.5f, 1.5f});
    row("divide by zero", "size", "float", 0.0, 4, {1.5, 2.5, 1.5, 2.5});
    row("unknown operator", "size", "float", 9.0, 7, {1.5, 2.5, 1.5, 2.5});
    row("integer division truncates", "count", "integer", 2, 4, {7, -7, 3, -3});
    row("unsigned arithmetic", "amount", "integer", 2u, 3, {5u, 6u, 10u, 12u});
    row("int operand of an unsigned", "amount", "integer", 1, 1, {5u, 6u, 6u, 7u});
    const auto vectors = [](float x1, float y1, float x2, float y2) {
        return QVariantList{QVariant::fromValue(QVector2D(x1, y1)), QVariant::fromValue(QVector2D(x2, y2))};
    };
    row("vector component", "offset", "x", 2.0f, 1, vectors(1, 2, 10, 20) + vectors(3, 2, 12, 20));
    // Refused for each object: the value stays and each object is reported.
    row("floating-point change of an int", "count", "float", 1.0, 1, {7, -7, 7, -7}, true);
    row("integer change of a string", "label", "integer", 1, 1, {"a", "b", "a", "b"}, true);
}

void tst_zkBaseControl::relativeChange()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, kind);
    QFETCH(QVariant, operand);
    QFETCH(int, op);
    QFETCH(QVariantList, values);
    QFETCH(bool, refused);

    zkBaseControlTestItem first, second;
    first.setProperty(property.constData(), values.at(0));
    second.setProperty(property.constData(), values.at(1));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap({&first, &second}));
    zkBaseControl *row = editor.getControl(property);

    zkCapturedOutput out(stdout);
    if (kind == QLatin1String("integer"))
        row->setIntegerProperty(operand, RelativeOperator(op));
    else if (kind == QLatin1String("float"))
        row->setFloatingPointProperty(operand, RelativeOperator(op));
    else
        row->setVector2DComponent(operand.toFloat(), 0, RelativeOperator(op), false);
    QCOMPARE(out.take(), refused ? QByteArray("Unable to apply property to selected node\n").repeated(2) : QByteArray());
    QCOMPARE(first.property(property.constData()), values.at(2));
    QCOMPARE(second.property(property.constData()), values.at(3));
    QCOMPARE(first.property(property.constData()).userType(), values.at(2).userType());
}

void tst_zkBaseControl::multiSelectHighlight_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::addColumn<int>("mode");

    QTest::newRow("values differ") << QList<int>{1, 2} << false << true << 1;
    QTest::newRow("values equal") << QList<int>{3, 3, 3} << true << false << 1;
    QTest::newRow("single object keeps it off") << QList<int>{1} << false << false << 0;
    QTest::newRow("single object keeps it on") << QList<int>{1} << true << true << 0;
}

void tst_zkBaseControl::multiSelectHighlight()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, before);
    QFETCH(bool, after);
    QFETCH(int, mode);

    std::vector<std::unique_ptr<zkBaseControlTestItem>> items;
    QList<QObject *> objects;
    for (int value : values) {
        items.push_back(std::make_unique<zkBaseControlTestItem>());
        items.back()->m_count = value;
        objects.append(items.back().get());
    }
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(zkWrap(objects));
    zkTestLineEditControl *row = zkRow(editor, "count");
    QCOMPARE(int(row->getRelativeOperatorHandlingMode()), mode);
    row->setMultiSelectHighlight(before);
    row->updateControl();
    QCOMPARE(row->isMultiSelectHighlight(), after);
    QCOMPARE(row->lineEdit()->property("multiselect").toBool(), after);
}

void tst_zkBaseControl::tabTraversal()
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<QString, zkTestPairControl>("pair");
    zkBaseControlTestItem item, child;
    item.m_child = &child;
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setKeepProperties({"objectName", "size", "pair", "hiddenRow", "disabledRow", "child", "last"});
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
    // of it to the row after its own.
    QCOMPARE(tab(edit(&editor, "size"), Qt::NoModifier), edit(&editor, "pair"));
    QCOMPARE(tab(edit(&editor, "pair"), Qt::NoModifier), pairSecond);
    QCOMPARE(tab(pairSecond, Qt::NoModifier), edit(nested, "size"));
    QCOMPARE(tab(edit(nested, "last"), Qt::NoModifier), edit(&editor, "last"));
    // The caption-only objectName row takes no focus. From the nested editor's first input back to the row before the nesting one, entering the
    // compound row at its last widget.
    QCOMPARE(tab(edit(nested, "size"), Qt::ShiftModifier), pairSecond);
    QCOMPARE(tab(pairSecond, Qt::ShiftModifier), edit(&editor, "pair"));
}

void tst_zkBaseControl::shortcutOverride()
{
    zkBaseControlTestItem item;
    QWidget window;
    auto *windowAction = new QAction(&window);
    windowAction->setShortcut(Qt::Key_F6);
    window.addAction(windowAction);
    auto *editor = new zkPropertyEditorWidget(&window, {});
    editor->setCurrentObjects(zkWrap({&item}));
    QLineEdit *lineEdit = zkRow(*editor, "label")->lineEdit();
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
    lineEdit->installEventFilter(editor->getControl("label"));
    QTest::keyClick(lineEdit, Qt::Key_F6);
    QTest::keyClick(lineEdit, Qt::Key_F5);
    QCOMPARE(windowShortcuts.count(), 1);
    QCOMPARE(ownShortcuts.count(), 1);
}

QTEST_MAIN(tst_zkBaseControl)
#include "tst_zkBaseControl.moc"
