#include <zkZkdLightProfileControl.h>

#include <zkDialogAnswerer.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdLightProfile.h>
#include <zkdObjectManager.h>
#include <zkdSpotLightNode.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

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

const QByteArray metersProfile = "IESNA:LM-63-2002\n[TEST] meters\nTILT=NONE\n"
                                 "2 1000 1.5 5 3 1 2 0.5 -0.4 0.125\n0.9 1.0 60\n"
                                 "0 20 40 60 80\n0 90 180\n"
                                 "100 90 70 40 0 100 90 70 40 0 100 90 70 40 0\n";
const QByteArray feetProfile = "IESNA:LM-63-1995\n[TEST] feet\nTILT=INCLUDE\n1\n2\n0 90\n1 0.8\n"
                               "1 -1 1 2 1 2 1 1.25 2 0\n1 1 7.5\n-45 45\n0\n10 20\n";
const QByteArray typeAProfile = "IESNA91\n[TEST] type A\nTILT=NONE\n"
                                "1 500 1 2 2 3 1 0 0 0\n1 1 5\n0 30\n-90 90\n1 2 3 4\n";

} // namespace

class tst_zkZkdLightProfileControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void construction();
    void useSwitchShowsRows();
    void typedPathLoadsOnce();
    void browse_data();
    void browse();
    void headerSummary_data();
    void headerSummary();
    void applyShape();
    void actsOnEveryLightInOneStep_data();
    void actsOnEveryLightInOneStep();
    void badFiles_data();
    void badFiles();

private:
    void createEditor(int lights);
    QString path(const QString &name) const { return m_directory.filePath(name); }
    zkdLightProfile profileOf(int light) const
    {
        return m_lights.at(light).property("lightProfile").value<zkdLightProfile>();
    }

    QTemporaryDir m_directory;
    QList<zkdSpotLightNode> m_lights;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkZkdLightProfileControl *m_control = nullptr;
    int m_ruleCalls = 0;
};

void tst_zkZkdLightProfileControl::initTestCase()
{
    QVERIFY(m_directory.isValid());
    const QList<QPair<QString, QByteArray>> files = {
        {"meters.ies", metersProfile},
        {"feet.ies", feetProfile},
        {"typeA.ies", typeAProfile},
        {"text.ies", "This is a lamp catalogue, not a profile.\n"},
        {"truncated.ies", metersProfile.left(metersProfile.indexOf("0 90 180"))},
        {"surplus.ies", metersProfile + "7 7 7\n"},
        {"word.ies", QByteArray(metersProfile).replace("1.5", "one")},
        {"negative.ies", QByteArray(metersProfile).replace("5 3 1 2", "-5 3 1 2")},
        {"version.ies", QByteArray(metersProfile).replace("LM-63-2002", "LM-63-2031")},
    };
    for (const auto &file : files) {
        QFile out(path(file.first));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.second);
    }
}

void tst_zkZkdLightProfileControl::init()
{
    createEditor(1);
}

void tst_zkZkdLightProfileControl::createEditor(int lights)
{
    cleanup();
    for (int i = 0; i < lights; ++i)
        m_lights.append(zkdObjectManager::create<zkdSpotLightNode>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdSpotLightNode, zkdLightProfile, zkZkdLightProfileControl>(
            "lightProfile", [](zkZkdLightProfileControlOptions &options) {
                // As the light descriptions register the row.
                options.hideLabel();
                options.forceWritable();
            });
    factory->registerChangedProperty<zkdSpotLightNode, zkdLightProfile>(
            "lightProfile", [this](zkPropertyEditorWidget *, const zkdLightProfile &) { ++m_ruleCalls; });
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"lightProfile"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdSpotLightNode &light : qAsConst(m_lights))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(light));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkZkdLightProfileControl *>(m_editor->getControl("lightProfile"));
    QVERIFY(m_control);
    m_ruleCalls = 0;
    stack()->clear();
}

void tst_zkZkdLightProfileControl::cleanup()
{
    m_editor.reset();
    for (const zkdSpotLightNode &light : qAsConst(m_lights))
        zkdObjectManager::destroy(light);
    m_lights.clear();
    stack()->clear();
}

void tst_zkZkdLightProfileControl::construction()
{
    // The row spans the value columns without a caption.
    QVERIFY(!m_control->getLabel());
    QCOMPARE(m_control->getEditor(), m_control->getLineEdit());
    // Before any file: a zero header, whose units and photometric types name nothing.
    for (int i = 0; i < zkZkdLightProfileControl::InfoCount; ++i) {
        const auto info = zkZkdLightProfileControl::Info(i);
        QCOMPARE(m_control->getInfoLabel(info)->text(),
                 info == zkZkdLightProfileControl::Dimension ? QStringLiteral("0, 0, 0") : QStringLiteral("0"));
    }
}

