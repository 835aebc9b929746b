// The Updates page: last check, channel, changelog, update options, paths and delivery.

#include "mainwindow/verdimonnuvo.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

QLabel *makeUpdatesLabel(const QString &text, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(appFont(bold));
    return label;
}

Switch *makeUpdatesSwitch(const QString &text, QWidget *parent)
{
    auto *option = new Switch(text, parent);
    option->setFont(appFont(false));
    option->setToolTip(option->text());
    return option;
}

QLineEdit *makePathEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setFont(appFont(false));
    edit->setFixedSize(lineEditFitSize(edit, QSize(225, 25)));
    edit->setReadOnly(true);
    return edit;
}

QPushButton *makeChangeButton(QWidget *parent)
{
    auto *button = new QPushButton(QObject::tr("Change"), parent);
    button->setFont(appFont(false));
    button->setMinimumHeight(27);
    keepTextWhole(button);
    return button;
}

} // namespace

void VerdimonNuvo::createUpdatesPage()
{
    QWidget *page = updatesPage;

    applicationUpdatesLabel = makeUpdatesLabel(QObject::tr("Application updates"), true, page);
    buildCaptionLabel = makeUpdatesLabel(QObject::tr("Build:"), false, page);
    latestBuildLabel = makeUpdatesLabel(QObject::tr("Not checked"), false, page);
    latestBuildLabel->setTextFormat(Qt::PlainText); // the build comes from the server
    latestBuildLabel->setTextInteractionFlags(Qt::TextSelectableByMouse
                                              | Qt::TextSelectableByKeyboard);
    lastCheckCaptionLabel = makeUpdatesLabel(QObject::tr("Last checked:"), false, page);
    lastCheckLabel = makeUpdatesLabel(QObject::tr("Not checked"), false, page);
    lastCheckLabel->setTextInteractionFlags(Qt::TextSelectableByMouse
                                            | Qt::TextSelectableByKeyboard);
    lastCheckLabel->setMinimumWidth(150);
    lastCheckLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    checkUpdatesBtn = new QPushButton(QObject::tr("Check for updates..."), page);
    checkUpdatesBtn->setFont(appFont(false));
    checkUpdatesBtn->setMinimumHeight(23);
    checkUpdatesBtn->setIcon(QIcon(QPixmap(QStringLiteral(":/Icon/sync.svg"))));
    keepTextWhole(checkUpdatesBtn);

    // The channel box keeps its rows in a model of its own so that retranslation can rename
    // them in place without touching the current index.
    updatesChannelLabel = makeUpdatesLabel(QObject::tr("Updates channel"), true, page);
    updatesChannelComboBox = new QComboBox(page);
    updatesChannelComboBox->setFont(appFont(false));
    updatesChannelComboBox->setMinimumSize(settingsBoxMinimumWidth, 24);
    auto *channelModel = new QStandardItemModel(0, 1, updatesChannelComboBox);
    updatesChannelComboBox->setModel(channelModel);
    updatesChannelComboBox->addItems({ QObject::tr("Development"), QObject::tr("Insider"),
                                       QObject::tr("Beta"), QObject::tr("Release") });
    updatesChannelComboBox->setCurrentIndex(0);
    keepTextWhole(updatesChannelComboBox);

    appChangelogLabel = makeUpdatesLabel(QObject::tr("Application changelog"), true, page);
    changelogBtn = new QPushButton(QObject::tr("Changelog"), page);
    changelogBtn->setFont(appFont(false));
    changelogBtn->setMinimumHeight(23);
    changelogBtn->setIcon(QIcon(QPixmap(QStringLiteral(":/Icon/file-code.svg"))));
    keepTextWhole(changelogBtn);

    updatesSettingsLabel = makeUpdatesLabel(QObject::tr("Updates settings"), true, page);
    installAutomaticallySwitch
        = makeUpdatesSwitch(QObject::tr("Install updates automatically"), page);
    disableUpdatesSwitch
        = makeUpdatesSwitch(QObject::tr("Disable updates (not recommended)"), page);
    checkOnStartSwitch
        = makeUpdatesSwitch(QObject::tr("Check for updates when application starts"), page);
    insiderNotificationSwitch
        = makeUpdatesSwitch(QObject::tr("Get insider builds notification"), page);
    deleteInstallerSwitch = makeUpdatesSwitch(QObject::tr("Delete installer after update"), page);
    installSilentlySwitch = makeUpdatesSwitch(QObject::tr("Install updates silently"), page);

    updatesPathsLabel = makeUpdatesLabel(QObject::tr("Manage Updates Paths"), true, page);
    downloadPathLabel = makeUpdatesLabel(QObject::tr("Download path:"), false, page);
    downloadPathEdit = makePathEdit(page);
    downloadPathEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    downloadPathBtn = makeChangeButton(page);
    installPathLabel = makeUpdatesLabel(QObject::tr("Install path:"), false, page);
    installPathEdit = makePathEdit(page);
    installPathBtn = makeChangeButton(page);

    updatesDeliveryLabel = makeUpdatesLabel(QObject::tr("Updates delivery"), true, page);
    updatesDeliveryComboBox = new QComboBox(page);
    updatesDeliveryComboBox->setFont(appFont(false));
    updatesDeliveryComboBox->setMinimumSize(120, 24);
    updatesDeliveryComboBox->addItems(
        { QStringLiteral("Dravonel"), QStringLiteral("OneDrive"), QStringLiteral("Dropbox") });
    updatesDeliveryComboBox->setCurrentIndex(0);
    keepTextWhole(updatesDeliveryComboBox);

    auto *buildRow = new QHBoxLayout;
    buildRow->setAlignment(Qt::AlignLeft);
    buildRow->addWidget(buildCaptionLabel);
    buildRow->addWidget(latestBuildLabel);
    auto *lastCheckRow = new QHBoxLayout;
    lastCheckRow->setAlignment(Qt::AlignLeft);
    lastCheckRow->addWidget(lastCheckCaptionLabel);
    lastCheckRow->addWidget(lastCheckLabel);
    auto *downloadRow = new QHBoxLayout;
    downloadRow->setAlignment(Qt::AlignRight);
    downloadRow->setContentsMargins(0, 0, 0, 0);
    downloadRow->setSpacing(0);
    downloadRow->addWidget(downloadPathEdit, 0, Qt::AlignLeft);
    downloadRow->addWidget(downloadPathBtn, 0, Qt::AlignLeft);
    auto *installRow = new QHBoxLayout;
    installRow->setAlignment(Qt::AlignRight);
    installRow->setContentsMargins(0, 0, 0, 0);
    installRow->setSpacing(0);
    installRow->addWidget(installPathEdit, 0, Qt::AlignLeft);
    installRow->addWidget(installPathBtn, 0, Qt::AlignLeft);

    auto *leftColumn = new QVBoxLayout;
    leftColumn->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    leftColumn->addWidget(applicationUpdatesLabel);
    leftColumn->addLayout(buildRow);
    leftColumn->addLayout(lastCheckRow);
    leftColumn->addWidget(checkUpdatesBtn, 0, Qt::AlignLeft);
    leftColumn->addWidget(updatesChannelLabel);
    leftColumn->addWidget(updatesChannelComboBox, 0, Qt::AlignLeft);
    leftColumn->addWidget(appChangelogLabel);
    leftColumn->addWidget(changelogBtn, 0, Qt::AlignLeft);
    leftColumn->addWidget(updatesPathsLabel);
    leftColumn->addWidget(downloadPathLabel);
    leftColumn->addLayout(downloadRow);
    leftColumn->addWidget(installPathLabel);
    leftColumn->addLayout(installRow);
    leftColumn->addWidget(updatesDeliveryLabel);
    leftColumn->addWidget(updatesDeliveryComboBox, 0, Qt::AlignLeft);

    auto *rightColumn = new QVBoxLayout;
    rightColumn->setAlignment(Qt::AlignTop | Qt::AlignCenter);
    rightColumn->setContentsMargins(0, 0, 10, 0);
    rightColumn->addWidget(updatesSettingsLabel);
    for (Switch *option :
         { installAutomaticallySwitch, disableUpdatesSwitch, checkOnStartSwitch,
           insiderNotificationSwitch, deleteInstallerSwitch, installSilentlySwitch })
        rightColumn->addWidget(option);

    auto *columnsRow = new QHBoxLayout;
    columnsRow->addLayout(leftColumn);
    columnsRow->addStretch(1);
    columnsRow->addLayout(rightColumn);
    columnsRow->addStretch(1);

    auto *pageLayout = new QVBoxLayout;
    pageLayout->setContentsMargins(10, 0, 10, 10);
    pageLayout->addLayout(columnsRow);
    pageLayout->addWidget(updatesExitBtn, 1, Qt::AlignBottom | Qt::AlignRight);
    page->setLayout(pageLayout);

    connect(checkUpdatesBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::checkForAppUpdates);
    connect(changelogBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::openAppChangelog);
    connect(installAutomaticallySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onInstallAutomaticallyToggled);
    connect(disableUpdatesSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onDisableUpdatesToggled);
    connect(checkOnStartSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onCheckUpdatesAtStartToggled);
    connect(insiderNotificationSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onInsiderNotificationToggled);
    connect(deleteInstallerSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onDeleteInstallerToggled);
    connect(installSilentlySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onInstallSilentlyToggled);
    connect(downloadPathBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::chooseDownloadPath);
    connect(installPathBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::onInstallPathClicked);
    // The two boxes report every index change, also one made from code: they are connected only
    // now that their rows exist, so filling them writes nothing back to the settings.
    connect(updatesDeliveryComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VerdimonNuvo::onDeliveryChanged);
}

void VerdimonNuvo::connectUpdatesChannel()
{
    // The channel handler writes the About page's Channel value, so it is connected once that
    // label exists.
    connect(updatesChannelComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VerdimonNuvo::onUpdatesChannelChanged);
}
