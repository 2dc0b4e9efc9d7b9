#include <zkColorManipulatorControl.h>
#include <zkDoubleRelativeStepperControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntVector2DControl.h>
#include <zkIntVector2DSpinerControl.h>
#include <zkIntVector3DSpinerControl.h>
#include <zkIntVector4DControl.h>
#include <zkIntegerSliderControl.h>
#include <zkQVector2DControl.h>
#include <zkQVector3DColorControl.h>
#include <zkQVector3DControl.h>
#include <zkQVector4DControl.h>
#include <zkVector2DSliderControl.h>
#include <zkVector3DSliderControl.h>
#include <zkVector4DSliderControl.h>

#include <QZKColorManipulator.h>
#include <QZKDoubleSpiner.h>
#include <QZKPrecisionWheel.h>
#include <QZKSlider.h>
#include <QZKWheelPrec.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>

class zkdVectorTestItem : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdVectorTestItem)

using Items = QList<zkdVectorTestItem>;

// A row under test: its control, the value its widget shows and a user edit of that value (of
// the first component only, for the vector fields).
struct Row
{
    zkBaseControl *control = nullptr;
    std::function<QVariant()> shown;
    std::function<void(const QVariant &)> edit;
};

class tst_zkVectorSliderWheelControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { stack()->clear(); }
    void roundTrip_data();
    void roundTrip();
    void typedEntries_data();
    void typedEntries();
    void sliderDragWritesOnRelease_data();
    void sliderDragWritesOnRelease();
    void optionsReachTheWidgets();
    void enableCheckBoxAndStepperCommands();
    void tabWalksTheShownComponents();
    void colorSwatch();
    void hsvConversions_data();
    void hsvConversions();
    void colorManipulatorPreviewsThenWritesOnce_data();
    void colorManipulatorPreviewsThenWritesOnce();

private:
    static zkUndoStack *stack() { return zkUndoStack::instance(); }
    static Items create(const QByteArray &property, const QVariantList &values)
    {
        Items items;
        for (const QVariant &value : values) {
            items.append(zkdObjectManager::create<zkdVectorTestItem>());
            items.last().setProperty(property.constData(), value);
        }
        return items;
    }
    static QVariantList read(const Items &items, const QByteArray &property)
    {
        QVariantList result;
        for (const zkdVectorTestItem &item : items)
            result.append(item.property(property.constData()));
        return result;
    }
    static bool allNear(const Items &items, const QVector3D &expected)
    {
        return std::all_of(items.cbegin(), items.cend(), [&expected](const zkdVectorTestItem &item) {
            return (item.property("position").value<QVector3D>() - expected).length() < 1e-4f;
        });
    }
    // The editor shows the property alone, with TControl registered for it.
    template <typename TValue, typename TControl>
    static TControl *show(zkPropertyEditorWidget &editor, const Items &items, const QByteArray &property,
                          std::function<void(typename TControl::Options &)> modifier = {})
    {
        auto *factory = new zkPropertyEditorFactory;
        factory->registerEditor<zkdVectorTestItem, TValue, TControl>(property, modifier);
        editor.setFactories({factory});
        editor.setKeepProperties({property});
        QList<zkPropertyEditorObjectWrapper *> wrappers;
        for (const zkdVectorTestItem &item : items)
            wrappers.append(new zkPropertyEditorZkdObjectWrapper(item));
        editor.setCurrentObjects(wrappers);
        return qobject_cast<TControl *>(editor.getControl(property));
    }
    // A row of TControl over its widget TWidget; vector fields are edited in their first component.
    template <typename TValue, typename TControl, typename TWidgetOf>
    static Row showRow(zkPropertyEditorWidget &editor, const Items &items, const QByteArray &property,
                       TWidgetOf widgetOf, std::function<void(typename TControl::Options &)> modifier = {});
    static Row showRow(const QString &kind, zkPropertyEditorWidget &editor, const Items &items,
                       const QByteArray &property);
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The text field of a slider or wheel, or of a vector field's component.
    static QLineEdit *field(const QWidget *widget, int component = 0)
    {
        const QList<QZKWheelPrec *> wheels = widget->findChildren<QZKWheelPrec *>();
        return (wheels.isEmpty() ? widget : wheels.at(component))->findChild<QLineEdit *>();
    }
};

