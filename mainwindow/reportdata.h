#pragma once
// A value copy of what the report writers read from the window: the page trees' texts, the
// language index and the moment of the report. Taken on the GUI thread, it can go to any thread.

#include <QDateTime>
#include <QLocale>
#include <QMetaType>
#include <QStringList>
#include <QVector>

class QTreeWidget;

// One top-level item: its column texts and the column texts of its children.
struct ReportItem
{
    QStringList columns;
    QVector<QStringList> children;

    QString text(int column) const { return columns.value(column); }
};

// One tree: its header texts (list trees) and top-level items, in display order.
struct ReportTree
{
    QStringList headers;
    QVector<ReportItem> items;
};

struct ReportData
{
    // Positions of the trees, the order of every report.
    enum Tree {
        OS,
        CPU,
        GPU,
        RAM,
        Storage,
        OpticalDevices,
        Motherboard,
        SoundDevices,
        Network,
        Peripheral,
        Services,
        Processes,
        Applications,
        Drivers,
        Startup,
        Smart,
        Tpm,
        TreeCount
    };

    int languageIndex = 0; // 0 Auto select, 1 English, 2 Russian, 3 Ukrainian
    QLocale::Language systemLanguage = QLocale::AnyLanguage;
    QDateTime created;
    QString smartDescription; // the drive whose attributes the SMART tree holds
    QVector<ReportTree> trees = QVector<ReportTree>(TreeCount);

    const ReportTree &tree(Tree index) const { return trees.at(index); }
};

Q_DECLARE_METATYPE(ReportData)

// Copies a tree's texts as displayed (hidden items included). GUI thread only.
ReportTree snapshotReportTree(const QTreeWidget *tree);
// Copies the 17 trees of `trees` (ReportData::Tree order) with the SMART tree's accessible
// description, the language index, the system language and the current time. GUI thread only.
ReportData snapshotReport(const QVector<QTreeWidget *> &trees, int languageIndex);

// "M/d/yyyy hh:mm:ss AP" in English (index 1, or 0 on an English system), otherwise
// "M/d/yyyy hh:mm:ss"; always rendered in the English (United States) locale.
QString reportCreationDate(int languageIndex, QLocale::Language systemLanguage,
                           const QDateTime &when);
