#include "app/msgdialog.h"

#include "app/dialogstyle.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "widgets/appqlabel.h"

#include <QAccessible>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QTimer>

namespace {

MsgDialog::Responder &testResponder()
{
    static MsgDialog::Responder responder;
    return responder;
}

QPixmap standardIconPixmap(QStyle *style, int kind, const QSize &size)
{
    QStyle::StandardPixmap which;
    switch (kind) {
    case 1:
        which = QStyle::SP_MessageBoxInformation;
        break;
    case 2:
        which = QStyle::SP_MessageBoxWarning;
        break;
    case 3:
        which = QStyle::SP_MessageBoxCritical;
        break;
    case 4:
        which = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        return QPixmap();
    }
    return style->standardIcon(which).pixmap(size, QIcon::Normal, QIcon::Off);
}

} // namespace

MsgDialog::MsgDialog(QWidget *parent, const QString &title, const QString &text, int iconKind,
                     QDialogButtonBox::StandardButtons buttons)
    : QDialog(parent)
    , m_iconSize(30, 30)
    , m_iconKind(iconKind)
{
    build(title, text, standardIconPixmap(style(), iconKind, m_iconSize), buttons);
}

MsgDialog::MsgDialog(QWidget *parent, const QString &title, const QString &text, QPixmap icon,
                     QDialogButtonBox::StandardButtons buttons)
    : QDialog(parent)
    , m_iconSize(40, 40)
{
    build(title, text, icon, buttons);
}

MsgDialog::~MsgDialog()
{
    delete m_iconLabel;
    delete m_textLabel;
    delete m_buttonBox;
}

void MsgDialog::build(const QString &title, const QString &text, const QPixmap &pixmap,
                      QDialogButtonBox::StandardButtons buttons)
{
    setWindowTitle(title);
    applyDialogWindowStyle(this);
    // Missing before the start-up defaults are written: the box is then topmost.
    setWindowTopmost(
        this,
        Settings::boolValue(QStringLiteral("AppSettings"), QStringLiteral("AlwaysOnTop"), true));

    m_iconLabel = new AppQLabel(this);
    m_iconLabel->setScaledContents(true);
    if (!pixmap.isNull())
        m_iconLabel->setPixmap(pixmap);
    m_iconLabel->setFixedSize(m_iconSize);

    const QFont font = dialogFont();
    m_textLabel = new AppQLabel(text, this);
    m_textLabel->setFont(font);
    m_textLabel->setWordWrap(true);

    m_buttonBox = new QDialogButtonBox(this);
    addButtons(buttons, font);

    auto *grid = new QGridLayout;
    grid->addWidget(m_iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    grid->addItem(new QSpacerItem(7, 1, QSizePolicy::Fixed, QSizePolicy::Fixed), 0, 1, 2, 1);
    grid->addWidget(m_textLabel, 0, 2);
    grid->addWidget(m_buttonBox, grid->rowCount(), 0, 1, grid->columnCount());
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    setLayout(grid);

    fitSize();
}

void MsgDialog::addButtons(QDialogButtonBox::StandardButtons buttons, const QFont &font)
{
    for (uint flag = QDialogButtonBox::Ok; flag <= QDialogButtonBox::RestoreDefaults; flag <<= 1) {
        if (!(uint(buttons) & flag))
            continue;
        const auto which = static_cast<QDialogButtonBox::StandardButton>(flag);
        QPushButton *button = m_buttonBox->addButton(which);
        if (!button)
            continue;
        button->setFont(font);
        button->setMinimumSize(60, textFitHeight(button, 23));
        connect(button, &QPushButton::clicked, this,
                [this, button] { done(int(m_buttonBox->standardButton(button))); });
    }
}

QPair<int, int> MsgDialog::widthLimits(int screenWidth)
{
    const int hardLimit = screenWidth <= 1024 ? screenWidth : qMin(screenWidth - 480, 1000);
    const int softLimit = qMin(screenWidth / 2, 500);
    return qMakePair(hardLimit, softLimit);
}

void MsgDialog::setContentFont(const QFont &font)
{
    m_textLabel->setFont(font);
    for (QAbstractButton *button : m_buttonBox->buttons()) {
        button->setFont(font);
        button->setMinimumSize(60, textFitHeight(button, 23));
    }
    fitSize();
}

void MsgDialog::fitSize()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    const QPair<int, int> limits = widthLimits(screenWidth);
    const int hardLimit = limits.first;
    const int softLimit = limits.second;

    QLayout *grid = layout();
    m_textLabel->setWordWrap(false);
    grid->invalidate();
    int width = grid->totalMinimumSize().width();
    if (width > softLimit) {
        m_textLabel->setWordWrap(true);
        grid->invalidate();
        width = qMin(hardLimit, qMax(softLimit, grid->totalMinimumSize().width()));
    }

    m_textLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    m_textLabel->setSizePolicy(policy);
    grid->invalidate();
    width = qMin(hardLimit, qMax(width, grid->totalMinimumSize().width()));

    policy.setHeightForWidth(m_textLabel->wordWrap());
    m_textLabel->setSizePolicy(policy);
    grid->invalidate();

    const int height = grid->hasHeightForWidth() ? grid->totalHeightForWidth(width)
                                                 : grid->totalMinimumSize().height();
    setFixedSize(width, height);
}