void tst_zkZkdLightProfileControl::useSwitchShowsRows()
{
    const QList<QWidget *> rows = {m_control->getPathLabel(), m_control->getLineEdit(), m_control->getBrowseButton(),
                                   m_control->getShapeButton(), m_control->getInfoBox()};
    const auto hidden = [&rows] {
        return std::all_of(rows.cbegin(), rows.cend(), [](const QWidget *row) { return row->isHidden(); });
    };
    const auto shown = [&rows] {
        return std::none_of(rows.cbegin(), rows.cend(), [](const QWidget *row) { return row->isHidden(); });
    };
    QVERIFY(!m_control->getUseCheckBox()->isChecked());
    QVERIFY(hidden());

    m_control->getUseCheckBox()->setChecked(true);
    QVERIFY(profileOf(0).getUseLightProfile());
    QVERIFY(shown());
    QCOMPARE(m_ruleCalls, 1);
    QCOMPARE(stack()->count(), 1);

    m_control->getUseCheckBox()->setChecked(false);
    QVERIFY(!profileOf(0).getUseLightProfile());
    QVERIFY(hidden());
    QCOMPARE(m_ruleCalls, 2);

    // Showing the kernel's value does not write it back.
    stack()->undo();
    m_control->updateControl();
    QVERIFY(m_control->getUseCheckBox()->isChecked());
    QVERIFY(shown());
    QCOMPARE(stack()->count(), 2);
}

void tst_zkZkdLightProfileControl::typedPathLoadsOnce()
{
    typePath(m_control->getLineEdit(), path(QStringLiteral("meters.ies")));
    QCOMPARE(profileOf(0).getAbsolutePath(), path(QStringLiteral("meters.ies")));
    QCOMPARE(m_control->getLineEdit()->text(), path(QStringLiteral("meters.ies")));
    QCOMPARE(stack()->count(), 1);
    // Leaving the line edit without an edit loads nothing.
    emit m_control->getLineEdit()->editingFinished();
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(profileOf(0).getAbsolutePath(), QString());
    QCOMPARE(m_control->getLineEdit()->text(), QString());
}

void tst_zkZkdLightProfileControl::browse_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("startDirectory");

    QTest::newRow("chosen") << QString() << "feet.ies" << QString();
    QTest::newRow("cancelled") << QString() << QString() << QString();
    QTest::newRow("starts in the shown file's folder") << "typeA.ies" << "feet.ies" << ".";
    QTest::newRow("missing folder falls back") << "gone/typeA.ies" << QString() << "gone";
}

void tst_zkZkdLightProfileControl::browse()
{
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(QString, startDirectory);

    m_control->getUseCheckBox()->setChecked(true);
    if (!shown.isEmpty())
        m_control->getLineEdit()->setText(path(shown));
    stack()->clear();
    zkDialogAnswerer answerer(chosen.isEmpty() ? QString() : path(chosen));
    QTest::mouseClick(m_control->getBrowseButton(), Qt::LeftButton);
    QCOMPARE(answerer.directories.size(), 1);
    QVERIFY(answerer.messages.isEmpty());
    if (startDirectory == QStringLiteral("."))
        QCOMPARE(answerer.directories.first(), QDir(m_directory.path()).absolutePath());
    else if (!startDirectory.isEmpty())
        QVERIFY(answerer.directories.first() != QDir(path(startDirectory)).absolutePath());
    QCOMPARE(profileOf(0).getAbsolutePath(), chosen.isEmpty() ? QString() : path(chosen));
    QCOMPARE(stack()->count(), chosen.isEmpty() ? 0 : 1);
}

void tst_zkZkdLightProfileControl::headerSummary_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("meters, type C") << "meters.ies"
                                    << QStringList{"1000", "2", "1.5", "Meter", "0.9", "0.5, -0.4, 0.125", "Type C",
                                                   "5", "60", "3"};
    QTest::newRow("feet, type B, absolute") << "feet.ies"
                                            << QStringList{"-1", "1", "1", "Feet", "1", "1.25, 2, 0", "Type B", "2",
                                                           "7.5", "1"};
    QTest::newRow("type A") << "typeA.ies"
                            << QStringList{"500", "1", "1", "Feet", "1", "0, 0, 0", "Type A", "2", "5", "2"};
}

void tst_zkZkdLightProfileControl::headerSummary()
{
    QFETCH(QString, file);
    QFETCH(QStringList, values);

    typePath(m_control->getLineEdit(), path(file));
    QStringList shown;
    for (int i = 0; i < zkZkdLightProfileControl::InfoCount; ++i)
        shown.append(m_control->getInfoLabel(zkZkdLightProfileControl::Info(i))->text());
    QCOMPARE(shown, values);
}

