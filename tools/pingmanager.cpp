#include "tools/pingmanager.h"

#include "app/dialogstyle.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "widgets/scrollbar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTextCursor>
#include <QVBoxLayout>

#include <csignal>

namespace {

const char exampleHost[] = "8.8.8.8";
constexpr int exampleCount = 5;

// Whether ping's options ask for a count (-c), help (-h, -?) or the version (-V). Options are
// read as ping reads them: grouped behind one dash, a value-taking option ends its group and
// takes the rest of it or the next word as its value.
bool hasCountOrInfoOption(const QStringList &arguments)
{
    static const QString takesValue = QStringLiteral("ieIlmMpQsStTwWF");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (word == QLatin1String("--"))
            return false;
        if (word.size() < 2 || !word.startsWith(QLatin1Char('-')))
            continue;
        for (int j = 1; j < word.size(); ++j) {
            const QChar option = word.at(j);
            if (option == QLatin1Char('c') || option == QLatin1Char('h')
                || option == QLatin1Char('V') || option == QLatin1Char('?'))
                return true;
            if (takesValue.contains(option)) {
                if (j == word.size() - 1)
                    ++i;
                break;
            }
        }
    }
    return false;
}

} // namespace

PingManager::PingManager(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PingManager"));
    retranslateTitle();
    setMinimumSize(640, 500);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    const QFont font = dialogFont();

    outputView = new QTextBrowser(this);
    outputView->setObjectName(QStringLiteral("outputView"));
    outputView->setHorizontalScrollBar(new ScrollBar(outputView));
    outputView->setVerticalScrollBar(new ScrollBar(outputView));
    outputView->setFont(font);

    // The example keeps the Windows count option, which the console maps to ping's own.
    const QString example
        = QStringLiteral("%1 -n %2").arg(QLatin1String(exampleHost)).arg(exampleCount);
    commandField = new QLineEdit(this);
    commandField->setObjectName(QStringLiteral("commandField"));
    commandField->setPlaceholderText(
        QObject::tr("Enter your command here, for example: %1 -n %2, ping to get the help, exit "
                    "to stop")
            .arg(QLatin1String(exampleHost))
            .arg(exampleCount));
    commandField->setToolTip(commandField->placeholderText());
    // The example goes in first: a clear button that already exists would fade in with an
    // animation that outlives a console closed at once.
    commandField->setText(example);
    commandField->setClearButtonEnabled(true);
    commandField->setFont(font);
    // Wide enough for the placeholder, shown once the field is cleared, beside the clear button.
    commandField->setMinimumWidth(
        QFontMetrics(font).horizontalAdvance(commandField->placeholderText()) + 40);
    commandField->setFixedHeight(textFitHeight(commandField, 25));

    sendButton = new QPushButton(QObject::tr("Send"), this);
    sendButton->setObjectName(QStringLiteral("sendButton"));
    sendButton->setEnabled(!commandField->text().isEmpty());
    sendButton->setDefault(true); // Return in the field sends, as in a console
    sendButton->setFont(font);
    sendButton->setFixedHeight(textFitHeight(sendButton, 24));
    connect(commandField, &QLineEdit::textChanged, this,
            [this](const QString &text) { sendButton->setEnabled(!text.isEmpty()); });
    connect(sendButton, &QPushButton::clicked, this, &PingManager::sendCommand);

    auto *clearButton = new QPushButton(QObject::tr("Clear"), this);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    clearButton->setFont(font);
    clearButton->setFixedHeight(textFitHeight(clearButton, 24));
    connect(clearButton, &QPushButton::clicked, outputView, &QTextBrowser::clear);

    auto *closeButton = new QPushButton(QObject::tr("Close"), this);
    closeButton->setFont(font);
    closeButton->setFixedHeight(textFitHeight(closeButton, 24));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto *commandRow = new QHBoxLayout;
    commandRow->setAlignment(Qt::AlignBottom);
    commandRow->setContentsMargins(5, 5, 5, 5);
    commandRow->addWidget(commandField);
    commandRow->addWidget(sendButton);
    commandRow->addWidget(clearButton);
    commandRow->addWidget(closeButton);
    auto *mainLayout = new QVBoxLayout;
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(outputView);
    mainLayout->addLayout(commandRow);
    setLayout(mainLayout);
    fitDialogToContents(this, QSize(640, 500));

    consoleProcess = new QProcess(this);
    // ping writes its usage and its errors to the error stream: the console shows both.
    consoleProcess->setProcessChannelMode(QProcess::MergedChannels);
    connect(consoleProcess, &QProcess::readyReadStandardOutput, this,
            &PingManager::readConsoleOutput);
    connect(consoleProcess, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus) { onConsoleFinished(exitCode); });
    connect(consoleProcess, &QProcess::errorOccurred, this, &PingManager::onConsoleError);

    auto *interrupt = new QShortcut(QKeySequence(QStringLiteral("Ctrl+C")), this);
    connect(interrupt, &QShortcut::activated, this, &PingManager::stopConsoleProcess);
    // The field and the view take Ctrl+C for copying before the shortcut sees it: while ping
    // runs, Ctrl+C interrupts it wherever the focus is, as in a terminal.
    commandField->installEventFilter(this);
    outputView->installEventFilter(this);
}

