#include <zkBoolControl.h>
#include <zkCheckBoxControl.h>
#include <zkDateControl.h>
#include <zkDirectoryControl.h>
#include <zkDoubleControl.h>
#include <zkDoubleSpinerControl.h>
#include <zkEnvironmentLabelControl.h>
#include <zkFilenameControl.h>
#include <zkFloatControl.h>
#include <zkInt32Control.h>
#include <zkInt64Control.h>
#include <zkLabelControl.h>
#include <zkPushButtonControl.h>
#include <zkQFontControl.h>
#include <zkQStringControl.h>
#include <zkQStringMultilineControl.h>
#include <zkSpinerControl.h>
#include <zkTimeControl.h>
#include <zkUInt32Control.h>
#include <zkUInt64Control.h>

#include <QZKDirControl.h>
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
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <limits>

// A property of every value type the rows edit.
class zkdControlTestItem : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdControlTestItem)

namespace {

using Items = QList<zkdControlTestItem>;

Items createItems(const QByteArray &property, const QVariantList &values)
{
    Items items;
    for (const QVariant &value : values) {
        items.append(zkdObjectManager::create<zkdControlTestItem>());
        items.last().setProperty(property.constData(), value);
    }
    return items;
}

QVariantList valuesOf(const Items &items, const QByteArray &property)
{
    QVariantList values;
    for (const zkdControlTestItem &item : items)
        values.append(item.property(property.constData()));
    return values;
}

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

bool isMultiselect(const QWidget *widget)
{
    return widget->property("multiselect").toBool();
}

// The editor shows only the property, with TControl registered for it in a factory of its own.
template <typename TValue, typename TControl>
TControl *showRow(zkPropertyEditorWidget &editor, const Items &items, const QByteArray &property,
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
QSharedPointer<QVariantList> recordWrites(zkPropertyEditorWidget &editor, const QByteArray &property)
{
    auto writes = QSharedPointer<QVariantList>::create();
    editor.getFactories().first()->registerOnSetProperty<zkdControlTestItem, TValue>(
        property, [writes](const zkPropertyEditorObjectWrapper *, TValue value) { writes->append(QVariant::fromValue(value)); });
    return writes;
}

template <typename TValue, typename TControl>
zkBaseControl *show(zkPropertyEditorWidget &editor, const Items &items, const QByteArray &property)
{
    return showRow<TValue, TControl>(editor, items, property);
}

zkBaseControl *showCheckableButton(zkPropertyEditorWidget &editor, const Items &items, const QByteArray &property)
{
    return showRow<bool, zkPushButtonControl>(editor, items, property, [](auto &options) { options.checkable = 1; });
}

// The widget that shows the value: the editor, or the field a compound editor passes its focus to.
QWidget *valueWidget(const zkBaseControl *control)
{
    QWidget *editor = control->getEditor();
    return editor->metaObject()->userProperty().isValid() ? editor : editor->focusProxy();
}

QVariant shownValue(const zkBaseControl *control)
{
    const QWidget *widget = valueWidget(control);
    return widget->metaObject()->userProperty().read(widget);
}

// As a user would: typed into text fields, chosen by keys in lists, set on other widgets.
void enter(const zkBaseControl *control, const QVariant &input)
{
    QWidget *widget = valueWidget(control);
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

zkdMaterial addMaterial(const QByteArray &className, const QString &name)
{
    const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::create(className));
    material.setName(name);
    zkKernelServiceFactory::the().getService<zkMaterialService>()->addMaterial(material);
    return material;
}

} // namespace

using Show = zkBaseControl *(*)(zkPropertyEditorWidget &, const Items &, const QByteArray &);
Q_DECLARE_METATYPE(Show)

class tst_zkScalarAndTextControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { stack()->clear(); }
    void roundTrip_data();
    void roundTrip();
    void untouchedFieldKeepsMixedValues();
    void spinBoxLeavesOtherTypes();
    void spinBoxOptions();
    void checkBoxLayout_data();
    void checkBoxLayout();
    void checkBoxMappings();
    void fieldOptions();
    void writesWithoutChange();
    void filenameReloadClearsFirst();
    void fontFamily();
    void environmentMenu();
};

