#include <zkIconCache.h>
#include <zkIconManager.h>

#include <QtTest>

class tst_zkIconManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namedIcon_data();
    void namedIcon();
    void resourcePixmap_data();
    void resourcePixmap();
    void unknownNamesAreNull_data();
    void unknownNamesAreNull();
    void unknownVariantFallsBack();
    void sharedIcons();
    void worldMap();
};

void tst_zkIconManager::namedIcon_data()
{
    QTest::addColumn<QString>("name");
    const char *names[] = {"FileOpen", "Save", "Reload", "Reset", "Lock", "Play", "PlayBack",
                           "Copy", "Cut", "Paste", "Duplicate", "Delete", "ZoomIn", "ZoomOut",
                           "Navigation", "Edit", "RenameReference", "CreateNew"};
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_zkIconManager::namedIcon()
{
    QFETCH(QString, name);
    const QIcon icon = zkIconManager::getIcon(name, QString());
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(24, 24).toImage();
    QCOMPARE(image.size(), QSize(24, 24));
    // Drawn, not blank.
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y) {
        for (int x = 0; x < image.width() && !painted; ++x)
            painted = qAlpha(image.pixel(x, y)) > 0;
    }
    QVERIFY(painted);
}

void tst_zkIconManager::resourcePixmap_data()
{
    QTest::addColumn<QString>("path");
    const char *paths[] = {"General/LockOffNormal.svg", "General/UnlockOffNormal.svg",
                           "LightEditor/LensFlare_glow.svg", "LightEditor/LensFlare_starburst.svg",
                           "LightEditor/LensFlare_streak.svg", "LightEditor/LensFlare_ring.svg",
                           "LightEditor/LensFlare_ghostline.svg", "scenegraph/FolderClosed.svg",
                           "LightEditor/SceneRayFiles.svg"};
    for (const char *path : paths)
        QTest::newRow(path) << QString::fromLatin1(path);
}

void tst_zkIconManager::resourcePixmap()
{
    QFETCH(QString, path);
    QVERIFY(QFile::exists(QStringLiteral(":/iconmanager/resources/") + path));
    const QPixmap pixmap = zkIconManager::get(path);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(16, 16));
    // The button that shows ray files may ask for its icon either way.
    QVERIFY(!zkIconManager::getIcon(path, QString()).isNull());
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

void tst_zkIconManager::unknownVariantFallsBack()
{
    const QIcon plain = zkIconManager::getIcon(QStringLiteral("Save"), QString());
    const QIcon variant = zkIconManager::getIcon(QStringLiteral("Save"), QStringLiteral("NoSuchVariant"));
    QVERIFY(!variant.isNull());
    QCOMPARE(variant.pixmap(16, 16).toImage(), plain.pixmap(16, 16).toImage());
}

void tst_zkIconManager::sharedIcons()
{
    QVERIFY(!zkIconCache::getFilterIcon().isNull());
    QVERIFY(!zkIconCache::getMenuArrowIcon().isNull());
    QVERIFY(!zkIconCache::getHierarchyIcon().isNull());
    QVERIFY(!zkIconCache::getMaterialTagIcon().isNull());
    QVERIFY(zkIconCache::getFilterIcon().pixmap(16, 16).toImage()
            != zkIconCache::getHierarchyIcon().pixmap(16, 16).toImage());
}

void tst_zkIconManager::worldMap()
{
    const QPixmap map(QStringLiteral(":/iconmanager/resources/Various/WorldMap.png"));
    QVERIFY(!map.isNull());
    QCOMPARE(map.width(), 2 * map.height());

    // Equirectangular: the middle of the Atlantic is sea, the middle of Africa land, the south
    // pole land.
    const QImage image = map.toImage();
    const auto at = [&image](double longitude, double latitude) {
        return image.pixelColor(int((longitude + 180.0) / 360.0 * image.width()),
                                int((90.0 - latitude) / 180.0 * image.height()));
    };
    const QColor sea = at(-35.0, 25.0);
    QVERIFY(at(20.0, 5.0) != sea);
    QVERIFY(at(135.0, -25.0) != sea);
    QVERIFY(at(0.0, -89.0) != sea);
    QCOMPARE(at(-140.0, 5.0), sea);
}

QTEST_MAIN(tst_zkIconManager)
#include "tst_zkIconManager.moc"
