#include <zkComboBoxControl.h>
#include <zkComboBoxResetControl.h>
#include <zkComboBoxSizeControl.h>
#include <zkListControl.h>
#include <zkRadioButtonGroupControl.h>
#include <zkTextureRepeatControl.h>
#include <zkTextureSlotControl.h>
#include <zkTimeZoneControl.h>

#include <QZKComboBox.h>
#include <QZKIntVector.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorQObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkTextureTypes.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdWebEngine.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <functional>

// Kernel objects with a property of every value type the choice rows edit.
class zkdChoiceTestItem : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdChoiceTestItem)

namespace {

using Items = QList<zkdChoiceTestItem>;
using Editor = zkPropertyEditorWidget;
using Mode = zkTextureTypes::RepeatMode;
using Slot = zkdWebEngine::TextureSlotType;
using Size = QZKIntVector3D;

template <typename T>
QVariant v(const T &value)
{
    return QVariant::fromValue(value);
}

QVariantList filled(int count, const QVariant &value)
{
    QVariantList values;
    for (int i = 0; i < count; ++i)
        values.append(value);
    return values;
}

Items create(const QByteArray &property, const QVariantList &values)
{
    Items items;
    for (const QVariant &value : values) {
        items.append(zkdObjectManager::create<zkdChoiceTestItem>());
        items.last().setProperty(property.constData(), value);
    }
    return items;
}

QVariantList read(const Items &items, const QByteArray &property)
{
    QVariantList values;
    for (const zkdChoiceTestItem &item : items)
        values.append(item.property(property.constData()));
    return values;
}

// The editor shows the property alone, with TControl registered for it in a factory of its own.
template <typename TValue, typename TControl>
TControl *showControl(Editor &editor, const Items &items, const QByteArray &property,
                      std::function<void(typename TControl::Options &)> modifier = {})
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdChoiceTestItem, TValue, TControl>(property, modifier);
    editor.setFactories({factory});
    editor.setKeepProperties({property});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdChoiceTestItem &item : items)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(item));
    editor.setCurrentObjects(wrappers);
    return qobject_cast<TControl *>(editor.getControl(property));
}

// As the combo box does when the user picks an item.
void choose(QComboBox *comboBox, int index)
{
    comboBox->setCurrentIndex(index);
    emit comboBox->activated(index);
}

QString currentText(const QComboBox *comboBox)
{
    return comboBox->currentIndex() < 0 ? QStringLiteral("<none>") : comboBox->currentText();
}

const auto modeItems = [](zkLabelMappingOptions &o) {
    o.mappings = {{"Repeat", 0}, {"Mirrored", 1}, {"Decal", 2}};
};

// A row under test: its input widget, what it shows, and how the user picks the item or button
// at an index.
struct Row
{
    QWidget *input;
    std::function<QString()> shown;
    std::function<void(int)> pick;
};

using Show = std::function<Row(Editor &, const Items &)>;

Row comboRow(QComboBox *comboBox)
{
    return {comboBox, [comboBox] { return currentText(comboBox); }, [comboBox](int i) { choose(comboBox, i); }};
}

Row showComboBox(Editor &editor, const Items &items)
{
    return comboRow(showControl<Mode, zkComboBoxControl>(editor, items, "mode", modeItems)->getComboBox());
}

Row showComboBoxReset(Editor &editor, const Items &items)
{
    return comboRow(showControl<Mode, zkComboBoxResetControl>(editor, items, "mode", modeItems)->getComboBox());
}

Row showRadioButtons(Editor &editor, const Items &items)
{
    auto *control = showControl<Mode, zkRadioButtonGroupControl>(editor, items, "mode", modeItems);
    const QList<QRadioButton *> buttons = control->getButtons();
    return {control->getEditor(),
            [buttons] {
                for (const QRadioButton *button : buttons) {
                    if (button->isChecked())
                        return button->text();
                }
                return QStringLiteral("<none>");
            },
            [buttons](int i) { buttons.at(i)->click(); }};
}

Row showTextureSlot(Editor &editor, const Items &items)
{
    return comboRow(showControl<Slot, zkTextureSlotControl>(editor, items, "slot")->getComboBox());
}

