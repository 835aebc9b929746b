// Plain-text and INI reports.

#include "mainwindow/reportwriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace {

const QLatin1String iniCharacters("'()*+,/");
// What would end, split or change a name for INI readers: the key's '=' (and ':' for Python's
// configparser), comment marks, section brackets and the escapes of QSettings.
const QLatin1String iniNameBreakers("=:;#[]%\\\"");

bool isControl(ushort c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Two hexadecimal digits: what a percent sign must not be followed by unescaped.
bool isxdigit(const QString &pair)
{
    return pair.size() == 2 && std::all_of(pair.begin(), pair.end(), [](QChar c) {
               return c.unicode() < 0x80 && std::isxdigit(c.unicode());
           });
}

QString creationDate(const ReportData &data)
{
    return reportCreationDate(data.languageIndex, data.systemLanguage, data.created);
}

// "%1: %2\n" per top-level item: the rows of the OS and Motherboard pages.
QString rowsText(const ReportTree &tree)
{
    QString text;
    for (const ReportItem &item : tree.items)
        text += QStringLiteral("%1: %2\n").arg(item.text(0), item.text(1));
    return text;
}

QString rowsIni(const ReportTree &tree)
{
    QString text;
    for (const ReportItem &item : tree.items)
        text += QStringLiteral("%1=%2\n").arg(cleanIniName(item.text(0)), iniValue(item.text(1)));
    return text;
}

} // namespace

QString cleanReportName(const QString &name, QLatin1String characters)
{
    QString cleaned = name;
    for (QChar &c : cleaned) {
        if (c.isSpace() || (c.unicode() < 0x80 && characters.contains(c)))
            c = QLatin1Char('_');
    }
    return cleaned;
}

QString cleanIniName(const QString &name)
{
    QString cleaned = cleanReportName(name, iniCharacters);
    for (QChar &c : cleaned) {
        if (isControl(c.unicode()) || (c.unicode() < 0x80 && iniNameBreakers.contains(c)))
            c = QLatin1Char('_');
    }
    return cleaned.isEmpty() ? QStringLiteral("_") : cleaned;
}

