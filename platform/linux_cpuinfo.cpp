#include "linux_cpuinfo.h"

#include "linux_bytes.h"

#include <limits>

namespace plat::cpuinfo {

namespace {

Fields fields(const QByteArray &block)
{
    Fields out;
    for (const QByteArray &line : block.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            out.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    return out;
}

// The logical CPU number of a block: "processor" on most architectures, "cpu number" on s390x.
std::optional<int> cpuNumber(const Fields &f)
{
    for (const char *key : { "processor", "cpu number" }) {
        bool ok = false;
        const int n = f.value(key).toInt(&ok);
        if (ok && n >= 0)
            return n;
    }
    return std::nullopt;
}

// A kernel CPU list ("0-3,6"); empty when the text is not one.
QVector<int> cpuList(const QByteArray &text)
{
    QVector<int> out;
    for (const QByteArray &range : text.trimmed().split(',')) {
        const QList<QByteArray> ends = range.split('-');
        bool okFirst = false, okLast = true;
        const int first = ends.value(0).toInt(&okFirst);
        const int last = ends.size() > 1 ? ends.at(1).toInt(&okLast) : first;
        // A damaged list must not make millions of CPUs.
        if (!okFirst || !okLast || first < 0 || last < first || last - first > 8192)
            return {};
        for (int cpu = first; cpu <= last; ++cpu)
            out.append(cpu);
    }
    return out;
}

QString armImplementer(int code)
{
    static const QHash<int, QString> names
        = { { 0x41, QStringLiteral("ARM") },       { 0x42, QStringLiteral("Broadcom") },
            { 0x43, QStringLiteral("Cavium") },    { 0x46, QStringLiteral("Fujitsu") },
            { 0x48, QStringLiteral("HiSilicon") }, { 0x4e, QStringLiteral("NVIDIA") },
            { 0x50, QStringLiteral("APM") },       { 0x51, QStringLiteral("Qualcomm") },
            { 0x61, QStringLiteral("Apple") },     { 0x69, QStringLiteral("Intel") },
            { 0xc0, QStringLiteral("Ampere") } };
    return names.value(code);
}

// Core names of the implementer ARM's part numbers.
QString armPart(int implementer, int part)
{
    static const QHash<int, QString> arm = {
        { 0xb02, QStringLiteral("ARM11 MPCore") }, { 0xb36, QStringLiteral("ARM1136") },
        { 0xb56, QStringLiteral("ARM1156") },      { 0xb76, QStringLiteral("ARM1176") },
        { 0xc05, QStringLiteral("Cortex-A5") },    { 0xc07, QStringLiteral("Cortex-A7") },
        { 0xc08, QStringLiteral("Cortex-A8") },    { 0xc09, QStringLiteral("Cortex-A9") },
        { 0xc0d, QStringLiteral("Cortex-A17") },   { 0xc0e, QStringLiteral("Cortex-A17") },
        { 0xc0f, QStringLiteral("Cortex-A15") },   { 0xd01, QStringLiteral("Cortex-A32") },
        { 0xd03, QStringLiteral("Cortex-A53") },   { 0xd04, QStringLiteral("Cortex-A35") },
        { 0xd05, QStringLiteral("Cortex-A55") },   { 0xd07, QStringLiteral("Cortex-A57") },
        { 0xd08, QStringLiteral("Cortex-A72") },   { 0xd09, QStringLiteral("Cortex-A73") },
        { 0xd0a, QStringLiteral("Cortex-A75") },   { 0xd0b, QStringLiteral("Cortex-A76") },
        { 0xd0c, QStringLiteral("Neoverse-N1") },  { 0xd0d, QStringLiteral("Cortex-A77") },
        { 0xd40, QStringLiteral("Neoverse-V1") },  { 0xd41, QStringLiteral("Cortex-A78") },
        { 0xd44, QStringLiteral("Cortex-X1") },    { 0xd46, QStringLiteral("Cortex-A510") },
        { 0xd47, QStringLiteral("Cortex-A710") },  { 0xd48, QStringLiteral("Cortex-X2") },
        { 0xd49, QStringLiteral("Neoverse-N2") },  { 0xd4f, QStringLiteral("Neoverse-V2") },
        { 0xd80, QStringLiteral("Cortex-A520") },  { 0xd81, QStringLiteral("Cortex-A720") },
    };
    return implementer == 0x41 ? arm.value(part) : QString();
}

std::optional<int> intField(const QByteArray &text, int base = 10)
{
    QByteArray t = text.trimmed();
    if (base == 16 && (t.startsWith("0x") || t.startsWith("0X")))
        t = t.mid(2);
    bool ok = false;
    const int v = t.toInt(&ok, base);
    return ok && v >= 0 ? std::optional<int>(v) : std::nullopt;
}

void identifyX86(const Package &p, std::optional<bool> is64, Identity *id)
{
    id->name = QString::fromUtf8(p.value("model name"));
    const QByteArray vendor = p.value("vendor_id");
    id->manufacturer = QString::fromUtf8(vendor);
    id->longMode = p.value("flags").split(' ').contains("lm");
    const auto family = intField(p.value("cpu family"));
    const auto model = intField(p.value("model"));
    const auto stepping = intField(p.value("stepping"));
    id->level = family;
    const bool wide = is64.value_or(*id->longMode);
    if (family && model && stepping) {
        const QString prefix = !wide   ? QStringLiteral("x86")
            : vendor == "GenuineIntel" ? QStringLiteral("Intel64")
                                       : QStringLiteral("AMD64");
        id->description = QStringLiteral("%1 Family %2 Model %3 Stepping %4")
                              .arg(prefix)
                              .arg(*family)
                              .arg(*model)
                              .arg(*stepping);
        // Model and stepping are byte fields; anything larger is a damaged cpuinfo.
        if (*model <= 0xFF && *stepping <= 0xFF)
            id->revision = (*model << 8) | *stepping;
    }
}

void identifyArm(const Package &p, std::optional<bool> is64, Identity *id)
{
    const auto implementer = intField(p.value("CPU implementer"), 16);
    const auto part = intField(p.value("CPU part"), 16);
    const auto variant = intField(p.value("CPU variant"), 16);
    const auto revision = intField(p.value("CPU revision"));
    // Early arm64 kernels wrote "AArch64" where later ones write 8.
    std::optional<int> architecture = intField(p.value("CPU architecture"));
    if (!architecture && p.value("CPU architecture") == "AArch64")
        architecture = 8;
    id->manufacturer = implementer ? armImplementer(*implementer) : QString();
    // 32-bit kernels name the core ("model name", before 3.8 a global "Processor"); arm64
    // names only its codes.
    id->name = QString::fromUtf8(p.value("model name"));
    if (id->name.isEmpty())
        id->name = QString::fromUtf8(p.value("Processor"));
    if (id->name.isEmpty() && implementer && part) {
        const QString core = armPart(*implementer, *part);
        if (!core.isEmpty() && !id->manufacturer.isEmpty())
            id->name = id->manufacturer + QLatin1Char(' ') + core;
    }
    id->level = architecture;
    if (architecture && part && revision) {
        id->description = QStringLiteral("ARMv%1%2 Family %1 Model %3 Revision %4")
                              .arg(*architecture)
                              .arg(is64.value_or(false) ? QStringLiteral(" (64-bit)") : QString())
                              .arg(QString::number(*part, 16).toUpper())
                              .arg(*revision);
        if (variant && *variant <= 0xFF && *revision <= 0xFF)
            id->revision = (*variant << 8) | *revision;
    }
}

} // namespace

std::optional<qint64> mhz(const QByteArray &text)
{
    QByteArray t = text.trimmed();
    if (t.endsWith("MHz"))
        t.chop(3);
    bool ok = false;
    const double v = t.toDouble(&ok);
    // Out of range (or inf/nan) it is no clock speed, and would not convert.
    return ok && v > 0 && v < 1e9 ? std::optional<qint64>(qRound64(v)) : std::nullopt;
}

QMap<int, Package> packages(const SysRoot &root)
{
    QMap<int, Package> out;
    QByteArray info = root.read(QStringLiteral("/proc/cpuinfo"));
    info.replace("\r", "");
    Fields global;
    QVector<Fields> blocks;
    // Blocks are separated by blank lines; those without a CPU number are global lines.
    for (const QByteArray &block : info.replace("\n\n", "\f").split('\f')) {
        const Fields f = fields(block);
        if (cpuNumber(f)) {
            blocks.append(f);
        } else {
            for (auto it = f.cbegin(); it != f.cend(); ++it)
                global.insert(it.key(), it.value());
        }
    }
    for (const Fields &f : qAsConst(blocks)) {
        const QByteArray pkgId = f.value("physical id", f.value("package", "0"));
        Package &p = out[pkgId.toInt()];
        if (p.cpus.isEmpty()) {
            p.first = f;
            p.global = global;
        }
        p.cpus.append(*cpuNumber(f));
        const QByteArray core = f.value("core id", f.value("core"));
        if (!core.isEmpty())
            p.coreIds.insert(core);
    }
    if (out.isEmpty()) {
        Package p;
        p.first = global;
        p.cpus = cpuList(root.read(QStringLiteral("/sys/devices/system/cpu/online"), 4096));
        if (p.cpus.isEmpty()) {
            const int stated = global.value("# processors").toInt();
            for (int cpu = 0; cpu < qBound(1, stated, 8192); ++cpu)
                p.cpus.append(cpu);
        }
        out.insert(0, p);
    }
    return out;
}

Identity identify(const Package &p, std::optional<bool> is64)
{
    Identity id;
    const QByteArray vendor = p.value("vendor_id");
    if (vendor.startsWith("IBM/S390")) {
        // s390x: the vendor and the machine type ("8561") stand for the model.
        id.manufacturer = QString::fromUtf8(vendor);
        QByteArray machine = p.value("machine");
        if (machine.isEmpty()) {
            const QByteArray line = p.global.value("processor 0");
            const int at = line.indexOf("machine = ");
            if (at >= 0)
                machine = line.mid(at + 10).split(',').value(0).trimmed();
        }
        if (!machine.isEmpty())
            id.name = QString::fromUtf8(vendor + ' ' + machine);
        id.currentMhz = mhz(p.value("cpu MHz dynamic"));
        id.ratedMhz = mhz(p.value("cpu MHz static"));
    } else if (!vendor.isEmpty()) {
        identifyX86(p, is64, &id);
        id.currentMhz = mhz(p.value("cpu MHz"));
    } else if (p.first.contains("CPU implementer") || p.global.contains("CPU implementer")) {
        identifyArm(p, is64, &id);
    } else if (!p.value("cpu model").isEmpty()) { // MIPS
        id.name = QString::fromUtf8(p.value("cpu model"));
    } else if (!p.value("Model Name").isEmpty()) { // LoongArch
        id.name = QString::fromUtf8(p.value("Model Name"));
        id.currentMhz = mhz(p.value("CPU MHz"));
    } else if (!p.value("isa").isEmpty()) { // RISC-V: the core ("sifive,u74-mc") and its ISA
        id.name = QString::fromUtf8(p.value("uarch"));
        id.description = QString::fromUtf8(p.value("isa"));
    } else if (!p.value("cpu").isEmpty()) { // PowerPC
        id.name = QString::fromUtf8(p.value("cpu"));
        id.currentMhz = mhz(p.value("clock"));
    } else {
        id.name = QString::fromUtf8(p.value("model name"));
    }
    return id;
}

std::optional<qint64> cacheKb(const Package &p, int level)
{
    std::optional<qint64> total;
    const qint64 cores = qMax<qint64>(1, p.coreIds.isEmpty() ? p.cpus.size() : p.coreIds.size());
    for (auto it = p.global.cbegin(); it != p.global.cend(); ++it) {
        // "cache2 : level=2 type=Data scope=Private size=32768K line_size=256 associativity=8"
        if (!it.key().startsWith("cache") || !it.value().startsWith("level="))
            continue;
        QHash<QByteArray, QByteArray> attrs;
        for (const QByteArray &pair : it.value().simplified().split(' ')) {
            const int eq = pair.indexOf('=');
            if (eq > 0)
                attrs.insert(pair.left(eq), pair.mid(eq + 1));
        }
        QByteArray size = attrs.value("size");
        if (attrs.value("level").toInt() != level || !size.endsWith('K'))
            continue;
        size.chop(1);
        bool ok = false;
        const qint64 kb = size.toLongLong(&ok);
        if (!ok || kb <= 0 || kb > std::numeric_limits<qint32>::max())
            continue;
        const qint64 copies = attrs.value("scope") == "Private" ? cores : 1;
        total = qMin<qint64>(total.value_or(0) + kb * copies, std::numeric_limits<qint32>::max());
    }
    return total;
}

} // namespace plat::cpuinfo
