// The XML report. Written in UTF-8: device names and package maintainers on Linux carry
// characters that no single-byte code page holds.

#include "mainwindow/reportwriter.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QXmlStreamWriter>

namespace {

const QLatin1String xmlCharacters("[]#$%&'()*+,/");

bool isNameStartChar(uint c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6)
        || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D)
        || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D || (c >= 0x2070 && c <= 0x218F)
        || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF)
        || (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(uint c)
{
    return isNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7
        || (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

class XmlReport
{
public:
    explicit XmlReport(QIODevice *device)
        : writer(device)
    {
        writer.setAutoFormatting(true);
        writer.setAutoFormattingIndent(4);
        writer.setCodec("UTF-8");
    }

    void textElement(const QString &name, const QString &text)
    {
        writer.writeTextElement(xmlElementName(name), xmlSafeText(text));
    }

    void rows(const ReportTree &tree)
    {
        for (const ReportItem &item : tree.items)
            textElement(item.text(0), item.text(1));
    }

    void hardwareTree(const ReportTree &tree)
    {
        const bool named = tree.items.size() != 1;
        for (const ReportItem &item : tree.items) {
            if (!item.text(1).isEmpty()) {
                textElement(item.text(0), item.text(1));
                continue;
            }
            if (named)
                textElement(item.text(0), item.text(0));
            for (const QStringList &child : item.children)
                textElement(child.value(0), child.value(1));
        }
    }

    void listTree(const ReportTree &tree)
    {
        QStringList names;
        for (const QString &header : tree.headers)
            names << xmlElementName(header);
        for (const ReportItem &item : tree.items) {
            for (int column = 0; column < names.size(); ++column)
                writer.writeTextElement(names.at(column), xmlSafeText(item.text(column)));
        }
    }

    enum Kind { Rows, Hardware, List };

    void section(const QString &title, const ReportTree &tree, Kind kind)
    {
        writer.writeStartElement(xmlElementName(title));
        if (kind == Rows)
            rows(tree);
        else if (kind == Hardware)
            hardwareTree(tree);
        else
            listTree(tree);
        writer.writeEndElement();
    }

    QXmlStreamWriter writer;
};

} // namespace

QString xmlElementName(const QString &name)
{
    const QString cleaned = cleanReportName(name, xmlCharacters);
    QString valid;
    valid.reserve(cleaned.size() + 1);
    const QVector<uint> codePoints = cleaned.toUcs4();
    for (uint c : codePoints) {
        // "2nd_port" -> "_2nd_port"; a character no name may hold becomes '_'.
        if (valid.isEmpty() && !isNameStartChar(c) && isNameChar(c))
            valid += QLatin1Char('_');
        if (isNameChar(c))
            valid += QString::fromUcs4(&c, 1);
        else
            valid += QLatin1Char('_');
    }
    return valid.isEmpty() ? QStringLiteral("_") : valid;
}

QString xmlSafeText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            safe += c;
            safe += text.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            safe += c;
        }
    }
    return safe;
}

bool saveReportAsXml(const ReportData &data, QIODevice *device)
{
    using T = ReportData;
    XmlReport report(device);
    QXmlStreamWriter &writer = report.writer;
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(xmlElementName(QObject::tr("All Data")));
    report.textElement(QObject::tr("Creation date"),
                       reportCreationDate(data.languageIndex, data.systemLanguage, data.created));
    report.section(QObject::tr("OS"), data.tree(T::OS), XmlReport::Rows);
    report.section(QObject::tr("CPU"), data.tree(T::CPU), XmlReport::Hardware);
    report.section(QObject::tr("GPU"), data.tree(T::GPU), XmlReport::Hardware);
    report.section(QObject::tr("RAM"), data.tree(T::RAM), XmlReport::Hardware);
    report.section(QObject::tr("Storage"), data.tree(T::Storage), XmlReport::Hardware);
    report.section(QObject::tr("Optical Devices"), data.tree(T::OpticalDevices),
                   XmlReport::Hardware);
    report.section(QObject::tr("Motherboard"), data.tree(T::Motherboard), XmlReport::Rows);
    report.section(QObject::tr("Sound Devices"), data.tree(T::SoundDevices), XmlReport::Hardware);
    report.section(QObject::tr("Network"), data.tree(T::Network), XmlReport::Hardware);
    report.section(QObject::tr("Peripheral"), data.tree(T::Peripheral), XmlReport::Hardware);
    report.section(QObject::tr("Services"), data.tree(T::Services), XmlReport::List);
    report.section(QObject::tr("Processes"), data.tree(T::Processes), XmlReport::List);
    report.section(QObject::tr("Applications"), data.tree(T::Applications), XmlReport::List);
    report.section(QObject::tr("Drivers"), data.tree(T::Drivers), XmlReport::List);
    report.section(QObject::tr("Startup"), data.tree(T::Startup), XmlReport::List);
    if (!data.tree(T::Smart).items.isEmpty()) {
        report.section(
            QStringLiteral("%1_%2").arg(QStringLiteral("SMART"),
                                        cleanReportName(data.smartDescription, xmlCharacters)),
            data.tree(T::Smart), XmlReport::List);
    }
    if (!data.tree(T::Tpm).items.isEmpty())
        report.section(QStringLiteral("TPM"), data.tree(T::Tpm), XmlReport::Hardware);
    writer.writeEndElement();
    writer.writeEndDocument();
    return !writer.hasError();
}
