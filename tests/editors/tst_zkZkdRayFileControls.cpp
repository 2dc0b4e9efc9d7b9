#include <zkZkdRayFileInfoControl.h>
#include <zkZkdRayFileNameControl.h>

#include <zkDialogAnswerer.h>
#include <zkKernelServiceFactory.h>
#include <zkNodeService.h>
#include <zkNullControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdRayFile.h>
#include <zkdRayFileInfo.h>
#include <zkdRayLightNode.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

zkNodeService *nodes()
{
    return zkKernelServiceFactory::the().getService<zkNodeService>();
}

void typePath(QLineEdit *edit, const QString &path)
{
    edit->setText(path);
    edit->setModified(true);
    emit edit->editingFinished();
}

QByteArray rayHeader(int rays, const QByteArray &power)
{
    return "NumberOfRays: " + QByteArray::number(rays) + "\nLuminousPower: " + power +
           "\nScalingFactor: 2\nSpectralInformation: 550 nm\nMaximumAngle: 30\nEndHeader\n\x01\x02\x03\x04";
}

const QByteArray lampFile = rayHeader(5000, "1200.5");
const QByteArray otherFile = rayHeader(700, "80");

} // namespace

class tst_zkZkdRayFileControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void construction();
    void typedPathLoadsEveryRayFile();
    void cancelledBrowseLoadsNothing();
    void badFiles_data();
    void badFiles();
    void badFileNameEditKeepsFile_data();
    void badFileNameEditKeepsFile();
    void existingFile_data();
    void existingFile();
    void sceneMenu();
    void deleteUnloads();

private:
    void createEditor(int editedLights);
    QString path(const QString &name) const { return m_directory.filePath(name); }
    void write(const QString &name, const QByteArray &contents) const;
    zkdRayFile rayFileOf(int light) const { return m_lights.at(light).getRayFile(); }
    // A light that the editor does not show loads a file, as another editor did before.
    void loadElsewhere(int light, const QString &name) const;

    QTemporaryDir m_directory;
    QList<zkdRayLightNode> m_lights;
    std::unique_ptr<zkPropertyEditorWidget> m_lightEditor;
    zkPropertyEditorWidget *m_rayFileEditor = nullptr;
    zkZkdRayFileNameControl *m_name = nullptr;
    zkZkdRayFileInfoControl *m_info = nullptr;
};

void tst_zkZkdRayFileControls::initTestCase()
{
    QVERIFY(m_directory.isValid());
    write("lamp.ray", lampFile);
    write("other.ray", otherFile);
    QVERIFY(QDir(m_directory.path()).mkdir("folder.ray"));
}

void tst_zkZkdRayFileControls::write(const QString &name, const QByteArray &contents) const
{
    QFile out(path(name));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(contents), qint64(contents.size()));
}

void tst_zkZkdRayFileControls::init()
{
    for (int i = 0; i < 3; ++i)
        m_lights.append(zkd_cast<zkdRayLightNode>(nodes()->createNode("zkdRayLightNode")));
    createEditor(2);
}

void tst_zkZkdRayFileControls::createEditor(int editedLights)
{
    m_lightEditor.reset();
    // The light's editor, with the ray file's editor nested in it as a ray file row nests it.
    auto *lightFactory = new zkPropertyEditorFactory;
    lightFactory->registerEditor<zkdRayLightNode, zkdRayFile, zkNullControl>("rayFile");
    m_lightEditor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{lightFactory});
    m_lightEditor->setKeepProperties({"rayFile"});
    QList<zkPropertyEditorObjectWrapper *> lights;
    QList<zkPropertyEditorObjectWrapper *> rayFiles;
    for (int i = 0; i < editedLights; ++i) {
        lights.append(new zkPropertyEditorZkdObjectWrapper(m_lights.at(i)));
        rayFiles.append(new zkPropertyEditorZkdObjectWrapper(rayFileOf(i)));
    }
    m_lightEditor->setCurrentObjects(lights);

    auto *rayFileFactory = new zkPropertyEditorFactory;
    rayFileFactory->registerEditor<zkdRayFile, QString, zkZkdRayFileNameControl>(
            "fileName", [](zkZkdRayFileNameControlOptions &options) { options.fileFilter = "*.ray"; });
    rayFileFactory->registerEditor<zkdRayFile, zkdRayFileInfo, zkZkdRayFileInfoControl>(
            "rayFileInfo", [](zkZkdRayFileInfoControlOptions &options) { options.forceWritable(); });
    // As the ray file description refreshes the summary.
    rayFileFactory->registerChangedProperty<zkdRayFile, QString>(
            "fileName", [](zkPropertyEditorWidget *editor, const QString &) { editor->updateProperty("rayFileInfo"); });
    m_rayFileEditor = new zkPropertyEditorWidget(m_lightEditor.get(), {rayFileFactory}, false);
    m_rayFileEditor->setParentPropertyName("rayFile");
    m_rayFileEditor->setKeepProperties({"fileName", "rayFileInfo"});
    m_rayFileEditor->setCurrentObjects(rayFiles);
    m_name = qobject_cast<zkZkdRayFileNameControl *>(m_rayFileEditor->getControl("fileName"));
    m_info = qobject_cast<zkZkdRayFileInfoControl *>(m_rayFileEditor->getControl("rayFileInfo"));
    QVERIFY(m_name);
    QVERIFY(m_info);
    stack()->clear();
}

