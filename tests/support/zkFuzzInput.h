#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

// Seeded inputs for the decoders' fuzz tests: random bytes, and valid payloads with a few
// damaging edits (flipped bits, cuts, insertions, splices of valid bytes, counts and lengths
// forged to huge or negative values), so that most inputs get past a decoder's first checks.
class zkFuzzInput
{
public:
    // ZK_FUZZ_SEED when set, else a fixed seed, printed with qInfo() so that a run can be
    // repeated.
    static quint32 seed();

    zkFuzzInput(quint32 seed, const QVector<QByteArray> &valid);

    // One input in four is noise(), the others are mutations of a valid payload.
    QByteArray next();
    // Random bytes, half of them after the start of a valid payload.
    QByteArray noise();
    // bytes after one to four random edits.
    QByteArray mutated(QByteArray bytes);

    // Reads count inputs with T's operator>>. A read that leaves the stream's status bad must
    // leave T(), one that succeeds a value sane() accepts; the first input that breaks this is
    // described in failure. Returns how many inputs were read without error.
    template <typename T, typename Sane>
    int readValues(int count, Sane sane, QString *failure);

    quint32 bounded(quint32 highest) { return m_random.bounded(highest); }
    // Where a failure happened, with the seed and the input in hex, for the failure message.
    QString describe(int input, const QByteArray &bytes) const;

private:
    const QByteArray &anyValid();
    void forge(QByteArray &bytes, int at);

    quint32 m_seed;
    QRandomGenerator m_random;
    QVector<QByteArray> m_valid;
};

template <typename T, typename Sane>
int zkFuzzInput::readValues(int count, Sane sane, QString *failure)
{
    int read = 0;
    for (int i = 0; i < count; ++i) {
        const QByteArray bytes = next();
        QDataStream stream(bytes);
        T value;
        stream >> value;
        const bool ok = stream.status() == QDataStream::Ok;
        if (ok ? !sane(value) : !(value == T())) {
            *failure = QString::fromLatin1(ok ? "insane value, " : "value left after an error, ") + describe(i, bytes);
            return read;
        }
        read += ok;
    }
    return read;
}
