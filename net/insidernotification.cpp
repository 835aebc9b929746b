#include "net/insidernotification.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "app/settings.h"
#include "widgets/appqframe.h"
#include "widgets/appqlabel.h"
#include "widgets/switch.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct PaletteRow
{
    QPalette::ColorRole role;
    QRgb active; // also Inactive
    QRgb disabled;
};

// A light-gray window of its own, whatever the theme.
const PaletteRow paletteRows[] = {
    { QPalette::WindowText, qRgb(0, 0, 0), qRgb(84, 84, 84) },
    { QPalette::Button, qRgb(169, 169, 169), qRgb(169, 169, 169) },
    { QPalette::Light, qRgb(254, 254, 254), qRgb(254, 254, 254) },
    { QPalette::Midlight, qRgb(211, 211, 211), qRgb(211, 211, 211) },
    { QPalette::Dark, qRgb(84, 84, 84), qRgb(84, 84, 84) },
    { QPalette::Mid, qRgb(113, 113, 113), qRgb(113, 113, 113) },
    { QPalette::Text, qRgb(0, 0, 0), qRgb(84, 84, 84) },
    { QPalette::BrightText, qRgb(255, 255, 255), qRgb(255, 255, 255) },
    { QPalette::ButtonText, qRgb(0, 0, 0), qRgb(84, 84, 84) },
    { QPalette::Base, qRgb(255, 255, 255), qRgb(169, 169, 169) },
    { QPalette::Window, qRgb(169, 169, 169), qRgb(169, 169, 169) },
    { QPalette::Shadow, qRgb(0, 0, 0), qRgb(0, 0, 0) },
    { QPalette::AlternateBase, qRgb(212, 212, 212), qRgb(169, 169, 169) },
    { QPalette::ToolTipBase, qRgb(255, 255, 220), qRgb(255, 255, 220) },
    { QPalette::ToolTipText, qRgb(0, 0, 0), qRgb(0, 0, 0) },
};

QPalette notificationPalette()
{
    QPalette palette;
    for (const PaletteRow &row : paletteRows) {
        const QBrush active { QColor(row.active), Qt::SolidPattern };
        palette.setBrush(QPalette::Active, row.role, active);
        palette.setBrush(QPalette::Inactive, row.role, active);
        palette.setBrush(QPalette::Disabled, row.role,
                         QBrush(QColor(row.disabled), Qt::SolidPattern));
    }
    return palette;
}