void tst_zkVectorSliderWheelControls::initTestCase()
{
    using namespace zkdProperty;
    zkdObjectManager::registerClass<zkdVectorTestItem>({
        value<double>("size", 0.0), value<float>("weight", 0.0f), value<int>("count", 0),
        value<bool>("active", false), command("back"), command("forward"),
        value<QVector2D>("offset"), value<QVector3D>("position"), value<QVector4D>("plane"),
        value<QZKIntVector2D>("cells2"), value<QZKIntVector3D>("cells3"), value<QZKIntVector4D>("cells4"),
        value<QZKSpectrum>("spectrum"),
    });
}

template <typename TValue, typename TControl, typename TWidgetOf>
Row tst_zkVectorSliderWheelControls::showRow(zkPropertyEditorWidget &editor, const Items &items,
                                             const QByteArray &property, TWidgetOf widgetOf,
                                             std::function<void(typename TControl::Options &)> modifier)
{
    TControl *row = show<TValue, TControl>(editor, items, property, modifier);
    auto *widget = widgetOf(row);
    using TWidget = std::remove_pointer_t<decltype(widget)>;
    if constexpr (std::is_base_of_v<QZKVecControl, TWidget>) {
        return {row,
                [widget] {
                    TValue value;
                    for (int i = 0; i < zkVectorSize<TValue>; ++i)
                        value[i] = float(widget->value(i));
                    return QVariant::fromValue(value);
                },
                [row](const QVariant &v) { type(field(row), QString::number(v.value<TValue>().x())); }};
    } else if constexpr (std::is_same_v<TWidget, QZKSlider> || std::is_same_v<TWidget, QZKWheelPrec>) {
        return {row, [widget] { return QVariant(widget->value()); },
                [row](const QVariant &v) { type(field(row), v.toString()); }};
    } else if constexpr (std::is_arithmetic_v<TValue>) {
        return {row, [widget] { return QVariant(double(widget->value())); },
                [widget](const QVariant &v) { widget->setValue(v.value<TValue>()); }};
    } else {
        return {row, [widget] { return QVariant::fromValue(widget->value()); },
                [widget](const QVariant &v) { widget->setValue(v.value<TValue>()); }};
    }
}

Row tst_zkVectorSliderWheelControls::showRow(const QString &kind, zkPropertyEditorWidget &e, const Items &items,
                                             const QByteArray &p)
{
    const auto range = [](auto &o) { o.minimum = -100.0, o.maximum = 100.0; };
    const auto slider = [](auto *c) { return c->getSlider(); };
    const auto wheel = [](auto *c) { return c->getWheel(); };
    const auto spinBox = [](auto *c) { return c->getSpinBox(); };
    const auto vector = [](auto *c) { return c->getVectorWidget(); };
    const QHash<QString, std::function<Row()>> rows{
        {"slider", [&] { return showRow<double, zkDoubleSliderControl>(e, items, p, slider, range); }},
        {"wheel", [&] { return showRow<double, zkDoubleWheelControl>(e, items, p, wheel, range); }},
        {"wheel, float", [&] { return showRow<float, zkDoubleWheelControl>(e, items, p, wheel, range); }},
        {"integer slider", [&] { return showRow<int, zkIntegerSliderControl>(e, items, p, slider); }},
        {"stepper", [&] { return showRow<double, zkDoubleRelativeStepperControl>(e, items, p, spinBox); }},
        {"2D", [&] { return showRow<QVector2D, zkQVector2DControl>(e, items, p, vector); }},
        {"3D", [&] { return showRow<QVector3D, zkQVector3DControl>(e, items, p, vector); }},
        {"4D", [&] { return showRow<QVector4D, zkQVector4DControl>(e, items, p, vector); }},
        {"int 2D slider", [&] { return showRow<QZKIntVector2D, zkIntVector2DControl>(e, items, p, vector); }},
        {"int 4D slider", [&] { return showRow<QZKIntVector4D, zkIntVector4DControl>(e, items, p, vector); }},
        {"int 2D spiner", [&] { return showRow<QZKIntVector2D, zkIntVector2DSpinerControl>(e, items, p, vector); }},
        {"int 3D spiner", [&] { return showRow<QZKIntVector3D, zkIntVector3DSpinerControl>(e, items, p, vector); }},
        {"2D slider", [&] { return showRow<QVector2D, zkVector2DSliderControl>(e, items, p, vector); }},
        {"3D slider", [&] { return showRow<QVector3D, zkVector3DSliderControl>(e, items, p, vector); }},
        {"4D slider", [&] { return showRow<QVector4D, zkVector4DSliderControl>(e, items, p, vector); }},
    };
    return rows.value(kind)();
}