void tst_zkScalarAndTextControls::initTestCase()
{
    using namespace zkdProperty;
    zkdObjectManager::registerClass<zkdControlTestItem>({
        value<bool>("flag"), value<int>("count"), value<uint>("amount"), value<qlonglong>("big"),
        value<qulonglong>("huge"), value<float>("weight"), value<double>("size"), value<QString>("text"),
        value<QDate>("day", QDate(2020, 1, 1)), value<QTime>("clock", QTime(12, 0)),
        reference<zkdMaterial>("environment"), command("trigger"),
    });
}

void tst_zkScalarAndTextControls::roundTrip_data()
{
    QTest::addColumn<Show>("show");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariantList>("values");   // of two objects
    QTest::addColumn<QVariant>("kernelValue"); // given to the first object in the kernel
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("written");

    const auto row = [](const char *name, Show show, const char *property, const QVariantList &values,
                        const QVariant &kernelValue, const QVariant &shown, const QVariant &input, const QVariant &written) {
        QTest::newRow(name) << show << QByteArray(property) << values << kernelValue << shown << input << written;
    };
    const qulonglong maxU64 = std::numeric_limits<qulonglong>::max();
    row("double", show<double, zkDoubleControl>, "size", {1.0, 2.0}, 1e6, "1e+06", "2.5", 2.5);
    row("double, exponent refused", show<double, zkDoubleControl>, "size", {1.0, 2.0}, 1.0 / 3, "0.333333", "1e5", 15.0);
    row("float", show<float, zkFloatControl>, "weight", {1.0f, 2.0f}, 0.1f, "0.1", "0.25", 0.25f);
    row("int, letters refused", show<int, zkInt32Control>, "count", {1, 2}, -42, "-42", "12a3", 123);
    row("int, beyond range", show<int, zkInt32Control>, "count", {1, 2}, 3, "3", "99999999999", 0);
    row("uint, sign refused", show<uint, zkUInt32Control>, "amount", {1u, 2u}, 4000000000u, "4000000000", "-5", 5u);
    row("int64", show<qlonglong, zkInt64Control>, "big", {1ll, 2ll}, -9000000000ll, "-9000000000", "-9000000001", -9000000001ll);
    row("uint64", show<qulonglong, zkUInt64Control>, "huge", {1ull, 2ull}, maxU64, "18446744073709551615", "7", 7ull);
    row("string", show<QString, zkQStringControl>, "text", {"a", "b"}, "abc", "abc", "hello", "hello");
    row("bool", show<bool, zkBoolControl>, "flag", {false, true}, true, "On", "Off", false);
    row("check box", show<bool, zkCheckBoxControl>, "flag", {false, true}, true, true, false, false);
    row("date", show<QDate, zkDateControl>, "day", {QDate(2021, 1, 1), QDate(2021, 1, 2)}, QDate(2021, 3, 4), QDate(2021, 3, 4),
        QDate(2022, 5, 6), QDate(2022, 5, 6));
    row("time", show<QTime, zkTimeControl>, "clock", {QTime(1, 0), QTime(2, 0)}, QTime(8, 30), QTime(8, 30), QTime(17, 45), QTime(17, 45));
    row("double spin box", show<double, zkDoubleSpinerControl>, "size", {0.25, 0.5}, 0.75, 0.75, 0.25, 0.25);
    // The spin boxes write through the relative path: each object gets the value in its own type.
    row("double spin box on a float", show<float, zkDoubleSpinerControl>, "weight", {0.25f, 0.5f}, 0.75f, 0.75, 0.25, 0.25f);
    row("int spin box", show<int, zkSpinerControl>, "count", {1, 2}, 5, 5, 7, 7);
    row("int spin box on a uint", show<uint, zkSpinerControl>, "amount", {1u, 2u}, 5u, 5, 7, 7u);
    row("multiline", show<QString, zkQStringMultilineControl>, "text", {"a", "b"}, "x\ny", "x\ny", "z", "z");
    row("checkable button", showCheckableButton, "flag", {false, true}, true, true, false, false);
    row("directory", show<QString, zkDirectoryControl>, "text", {"/a", "/b"}, "/k", "/k", "/c", "/c");
    row("file name", show<QString, zkFilenameControl>, "text", {"a.png", "b.png"}, "k.png", "k.png", "c.png", "c.png");
}

