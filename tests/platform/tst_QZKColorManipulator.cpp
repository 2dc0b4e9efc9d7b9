#include <QZKColorManipulator.h>

#include <QColorDialog>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {

// The manipulator's signals in order, with what a handler could observe at the time.
struct SignalLog
{
    explicit SignalLog(QZKColorManipulator *manipulator)
    {
        const auto named = [this](const char *name) { return [this, name] { names << QLatin1String(name); }; };
        const auto preview = [this, manipulator](const char *name) {
            return [this, manipulator, name](float r, float g, float b) {
                names << QLatin1String(name);
                lastPreview = QVector3D(r, g, b);
                spectrumAtPreview = manipulator->getSpectrum();
            };
        };
        QObject::connect(manipulator, &QZKColorManipulator::sliderPressed, named("sliderPressed"));
        QObject::connect(manipulator, &QZKColorManipulator::buttonPressed, named("buttonPressed"));
        QObject::connect(manipulator, &QZKColorManipulator::sliderColorChanged, preview("sliderColorChanged"));
        QObject::connect(manipulator, &QZKColorManipulator::dialogColorChanged, preview("dialogColorChanged"));
        QObject::connect(manipulator, &QZKColorManipulator::cancelled, named("cancelled"));
        QObject::connect(manipulator, &QZKColorManipulator::finalColorSet, [this, manipulator](const QZKColor &c) {
            names << QStringLiteral("finalColorSet");
            finalColor = c;
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

} // namespace

class tst_QZKColorManipulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sliderEdit_data();
    void sliderEdit();
    void dialog_data();
    void dialog();
    void setters_data();
    void setters();
};

void tst_QZKColorManipulator::sliderEdit_data()
{
    QTest::addColumn<QZKColor>("initial");
    QTest::addColumn<QByteArray>("sliderName");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QZKColor>("expected");

    const QByteArray hue("hueSlider"), saturation("saturationSlider"), value("valueSlider");
    QTest::newRow("saturation") << QZKColor(0, 1, 0.5f) << saturation << QList<int>{500, 250} << false
                                << QZKColor(0, 0.25f, 0.5f);
    QTest::newRow("value") << QZKColor(240, 0.5f, 0.2f) << value << QList<int>{800} << false
                           << QZKColor(240, 0.5f, 0.8f);
    // The sliders end at 1, but a brighter value survives a hue edit.
    QTest::newRow("hue keeps bright value") << QZKColor(0, 1, 2) << hue << QList<int>{60, 120} << false
                                            << QZKColor(120, 1, 2);
    QTest::newRow("press without move") << QZKColor(30, 0.5f, 0.5f) << hue << QList<int>{} << false
                                        << QZKColor(30, 0.5f, 0.5f);
    // A key step is a whole edit of its own.
    QTest::newRow("key step") << QZKColor(10, 0.5f, 0.5f) << hue << QList<int>{11} << true << QZKColor(11, 0.5f, 0.5f);
}

void tst_QZKColorManipulator::sliderEdit()
{
    QFETCH(QZKColor, initial);
    QFETCH(QByteArray, sliderName);
    QFETCH(QList<int>, positions);
    QFETCH(bool, byKey);
    QFETCH(QZKColor, expected);

    QZKColorManipulator manipulator;
    manipulator.setColor(initial);
    SignalLog log(&manipulator);
    QSlider *s = slider(manipulator, sliderName.constData());
    if (byKey) {
        QTest::keyClick(s, Qt::Key_Right);
    } else {
        s->setSliderDown(true);
        for (int position : positions)
            s->setSliderPosition(position);
        s->setSliderDown(false);
    }

    QStringList expectedNames{QStringLiteral("sliderPressed")};
    for (int i = 0; i < positions.size(); ++i)
        expectedNames << QStringLiteral("sliderColorChanged");
    QCOMPARE(log.names, expectedNames << QStringLiteral("finalColorSet"));
    QVERIFY(fuzzyEqual(log.finalColor, expected));
    QVERIFY(!log.rejectedAtFinal);
    QVERIFY(fuzzyEqual(manipulator.color(), expected));
    if (!positions.isEmpty()) {
        // Previews carry linear red, green and blue, and the spectrum already follows them.
        QCOMPARE(log.lastPreview, expected.getRGB());
        QCOMPARE(log.spectrumAtPreview, QZKSpectrum(expected.getRGB()));
    }
}

void tst_QZKColorManipulator::dialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("rejected") << false;
}

void tst_QZKColorManipulator::dialog()
{
    QFETCH(bool, accept);

    const QZKColor initial(0, 1, 1);
    QZKColorManipulator manipulator;
    manipulator.setColor(initial);
    const QZKSpectrum initialSpectrum = manipulator.getSpectrum();
    auto *swatch = manipulator.findChild<QToolButton *>(QStringLiteral("colorSwatch"));
    // A rejection earlier must not leak into this edit.
    swatch->click();
    manipulator.colorDialog()->reject();
    QVERIFY(manipulator.isRejected());
    SignalLog log(&manipulator);

    swatch->click();
    QColorDialog *dialog = manipulator.colorDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->currentColor(), QColor(255, 0, 0));
    dialog->setCurrentColor(QColor(0, 255, 0));
    QCOMPARE(log.lastPreview, QVector3D(0, 1, 0));
    QCOMPARE(log.spectrumAtPreview, QZKSpectrum(QVector3D(0, 1, 0)));
    accept ? dialog->accept() : dialog->reject();