void tst_zkVectorSliderWheelControls::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QVariant>("kernelValue");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QVariant>("written");

    const auto row = [](const char *kind, const char *property, const auto &a, const auto &b, const auto &kernel,
                        const auto &written, QVariant shown = {}) {
        const QVariant kernelValue = QVariant::fromValue(kernel);
        if (!shown.isValid())
            shown = kernelValue.canConvert<double>() ? QVariant(kernelValue.toDouble()) : kernelValue;
        QTest::newRow(kind) << QString::fromLatin1(kind) << QByteArray(property)
                            << QVariantList{QVariant::fromValue(a), QVariant::fromValue(b)} << kernelValue << shown
                            << QVariant::fromValue(written);
    };
    row("slider", "size", 0.25, 0.5, 40.0, 60.5);
    row("wheel", "size", 1.0, 2.0, -7.5, 12.25);
    row("wheel, float", "weight", 1.0f, 2.0f, 0.5f, 0.75f);
    row("integer slider", "count", 1, 2, 7, 9);
    row("stepper", "size", 0.25, 0.5, -0.5, 1.5, 0.5);
    row("2D", "offset", QVector2D(1, 2), QVector2D(3, 4), QVector2D(5, 6), QVector2D(7, 6));
    row("3D", "position", QVector3D(1, 2, 3), QVector3D(1, 2, 4), QVector3D(-1, 0.5f, 9), QVector3D(2, 0.5f, 9));
    row("4D", "plane", QVector4D(1, 2, 3, 4), QVector4D(0, 2, 3, 4), QVector4D(1, 1, 1, 1), QVector4D(8, 1, 1, 1));
    using I2 = QZKIntVector2D;
    row("int 2D slider", "cells2", I2(1, 2), I2(1, 3), I2(5, 6), I2(7, 8));
    row("int 4D slider", "cells4", QZKIntVector4D(1, 2, 3, 4), QZKIntVector4D(), QZKIntVector4D(4, 3, 2, 1),
        QZKIntVector4D(9, 9, 9, 9));
    row("int 2D spiner", "cells2", I2(1, 2), I2(2, 2), I2(0, 6), I2(7, 0));
    row("int 3D spiner", "cells3", QZKIntVector3D(1, 2, 3), QZKIntVector3D(), QZKIntVector3D(4, 5, 6),
        QZKIntVector3D(6, 5, 4));
    row("2D slider", "offset", QVector2D(0.5f, 0.25f), QVector2D(), QVector2D(0.75f, 1), QVector2D(0.5f, 0.5f));
    row("3D slider", "position", QVector3D(0.5f, 0, 0), QVector3D(), QVector3D(0.75f, 1, 0.5f),
        QVector3D(0, 0.5f, 0.5f));
    row("4D slider", "plane", QVector4D(0.5f, 0, 0, 1), QVector4D(), QVector4D(0.75f, 1, 0.5f, 0),
        QVector4D(0, 0.5f, 0.5f, 1));
}

