// Changing the language at run time: every text of the window follows the installed catalogue,
// while indexes, selections, check states and the search's result stay as they were.

#include "accounts/accountimage.h"
#include "app/settings.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// Puts "@" before every text of the QObject context, so a test sees which texts were set again.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") == 0 && sourceText && *sourceText)
            return QStringLiteral("@") + QString::fromUtf8(sourceText);
        return QString();
    }
};

QString plain(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text the user can read in the window, in widget order, each prefixed with its widget's
// class; widgets that hold data rather than texts (font lists, paths, drives) are left out.
QStringList windowTexts(const QWidget *window)
{
    QStringList texts;
    auto add = [&texts](const QObject *owner, const QString &text) {
        if (!text.isEmpty())
            texts.append(QString::fromLatin1(owner->metaObject()->className()) + QLatin1Char(':')
                         + plain(text));
    };
    for (const QAction *action : window->findChildren<QAction *>())
        add(action, action->text());
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(label, label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(button, button->text());
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget); edit && !edit->isReadOnly())
            add(edit, edit->placeholderText() + QLatin1Char('|') + edit->text());
        if (const auto *box = qobject_cast<const QComboBox *>(widget);
            box && box->isEditable() == false) {
            for (int row = 0; row < box->count() && box->count() < 6; ++row)
                add(box, box->itemText(row));
        }
        if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int index = 0; index < tabs->count(); ++index)
                add(tabs, tabs->tabText(index));
        }
        if (const auto *list = qobject_cast<const QListWidget *>(widget)) {
            for (int row = 0; row < list->count(); ++row)
                add(list, list->item(row)->text());
        }
        if (const auto *tree = qobject_cast<const QTreeWidget *>(widget);
            tree && !tree->isHeaderHidden()) {
            for (int column = 0; column < tree->columnCount(); ++column)
                add(tree, tree->headerItem()->text(column));
        }
        if (!widget->toolTip().isEmpty() && !widget->toolTip().startsWith(QLatin1Char('/')))
            add(widget, QStringLiteral("tip ") + widget->toolTip());
    }
    return texts;
}

} // namespace

class TstRetranslation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    MarkingTranslator marker;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        fakes = std::make_unique<plat::FakePlatform>();
        fakes->screenInfo->screenSize = QSize(1600, 1000);
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
    }

    void everyTextFollowsTheLanguage()
    {
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        // The About page names the loaded channel, as the settings' loading leaves it.
        window.aboutChannelLabel->setText(window.updatesChannelComboBox->currentText());
        const QStringList english = windowTexts(&window);

        QCoreApplication::installTranslator(&marker);
        window.retranslateUi();
        QCoreApplication::removeTranslator(&marker);
        // What stays the same in every language: language names, SMART and TPM, the delivery
        // services, the maker, build, architecture and edition, the website and six command names.
        static const QRegularExpression fixed(QStringLiteral(
            ":(tip )?(English|Русский|Українська|SMART|TPM|Dravonel|OneDrive|Dropbox|Windows "
            "PowerShell|Paint|Wordpad|IExpress|Internet "
            "Explorer|Nuvo|[\\d.]+|x\\d\\d|[\\w.-]+\\.\\w+|"
            ".*Dravonel.*)$"));
        QStringList untouched;
        for (const QString &text : windowTexts(&window)) {
            if (!text.contains(QLatin1Char('@')) && !fixed.match(text).hasMatch())
                untouched.append(text);
        }
        QCOMPARE(untouched, QStringList());

        // Back in English, the window reads as it was built; the Services header alone takes the
        // capital of its Drivers twin.
        window.retranslateUi();
        QStringList expected = english;
        const int servicesFileName = expected.indexOf(QStringLiteral("QTreeWidget:File name"));
        QVERIFY(servicesFileName >= 0);
        expected[servicesFileName] = QStringLiteral("QTreeWidget:File Name");
        QCOMPARE(windowTexts(&window), expected);
    }

    // The About page is built before the stored settings reach the language combo box.
    void privacyLinkFollowsTheStoredLanguage()
    {
        Settings::setSettingsValue("AppSettings", "AppLanguage", 3);
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        Settings::setSettingsValue("AppSettings", "AppLanguage", 0);
        QVERIFY(window.privacyPolicyLink->text().contains("privacy-policy-uk\""));
    }

    void statesStay()
    {
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.tabControl->setCurrentIndex(11);
        window.settingsMenuView->setCurrentRow(2);
        window.languageComboBox->setCurrentIndex(2);
        window.themeComboBox->setCurrentIndex(2);
        window.updatesChannelComboBox->setCurrentIndex(1);
        window.showFullInfoSwitch->setChecked(true);
        window.alwaysOnTopSwitch->setChecked(true);
        window.searchCommandEdit->setText(QStringLiteral("Display"));
        window.searchUsefulCommands();
        window.signedIn = true;
        window.accountImage->setToolTip(QStringLiteral("jane"));
        window.createTrayMenu();
        window.networkStatusValueLabel->setText(QStringLiteral("Connected"));
        window.networkStatusValueLabel->setStyleSheet(QStringLiteral("color: green;"));
        auto hiddenButtons = [&window] {
            QVector<bool> hidden;
            for (QPushButton *button : window.usefulCommandButtons)
                hidden.append(button->isHidden());
            return hidden;
        };
        const QVector<bool> hiddenBefore = hiddenButtons();
        QCOMPARE(hiddenBefore.count(false), 8);

        QCoreApplication::installTranslator(&marker);
        window.retranslateUi();
        QCoreApplication::removeTranslator(&marker);

        QCOMPARE(window.tabControl->currentIndex(), 11);
        QCOMPARE(window.tabControl->tabBar()->tabToolTip(6), "@Optical Devices");
        QCOMPARE(window.settingsMenuView->currentRow(), 2);
        QCOMPARE(window.settingsMenuView->item(0)->data(Qt::UserRole).toString(), "Settings");
        QCOMPARE(window.languageComboBox->currentIndex(), 2);
        QCOMPARE(window.themeComboBox->currentIndex(), 2);
        QCOMPARE(window.updatesChannelComboBox->currentIndex(), 1);
        QVERIFY(window.showFullInfoSwitch->isChecked() && window.alwaysOnTopSwitch->isChecked());
        QVERIFY(!window.restoreDefaultsSwitch->isChecked());
        QCOMPARE(window.searchCommandEdit->text(), "Display");
        QCOMPARE(hiddenButtons(), hiddenBefore);
        QCOMPARE(window.accountImage->toolTip(), "jane");
        QCOMPARE(window.trayLanguagesMenu->title(), "@Languages");
        QCOMPARE(window.networkStatusValueLabel->text(), "@Unknown");
        QCOMPARE(window.networkStatusValueLabel->styleSheet(), "color: #FFFFFF;");
        QVERIFY(window.privacyPolicyLink->text().contains("privacy-policy-ru\""));
        QCOMPARE(window.aboutChannelLabel->text(), "@Insider");
        QVERIFY(window.windowTitle().contains("@Insider"));
        QVERIFY(!window.languageComboBox->itemIcon(0).isNull());
    }
};

QTEST_MAIN(TstRetranslation)
#include "tst_retranslation.moc"
