#include "app/dialogstyle.h"

#include "app/fonts.h"
#include "app/settings.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>

void applyDialogWindowStyle(QDialog *dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
                           | Qt::WindowCloseButtonHint);
    dialog->setWindowOpacity(Settings::windowOpacity());
}

QFont dialogFont()
{
    registerFontSubstitutions();
    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(Settings::fontSize());
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

int textFitHeight(QWidget *widget, int minimum)
{
    // A line of the widget's font inside the borders and padding the themes give fields,
    // buttons and boxes (at most 3 pixels above and below). Polished first: a style sheet's
    // min-height would otherwise replace the minimum set from this later.
    widget->ensurePolished();
    return qMax(minimum, widget->fontMetrics().height() + 6);
}

namespace {

// Keeps a dialog at least as large as its layout needs whenever the layout changes (a field
// shown later, a new text); never smaller than the dialog's own minimum.
class ContentsFit : public QObject
{
public:
    ContentsFit(QWidget *dialog, const QSize &minimum)
        : QObject(dialog)
        , m_dialog(dialog)
        , m_minimum(minimum)
    {
        dialog->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog
            && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show))
            fit();
        return false;
    }

private:
    void fit()
    {
        QSize need = m_minimum;
        if (QLayout *layout = m_dialog->layout()) {
            need = need.expandedTo(layout->minimumSize());
            // Wrapped texts need their height at the narrowest width the dialog may take.
            if (layout->hasHeightForWidth())
                need.setHeight(qMax(need.height(), layout->totalHeightForWidth(need.width())));
        }
        if (m_dialog->minimumSize() != need)
            m_dialog->setMinimumSize(need);
        if (m_dialog->width() < need.width() || m_dialog->height() < need.height())
            m_dialog->resize(m_dialog->size().expandedTo(need));
    }

    QWidget *m_dialog;
    QSize m_minimum;
};

} // namespace

void fitDialogToContents(QWidget *dialog, const QSize &minimum)
{
    // The style sheet's padding and borders count only once the widgets are polished.
    dialog->ensurePolished();
    new ContentsFit(dialog, minimum);
}

void keepTextWhole(QWidget *widget)
{
    widget->ensurePolished();
    widget->setMinimumSize(QSize(qMax(widget->minimumWidth(), widget->minimumSizeHint().width()),
                                 textFitHeight(widget, widget->minimumHeight())));
}

QSize lineEditFitSize(QLineEdit *edit, const QSize &size)
{
    const QString shown = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
    const QFontMetrics metrics(edit->font());
    // Each leading or trailing action takes about a line's height of the field.
    const int actions = edit->actions().size() * (metrics.height() + 4);
    return QSize(qMax(size.width(), metrics.horizontalAdvance(shown) + actions + 12),
                 textFitHeight(edit, size.height()));
}
