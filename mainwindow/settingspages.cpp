// The Application settings page and the Misc page.

#include "mainwindow/verdimonnuvo.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "app/language.h"
#include "app/systemfunctions.h"
#include "app/translations.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const QString &text, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(appFont(bold));
    return label;
}

QPushButton *makeButton(const QString &text, const char *icon, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFont(appFont(false));
    button->setMinimumHeight(23);
    if (icon)
        button->setIcon(QIcon(QPixmap(QString::fromLatin1(icon))));
    keepTextWhole(button);
    return button;
}

Switch *makeSwitch(const QString &text, QWidget *parent)
{
    auto *option = new Switch(text, parent);
    option->setToolTip(option->text());
    option->setFont(appFont(false));
    return option;
}

} // namespace

void VerdimonNuvo::fitSettingsBoxes()
{
    // Their entries are translated while the program runs, and a box keeps the width Qt measured
    // in the first language (and by the text's ink, a pixel narrower at times than the room the
    // text takes): measured again, every entry shows whole in the language in force.
    for (QComboBox *box : { languageComboBox, themeComboBox, updatesChannelComboBox }) {
        if (!box)
            continue;
        const QFontMetrics metrics = box->fontMetrics();
        int widest = 0;
        for (int row = 0; row < box->count(); ++row) {
            const int icon = box->itemIcon(row).isNull() ? 0 : box->iconSize().width() + 4;
            widest = qMax(widest, metrics.horizontalAdvance(box->itemText(row)) + icon);
        }
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.frame = box->hasFrame();
        option.iconSize = box->iconSize();
        const QSize needed = box->style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                            QSize(widest, metrics.height()), box);
        box->setMinimumWidth(qMax(settingsBoxMinimumWidth, needed.width()));
    }
}

bool VerdimonNuvo::useSingleSwitchColumn(int screenWidth, int screenHeight)
{
    return screenWidth < 1152 && screenHeight < 864;
}

