#include "mainwindow/reportdata.h"

#include <QTreeWidget>

namespace {

QStringList itemTexts(const QTreeWidgetItem *item, int columnCount)
{
    QStringList texts;
    texts.reserve(columnCount);
    for (int column = 0; column < columnCount; ++column)
        texts << item->text(column);
    return texts;
}

} // namespace

ReportTree snapshotReportTree(const QTreeWidget *tree)
{
    ReportTree copy;
    if (!tree)
        return copy;
    const int columns = tree->columnCount();
    if (const QTreeWidgetItem *header = tree->headerItem())
        copy.headers = itemTexts(header, columns);
    const int count = tree->topLevelItemCount();
    copy.items.reserve(count);
    for (int row = 0; row < count; ++row) {
        const QTreeWidgetItem *item = tree->topLevelItem(row);
        ReportItem entry;
        entry.columns = itemTexts(item, columns);
        for (int child = 0; child < item->childCount(); ++child)
            entry.children << itemTexts(item->child(child), columns);
        copy.items << entry;
    }
    return copy;
}

ReportData snapshotReport(const QVector<QTreeWidget *> &trees, int languageIndex)
{
    ReportData data;
    data.languageIndex = languageIndex;
    data.systemLanguage = QLocale::system().language();
    data.created = QDateTime::currentDateTime();
    for (int index = 0; index < ReportData::TreeCount && index < trees.size(); ++index)
        data.trees[index] = snapshotReportTree(trees.at(index));
    if (const QTreeWidget *smart = trees.value(ReportData::Smart))
        data.smartDescription = smart->accessibleDescription();
    return data;
}

QString reportCreationDate(int languageIndex, QLocale::Language systemLanguage,
                           const QDateTime &when)
{
    const bool english
        = languageIndex == 1 || (languageIndex == 0 && systemLanguage == QLocale::English);
    const QString format
        = english ? QStringLiteral("M/d/yyyy hh:mm:ss AP") : QStringLiteral("M/d/yyyy hh:mm:ss");
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(when, format);
}