// Mixed values look mixed on every input of the row; a kernel change shows without a write; an
// edit reaches every object as one undo step, which undo takes back.
void tst_zkVectorSliderWheelControls::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QVariantList, values);
    QFETCH(QVariant, kernelValue);
    QFETCH(QVariant, shown);
    QFETCH(QVariant, written);

    const Items items = create(property, values);
    zkPropertyEditorWidget editor(nullptr, {});
    const Row row = showRow(kind, editor, items, property);
    QVERIFY(row.control);
    const auto inputsMarked = [&row](bool marked) {
        const QList<QWidget *> inputs = row.control->findChildren<QWidget *>();
        return std::all_of(inputs.cbegin(), inputs.cend(), [marked](const QWidget *w) {
            const bool input = qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QZKPrecisionWheel *>(w)
                || qobject_cast<const QAbstractSpinBox *>(w)
                || (qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QAbstractSpinBox *>(w->parentWidget()));
            return !input || w->property("multiselect").toBool() == marked;
        });
    };
    QVERIFY(inputsMarked(true));

    for (const zkdVectorTestItem &item : items)
        item.setProperty(property.constData(), kernelValue);
    QCOMPARE(row.shown(), shown);
    QVERIFY(inputsMarked(false));
    QCOMPARE(stack()->count(), 0);

    row.edit(written);
    QCOMPARE(read(items, property), QVariantList({written, written}));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(read(items, property), QVariantList({kernelValue, kernelValue}));
    QCOMPARE(row.shown(), shown);
}

void tst_zkVectorSliderWheelControls::typedEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QVariantList>("expected");

    const auto v2 = [](float x, float y) { return QVariant::fromValue(QVector2D(x, y)); };
    const auto v3 = [](float x, float y, float z) { return QVariant::fromValue(QVector3D(x, y, z)); };
    // Several objects: relative entries apply to each object's own value.
    QTest::newRow("slider add") << "slider" << QByteArray("size") << 0 << "+=2" << QVariantList{1.0, 5.0}
                                << QVariantList{3.0, 7.0};
    QTest::newRow("wheel multiply") << "wheel, float" << QByteArray("weight") << 0 << "*=3"
                                    << QVariantList{1.0f, 2.0f, 4.0f} << QVariantList{3.0f, 6.0f, 12.0f};
    QTest::newRow("wheel, one object") << "wheel" << QByteArray("size") << 0 << "-=1" << QVariantList{4.0}
                                       << QVariantList{3.0};
    QTest::newRow("2D x keeps each y") << "2D" << QByteArray("offset") << 0 << "5" << QVariantList{v2(1, 10), v2(2, 20)}
                                       << QVariantList{v2(5, 10), v2(5, 20)};
    QTest::newRow("2D relative y") << "2D" << QByteArray("offset") << 1 << "+=1" << QVariantList{v2(1, 10), v2(2, 20)}
                                   << QVariantList{v2(1, 11), v2(2, 21)};
    // 3D and 4D apply the entry in the widget and write its vector to every object alike.
    QTest::newRow("3D relative") << "3D" << QByteArray("position") << 0 << "+=1"
                                 << QVariantList{v3(1, 10, 100), v3(2, 20, 200)}
                                 << QVariantList{v3(2, 10, 100), v3(2, 10, 100)};
}

void tst_zkVectorSliderWheelControls::typedEntries()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(int, component);
    QFETCH(QString, entry);
    QFETCH(QVariantList, values);
    QFETCH(QVariantList, expected);

    const Items items = create(property, values);
    zkPropertyEditorWidget editor(nullptr, {});
    type(field(showRow(kind, editor, items, property).control, component), entry);
    QCOMPARE(read(items, property), expected);
    QCOMPARE(stack()->count(), 1);
}

void tst_zkVectorSliderWheelControls::sliderDragWritesOnRelease_data()
{
    QTest::addColumn<bool>("writeWhileDragging");
    QTest::addColumn<bool>("tracking");
    QTest::addColumn<int>("dragWrites");

    QTest::newRow("on release") << false << true << 0;
    QTest::newRow("on release, without tracking") << false << false << 0;
    QTest::newRow("at every move") << true << true << 2;
}