int MsgDialog::exec()
{
    if (!testResponder())
        return QDialog::exec();
    // Answered from inside the box's own loop, as a user answers: whatever is queued while the
    // box is open (a reply, a finished task, a deleteLater) runs before exec() returns.
    bool answered = false;
    QTimer answerTimer; // goes with this call, so it never fires after exec() returned
    answerTimer.setSingleShot(true);
    connect(&answerTimer, &QTimer::timeout, this, [this, &answered] {
        answered = true;
        const QPointer<MsgDialog> self(this);
        const Responder responder = testResponder(); // it may set another one
        const int answer = responder ? responder(this) : 0;
        if (!self)
            return; // released with its parent while the responder waited; exec() has ended
        if (isVisible())
            done(answer);
        else
            setResult(answer); // a button or close() ended the loop already
    });
    answerTimer.start(0);
    const int result = QDialog::exec();
    if (answered)
        return result;
    // No loop runs once the application has been told to quit (until its exec() starts again):
    // the responder answers without one, and only once (a responder that waits lets the timer
    // run).
    answerTimer.stop();
    const Responder responder = testResponder();
    return responder ? responder(this) : result;
}

void MsgDialog::setTestResponder(Responder responder)
{
    testResponder() = std::move(responder);
}

bool MsgDialog::hasTestResponder()
{
    return bool(testResponder());
}

void MsgDialog::keyPressEvent(QKeyEvent *event)
{
    // Only Escape is handled here; Enter and Space stay with the focused button.
    if (event->matches(QKeySequence::Cancel))
        close();
}

void MsgDialog::closeEvent(QCloseEvent *event)
{
    const QList<QAbstractButton *> buttons
        = m_buttonBox ? m_buttonBox->buttons() : QList<QAbstractButton *>();
    if (buttons.size() == 1) {
        done(int(m_buttonBox->standardButton(buttons.first())));
    } else if (buttons.size() > 1) {
        // buttons() lists them by role; the last reject-or-no button decides.
        int answer = -1;
        for (QAbstractButton *button : buttons) {
            const QDialogButtonBox::ButtonRole role = m_buttonBox->buttonRole(button);
            if (role == QDialogButtonBox::RejectRole || role == QDialogButtonBox::NoRole)
                answer = int(m_buttonBox->standardButton(button));
        }
        if (answer != -1)
            done(answer);
    }
    QDialog::closeEvent(event);
}

void MsgDialog::showEvent(QShowEvent *event)
{
    // The layout reckons the wrapped text's lines at the width the text would like, which a
    // large font takes beyond what the box can give: laid out at the box's width, the text
    // with its lines and the buttons below it show what the box lacks.
    if (m_textLabel->wordWrap() && layout()) {
        const auto *grid = qobject_cast<const QGridLayout *>(layout());
        // The label's row and the empty one beside the icon lie between it and the buttons.
        const int gap = grid ? 2 * qMax(0, grid->verticalSpacing()) : 0;
        const int needed = m_textLabel->y() + m_textLabel->heightForWidth(m_textLabel->width())
            + gap + m_buttonBox->sizeHint().height() + layout()->contentsMargins().bottom();
        if (needed > height())
            setFixedSize(width(), needed);
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QDialog::showEvent(event);
}
