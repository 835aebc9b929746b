// What the Application settings and Misc pages do when the user changes them: each change is
// stored at once and, where it shows, applied at once; a font change waits for a restart.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/restart.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "app/themes.h"
#include "app/translations.h"
#include "app/wmiservice.h"
#include "widgets/switch.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

namespace {

const QString appGroup = QStringLiteral("AppSettings");

void writeApp(const char *key, const QVariant &value)
{
    Settings::setSettingsValue(appGroup, QString::fromLatin1(key), value);
}

// The tray modes exclude one another: switching one on turns the others off and locks them.
void excludeTraySwitches(bool on, std::initializer_list<Switch *> others)
{
    for (Switch *other : others) {
        if (on)
            other->setChecked(false);
        other->setEnabled(!on);
    }
}

} // namespace

void VerdimonNuvo::saveLanguageSetting()
{
    writeApp("AppLanguage", languageComboBox->currentIndex());
}

void VerdimonNuvo::saveThemeSetting()
{
    writeApp("AppTheme", themeComboBox->currentIndex());
}

void VerdimonNuvo::onLanguageActivated(int index)
{
    switchTranslation(&appTranslator, &qtTranslator, index);
    saveLanguageSetting();
    retranslateUi();
    startWmiService(this);
    resetAllPages();
    startAllDetections();
    appendToLog(QStringLiteral("%1: %2").arg(
        currentTimestamp(), QObject::tr("language has been successfully changed")));
}

void VerdimonNuvo::onLanguageActionTriggered(int language)
{
    QAction *actions[] = { autoSelectLanguageAction, englishLanguageAction, russianLanguageAction,
                           ukrainianLanguageAction };
    // Triggering the checked action unchecks it: no change of language then.
    if (language < 0 || language > 3 || !actions[language]->isChecked())
        return;
    languageComboBox->setCurrentIndex(language);
    switchTranslation(&appTranslator, &qtTranslator, language);
    for (int other = 0; other < 4; ++other) {
        if (other != language)
            actions[other]->setChecked(false);
    }
    showLanguageTicks();
    retranslateUi();
    saveLanguageSetting();
    resetAllPages();
    startAllDetections();
}

void VerdimonNuvo::onThemeActivated(int index)
{
    applyTheme(index, this);
    fitWindowToTabs();
    applyThemeLabelColors();
    saveThemeSetting();
}

void VerdimonNuvo::onThemeActionTriggered(int theme)
{
    QAction *actions[] = { lightThemeAction, grayThemeAction, darkThemeAction };
    if (theme < 0 || theme > 2 || !actions[theme]->isChecked())
        return;
    themeComboBox->setCurrentIndex(theme);
    applyTheme(theme, this);
    fitWindowToTabs();
    applyThemeLabelColors();
    for (int other = 0; other < 3; ++other) {
        if (other != theme)
            actions[other]->setChecked(false);
    }
    saveThemeSetting();
}

void VerdimonNuvo::onShowSplashToggled(bool on)
{
    writeApp("ShowSplash", on);
}

void VerdimonNuvo::onShareHardwareInfoToggled(bool on)
{
    writeApp("ShareHardwareInfo", on);
    if (on)
        shareHardwareData();
}

void VerdimonNuvo::onRunAtStartupToggled(bool on)
{
    const QString name = QString::fromLatin1(Product::displayName);
    if (!on) {
        if (!runKeySettings->childKeys().contains(name) || runKeySettings->remove(name))
            return;
        // The entry stays: the switch must not claim that the program no longer starts.
        runAtStartupSwitch->setChecked(true);
        MsgDialog message(this, QObject::tr("Error"),
                          QObject::tr("The program could not be removed from the programs run at "
                                      "login."),
                          3, QDialogButtonBox::Ok);
        message.exec();
        return;
    }
    if (runKeySettings->setValue(name,
                                 QDir::toNativeSeparators(QCoreApplication::applicationFilePath())))
        return;
    // The entry could not be written: the switch must not claim that the program starts.
    runAtStartupSwitch->setChecked(false);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("The program could not be set to run at login."), 3,
                      QDialogButtonBox::Ok);
    message.exec();
}

void VerdimonNuvo::onAlwaysOnTopToggled(bool on)
{
    writeApp("AlwaysOnTop", on);
    setWindowTopmost(this, on);
}

void VerdimonNuvo::onShowFullInfoToggled(bool on)
{
    writeApp("ShowFullInfo", on);
    updateWindowTitle(on);
}

void VerdimonNuvo::onAutoDataExpandToggled(bool on)
{
    writeApp("AutoDataExpand", on);
    for (QTreeWidget *tree : { cpuTree, gpuTree, ramTree, storageTree, opticalTree, motherboardTree,
                               soundTree, networkTree, peripheralTree })
        expandAllItems(tree);
}

void VerdimonNuvo::onRestoreDefaultsClicked(bool on)
{
    restoreDefaultSettings(on);
}