void tst_zkScalarAndTextControls::roundTrip()
{
    QFETCH(Show, show);
    QFETCH(QByteArray, property);
    QFETCH(QVariantList, values);
    QFETCH(QVariant, kernelValue);
    QFETCH(QVariant, shown);
    QFETCH(QVariant, input);
    QFETCH(QVariant, written);

    const Items items = createItems(property, values);
    zkPropertyEditorWidget editor(nullptr, {});
    const zkBaseControl *row = show(editor, items, property);
    QVERIFY(isMultiselect(row->getEditor()));
    QVERIFY(isMultiselect(valueWidget(row)));

    QVERIFY(items.first().setProperty(property.constData(), kernelValue));
    QCOMPARE(shownValue(row), shown);
    // Showing never writes.
    QCOMPARE(stack()->count(), 0);

    const QVariantList before = valuesOf(items, property);
    enter(row, input);
    const QVariantList after = valuesOf(items, property);
    QCOMPARE(after, QVariantList({written, written}));
    QCOMPARE(after.last().userType(), written.userType());
    QCOMPARE(stack()->count(), 1);
    QVERIFY(!isMultiselect(valueWidget(row)));

    stack()->undo();
    QCOMPARE(valuesOf(items, property), before);
    QCOMPARE(shownValue(row), shown);
    QCOMPARE(isMultiselect(valueWidget(row)), before.first() != before.last());
}

void tst_zkScalarAndTextControls::untouchedFieldKeepsMixedValues()
{
    const Items items = createItems("size", {1.5, 2.5});
    zkPropertyEditorWidget editor(nullptr, {});
    QLineEdit *field = showRow<double, zkDoubleControl>(editor, items, "size")->getLineEdit();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(valuesOf(items, "size"), QVariantList({1.5, 2.5}));
    QCOMPARE(stack()->count(), 0);

    // Typing the shown number again is an edit.
    enter(editor.getControl("size"), field->text());
    QCOMPARE(valuesOf(items, "size"), QVariantList({1.5, 1.5}));
}

void tst_zkScalarAndTextControls::spinBoxLeavesOtherTypes()
{
    const Items items = createItems("big", {1ll, 2ll});
    zkPropertyEditorWidget editor(nullptr, {});
    const zkBaseControl *row = showRow<qlonglong, zkSpinerControl>(editor, items, "big");
    zkCapturedOutput out(stdout);
    enter(row, 7);
    std::fflush(stdout);
    QCOMPARE(out.take(), QByteArray("Unable to apply property to selected node\n").repeated(2));
    QCOMPARE(valuesOf(items, "big"), QVariantList({1ll, 2ll}));
}

void tst_zkScalarAndTextControls::spinBoxOptions()
{
    zkPropertyEditorWidget editor(nullptr, {});
    auto *doubleRow = showRow<double, zkDoubleSpinerControl>(editor, createItems("size", {0.5}), "size", [](auto &options) {
        options.minimum = -1.0;
        options.maximum = 2.0;
        options.singleStep = 0.5;
        options.prefix = QStringLiteral("~");
        options.suffix = QStringLiteral(" m");
        options.specialValueText = QStringLiteral("auto");
        options.spacer = false;
    });
    const QZKDoubleSpiner *doubleSpin = doubleRow->getSpinBox();
    QCOMPARE(doubleSpin->minimum(), -1.0);
    QCOMPARE(doubleSpin->maximum(), 2.0);
    QCOMPARE(doubleSpin->singleStep(), 0.5);
    QCOMPARE(doubleSpin->text(), QStringLiteral("~0.50 m"));
    QCOMPARE(doubleSpin->specialValueText(), QStringLiteral("auto"));
    QVERIFY(!doubleRow->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly));

    auto *row = showRow<int, zkSpinerControl>(editor, createItems("count", {3}), "count",
                                              [](auto &options) { options.width = 80; });
    const QZKSpiner *spin = row->getSpinBox();
    QCOMPARE(spin->minimumWidth(), qRound(80 * zkPlatform::getDpiScaleX()));
    QCOMPARE(spin->maximumWidth(), spin->minimumWidth());
    QVERIFY(!spin->autoStepsOnMousePress());
    const auto *spacer = row->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(spacer);
    QCOMPARE(spacer->sizePolicy().horizontalStretch(), 1);
}

