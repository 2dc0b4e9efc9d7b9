#include <zkIconManager.h>

#include <QtTest>

class tst_zkIconManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void knownIcon_data();
    void knownIcon();
    void unknownNamesAreNull_data();
    void unknownNamesAreNull();
    void worldMap();
};

void tst_zkIconManager::knownIcon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("resource");
    for (const char *name : {"FileOpen", "Save", "Reload", "Reset", "Lock", "Play", "PlayBack", "Copy", "Cut",
                             "Paste", "Duplicate", "Delete", "ZoomIn", "ZoomOut", "Navigation", "Edit",
                             "RenameReference", "CreateNew"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    for (const char *path : {"General/LockOffNormal.svg", "General/UnlockOffNormal.svg",
                             "LightEditor/LensFlare_glow.svg", "LightEditor/LensFlare_starburst.svg",
                             "LightEditor/LensFlare_streak.svg", "LightEditor/LensFlare_ring.svg",
                             "LightEditor/LensFlare_ghostline.svg", "scenegraph/FolderClosed.svg",
                             "LightEditor/SceneRayFiles.svg"})
        QTest::newRow(path) << QString::fromLatin1(path) << true;
}

// Named icons are drawn, not blank, and fall back to themselves for an unknown variant;
// resource paths give 16 pixel pixmaps and, as the button that shows ray files asks, icons.
void tst_zkIconManager::knownIcon()
{
    QFETCH(QString, name);
    QFETCH(bool, resource);
    const QIcon icon = zkIconManager::getIcon(name, QString());
    QVERIFY(!icon.isNull());
    if (resource) {
        QCOMPARE(zkIconManager::get(name).size(), QSize(16, 16));
        return;
    }
    const QImage image = icon.pixmap(24, 24).toImage();
    QCOMPARE(image.size(), QSize(24, 24));
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    QVERIFY(image != blank);
    QCOMPARE(zkIconManager::getIcon(name, QStringLiteral("NoSuchVariant")).pixmap(24, 24).toImage(), image);
}

void tst_zkIconManager::unknownNamesAreNull_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("unknown") << QStringLiteral("NoSuchIcon");
    QTest::newRow("unknown path") << QStringLiteral("General/NoSuchIcon.svg");
    QTest::newRow("folder") << QStringLiteral("General");
    QTest::newRow("case differs") << QStringLiteral("save");
}

void tst_zkIconManager::unknownNamesAreNull()
{
    QFETCH(QString, name);
    QVERIFY(zkIconManager::get(name).isNull());
    QVERIFY(zkIconManager::getIcon(name, QString()).isNull());
    QVERIFY(zkIconManager::getIcon(name, QStringLiteral("Hover")).isNull());
}

// Equirectangular, north up: mid-Atlantic is sea; Africa, Australia and the south pole land.
void tst_zkIconManager::worldMap()
{
    const QImage map(QStringLiteral(":/iconmanager/resources/Various/WorldMap.png"));
    QCOMPARE(map.width(), 2 * map.height());
    const auto at = [&map](double longitude, double latitude) {
        return map.pixelColor(int((longitude + 180.0) / 360.0 * map.width()),
                              int((90.0 - latitude) / 180.0 * map.height()));
    };
    const QColor sea = at(-35.0, 25.0);
    QVERIFY(at(20.0, 5.0) != sea);
    QVERIFY(at(135.0, -25.0) != sea);
    QVERIFY(at(0.0, -89.0) != sea);
    QCOMPARE(at(-140.0, 5.0), sea);
}

QTEST_MAIN(tst_zkIconManager)
#include "tst_zkIconManager.moc"