// Two moves over two objects: the writes while dragging, then one more of the final value.
void tst_zkVectorSliderWheelControls::sliderDragWritesOnRelease()
{
    QFETCH(bool, writeWhileDragging);
    QFETCH(bool, tracking);
    QFETCH(int, dragWrites);

    const Items items = create("size", {1.0, 2.0});
    zkPropertyEditorWidget editor(nullptr, {});
    auto *slider = show<double, zkDoubleSliderControl>(editor, items, "size", [&](auto &o) {
        o.maximum = 100.0, o.decimals = 0, o.writeWhileDragging = writeWhileDragging, o.tracking = tracking;
    })->getSlider()->findChild<QSlider *>();
    int writes = 0;
    editor.getFactories().first()->registerOnSetProperty<zkdVectorTestItem, double>(
        "size", [&writes](const zkPropertyEditorObjectWrapper *, double) { ++writes; });

    slider->setSliderDown(true);
    slider->setSliderPosition(30);
    slider->setSliderPosition(40);
    QCOMPARE(writes, dragWrites * 2);
    slider->setSliderDown(false);
    QCOMPARE(writes, dragWrites * 2 + 2);
    QCOMPARE(read(items, "size"), QVariantList({40.0, 40.0}));
}

// The option rules that go beyond handing a value on.
void tst_zkVectorSliderWheelControls::optionsReachTheWidgets()
{
    zkPropertyEditorWidget e(nullptr, {});
    const Items sizes = create("size", {1.0});
    const auto slider = show<double, zkDoubleSliderControl>(e, sizes, "size", [](auto &o) { o.decimals = 1; });
    QCOMPARE(slider->getSlider()->decimals(), 1);
    QCOMPARE(slider->getSlider()->displayDecimals(), 2);
    const auto wheel = show<double, zkDoubleWheelControl>(e, sizes, "size", [](auto &o) { o.displayDecimals = -1; });
    QCOMPARE(wheel->getWheel()->displayDecimals(), QZKWheelPrec().displayDecimals());

    // 2D: layout 1 is vertical with thumb wheels; 3D and 4D: only layout 0 changes the widget.
    const Items offsets = create("offset", {QVector2D()});
    for (int layout : {0, 1}) {
        const QZKVec2Control *vec2 =
            show<QVector2D, zkQVector2DControl>(e, offsets, "offset", [=](auto &o) { o.layout = layout; })
                ->getVectorWidget();
        QCOMPARE(vec2->orientation(), layout);
        QCOMPARE(vec2->isWheelVisible(), layout == 1);
    }
    const QZKVec3Control *vec3 = show<QVector3D, zkQVector3DControl>(e, create("position", {QVector3D()}), "position",
                                                                     [](auto &o) { o.layout = 1, o.yVisible = false; })
                                     ->getVectorWidget();
    QVERIFY(vec3->isWheelVisible() && !vec3->isComponentVisible(1) && vec3->isComponentVisible(2));
    // 4D sub-labels need all four.
    for (int count : {3, 4}) {
        const QZKVec4Control *vec4 =
            show<QVector4D, zkQVector4DControl>(e, create("plane", {QVector4D()}), "plane", [=](auto &o) {
                o.subLabels = QStringList{"A", "B", "C", "D"}.mid(0, count);
            })->getVectorWidget();
        QCOMPARE(vec4->subLabels().first() == QLatin1String("A"), count == 4);
        QVERIFY(!vec4->isWheelVisible());
    }

    // Spinners write complete entries whatever the tracking flag says.
    const QSpinBox *spinner = show<QZKIntVector3D, zkIntVector3DSpinerControl>(
        e, create("cells3", {QVariant::fromValue(QZKIntVector3D())}), "cells3", [](auto &o) {
            o.maximum = {3, 4, 5};
        })->findChildren<QSpinBox *>().at(2);
    QCOMPARE(spinner->maximum(), 5);
    QVERIFY(!spinner->keyboardTracking());
}

