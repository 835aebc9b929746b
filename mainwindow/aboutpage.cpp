// The About page: maker, build, channel, links, architecture, edition and the account button.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/accountimage.h"
#include "app/config.h"
#include "app/fonts.h"
#include "app/language.h"
#include "app/licenseagreement.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "widgets/appqlabel.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>

namespace {

QLabel *makeCaption(const QString &text, QWidget *parent)
{
    auto *caption = new QLabel(text, parent);
    caption->setFont(appFont(true));
    return caption;
}

QLabel *makeValue(const QString &text, QWidget *parent)
{
    auto *value = new QLabel(text, parent);
    value->setFont(appFont(false));
    return value;
}

AppQLabel *makeLink(const QString &richText, QWidget *parent)
{
    auto *link = new AppQLabel(richText, parent);
    link->setFont(appFont(false));
    link->setMouseTracking(true);
    link->setAttribute(Qt::WA_Hover);
    return link;
}

} // namespace

QString VerdimonNuvo::privacyPolicyLinkText(int language)
{
    return QStringLiteral(
               "<a style=\"text-decoration: none;\" href=\"%1/terms/privacy-policy-%2\">%3</a>")
        .arg(Config::webBaseUrl(), languageCode(language), QObject::tr("Privacy Policy"));
}

QString VerdimonNuvo::websiteLinkText()
{
    return QStringLiteral("<a style=\"text-decoration: none;\" href=\"%1\">%2</a>")
        .arg(Config::webBaseUrl(), QUrl(Config::webBaseUrl()).host());
}

void VerdimonNuvo::createAboutPage()
{
    QWidget *page = aboutPage;

    companyCaptionLabel = makeCaption(QObject::tr("Company:"), page);
    companyValueLabel = makeValue(QString::fromLatin1(Product::organisation), page);
    aboutBuildCaptionLabel = makeCaption(QObject::tr("Build:"), page);
    aboutBuildValueLabel = makeValue(QString::fromLatin1(Product::version), page);
    channelCaptionLabel = makeCaption(QObject::tr("Channel:"), page);
    aboutChannelLabel = makeValue(QObject::tr("Unknown"), page);
    eulaCaptionLabel = makeCaption(QObject::tr("EULA:"), page);
    eulaLink = makeLink(linkText(QObject::tr("End-User License Agreement")), page);
    privacyPolicyCaptionLabel = new AppQLabel(QObject::tr("Privacy Policy:"), page);
    privacyPolicyCaptionLabel->setFont(appFont(true));
    // Built before the stored settings reach the language combo box, so it reads the setting.
    privacyPolicyLink
        = makeLink(privacyPolicyLinkText(Settings::intValue(QStringLiteral("AppSettings"),
                                                            QStringLiteral("AppLanguage"), 0)),
                   page);
    privacyPolicyLink->setOpenExternalLinks(true);
    architectureCaptionLabel = makeCaption(QObject::tr("Architecture:"), page);
    architectureValueLabel
        = makeValue(formatArchitecture(QString::number(applicationBitness())), page);
    versionCaptionLabel = makeCaption(QObject::tr("Version:"), page);
    // The edition is the last word of the product name.
    versionValueLabel = makeValue(
        QString::fromLatin1(Product::displayName).split(QLatin1Char(' ')).constLast(), page);
    accountCaptionLabel = makeCaption(QObject::tr("Account:"), page);
    accountImage = new AccountImage(this);
    accountImage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    accountImage->setFixedSize(25, 25);
    accountImage->setScaledContents(true);
    accountImage->setToolTip(QObject::tr("Account"));
    feedbackCaptionLabel = makeCaption(QObject::tr("Feedback:"), page);
    feedbackLink = makeLink(linkText(QObject::tr("Send feedback")), page);
    websiteCaptionLabel = makeCaption(QObject::tr("Website:"), page);
    websiteLink = makeLink(websiteLinkText(), page);
    websiteLink->setOpenExternalLinks(true);

    connect(eulaLink, &QLabel::linkActivated, this, &VerdimonNuvo::showLicenseAgreement);
    connectLinkCursor(eulaLink);
    connectLinkCursor(privacyPolicyLink);
    connect(accountImage, &AccountImage::mouseClick, this, &VerdimonNuvo::onAccountImageClicked);
    connect(feedbackLink, &QLabel::linkActivated, this, &VerdimonNuvo::showFeedbackDlg);
    connectLinkCursor(feedbackLink);
    connectLinkCursor(websiteLink);

    auto *versionRow = new QHBoxLayout;
    versionRow->setAlignment(Qt::AlignLeft);
    versionRow->addWidget(versionValueLabel);

    auto *form = new QFormLayout;
    form->setSpacing(18);
    form->addRow(companyCaptionLabel, companyValueLabel);
    form->addRow(aboutBuildCaptionLabel, aboutBuildValueLabel);
    form->addRow(channelCaptionLabel, aboutChannelLabel);
    form->addRow(eulaCaptionLabel, eulaLink);
    form->addRow(privacyPolicyCaptionLabel, privacyPolicyLink);
    form->addRow(architectureCaptionLabel, architectureValueLabel);
    form->addRow(versionCaptionLabel, versionRow);
    form->addRow(accountCaptionLabel, accountImage);
    form->addRow(feedbackCaptionLabel, feedbackLink);
    form->addRow(websiteCaptionLabel, websiteLink);

    auto *pageLayout = new QHBoxLayout;
    pageLayout->setAlignment(Qt::AlignHCenter);
    pageLayout->addLayout(form);
    page->setLayout(pageLayout);
}

void VerdimonNuvo::showLicenseAgreement()
{
    // A missing page has already been reported by the viewer, which then closes itself; it is
    // not run, so no empty viewer appears after the error.
    auto *viewer = new LicenseAgreement(this);
    if (!viewer->isLoaded())
        return;
    setWindowTopmost(viewer, alwaysOnTopSwitch->isChecked());
    viewer->exec();
}