Row showTextureRepeat(Editor &editor, const Items &items)
{
    return comboRow(showControl<Mode, zkTextureRepeatControl>(editor, items, "mode", [](auto &o) {
                        o.extraProperties = {"modeV", "linked"};
                    })->getUComboBox());
}

Row showTimeZone(Editor &editor, const Items &items)
{
    auto *control = showControl<float, zkTimeZoneControl>(editor, items, "offset",
                                                          [](auto &o) { o.extraProperties = {"dst"}; });
    const QLabel *label = control->getOffsetLabel();
    return {control->getEditor(), [label] { return label->text(); }, {}};
}

} // namespace

Q_DECLARE_METATYPE(Show)

class tst_zkChoiceControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { zkUndoStack::instance()->clear(); }
    void pick_data();
    void pick();
    void showKernelValue_data();
    void showKernelValue();
    void lockResolution_data();
    void lockResolution();
    void linkRepeatModes();
    void linkedUWritesV();
    void resetButtonTogglesExtraProperty();
    void listSelectionWritesIndex();
    void daylightSaving();
    void textureSlotRefreshesMaterials();
    void dynamicIntProperty();
    void visibleLabels();
};

void tst_zkChoiceControls::initTestCase()
{
    using namespace zkdProperty;
    zkdObjectManager::registerClass<zkdChoiceTestItem>({
        value<Mode>("mode"), value<Mode>("modeV"), value<bool>("linked"), value<bool>("reset"),
        value<Slot>("slot"), value<Size>("resolution"), value<QStringList>("entries"), value<int>("selected"),
        value<float>("offset"), value<bool>("dst"),
    });
}

void tst_zkChoiceControls::pick_data()
{
    QTest::addColumn<Show>("show");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("written");

    QTest::newRow("combo box") << Show(showComboBox) << QByteArray("mode")
                               << QVariantList{v(zkTextureTypes::Repeat), v(zkTextureTypes::Mirrored)} << 2
                               << v(zkTextureTypes::Decal);
    QTest::newRow("combo box with reset") << Show(showComboBoxReset) << QByteArray("mode")
                                          << QVariantList{v(zkTextureTypes::Decal), v(zkTextureTypes::Repeat)} << 1
                                          << v(zkTextureTypes::Mirrored);
    QTest::newRow("radio buttons") << Show(showRadioButtons) << QByteArray("mode")
                                   << QVariantList{v(zkTextureTypes::Repeat), v(zkTextureTypes::Decal)} << 1
                                   << v(zkTextureTypes::Mirrored);
    QTest::newRow("texture slot") << Show(showTextureSlot) << QByteArray("slot")
                                  << QVariantList{v(zkdWebEngine::Diffuse), v(zkdWebEngine::Incandescence)} << 2
                                  << v(zkdWebEngine::DiffuseAndIncandescence);
    QTest::newRow("texture repeat, unlinked") << Show(showTextureRepeat) << QByteArray("mode")
                                              << QVariantList{v(zkTextureTypes::Clamp), v(zkTextureTypes::Repeat)}
                                              << 1 << v(zkTextureTypes::Mirrored);
}

// Mixed values look mixed; a pick reaches every object in the property's own enumeration type as
// one undo step, which undo takes back.
void tst_zkChoiceControls::pick()
{
    QFETCH(Show, show);
    QFETCH(QByteArray, property);
    QFETCH(QVariantList, values);
    QFETCH(int, index);
    QFETCH(QVariant, written);

    const Items items = create(property, values);
    Editor editor(nullptr, {});
    const Row row = show(editor, items);
    QVERIFY(row.input->property("multiselect").toBool());

    row.pick(index);
    const QVariantList after = read(items, property);
    QCOMPARE(after, filled(values.size(), written));
    QCOMPARE(after.last().userType(), written.userType());
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QVERIFY(!row.input->property("multiselect").toBool());

    zkUndoStack::instance()->undo();
    QCOMPARE(read(items, property), values);
}

