#pragma once
// The end-user licence agreement: the page of the program's resources for the stored update
// channel and language, shown read-only in a modal dialog that deletes itself when closed.

#include <QDialog>
#include <QLocale>

class QTextBrowser;
namespace Ui {
class LicenseAgreement;
}

class LicenseAgreement : public QDialog
{
    Q_OBJECT
public:
    explicit LicenseAgreement(QWidget *parent = nullptr);
    ~LicenseAgreement() override;

    // False when the page was missing: the error has been shown and the dialog closes; it then
    // never shows itself and exec() returns Rejected at once.
    bool isLoaded() const { return m_loaded; }
    QTextBrowser *textBrowser() const;

    int exec() override;
    void setVisible(bool visible) override;

    // Resource page for an update channel and a language number (App::Language); language 0
    // follows the system language.
    static QString pagePath(int channel, int language, QLocale::Language system);
    // Test seam: when not empty, this file is loaded instead of the chosen page.
    static void setPageOverride(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadText();

    Ui::LicenseAgreement *ui = nullptr;
    bool m_loaded = false;
};
