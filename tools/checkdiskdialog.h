#pragma once
// Lets the user pick a file system and opens a terminal that checks it.

#include "tools/filesystemcheck.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

class CheckDiskDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CheckDiskDialog(QWidget *parent = nullptr);
    // With the file systems (and where the checkers are found) given rather than read from
    // this machine.
    CheckDiskDialog(QWidget *parent, const QVector<CheckableFileSystem> &fileSystems,
                    FileSystemCheck::ProgramLookup lookup = FileSystemCheck::systemProgram);

private:
    void startCheckDisk();
    void onSelectionChanged(int index);

    QVector<CheckableFileSystem> fileSystems;
    FileSystemCheck::ProgramLookup lookup;
    QComboBox *fileSystemList = nullptr;
    QCheckBox *repairBox = nullptr;
    QPushButton *startButton = nullptr;
};
