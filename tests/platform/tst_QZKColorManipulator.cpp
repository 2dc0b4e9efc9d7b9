#include <QZKColorManipulator.h>

#include <QColorDialog>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {
// Records the manipulator's signals in order, with what a handler could observe at the time.
struct SignalLog
{
    explicit SignalLog(QZKColorManipulator *manipulator)
    {
        const auto preview = [this, manipulator](const char *name) {
            return [this, manipulator, name](float r, float g, float b) {
                names << QLatin1String(name);
                lastPreview = QVector3D(r, g, b);
                spectrumAtPreview = manipulator->getSpectrum();
            };
        };
        QObject::connect(manipulator, &QZKColorManipulator::sliderPressed, [this] { names << "sliderPressed"; });
        QObject::connect(manipulator, &QZKColorManipulator::buttonPressed, [this] { names << "buttonPressed"; });
        QObject::connect(manipulator, &QZKColorManipulator::sliderColorChanged, preview("sliderColorChanged"));
        QObject::connect(manipulator, &QZKColorManipulator::dialogColorChanged, preview("dialogColorChanged"));
        QObject::connect(manipulator, &QZKColorManipulator::cancelled, [this] { names << "cancelled"; });
        QObject::connect(manipulator, &QZKColorManipulator::finalColorSet,
                         [this, manipulator](const QZKColor &color) {
                             names << "finalColorSet";
                             finalColor = color;
                             rejectedAtFinal = manipulator->isRejected();
                         });
    }

    QStringList names;
    QVector3D lastPreview;
    QZKSpectrum spectrumAtPreview;
    QZKColor finalColor;
    bool rejectedAtFinal = true;
};

bool fuzzyEqual(const QZKColor &a, const QZKColor &b)
{
    return qAbs(a.hue() - b.hue()) < 1e-3f && qAbs(a.saturation() - b.saturation()) < 1e-3f
            && qAbs(a.value() - b.value()) < 1e-3f;
}

QSlider *slider(const QZKColorManipulator &manipulator, const char *name)
{
    return manipulator.findChild<QSlider *>(QLatin1String(name));
}
}

class tst_QZKColorManipulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sliderDrag_data();
    void sliderDrag();
    void sliderKeyStepIsOneEdit();
    void dialogAccepted();
    void dialogRejected();
    void rejectionLastsUntilNextEdit();
    void settersDoNotEmit();
    void spectrum_data();
    void spectrum();
    void photometricHidesValue();
    void propagateMultiselectProperty();
};

void tst_QZKColorManipulator::sliderDrag_data()
{
    QTest::addColumn<QZKColor>("initial");
    QTest::addColumn<QByteArray>("sliderName");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QZKColor>("expected");

    QTest::newRow("saturation") << QZKColor(0, 1, 0.5f) << QByteArray("saturationSlider")
                                << QList<int>{500, 250} << QZKColor(0, 0.25f, 0.5f);
    QTest::newRow("value") << QZKColor(240, 0.5f, 0.2f) << QByteArray("valueSlider")
                           << QList<int>{800} << QZKColor(240, 0.5f, 0.8f);
    // The sliders end at 1, but a brighter value survives a hue edit.
    QTest::newRow("hue keeps bright value") << QZKColor(0, 1, 2) << QByteArray("hueSlider")
                                            << QList<int>{60, 120} << QZKColor(120, 1, 2);
    QTest::newRow("press without move") << QZKColor(30, 0.5f, 0.5f) << QByteArray("hueSlider")
                                        << QList<int>{} << QZKColor(30, 0.5f, 0.5f);
}