void tst_zkScalarAndTextControls::checkBoxLayout_data()
{
    QTest::addColumn<bool>("inLeftColumn");
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<Qt::LayoutDirection>("direction");

    QTest::newRow("value column") << false << false << "" << Qt::LeftToRight;
    QTest::newRow("value column, captioned box") << false << true << "Flag" << Qt::LeftToRight;
    QTest::newRow("left column, box at the right") << true << false << "Flag" << Qt::RightToLeft;
    QTest::newRow("left column, left to right") << true << true << "Flag" << Qt::LeftToRight;
}

void tst_zkScalarAndTextControls::checkBoxLayout()
{
    QFETCH(bool, inLeftColumn);
    QFETCH(bool, leftToRight);
    QFETCH(QString, boxText);
    QFETCH(Qt::LayoutDirection, direction);

    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = showRow<bool, zkCheckBoxControl>(editor, createItems("flag", {true}), "flag", [=](auto &options) {
        options.inLeftColumn = inLeftColumn;
        options.leftToRight = leftToRight;
    });
    const QCheckBox *box = row->getCheckBox();
    QCOMPARE(box->text(), boxText);
    QCOMPARE(box->layoutDirection(), direction);
    QCOMPARE(row->getLabel() == box, inLeftColumn);
    // The caption is shown once: by the caption label or by the check box.
    if (const auto *caption = qobject_cast<QLabel *>(row->getLabel()))
        QCOMPARE(caption->text().isEmpty(), !boxText.isEmpty());
}

void tst_zkScalarAndTextControls::checkBoxMappings()
{
    const Items items = createItems("count", {0, 5});
    zkPropertyEditorWidget editor(nullptr, {});
    QCheckBox *box = showRow<int, zkCheckBoxControl>(editor, items, "count", [](auto &options) {
                         options.readMapping = [](const QVariant &value) { return value.toInt() > 1; };
                         options.writeMapping = [](bool checked) { return QVariant(checked ? 7 : 0); };
                     })->getCheckBox();
    QCOMPARE(box->checkState(), Qt::Unchecked);
    // A partial state counts as checked.
    box->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(valuesOf(items, "count"), QVariantList({7, 7}));
    QCOMPARE(box->checkState(), Qt::Checked);
}

void tst_zkScalarAndTextControls::fieldOptions()
{
    zkPropertyEditorWidget editor(nullptr, {});
    const Items items = createItems("text", {"some text"});
    const auto *text = showRow<QString, zkQStringMultilineControl>(editor, items, "text",
                                                                   [](auto &options) { options.height = 50; });
    QCOMPARE(text->getTextEdit()->height(), 50);

    const QLabel *label = showRow<QString, zkLabelControl>(editor, items, "text", [](auto &options) {
                              options.wordWrap = true;
                          })->getTextLabel();
    QVERIFY(label->wordWrap());
    QCOMPARE(label->text(), QStringLiteral("some text"));

    const QZKDirControl *dir = showRow<QString, zkDirectoryControl>(editor, items, "text", [](auto &options) {
                                   options.title = QStringLiteral("Textures");
                               })->getDirControl();
    QCOMPARE(dir->title(), QStringLiteral("Textures"));
    QVERIFY(!dir->findChild<QLabel *>()->isVisibleTo(dir));

    auto *button = showRow<bool, zkPushButtonControl>(editor, createItems("flag", {false}), "flag");
    QCOMPARE(button->getButton()->text(), QStringLiteral("Flag"));
    QCOMPARE(qobject_cast<QLabel *>(button->getLabel())->text(), QString());
    QCOMPARE(button->getButton()->size(),
             QSize(qRound(130 * zkPlatform::getDpiScaleX()), qRound(18 * zkPlatform::getDpiScaleY())));

    auto *file = showRow<QString, zkFilenameControl>(editor, items, "text", [](auto &options) {
        options.textField = false;
        options.reloadButton = false;
    });
    QVERIFY(!file->getLineEdit()->isVisibleTo(file));
    QVERIFY(!file->getReloadButton()->isVisibleTo(file));
    QVERIFY(file->getBrowseButton()->isVisibleTo(file));
}