bool PingManager::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && isRunning()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_C && key->modifiers() == Qt::ControlModifier) {
            event->ignore(); // left to the dialog's shortcut
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

PingManager::~PingManager()
{
    discardProcess();
}

QString PingManager::program()
{
    return QStringLiteral("/usr/bin/ping");
}

QStringList PingManager::usageArguments()
{
    return { QStringLiteral("-h") };
}

QStringList PingManager::commandArguments(const QString &command)
{
    QStringList arguments = QProcess::splitCommand(command.trimmed());
    if (!arguments.isEmpty() && arguments.constFirst() == QLatin1String("ping"))
        arguments.removeFirst();
    if (arguments.isEmpty())
        return usageArguments();
    // Windows' "-n <count>"; ping's own -n (numeric output) takes no value, so a number after
    // it can only be a count.
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("-n") && number.match(arguments.at(i + 1)).hasMatch())
            arguments[i] = QStringLiteral("-c");
    }
    // Without a count Linux ping never stops; Windows sends four echo requests. A request for
    // help or the version pings nothing and keeps its arguments.
    if (!hasCountOrInfoOption(arguments))
        arguments = QStringList { QStringLiteral("-c"), QStringLiteral("4") } + arguments;
    return arguments;
}

bool PingManager::isRunning() const
{
    return consoleProcess && consoleProcess->isOpen()
        && consoleProcess->state() != QProcess::NotRunning;
}

void PingManager::startConsoleProcess(const QStringList &arguments)
{
    if (!consoleProcess || consoleProcess->isOpen())
        return;
    decoder.reset(QTextCodec::codecForLocale()->makeDecoder());
    consoleProcess->start(program(), arguments, QIODevice::ReadWrite);
}

void PingManager::stopConsoleProcess()
{
    // Only a started child has a process id of its own; 0 would signal our whole group.
    if (!isRunning() || consoleProcess->state() != QProcess::Running)
        return;
    const qint64 pid = consoleProcess->processId();
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGINT);
}

void PingManager::sendCommand()
{
    const QString text = commandField->text();
    if (text.isEmpty()) {
        MsgDialog message(this, QObject::tr("Warning"), QObject::tr("The command field is empty!"),
                          2, QDialogButtonBox::Ok);
        message.exec();
        return;
    }
    if (consoleProcess && consoleProcess->isOpen()) {
        if (text.contains(QLatin1String("exit"), Qt::CaseInsensitive))
            stopConsoleProcess();
        else
            consoleProcess->write(text.toUtf8() + '\n');
    } else {
        startConsoleProcess(commandArguments(text));
    }
    commandField->clear();
}

void PingManager::appendOutput(const QString &text)
{
    // Plain text: a host name typed as markup comes back in ping's messages and must not be
    // rendered.
    QTextCursor cursor(outputView->document());
    cursor.movePosition(QTextCursor::End);
    if (!outputView->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    outputView->verticalScrollBar()->setValue(outputView->verticalScrollBar()->maximum());
}

void PingManager::readConsoleOutput()
{
    if (!consoleProcess || !decoder)
        return;
    QString text = decoder->toUnicode(consoleProcess->readAllStandardOutput());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!text.isEmpty())
        appendOutput(text);
}

void PingManager::onConsoleFinished(int exitCode)
{
    readConsoleOutput(); // what came with the end would be lost by close()
    if (exitCode == 0)
        emit commandSucceeded();
    else
        emit commandFailed(exitCode);
    consoleProcess->close();
}

void PingManager::onConsoleError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    appendOutput(QStringLiteral("%1: %2").arg(program(), consoleProcess->errorString()));
    consoleProcess->close();
}

void PingManager::discardProcess()
{
    if (!consoleProcess)
        return;
    consoleProcess->disconnect(this);
    if (consoleProcess->isOpen() && consoleProcess->state() != QProcess::NotRunning)
        consoleProcess->close();
    consoleProcess->deleteLater();
    consoleProcess = nullptr;
}

void PingManager::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        discardProcess();
    QDialog::keyPressEvent(event);
}

void PingManager::closeEvent(QCloseEvent *event)
{
    discardProcess();
    QDialog::closeEvent(event);
}

void PingManager::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Typing goes to the command field as soon as the console appears.
    commandField->setFocus();
}

void PingManager::retranslateTitle()
{
    setWindowTitle(
        QStringLiteral("%1 - %2").arg(QLatin1String(Product::displayName), QObject::tr("Ping")));
}

void PingManager::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateTitle();
    QDialog::changeEvent(event);
}