void tst_QZKColorManipulator::sliderDrag()
{
    QFETCH(QZKColor, initial);
    QFETCH(QByteArray, sliderName);
    QFETCH(QList<int>, positions);
    QFETCH(QZKColor, expected);

    QZKColorManipulator manipulator;
    manipulator.setColor(initial);
    SignalLog log(&manipulator);
    QSlider *s = slider(manipulator, sliderName.constData());
    QVERIFY(s);

    s->setSliderDown(true);
    for (int position : positions)
        s->setSliderPosition(position);
    s->setSliderDown(false);

    QStringList expectedNames{QStringLiteral("sliderPressed")};
    for (int i = 0; i < positions.size(); ++i)
        expectedNames << QStringLiteral("sliderColorChanged");
    expectedNames << QStringLiteral("finalColorSet");
    QCOMPARE(log.names, expectedNames);
    QVERIFY(fuzzyEqual(log.finalColor, expected));
    QVERIFY(!log.rejectedAtFinal);
    QVERIFY(fuzzyEqual(manipulator.color(), expected));
    if (!positions.isEmpty()) {
        // Previews carry linear red, green and blue, and the spectrum already follows them.
        QCOMPARE(log.lastPreview, expected.getRGB());
        QCOMPARE(log.spectrumAtPreview, QZKSpectrum(expected.getRGB()));
    }
}

void tst_QZKColorManipulator::sliderKeyStepIsOneEdit()
{
    QZKColorManipulator manipulator;
    manipulator.setColor(QZKColor(10, 0.5f, 0.5f));
    SignalLog log(&manipulator);

    QTest::keyClick(slider(manipulator, "hueSlider"), Qt::Key_Right);

    QCOMPARE(log.names, (QStringList{"sliderPressed", "sliderColorChanged", "finalColorSet"}));
    QVERIFY(fuzzyEqual(log.finalColor, QZKColor(11, 0.5f, 0.5f)));
}

void tst_QZKColorManipulator::dialogAccepted()
{
    QZKColorManipulator manipulator;
    manipulator.setColor(QZKColor(0, 1, 1));
    SignalLog log(&manipulator);
    QVERIFY(!manipulator.colorDialog());

    manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"))->click();
    QCOMPARE(log.names, QStringList{"buttonPressed"});
    QColorDialog *dialog = manipulator.colorDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->currentColor(), QColor(255, 0, 0));

    dialog->setCurrentColor(QColor(0, 255, 0));
    QCOMPARE(log.names.last(), QStringLiteral("dialogColorChanged"));
    QCOMPARE(log.lastPreview, QVector3D(0, 1, 0));
    QCOMPARE(log.spectrumAtPreview, QZKSpectrum(QVector3D(0, 1, 0)));

    dialog->accept();
    QCOMPARE(log.names.last(), QStringLiteral("finalColorSet"));
    QCOMPARE(log.names.count(QStringLiteral("finalColorSet")) + log.names.count(QStringLiteral("cancelled")), 1);
    QVERIFY(fuzzyEqual(log.finalColor, QZKColor(120, 1, 1)));
    QVERIFY(!log.rejectedAtFinal);
    QVERIFY(!manipulator.colorDialog());
}

void tst_QZKColorManipulator::dialogRejected()
{
    const QZKColor initial(200, 0.3f, 0.4f);
    QZKColorManipulator manipulator;
    manipulator.setColor(initial);
    const QZKSpectrum initialSpectrum = manipulator.getSpectrum();
    SignalLog log(&manipulator);

    manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"))->click();
    manipulator.colorDialog()->setCurrentColor(QColor(10, 20, 30));
    manipulator.colorDialog()->reject();

    QCOMPARE(log.names, (QStringList{"buttonPressed", "dialogColorChanged", "cancelled"}));
    QVERIFY(manipulator.isRejected());
    QCOMPARE(manipulator.color(), initial);
    QCOMPARE(manipulator.getSpectrum(), initialSpectrum);
}

void tst_QZKColorManipulator::rejectionLastsUntilNextEdit()
{
    QZKColorManipulator manipulator;
    manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"))->click();
    manipulator.colorDialog()->reject();
    QVERIFY(manipulator.isRejected());

    SignalLog log(&manipulator);
    manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"))->click();
    manipulator.colorDialog()->accept();
    QCOMPARE(log.names, (QStringList{"buttonPressed", "finalColorSet"}));
    QVERIFY(!log.rejectedAtFinal);

    manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"))->click();
    manipulator.colorDialog()->reject();
    slider(manipulator, "valueSlider")->setSliderDown(true);
    QVERIFY(!manipulator.isRejected());
}

