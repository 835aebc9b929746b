#pragma once
// The program's one message box: created on the stack, run with exec(), which returns the
// standard button that ended it. Font, opacity and topmost state come from the settings.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPixmap>
#include <QSize>
#include <functional>

#include "widgets/appqlabel.h"

class MsgDialog : public QDialog
{
    Q_OBJECT
public:
    // Icon kinds: 1 information, 2 warning, 3 critical, 4 question; any other: no icon.
    MsgDialog(QWidget *parent, const QString &title, const QString &text, int iconKind,
              QDialogButtonBox::StandardButtons buttons);
    // The same box with the caller's picture, scaled into 40 x 40.
    MsgDialog(QWidget *parent, const QString &title, const QString &text, QPixmap icon,
              QDialogButtonBox::StandardButtons buttons);
    ~MsgDialog() override;

    // Runs the box modally; returns the standard button's value (0x400 Ok, 0x4000 Yes, ...),
    // or 0 when rejected without a button. With a test responder set, the responder answers
    // from inside the running modal loop and exec() returns its answer.
    int exec() override;

    QDialogButtonBox *buttonBox() const { return m_buttonBox; }
    // Text and buttons in another font than the stored one (the one the running program was
    // built with, when the stored one has changed since); the box fits it again.
    void setContentFont(const QFont &font);
    AppQLabel *iconLabel() const { return m_iconLabel; }
    AppQLabel *textLabel() const { return m_textLabel; }
    QSize iconSize() const { return m_iconSize; }
    int iconKind() const { return m_iconKind; }

    // (hard limit, soft limit) of the dialog width on a screen of the given available width.
    static QPair<int, int> widthLimits(int screenWidth);

    // Test seam: when set, exec() shows the box and, once its loop runs, hands it to the
    // responder; exec() returns what the responder returns. A responder may click a button or
    // close() the dialog and return result(), or wait (e.g. QTest::qWait) as a user would.
    using Responder = std::function<int(MsgDialog *)>;
    static void setTestResponder(Responder responder);
    static bool hasTestResponder();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void build(const QString &title, const QString &text, const QPixmap &pixmap,
               QDialogButtonBox::StandardButtons buttons);
    void addButtons(QDialogButtonBox::StandardButtons buttons, const QFont &font);
    void fitSize();

    AppQLabel *m_iconLabel = nullptr;
    AppQLabel *m_textLabel = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QSize m_iconSize;
    int m_iconKind = 0;
};
