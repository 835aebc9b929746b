#include "app/filedialogs.h"

#include <QFileDialog>

namespace FileDialogs {

namespace {
Responder &testResponder()
{
    static Responder responder;
    return responder;
}
} // namespace

QStringList openFileNames(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter)
{
    if (testResponder())
        return testResponder()(caption);
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                     const QString &filter)
{
    if (testResponder())
        return testResponder()(caption).value(0);
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

void setTestResponder(Responder responder)
{
    testResponder() = std::move(responder);
}

} // namespace FileDialogs
