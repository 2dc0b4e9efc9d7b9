#include "zkRuleExpectations.h"

#include <zkTextureTypes.h>
#include <zkUndoStack.h>
#include <zkdBumpTexture.h>

#include <QTest>
#include <QVector2D>

class tst_zkTextureDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rules_data();
    void rules();
    void faceNormalNeedsDecalBothWays();
    void linkedSettingsMoveTogether();
};

void tst_zkTextureDescriptions::rules_data()
{
    addRuleColumns();

    const auto v = [](auto value) { return QVariant::fromValue(value); };
    const QVariantMap none;
    const QVariantMap on{{"useTexture", true}};
    const QByteArrayList settings{"image", "useImageSequence", "linkTextureSettings", "projectionType",
                                  "repeatModeU", "anisotropy"};
    const auto textureRows = [&settings](bool on, const QByteArrayList &more = {}) {
        Expectations expectations{shown("useTexture")};
        for (const QByteArray &row : settings + more)
            expectations.append(shown(row, on));
        return expectations;
    };
    QTest::newRow("texture off") << QByteArray("zkdTexture") << 1 << QByteArray("useTexture") << v(true) << v(false)
                                 << textureRows(false) << none;
    QTest::newRow("texture on, two selected")
        << QByteArray("zkdTexture") << 2 << QByteArray("useTexture") << v(false) << v(true) << textureRows(true)
        << none;
    QTest::newRow("diffuse texture off") << QByteArray("zkdDiffuseTexture") << 1 << QByteArray("useTexture")
                                         << v(true) << v(false) << textureRows(false, {"useAlpha", "gamma"}) << none;

    QTest::newRow("texture size") << QByteArray("zkdTexture") << 1 << QByteArray("useRealWorldScale") << v(false)
                                  << v(true) << Expectations{shown("textureSizeMM"), hidden("repeat")} << on;
    QTest::newRow("repeat values, two selected")
        << QByteArray("zkdTexture") << 2 << QByteArray("useRealWorldScale") << v(true) << v(false)
        << Expectations{hidden("textureSizeMM"), shown("repeat")} << on;
    QTest::newRow("image sequence") << QByteArray("zkdTexture") << 1 << QByteArray("useImageSequence") << v(false)
                                    << v(true) << Expectations{enabled("frameOffset")} << on;
    QTest::newRow("single image") << QByteArray("zkdTexture") << 1 << QByteArray("useImageSequence") << v(true)
                                  << v(false) << Expectations{disabled("frameOffset")} << on;

    // The surface structure decides the relief rows, and through useTexture the image rows.
    using Bump = zkdBumpTexture;
    QTest::newRow("bump smooth") << QByteArray("zkdBumpTexture") << 1 << QByteArray("surfaceStructure")
                                 << v(Bump::Texture) << v(Bump::Smooth)
                                 << Expectations{shown("surfaceStructure"), hidden("bumpIntensity"),
                                                 hidden("structureSize"), hidden("parallaxIntensity"), hidden("image")}
                                 << none;
    QTest::newRow("bump procedural, two selected")
        << QByteArray("zkdBumpTexture") << 2 << QByteArray("surfaceStructure") << v(Bump::Smooth)
        << v(Bump::Procedural)
        << Expectations{shown("bumpIntensity"), shown("structureSize"), hidden("parallaxIntensity"), hidden("image")}
        << none;
    QTest::newRow("bump texture") << QByteArray("zkdBumpTexture") << 1 << QByteArray("surfaceStructure")
                                  << v(Bump::Procedural) << v(Bump::Texture)
                                  << Expectations{shown("bumpIntensity"), hidden("structureSize"),
                                                  shown("parallaxIntensity"), shown("image"), shown("bumpType")}
                                  << none;
    QTest::newRow("structured bump smooth")
        << QByteArray("zkdStructuredBumpTexture") << 1 << QByteArray("surfaceStructure") << v(Bump::Procedural)
        << v(Bump::Smooth) << Expectations{hidden("bumpIntensity"), hidden("structureSize")} << none;
    QTest::newRow("structured bump procedural")
        << QByteArray("zkdStructuredBumpTexture") << 1 << QByteArray("surfaceStructure") << v(Bump::Smooth)
        << v(Bump::Procedural) << Expectations{shown("bumpIntensity"), shown("structureSize")} << none;

    // A roughness texture in use takes over the material's roughness value, once its rows are
    // built: that of a collapsed group opens with the group.
    QTest::newRow("roughness texture on")
        << QByteArray("zkdPlasticMaterial") << 1 << QByteArray("roughnessTexture/useTexture") << v(false) << v(true)
        << Expectations{shown("roughnessTexture/image"), disabled("roughness")} << none;
    QTest::newRow("roughness texture off, two selected")
        << QByteArray("zkdPlasticMaterial") << 2 << QByteArray("roughnessTexture/useTexture") << v(true) << v(false)
        << Expectations{hidden("roughnessTexture/image"), enabled("roughness")} << none;
    QTest::newRow("diffuse texture off leaves the material's roughness")
        << QByteArray("zkdPlasticMaterial") << 1 << QByteArray("diffuseTexture/useTexture") << v(false) << v(true)
        << Expectations{enabled("roughness")} << none;
}

void tst_zkTextureDescriptions::rules()
{
    verifyRule();
}

// Considering the face normal needs a decal in both directions.
void tst_zkTextureDescriptions::faceNormalNeedsDecalBothWays()
{
    const QVariant decal = QVariant::fromValue(zkTextureTypes::Decal);
    const QList<zkdObject> textures = createObjects("zkdTexture", 2, "useTexture", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(textures));
    const QWidget *singleSided = editor.getControlLayoutWidget("planarProjectionSingleSided");
    QVERIFY(singleSided && !singleSided->isEnabled());
    editor.setProperty("repeatModeU", decal);
    QVERIFY(!singleSided->isEnabled());
    editor.setProperty("repeatModeV", decal);
    QVERIFY(singleSided->isEnabled());
    editor.setProperty("repeatModeU", QVariant::fromValue(zkTextureTypes::Clamp));
    QVERIFY(!singleSided->isEnabled());
}

// The mapping of linked textures changes together, in one step.
void tst_zkTextureDescriptions::linkedSettingsMoveTogether()
{
    const QList<zkdObject> plastics =
        createObjects("zkdPlasticMaterial", 1, "diffuseTexture/linkTextureSettings", true);
    holder(plastics.first(), "glossyTexture/x").setProperty("linkTextureSettings", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(plastics));
    zkUndoStack::instance()->clear();

    const QVariant repeat = QVariant::fromValue(QVector2D(3.0f, 2.0f));
    editorOf(&editor, "diffuseTexture/repeat")->setProperty("repeat", repeat);
    QCOMPARE(holder(plastics.first(), "glossyTexture/x").property("repeat"), repeat);
    QCOMPARE(holder(plastics.first(), "roughnessTexture/x").property("repeat"), QVariant::fromValue(QVector2D(1, 1)));
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    zkUndoStack::instance()->undo();
    QCOMPARE(holder(plastics.first(), "glossyTexture/x").property("repeat"), QVariant::fromValue(QVector2D(1, 1)));
}

QTEST_MAIN(tst_zkTextureDescriptions)

#include "tst_zkTextureDescriptions.moc"