void tst_QZKColorManipulator::settersDoNotEmit()
{
    QZKColorManipulator manipulator;
    SignalLog log(&manipulator);
    manipulator.setColor(QZKColor(90, 0.5f, 0.5f));
    manipulator.setColor(0.1f, 0.2f, 0.3f);
    manipulator.setSpectrum(QZKSpectrum(QVector3D(1, 1, 1)), 1.0, true);
    manipulator.setPhotometricParameters(true);
    QVERIFY(log.names.isEmpty());

    const QZKSpectrum spectrum(QVector3D(0.2f, 0.4f, 0.6f));
    manipulator.blockSignals(true);
    manipulator.setColor(0.2f, 0.4f, 0.6f);
    manipulator.setSpectrum(spectrum, 1.0, false);
    manipulator.blockSignals(false);
    QVERIFY(log.names.isEmpty());
    QCOMPARE(manipulator.getSpectrum(), spectrum);
    QCOMPARE(slider(manipulator, "hueSlider")->value(), 210);
}

void tst_QZKColorManipulator::spectrum_data()
{
    QTest::addColumn<double>("intensity");
    QTest::addColumn<bool>("applyToColor");
    QTest::addColumn<QVector3D>("expectedRGB");

    QTest::newRow("kept apart") << 1.0 << false << QVector3D(0.1f, 0.1f, 0.1f);
    QTest::newRow("applied") << 1.0 << true << QVector3D(0.25f, 0.5f, 0.125f);
    QTest::newRow("applied with intensity") << 2.0 << true << QVector3D(0.5f, 1.0f, 0.25f);
}

void tst_QZKColorManipulator::spectrum()
{
    QFETCH(double, intensity);
    QFETCH(bool, applyToColor);
    QFETCH(QVector3D, expectedRGB);

    QZKColorManipulator manipulator;
    manipulator.setColor(0.1f, 0.1f, 0.1f);
    QZKSpectrum measured(QVector3D(0.25f, 0.5f, 0.125f));
    measured.setSamples({1, 2, 3});
    manipulator.setSpectrum(measured, intensity, applyToColor);

    QCOMPARE(manipulator.getSpectrum(), measured);
    QVERIFY(qFuzzyCompare(manipulator.color().getRGB(), expectedRGB));

    // An edit rebuilds the spectrum from the edited colour, in the spectrum's own scale.
    QSlider *value = slider(manipulator, "valueSlider");
    value->setSliderDown(true);
    value->setSliderPosition(value->value() / 2);
    value->setSliderDown(false);
    const QVector3D edited = manipulator.color().getRGB();
    QVERIFY(qFuzzyCompare(manipulator.getSpectrum().rgb(), edited / float(intensity)));
}

void tst_QZKColorManipulator::photometricHidesValue()
{
    QZKColorManipulator manipulator;
    manipulator.show();
    QVERIFY(slider(manipulator, "valueSlider")->isVisible());
    manipulator.setPhotometricParameters(true);
    QVERIFY(manipulator.hasPhotometricParameters());
    QVERIFY(!slider(manipulator, "valueSlider")->isVisible());
    QVERIFY(slider(manipulator, "hueSlider")->isVisible());
    manipulator.setPhotometricParameters(false);
    QVERIFY(slider(manipulator, "valueSlider")->isVisible());
}

void tst_QZKColorManipulator::propagateMultiselectProperty()
{
    QZKColorManipulator manipulator;
    const QList<QWidget *> parts = manipulator.findChildren<QWidget *>();
    QVERIFY(parts.size() >= 4);

    manipulator.setProperty("multiselect", true);
    manipulator.propagateMultiselectProperty();
    for (const QWidget *part : parts)
        QCOMPARE(part->property("multiselect"), QVariant(true));

    manipulator.setProperty("multiselect", false);
    manipulator.propagateMultiselectProperty();
    for (const QWidget *part : parts)
        QCOMPARE(part->property("multiselect"), QVariant(false));
}

QTEST_MAIN(tst_QZKColorManipulator)
#include "tst_QZKColorManipulator.moc"
