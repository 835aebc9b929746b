#include "app/cipher.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QtDebug>

#include <random>

#include <zlib.h>

namespace {

constexpr char cipherVersion = 3;
constexpr quint8 flagCompressed = 0x01;
constexpr quint8 flagChecksum = 0x02;
constexpr quint8 flagHash = 0x04;
// The cipher serves short settings texts; nothing legitimate comes near this.
constexpr quint32 maxPlainSize = 1u << 20;

// Seeded per call from the low 16 bits of the clock, so two calls in the same tick give the
// same cipher text; a generator of its own keeps the function safe on any thread.
quint8 leadingRandomByte()
{
    const auto seed = static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch() & 0xFFFF);
    std::minstd_rand generator(seed);
    return static_cast<quint8>(generator() & 0xFF);
}

// qCompress data (a big-endian size, then a zlib stream) inflated to at most `limit` bytes.
// The declared size is only a hint: the stream itself is stopped at the limit, so a forged
// or damaged text can never take more memory than that. Null when the data is damaged or
// would exceed the limit.
QByteArray boundedUncompress(const QByteArray &data, quint32 limit)
{
    if (data.size() < 4)
        return QByteArray();
    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData() + 4));
    stream.avail_in = uInt(data.size() - 4);
    QByteArray out;
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = qint64(sizeof chunk) - stream.avail_out;
        if ((status != Z_OK && status != Z_STREAM_END) || out.size() + produced > qint64(limit)) {
            status = Z_DATA_ERROR;
            break;
        }
        out.append(chunk, int(produced));
        if (status == Z_OK && produced == 0 && stream.avail_in == 0)
            status = Z_DATA_ERROR; // the stream ends before its end marker
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

} // namespace

StringCipher::StringCipher(quint64 k)
    : key(k)
{
    splitKey();
}

void StringCipher::setKey(quint64 k)
{
    key = k;
    splitKey();
}

void StringCipher::splitKey()
{
    keyBytes.clear();
    keyBytes.reserve(8);
    for (int i = 0; i < 8; ++i)
        keyBytes.append(static_cast<char>((key >> (8 * i)) & 0xFF));
}

QByteArray StringCipher::encryptToByteArray(const QByteArray &plain)
{
    return encryptToByteArray(plain, leadingRandomByte());
}

QByteArray StringCipher::encryptToByteArray(const QByteArray &plain, quint8 leadByte)
{
    if (keyBytes.isEmpty()) {
        qWarning() << "No key set.";
        lastError = ErrorNoKeySet;
        return QByteArray();
    }

    QByteArray payload = plain;
    quint8 flags = 0;
    if (compressionMode == CompressionAlways) {
        payload = qCompress(payload, 9);
        flags |= flagCompressed;
    } else if (compressionMode == CompressionAuto) {
        const QByteArray compressed = qCompress(payload, 9);
        if (compressed.size() < payload.size()) {
            payload = compressed;
            flags |= flagCompressed;
        }
    }

    QByteArray integrity;
    if (integrityMode == ProtectionChecksum) {
        flags |= flagChecksum;
        const quint16 sum = qChecksum(payload.constData(), uint(payload.size()));
        QDataStream stream(&integrity, QIODevice::WriteOnly);
        stream << sum; // big-endian
    } else if (integrityMode == ProtectionHash) {
        flags |= flagHash;
        integrity = QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
    }

    QByteArray body;
    body.reserve(1 + integrity.size() + payload.size());
    body.append(static_cast<char>(leadByte));
    body.append(integrity);
    body.append(payload);

    char previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>(body.at(i) ^ keyBytes.at(i % 8) ^ previous);
        previous = body.at(i);
    }

    QByteArray result;
    result.reserve(2 + body.size());
    result.append(cipherVersion);
    result.append(static_cast<char>(flags));
    result.append(body);
    lastError = ErrorNoError;
    return result;
}

QByteArray StringCipher::decryptToByteArray(const QByteArray &cipher)
{
    if (keyBytes.isEmpty()) {
        qWarning() << "No key set.";
        lastError = ErrorNoKeySet;
        return QByteArray();
    }
    if (cipher.size() < 3)
        return QByteArray();
    if (cipher.at(0) != cipherVersion) {
        lastError = ErrorUnknownVersion;
        qWarning() << "Invalid version or not a cyphertext.";
        return QByteArray();
    }

    const auto flags = static_cast<quint8>(cipher.at(1));
    QByteArray body = cipher.mid(2);
    char previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        const char c = body.at(i);
        body[i] = static_cast<char>(c ^ previous ^ keyBytes.at(i % 8));
        previous = c;
    }
    body.remove(0, 1); // the random byte

    bool integrityOk = true;
    if (flags & flagChecksum) {
        if (body.size() < 2) {
            integrityOk = false;
        } else {
            const quint16 stored = quint16((quint8(body.at(0)) << 8) | quint8(body.at(1)));
            body.remove(0, 2);
            integrityOk = qChecksum(body.constData(), uint(body.size())) == stored;
        }
    } else if (flags & flagHash) {
        if (body.size() < 20) {
            integrityOk = false;
        } else {
            const QByteArray stored = body.left(20);
            body.remove(0, 20);
            integrityOk = QCryptographicHash::hash(body, QCryptographicHash::Sha1) == stored;
        }
    }
    if (!integrityOk) {
        lastError = ErrorIntegrityFailed;
        return QByteArray();
    }

    if (flags & flagCompressed) {
        // The size header of a damaged or forged text could ask for gigabytes up front.
        const quint32 declared = body.size() >= 4
            ? (quint32(quint8(body.at(0))) << 24) | (quint32(quint8(body.at(1))) << 16)
                | (quint32(quint8(body.at(2))) << 8) | quint32(quint8(body.at(3)))
            : 0;
        if (declared > maxPlainSize)
            return QByteArray();
        body = boundedUncompress(body, maxPlainSize);
    }
    lastError = ErrorNoError;
    return body;
}

QString encryptString(quint64 key, const QString &plain)
{
    StringCipher cipher(key);
    cipher.setCompressionMode(StringCipher::CompressionAuto);
    cipher.setIntegrityMode(StringCipher::ProtectionChecksum);
    return QString::fromLatin1(cipher.encryptToByteArray(plain.toUtf8()).toBase64());
}

QString decryptString(quint64 key, const QString &cipherBase64)
{
    StringCipher cipher(key);
    cipher.setCompressionMode(StringCipher::CompressionAuto);
    cipher.setIntegrityMode(StringCipher::ProtectionChecksum);
    const QByteArray plain
        = cipher.decryptToByteArray(QByteArray::fromBase64(cipherBase64.toLatin1()));
    return QString::fromUtf8(plain);
}