void tst_zkZkdRayFileControls::cleanup()
{
    m_lightEditor.reset();
    {
        const zkScopedUndo undo(false);
        nodes()->removeNodes({m_lights.cbegin(), m_lights.cend()});
    }
    m_lights.clear();
    stack()->clear();
    write("lamp.ray", lampFile);
}

void tst_zkZkdRayFileControls::loadElsewhere(int light, const QString &name) const
{
    const zkScopedUndo undo(false);
    QVERIFY(rayFileOf(light).load(path(name)));
}

void tst_zkZkdRayFileControls::construction()
{
    QCOMPARE(m_name->getEditor(), m_name->getLineEdit());
    QCOMPARE(m_name->getLineEdit()->toolTip(), QStringLiteral("Sets the file path of the Ray file"));
    QCOMPARE(m_name->getSceneRayFilesButton()->toolTip(),
             QStringLiteral("Opens a menu with a list all Ray Files in the scene"));
    QCOMPARE(m_name->getSceneRayFilesButton()->menu(), m_name->getSceneRayFilesMenu());
    QCOMPARE(m_name->getRayFileProperty(), QByteArray("rayFile"));

    QCOMPARE(m_info->getInfoBox()->title(), QStringLiteral("Ray File Info"));
    QStringList captions;
    for (const QLabel *label : m_info->getInfoBox()->findChildren<QLabel *>()) {
        if (label->alignment() & Qt::AlignLeft)
            captions.append(label->text());
    }
    QCOMPARE(captions, (QStringList{"Luminous Power:", "Number of Rays:", "Global Scaling Factor:",
                                    "Spectral Information:"}));
    // Before any file: an empty header.
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::NumberOfRays)->text(), QStringLiteral("0"));
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::ScalingFactor)->text(), QStringLiteral("1"));
}

void tst_zkZkdRayFileControls::typedPathLoadsEveryRayFile()
{
    const QString lamp = path("lamp.ray");
    typePath(m_name->getLineEdit(), lamp);
    for (int light : {0, 1}) {
        QCOMPARE(rayFileOf(light).getFileName(), lamp);
        QCOMPARE(rayFileOf(light).getRayFileInfo().getNumberOfRays(), 5000);
    }
    // The light the editor does not show keeps its own.
    QVERIFY(rayFileOf(2).getFileName().isEmpty());
    QCOMPARE(m_name->getLineEdit()->text(), lamp);
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::LuminousPower)->text(), QStringLiteral("1200.5"));
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::NumberOfRays)->text(), QStringLiteral("5000"));
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::ScalingFactor)->text(), QStringLiteral("2"));
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::SpectralInformation)->text(), QStringLiteral("550 nm"));

    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    for (int light : {0, 1}) {
        QVERIFY(rayFileOf(light).getFileName().isEmpty());
        QCOMPARE(rayFileOf(light).getRayFileInfo().getNumberOfRays(), 0);
    }
    QVERIFY(m_name->getLineEdit()->text().isEmpty());
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::NumberOfRays)->text(), QStringLiteral("0"));
    stack()->redo();
    QCOMPARE(rayFileOf(1).getRayFileInfo().getNumberOfRays(), 5000);
    QCOMPARE(m_name->getLineEdit()->text(), lamp);

    // Leaving the line edit without a change reads nothing again.
    emit m_name->getLineEdit()->editingFinished();
    QCOMPARE(stack()->count(), 1);
}