    const QString outcome = QLatin1String(accept ? "finalColorSet" : "cancelled");
    QCOMPARE(log.names, (QStringList{"buttonPressed", "dialogColorChanged", outcome}));
    QVERIFY(!manipulator.colorDialog());
    QCOMPARE(manipulator.isRejected(), !accept);
    if (accept) {
        QVERIFY(!log.rejectedAtFinal);
        QVERIFY(fuzzyEqual(manipulator.color(), QZKColor(120, 1, 1)));
    } else {
        QCOMPARE(manipulator.color(), initial);
        QCOMPARE(manipulator.getSpectrum(), initialSpectrum);
        // The rejection lasts until the next edit begins.
        slider(manipulator, "valueSlider")->setSliderDown(true);
        QVERIFY(!manipulator.isRejected());
    }
}

void tst_QZKColorManipulator::setters_data()
{
    QTest::addColumn<double>("intensity");
    QTest::addColumn<bool>("applyToColor");
    QTest::addColumn<QVector3D>("expectedRGB");

    QTest::newRow("spectrum kept apart") << 1.0 << false << QVector3D(0.2f, 0.1f, 0.3f);
    QTest::newRow("spectrum applied") << 1.0 << true << QVector3D(0.25f, 0.5f, 0.125f);
    QTest::newRow("applied with intensity") << 2.0 << true << QVector3D(0.5f, 1.0f, 0.25f);
}

void tst_QZKColorManipulator::setters()
{
    QFETCH(double, intensity);
    QFETCH(bool, applyToColor);
    QFETCH(QVector3D, expectedRGB);

    QZKColorManipulator manipulator;
    SignalLog log(&manipulator);
    manipulator.setColor(0.2f, 0.1f, 0.3f);
    QZKSpectrum measured(QVector3D(0.25f, 0.5f, 0.125f));
    measured.setSamples({1, 2, 3});
    manipulator.setSpectrum(measured, intensity, applyToColor);
    // The brightness is then given elsewhere: only hue and saturation are edited.
    manipulator.setPhotometricParameters(true);
    QVERIFY(slider(manipulator, "valueSlider")->isHidden());
    manipulator.setPhotometricParameters(false);
    QVERIFY(!slider(manipulator, "valueSlider")->isHidden());
    // The mixed look of a multiple selection reaches every part.
    manipulator.setProperty("multiselect", true);
    manipulator.propagateMultiselectProperty();
    for (const QWidget *part : manipulator.findChildren<QWidget *>())
        QCOMPARE(part->property("multiselect"), QVariant(true));

    QVERIFY(log.names.isEmpty());
    QCOMPARE(manipulator.getSpectrum(), measured);
    QVERIFY(qFuzzyCompare(manipulator.color().getRGB(), expectedRGB));
    QCOMPARE(slider(manipulator, "hueSlider")->value(), qRound(manipulator.color().hue()));

    // An edit rebuilds the spectrum from the edited colour, in the spectrum's own scale.
    QSlider *value = slider(manipulator, "valueSlider");
    value->setSliderDown(true);
    value->setSliderPosition(value->value() / 2);
    value->setSliderDown(false);
    QVERIFY(qFuzzyCompare(manipulator.getSpectrum().rgb(), manipulator.color().getRGB() / float(intensity)));
}

QTEST_MAIN(tst_QZKColorManipulator)
#include "tst_QZKColorManipulator.moc"
