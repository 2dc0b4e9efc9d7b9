#include "zkFuzzInput.h"

#include <QtEndian>
#include <QtGlobal>

#include <array>

namespace {

// Counts and lengths that decoders must not trust: empty, off by one, huge, negative.
constexpr std::array<quint64, 11> forgedValues = {0,          1,          2,          0x7f,
                                                  0xffff,     0x10000000, 0x3fffffff, 0x7fffffff,
                                                  0x80000000, 0xfffffffe, 0xffffffff};

} // namespace

quint32 zkFuzzInput::seed()
{
    bool set = false;
    const quint32 fromEnvironment = qEnvironmentVariable("ZK_FUZZ_SEED").toUInt(&set);
    const quint32 used = set ? fromEnvironment : 20240611u;
    qInfo("seed %u (set ZK_FUZZ_SEED to use another)", used);
    return used;
}

zkFuzzInput::zkFuzzInput(quint32 seed, const QVector<QByteArray> &valid)
    : m_seed(seed)
    , m_random(seed)
    , m_valid(valid)
{
    Q_ASSERT(!m_valid.isEmpty());
}

QByteArray zkFuzzInput::next()
{
    return m_random.bounded(4) == 0 ? noise() : mutated(anyValid());
}

QByteArray zkFuzzInput::noise()
{
    QByteArray bytes(int(m_random.bounded(200)), Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(m_random.bounded(256));
    if (m_random.bounded(2))
        bytes.prepend(anyValid().left(int(m_random.bounded(32))));
    return bytes;
}

QByteArray zkFuzzInput::mutated(QByteArray bytes)
{
    const int edits = 1 + int(m_random.bounded(4));
    for (int e = 0; e < edits; ++e) {
        const int at = int(m_random.bounded(bytes.size() + 1));
        switch (m_random.bounded(7)) {
        case 0:
            if (at < bytes.size())
                bytes[at] = char(bytes.at(at) ^ (1 << m_random.bounded(8)));
            break;
        case 1:
            bytes.remove(at, int(m_random.bounded(8)));
            break;
        case 2:
            bytes.insert(at, char(m_random.bounded(256)));
            break;
        case 3:
            bytes.truncate(at);
            break;
        case 4:
            bytes.insert(at, bytes.mid(int(m_random.bounded(bytes.size() + 1)), int(m_random.bounded(16))));
            break;
        case 5: {
            const QByteArray &other = anyValid();
            bytes.insert(at, other.mid(int(m_random.bounded(other.size() + 1)), int(m_random.bounded(32))));
            break;
        }
        default:
            forge(bytes, at);
            break;
        }
    }
    return bytes;
}

QString zkFuzzInput::describe(int input, const QByteArray &bytes) const
{
    return QStringLiteral("seed %1, input %2: %3").arg(m_seed).arg(input).arg(QString::fromLatin1(bytes.toHex()));
}

const QByteArray &zkFuzzInput::anyValid()
{
    return m_valid.at(int(m_random.bounded(m_valid.size())));
}

// Writes a forged 32- or 64-bit big-endian value over the bytes at at, as QDataStream writes
// counts, lengths and ids.
void zkFuzzInput::forge(QByteArray &bytes, int at)
{
    const bool wide = m_random.bounded(4) == 0;
    const quint64 value = m_random.bounded(8) == 0 ? m_random.generate64()
                                                   : forgedValues.at(m_random.bounded(int(forgedValues.size())));
    char buffer[sizeof(quint64)];
    int size = int(sizeof(quint32));
    if (wide) {
        // Widened with its sign, so that 0xffffffff forges -1 here too.
        const bool negative32 = value >= 0x80000000u && value <= 0xffffffffu;
        qToBigEndian<quint64>(negative32 ? value | 0xffffffff00000000u : value, buffer);
        size = int(sizeof(quint64));
    } else {
        qToBigEndian<quint32>(quint32(value), buffer);
    }
    const int end = qMin(bytes.size(), at + size);
    bytes.replace(at, end - at, buffer, size);
}
