#pragma once
// The program's own cipher for short texts kept in the settings (Credentials group): a 64-bit
// key, optional compression, an integrity value, one random leading byte and a XOR chain.

#include <QByteArray>
#include <QString>

// Keys of the values that are stored enciphered.
constexpr quint64 devBuildCipherKey = 0x3d7e1b95c0a46f28ULL; // Credentials/DevBuild
constexpr quint64 credentialsCipherKey = 0x4f91c7e23a5d086bULL; // Credentials/Login, Password

class StringCipher
{
public:
    enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
    enum IntegrityMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
    enum CipherError {
        ErrorNoError = 0,
        ErrorNoKeySet = 1,
        ErrorUnknownVersion = 2,
        ErrorIntegrityFailed = 3
    };

    StringCipher() = default;
    explicit StringCipher(quint64 key);

    void setKey(quint64 key);
    void setCompressionMode(CompressionMode mode) { compressionMode = mode; }
    void setIntegrityMode(IntegrityMode mode) { integrityMode = mode; }
    int lastErrorCode() const { return lastError; }

    void splitKey();
    // The leading random byte comes from the run-time generator.
    QByteArray encryptToByteArray(const QByteArray &plain);
    // The same with a chosen leading byte (reproducible cipher texts).
    QByteArray encryptToByteArray(const QByteArray &plain, quint8 leadByte);
    QByteArray decryptToByteArray(const QByteArray &cipher);

private:
    quint64 key = 0;
    QByteArray keyBytes;
    int compressionMode = CompressionAuto;
    int integrityMode = ProtectionChecksum;
    int lastError = ErrorNoError;
};

// Base64 (Latin-1) of the cipher text of the text's UTF-8 bytes.
QString encryptString(quint64 key, const QString &plain);
// The deciphered text, or the empty text on any failure (wrong key, damaged or foreign input).
QString decryptString(quint64 key, const QString &cipherBase64);