void tst_zkZkdRayFileControls::cancelledBrowseLoadsNothing()
{
    const zkDialogAnswerer answerer;
    m_name->getBrowseButton()->click();
    QVERIFY(answerer.messages.isEmpty());
    QVERIFY(rayFileOf(0).getFileName().isEmpty());
    QCOMPARE(stack()->count(), 0);
}

void tst_zkZkdRayFileControls::badFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    const QByteArray header = rayHeader(5000, "1200.5");
    QTest::newRow("missing") << "missing.ray" << QByteArray() << "the file does not exist";
    QTest::newRow("directory") << "folder.ray" << QByteArray() << "it is a directory";
    QTest::newRow("empty") << "empty.ray" << QByteArray("") << "the file is empty";
    QTest::newRow("text") << "notes.ray" << QByteArray("These are my notes.\nNumberOfRays: 5\nEndHeader\n")
                          << "it does not begin with a ray file header";
    QTest::newRow("image") << "picture.ray" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                           << "it does not begin with a ray file header";
    QTest::newRow("no end") << "noend.ray" << header.left(header.indexOf("EndHeader")) << "the header has no end";
    QTest::newRow("no rays") << "norays.ray" << QByteArray("LuminousPower: 5\nEndHeader\n")
                             << "the header does not give the number of rays";
    QTest::newRow("zero rays") << "zero.ray" << QByteArray(header).replace("5000", "0")
                               << "the value of NumberOfRays on line 1 is out of range or not a number";
    QTest::newRow("word") << "word.ray" << QByteArray(header).replace("1200.5", "bright")
                          << "the value of LuminousPower on line 2 is out of range or not a number";
    QTest::newRow("negative scale") << "scale.ray" << QByteArray(header).replace("ScalingFactor: 2", "ScalingFactor: -2")
                                    << "the value of ScalingFactor on line 3 is out of range or not a number";
    QTest::newRow("wide angle") << "angle.ray" << QByteArray(header).replace("MaximumAngle: 30", "MaximumAngle: 181")
                                << "the value of MaximumAngle on line 5 is out of range or not a number";
    QTest::newRow("twice") << "twice.ray" << QByteArray(header).replace("ScalingFactor: 2", "NumberOfRays: 2")
                           << "the header gives NumberOfRays twice";
    QTest::newRow("stray line") << "stray.ray" << QByteArray(header).replace("ScalingFactor: 2", "Colour: red")
                                << "line 3 is not a header line";
}

void tst_zkZkdRayFileControls::badFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    if (!contents.isNull())
        write(name, contents);
    const QString lamp = path("lamp.ray");
    typePath(m_name->getLineEdit(), lamp);
    QCOMPARE(stack()->count(), 1);

    const zkDialogAnswerer answerer;
    typePath(m_name->getLineEdit(), path(name));
    QCOMPARE(answerer.titles, QStringList{"Load Ray File"});
    QCOMPARE(answerer.messages, QStringList{QStringLiteral("Cannot load the ray file \"%1\": %2.")
                                                    .arg(QDir::toNativeSeparators(path(name)), reason)});
    // The file loaded before stays, in the kernel and in the rows, and no step was added.
    for (int light : {0, 1}) {
        QCOMPARE(rayFileOf(light).getFileName(), lamp);
        QCOMPARE(rayFileOf(light).getRayFileInfo().getNumberOfRays(), 5000);
    }
    QCOMPARE(m_name->getLineEdit()->text(), lamp);
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::NumberOfRays)->text(), QStringLiteral("5000"));
    QCOMPARE(stack()->count(), 1);
}

void tst_zkZkdRayFileControls::badFileNameEditKeepsFile_data()
{
    QTest::addColumn<bool>("recording");
    QTest::newRow("recorded") << true;
    QTest::newRow("unrecorded") << false;
}

