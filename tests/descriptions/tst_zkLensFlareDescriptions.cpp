#include "zkRuleExpectations.h"

#include <zkBaseControl.h>
#include <zkLensFlareTypes.h>
#include <zkUndoStack.h>

#include <QTest>

#include <algorithm>

class tst_zkLensFlareDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rules_data();
    void rules();
    void ownRowsOnly_data();
    void ownRowsOnly();
};

void tst_zkLensFlareDescriptions::rules_data()
{
    addRuleColumns();

    using namespace zkLensFlareTypes;
    const auto v = [](auto value) { return QVariant::fromValue(value); };
    const QVariantMap none;
    const QVariantMap ownColor{{"useLightProperties", false}};
    const QVariantMap lightColor{{"useLightProperties", true}};
    const QByteArrayList activeRows{"presetType", "useLightProperties", "size", "intensity", "radius",
                                    "angularIntensity", "lensFlareElements"};
    const auto active = [&activeRows](bool on, bool color) {
        Expectations expectations{enabled("isActive"), enabled("color", color)};
        for (const QByteArray &row : activeRows)
            expectations.append(enabled(row, on));
        return expectations;
    };

    const QByteArray effect("zkdLensFlareEffect");
    QTest::newRow("preset") << effect << 1 << QByteArray("presetType") << v(Custom) << v(SunWarm)
                            << Expectations{hidden("lensFlareElements"), shown("presetType")} << none;
    QTest::newRow("custom, two selected") << effect << 2 << QByteArray("presetType") << v(StreetLamp) << v(Custom)
                                          << Expectations{shown("lensFlareElements")} << none;
    QTest::newRow("light colour") << effect << 1 << QByteArray("useLightProperties") << v(false) << v(true)
                                  << Expectations{disabled("color"), enabled("size")} << none;
    QTest::newRow("own colour, two selected") << effect << 2 << QByteArray("useLightProperties") << v(true)
                                              << v(false) << Expectations{enabled("color")} << none;
    QTest::newRow("own colour of an inactive effect")
        << effect << 1 << QByteArray("useLightProperties") << v(true) << v(false) << Expectations{disabled("color")}
        << QVariantMap{{"isActive", false}};
    QTest::newRow("inactive") << effect << 1 << QByteArray("isActive") << v(true) << v(false) << active(false, false)
                              << ownColor;
    QTest::newRow("active, own colour, two selected")
        << effect << 2 << QByteArray("isActive") << v(false) << v(true) << active(true, true) << ownColor;
    QTest::newRow("active, light colour")
        << effect << 1 << QByteArray("isActive") << v(false) << v(true) << active(true, false) << lightColor;

    // The texture shape trades the drawn outline's edge rows for the image; a circle has no
    // rotation to show.
    const QByteArray ghost("zkdLensFlareGhost");
    const QByteArrayList ghostEdges{"edgeIntensity", "edgeThickness", "feather"};
    const auto ghostRows = [&ghostEdges](bool texture, bool rotation) {
        Expectations expectations{shown("image", texture), shown("rotation", rotation), shown("size")};
        for (const QByteArray &row : ghostEdges)
            expectations.append(shown(row, !texture));
        return expectations;
    };
    QTest::newRow("ghost texture") << ghost << 1 << QByteArray("shape") << v(Hexagon) << v(TextureShape)
                                   << ghostRows(true, true) << none;
    QTest::newRow("ghost circle, two selected")
        << ghost << 2 << QByteArray("shape") << v(TextureShape) << v(Circle) << ghostRows(false, false) << none;
    QTest::newRow("ghost triangle") << ghost << 1 << QByteArray("shape") << v(Circle) << v(Triangle)
                                    << ghostRows(false, true) << none;

    const QByteArray glow("zkdLensFlareGlow");
    QTest::newRow("glow texture") << glow << 1 << QByteArray("shape") << v(Circle) << v(TextureShape)
                                  << Expectations{shown("image"), hidden("feather"), shown("rotation")} << none;
    QTest::newRow("glow circle, two selected")
        << glow << 2 << QByteArray("shape") << v(TextureShape) << v(Circle)
        << Expectations{hidden("image"), shown("feather"), hidden("rotation")} << none;
    QTest::newRow("glow decagon") << glow << 1 << QByteArray("shape") << v(Circle) << v(Decagon)
                                  << Expectations{hidden("image"), shown("feather"), shown("rotation")} << none;

    // A starburst turns whatever its shape.
    const QByteArray star("zkdLensFlareStar");
    QTest::newRow("star texture") << star << 1 << QByteArray("shape") << v(Fan) << v(TextureStar)
                                  << Expectations{shown("image"), hidden("feather"), shown("rotation")} << none;
    QTest::newRow("star blade, two selected")
        << star << 2 << QByteArray("shape") << v(TextureStar) << v(Blade)
        << Expectations{hidden("image"), shown("feather"), shown("rotation")} << none;
}

void tst_zkLensFlareDescriptions::rules()
{
    verifyRule();
}

void tst_zkLensFlareDescriptions::ownRowsOnly_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArrayList>("rows");

    QTest::newRow("effect") << QByteArray("zkdLensFlareEffect")
                            << QByteArrayList{"isActive", "presetType", "useLightProperties", "color", "size",
                                              "intensity", "radius", "angularIntensity", "lensFlareElements"};
    QTest::newRow("ghost") << QByteArray("zkdLensFlareGhost")
                           << QByteArrayList{"shape", "image", "color", "chromaticAberration", "size", "intensity",
                                             "edgeIntensity", "edgeThickness", "feather", "rotation"};
    QTest::newRow("glow") << QByteArray("zkdLensFlareGlow")
                          << QByteArrayList{"shape", "image", "color", "size", "intensity", "feather", "rotation"};
    QTest::newRow("ring") << QByteArray("zkdLensFlareRing")
                          << QByteArrayList{"color", "chromaticAberration", "numberOfStreaks", "size", "intensity",
                                            "thickness", "streakThickness", "feather"};
    QTest::newRow("star") << QByteArray("zkdLensFlareStar")
                          << QByteArrayList{"shape", "image", "color", "numberOfBursts", "size", "intensity",
                                            "thickness", "feather", "rotation"};
    QTest::newRow("ghost line") << QByteArray("zkdLensFlareGhostLine") << QByteArrayList{"ghosts"};
    QTest::newRow("streak") << QByteArray("zkdLensFlareStreak")
                            << QByteArrayList{"color", "offset", "size", "intensity", "thickness", "feather",
                                              "rotation"};
}

// Every kind shows the rows of its own table in their order, and neither the name nor the
// switch that the element list edits.
void tst_zkLensFlareDescriptions::ownRowsOnly()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArrayList, rows);

    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({zkdObjectManager::create(type)}));
    QByteArrayList shown;
    for (const zkBaseControl *control : editor.getControls())
        shown.append(control->getPropertyName());
    std::sort(shown.begin(), shown.end(), [&editor](const QByteArray &a, const QByteArray &b) {
        return editor.getControlSortKey(a) < editor.getControlSortKey(b);
    });
    QCOMPARE(shown, rows);
}

QTEST_MAIN(tst_zkLensFlareDescriptions)

#include "tst_zkLensFlareDescriptions.moc"
