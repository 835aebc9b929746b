#include "tools/checkdiskdialog.h"

#include "app/dialogstyle.h"
#include "app/systemfunctions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CheckDiskDialog::CheckDiskDialog(QWidget *parent)
    : CheckDiskDialog(parent, FileSystemCheck::checkableFileSystems())
{
}

CheckDiskDialog::CheckDiskDialog(QWidget *parent, const QVector<CheckableFileSystem> &fileSystems,
                                 FileSystemCheck::ProgramLookup lookup)
    : QDialog(parent)
    , fileSystems(fileSystems)
    , lookup(std::move(lookup))
{
    setObjectName(QStringLiteral("CheckDiskDialog"));
    setWindowTitle(QObject::tr("Check disk"));
    setMinimumSize(300, 120);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);

    const QFont font = dialogFont();
    auto *instructionLabel
        = new QLabel(QObject::tr("Select the volume and press start to proceed"), this);
    instructionLabel->setMinimumWidth(300);
    instructionLabel->setWordWrap(true);
    instructionLabel->setFont(font);
    auto *chooseLabel = new QLabel(QObject::tr("Choose:"), this);
    chooseLabel->setFont(font);

    fileSystemList = new QComboBox(this);
    fileSystemList->setObjectName(QStringLiteral("fileSystemList"));
    fileSystemList->setFont(font);
    for (const CheckableFileSystem &fileSystem : qAsConst(this->fileSystems))
        fileSystemList->addItem(FileSystemCheck::displayText(fileSystem));

    // Only checks that can run here are offered; repairs only where they are safe: on file
    // systems that are not mounted, with a checker that repairs.
    repairBox = new QCheckBox(QObject::tr("Repair errors"), this);
    repairBox->setObjectName(QStringLiteral("repairBox"));
    repairBox->setFont(font);

    startButton = new QPushButton(QObject::tr("Start"), this);
    startButton->setObjectName(QStringLiteral("startButton"));
    startButton->setFont(font);
    connect(startButton, &QPushButton::clicked, this, &CheckDiskDialog::startCheckDisk);

    auto *closeButton = new QPushButton(QObject::tr("Close"), this);
    closeButton->setFont(font);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto *chooseRow = new QHBoxLayout;
    chooseRow->setAlignment(Qt::AlignLeft);
    chooseRow->addWidget(chooseLabel);
    chooseRow->addWidget(fileSystemList, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    buttonRow->addWidget(repairBox);
    buttonRow->addStretch();
    buttonRow->addWidget(startButton);
    buttonRow->addWidget(closeButton);
    auto *mainLayout = new QVBoxLayout;
    // Centred text across the whole row: a wrapped text then gets the height its lines need.
    instructionLabel->setAlignment(Qt::AlignHCenter);
    mainLayout->addWidget(instructionLabel);
    mainLayout->addLayout(chooseRow);
    mainLayout->addLayout(buttonRow);
    setLayout(mainLayout);
    fitDialogToContents(this, QSize(300, 120));

    connect(fileSystemList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CheckDiskDialog::onSelectionChanged);
    onSelectionChanged(fileSystemList->currentIndex());
}

void CheckDiskDialog::onSelectionChanged(int index)
{
    const bool valid = index >= 0 && index < fileSystems.size();
    const bool checkable
        = valid && !FileSystemCheck::checkCommand(fileSystems.at(index), false, lookup).isEmpty();
    const bool repairable = valid && !fileSystems.at(index).mounted()
        && !FileSystemCheck::checkCommand(fileSystems.at(index), true, lookup).isEmpty();
    startButton->setEnabled(checkable);
    repairBox->setEnabled(repairable);
    if (!repairable)
        repairBox->setChecked(false);
}

void CheckDiskDialog::startCheckDisk()
{
    const int index = fileSystemList->currentIndex();
    if (index < 0 || index >= fileSystems.size())
        return;
    const qint64 result
        = FileSystemCheck::startCheck(fileSystems.at(index), repairBox->isChecked(), lookup);
    // The dialog steps aside first: kept above other windows it would hide the report.
    hide();
    showShellExecuteError(result, windowTitle(), parentWidget());
    close();
}