QString iniValue(const QString &value)
{
    QString written;
    written.reserve(value.size());
    const int last = value.size() - 1;
    for (int i = 0; i <= last; ++i) {
        const QChar c = value.at(i);
        const ushort u = c.unicode();
        const bool escaped = isControl(u) || u == ';' || u == ',' || u == '"' || u == '\\'
            || (u == '%' && isxdigit(value.mid(i + 1, 2))) || (i == 0 && u == '@')
            || ((i == 0 || i == last) && c.isSpace());
        if (!escaped) {
            written += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8())
            written += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return written;
}

QString hardwareTreeText(const ReportTree &tree)
{
    QString text;
    const bool named = tree.items.size() != 1;
    for (const ReportItem &item : tree.items) {
        if (!item.text(1).isEmpty()) {
            text += QStringLiteral("%1: %2\n").arg(item.text(0), item.text(1));
            continue;
        }
        if (named)
            text += item.text(0) + QLatin1Char('\n');
        for (const QStringList &child : item.children)
            text += QStringLiteral("%1: %2\n").arg(child.value(0), child.value(1));
        text += QLatin1Char('\n');
    }
    return text;
}

QString listTreeText(const ReportTree &tree)
{
    QString text;
    for (const QString &header : tree.headers)
        text += header + QLatin1Char(' ');
    text += QLatin1Char('\n');
    for (const ReportItem &item : tree.items) {
        for (int column = 0; column < tree.headers.size(); ++column)
            text += item.text(column) + QLatin1Char(' ');
        text += QLatin1Char('\n');
    }
    return text;
}

QString hardwareTreeIni(const ReportTree &tree)
{
    QString text;
    const bool named = tree.items.size() != 1;
    for (const ReportItem &item : tree.items) {
        if (!item.text(1).isEmpty()) {
            text += QStringLiteral("%1=%2\n").arg(cleanIniName(item.text(0)),
                                                  iniValue(item.text(1)));
            continue;
        }
        if (named)
            text += QStringLiteral("[%1]\n").arg(cleanIniName(item.text(0)));
        for (const QStringList &child : item.children)
            text += QStringLiteral("%1=%2\n").arg(cleanIniName(child.value(0)),
                                                  iniValue(child.value(1)));
        text += QLatin1Char('\n');
    }
    return text;
}

QString listTreeIni(const ReportTree &tree)
{
    QStringList keys;
    for (const QString &header : tree.headers)
        keys << cleanIniName(header);
    QString text;
    for (const ReportItem &item : tree.items) {
        for (int column = 0; column < keys.size(); ++column)
            text += QStringLiteral("%1=%2\n").arg(keys.at(column), iniValue(item.text(column)));
        text += QLatin1Char('\n');
    }
    return text;
}

QString saveReportAsText(const ReportData &data)
{
    using T = ReportData;
    const auto section = [&data](const char *format, const QString &title, T::Tree index) {
        const ReportTree &tree = data.tree(index);
        const bool list = index >= T::Services && index <= T::Smart;
        return QString::fromLatin1(format).arg(title,
                                               list ? listTreeText(tree) : hardwareTreeText(tree));
    };
    QString text = QStringLiteral("%1: %2\n").arg(QObject::tr("Creation date"), creationDate(data));
    text += QStringLiteral("\n%1\n\n").arg(QObject::tr("OS")) + rowsText(data.tree(T::OS));
    text += section("\n%1\n\n%2", QObject::tr("CPU"), T::CPU);
    text += section("%1\n\n%2", QObject::tr("GPU"), T::GPU);
    text += section("%1\n\n%2", QObject::tr("RAM"), T::RAM);
    text += section("%1\n\n%2", QObject::tr("Storage"), T::Storage);
    text += section("%1\n\n%2", QObject::tr("Optical Devices"), T::OpticalDevices);
    text += QStringLiteral("%1\n\n").arg(QObject::tr("Motherboard"))
        + rowsText(data.tree(T::Motherboard));
    text += section("\n%1\n\n%2", QObject::tr("Sound Devices"), T::SoundDevices);
    text += section("%1\n\n%2", QObject::tr("Network"), T::Network);
    text += section("%1\n\n%2", QObject::tr("Peripheral"), T::Peripheral);
    text += section("%1\n\n%2", QObject::tr("Services"), T::Services);
    text += section("\n%1\n\n%2", QObject::tr("Processes"), T::Processes);
    text += section("\n%1\n\n%2", QObject::tr("Applications"), T::Applications);
    text += section("\n%1\n\n%2", QObject::tr("Drivers"), T::Drivers);
    text += section("\n%1\n\n%2", QObject::tr("Startup"), T::Startup);
    if (!data.tree(T::Smart).items.isEmpty()) {
        text += QStringLiteral("\n%1 - %2\n\n%3")
                    .arg(QStringLiteral("SMART"), data.smartDescription,
                         listTreeText(data.tree(T::Smart)));
    }
    if (!data.tree(T::Tpm).items.isEmpty())
        text += section("\n%1\n\n%2", QStringLiteral("TPM"), T::Tpm);
    return text;
}

QString saveReportAsIni(const ReportData &data)
{
    using T = ReportData;
    const auto section = [&data](const char *format, const QString &title, T::Tree index) {
        const ReportTree &tree = data.tree(index);
        const bool list = index >= T::Services && index <= T::Smart;
        return QString::fromLatin1(format).arg(cleanIniName(title),
                                               list ? listTreeIni(tree) : hardwareTreeIni(tree));
    };
    QString text = QStringLiteral("[%1]\n%2=%3\n")
                       .arg(QObject::tr("Date"), cleanIniName(QObject::tr("Creation date")),
                            iniValue(creationDate(data)));
    text += QStringLiteral("\n[%1]\n").arg(cleanIniName(QObject::tr("OS")))
        + rowsIni(data.tree(T::OS));
    text += section("\n[%1]\n%2", QObject::tr("CPU"), T::CPU);
    text += section("[%1]\n%2\n", QObject::tr("GPU"), T::GPU);
    text += section("[%1]\n%2\n", QObject::tr("RAM"), T::RAM);
    text += section("[%1]\n%2", QObject::tr("Storage"), T::Storage);
    text += section("[%1]\n%2", QObject::tr("Optical Devices"), T::OpticalDevices);
    text += QStringLiteral("[%1]\n").arg(cleanIniName(QObject::tr("Motherboard")))
        + rowsIni(data.tree(T::Motherboard));
    text += section("\n[%1]\n%2", QObject::tr("Sound Devices"), T::SoundDevices);
    text += section("[%1]\n%2", QObject::tr("Network"), T::Network);
    text += section("[%1]\n%2", QObject::tr("Peripheral"), T::Peripheral);
    text += section("[%1]\n%2", QObject::tr("Services"), T::Services);
    text += section("[%1]\n%2", QObject::tr("Processes"), T::Processes);
    text += section("[%1]\n%2", QObject::tr("Applications"), T::Applications);
    text += section("[%1]\n%2", QObject::tr("Drivers"), T::Drivers);
    text += section("[%1]\n%2", QObject::tr("Startup"), T::Startup);
    if (!data.tree(T::Smart).items.isEmpty()) {
        text += QStringLiteral("[%1_%2]\n%3")
                    .arg(cleanIniName(QStringLiteral("SMART")), cleanIniName(data.smartDescription),
                         listTreeIni(data.tree(T::Smart)));
    }
    if (!data.tree(T::Tpm).items.isEmpty())
        text += section("[%1]\n%2\n", QStringLiteral("TPM"), T::Tpm);
    return text;
}