void tst_zkVectorSliderWheelControls::enableCheckBoxAndStepperCommands()
{
    const Items items = create("size", {1.0, 2.0});
    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = show<double, zkDoubleSliderControl>(editor, items, "size", [](auto &o) {
        o.enableCheckBox = true, o.extraProperties = {"active"};
    });
    QCheckBox *checkBox = row->getEnableCheckBox();
    QCOMPARE(row->getLabel(), checkBox);
    QCOMPARE(checkBox->text(), QStringLiteral("Size"));
    const QSlider *slider = row->getSlider()->findChild<QSlider *>();
    QVERIFY(!slider->isEnabled());
    items.first().setProperty("active", true);
    QVERIFY(checkBox->isChecked() && slider->isEnabled());
    checkBox->setChecked(false);
    QCOMPARE(read(items, "active"), QVariantList({false, false}));
    QVERIFY(!slider->isEnabled());
    QCOMPARE(stack()->count(), 1);

    auto *stepper = show<double, zkDoubleRelativeStepperControl>(editor, items, "size", [](auto &o) {
        o.extraProperties = {"back", "forward"};
    });
    QByteArrayList commands;
    for (const char *command : {"back", "forward"}) {
        editor.getFactories().first()->registerOnSetProperty<zkdVectorTestItem, bool>(
            command, [&commands, command](const zkPropertyEditorObjectWrapper *, bool on) {
                commands.append(command + QByteArray(on ? "" : "=false"));
            });
    }
    stepper->getForwardButton()->click();
    stepper->getBackButton()->click();
    QCOMPARE(commands, QByteArrayList({"forward", "forward", "back", "back"}));
}

// Tab walks the fields of the shown components only.
void tst_zkVectorSliderWheelControls::tabWalksTheShownComponents()
{
    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = show<QVector4D, zkQVector4DControl>(editor, create("plane", {QVector4D()}), "plane",
                                                    [](auto &o) { o.zVisible = false; });
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    field(row, 1)->setFocus();
    QTest::keyClick(field(row, 1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field(row, 3));
    QTest::keyClick(field(row, 3), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), field(row, 1));
}

// An empty swatch shows mixed values; a cancelled dialog writes nothing, an accepted one writes
// its colour to every object.
void tst_zkVectorSliderWheelControls::colorSwatch()
{
    const Items items = create("position", {QVector3D(1, 0, 0), QVector3D(0, 0, 1)});
    zkPropertyEditorWidget editor(nullptr, {});
    QPushButton *button = show<QVector3D, zkQVector3DColorControl>(editor, items, "position")->getButton();
    QVERIFY(button->styleSheet().isEmpty());
    items.last().setProperty("position", QVector3D(1, 0, 0));
    QCOMPARE(button->styleSheet(),
             QStringLiteral("border: 1px solid rgb(127, 127, 127);border-radius: 3px;background: rgb(255, 0, 0);"));
    for (const bool accept : {false, true}) {
        QTimer::singleShot(0, [accept] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QCOMPARE(dialog->currentColor(), QColor(Qt::red));
            dialog->setCurrentColor(QColor(0, 255, 0));
            accept ? dialog->accept() : dialog->reject();
        });
        button->click();
    }
    const QVariant green = QVariant::fromValue(QVector3D(0, 1, 0));
    QCOMPARE(read(items, "position"), QVariantList({green, green}));
    QCOMPARE(stack()->count(), 1);
}

void tst_zkVectorSliderWheelControls::hsvConversions_data()
{
    QTest::addColumn<bool>("toHsv");
    QTest::addColumn<QVector3D>("input");
    QTest::addColumn<QVector3D>("expected");

    QTest::newRow("red") << true << QVector3D(1, 0, 0) << QVector3D(0, 1, 1);
    QTest::newRow("green") << true << QVector3D(0, 0.5f, 0) << QVector3D(120, 1, 0.5f);
    QTest::newRow("blue") << true << QVector3D(0, 0, 1) << QVector3D(240, 1, 1);
    QTest::newRow("grey") << true << QVector3D(0.5f, 0.5f, 0.5f) << QVector3D(0, 0, 0.5f);
    QTest::newRow("red wins a tie") << true << QVector3D(1, 0, 1) << QVector3D(300, 1, 1);
    QTest::newRow("hue 270") << false << QVector3D(270, 0.5f, 1) << QVector3D(0.75f, 0.5f, 1);
    QTest::newRow("negative hue") << false << QVector3D(-30, 1, 1) << QVector3D(1, 0, 0);
    // A full circle stays just inside the last sector.
    float lastSector;
    const quint32 bits = 0x40BFFEA2;
    std::memcpy(&lastSector, &bits, sizeof lastSector);
    QTest::newRow("hue 360") << false << QVector3D(360, 1, 1) << QVector3D(1, 0, 1.0f - (lastSector - 5.0f));
}

