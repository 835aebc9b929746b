#pragma once
// The feedback form: a feedback type, a rating from 1 to 10, a message, optionally the user's
// e-mail address and attachments (pictures and crash dumps). "Send feedback" checks the input,
// writes a plain-text report into the local application data and uploads the attachments, then
// the report, to the vendor's FTP server, each on a NetworkManager of its own thread. The dialog
// deletes itself when closed.

#include <QDialog>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

class AppQFrame;
class AppQLabel;
class LoaderWidget;
class QFile;
class QFrame;
class QHBoxLayout;
class QPushButton;
class Switch;
namespace Ui {
class Feedback;
}

class Feedback : public QDialog
{
    Q_OBJECT

public:
    explicit Feedback(QWidget *parent = nullptr);
    ~Feedback() override;

    // The form after a fault: no parent, kept above other windows by AppSettings/AlwaysOnTop,
    // run modally, with the crash report (when there is one) already attached.
    static void runAfterCrash(const QString &reportPath);

    // All attached files together must stay below this many bytes (20.0 MB).
    static constexpr qint64 attachmentLimit = 20971520;

    // "<app-local data>/Feedback" in native separators.
    static QString reportFolderPath();
    // "Verdimon_Nuvo_Feedback_<locale name>_<stamp>.txt".
    static QString reportFileName(const QString &localeName, const QString &stamp);
    // True when the whole text is an address the vendor accepts.
    static bool isValidEmail(const QString &email);

    const QStringList &chosenAttachments() const { return attachmentPaths; }

public slots:
    void checkFeedbackType();
    void sendFeedback();
    void uploadFeedbackFinished();
    void feedbackNetworkError();
    // A file of the send did not reach the server: the send ends, the files stay for another
    // try.
    void uploadFeedbackFailed(const QString &fileName, const QString &reason);

    // Attachments.
    void selectAttachments();
    void onClearAttachmentClicked();
    void onFileDropped(const QString &path);
    void onFilesDropped(const QStringList &paths);
    void onInvalidFileType(const QString &fileName);
    void openAttachment(const QString &path);

private slots:
    void onIncludeEmailClicked(bool checked);
    void onAttachmentUploadFailed(const QString &fileName, const QString &reason);
    void onAttachmentsUploaded();

private:
    void buildForm();
    void buildAttachmentRow();
    QString reportText() const;
    void showInputError(const QString &text);
    void uploadAttachments();
    void uploadReport();
    void stopLoader();

    void showAttachments();
    void resetAttachmentSelection();
    void clearAttachmentThumbnails();
    AppQLabel *makeThumbnail(const QString &path);

    Ui::Feedback *ui = nullptr;
    QDir feedbackDir;
    QString reportFilePath;
    QFile *reportFile = nullptr;
    QStringList attachmentPaths;
    QString attachmentNames;
    LoaderWidget *loader = nullptr;
    QHBoxLayout *attachmentsLayout = nullptr;
    QList<QWidget *> attachmentWidgets;
    Switch *includeEmailSwitch = nullptr;
    AppQLabel *attachmentLabel = nullptr;
    AppQFrame *attachmentDropFrame = nullptr;
    QPushButton *clearAttachmentButton = nullptr;
    QFrame *thumbnailsFrame = nullptr;
    // Set once the send has ended (closed or failed): late signals of its uploads are ignored.
    bool sendEnded = false;
    // The first attachment that did not arrive, and why (empty while all arrived).
    QString failedAttachment;
    QString attachmentFailure;
};
