#include "app/licenseagreement.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "tests/support/appidentity.h"
#include "widgets/scrollbar.h"

#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TestLicenseAgreement : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QSettings().clear();
        LicenseAgreement::setPageOverride(QString());
        m_messages.clear();
        MsgDialog::setTestResponder([this](MsgDialog *d) {
            m_messages.append(d->windowTitle() + "|" + d->textLabel()->text() + "|"
                              + QString::number(d->iconKind())
                              + (d->parentWidget() ? "|parent" : "|none"));
            return int(QDialogButtonBox::Ok);
        });
    }

    // Channel (0 development .. 3 release), stored language (0 automatic), system language.
    void pageChoice()
    {
        const std::tuple<int, int, QLocale::Language, QString> table[] = {
            { 3, 2, QLocale::English, "license.russian" },
            { 7, 5, QLocale::Russian, "license.english" }, // hand-edited
            { 0, 0, QLocale::German, "Dev.license.english" },
            { 0, 0, QLocale::Ukrainian, "Dev.license.ukrainian" },
            { 1, 3, QLocale::English, "Insider.license.ukrainian" },
            { 2, 1, QLocale::Russian, "Beta.license.english" },
        };
        for (const auto &[channel, language, system, page] : table)
            QCOMPARE(LicenseAgreement::pagePath(channel, language, system),
                     ":License/VerdimonNuvo." + page + ".html");
    }

    void viewerShowsThePage()
    {
        Settings::setSettingsValue("Updates", "UpdatesChannel", "2");
        Settings::setSettingsValue("AppSettings", "AppLanguage", "2");
        Settings::setSettingsValue("AppSettings", "Opacity", 0.9);
        QPointer<LicenseAgreement> viewer = new LicenseAgreement;
        QVERIFY(viewer->isLoaded());
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(viewer->windowTitle(), QString("License agreement"));
        QCOMPARE(viewer->windowModality(), Qt::ApplicationModal);
        QVERIFY(viewer->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(qAbs(viewer->windowOpacity() - 0.9) < 0.01);
        QVERIFY(viewer->textBrowser()->toPlainText().contains("Лицензионное соглашение"));
        QVERIFY(viewer->textBrowser()->toPlainText().contains("Beta"));
        QVERIFY(qobject_cast<ScrollBar *>(viewer->textBrowser()->verticalScrollBar()));
        QVERIFY(qobject_cast<ScrollBar *>(viewer->textBrowser()->horizontalScrollBar()));

        QPushButton *close = viewer->findChild<QPushButton *>();
        QVERIFY(close);
        QCOMPARE(close->text(), QString("Close"));

        viewer->show();
        viewer->setWindowTitle("x");
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(viewer, &change);
        QCOMPARE(viewer->windowTitle(), QString("License agreement"));

        close->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
    }

    void missingPageShowsErrorAndNoViewer()
    {
        for (bool emptyFile : { false, true }) {
            m_messages.clear();
            QTemporaryDir dir;
            const QString path = dir.filePath("page.html");
            if (emptyFile)
                QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            LicenseAgreement::setPageOverride(path);
            QWidget owner;
            QPointer<LicenseAgreement> viewer = new LicenseAgreement(&owner);
            QCOMPARE(m_messages, QStringList({ "Error|License file was not found!|3|none" }));
            QVERIFY(!viewer->isLoaded());
            // What the caller does next must not bring up an empty window or block.
            QCOMPARE(viewer->exec(), int(QDialog::Rejected));
            viewer->show();
            QVERIFY(!viewer->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(viewer.isNull());
        }
    }

private:
    QStringList m_messages;
};

QTEST_MAIN(TestLicenseAgreement)
#include "tst_licenseagreement.moc"
