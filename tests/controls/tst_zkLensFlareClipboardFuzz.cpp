#include <zkLensFlareElementClipboard.h>

#include <zkFuzzInput.h>
#include <zkUndoStack.h>
#include <zkdImage.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdLensFlareGlow.h>
#include <zkdLensFlareStar.h>
#include <zkdObjectManager.h>

#include <QDataStream>
#include <QTest>
#include <QVector2D>

#include <limits>

using Elements = QList<zkdLensFlareElement>;

// The decoder of the lens-flare clipboard payload: round trips, a table of malformed payloads,
// and seeded random and mutated bytes, none of which may crash it or touch the kernel.
class tst_zkLensFlareClipboardFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void handmade_data();
    void handmade();
    void everyPrefixIsRefused();
    void fuzz();

private:
    // A header as the encoder writes it; stream() writes in the payload's stream version.
    static QByteArray header(quint32 count, quint16 version = 1, quint32 magic = 0x7a6b4c46);
    static QByteArray stream(const std::function<void(QDataStream &)> &write);

    Elements m_elements;
    zkdImage m_image;
    QVector<QByteArray> m_valid;
};

void tst_zkLensFlareClipboardFuzz::initTestCase()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    m_image = zkdImage::create(QImage(2, 2, QImage::Format_RGB32));
    const auto glow =
            zkd_cast<zkdLensFlareGlow>(effect.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow));
    glow.setProperty("size", 0.75f);
    glow.setProperty("shape", int(zkLensFlareTypes::Hexagon));
    glow.setProperty("image", QVariant::fromValue(m_image));
    glow.setIsActive(false);
    const auto star = effect.createLensFlareElement(QStringLiteral("Stern \u00e9"), zkLensFlareTypes::Starburst);
    star.setProperty("numberOfBursts", 9u);
    star.setProperty("flickeringRange", QVector2D(0.25f, 0.5f));
    const auto line = zkd_cast<zkdLensFlareGhostLine>(
            effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine));
    line.createGhost(-2.5).setName(QStringLiteral("First"));
    line.createGhost(3.0);
    m_elements = {glow, star, line};
    m_valid = {zkLensFlareElementClipboard::encode(m_elements), zkLensFlareElementClipboard::encode({line}),
               zkLensFlareElementClipboard::encode({glow}), zkLensFlareElementClipboard::encode({})};
}

QByteArray tst_zkLensFlareClipboardFuzz::stream(const std::function<void(QDataStream &)> &write)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_12);
    write(out);
    return bytes;
}

QByteArray tst_zkLensFlareClipboardFuzz::header(quint32 count, quint16 version, quint32 magic)
{
    return stream(
            [&](QDataStream &out) { out << magic << version << zkLensFlareElementClipboard::session() << count; });
}

void tst_zkLensFlareClipboardFuzz::roundTrip_data()
{
    QTest::addColumn<bool>("ownSession");
    QTest::newRow("this process") << true;
    QTest::newRow("another process") << false;
}

// Every carried value comes back; references to scene objects only within the process.
void tst_zkLensFlareClipboardFuzz::roundTrip()
{
    QFETCH(bool, ownSession);
    QByteArray bytes = zkLensFlareElementClipboard::encode(m_elements);
    if (!ownSession) {
        QDataStream patch(&bytes, QIODevice::ReadWrite);
        patch.device()->seek(6);
        patch << quint64(zkLensFlareElementClipboard::session() + 2);
    }
    zkLensFlareElementClipboard::Payload payload;
    QVERIFY(zkLensFlareElementClipboard::decode(bytes, &payload));
    const Elements copies = zkLensFlareElementClipboard::createElements(payload);
    QCOMPARE(copies.size(), m_elements.size());
    for (int i = 0; i < copies.size(); ++i) {
        QCOMPARE(copies.at(i).getTypeName(), m_elements.at(i).getTypeName());
        QVERIFY(copies.at(i) != m_elements.at(i));
        for (const char *name : {"name", "isActive", "size", "shape", "numberOfBursts", "flickeringRange"})
            QCOMPARE(copies.at(i).property(name), m_elements.at(i).property(name));
    }
    QCOMPARE(copies.at(0).property("image").value<zkdImage>(), ownSession ? m_image : zkdImage());
    const auto ghosts = zkd_cast<zkdLensFlareGhostLine>(copies.at(2)).getGhosts();
    QCOMPARE(ghosts.size(), 2);
    QCOMPARE(ghosts.at(0).getName(), QStringLiteral("First"));
    QCOMPARE(ghosts.at(0).getDistance(), -2.5);
    QCOMPARE(ghosts.at(1).getDistance(), 3.0);
    QCOMPARE(zkUndoStack::instance()->count(), 0);
    for (const zkdLensFlareElement &copy : copies)
        zkdObjectManager::destroy(copy);
}

