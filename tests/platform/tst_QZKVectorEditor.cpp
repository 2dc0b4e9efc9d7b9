#include <QZKIntVector2DSlider.h>
#include <QZKIntVector2DSpiner.h>
#include <QZKIntVector3DSlider.h>
#include <QZKIntVector3DSpiner.h>
#include <QZKIntVector4DSlider.h>
#include <QZKIntVector4DSpiner.h>
#include <QZKVec2SliderControl.h>
#include <QZKVec3SliderControl.h>
#include <QZKVec4SliderControl.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <array>

using EditorCheck = void (*)();
Q_DECLARE_METATYPE(EditorCheck)

namespace {

template <typename Vector>
Vector vectorOf(const std::array<int, 4> &components)
{
    Vector result;
    for (int i = 0; i < zkVectorSize<Vector>; ++i)
        zkSetVectorComponent(result, i, components[i]);
    return result;
}

// The text entry of a component: its spin box, or the field of its floating-point slider.
QWidget *field(const QWidget &editor, int component)
{
    const QList<QSpinBox *> spinBoxes = editor.findChildren<QSpinBox *>();
    if (!spinBoxes.isEmpty())
        return spinBoxes.at(component);
    return editor.findChildren<QZKSlider *>().at(component)->focusProxy();
}

// What every vector editor promises its users, whatever its dimension and component editor.
template <typename Editor>
void checkEditor()
{
    using Vector = std::decay_t<decltype(std::declval<Editor>().value())>;
    const Vector value = vectorOf<Vector>({3, 999, 7, 1});
    Editor editor;
    editor.setMaximum(vectorOf<Vector>({1000, 1000, 1000, 1000}));
    QSignalSpy spy(&editor, &Editor::changed);

    // setValue reports a new vector once; the same vector, or one set under blocked signals, not.
    editor.setValue(value);
    QCOMPARE(editor.value(), value);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().template value<Vector>(), value);
    editor.setValue(value);
    editor.blockSignals(true);
    editor.setValue(Vector());
    editor.blockSignals(false);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.value(), Vector());

    // A narrower range clamps silently.
    editor.setValue(value);
    editor.setMinimum(vectorOf<Vector>({5, 5, 5, 5}));
    editor.setMaximum(vectorOf<Vector>({20, 20, 20, 20}));
    QCOMPARE(editor.value(), vectorOf<Vector>({5, 20, 7, 5}));
    QCOMPARE(spy.count(), 2);

    // A typed component reports the whole vector once confirmed, not while typing.
    Vector expected = editor.value();
    zkSetVectorComponent(expected, Editor::size - 1, 12);
    QWidget *last = field(editor, Editor::size - 1);
    QTest::keyClick(last, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(last, QStringLiteral("12"));
    QCOMPARE(spy.count(), 2);
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.last().first().template value<Vector>(), expected);
}

} // namespace

class tst_QZKVectorEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editor_data();
    void editor();
    void spinnerSteps();
    void sliderRangesAndDecimals();
};

void tst_QZKVectorEditor::editor_data()
{
    QTest::addColumn<EditorCheck>("check");
    QTest::newRow("int 2D slider") << &checkEditor<QZKIntVector2DSlider>;
    QTest::newRow("int 3D slider") << &checkEditor<QZKIntVector3DSlider>;
    QTest::newRow("int 4D slider") << &checkEditor<QZKIntVector4DSlider>;
    QTest::newRow("int 2D spinner") << &checkEditor<QZKIntVector2DSpiner>;
    QTest::newRow("int 3D spinner") << &checkEditor<QZKIntVector3DSpiner>;
    QTest::newRow("int 4D spinner") << &checkEditor<QZKIntVector4DSpiner>;
    QTest::newRow("2D slider") << &checkEditor<QZKVec2SliderControl>;
    QTest::newRow("3D slider") << &checkEditor<QZKVec3SliderControl>;
    QTest::newRow("4D slider") << &checkEditor<QZKVec4SliderControl>;
}

void tst_QZKVectorEditor::editor()
{
    QFETCH(EditorCheck, check);
    check();
}

void tst_QZKVectorEditor::spinnerSteps()
{
    QZKIntVector2DSpiner spiner;
    spiner.setMaximum(QZKIntVector2D(100, 100));
    spiner.setStep(QZKIntVector2D(1, 2));
    spiner.setPageStep(QZKIntVector2D(25, 5));
    QSignalSpy spy(&spiner, &QZKIntVector2DSpiner::changed);
    QTest::keyClick(field(spiner, 0), Qt::Key_PageUp);
    QTest::keyClick(field(spiner, 1), Qt::Key_PageUp);
    QTest::keyClick(field(spiner, 1), Qt::Key_Up);
    QCOMPARE(spiner.value(), QZKIntVector2D(25, 7));
    QTest::keyClick(field(spiner, 0), Qt::Key_PageDown);
    QCOMPARE(spiner.value(), QZKIntVector2D(0, 7));
    QCOMPARE(spy.count(), 4);
}

void tst_QZKVectorEditor::sliderRangesAndDecimals()
{
    // The sliders take a range as a pair; the vector setters must not lose one end to the other.
    QZKVec2SliderControl control;
    control.setMaximum(QVector2D(-5, 500));
    control.setMinimum(QVector2D(-10, 200));
    control.setValue(QVector2D(-100, 1000));
    QCOMPARE(control.value(), QVector2D(-10, 500));
    control.setValue(QVector2D(100, 0));
    QCOMPARE(control.value(), QVector2D(-5, 200));

    control.setDecimals(QZKIntVector2D(0, 2));
    control.setDisplayDecimals(QZKIntVector2D(1, 3));
    control.setValue(QVector2D(-5.26f, 201.26f));
    QCOMPARE(control.value(), QVector2D(-5.0f, 201.26f));
    QCOMPARE(qobject_cast<QLineEdit *>(field(control, 1))->text(), QStringLiteral("201.260"));
}

QTEST_MAIN(tst_QZKVectorEditor)
#include "tst_QZKVectorEditor.moc"