void VerdimonNuvo::onAddToTrayToggled(bool on)
{
    excludeTraySwitches(on, { closeToTraySwitch, minimizeToTraySwitch });
    if (on) {
        initTrayIcon();
        showTrayMessage();
        if (!showWindowWhenInTraySwitch->isChecked())
            hideToTray();
    } else {
        exitApp();
    }
    writeApp("AddToTray", on);
}

void VerdimonNuvo::onCloseToTrayToggled(bool on)
{
    excludeTraySwitches(on, { addToTraySwitch, showWindowWhenInTraySwitch, minimizeToTraySwitch });
    if (!on)
        exitApp();
    writeApp("CloseToTray", on);
}

void VerdimonNuvo::onMinimizeToTrayToggled(bool on)
{
    excludeTraySwitches(on, { addToTraySwitch, closeToTraySwitch, showWindowWhenInTraySwitch });
    if (!on)
        exitApp();
    writeApp("MinimizeToTray", on);
}

void VerdimonNuvo::onNotifyWhenInTrayToggled(bool on)
{
    writeApp("NotifyWhenInTray", on);
}

void VerdimonNuvo::onShowWindowWhenInTrayToggled(bool on)
{
    writeApp("ShowWindowWhenInTray", on);
    if (!on)
        hideToTray();
}

void VerdimonNuvo::applyTrayAvailability()
{
    // Without a notification area the tray switches are stored but change nothing; their
    // tooltips say so.
    const bool available = trayAvailable();
    for (Switch *option : { addToTraySwitch, closeToTraySwitch, minimizeToTraySwitch,
                            notifyWhenInTraySwitch, showWindowWhenInTraySwitch }) {
        option->setToolTip(
            available ? option->text()
                      : QStringLiteral("%1 (%2)").arg(
                          option->text(), QObject::tr("this desktop has no notification area")));
    }
}

void VerdimonNuvo::setSampleFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setUnderline(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    fontSampleEdit->setFont(font);
}

void VerdimonNuvo::onFontFamilyActivated(const QString &family)
{
    setSampleFont(family, fontSizeComboBox->currentText().toInt());
    Settings::setSettingsValue(QStringLiteral("Fonts"), QStringLiteral("Family"), family);
    fontChangePending = true;
    applyFontBtn->setEnabled(true);
    resetFontBtn->setEnabled(true);
}

void VerdimonNuvo::onFontSizeActivated(const QString &size)
{
    setSampleFont(fontFamilyComboBox->currentText(), size.toInt());
    Settings::setSettingsValue(QStringLiteral("Fonts"), QStringLiteral("Size"), size.toInt());
    fontChangePending = true;
    applyFontBtn->setEnabled(true);
    resetFontBtn->setEnabled(true);
}

void VerdimonNuvo::onApplyFontClicked()
{
    if (!fontChangePending)
        return;
    promptRestart(QStringLiteral("%1 %2").arg(
        QObject::tr("You must restart the program to apply the selected font."),
        QObject::tr("Do you want to restart now?")));
}

void VerdimonNuvo::onDefaultFontClicked()
{
    resetAppFont();
    promptRestart(QStringLiteral("%1 %2").arg(
        QObject::tr("You must restart the program to set the default font."),
        QObject::tr("Do you want to restart now?")));
}

void VerdimonNuvo::resetAppFont()
{
    const QString family = QStringLiteral("Segoe UI");
    Settings::setSettingsValue(QStringLiteral("Fonts"), QStringLiteral("Family"), family);
    Settings::setSettingsValue(QStringLiteral("Fonts"), QStringLiteral("Size"), 12);
    fontFamilyComboBox->setCurrentIndex(
        fontFamilyComboBox->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive));
    fontSizeComboBox->setCurrentIndex(fontSizeComboBox->findText(
        QStringLiteral("12"), Qt::MatchExactly | Qt::MatchCaseSensitive));
    setSampleFont(fontFamilyComboBox->currentText(), fontSizeComboBox->currentText().toInt());
    fontChangePending = false;
    applyFontBtn->setEnabled(false);
    resetFontBtn->setEnabled(false);
}

void VerdimonNuvo::promptRestart(const QString &text)
{
    MsgDialog question(this, QObject::tr("Settings"), text, 4,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    question.buttonBox()->button(QDialogButtonBox::Yes)->setText(QObject::tr("Yes"));
    question.buttonBox()->button(QDialogButtonBox::No)->setText(QObject::tr("No"));
    // The stored font is the next start's; until then the program keeps the one it was built with.
    question.setContentFont(applyFontBtn->font());
    centerOnWidget(this, &question);
    if (question.exec() == QDialogButtonBox::Yes) {
        // The new copy starts while this one ends: it must find the place already stored.
        rememberPlace();
        ProcessEntry::restartApplication();
    }
}

void VerdimonNuvo::onOpacityChanged(int value)
{
    const double opacity = value / 10.0;
    if (opacity == 0.0)
        return;
    setWindowOpacity(opacity);
    writeApp("Opacity", opacity);
    emit opacitySettings(opacity);
}

void VerdimonNuvo::onSettingsSplitterMoved(int pos, int index)
{
    Q_UNUSED(pos)
    Q_UNUSED(index)
    writeApp("SettingsViewSize", settingsSplitter->saveState());
}
