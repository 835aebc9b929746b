// Takes a picture of the feedback form or the log viewer for a visual check:
//   shot_feedback <out.png> <feedback|log> [theme 0-2] [attachment files...]

#include "app/applog.h"
#include "app/settings.h"
#include "app/themes.h"
#include "net/feedback.h"
#include "net/logdialog.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: shot_feedback out.png feedback|log [theme] [files...]\n");
        return 2;
    }
    Settings::writeDefaultSettings();
    applyTheme(args.value(3, QStringLiteral("0")).toInt(), nullptr);

    QDialog *dialog = nullptr;
    if (args.at(2) == QLatin1String("log")) {
        for (int i = 0; i < 12; ++i)
            appendToLog(QStringLiteral("%1: gets CPU information").arg(currentTimestamp()));
        dialog = new Log;
    } else {
        auto *form = new Feedback;
        form->findChild<QRadioButton *>(QStringLiteral("radioButton"))->click();
        form->findChild<QRadioButton *>(QStringLiteral("radioButton_11"))->setChecked(true);
        form->findChild<QTextEdit *>(QStringLiteral("textEdit"))
            ->setPlainText(QStringLiteral("The window froze while saving a report."));
        if (args.size() > 4)
            form->onFilesDropped(args.mid(4));
        dialog = form;
    }
    dialog->show();
    if (auto *form = qobject_cast<Feedback *>(dialog))
        form->findChild<Switch *>()->click();
    QTimer::singleShot(700, [&] {
        dialog->grab().save(args.at(1));
        app.quit();
    });
    return app.exec();
}