void tst_zkLensFlareClipboardFuzz::handmade_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");

    const QByteArray glow("zkdLensFlareGlow");
    const auto element = [](const QByteArray &className, const std::function<void(QDataStream &)> &values,
                            quint32 ghosts = 0) {
        return stream([&](QDataStream &out) {
            out << className;
            values(out);
            out << ghosts;
        });
    };
    const auto one = [](const QByteArray &name, const std::function<void(QDataStream &)> &value) {
        return [name, value](QDataStream &out) {
            out << quint32(1) << name;
            value(out);
        };
    };
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("other magic") << header(0, 1, 0x7a6b4c47) << false;
    QTest::newRow("newer version") << header(0, 2) << false;
    QTest::newRow("text") << QByteArray("Glow, Ring") << false;
    QTest::newRow("absurd count") << header(0x7fffffff) << false;
    QTest::newRow("trailing bytes") << header(0) + '\0' << false;
    QTest::newRow("unknown class") << header(1) + element("zkdMaterial", [](QDataStream &out) { out << quint32(0); })
                                   << false;
    QTest::newRow("ghost is no element")
            << header(1) + element("zkdLensFlareGhost", [](QDataStream &out) { out << quint32(0); }) << false;
    QTest::newRow("more values than properties")
            << header(1) + element(glow, [](QDataStream &out) { out << quint32(1000); }) << false;
    QTest::newRow("unknown property") << header(1) + element(glow, one("colour", [](QDataStream &out) { out << 1.0f; }))
                                      << false;
    QTest::newRow("read-only property")
            << header(1) + element(glow, one("objectId", [](QDataStream &out) { out << quint64(1); })) << false;
    QTest::newRow("duplicate property") << header(1) + element(glow, [](QDataStream &out) {
        out << quint32(2) << QByteArray("size") << 0.5f << QByteArray("size") << 0.5f;
    }) << false;
    QTest::newRow("boolean 2") << header(1) + element(glow, one("isActive", [](QDataStream &out) { out << qint8(2); }))
                               << false;
    QTest::newRow("NaN size") << header(1) + element(glow, one("size", [](QDataStream &out) {
        out << std::numeric_limits<float>::quiet_NaN();
    })) << false;
    QTest::newRow("infinite size") << header(1) + element(glow, one("size", [](QDataStream &out) {
        out << std::numeric_limits<float>::infinity();
    })) << false;
    QTest::newRow("unknown shape")
            << header(1) + element(glow, one("shape", [](QDataStream &out) { out << qint32(42); })) << false;
    QTest::newRow("odd string") << header(1) + element(glow, one("name", [](QDataStream &out) { out << quint32(3); }))
                                << false;
    QTest::newRow("string past the end")
            << header(1) + element(glow, one("name", [](QDataStream &out) { out << quint32(0x7ffffffe); })) << false;
    QTest::newRow("ghosts of a glow") << header(1) + element(glow, [](QDataStream &out) { out << quint32(0); }, 1)
                                             + stream([](QDataStream &out) { out << quint32(0); }) << false;
    QTest::newRow("too many ghosts") << header(1)
                    + element(
                            "zkdLensFlareGhostLine", [](QDataStream &out) { out << quint32(0); }, 0x7fffffff)
                                     << false;
    QTest::newRow("ghost with element property")
            << header(1) + element("zkdLensFlareGhostLine", [](QDataStream &out) { out << quint32(0); }, 1)
                       + stream([](QDataStream &out) { out << quint32(1) << QByteArray("ghosts"); }) << false;
    // The same helpers write payloads that decode.
    QTest::newRow("no elements") << header(0) << true;
    QTest::newRow("a glow of two values") << header(1) + element(glow, [](QDataStream &out) {
        out << quint32(2) << QByteArray("size") << 0.5f << QByteArray("shape") << qint32(zkLensFlareTypes::Quad);
    }) << true;
    QTest::newRow("a line with a ghost")
            << header(1) + element("zkdLensFlareGhostLine", [](QDataStream &out) { out << quint32(0); }, 1)
                       + stream([](QDataStream &out) { out << quint32(1) << QByteArray("distance") << 1.0f; })
            << true;
}

// A refused payload leaves the result alone.
void tst_zkLensFlareClipboardFuzz::handmade()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    zkLensFlareElementClipboard::Payload payload;
    payload.session = 7;
    QCOMPARE(zkLensFlareElementClipboard::decode(bytes, &payload), accepted);
    QCOMPARE(payload.session, accepted ? zkLensFlareElementClipboard::session() : quint64(7));
    QCOMPARE(payload.elements.size(), bytes.size() > 20 && accepted ? 1 : 0);
}

void tst_zkLensFlareClipboardFuzz::everyPrefixIsRefused()
{
    const QByteArray bytes = m_valid.first();
    zkLensFlareElementClipboard::Payload payload;
    for (int size = 0; size < bytes.size(); ++size) {
        if (zkLensFlareElementClipboard::decode(bytes.left(size), &payload))
            QFAIL(qPrintable(QStringLiteral("a prefix of %1 bytes decoded").arg(size)));
    }
    QVERIFY(zkLensFlareElementClipboard::decode(bytes, &payload));
}

void tst_zkLensFlareClipboardFuzz::fuzz()
{
    const quint32 seed = zkFuzzInput::seed();
    zkFuzzInput input(seed, m_valid);
    const int objects = zkdObjectManager::objectCount();
    const int steps = zkUndoStack::instance()->count();
    int decoded = 0;
    for (int i = 0; i < 100000; ++i) {
        const QByteArray bytes = input.next();
        zkLensFlareElementClipboard::Payload payload;
        if (!zkLensFlareElementClipboard::decode(bytes, &payload))
            continue;
        ++decoded;
        for (const zkLensFlareElementClipboard::Element &element : qAsConst(payload.elements)) {
            if (!zkdObjectManager::classInfo(element.className)
                || (!element.ghosts.isEmpty() && element.className != "zkdLensFlareGhostLine"))
                QFAIL(qPrintable(QStringLiteral("accepted ") + input.describe(i, bytes)));
        }
    }
    if (zkdObjectManager::objectCount() != objects || zkUndoStack::instance()->count() != steps)
        QFAIL(qPrintable(QStringLiteral("seed %1: decoding changed the kernel").arg(seed)));
    // Mutations that keep a payload well formed (a flipped value bit) are expected to decode.
    QVERIFY2(decoded > 0, qPrintable(QStringLiteral("seed %1").arg(seed)));
}

QTEST_MAIN(tst_zkLensFlareClipboardFuzz)
#include "tst_zkLensFlareClipboardFuzz.moc"
