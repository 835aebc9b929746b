#pragma once

#include <QString>
#include <QVector>

// The fixed content of the Useful commands page: its sections, every command button in page
// order, and where each button stands in the five-column grid.

enum class UsefulCommandKind {
    Command, // its own handler of the command family, label translated
    Untranslated, // its own handler; the label stays English in every language
    Devices, // made without text; the window names it by the Windows version
    DxDiag, // window slot openDxDiagnosticTool
    DxDiagX64, // window slot openDxDiagnosticToolX64
    CmdAdmin // window slot openCMDAsAdmin
};

// What a click does besides launching the row's counterpart.
enum class UsefulCommandAction {
    Launch, // launches the counterpart
    Ping, // opens the ping console
    CheckDisk, // opens the disk check
    LogOut, // asks first, then launches the counterpart (a log-out command)
    Defender // the window's openWindowsDefender
};

struct UsefulCommandEntry
{
    int section; // 0 the tool section, 1 to 21 the headed sections
    const char *label; // English source text ("&&" stands for one "&")
    bool wide; // takes two grid columns
    UsefulCommandKind kind;
    // The Linux programs that do this row's job, in order of preference, or
    // UsefulCommandList::unavailable (see tools/counterpart.h for the notation).
    const char *counterpart;
    UsefulCommandAction action = UsefulCommandAction::Launch;
};

struct UsefulCommandCell
{
    int row = 0;
    int column = 0;
    int columnSpan = 1;
};

namespace UsefulCommandList {

constexpr int gridColumns = 5;
constexpr int sectionCount = 22;
constexpr int commandCount = 281;

// The counterpart of rows that have none on Linux.
extern const char unavailable[];

// Every command in page order.
const QVector<UsefulCommandEntry> &entries();

// The 22 section titles: index 0 "All commands", then the 21 headings, all English sources.
const QVector<const char *> &sectionTitles();

// The text a button shows: the translation of its label, or the label itself when untranslated.
QString buttonText(const UsefulCommandEntry &entry);

// Grid cells of the commands (same order as entries()) and of the section titles.
struct Layout
{
    QVector<UsefulCommandCell> commandCells;
    QVector<int> titleRows; // row of each section title, column 0
    int rowCount = 0;
};
const Layout &layout();

// Index of the first entry with this section and label, or -1.
int indexOf(int section, const QString &label);

} // namespace UsefulCommandList
