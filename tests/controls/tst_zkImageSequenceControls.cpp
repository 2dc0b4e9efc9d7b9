#include <zkInlineImageSequenceControl.h>
#include <zkUseImageSequenceControl.h>

#include <zkAnimationService.h>
#include <zkKernelServiceFactory.h>
#include <zkPreferencesService.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdImage.h>
#include <zkdObjectManager.h>
#include <zkdSceneplateNode.h>

#include <QCheckBox>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using Plates = QList<zkdSceneplateNode>;

// One plate per file name, each with an inlined sequence of that file; "" gives no image.
Plates createPlates(const QStringList &imageFiles)
{
    Plates plates;
    const QImage pixels(2, 2, QImage::Format_RGB32);
    for (const QString &file : imageFiles) {
        plates.append(zkdObjectManager::create<zkdSceneplateNode>());
        if (!file.isEmpty())
            plates.last().setProperty("image", QVariant::fromValue(zkdImage::create(pixels, file, {pixels, pixels})));
    }
    return plates;
}

QVariantList read(const Plates &plates, const std::function<QVariant(const zkdSceneplateNode &)> &value)
{
    QVariantList values;
    for (const zkdSceneplateNode &plate : plates)
        values.append(value(plate));
    return values;
}

// Clicks the row's check box; returns the title of the message box that opened, closing it.
template <typename TControl>
QString click(zkPropertyEditorWidget &editor, const Plates &plates, const QByteArray &property)
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdSceneplateNode, bool, TControl>(
        property, [](zkImageSequenceOptions &options) { options.imageProperty = "image"; });
    editor.setFactories({factory});
    editor.setKeepProperties({property});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdSceneplateNode &plate : plates)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(plate));
    editor.setCurrentObjects(wrappers);
    auto title = QSharedPointer<QString>::create();
    QTimer::singleShot(0, [title] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *title = box->windowTitle();
            box->accept();
        }
    });
    qobject_cast<TControl *>(editor.getControl(property))->getCheckBox()->click();
    // Runs the timer also when no box opened.
    QCoreApplication::processEvents();
    return *title;
}

bool hasCurve(const zkdSceneplateNode &plate)
{
    return zkKernelServiceFactory::the().getService<zkAnimationService>()->hasAnimationCurve(plate, "imageNumber");
}

} // namespace

class tst_zkImageSequenceControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void useImageSequence_data();
    void useImageSequence();
    void leaveInlineMode_data();
    void leaveInlineMode();

private:
    QTemporaryDir m_dir;
};

void tst_zkImageSequenceControls::init()
{
    zkUndoStack::instance()->clear();
    zkKernelServiceFactory::the().getService<zkPreferencesService>()->setBoolValue(
        QStringLiteral("Animation dont show create curve dialog"), false, false);
}

void tst_zkImageSequenceControls::useImageSequence_data()
{
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<bool>("existingCurve");
    QTest::addColumn<QVariantList>("curves");
    QTest::addColumn<QString>("message");

    const QString notice = QStringLiteral("Create Animation Curve");
    QTest::newRow("no image") << QStringList{""} << false << QVariantList{false} << QString();
    QTest::newRow("mixed selection") << QStringList{"a.png", "", "b.png"} << false
                                     << QVariantList{true, false, true} << notice;
    QTest::newRow("curve there already") << QStringList{"a.png"} << true << QVariantList{true} << QString();
}

// The curves join the edit's undo step; the notice shows only when one was created.
void tst_zkImageSequenceControls::useImageSequence()
{
    QFETCH(QStringList, images);
    QFETCH(bool, existingCurve);
    QFETCH(QVariantList, curves);
    QFETCH(QString, message);

    const Plates plates = createPlates(images);
    if (existingCurve)
        zkKernelServiceFactory::the().getService<zkAnimationService>()->createAnimationCurve(plates[0], "imageNumber");
    zkPropertyEditorWidget editor(nullptr, {});
    QCOMPARE(click<zkUseImageSequenceControl>(editor, plates, "useImageSequence"), message);
    QCOMPARE(read(plates, hasCurve), curves);
    QVERIFY(!read(plates, [](auto &plate) { return plate.property("useImageSequence"); }).contains(false));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    zkUndoStack::instance()->undo();
    QCOMPARE(read(plates, hasCurve).contains(true), existingCurve);
}

void tst_zkImageSequenceControls::leaveInlineMode_data()
{
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<QVariantList>("inlined");

    const QString there = m_dir.filePath(QStringLiteral("there.png"));
    QVERIFY(QImage(2, 2, QImage::Format_RGB32).save(there));
    const QString gone = m_dir.filePath(QStringLiteral("gone.png"));
    QTest::newRow("source there") << QStringList{there, there} << QVariantList{false, false};
    QTest::newRow("no image") << QStringList{""} << QVariantList{false};
    QTest::newRow("source gone") << QStringList{gone} << QVariantList{true};
    QTest::newRow("one source gone") << QStringList{there, gone} << QVariantList{false, true};
}

// The write reaches every plate; one whose source is gone stays inlined, and the user is warned
// once. A write the kernel took back entirely leaves nothing to undo.
void tst_zkImageSequenceControls::leaveInlineMode()
{
    QFETCH(QStringList, images);
    QFETCH(QVariantList, inlined);

    const Plates plates = createPlates(images);
    for (const zkdSceneplateNode &plate : plates)
        plate.setProperty("inlineImageSequence", true);
    zkPropertyEditorWidget editor(nullptr, {});
    QCOMPARE(click<zkInlineImageSequenceControl>(editor, plates, "inlineImageSequence"),
             inlined.contains(true) ? QStringLiteral("Inline image sequence") : QString());
    QCOMPARE(read(plates, [](auto &plate) { return plate.property("inlineImageSequence"); }), inlined);
    QCOMPARE(zkUndoStack::instance()->count(), inlined.contains(false) ? 1 : 0);
}

QTEST_MAIN(tst_zkImageSequenceControls)
#include "tst_zkImageSequenceControls.moc"