void tst_zkZkdLightProfileControl::applyShape()
{
    typePath(m_control->getLineEdit(), path(QStringLiteral("meters.ies")));
    stack()->clear();
    m_control->getUseCheckBox()->setChecked(true);
    QTest::mouseClick(m_control->getShapeButton(), Qt::LeftButton);
    // The cone spans the vertical angles; the visualization the widest side of the opening.
    QCOMPARE(m_lights.first().property("coneAngle").toFloat(), 80.0f);
    QCOMPARE(m_lights.first().property("visualizationScale").toFloat(), 0.5f);
    QCOMPARE(stack()->count(), 2);
    QCOMPARE(stack()->undoText(), QStringLiteral("Set Profile Shape"));
    stack()->undo();
    QCOMPARE(m_lights.first().property("coneAngle").toFloat(), 30.0f);
    QCOMPARE(m_lights.first().property("visualizationScale").toFloat(), 1.0f);
}

void tst_zkZkdLightProfileControl::actsOnEveryLightInOneStep_data()
{
    QTest::addColumn<QString>("action");

    QTest::newRow("use") << "use";
    QTest::newRow("load") << "load";
    QTest::newRow("shape") << "shape";
}

void tst_zkZkdLightProfileControl::actsOnEveryLightInOneStep()
{
    QFETCH(QString, action);

    createEditor(3);
    const auto states = [this] {
        QStringList result;
        for (int i = 0; i < m_lights.size(); ++i) {
            result.append(QStringLiteral("%1 %2 %3")
                                  .arg(profileOf(i).getUseLightProfile())
                                  .arg(QFileInfo(profileOf(i).getAbsolutePath()).fileName())
                                  .arg(m_lights.at(i).property("coneAngle").toFloat()));
        }
        return result;
    };
    if (action == QStringLiteral("shape")) {
        for (int i = 0; i < m_lights.size(); ++i)
            QVERIFY(profileOf(i).load(path(QStringLiteral("meters.ies"))));
    }
    stack()->clear();
    const QStringList before = states();

    QStringList after;
    if (action == QStringLiteral("use")) {
        m_control->getUseCheckBox()->setChecked(true);
        after = QStringList{"1  30", "1  30", "1  30"};
    } else if (action == QStringLiteral("load")) {
        typePath(m_control->getLineEdit(), path(QStringLiteral("meters.ies")));
        after = QStringList{"0 meters.ies 30", "0 meters.ies 30", "0 meters.ies 30"};
    } else {
        QTest::mouseClick(m_control->getShapeButton(), Qt::LeftButton);
        after = QStringList{"0 meters.ies 80", "0 meters.ies 80", "0 meters.ies 80"};
    }
    QCOMPARE(states(), after);
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(states(), before);
}

void tst_zkZkdLightProfileControl::badFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing.ies" << "the file does not exist";
    QTest::newRow("not a profile") << "text.ies" << "the file has no TILT line";
    QTest::newRow("unknown version") << "version.ies" << "names no known version";
    QTest::newRow("truncated") << "truncated.ies" << "the file ends early";
    QTest::newRow("surplus values") << "surplus.ies" << "the counts do not match the values";
    QTest::newRow("word for a number") << "word.ies" << "\"one\" on line 4 is not a number";
    QTest::newRow("negative angle count") << "negative.ies" << "number of vertical angles (-5) is not positive";
}

void tst_zkZkdLightProfileControl::badFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);

    createEditor(2);
    for (int i = 0; i < m_lights.size(); ++i)
        QVERIFY(profileOf(i).load(path(QStringLiteral("feet.ies"))));
    m_control->updateControl();
    stack()->clear();

    zkDialogAnswerer answerer;
    typePath(m_control->getLineEdit(), path(file));
    QCOMPARE(answerer.messages.size(), 1);
    const QString message = answerer.messages.first();
    QVERIFY2(message.startsWith(QStringLiteral("Cannot load the light profile \"%1\": ")
                                        .arg(QDir::toNativeSeparators(path(file)))),
             qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(stack()->count(), 0);
    for (int i = 0; i < m_lights.size(); ++i) {
        QCOMPARE(profileOf(i).getAbsolutePath(), path(QStringLiteral("feet.ies")));
        QCOMPARE(profileOf(i).getPhotometricType(), 2);
    }
    QCOMPARE(m_control->getLineEdit()->text(), path(QStringLiteral("feet.ies")));
    QCOMPARE(m_control->getInfoLabel(zkZkdLightProfileControl::UnitsType)->text(), QStringLiteral("Feet"));
}

QTEST_MAIN(tst_zkZkdLightProfileControl)

#include "tst_zkZkdLightProfileControl.moc"