void tst_zkChoiceControls::showKernelValue_data()
{
    QTest::addColumn<Show>("show");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("kernelValue");
    QTest::addColumn<QString>("shown");

    const auto mode = [](int value) { return v(Mode(value)); };
    const auto slot = [](int value) { return v(Slot(value)); };
    QTest::newRow("combo box") << Show(showComboBox) << QByteArray("mode") << mode(0) << mode(2) << "Decal";
    QTest::newRow("combo box, no item") << Show(showComboBox) << QByteArray("mode") << mode(1) << mode(3) << "<none>";
    QTest::newRow("radio buttons") << Show(showRadioButtons) << QByteArray("mode") << mode(0) << mode(1)
                                   << "Mirrored";
    QTest::newRow("radio buttons, no button") << Show(showRadioButtons) << QByteArray("mode") << mode(1) << mode(3)
                                              << "Mirrored";
    QTest::newRow("texture repeat") << Show(showTextureRepeat) << QByteArray("mode") << mode(0) << mode(3)
                                    << "Clamp";
    QTest::newRow("slot 3") << Show(showTextureSlot) << QByteArray("slot") << slot(0) << slot(3)
                            << "Diffuse + Incandescence";
    QTest::newRow("slot 2 is no slot") << Show(showTextureSlot) << QByteArray("slot") << slot(1) << slot(2)
                                       << "Incandescence";
    QTest::newRow("UTC") << Show(showTimeZone) << QByteArray("offset") << QVariant(1.0f) << QVariant(0.0f)
                         << "UTC +00:00";
    QTest::newRow("half hour") << Show(showTimeZone) << QByteArray("offset") << QVariant(0.0f) << QVariant(5.5f)
                               << "UTC +05:30";
    QTest::newRow("west") << Show(showTimeZone) << QByteArray("offset") << QVariant(0.0f) << QVariant(-3.75f)
                          << "UTC -03:45";
}

// A kernel change shows without a write; a value that matches no item shows none, or leaves the
// radio buttons and the texture slot as they were.
void tst_zkChoiceControls::showKernelValue()
{
    QFETCH(Show, show);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, first);
    QFETCH(QVariant, kernelValue);
    QFETCH(QString, shown);

    const Items items = create(property, {first});
    Editor editor(nullptr, {});
    const Row row = show(editor, items);
    QVERIFY(items.first().setProperty(property.constData(), kernelValue));
    QCOMPARE(row.shown(), shown);
    QCOMPARE(read(items, property), QVariantList{kernelValue});
    QCOMPARE(zkUndoStack::instance()->count(), 0);
}

void tst_zkChoiceControls::lockResolution_data()
{
    QTest::addColumn<Size>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<Size>("after");
    QTest::addColumn<bool>("heightEnabled");

    QTest::newRow("lock") << Size(1920, 1080, 0) << "lock" << Size(1920, 1920, 1) << false;
    QTest::newRow("unlock") << Size(1920, 1920, 1) << "lock" << Size(1920, 1920, 0) << true;
    QTest::newRow("locked width") << Size(1920, 1920, 1) << "width" << Size(1080, 1080, 1) << false;
    QTest::newRow("unlocked width") << Size(1920, 1920, 0) << "width" << Size(1080, 1920, 0) << true;
    QTest::newRow("unlocked height") << Size(1920, 1920, 0) << "height" << Size(1920, 1080, 0) << true;
}

// Two objects show the first one's size; one click writes the whole vector to both in one step.
void tst_zkChoiceControls::lockResolution()
{
    QFETCH(Size, before);
    QFETCH(QString, action);
    QFETCH(Size, after);
    QFETCH(bool, heightEnabled);

    const Items items = create("resolution", {v(before), v(Size(640, 640, 1))});
    Editor editor(nullptr, {});
    auto *control = showControl<Size, zkComboBoxSizeControl>(editor, items, "resolution", [](auto &o) {
        o.mappings = {{"640", 640}, {"1080", 1080}, {"1920", 1920}};
    });
    QZKComboBox *width = control->getWidthComboBox();
    QZKComboBox *height = control->getHeightComboBox();
    QCOMPARE(width->currentText(), QString::number(before.x()));
    QCOMPARE(height->currentText(), QString::number(before.y()));
    QCOMPARE(height->isEnabled(), before.z() != 1);

    if (action == "lock")
        control->getLockButton()->click();
    else
        choose(action == "width" ? width : height, 1);
    QCOMPARE(read(items, "resolution"), filled(2, v(after)));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QCOMPARE(width->currentText(), QString::number(after.x()));
    QCOMPARE(height->currentText(), QString::number(after.y()));
    QCOMPARE(height->isEnabled(), heightEnabled);
}

