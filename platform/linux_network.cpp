// Win32_NetworkAdapterConfiguration: one object per /sys/class/net interface except "lo".
// DHCP facts come from the lease files the DHCP clients keep (systemd-networkd, NetworkManager's
// internal client, dhclient) and from ifupdown's configuration; no daemon is asked.

#include "linux_busdevice.h"
#include "linux_bytes.h"
#include "linuxsources.h"

#include <QSet>

#include <cstring>
#include <ifaddrs.h>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plat::sources {
namespace {

using namespace wmi;

struct Dhcp
{
    bool enabled = false;
    QString server;
};

// "key=value" lease files of systemd-networkd and of NetworkManager's internal client.
bool readKeyValueLease(const QByteArray &lease, Dhcp *dhcp)
{
    if (lease.isEmpty())
        return false;
    dhcp->enabled = true;
    dhcp->server = QString::fromLatin1(bytes::lineValue(lease, "SERVER_ADDRESS", '='));
    return true;
}

// dhclient lease blocks; the last block of the interface is the current one.
bool readDhclientLease(const QByteArray &data, const QByteArray &ifname, Dhcp *dhcp)
{
    bool found = false;
    int pos = 0;
    while ((pos = data.indexOf("lease {", pos)) >= 0) {
        int end = data.indexOf('}', pos);
        if (end < 0)
            end = data.size();
        const QByteArray block = data.mid(pos, end - pos);
        pos = end;
        if (!block.contains("interface \"" + ifname + "\";"))
            continue;
        found = true;
        const int at = block.indexOf("option dhcp-server-identifier ");
        if (at >= 0) {
            const int from = at + int(qstrlen("option dhcp-server-identifier "));
            const int semi = block.indexOf(';', from);
            dhcp->server = QString::fromLatin1(block.mid(from, semi - from).trimmed());
        }
    }
    if (found)
        dhcp->enabled = true;
    return found;
}

Dhcp dhcpOf(const SysRoot &root, const QString &ifname, int ifindex)
{
    Dhcp dhcp;
    if (readKeyValueLease(root.read(QStringLiteral("/run/systemd/netif/leases/%1").arg(ifindex)),
                          &dhcp))
        return dhcp;
    const QString nm = QStringLiteral("/var/lib/NetworkManager");
    for (const QString &entry : root.list(nm)) {
        if (!entry.endsWith(QLatin1Char('-') + ifname + QStringLiteral(".lease")))
            continue;
        const QByteArray data = root.read(nm + QLatin1Char('/') + entry);
        if (entry.startsWith(QLatin1String("internal-"))
                ? readKeyValueLease(data, &dhcp)
                : readDhclientLease(data, ifname.toUtf8(), &dhcp))
            return dhcp;
    }
    const QString dhclient = QStringLiteral("/var/lib/dhcp");
    for (const QString &entry : root.list(dhclient)) {
        if (entry.startsWith(QLatin1String("dhclient")) && entry.endsWith(QLatin1String(".leases"))
            && readDhclientLease(root.read(dhclient + QLatin1Char('/') + entry), ifname.toUtf8(),
                                 &dhcp))
            return dhcp;
    }
    // ifupdown: "iface eth0 inet dhcp" configures DHCP even before a lease arrives.
    const QByteArray interfaces = root.read(QStringLiteral("/etc/network/interfaces"));
    for (const QByteArray &line : interfaces.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 4 && words.at(0) == "iface" && words.at(1) == ifname.toUtf8()
            && words.at(3) == "dhcp")
            dhcp.enabled = true;
    }
    return dhcp;
}

// Interfaces that hold an address. The live machine asks the kernel; fixture trees give the
// IPv6 table and the DHCP leases.
QSet<QString> addressedInterfaces(const SysRoot &root)
{
    QSet<QString> names;
    if (root.isLive()) {
        ifaddrs *list = nullptr;
        if (::getifaddrs(&list) == 0) {
            for (ifaddrs *a = list; a; a = a->ifa_next) {
                if (a->ifa_addr
                    && (a->ifa_addr->sa_family == AF_INET || a->ifa_addr->sa_family == AF_INET6))
                    names.insert(QString::fromUtf8(a->ifa_name));
            }
            ::freeifaddrs(list);
        }
        return names;
    }
    // /proc/net/if_inet6: "address ifindex prefix scope flags name".
    for (const QByteArray &line : root.read(QStringLiteral("/proc/net/if_inet6")).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 6)
            names.insert(QString::fromUtf8(fields.at(5)));
    }
    return names;
}

