#include <zkBoolControl.h>
#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkDateControl.h>
#include <zkDirectoryControl.h>
#include <zkDoubleControl.h>
#include <zkDoubleRelativeStepperControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleSpinerControl.h>
#include <zkDoubleWheelControl.h>
#include <zkEnvironmentLabelControl.h>
#include <zkFilenameControl.h>
#include <zkFloatControl.h>
#include <zkInt32Control.h>
#include <zkInt64Control.h>
#include <zkIntVector2DControl.h>
#include <zkIntVector2DSpinerControl.h>
#include <zkIntVector3DSpinerControl.h>
#include <zkIntVector4DControl.h>
#include <zkIntegerSliderControl.h>
#include <zkPushButtonControl.h>
#include <zkQFontControl.h>
#include <zkQStringControl.h>
#include <zkQStringMultilineControl.h>
#include <zkQVector2DControl.h>
#include <zkQVector3DColorControl.h>
#include <zkQVector3DControl.h>
#include <zkQVector4DControl.h>
#include <zkSpinerControl.h>
#include <zkTimeControl.h>
#include <zkUInt32Control.h>
#include <zkUInt64Control.h>
#include <zkVector2DSliderControl.h>
#include <zkVector3DSliderControl.h>
#include <zkVector4DSliderControl.h>

#include <QZKColorManipulator.h>
#include <QZKPrecisionWheel.h>
#include <QZKSlider.h>
#include <QZKWheelPrec.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkPlatform.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <limits>
#include <optional>

// Kernel objects with a property of every value type the rows edit.
class zkdControlTestItem : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdControlTestItem)

namespace {

using Items = QList<zkdControlTestItem>;
using Editor = zkPropertyEditorWidget;

template <typename T>
QVariant v(const T &value)
{
    return QVariant::fromValue(value);
}

Items create(const QByteArray &property, const QVariantList &values)
{
    Items items;
    for (const QVariant &value : values) {
        items.append(zkdObjectManager::create<zkdControlTestItem>());
        items.last().setProperty(property.constData(), value);
    }
    return items;
}

QVariantList read(const Items &items, const QByteArray &property)
{
    QVariantList values;
    for (const zkdControlTestItem &item : items)
        values.append(item.property(property.constData()));
    return values;
}

// The editor shows the property alone, with TControl registered for it in a factory of its own.
template <typename TValue, typename TControl>
TControl *showControl(Editor &editor, const Items &items, const QByteArray &property,
                      std::function<void(typename TControl::Options &)> modifier = {})
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdControlTestItem, TValue, TControl>(property, modifier);
    editor.setFactories({factory});
    editor.setKeepProperties({property});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdControlTestItem &item : items)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(item));
    editor.setCurrentObjects(wrappers);
    return qobject_cast<TControl *>(editor.getControl(property));
}

// What the editor writes to the property, object by object.
template <typename TValue>
QSharedPointer<QVariantList> recordWrites(Editor &editor, const QByteArray &property)
{
    auto writes = QSharedPointer<QVariantList>::create();
    editor.getFactories().first()->registerOnSetProperty<zkdControlTestItem, TValue>(
        property, [writes](const zkPropertyEditorObjectWrapper *, TValue value) { writes->append(v(value)); });
    return writes;
}

