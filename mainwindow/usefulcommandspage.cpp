// The Useful commands page: the search line and the grid of 281 command buttons.

#include "mainwindow/verdimonnuvo.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "app/systemfunctions.h"
#include "mainwindow/usefulcommandlist.h"
#include "widgets/scrollbar.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QOperatingSystemVersion>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

QPushButton *VerdimonNuvo::usefulCommandButton(int commandIndex) const
{
    return usefulCommandButtons.value(commandIndex, nullptr);
}

void VerdimonNuvo::createUsefulCommandsPage()
{
    QWidget *page = usefulCommandsPage;

    allCommandsLabel = new QLabel(QObject::tr("All commands"), page);
    allCommandsLabel->setFont(appFont(true));
    noCommandFoundLabel = new QLabel(QObject::tr("No such useful command is found!"), page);
    noCommandFoundLabel->setFont(appFont(false));
    noCommandFoundLabel->hide();

    searchCommandEdit = new QLineEdit(page);
    searchCommandEdit->setPlaceholderText(QObject::tr("Search useful commands"));
    searchCommandEdit->setClearButtonEnabled(true);
    searchCommandEdit->setFont(appFont(false));
    searchCommandEdit->setCursor(Qt::ArrowCursor);
    searchCommandEdit->addAction(QIcon(QPixmap(QStringLiteral(":/Icon/search.svg"))),
                                 QLineEdit::LeadingPosition);
    searchCommandEdit->setFixedSize(lineEditFitSize(searchCommandEdit, QSize(250, 25)));
    connect(searchCommandEdit, &QLineEdit::returnPressed, this,
            &VerdimonNuvo::onSearchReturnPressed);
    connect(searchCommandEdit, &QLineEdit::textChanged, this, &VerdimonNuvo::onSearchTextChanged);

    searchBtn = new QPushButton(page);
    searchBtn->setFixedSize(24, 25);
    searchBtn->setIcon(QIcon(QPixmap(QStringLiteral(":/Icon/arrow-right.svg"))));
    searchBtn->setAttribute(Qt::WA_Hover);
    searchBtn->hide();
    searchBtn->setObjectName(QStringLiteral("searchBtn"));
    connect(searchBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::onSearchClicked);

    // The buttons and headings, in page order; each command button is wired to its own handler.
    const QVector<UsefulCommandEntry> &entries = UsefulCommandList::entries();
    const QVector<const char *> &titles = UsefulCommandList::sectionTitles();
    usefulCommandButtons.reserve(entries.size());
    int section = 0;
    for (int index = 0; index < entries.size(); ++index) {
        const UsefulCommandEntry &entry = entries.at(index);
        while (section < entry.section) {
            ++section;
            auto *heading = new QLabel(QObject::tr(titles.at(section)), page);
            heading->setFont(appFont(true));
            commandHeadingLabels.append(heading);
        }

        auto *button = new QPushButton(UsefulCommandList::buttonText(entry), page);
        button->setToolTip(button->text());
        button->setFont(appFont(false));
        button->setMinimumHeight(textFitHeight(button, 23));
        usefulCommandButtons.append(button);

        switch (entry.kind) {
        case UsefulCommandKind::DxDiag:
            dxDiagnosticToolBtn = button;
            connect(button, &QAbstractButton::clicked, this, &VerdimonNuvo::openDxDiagnosticTool);
            continue;
        case UsefulCommandKind::DxDiagX64:
            dxDiagnosticToolX64Btn = button;
            button->setEnabled(applicationBitness() == 64);
            connect(button, &QAbstractButton::clicked, this,
                    &VerdimonNuvo::openDxDiagnosticToolX64);
            continue;
        case UsefulCommandKind::CmdAdmin:
            cmdAsAdminBtn = button;
            connect(button, &QAbstractButton::clicked, this, &VerdimonNuvo::openCMDAsAdmin);
            continue;
        case UsefulCommandKind::Devices:
            devicesBtn = button;
            break;
        case UsefulCommandKind::Command:
        case UsefulCommandKind::Untranslated:
            break;
        }
        if (entry.section == 0 && qstrcmp(entry.label, "Windows Defender") == 0)
            windowsDefenderBtn = button;
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { onUsefulCommandClicked(index); });
    }

    auto *scrollArea = new QScrollArea(page);
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setHorizontalScrollBar(new ScrollBar(scrollArea));
    scrollArea->setVerticalScrollBar(new ScrollBar(scrollArea));
    auto *commandContainer = new QWidget(page);

    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(0, 5, 2, 0);
    searchRow->setSpacing(0);
    searchRow->addWidget(searchCommandEdit, 1, Qt::AlignRight | Qt::AlignTop);
    searchRow->addWidget(searchBtn, 0, Qt::AlignRight | Qt::AlignTop);

    // "All commands" heads the tool section in row 0 of the grid, like the other headings;
    // a widget can be managed by one layout only, so it does not also stand in the search row.
    auto *commandGrid = new QGridLayout;
    commandGrid->setContentsMargins(0, 0, 10, 5);
    commandGrid->setAlignment(Qt::AlignTop);
    const UsefulCommandList::Layout &cells = UsefulCommandList::layout();
    commandGrid->addWidget(allCommandsLabel, cells.titleRows.at(0), 0);
    for (int i = 0; i < commandHeadingLabels.size(); ++i)
        commandGrid->addWidget(commandHeadingLabels.at(i), cells.titleRows.at(i + 1), 0);
    for (int index = 0; index < usefulCommandButtons.size(); ++index) {
        const UsefulCommandCell &cell = cells.commandCells.at(index);
        commandGrid->addWidget(usefulCommandButtons.at(index), cell.row, cell.column, 1,
                               cell.columnSpan);
    }
    commandContainer->setLayout(commandGrid);
    scrollArea->setWidget(commandContainer);

    auto *pageLayout = new QVBoxLayout;
    pageLayout->setContentsMargins(10, 0, 0, 0);
    pageLayout->addLayout(searchRow);
    pageLayout->addWidget(noCommandFoundLabel, 0, Qt::AlignHCenter);
    pageLayout->addWidget(scrollArea);
    page->setLayout(pageLayout);
}

void VerdimonNuvo::setDevicesButtonText()
{
    const QOperatingSystemVersion version = QOperatingSystemVersion::current();
    if (version.majorVersion() == 6 && version.minorVersion() == 0)
        devicesBtn->setText(QObject::tr("Add Hardware"));
    else
        devicesBtn->setText(QObject::tr("Devices and Printers"));
    devicesBtn->setToolTip(devicesBtn->text());
}