void tst_zkZkdRayFileControls::badFileNameEditKeepsFile()
{
    QFETCH(bool, recording);

    // Writing the file name directly reads the file as well, and refuses a broken one.
    const zkdRayFile rayFile = rayFileOf(0);
    const QString lamp = path("lamp.ray");
    {
        const zkScopedUndo undo(true);
        QVERIFY(rayFile.setProperty("fileName", lamp));
    }
    QCOMPARE(rayFile.getRayFileInfo().getNumberOfRays(), 5000);
    stack()->clear();

    const QString missing = path("missing.ray");
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Cannot load the ray file \"%1\": the file does not exist.")
                                                          .arg(QDir::toNativeSeparators(missing))));
    {
        const zkScopedUndo undo(recording);
        const zkScopedMultiCommand step;
        rayFile.setProperty("fileName", missing);
    }
    QCOMPARE(rayFile.getFileName(), lamp);
    QCOMPARE(rayFile.getRayFileInfo().getNumberOfRays(), 5000);
    QCOMPARE(stack()->count(), 0);
}

void tst_zkZkdRayFileControls::existingFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("rays");

    // The file on disk changed since the other light read it.
    QTest::newRow("use existing") << "Use Existing" << 5000;
    QTest::newRow("reload") << "Reload" << 700;
}

void tst_zkZkdRayFileControls::existingFile()
{
    QFETCH(QString, answer);
    QFETCH(int, rays);

    loadElsewhere(2, "lamp.ray");
    write("lamp.ray", rayHeader(700, "80"));
    const zkDialogAnswerer answerer(answer);
    typePath(m_name->getLineEdit(), path("lamp.ray"));
    QCOMPARE(answerer.titles, QStringList{"Light Editor"});
    QCOMPARE(answerer.messages, QStringList{"The Rayfile already exists in the scene. Do you want to reload it?"});

    for (int light : {0, 1, 2}) {
        QCOMPARE(rayFileOf(light).getFileName(), path("lamp.ray"));
        QCOMPARE(rayFileOf(light).getRayFileInfo().getNumberOfRays(), rays);
    }
    QCOMPARE(m_info->getInfoLabel(zkZkdRayFileInfoControl::NumberOfRays)->text(), QString::number(rays));
    // Reloading and sharing are one step; undo takes the edited lights back to no file.
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(rayFileOf(0).getFileName().isEmpty());
    QVERIFY(rayFileOf(1).getFileName().isEmpty());
    QCOMPARE(rayFileOf(2).getRayFileInfo().getNumberOfRays(), 5000);
    stack()->redo();
    QCOMPARE(rayFileOf(1).getRayFileInfo().getNumberOfRays(), rays);
    QCOMPARE(rayFileOf(2).getRayFileInfo().getNumberOfRays(), rays);
}

void tst_zkZkdRayFileControls::sceneMenu()
{
    createEditor(1);
    loadElsewhere(0, "lamp.ray");
    loadElsewhere(1, "lamp.ray");
    loadElsewhere(2, "other.ray");
    QMenu *menu = m_name->getSceneRayFilesMenu();
    emit menu->aboutToShow();
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        texts.append(action->text());
        QVERIFY(action->shortcut().isEmpty());
    }
    // One entry per file, however many lights use it.
    QCOMPARE(texts, (QStringList{path("lamp.ray"), path("other.ray")}));
    // Opening the menu again lists the files afresh.
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 2);

    // The light's own file changes nothing.
    const zkdRayFile own = rayFileOf(0);
    menu->actions().at(0)->trigger();
    QCOMPARE(rayFileOf(0), own);
    QCOMPARE(stack()->count(), 0);

    // Another file: the light takes that ray file object itself, so both share it.
    menu->actions().at(1)->trigger();
    QCOMPARE(rayFileOf(0), rayFileOf(2));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(rayFileOf(0), own);
}

void tst_zkZkdRayFileControls::deleteUnloads()
{
    typePath(m_name->getLineEdit(), path("other.ray"));
    QVERIFY(rayFileOf(0).isLoaded());
    m_name->getDeleteButton()->click();
    for (int light : {0, 1}) {
        QVERIFY(rayFileOf(light).getFileName().isEmpty());
        QVERIFY(!rayFileOf(light).isLoaded());
        QCOMPARE(rayFileOf(light).getRayFileInfo().getNumberOfRays(), 0);
    }
    QVERIFY(m_name->getLineEdit()->text().isEmpty());
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QCOMPARE(rayFileOf(1).getRayFileInfo().getNumberOfRays(), 700);
}

QTEST_MAIN(tst_zkZkdRayFileControls)
#include "tst_zkZkdRayFileControls.moc"