void tst_zkScalarAndTextControls::writesWithoutChange()
{
    // "Today" writes even when the field shows today; a command button writes at every click.
    zkPropertyEditorWidget editor(nullptr, {});
    auto *date = showRow<QDate, zkDateControl>(editor, createItems("day", {QDate::currentDate()}), "day");
    const auto dates = recordWrites<QDate>(editor, "day");
    QTest::mouseClick(date->getCurrentButton(), Qt::LeftButton);
    QCOMPARE(*dates, QVariantList{QDate::currentDate()});

    auto *command = showRow<bool, zkPushButtonControl>(editor, createItems("trigger", {false}), "trigger");
    const auto commands = recordWrites<bool>(editor, "trigger");
    QTest::mouseClick(command->getButton(), Qt::LeftButton);
    QTest::mouseClick(command->getButton(), Qt::LeftButton);
    QCOMPARE(*commands, QVariantList({true, true}));
}

void tst_zkScalarAndTextControls::filenameReloadClearsFirst()
{
    const Items items = createItems("text", {"/x/f.png"});
    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = showRow<QString, zkFilenameControl>(editor, items, "text",
                                                    [](auto &options) { options.clearBeforeReload = true; });
    const auto recorded = recordWrites<QString>(editor, "text");
    QTest::mouseClick(row->getReloadButton(), Qt::LeftButton);
    QCOMPARE(*recorded, QVariantList({"", "/x/f.png"}));
    // Only the second write is undoable.
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(items.first().property("text").toString(), QString());
}

void tst_zkScalarAndTextControls::fontFamily()
{
    const Items items = createItems("text", {QString(), QString()});
    zkPropertyEditorWidget editor(nullptr, {});
    QFontComboBox *combo = showRow<QString, zkQFontControl>(editor, items, "text")->getFontComboBox();
    if (combo->count() < 2)
        QSKIP("Needs two font families");
    items.first().setProperty("text", QStringLiteral("Some Family"));
    QCOMPARE(combo->currentText(), QStringLiteral("Some Family"));
    combo->setCurrentIndex(0);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(valuesOf(items, "text"), QVariantList({combo->itemText(1), combo->itemText(1)}));
}

void tst_zkScalarAndTextControls::environmentMenu()
{
    const zkdMaterial studio = addMaterial("zkdEnvironmentMaterial", QStringLiteral("Studio"));
    addMaterial("zkdPlasticMaterial", QStringLiteral("Paint"));
    const zkdMaterial switchMaterial = addMaterial("zkdEnvironmentSwitchMaterial", QStringLiteral("Switch"));
    addMaterial("zkdEnvironmentMaterial", QStringLiteral("Dome"));
    const Items items = createItems("environment", {QVariant::fromValue(studio), QVariant::fromValue(zkdMaterial())});
    stack()->clear();

    zkPropertyEditorWidget editor(nullptr, {});
    auto *row = showRow<zkdMaterial, zkEnvironmentLabelControl>(editor, items, "environment");
    QCOMPARE(row->getNameLabel()->text(), QStringLiteral("Studio"));
    QVERIFY(isMultiselect(row->getNameLabel()));

    row->updateEnvironmentMenu();
    row->updateEnvironmentMenu();
    QMenu *menu = row->getEnvironmentMenu();
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(entries, QStringList({"Default", "-", "Studio", "Dome", "-", "Switch"}));

    menu->actions().last()->trigger();
    const QVariant chosen = QVariant::fromValue(zkd_cast<zkdMaterial>(switchMaterial));
    QCOMPARE(valuesOf(items, "environment"), QVariantList({chosen, chosen}));
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(row->getNameLabel()->text(), QStringLiteral("Switch"));

    menu->actions().first()->trigger();
    const auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    QCOMPARE(items.last().property("environment").value<zkdMaterial>(), service->getDefaultEnvironmentMaterial());
}

QTEST_MAIN(tst_zkScalarAndTextControls)
#include "tst_zkScalarAndTextControls.moc"