void VerdimonNuvo::createAppSettingsPage()
{
    QWidget *page = appSettingsPage;

    changeLanguageLabel = makeLabel(QObject::tr("Change language"), true, page);
    languageComboBox = new QComboBox(page);
    languageComboBox->setFont(appFont(false));
    languageComboBox->setMinimumSize(settingsBoxMinimumWidth, 24);
    languageComboBox->addItem(QIcon(languageFlagIcon()), QObject::tr("Auto select"));
    languageComboBox->addItem(QIcon(QStringLiteral(":Icon/en_US.png")), QStringLiteral("English"));
    languageComboBox->addItem(QIcon(QStringLiteral(":Icon/ru_RU.png")),
                              QString::fromUtf8("Русский"));
    languageComboBox->addItem(QIcon(QStringLiteral(":Icon/uk_UA.png")),
                              QString::fromUtf8("Українська"));
    keepTextWhole(languageComboBox);

    changeThemeLabel = makeLabel(QObject::tr("Change theme"), true, page);
    themeComboBox = new QComboBox(page);
    themeComboBox->setFont(appFont(false));
    themeComboBox->setMinimumSize(settingsBoxMinimumWidth, 24);
    themeComboBox->addItems({ QObject::tr("Light"), QObject::tr("Gray"), QObject::tr("Dark") });
    keepTextWhole(themeComboBox);

    networkConnectionLabel = makeLabel(QObject::tr("Network connection"), true, page);
    networkStatusLabel = makeLabel(QObject::tr("Status:"), false, page);
    networkStatusValueLabel = makeLabel(QObject::tr("Unknown"), false, page);
    networkStatusValueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse
                                                     | Qt::TextSelectableByKeyboard);
    ipLabel = makeLabel(QObject::tr("IP:"), false, page);
    ipValueLabel = makeLabel(QObject::tr("Unknown"), false, page);
    ipValueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ipValueLabel->setMinimumWidth(150);
    ipValueLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    checkConnectionBtn = makeButton(QObject::tr("Check connection..."), nullptr, page);

    appLogLabel = makeLabel(QObject::tr("Application log"), true, page);
    appLogBtn = makeButton(QObject::tr("Log"), ":/Icon/file.svg", page);
    storeDataLabel = makeLabel(QObject::tr("Store data"), true, page);
    saveDataBtn = makeButton(QObject::tr("Save"), ":/Icon/save.svg", page);
    printDataLabel = makeLabel(QObject::tr("Print data"), true, page);
    printDataBtn = makeButton(QObject::tr("Print"), ":/Icon/print.svg", page);

    appConfigurationLabel = makeLabel(QObject::tr("Application configuration"), true, page);
    showSplashSwitch = makeSwitch(QObject::tr("Show splash at startup"), page);
    shareHardwareInfoSwitch = makeSwitch(QObject::tr("Share hardware information"), page);
    runAtStartupSwitch = makeSwitch(QObject::tr("Run at login"), page);
    alwaysOnTopSwitch = makeSwitch(QObject::tr("Always on top"), page);
    showFullInfoSwitch = makeSwitch(QObject::tr("Show application full information"), page);
    autoDataExpandSwitch = makeSwitch(QObject::tr("Automatically expand all data"), page);
    restoreDefaultsSwitch = makeSwitch(QObject::tr("Reset to default settings"), page);

    systemTrayLabel = makeLabel(QObject::tr("System tray"), true, page);
    addToTraySwitch = makeSwitch(QObject::tr("Add to tray"), page);
    closeToTraySwitch = makeSwitch(QObject::tr("Close to tray"), page);
    minimizeToTraySwitch = makeSwitch(QObject::tr("Minimize to tray"), page);
    notifyWhenInTraySwitch = makeSwitch(QObject::tr("Notify me when running in tray"), page);
    showWindowWhenInTraySwitch
        = makeSwitch(QObject::tr("Show application window when in tray"), page);

    auto *networkStatusRow = new QHBoxLayout;
    networkStatusRow->setAlignment(Qt::AlignLeft);
    networkStatusRow->addWidget(networkStatusLabel);
    networkStatusRow->addWidget(networkStatusValueLabel);

    auto *ipRow = new QHBoxLayout;
    ipRow->setAlignment(Qt::AlignLeft);
    ipRow->addWidget(ipLabel);
    ipRow->addWidget(ipValueLabel);

    auto *generalColumn = new QVBoxLayout;
    generalColumn->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    generalColumn->addWidget(changeLanguageLabel);
    generalColumn->addWidget(languageComboBox, 0, Qt::AlignLeft);
    generalColumn->addWidget(changeThemeLabel);
    generalColumn->addWidget(themeComboBox, 0, Qt::AlignLeft);
    generalColumn->addWidget(networkConnectionLabel);
    generalColumn->addLayout(networkStatusRow);
    generalColumn->addLayout(ipRow);
    generalColumn->addWidget(checkConnectionBtn, 0, Qt::AlignLeft);
    generalColumn->addWidget(appLogLabel);
    generalColumn->addWidget(appLogBtn, 0, Qt::AlignLeft);
    generalColumn->addWidget(storeDataLabel);
    generalColumn->addWidget(saveDataBtn, 0, Qt::AlignLeft);
    generalColumn->addWidget(printDataLabel);
    generalColumn->addWidget(printDataBtn, 0, Qt::AlignLeft);

    auto *configurationColumn = new QVBoxLayout;
    configurationColumn->setAlignment(Qt::AlignTop | Qt::AlignCenter);
    configurationColumn->addWidget(appConfigurationLabel);
    for (Switch *option :
         { showSplashSwitch, shareHardwareInfoSwitch, runAtStartupSwitch, alwaysOnTopSwitch,
           showFullInfoSwitch, autoDataExpandSwitch, restoreDefaultsSwitch })
        configurationColumn->addWidget(option);

    const QPair<int, int> screen = screenResolution();
    const bool singleColumn = useSingleSwitchColumn(screen.first, screen.second);
    QVBoxLayout *trayColumn = configurationColumn;
    if (!singleColumn) {
        trayColumn = new QVBoxLayout;
        trayColumn->setAlignment(Qt::AlignTop | Qt::AlignCenter);
    }
    trayColumn->addWidget(systemTrayLabel);
    for (Switch *option : { addToTraySwitch, closeToTraySwitch, minimizeToTraySwitch,
                            notifyWhenInTraySwitch, showWindowWhenInTraySwitch })
        trayColumn->addWidget(option);

    auto *columnsRow = new QHBoxLayout;
    columnsRow->addLayout(generalColumn);
    columnsRow->addStretch(1);
    columnsRow->addLayout(configurationColumn);
    columnsRow->addStretch(1);
    if (!singleColumn) {
        columnsRow->addLayout(trayColumn);
        columnsRow->addStretch(1);
    }

    auto *pageLayout = new QVBoxLayout;
    pageLayout->addLayout(columnsRow);
    pageLayout->addWidget(appSettingsExitBtn, 1, Qt::AlignRight | Qt::AlignBottom);
    page->setLayout(pageLayout);

    // Combo boxes report the user's choice only and switches only clicks, so loading stored
    // values into them afterwards runs no handler.
    connect(languageComboBox, QOverload<int>::of(&QComboBox::activated), this,
            &VerdimonNuvo::onLanguageActivated);
    connect(themeComboBox, QOverload<int>::of(&QComboBox::activated), this,
            &VerdimonNuvo::onThemeActivated);
    connect(checkConnectionBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::checkNetwork);
    connect(appLogBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::openAppLog);
    connect(saveDataBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::saveDataFile);
    connect(printDataBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::printHardwareData);
    connect(showSplashSwitch, &QAbstractButton::clicked, this, &VerdimonNuvo::onShowSplashToggled);
    connect(shareHardwareInfoSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onShareHardwareInfoToggled);
    connect(runAtStartupSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onRunAtStartupToggled);
    connect(alwaysOnTopSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onAlwaysOnTopToggled);
    connect(showFullInfoSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onShowFullInfoToggled);
    connect(autoDataExpandSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onAutoDataExpandToggled);
    connect(restoreDefaultsSwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onRestoreDefaultsClicked);
    connect(addToTraySwitch, &QAbstractButton::clicked, this, &VerdimonNuvo::onAddToTrayToggled);
    connect(closeToTraySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onCloseToTrayToggled);
    connect(minimizeToTraySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onMinimizeToTrayToggled);
    connect(notifyWhenInTraySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onNotifyWhenInTrayToggled);
    connect(showWindowWhenInTraySwitch, &QAbstractButton::clicked, this,
            &VerdimonNuvo::onShowWindowWhenInTrayToggled);
}

