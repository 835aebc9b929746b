// Win32_Keyboard: input devices that report key and auto-repeat events and have letter keys
// (so power buttons, media remotes and mice with extra buttons are left out).

#include "linux_bytes.h"
#include "linuxsources.h"

#include <algorithm>

namespace plat::sources {
namespace {

using namespace wmi;

// A sysfs capability bitmap: hexadecimal words, most significant first, each one "long" wide.
bool testBit(const QByteArray &bitmap, int bit)
{
    const QList<QByteArray> words = bitmap.simplified().split(' ');
    const int bitsPerWord = int(sizeof(long) * 8);
    const int index = words.size() - 1 - bit / bitsPerWord;
    if (index < 0 || index >= words.size())
        return false;
    bool ok = false;
    const quint64 word = words.at(index).toULongLong(&ok, 16);
    return ok && (word >> (bit % bitsPerWord)) & 1;
}

bool isKeyboard(const SysRoot &root, const QString &dir)
{
    const QByteArray ev = root.read(dir + QStringLiteral("/capabilities/ev"), 256);
    constexpr int EvKey = 1, EvRep = 20;
    if (!testBit(ev, EvKey) || !testBit(ev, EvRep))
        return false;
    const QByteArray keys = root.read(dir + QStringLiteral("/capabilities/key"), 4096);
    // KEY_Q (16), KEY_A (30) and KEY_Z (44): a typing keyboard has all of them.
    return testBit(keys, 16) && testBit(keys, 30) && testBit(keys, 44);
}

QString layout(const SysRoot &root)
{
    return QString::fromUtf8(bytes::unquote(bytes::lineValue(
        root.read(QStringLiteral("/etc/default/keyboard"), 65536), "XKBLAYOUT", '=')));
}

} // namespace

QVector<Object> keyboards(const SysRoot &root)
{
    QVector<Object> out;
    QStringList inputs;
    for (const QString &entry : root.list(QStringLiteral("/sys/class/input"))) {
        if (entry.startsWith(QLatin1String("input")))
            inputs.append(entry);
    }
    std::sort(inputs.begin(), inputs.end(), [](const QString &a, const QString &b) {
        return a.mid(5).toInt() < b.mid(5).toInt();
    });
    const QString layoutText = layout(root);

    for (const QString &entry : qAsConst(inputs)) {
        const QString dir = QStringLiteral("/sys/class/input/") + entry;
        if (!isKeyboard(root, dir))
            continue;
        const QString name = root.readLine(dir + QStringLiteral("/name"));
        const int bus = bytes::hexId(root.read(dir + QStringLiteral("/id/bustype"), 64));
        QString deviceId;
        if (bus == 0x03) {
            deviceId = QStringLiteral("USB\\VID_%1&PID_%2")
                           .arg(bytes::hexId(root.read(dir + QStringLiteral("/id/vendor"), 64)), 4,
                                16, QLatin1Char('0'))
                           .arg(bytes::hexId(root.read(dir + QStringLiteral("/id/product"), 64)), 4,
                                16, QLatin1Char('0'))
                           .toUpper();
        } else if (bus == 0x11) {
            deviceId = QStringLiteral("ACPI\\PNP0303"); // the i8042 keyboard controller
        } else {
            deviceId = root.readLine(dir + QStringLiteral("/phys"));
        }

        Object obj;
        obj.insert(QStringLiteral("Caption"), name.isEmpty() ? null() : bstr(name));
        obj.insert(QStringLiteral("Description"), name.isEmpty() ? null() : bstr(name));
        obj.insert(QStringLiteral("Status"), bstr(QStringLiteral("OK")));
        obj.insert(QStringLiteral("DeviceID"), deviceId.isEmpty() ? null() : bstr(deviceId));
        obj.insert(QStringLiteral("Layout"), layoutText.isEmpty() ? null() : bstr(layoutText));
        out.append(obj);
    }
    return out;
}

} // namespace plat::sources