// The driver the kernel names for an interface (ETHTOOL_GDRVINFO needs no privileges); empty
// when it does not answer.
QString ethtoolDriver(const QString &interface)
{
    const QByteArray name = interface.toUtf8();
    if (name.size() >= IFNAMSIZ)
        return QString();
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return QString();
    ethtool_drvinfo info = {};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request = {};
    std::memcpy(request.ifr_name, name.constData(), size_t(name.size()));
    request.ifr_data = reinterpret_cast<char *>(&info);
    const bool ok = ::ioctl(fd, SIOCETHTOOL, &request) == 0;
    ::close(fd);
    return ok ? QString::fromUtf8(info.driver, int(qstrnlen(info.driver, sizeof info.driver)))
              : QString();
}

// The driver bound to an interface: the device's driver link, else its uevent, else (live) the
// kernel's answer to the ethtool query, which also names the drivers of virtual interfaces.
QString interfaceDriver(const SysRoot &root, const QString &dir, const QString &name)
{
    const QString device = dir + QStringLiteral("/device");
    QString driver = boundDriver(root, device);
    if (driver.isEmpty())
        driver = QString::fromUtf8(
            bytes::lineValue(root.read(device + QStringLiteral("/uevent"), 16384), "DRIVER", '='));
    if (driver.isEmpty() && root.isLive())
        driver = ethtoolDriver(name);
    return driver;
}

VARIANT textOrNull(const QString &s)
{
    return s.isEmpty() ? null() : bstr(s);
}

} // namespace

QVector<Object> networkAdapters(const SysRoot &root)
{
    QVector<Object> out;
    const QSet<QString> addressed = addressedInterfaces(root);
    const QString host = root.readLine(QStringLiteral("/proc/sys/kernel/hostname"));

    for (const QString &name : root.list(QStringLiteral("/sys/class/net"))) {
        const QString dir = QStringLiteral("/sys/class/net/") + name;
        if (name == QLatin1String("lo") || !root.isDir(dir))
            continue;
        bool ok = false;
        const int ifindex
            = int(bytes::toInt64(root.read(dir + QStringLiteral("/ifindex"), 64), &ok));
        const bool hasDevice = root.exists(dir + QStringLiteral("/device"));
        const BusDevice dev
            = hasDevice ? findBusDevice(root, dir + QStringLiteral("/device")) : BusDevice();
        QString description = dev.modelName(root);
        if (description.isEmpty())
            description = name; // virtual interfaces have no hardware name
        const Dhcp dhcp = dhcpOf(root, name, ifindex);

        Object obj;
        obj.insert(
            QStringLiteral("Caption"),
            bstr(QStringLiteral("[%1] %2").arg(ifindex, 8, 10, QLatin1Char('0')).arg(description)));
        obj.insert(QStringLiteral("Description"), bstr(description));
        obj.insert(QStringLiteral("DHCPEnabled"), boolean(dhcp.enabled));
        // The bound driver stands for the adapter's service; a virtual interface names its kind.
        QString service = interfaceDriver(root, dir, name);
        if (service.isEmpty())
            service = QString::fromUtf8(
                bytes::lineValue(root.read(dir + QStringLiteral("/uevent")), "DEVTYPE", '='));
        obj.insert(QStringLiteral("ServiceName"), textOrNull(service));
        obj.insert(QStringLiteral("IPEnabled"), boolean(addressed.contains(name)));
        // Linux has no adapter GUID; the interface name is its identity.
        obj.insert(QStringLiteral("SettingID"), bstr(name));
        obj.insert(QStringLiteral("InterfaceIndex"), ok ? i4(ifindex) : null());
        obj.insert(QStringLiteral("DHCPServer"), textOrNull(dhcp.server));
        obj.insert(QStringLiteral("MACAddress"),
                   textOrNull(root.readLine(dir + QStringLiteral("/address")).toUpper()));
        obj.insert(QStringLiteral("DNSHostName"), textOrNull(host));
        // A Windows TCP setting with no counterpart here.
        obj.insert(QStringLiteral("TcpNumConnections"), null());
        // hosts, networks and services live in /etc.
        obj.insert(QStringLiteral("DatabasePath"), bstr(QStringLiteral("/etc")));
        out.append(obj);
    }
    return out;
}

} // namespace plat::sources
