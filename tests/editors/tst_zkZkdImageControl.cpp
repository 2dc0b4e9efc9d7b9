#include <zkZkdImageControl.h>

#include <zkDialogAnswerer.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdDiffuseTexture.h>
#include <zkdImage.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

void typePath(QLineEdit *edit, const QString &path)
{
    edit->setText(path);
    edit->setModified(true);
    emit edit->editingFinished();
}

} // namespace

class tst_zkZkdImageControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadSetsEverySelectedObject();
    void loadFailures_data();
    void loadFailures();
    void saveFailures_data();
    void saveFailures();
    void options();

private:
    void createEditor(const std::function<void(zkZkdImageControlOptions &)> &modifier);
    QVariantList images() const;
    QString path(const QString &name) const { return m_directory.filePath(name); }

    QTemporaryDir m_directory;
    QList<zkdDiffuseTexture> m_textures;
    QList<zkdImage> m_previous;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkZkdImageControl *m_control = nullptr;
};

void tst_zkZkdImageControl::initTestCase()
{
    QVERIFY(m_directory.isValid());
    QImage colour(4, 2, QImage::Format_ARGB32);
    colour.fill(Qt::red);
    QVERIFY(colour.save(path(QStringLiteral("red.png"))));
    QVERIFY(colour.save(path(QStringLiteral("red.jpg"))));
    QFile text(path(QStringLiteral("text.png")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("This is not an image.\n");
    QFile png(path(QStringLiteral("red.png")));
    QFile truncated(path(QStringLiteral("truncated.png")));
    QVERIFY(png.open(QIODevice::ReadOnly) && truncated.open(QIODevice::WriteOnly));
    truncated.write(png.read(png.size() / 2));
}

void tst_zkZkdImageControl::init()
{
    m_textures = {zkdObjectManager::create<zkdDiffuseTexture>(), zkdObjectManager::create<zkdDiffuseTexture>()};
    // Different images, so that a load visibly reaches both objects.
    m_previous = {zkdImage::create(QImage(2, 2, QImage::Format_ARGB32), QStringLiteral("first.png")),
                  zkdImage::create(QImage(3, 3, QImage::Format_ARGB32), QStringLiteral("second.png"))};
    for (int i = 0; i < m_textures.size(); ++i)
        m_textures.at(i).setProperty("image", QVariant::fromValue(m_previous.at(i)));
    createEditor({});
}

void tst_zkZkdImageControl::createEditor(const std::function<void(zkZkdImageControlOptions &)> &modifier)
{
    m_editor.reset();
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdDiffuseTexture, zkdImage, zkZkdImageControl>("image", modifier);
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"image"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdDiffuseTexture &texture : qAsConst(m_textures))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(texture));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkZkdImageControl *>(m_editor->getControl("image"));
    QVERIFY(m_control);
    stack()->clear();
}

void tst_zkZkdImageControl::cleanup()
{
    m_editor.reset();
    for (const zkdDiffuseTexture &texture : qAsConst(m_textures))
        zkdObjectManager::destroy(texture);
    stack()->clear();
}

QVariantList tst_zkZkdImageControl::images() const
{
    QVariantList values;
    for (const zkdDiffuseTexture &texture : m_textures)
        values.append(texture.property("image"));
    return values;
}

void tst_zkZkdImageControl::loadSetsEverySelectedObject()
{
    const QVariantList before = images();
    typePath(m_control->getLineEdit(), path(QStringLiteral("red.jpg")));
    const zkdImage loaded = m_textures.first().property("image").value<zkdImage>();
    QCOMPARE(loaded.getFileName(), path(QStringLiteral("red.jpg")));
    QCOMPARE(images(), QVariantList({QVariant::fromValue(loaded), QVariant::fromValue(loaded)}));
    QCOMPARE(stack()->count(), 1);
    QVERIFY(m_control->getLineEdit()->toolTip().endsWith(QStringLiteral("\n4 × 2, JPEG, 8 bits per channel")));

    stack()->undo();
    QCOMPARE(images(), before);
    stack()->redo();
    QCOMPARE(images(), QVariantList({QVariant::fromValue(loaded), QVariant::fromValue(loaded)}));

    QTest::mouseClick(m_control->getDeleteButton(), Qt::LeftButton);
    QCOMPARE(images(), QVariantList({QVariant::fromValue(zkdImage()), QVariant::fromValue(zkdImage())}));
    QCOMPARE(stack()->count(), 2);
    QVERIFY(!m_control->getSaveButton()->isEnabled());
    QVERIFY(!m_control->getReloadButton()->isEnabled());
    QVERIFY(!m_control->getDeleteButton()->isEnabled());
}

