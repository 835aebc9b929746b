#include "app/startup/splash.h"

#include "app/settings.h"
#include "app/startup/mainwindowfactory.h"
#include "app/systemfunctions.h"

#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QFont captionFont()
{
    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(Settings::fontSize());
    font.setWeight(75);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

Splash::Splash()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SubWindow)
    , form(new Form)
{
    setupForm();
    setWindowTitle(QStringLiteral("Splash"));
    setMinimumSize(680, 223);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowOpacity(Settings::windowOpacity());

    const QFont font = captionFont();
    form->label_2->setText(QObject::tr("Collecting information:"));
    form->label_2->setFont(font);
    form->label_2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    form->label_3->setText(QStringLiteral("%1%").arg(QStringLiteral("0")));
    form->label_3->setFont(font);

    auto *captionRow = new QHBoxLayout;
    captionRow->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    captionRow->addWidget(form->label_2);
    captionRow->addWidget(form->label_3);
    auto *column = new QVBoxLayout;
    column->addStretch(14);
    column->addLayout(captionRow);
    column->addStretch(1);
    setLayout(column);

    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Splash::tick);
    timer->start(tickIntervalMs);

    setWindowTopmost(this,
                     Settings::appSettingsValue(QStringLiteral("AlwaysOnTop"), false).toBool());
}

Splash::~Splash()
{
    delete form;
}

void Splash::setupForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Splash"));
    resize(680, 223);
    form->label = new QLabel(this);
    form->label->setObjectName(QStringLiteral("label"));
    form->label->setGeometry(36, 12, 621, 181);
    form->label->setScaledContents(true);
    // Read once, at the size it is shown (the file is twice as large), and kept out of the pixmap
    // cache, so nothing of it outlives the splash.
    const qreal ratio = devicePixelRatioF();
    QImageReader logo(QStringLiteral(":/Splash/Dravonel_Logo.png"));
    logo.setScaledSize(form->label->size() * ratio);
    QPixmap pixmap = QPixmap::fromImage(logo.read());
    pixmap.setDevicePixelRatio(ratio);
    form->label->setPixmap(pixmap);
    form->progressBar = new QProgressBar(this);
    form->progressBar->setObjectName(QStringLiteral("progressBar"));
    form->progressBar->setGeometry(40, 150, 611, 16);
    form->progressBar->setRange(0, 0);
    form->progressBar->setValue(-1);
    form->progressBar->setTextVisible(false);
    form->label_2 = new QLabel(this);
    form->label_2->setObjectName(QStringLiteral("label_2"));
    form->label_3 = new QLabel(this);
    form->label_3->setObjectName(QStringLiteral("label_3"));
}

void Splash::tick()
{
    if (percent < 100) {
        ++percent;
    } else if (timer) {
        timer->stop();
        timer->deleteLater();
        timer = nullptr;
        close();
        QWidget *mainWindow = MainWindowFactory::create();
        mainWindow->show();
    }
    form->progressBar->setValue(percent);
    form->label_3->setText(QStringLiteral("%1%").arg(percent));
}

void Splash::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        dragOffsetX = event->x();
        dragOffsetY = event->y();
    }
    QWidget::mousePressEvent(event);
}

void Splash::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        move(event->globalX() - dragOffsetX, event->globalY() - dragOffsetY);
    QWidget::mouseMoveEvent(event);
}

void Splash::mouseReleaseEvent(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void Splash::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        form->label_2->setText(QObject::tr("Collecting information:"));
    QWidget::changeEvent(event);
}