void tst_zkVectorSliderWheelControls::hsvConversions()
{
    QFETCH(bool, toHsv);
    QFETCH(QVector3D, input);
    QFETCH(QVector3D, expected);

    QCOMPARE(toHsv ? zkColorManipulatorControl::rgbToHsv(input.x(), input.y(), input.z())
                   : zkColorManipulatorControl::hsvToRgb(input.x(), input.y(), input.z()),
             expected);
}

void tst_zkVectorSliderWheelControls::colorManipulatorPreviewsThenWritesOnce_data()
{
    QTest::addColumn<bool>("gamma");
    QTest::addColumn<bool>("spectrum");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<bool>("accept");

    QTest::newRow("slider") << false << false << false << true;
    QTest::newRow("slider, gamma") << true << false << false << true;
    QTest::newRow("slider, spectrum") << false << true << false << true;
    QTest::newRow("dialog accepted") << false << true << true << true;
    QTest::newRow("dialog cancelled") << false << true << true << false;
}

// Half red and half blue objects with their spectra: previews write without undo steps, the
// final colour is one step from the state before the preview, a cancel restores that state.
// Only the hue changes, so each mode stores the half value of its own space.
void tst_zkVectorSliderWheelControls::colorManipulatorPreviewsThenWritesOnce()
{
    QFETCH(bool, gamma);
    QFETCH(bool, spectrum);
    QFETCH(bool, dialog);
    QFETCH(bool, accept);

    const Items items = create("position", {QVector3D(0.5f, 0, 0), QVector3D(0, 0, 0.5f)});
    for (const zkdVectorTestItem &item : items)
        item.setProperty("spectrum", QVariant::fromValue(QZKSpectrum(item.property("position").value<QVector3D>())));
    const QVariantList before = read(items, "position") + read(items, "spectrum");
    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = show<QVector3D, zkColorManipulatorControl>(editor, items, "position", [=](auto &o) {
        o.gamma = gamma, o.photometric = true;
        if (spectrum)
            o.extraProperties = {"spectrum"};
    });
    QZKColorManipulator *manipulator = row->getManipulator();
    QVERIFY(manipulator->hasPhotometricParameters() && row->focusPolicy() == Qt::NoFocus);
    QVERIFY(manipulator->findChild<QToolButton *>()->property("multiselect").toBool());
    auto *hue = manipulator->findChild<QSlider *>(QStringLiteral("hueSlider"));

    if (dialog) {
        manipulator->findChild<QToolButton *>()->click();
        manipulator->colorDialog()->setCurrentColor(QColor(0, 128, 0));
    } else {
        hue->setSliderDown(true);
        hue->setValue(120);
    }
    QVERIFY(dialog || allNear(items, QVector3D(0, 0.5f, 0)));
    QVERIFY(read(items, "position") != before.mid(0, 2));
    QCOMPARE(stack()->count(), 0);

    if (dialog) {
        accept ? manipulator->colorDialog()->accept() : manipulator->colorDialog()->reject();
    } else {
        hue->setValue(240);
        hue->setSliderDown(false);
        QVERIFY(allNear(items, QVector3D(0, 0, 0.5f)));
    }
    QCOMPARE(stack()->count(), accept ? 1 : 0);
    for (const zkdVectorTestItem &item : items) {
        const QVector3D spectrumRgb = item.property("spectrum").value<QZKSpectrum>().rgb();
        QVERIFY(!spectrum || !accept || (spectrumRgb - item.property("position").value<QVector3D>()).length() < 1e-4f);
    }
    if (accept)
        stack()->undo();
    QCOMPARE(read(items, "position") + read(items, "spectrum"), before);
}

QTEST_MAIN(tst_zkVectorSliderWheelControls)
#include "tst_zkVectorSliderWheelControls.moc"