QFont labelFont(bool bold)
{
    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(14);
    font.setWeight(bold ? 75 : 50);
    font.setUnderline(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A picture drawn in one colour, its shape kept.
QPixmap inColour(const QString &file, const QColor &colour)
{
    QPixmap picture(file);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(picture.rect(), colour);
    return picture;
}

// An icon of the title bar that changes its picture under the pointer. At rest it is drawn in
// the title's colour: black icons would vanish on the bar of a dark theme.
AppQLabel *titleIcon(QWidget *titleBar, const QString &normal, const QString &hovered,
                     const QRect &geometry, const QString &toolTip, const QColor &ink)
{
    auto *icon = new AppQLabel(titleBar);
    const QPixmap resting = inColour(normal, ink);
    icon->setPixmap(resting);
    icon->setFont(labelFont(true));
    icon->setGeometry(geometry);
    icon->setAttribute(Qt::WA_Hover);
    icon->setScaledContents(true);
    icon->setToolTip(toolTip);
    icon->setAttribute(Qt::WA_TranslucentBackground);
    QObject::connect(icon, &AppQLabel::mouseEnter, icon, [icon, hovered]() {
        icon->setPixmap(QPixmap(hovered));
        icon->setCursor(Qt::ArrowCursor);
    });
    QObject::connect(icon, &AppQLabel::mouseLeave, icon, [icon, resting]() {
        icon->setPixmap(resting);
        icon->unsetCursor();
    });
    return icon;
}

} // namespace

InsiderNotification::InsiderNotification(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InsiderNotification"));
    setPalette(notificationPalette());
    setAutoFillBackground(true);
    auto *formFrame = new QFrame(this);
    formFrame->setObjectName(QStringLiteral("frame"));
    formFrame->setGeometry(0, 0, 470, 30);
    formFrame->setFrameShape(QFrame::StyledPanel);
    formFrame->setFrameShadow(QFrame::Raised);

    setWindowTitle(QObject::tr("Insider notification"));
    setFixedSize(472, 165);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowOpacity(Settings::windowOpacity());
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("insiderNotification"));

    titleBar = new AppQFrame(this);
    titleBar->setGeometry(0, 0, 472, 30);
    titleBar->setAttribute(Qt::WA_Hover);
    titleBar->setObjectName(QStringLiteral("titleInsiderNotification"));
    connect(titleBar, &AppQFrame::mouseClick, this, &InsiderNotification::onTitlePressed);
    connect(titleBar, &AppQFrame::mouseMove, this, &InsiderNotification::onTitleMoved);
    connect(titleBar, &AppQFrame::mouseRelease, this, &InsiderNotification::onTitleReleased);
    connect(titleBar, &AppQFrame::mouseEnter, titleBar,
            [this]() { titleBar->setCursor(Qt::SizeAllCursor); });
    connect(titleBar, &AppQFrame::mouseLeave, titleBar, [this]() { titleBar->unsetCursor(); });

    titleLabel = new QLabel(windowTitle(), titleBar);
    titleLabel->setGeometry(11, 4, 300, 25);
    titleLabel->setObjectName(QStringLiteral("dlgTitle"));
    titleLabel->setAttribute(Qt::WA_TranslucentBackground);
    titleLabel->setFont(labelFont(true));
    // The title's colour as the theme in force gives it.
    titleLabel->ensurePolished();
    const QColor titleInk = titleLabel->palette().color(titleLabel->foregroundRole());

    minimizeLabel = titleIcon(titleBar, QStringLiteral(":/Icon/window-minimize_black.svg"),
                              QStringLiteral(":/Icon/window-minimize_blue.svg"),
                              QRect(437, 4, 10, 16), QObject::tr("Minimize"), titleInk);
    connect(minimizeLabel, &AppQLabel::mouseClick, this,
            [this]() { setWindowState(Qt::WindowMinimized); });

    offerLabel = new QLabel(offerText(QObject::tr("unknown")), this);
    offerLabel->setObjectName(QStringLiteral("label_2"));
    offerLabel->setGeometry(10, 50, 430, 25);
    offerLabel->setTextFormat(Qt::PlainText); // the build comes from the server
    offerLabel->setFont(labelFont(false));

    noteLabel = new QLabel(noteText(), this);
    noteLabel->setObjectName(QStringLiteral("label_3"));
    noteLabel->setMinimumSize(450, 28);
    noteLabel->setWordWrap(true);
    noteLabel->setFont(labelFont(false));

    const QFont controlFont = appFont(false);
    dontShowSwitch = new Switch(QObject::tr("Do not show this again"), this);
    dontShowSwitch->setToolTip(dontShowSwitch->text());
    dontShowSwitch->setFont(controlFont);
    connect(dontShowSwitch, &QAbstractButton::clicked, this,
            &InsiderNotification::onDontShowClicked);

    installButton = new QPushButton(QObject::tr("Install"), this);
    installButton->setObjectName(QStringLiteral("insiderBtn"));
    installButton->setFont(controlFont);
    installButton->setMinimumSize(90, textFitHeight(installButton, 23));
    connect(installButton, &QPushButton::clicked, this, &InsiderNotification::onInstallClicked);

    closeButton = new QPushButton(QObject::tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("insiderBtn"));
    closeButton->setFont(controlFont);
    closeButton->setMinimumSize(80, textFitHeight(closeButton, 23));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    closeLabel = titleIcon(titleBar, QStringLiteral(":/Icon/times_black.svg"),
                           QStringLiteral(":/Icon/times_red.svg"), QRect(452, 6, 10, 16),
                           QObject::tr("Close"), titleInk);
    connect(closeLabel, &AppQLabel::mouseClick, this, &QWidget::close);

    auto *upper = new QVBoxLayout;
    upper->addStretch(4);
    upper->addWidget(offerLabel);
    upper->addStretch(1);
    upper->addWidget(noteLabel);
    upper->addStretch(1);
    auto *lower = new QHBoxLayout;
    lower->setSpacing(15);
    lower->addWidget(dontShowSwitch);
    lower->addWidget(installButton, 1, Qt::AlignRight | Qt::AlignBottom);
    lower->addWidget(closeButton, 0, Qt::AlignRight | Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addLayout(lower);
}

InsiderNotification::~InsiderNotification() = default;

QString InsiderNotification::offerText(const QString &build)
{
    return QStringLiteral("%1 %2 %3")
        .arg(QObject::tr("New insider build"), build,
             QObject::tr("is available! Do you want to install it?"));
}

QString InsiderNotification::noteText()
{
    return QStringLiteral("<strong>%1</strong> %2")
        .arg(QObject::tr("Note:"),
             QObject::tr("If you click install you will be automatically set to Insider updates "
                         "channel"));
}

void InsiderNotification::setBuildNumber(const QString &build)
{
    m_buildNumber = build;
    offerLabel->setText(offerText(build));
}

void InsiderNotification::onTitlePressed(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        dragOffsetX = event->x();
        dragOffsetY = event->y();
    }
    QWidget::mousePressEvent(event);
}

void InsiderNotification::onTitleMoved(QMouseEvent *event)
{
    if (dragging)
        move(event->globalX() - dragOffsetX, event->globalY() - dragOffsetY);
    QWidget::mouseMoveEvent(event);
}

void InsiderNotification::onTitleReleased(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void InsiderNotification::onInstallClicked()
{
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                               int(Update::Insider));
    emit setInsiderChannel(Update::Insider);
    emit startInsiderUpdate();
    close();
}

void InsiderNotification::onDontShowClicked(bool isEnabled)
{
    // The switch on means: no more offers.
    Settings::setSettingsValue(QStringLiteral("Updates"),
                               QStringLiteral("GetInsiderBuildsNotification"), !isEnabled);
    emit disableInsiderNotification(isEnabled);
}

void InsiderNotification::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(QObject::tr("Insider notification"));
        minimizeLabel->setToolTip(QObject::tr("Minimize"));
        closeLabel->setToolTip(QObject::tr("Close"));
        offerLabel->setText(offerText(m_buildNumber));
        noteLabel->setText(noteText());
        dontShowSwitch->setText(QObject::tr("Do not show this again"));
        installButton->setText(QObject::tr("Install"));
        closeButton->setText(QObject::tr("Close"));
    }
    QDialog::changeEvent(event);
}