void tst_zkZkdImageControl::loadFailures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing.png" << "the file does not exist";
    QTest::newRow("text named .png") << "text.png" << "not an image";
    QTest::newRow("truncated PNG") << "truncated.png" << "damaged or truncated";
}

void tst_zkZkdImageControl::loadFailures()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);

    const QVariantList before = images();
    const QString shown = m_control->getLineEdit()->text();
    zkDialogAnswerer answerer;
    typePath(m_control->getLineEdit(), path(file));
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY2(answerer.messages.first().contains(QDir::toNativeSeparators(path(file))), qPrintable(answerer.messages.first()));
    QVERIFY2(answerer.messages.first().contains(reason), qPrintable(answerer.messages.first()));
    QCOMPARE(images(), before);
    QCOMPARE(stack()->count(), 0);
    QCOMPARE(m_control->getLineEdit()->text(), shown);
}

void tst_zkZkdImageControl::saveFailures_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("missing folder") << "missing" << false;
    QTest::newRow("read-only folder") << "read-only" << true;
}

void tst_zkZkdImageControl::saveFailures()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);

    if (readOnly) {
        if (geteuid() == 0)
            QSKIP("Permissions do not bind the superuser.");
        QVERIFY(QDir().mkpath(path(folder)));
        QVERIFY(QFile::setPermissions(path(folder), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QString target = QDir(path(folder)).filePath(QStringLiteral("copy.png"));
    const QVariantList before = images();
    zkDialogAnswerer answerer(target);
    QTest::mouseClick(m_control->getSaveButton(), Qt::LeftButton);
    QCOMPARE(answerer.messages.size(), 1);
    // The file dialog resolves a path into a missing folder against its own directory, so only
    // the file's name is known here.
    const QString message = answerer.messages.first();
    QVERIFY2(message.startsWith(QStringLiteral("Cannot save the image \"")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("copy.png\": ")), qPrintable(message));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(images(), before);
    QCOMPARE(stack()->count(), 0);
}

void tst_zkZkdImageControl::options()
{
    // The sky environment's row: a read-only path with only the save button.
    createEditor([](zkZkdImageControlOptions &options) {
        options.pathEditable = false;
        options.showReload = false;
        options.showDelete = false;
    });
    QVERIFY(m_control->getLineEdit()->isReadOnly());
    QVERIFY(m_control->getLoadButton()->isHidden());
    QVERIFY(!m_control->getSaveButton()->isHidden());
    QVERIFY(m_control->getReloadButton()->isHidden());
    QVERIFY(m_control->getDeleteButton()->isHidden());
    QVERIFY(!m_control->getPremultipliedCheckBox());
    QVERIFY(!m_control->getUseTextureCheckBox());

    createEditor([](zkZkdImageControlOptions &options) {
        options.showPremultipliedAlpha = true;
        options.extraProperties = {"useTexture"};
    });
    QCheckBox *use = m_control->getUseTextureCheckBox();
    QVERIFY(use);
    QCOMPARE(m_control->getLabel(), use);
    QCOMPARE(use->text(), QStringLiteral("Use Texture"));
    QVERIFY(m_control->getPremultipliedCheckBox());
    for (const zkdDiffuseTexture &texture : qAsConst(m_textures))
        texture.setProperty("useTexture", false);
    m_control->updateControl();
    QVERIFY(!m_control->getContainer()->isEnabled());
    use->setChecked(true);
    for (const zkdDiffuseTexture &texture : qAsConst(m_textures))
        QCOMPARE(texture.property("useTexture").toBool(), true);
    QVERIFY(m_control->getContainer()->isEnabled());
}

QTEST_MAIN(tst_zkZkdImageControl)

#include "tst_zkZkdImageControl.moc"