// Linking copies U to V in the same undo step as the link flag; the button shows checked while
// the modes are unlinked.
void tst_zkChoiceControls::linkRepeatModes()
{
    const Items items = create("mode", {v(zkTextureTypes::Mirrored), v(zkTextureTypes::Decal)});
    for (const zkdChoiceTestItem &item : items)
        item.setProperty("modeV", v(zkTextureTypes::Clamp));
    Editor editor(nullptr, {});
    auto *control = showControl<Mode, zkTextureRepeatControl>(editor, items, "mode",
                                                              [](auto &o) { o.extraProperties = {"modeV", "linked"}; });
    QToolButton *link = control->getLinkButton();
    QVERIFY(link->isChecked());
    QVERIFY(control->getVComboBox()->isEnabled());
    QCOMPARE(control->getVComboBox()->currentText(), "Clamp");

    link->click();
    QCOMPARE(read(items, "modeV"), filled(2, v(zkTextureTypes::Mirrored)));
    QCOMPARE(read(items, "linked"), filled(2, true));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QVERIFY(!link->isChecked());
    QVERIFY(!control->getVComboBox()->isEnabled());
    QCOMPARE(control->getVComboBox()->currentText(), "Mirrored");

    zkUndoStack::instance()->undo();
    QCOMPARE(read(items, "modeV"), filled(2, v(zkTextureTypes::Clamp)));
    QCOMPARE(read(items, "linked"), filled(2, false));
    QVERIFY(link->isChecked());

    zkUndoStack::instance()->redo();
    link->click();
    QCOMPARE(read(items, "linked"), filled(2, false));
    QCOMPARE(read(items, "modeV"), filled(2, v(zkTextureTypes::Mirrored)));
}

void tst_zkChoiceControls::linkedUWritesV()
{
    const Items items = create("linked", {true, true});
    Editor editor(nullptr, {});
    auto *control = showControl<Mode, zkTextureRepeatControl>(editor, items, "mode",
                                                              [](auto &o) { o.extraProperties = {"modeV", "linked"}; });
    choose(control->getUComboBox(), 3);
    QCOMPARE(read(items, "mode"), filled(2, v(zkTextureTypes::Clamp)));
    QCOMPARE(read(items, "modeV"), filled(2, v(zkTextureTypes::Clamp)));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QCOMPARE(control->getVComboBox()->currentText(), "Clamp");
}

void tst_zkChoiceControls::resetButtonTogglesExtraProperty()
{
    const Items items = create("reset", {true, false});
    Editor editor(nullptr, {});
    auto *control = showControl<Mode, zkComboBoxResetControl>(editor, items, "mode", [](auto &o) {
        modeItems(o);
        o.extraProperties = {"reset"};
        o.resetToolTip = "Back to the default";
    });
    QPushButton *button = control->getResetButton();
    QCOMPARE(button->toolTip(), "Back to the default");
    QCOMPARE(control->layout()->indexOf(button), 1);
    button->click();
    QCOMPARE(read(items, "reset"), filled(2, false));
    button->click();
    QCOMPARE(read(items, "reset"), filled(2, true));
    QCOMPARE(zkUndoStack::instance()->count(), 2);
}

// The list follows the property; a selection writes its index, and without a selection property
// nothing is written.
void tst_zkChoiceControls::listSelectionWritesIndex()
{
    for (const bool withSelection : {true, false}) {
        const Items items = create("entries", {QStringList{"a", "b", "c"}, QStringList{"x"}});
        Editor editor(nullptr, {});
        auto *control = showControl<QStringList, zkListControl>(editor, items, "entries", [=](auto &o) {
            o.headerText = "Variants";
            if (withSelection)
                o.extraProperties = {"selected"};
        });
        QCOMPARE(control->objectName(), "zkListControl");
        QCOMPARE(control->getHeader()->text(), "Variants");
        QVERIFY(control->getHeader()->font().bold());
        QListWidget *list = control->getList();
        QCOMPARE(list->count(), 3);
        items.first().setProperty("entries", QStringList{"d", "e"});
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), "e");
        QCOMPARE(zkUndoStack::instance()->count(), 0);

        list->setCurrentRow(1);
        QCOMPARE(read(items, "selected"), filled(2, withSelection ? 1 : 0));
        QCOMPARE(zkUndoStack::instance()->count(), withSelection ? 1 : 0);
        zkUndoStack::instance()->clear();
    }
}

