#include "app/licenseagreement.h"

#include "app/appenums.h"
#include "app/dialogstyle.h"
#include "app/language.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "widgets/scrollbar.h"

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

namespace Ui {
// The dialog's form: the text browser.
class LicenseAgreement
{
public:
    QTextBrowser *textBrowser = nullptr;

    void setupUi(QDialog *dialog)
    {
        if (dialog->objectName().isEmpty())
            dialog->setObjectName(QStringLiteral("LicenseAgreement"));
        dialog->resize(535, 380);
        textBrowser = new QTextBrowser(dialog);
        textBrowser->setObjectName(QStringLiteral("textBrowser"));
    }
};
} // namespace Ui

namespace {

QString &pageOverride()
{
    static QString path;
    return path;
}

int storedNumber(const QString &group, const QString &key, int defaultValue)
{
    bool ok = false;
    const int value = Settings::settingsValue(group, key, defaultValue).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

LicenseAgreement::LicenseAgreement(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LicenseAgreement)
{
    ui->setupUi(this);
    setWindowTitle(QObject::tr("License agreement"));
    setMinimumSize(535, 380);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);

    // The browser takes ownership of its scroll bars and gives them their orientation.
    ui->textBrowser->setHorizontalScrollBar(new ScrollBar(this));
    ui->textBrowser->setVerticalScrollBar(new ScrollBar(this));
    const QFont font = dialogFont();
    ui->textBrowser->setFont(font);

    auto *frame = new QFrame(this);
    auto *frameLayout = new QHBoxLayout(frame);
    auto *closeButton = new QPushButton(QObject::tr("Close"), frame);
    closeButton->setFont(font);
    closeButton->setMinimumSize(60, textFitHeight(closeButton, 23));
    frameLayout->addWidget(closeButton, 1, Qt::AlignRight | Qt::AlignBottom);
    connect(closeButton, &QPushButton::clicked, this, &LicenseAgreement::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *browserRow = new QHBoxLayout;
    browserRow->addWidget(ui->textBrowser);
    layout->addLayout(browserRow);
    layout->addWidget(frame);
    fitDialogToContents(this, QSize(535, 380));

    loadText();
}

LicenseAgreement::~LicenseAgreement()
{
    if (!ui->textBrowser->document()->isEmpty())
        ui->textBrowser->clear();
    delete ui;
}

QTextBrowser *LicenseAgreement::textBrowser() const
{
    return ui->textBrowser;
}

QString LicenseAgreement::pagePath(int channel, int language, QLocale::Language system)
{
    QString word = QStringLiteral("english");
    const int resolved = resolvedLanguage(language, system);
    if (resolved == App::Russian)
        word = QStringLiteral("russian");
    else if (resolved == App::Ukrainian)
        word = QStringLiteral("ukrainian");

    QString pattern;
    switch (channel) {
    case Update::Development:
        pattern = QStringLiteral(":License/%1.Dev.license.%2.html");
        break;
    case Update::Insider:
        pattern = QStringLiteral(":License/%1.Insider.license.%2.html");
        break;
    case Update::Beta:
        pattern = QStringLiteral(":License/%1.Beta.license.%2.html");
        break;
    default:
        pattern = QStringLiteral(":License/%1.license.%2.html");
        break;
    }
    return pattern.arg(QStringLiteral("VerdimonNuvo"), word);
}

void LicenseAgreement::loadText()
{
    const int language = storedNumber(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"),
                                      App::AutoSelect);
    const int channel = storedNumber(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                                     Update::Release);
    QFile page(pageOverride().isEmpty() ? pagePath(channel, language, systemLanguage())
                                        : pageOverride());
    if (page.exists() && page.size() > 0 && page.open(QIODevice::ReadOnly)) {
        QTextStream stream(&page);
        stream.setCodec("windows-1251");
        ui->textBrowser->setHtml(stream.readAll());
        page.close();
        m_loaded = true;
        return;
    }

    MsgDialog message(nullptr, QObject::tr("Error"), QObject::tr("License file was not found!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
    close();
}

void LicenseAgreement::setPageOverride(const QString &path)
{
    pageOverride() = path;
}

int LicenseAgreement::exec()
{
    // A viewer without its page must not come up empty after the error.
    if (!m_loaded)
        return QDialog::Rejected;
    return QDialog::exec();
}

void LicenseAgreement::setVisible(bool visible)
{
    if (visible && !m_loaded)
        return;
    QDialog::setVisible(visible);
}

void LicenseAgreement::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(QObject::tr("License agreement"));
    QDialog::changeEvent(event);
}