// The widget that takes a value: the editor, or the field it passes its focus to; for vector
// fields that of the component's wheel.
QWidget *valueWidget(const zkBaseControl *control, int component = 0)
{
    QWidget *widget = control->getEditor();
    if (component > 0)
        widget = widget->findChildren<QZKWheelPrec *>().at(component);
    while (!widget->metaObject()->userProperty().isValid() && widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

// As a user would: typed into text fields, chosen by keys in lists, set on other widgets.
void enter(QWidget *widget, const QVariant &input)
{
    if (auto *field = qobject_cast<QLineEdit *>(widget)) {
        field->selectAll();
        QTest::keyClicks(field, input.toString());
        QTest::keyClick(field, Qt::Key_Return);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QTest::keyClick(combo, combo->findText(input.toString()) > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    } else {
        widget->metaObject()->userProperty().write(widget, input);
    }
}

// Whether all inputs of the row have the mixed-values look, or none has: the editor when it
// takes the value itself, else the sliders, wheels, spin boxes and text fields in it.
bool allMarked(const zkBaseControl *control, bool marked)
{
    QWidget *editor = control->getEditor();
    const QList<QWidget *> widgets = editor->metaObject()->userProperty().isValid()
        ? QList<QWidget *>{editor} : editor->findChildren<QWidget *>();
    return std::all_of(widgets.cbegin(), widgets.cend(), [editor, marked](const QWidget *w) {
        const bool input = w == editor || qobject_cast<const QAbstractSlider *>(w)
            || qobject_cast<const QZKPrecisionWheel *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
            || (qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QAbstractSpinBox *>(w->parentWidget()));
        return !input || w->property("multiselect").toBool() == marked;
    });
}

// A row under test and the value it shows: that of its sliders, wheels and integer spin boxes
// (of the property's type for vectors), else its value widget's.
struct Row
{
    zkBaseControl *control;
    std::function<QVariant()> shown;
};

template <typename TValue>
Row rowOf(zkBaseControl *control)
{
    return {control, [control]() -> QVariant {
                QList<double> numbers;
                for (const QWidget *w : control->findChildren<QWidget *>()) {
                    if (const auto *slider = qobject_cast<const QZKSlider *>(w))
                        numbers.append(slider->value());
                    else if (const auto *wheel = qobject_cast<const QZKWheelPrec *>(w))
                        numbers.append(wheel->value());
                    else if (const auto *spinBox = qobject_cast<const QSpinBox *>(w))
                        numbers.append(spinBox->value());
                }
                if constexpr (zkVectorSize<TValue> > 0) {
                    TValue value;
                    for (int i = 0; i < zkVectorSize<TValue>; ++i)
                        zkSetVectorComponent(value, i, numbers.value(i));
                    return v(value);
                }
                if (!numbers.isEmpty())
                    return numbers.first();
                const QWidget *widget = valueWidget(control);
                return widget->metaObject()->userProperty().read(widget);
            }};
}

template <typename TValue, typename TControl>
Row show(Editor &editor, const Items &items, const QByteArray &property)
{
    return rowOf<TValue>(showControl<TValue, TControl>(editor, items, property));
}

Row showCheckableButton(Editor &editor, const Items &items, const QByteArray &property)
{
    return rowOf<bool>(
        showControl<bool, zkPushButtonControl>(editor, items, property, [](auto &o) { o.checkable = 1; }));
}

} // namespace

using Show = Row (*)(Editor &, const Items &, const QByteArray &);
using Probe = std::function<QVariantList(Editor &)>;
Q_DECLARE_METATYPE(Show)
Q_DECLARE_METATYPE(Probe)

class tst_zkValueControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { zkUndoStack::instance()->clear(); }
    void edit_data();
    void edit();
    void options_data();
    void options();
    void environmentMenu();
    void colorSwatch();
    void colorManipulatorPreviewsThenWritesOnce_data();
    void colorManipulatorPreviewsThenWritesOnce();
};

void tst_zkValueControls::initTestCase()
{
    using namespace zkdProperty;
    zkdObjectManager::registerClass<zkdControlTestItem>({
        value<bool>("flag"), value<int>("count"), value<uint>("amount"), value<qlonglong>("big"),
        value<qulonglong>("huge"), value<float>("weight"), value<double>("size"), value<QString>("text"),
        value<QDate>("day", QDate(2020, 1, 1)), value<QTime>("clock", QTime(12, 0)), value<bool>("active"),
        reference<zkdMaterial>("environment"), command("back"), command("forward"),
        value<QVector2D>("offset"), value<QVector3D>("position"), value<QVector4D>("plane"),
        value<QZKIntVector2D>("cells2"), value<QZKIntVector3D>("cells3"), value<QZKIntVector4D>("cells4"),
        value<QZKSpectrum>("spectrum"),
    });
}

void tst_zkValueControls::edit_data()
{
    QTest::addColumn<Show>("show");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QVariant>("kernelValue"); // given to the first object, then to the others
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<int>("component");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariantList>("expected");
    QTest::addColumn<bool>("refused");

    // Two objects, the input written to both; an invalid shown value is the kernel value.
    const auto row = [](const char *name, Show show, const char *property, const QVariantList &values,
                        const QVariant &kernelValue, const QVariant &shown, const QVariant &input,
                        const QVariant &written) {
        QTest::newRow(name) << show << QByteArray(property) << values << kernelValue
                            << (shown.isValid() ? shown : kernelValue) << 0 << input << QVariantList{written, written}
                            << false;
    };
    // Entries into a component's field, relative ones applied to each object's own value.
    const auto entry = [](const char *name, Show show, const char *property, int component, const QVariant &input,
                          const QVariantList &values, const QVariantList &expected, bool refused = false) {
        QTest::newRow(name) << show << QByteArray(property) << values << QVariant() << QVariant() << component << input
                            << expected << refused;
    };
    const qulonglong maxU64 = std::numeric_limits<qulonglong>::max();
    row("double", show<double, zkDoubleControl>, "size", {1.0, 2.0}, 1e6, "1e+06", "2.5", 2.5);
    row("double, exponent refused", show<double, zkDoubleControl>, "size", {1.0, 2.0}, 1.0 / 3, "0.333333", "1e5",
        15.0);
    row("float", show<float, zkFloatControl>, "weight", {1.0f, 2.0f}, 0.1f, "0.1", "0.25", 0.25f);
    row("int, letters refused", show<int, zkInt32Control>, "count", {1, 2}, -42, "-42", "12a3", 123);
    row("int, beyond range", show<int, zkInt32Control>, "count", {1, 2}, 3, "3", "99999999999", 0);
    row("uint, sign refused", show<uint, zkUInt32Control>, "amount", {1u, 2u}, 4000000000u, "4000000000", "-5", 5u);
    row("int64", show<qlonglong, zkInt64Control>, "big", {1ll, 2ll}, -9000000000ll, "-9000000000", "-9000000001",
        -9000000001ll);
    row("uint64", show<qulonglong, zkUInt64Control>, "huge", {1ull, 2ull}, maxU64, "18446744073709551615", "7", 7ull);
    row("string", show<QString, zkQStringControl>, "text", {"a", "b"}, "abc", {}, "hello", "hello");
    row("bool", show<bool, zkBoolControl>, "flag", {false, true}, true, "On", "Off", false);
    row("check box", show<bool, zkCheckBoxControl>, "flag", {false, true}, true, {}, false, false);
    row("date", show<QDate, zkDateControl>, "day", {QDate(2021, 1, 1), QDate(2021, 1, 2)}, QDate(2021, 3, 4), {},
        QDate(2022, 5, 6), QDate(2022, 5, 6));
    row("time", show<QTime, zkTimeControl>, "clock", {QTime(1, 0), QTime(2, 0)}, QTime(8, 30), {}, QTime(17, 45),
        QTime(17, 45));
    row("double spin box", show<double, zkDoubleSpinerControl>, "size", {0.25, 0.5}, 0.75, {}, 0.25, 0.25);
    // The spin boxes write through the relative path: each object gets the value in its own type.
    row("double spin box on a float", show<float, zkDoubleSpinerControl>, "weight", {0.25f, 0.5f}, 0.75f, 0.75, 0.25,
        0.25f);
    row("int spin box", show<int, zkSpinerControl>, "count", {1, 2}, 5, {}, 7, 7);
    row("int spin box on a uint", show<uint, zkSpinerControl>, "amount", {1u, 2u}, 5u, 5, 7, 7u);
    row("multiline", show<QString, zkQStringMultilineControl>, "text", {"a", "b"}, "x\ny", {}, "z", "z");
    row("checkable button", showCheckableButton, "flag", {false, true}, true, {}, false, false);
    row("directory", show<QString, zkDirectoryControl>, "text", {"/a", "/b"}, "/k", {}, "/c", "/c");
    row("file name", show<QString, zkFilenameControl>, "text", {"a.png", "b.png"}, "k.png", {}, "c.png", "c.png");
    // The family after the one the combo box starts at, a key press away.
    const QFontComboBox fonts;
    const QString family = fonts.itemText(fonts.currentIndex() + 1);
    row("font", show<QString, zkQFontControl>, "text", {"a", "b"}, "Some Family", {}, family, family);
    row("slider", show<double, zkDoubleSliderControl>, "size", {0.25, 0.5}, 0.4, {}, "0.75", 0.75);
    row("wheel", show<double, zkDoubleWheelControl>, "size", {0.25, 0.5}, 0.5, {}, "0.75", 0.75);
    row("wheel, float", show<float, zkDoubleWheelControl>, "weight", {0.25f, 0.5f}, 0.5f, 0.5, "0.75", 0.75f);
    row("integer slider", show<int, zkIntegerSliderControl>, "count", {1, 2}, 7, 7.0, 9, 9);
    // The stepper shows the step size without its sign.
    row("stepper", show<double, zkDoubleRelativeStepperControl>, "size", {0.25, 0.5}, -0.5, 0.5, 1.5, 1.5);
    row("2D", show<QVector2D, zkQVector2DControl>, "offset", {v(QVector2D(1, 2)), v(QVector2D(3, 4))},
        v(QVector2D(0.5f, 0.75f)), {}, "0.25", v(QVector2D(0.25f, 0.75f)));
    row("3D", show<QVector3D, zkQVector3DControl>, "position", {v(QVector3D(1, 2, 3)), v(QVector3D(1, 2, 4))},
        v(QVector3D(0, 0.5f, 1)), {}, "0.25", v(QVector3D(0.25f, 0.5f, 1)));
    row("4D", show<QVector4D, zkQVector4DControl>, "plane", {v(QVector4D(1, 2, 3, 4)), v(QVector4D(0, 2, 3, 4))},
        v(QVector4D(1, 1, 1, 1)), {}, "0.5", v(QVector4D(0.5f, 1, 1, 1)));
    using I2 = QZKIntVector2D;
    row("int 2D slider", show<I2, zkIntVector2DControl>, "cells2", {v(I2(1, 2)), v(I2(1, 3))}, v(I2(5, 6)), {}, 7,
        v(I2(7, 6)));
    using I4 = QZKIntVector4D;
    row("int 4D slider", show<I4, zkIntVector4DControl>, "cells4", {v(I4(1, 2, 3, 4)), v(I4())}, v(I4(4, 3, 2, 1)), {},
        9, v(I4(9, 3, 2, 1)));
    row("int 2D spinner", show<I2, zkIntVector2DSpinerControl>, "cells2", {v(I2(1, 2)), v(I2(2, 2))}, v(I2(0, 6)), {},
        7, v(I2(7, 6)));
    using I3 = QZKIntVector3D;
    row("int 3D spinner", show<I3, zkIntVector3DSpinerControl>, "cells3", {v(I3(1, 2, 3)), v(I3())}, v(I3(4, 5, 6)), {},
        6, v(I3(6, 5, 6)));
    row("2D slider", show<QVector2D, zkVector2DSliderControl>, "offset", {v(QVector2D(0.5f, 0.25f)), v(QVector2D())},
        v(QVector2D(0.75f, 1)), {}, "0.5", v(QVector2D(0.5f, 1)));
    row("3D slider", show<QVector3D, zkVector3DSliderControl>, "position", {v(QVector3D(0.5f, 0, 0)), v(QVector3D())},
        v(QVector3D(0.75f, 1, 0.5f)), {}, "0", v(QVector3D(0, 1, 0.5f)));
    row("4D slider", show<QVector4D, zkVector4DSliderControl>, "plane", {v(QVector4D(0.5f, 0, 0, 1)), v(QVector4D())},
        v(QVector4D(0.75f, 1, 0.5f, 0)), {}, "0.25", v(QVector4D(0.25f, 1, 0.5f, 0)));
    const auto v2 = [](float x, float y) { return v(QVector2D(x, y)); };
    const auto v3 = [](float x, float y, float z) { return v(QVector3D(x, y, z)); };
    // Relative entries apply to each object's own value.
    entry("slider add", show<double, zkDoubleSliderControl>, "size", 0, "+=0.25", {0.25, 0.5}, {0.5, 0.75});
    entry("wheel multiply", show<float, zkDoubleWheelControl>, "weight", 0, "*=2", {0.125f, 0.25f, 0.5f},
          {0.25f, 0.5f, 1.0f});
    entry("wheel, one object", show<double, zkDoubleWheelControl>, "size", 0, "-=0.25", {0.75}, {0.5});
    entry("2D x keeps each y", show<QVector2D, zkQVector2DControl>, "offset", 0, "5", {v2(1, 10), v2(2, 20)},
          {v2(5, 10), v2(5, 20)});
    entry("2D relative y", show<QVector2D, zkQVector2DControl>, "offset", 1, "+=1", {v2(1, 10), v2(2, 20)},
          {v2(1, 11), v2(2, 21)});
    // 3D and 4D apply the entry in the widget and write its vector to every object alike.
    entry("3D relative", show<QVector3D, zkQVector3DControl>, "position", 0, "+=1", {v3(1, 10, 100), v3(2, 20, 200)},
          {v3(2, 10, 100), v3(2, 10, 100)});
    // Return in an untouched field keeps mixed values; typing the shown number again is an edit.
    entry("untouched field", show<double, zkDoubleControl>, "size", 0, QString(), {1.5, 2.5}, {1.5, 2.5});
    entry("shown number typed", show<double, zkDoubleControl>, "size", 0, "1.5", {1.5, 2.5}, {1.5, 1.5});
    entry("int spin box on an int64", show<qlonglong, zkSpinerControl>, "big", 0, 7, {1ll, 2ll}, {1ll, 2ll}, true);
}

// Mixed values look mixed on every input; the first object's value shows, and a kernel change
// shows without a write. An edit reaches every object as one undo step, which undo takes back; a
// refused one is reported for each object.
void tst_zkValueControls::edit()
{
    QFETCH(Show, show);
    QFETCH(QByteArray, property);
    QFETCH(QVariantList, values);
    QFETCH(QVariant, kernelValue);
    QFETCH(QVariant, shown);
    QFETCH(int, component);
    QFETCH(QVariant, input);
    QFETCH(QVariantList, expected);
    QFETCH(bool, refused);

    const Items items = create(property, values);
    Editor editor(nullptr, {});
    const Row row = show(editor, items, property);
    QVERIFY(allMarked(row.control, values.first() != values.last()));
    if (kernelValue.isValid()) {
        QVERIFY(items.first().setProperty(property.constData(), kernelValue));
        QCOMPARE(row.shown(), shown);
        QVERIFY(items.last().setProperty(property.constData(), kernelValue));
        QVERIFY(allMarked(row.control, false));
    }
    const QVariantList before = read(items, property);
    QCOMPARE(zkUndoStack::instance()->count(), 0);

    zkCapturedOutput out(stdout);
    enter(valueWidget(row.control, component), input);
    std::fflush(stdout);
    QCOMPARE(out.take(),
             refused ? QByteArray("Unable to apply property to selected node\n").repeated(values.size()) : "");
    const QVariantList after = read(items, property);
    QCOMPARE(after, expected);
    QCOMPARE(after.last().userType(), expected.last().userType());
    QCOMPARE(zkUndoStack::instance()->count(), after == before ? 0 : 1);

    zkUndoStack::instance()->undo();
    QCOMPARE(read(items, property), before);
    if (kernelValue.isValid())
        QCOMPARE(row.shown(), shown);
}

void tst_zkValueControls::options_data()
{
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QVariantList>("expected");

    const auto row = [](const char *name, Probe probe, const QVariantList &expected) {
        QTest::newRow(name) << probe << expected;
    };
    // The width is scaled and fixed, and a stretching spacer takes the rest of the row.
    const int width = qRound(80 * zkPlatform::getDpiScaleX());
    row("int spin box",
        [](Editor &e) -> QVariantList{
            const auto *row =
                showControl<int, zkSpinerControl>(e, create("count", {3}), "count", [](auto &o) { o.width = 80; });
            const auto *spacer = row->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
            return {row->getSpinBox()->minimumWidth(), row->getSpinBox()->maximumWidth(),
                    spacer->sizePolicy().horizontalStretch()};
        },
        {width, width, 1});
    // The caption on the box or in the label cell, where the box is at the right unless left to right.
    const auto checkBox = [](bool inLeftColumn, bool leftToRight) -> Probe {
        return [=](Editor &e) -> QVariantList{
            const auto *row = showControl<bool, zkCheckBoxControl>(e, create("flag", {true}), "flag", [=](auto &o) {
                o.inLeftColumn = inLeftColumn, o.leftToRight = leftToRight;
            });
            const QCheckBox *box = row->getCheckBox();
            const auto *caption = qobject_cast<QLabel *>(row->getLabel());
            return {box->text(), box->layoutDirection(), row->getLabel() == box, caption ? caption->text() : QString()};
        };
    };
    row("check box", checkBox(false, false), {"", Qt::LeftToRight, false, "Flag"});
    row("check box, captioned", checkBox(false, true), {"Flag", Qt::LeftToRight, false, ""});
    row("check box, left column", checkBox(true, false), {"Flag", Qt::RightToLeft, true, ""});
    row("check box, left column, left to right", checkBox(true, true), {"Flag", Qt::LeftToRight, true, ""});
    // Read as checked above one; a partial state counts as checked.
    row("check box mappings", [](Editor &e) -> QVariantList{
        const Items items = create("count", {0, 5});
        QCheckBox *box = showControl<int, zkCheckBoxControl>(e, items, "count", [](auto &o) {
                             o.readMapping = [](const QVariant &value) { return value.toInt() > 1; };
                             o.writeMapping = [](bool checked) { return QVariant(checked ? 7 : 0); };
                         })->getCheckBox();
        const Qt::CheckState shown = box->checkState();
        box->setCheckState(Qt::PartiallyChecked);
        return QVariantList{shown, box->checkState()} + read(items, "count");
    }, {Qt::Unchecked, Qt::Checked, 7, 7});
    // The label cell's check box enables the slider and switches every object's extra property.
    row("slider with enable check box", [](Editor &e) -> QVariantList{
        const Items items = create("size", {1.0, 2.0});
        auto *row = showControl<double, zkDoubleSliderControl>(e, items, "size", [](auto &o) {
            o.enableCheckBox = true, o.extraProperties = {"active"};
        });
        QCheckBox *box = row->getEnableCheckBox();
        const QSlider *slider = row->getSlider()->findChild<QSlider *>();
        QVariantList seen{row->getLabel() == box, box->text(), slider->isEnabled()};
        items.first().setProperty("active", true);
        seen << box->isChecked() << slider->isEnabled();
        box->setChecked(false);
        return seen << slider->isEnabled() << zkUndoStack::instance()->count() << read(items, "active");
    }, {true, "Size", false, true, true, false, 1, false, false});
    // Two moves over two objects: the writes while dragging, then one more of the final value.
    const auto drag = [](bool writeWhileDragging, bool tracking) -> Probe {
        return [=](Editor &e) -> QVariantList{
            const Items items = create("size", {1.0, 2.0});
            auto *slider = showControl<double, zkDoubleSliderControl>(e, items, "size", [=](auto &o) {
                o.maximum = 100.0, o.decimals = 0, o.writeWhileDragging = writeWhileDragging, o.tracking = tracking;
            })->getSlider()->findChild<QSlider *>();
            const auto writes = recordWrites<double>(e, "size");
            slider->setSliderDown(true);
            slider->setSliderPosition(30);
            slider->setSliderPosition(40);
            QVariantList seen{writes->size()};
            slider->setSliderDown(false);
            return seen << writes->size() << read(items, "size");
        };
    };
    row("slider drag", drag(false, true), {0, 2, 40.0, 40.0});
    row("slider drag without tracking", drag(false, false), {0, 2, 40.0, 40.0});
    row("slider drag writing while dragging", drag(true, true), {4, 6, 40.0, 40.0});
    // Layout 1 is vertical with thumb wheels.
    const auto layout2D = [](int layout) -> Probe {
        return [=](Editor &e) -> QVariantList{
            const QZKVec2Control *vec =
                showControl<QVector2D, zkQVector2DControl>(e, create("offset", {v(QVector2D())}), "offset",
                                                           [=](auto &o) { o.layout = layout; })
                    ->getVectorWidget();
            return {vec->orientation(), vec->isWheelVisible()};
        };
    };
    row("2D, layout 0", layout2D(0), {0, false});
    row("2D, layout 1", layout2D(1), {1, true});
    // Sub-labels apply only when all four are given.
    const auto subLabels4D = [](int count) -> Probe {
        return [=](Editor &e) -> QVariantList{
            const QStringList labels = QStringList{"A", "B", "C", "D"}.mid(0, count);
            const QZKVec4Control *vec =
                showControl<QVector4D, zkQVector4DControl>(e, create("plane", {v(QVector4D())}), "plane", [=](auto &o) {
                    o.subLabels = labels;
                })->getVectorWidget();
            return {vec->subLabels().first(), vec->isWheelVisible()};
        };
    };
    row("4D, three sub-labels", subLabels4D(3), {"X", false});
    row("4D, four sub-labels", subLabels4D(4), {"A", false});
    // Reload first writes an empty path, outside the undo history.
    row("file name, cleared before reload", [](Editor &e) -> QVariantList{
        const Items items = create("text", {"/x/f.png"});
        auto *row =
            showControl<QString, zkFilenameControl>(e, items, "text", [](auto &o) { o.clearBeforeReload = true; });
        const auto writes = recordWrites<QString>(e, "text");
        QTest::mouseClick(row->getReloadButton(), Qt::LeftButton);
        const QVariantList seen = *writes << zkUndoStack::instance()->count();
        zkUndoStack::instance()->undo();
        return seen + read(items, "text");
    }, {"", "/x/f.png", 1, ""});
    // Commands write to every object at every click, and "Today" even when the field shows today.
    row("stepper commands",
        [](Editor &e) -> QVariantList{
            auto *row =
                showControl<double, zkDoubleRelativeStepperControl>(e, create("size", {1.0, 2.0}), "size", [](auto &o) {
                    o.extraProperties = {"back", "forward"};
                });
            const auto back = recordWrites<bool>(e, "back");
            const auto forward = recordWrites<bool>(e, "forward");
            row->getForwardButton()->click();
            QVariantList seen = *forward + *back;
            row->getBackButton()->click();
            return seen << back->size();
        },
        {true, true, 2});
    row("date, today", [](Editor &e) -> QVariantList{
        auto *row = showControl<QDate, zkDateControl>(e, create("day", {QDate::currentDate()}), "day");
        const auto writes = recordWrites<QDate>(e, "day");
        QTest::mouseClick(row->getCurrentButton(), Qt::LeftButton);
        return *writes;
    }, {QDate::currentDate()});
}

void tst_zkValueControls::options()
{
    QFETCH(Probe, probe);
    QFETCH(QVariantList, expected);

    Editor editor(nullptr, {});
    QCOMPARE(probe(editor), expected);
}

void tst_zkValueControls::environmentMenu()
{
    auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    using Entry = std::pair<const char *, const char *>;
    QList<zkdMaterial> materials;
    for (const Entry &entry :
         {Entry("zkdEnvironmentMaterial", "Studio"), Entry("zkdPlasticMaterial", "Paint"),
          Entry("zkdEnvironmentSwitchMaterial", "Switch"), Entry("zkdEnvironmentMaterial", "Dome")}) {
        materials.append(zkd_cast<zkdMaterial>(zkdObjectManager::create(entry.first)));
        materials.last().setName(QString::fromLatin1(entry.second));
        service->addMaterial(materials.last());
    }
    const Items items = create("environment", {v(materials.first()), v(zkdMaterial())});
    zkUndoStack::instance()->clear();

    Editor editor(nullptr, {});
    auto *row = showControl<zkdMaterial, zkEnvironmentLabelControl>(editor, items, "environment");
    QCOMPARE(row->getNameLabel()->text(), QStringLiteral("Studio"));
    QVERIFY(row->getNameLabel()->property("multiselect").toBool());

    // Built twice: the second build replaces the first.
    row->updateEnvironmentMenu();
    row->updateEnvironmentMenu();
    QMenu *menu = row->getEnvironmentMenu();
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(entries, QStringList({"Default", "-", "Studio", "Dome", "-", "Switch"}));

    menu->actions().last()->trigger();
    const QVariant chosen = v(materials.at(2));
    QCOMPARE(read(items, "environment"), QVariantList({chosen, chosen}));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QCOMPARE(row->getNameLabel()->text(), QStringLiteral("Switch"));

    menu->actions().first()->trigger();
    QCOMPARE(items.last().property("environment").value<zkdMaterial>(), service->getDefaultEnvironmentMaterial());

    // A null material leaves the name shown before.
    const QString shown = row->getNameLabel()->text();
    QVERIFY(!shown.isEmpty());
    items.first().setProperty("environment", v(zkdMaterial()));
    QCOMPARE(row->getNameLabel()->text(), shown);
}

// An empty swatch shows mixed values; a cancelled dialog writes nothing, an accepted one writes
// its colour to every object.
void tst_zkValueControls::colorSwatch()
{
    const Items items = create("position", {v(QVector3D(1, 0, 0)), v(QVector3D(0, 0, 1))});
    Editor editor(nullptr, {});
    QPushButton *button = showControl<QVector3D, zkQVector3DColorControl>(editor, items, "position")->getButton();
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
    QCOMPARE(read(items, "position"), QVariantList({v(QVector3D(0, 1, 0)), v(QVector3D(0, 1, 0))}));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
}

void tst_zkValueControls::colorManipulatorPreviewsThenWritesOnce_data()
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

// Half red and half blue objects with their spectra: previews write without undo steps, the final colour
// is one step from the state before, a cancel restores it. Only the hue changes, so each mode stores
// the half value of its own space.
void tst_zkValueControls::colorManipulatorPreviewsThenWritesOnce()
{
    QFETCH(bool, gamma);
    QFETCH(bool, spectrum);
    QFETCH(bool, dialog);
    QFETCH(bool, accept);

    const Items items = create("position", {v(QVector3D(0.5f, 0, 0)), v(QVector3D(0, 0, 0.5f))});
    for (const zkdControlTestItem &item : items)
        item.setProperty("spectrum", v(QZKSpectrum(item.property("position").value<QVector3D>())));
    const QVariantList before = read(items, "position") + read(items, "spectrum");
    // Whether every object's colour is near rgb, or without one near that of its own spectrum.
    const auto colorsNear = [&items](std::optional<QVector3D> rgb) {
        return std::all_of(items.cbegin(), items.cend(), [&rgb](const zkdControlTestItem &item) {
            const QVector3D expected = rgb.value_or(item.property("spectrum").value<QZKSpectrum>().rgb());
            return (item.property("position").value<QVector3D>() - expected).length() < 1e-4f;
        });
    };
    Editor editor(nullptr, {});
    auto *row = showControl<QVector3D, zkColorManipulatorControl>(editor, items, "position", [=](auto &o) {
        o.gamma = gamma, o.photometric = true;
        if (spectrum)
            o.extraProperties = {"spectrum"};
    });
    QZKColorManipulator *manipulator = row->getManipulator();
    QVERIFY(manipulator->hasPhotometricParameters() && row->focusPolicy() == Qt::NoFocus);
    auto *dialogButton = manipulator->findChild<QToolButton *>();
    QVERIFY(dialogButton->property("multiselect").toBool());
    auto *hue = manipulator->findChild<QSlider *>(QStringLiteral("hueSlider"));

    if (dialog) {
        dialogButton->click();
        manipulator->colorDialog()->setCurrentColor(QColor(0, 128, 0));
    } else {
        hue->setSliderDown(true);
        hue->setValue(120);
        QVERIFY(colorsNear(QVector3D(0, 0.5f, 0)));
    }
    QVERIFY(read(items, "position") != before.mid(0, 2));
    QCOMPARE(zkUndoStack::instance()->count(), 0);

    if (dialog) {
        accept ? manipulator->colorDialog()->accept() : manipulator->colorDialog()->reject();
    } else {
        hue->setValue(240);
        hue->setSliderDown(false);
        QVERIFY(colorsNear(QVector3D(0, 0, 0.5f)));
    }
    QCOMPARE(zkUndoStack::instance()->count(), accept ? 1 : 0);
    QVERIFY(!spectrum || !accept || colorsNear(std::nullopt));
    if (accept)
        zkUndoStack::instance()->undo();
    QCOMPARE(read(items, "position") + read(items, "spectrum"), before);
}

QTEST_MAIN(tst_zkValueControls)
#include "tst_zkValueControls.moc"