void tst_zkChoiceControls::daylightSaving()
{
    const Items items = create("dst", {false, true});
    Editor editor(nullptr, {});
    auto *control = showControl<float, zkTimeZoneControl>(editor, items, "offset",
                                                          [](auto &o) { o.extraProperties = {"dst"}; });
    QCheckBox *box = control->getDaylightSavingCheckBox();
    QCOMPARE(box->text(), "DST");
    QVERIFY(!box->isChecked());
    box->click();
    QCOMPARE(read(items, "dst"), filled(2, true));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    items.first().setProperty("dst", false);
    QVERIFY(!box->isChecked());
}

void tst_zkChoiceControls::textureSlotRefreshesMaterials()
{
    auto *materials = zkKernelServiceFactory::the().getService<zkMaterialService>();
    QVERIFY(materials);
    QSignalSpy refreshed(materials, &zkMaterialService::refreshed);
    const Items items = create("slot", {v(zkdWebEngine::Diffuse)});
    Editor editor(nullptr, {});
    choose(showControl<Slot, zkTextureSlotControl>(editor, items, "slot")->getComboBox(), 1);
    QCOMPARE(read(items, "slot"), QVariantList{v(zkdWebEngine::Incandescence)});
    QCOMPARE(refreshed.count(), 1);
}

// A QObject's int property takes ints, and a property holding an enumeration shows as int.
void tst_zkChoiceControls::dynamicIntProperty()
{
    QObject first, second;
    first.setProperty("choice", 1);
    second.setProperty("choice", 1);
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<QObject, int, zkComboBoxControl>("choice", modeItems);
    Editor editor(nullptr, {factory});
    editor.setKeepProperties({"choice"});
    editor.setCurrentObjects({new zkPropertyEditorQObjectWrapper(&first), new zkPropertyEditorQObjectWrapper(&second)});
    auto *control = qobject_cast<zkComboBoxControl *>(editor.getControl("choice"));
    QVERIFY(control);
    QCOMPARE(control->getComboBox()->currentText(), "Mirrored");

    choose(control->getComboBox(), 2);
    QCOMPARE(first.property("choice"), QVariant(2));
    QCOMPARE(second.property("choice"), QVariant(2));
}

void tst_zkChoiceControls::visibleLabels()
{
    const Items items = create("mode", {v(zkTextureTypes::Decal)});
    Editor editor(nullptr, {});
    auto *combo = showControl<Mode, zkComboBoxControl>(editor, items, "mode", modeItems);
    combo->setVisibleLabels({"Decal", "Repeat"});
    QCOMPARE(combo->getComboBox()->count(), 2);
    QCOMPARE(combo->getComboBox()->itemText(0), "Repeat");
    QCOMPARE(combo->getComboBox()->currentText(), "Decal");
    combo->setVisibleLabels({"Mirrored"});
    QCOMPARE(currentText(combo->getComboBox()), "<none>");
    QCOMPARE(read(items, "mode"), QVariantList{v(zkTextureTypes::Decal)});

    Editor radioEditor(nullptr, {});
    auto *radio = showControl<Mode, zkRadioButtonGroupControl>(radioEditor, items, "mode", modeItems);
    radio->setVisibleLabels({"Mirrored"});
    radioEditor.show();
    const QList<QRadioButton *> buttons = radio->getButtons();
    QCOMPARE((QList<bool>{buttons.at(0)->isVisible(), buttons.at(1)->isVisible(), buttons.at(2)->isVisible()}),
             (QList<bool>{false, true, false}));
}

QTEST_MAIN(tst_zkChoiceControls)
#include "tst_zkChoiceControls.moc"