void VerdimonNuvo::createMiscPage()
{
    QWidget *page = miscPage;

    manageFontLabel = makeLabel(QObject::tr("Manage font"), true, page);
    fontFamilyComboBox = new QComboBox(page);
    fontFamilyComboBox->setFont(appFont(false));
    fontFamilyComboBox->setMinimumSize(120, 24);
    fontFamilyComboBox->addItems(fontResourceFile().keys());
    keepTextWhole(fontFamilyComboBox);
    fontSizeComboBox = new QComboBox(page);
    fontSizeComboBox->setFont(appFont(false));
    fontSizeComboBox->setMinimumSize(40, 24);
    fontSizeComboBox->addItems(fontSizeList());
    keepTextWhole(fontSizeComboBox);

    fontSampleEdit = new QLineEdit(QObject::tr("AaBbYyZz"), page);
    fontSampleEdit->setFont(appFont(false));
    fontSampleEdit->setFixedSize(lineEditFitSize(fontSampleEdit, QSize(204, 60)));
    fontSampleEdit->setAlignment(Qt::AlignHCenter);

    applyFontBtn = makeButton(QObject::tr("Apply"), nullptr, page);
    applyFontBtn->setMinimumSize(applyFontBtn->minimumSize().expandedTo(QSize(70, 23)));
    applyFontBtn->setToolTip(applyFontBtn->text());
    applyFontBtn->setEnabled(false);
    resetFontBtn = makeButton(QObject::tr("Reset"), nullptr, page);
    resetFontBtn->setMinimumSize(resetFontBtn->minimumSize().expandedTo(QSize(70, 23)));
    resetFontBtn->setToolTip(resetFontBtn->text());
    resetFontBtn->setEnabled(false);

    opacityLabel = makeLabel(QObject::tr("Opacity"), true, page);
    opacitySlider = new QSlider(page);
    opacitySlider->setFont(appFont(false));
    opacitySlider->setOrientation(Qt::Horizontal);
    opacitySlider->setMinimumWidth(200);
    opacitySlider->setTickPosition(QSlider::TicksBelow);
    opacitySlider->setTickInterval(1);
    opacitySlider->setRange(5, 10);
    opacitySlider->setValue(10);

    miscExitBtn = createExitButton(page);

    auto *fontChoiceRow = new QHBoxLayout;
    fontChoiceRow->setAlignment(Qt::AlignLeft);
    fontChoiceRow->addWidget(fontFamilyComboBox);
    fontChoiceRow->addWidget(fontSizeComboBox);

    auto *fontButtonsRow = new QHBoxLayout;
    fontButtonsRow->setAlignment(Qt::AlignLeft);
    fontButtonsRow->addWidget(applyFontBtn);
    fontButtonsRow->addWidget(resetFontBtn);

    auto *fontColumn = new QVBoxLayout;
    fontColumn->addWidget(manageFontLabel);
    fontColumn->addLayout(fontChoiceRow);
    fontColumn->addWidget(fontSampleEdit, 0, Qt::AlignLeft);
    fontColumn->addLayout(fontButtonsRow);

    auto *opacityColumn = new QVBoxLayout;
    opacityColumn->setAlignment(Qt::AlignTop);
    opacityColumn->addWidget(opacityLabel);
    opacityColumn->addWidget(opacitySlider, 0, Qt::AlignLeft);

    auto *miscColumnsRow = new QHBoxLayout;
    miscColumnsRow->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    miscColumnsRow->addLayout(fontColumn);
    miscColumnsRow->addStretch(1);
    miscColumnsRow->addLayout(opacityColumn);
    miscColumnsRow->addStretch(4);

    auto *pageLayout = new QVBoxLayout;
    pageLayout->addLayout(miscColumnsRow);
    pageLayout->addWidget(miscExitBtn, 1, Qt::AlignRight | Qt::AlignBottom);
    page->setLayout(pageLayout);

    connect(fontFamilyComboBox, &QComboBox::textActivated, this,
            &VerdimonNuvo::onFontFamilyActivated);
    connect(fontSizeComboBox, &QComboBox::textActivated, this, &VerdimonNuvo::onFontSizeActivated);
    connect(applyFontBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::onApplyFontClicked);
    connect(resetFontBtn, &QAbstractButton::clicked, this, &VerdimonNuvo::onDefaultFontClicked);
    connect(opacitySlider, &QAbstractSlider::valueChanged, this, &VerdimonNuvo::onOpacityChanged);
}
