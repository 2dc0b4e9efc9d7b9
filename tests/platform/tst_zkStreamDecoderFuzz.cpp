#include <QZKIntVector.h>
#include <QZKSpectrum.h>
#include <zkMaterialId.h>
#include <zkdNode.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>

#include <zkFuzzInput.h>

#include <QTest>

#include <algorithm>
#include <functional>

namespace {

// Runs the fuzz loop of one type; see zkFuzzInput::readValues().
using Reader = std::function<int(zkFuzzInput &, QString *)>;

template <typename T>
QByteArray bytesOf(const T &value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << value;
    return bytes;
}

template <typename T, typename Sane>
Reader reader(Sane sane)
{
    return [sane](zkFuzzInput &input, QString *failure) { return input.readValues<T>(100000, sane, failure); };
}

const auto anyValue = [](const auto &) { return true; };

} // namespace

Q_DECLARE_METATYPE(Reader)

// The stream operators of the kernel's and the product's value types, fed with damaged and
// forged bytes: they must not crash or allocate what the bytes do not hold, and must leave
// a default value whenever they set an error.
class tst_zkStreamDecoderFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void forgedCounts_data();
    void forgedCounts();
    void fuzz_data();
    void fuzz();

private:
    zkdNode m_node;
    zkdMaterial m_material;
};

void tst_zkStreamDecoderFuzz::initTestCase()
{
    m_node = zkdObjectManager::create<zkdNode>();
    m_material = zkdObjectManager::create<zkdPlasticMaterial>();
}

void tst_zkStreamDecoderFuzz::forgedCounts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("spectrum");

    const auto forged = [](const std::function<void(QDataStream &)> &write) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        write(stream);
        return bytes;
    };
    // Counts that Qt's container operator would reserve: gigabytes, or more than an int holds.
    for (const quint32 count : {0x10000000u, 0x3fffffffu, 0x7fffffffu, 0xffffffffu}) {
        QTest::addRow("material path of %x", count) << forged([&](QDataStream &out) {
            out << quint64(7) << count << qint32(1);
        }) << false;
        QTest::addRow("spectrum of %x", count) << forged([&](QDataStream &out) {
            out << QVector3D(1, 0, 0) << count << 0.5f;
        }) << true;
    }
}

void tst_zkStreamDecoderFuzz::forgedCounts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, spectrum);
    QDataStream stream(bytes);
    if (spectrum) {
        QZKSpectrum value(QVector3D(0, 1, 0));
        stream >> value;
        QCOMPARE(value, QZKSpectrum());
    } else {
        zkMaterialId value(m_node);
        stream >> value;
        QCOMPARE(value, zkMaterialId());
    }
    QCOMPARE(stream.status(), QDataStream::ReadPastEnd);
}

void tst_zkStreamDecoderFuzz::fuzz_data()
{
    QTest::addColumn<QByteArrayList>("valid");
    QTest::addColumn<Reader>("read");

    const zkMaterialId node(m_node);
    QTest::newRow("zkMaterialId")
            << QByteArrayList{bytesOf(zkMaterialId()), bytesOf(node), bytesOf(zkMaterialId(node, 2)),
                              bytesOf(zkMaterialId(zkMaterialId(zkMaterialId(node, 0), 3), 1))}
            << reader<zkMaterialId>([](const zkMaterialId &id) {
                   const QVector<int> &path = id.getSubMaterialPath();
                   return (!id.isNull() || path.isEmpty())
                           && std::none_of(path.cbegin(), path.cend(), [](int index) { return index < 0; });
               });
    QTest::newRow("zkdObject") << QByteArrayList{bytesOf(zkdObject()), bytesOf(m_node), bytesOf(m_material)}
                               << reader<zkdObject>([](const zkdObject &object) {
                                      return object.isNull() || zkdObjectManager::find(object.getObjectId()) == object;
                                  });
    QTest::newRow("QZKIntVector2D") << QByteArrayList{bytesOf(QZKIntVector2D(3, -4))}
                                    << reader<QZKIntVector2D>(anyValue);
    QTest::newRow("QZKIntVector3D") << QByteArrayList{bytesOf(QZKIntVector3D(1, 2, 3))}
                                    << reader<QZKIntVector3D>(anyValue);
    QTest::newRow("QZKIntVector4D") << QByteArrayList{bytesOf(QZKIntVector4D(-1, 0, 1, 2))}
                                    << reader<QZKIntVector4D>(anyValue);
    QTest::newRow("QZKSpectrum") << QByteArrayList{bytesOf(QZKSpectrum()),
                                                   bytesOf(QZKSpectrum(QVector3D(0.2f, 0.5f, 0.9f)))}
                                 << reader<QZKSpectrum>(anyValue);
}

void tst_zkStreamDecoderFuzz::fuzz()
{
    QFETCH(QByteArrayList, valid);
    QFETCH(Reader, read);
    const quint32 seed = zkFuzzInput::seed();
    zkFuzzInput input(seed, valid.toVector());
    const int objects = zkdObjectManager::objectCount();
    QString failure;
    const int decoded = read(input, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(zkdObjectManager::objectCount(), objects);
    // Mutations that leave a value whole, such as a flipped bit in a number, read without error.
    QVERIFY2(decoded > 0, qPrintable(QStringLiteral("seed %1").arg(seed)));
}

QTEST_GUILESS_MAIN(tst_zkStreamDecoderFuzz)

#include "tst_zkStreamDecoderFuzz.moc"
