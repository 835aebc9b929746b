#pragma once
// A small console for ping: what the user types becomes the arguments of the system's ping,
// started directly (never through a shell); its output and error messages appear as they come.

#include <QDialog>
#include <QProcess>

#include <memory>

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTextDecoder;

class PingManager : public QDialog
{
    Q_OBJECT
public:
    explicit PingManager(QWidget *parent = nullptr);
    ~PingManager() override;

    // Starts ping with these arguments, unless a ping is already running.
    void startConsoleProcess(const QStringList &arguments);
    // Interrupts a running ping as Ctrl+C in a terminal does: it prints its statistics and ends.
    void stopConsoleProcess();

    // The arguments for a typed command: "ping" alone asks for the usage text; a leading word
    // "ping" is dropped; the rest is split like a command line, and the Windows count option
    // "-n <number>" becomes ping's "-c <number>". A command without a count gets "-c 4", the
    // four echo requests of Windows' ping.
    static QStringList commandArguments(const QString &command);
    static QStringList usageArguments();
    static QString program();

    bool isRunning() const;

signals:
    void commandSucceeded();
    void commandFailed(int errorCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sendCommand();
    void readConsoleOutput();
    void onConsoleFinished(int exitCode);
    void onConsoleError(QProcess::ProcessError error);
    void appendOutput(const QString &text);
    void discardProcess();
    void retranslateTitle();

    QTextBrowser *outputView = nullptr;
    QLineEdit *commandField = nullptr;
    QPushButton *sendButton = nullptr;
    QProcess *consoleProcess = nullptr;
    // Kept across reads so that a character split between two reads is decoded whole.
    std::unique_ptr<QTextDecoder> decoder;
};
