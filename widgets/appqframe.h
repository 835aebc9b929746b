#pragma once
// A frame that re-emits mouse input as signals and accepts dropped files of allowed types.

#include <QFrame>
#include <QStringList>

class QMouseEvent;

class AppQFrame : public QFrame
{
    Q_OBJECT

public:
    explicit AppQFrame(QWidget *parent = nullptr);
    ~AppQFrame() override;

    // Off by default: only images and crash dumps are taken.
    void setAcceptAnyFileType(bool accept);
    bool acceptAnyFileType() const;

signals:
    // The event pointers are valid only while the signal is delivered (direct connections).
    void mouseMove(QMouseEvent *event);
    void mouseClick(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void mouseEnter();
    void mouseLeave();
    void processingFiles(QStringList paths);
    void processingFile(QString path);
    void invalidFileType(QString fileName);

protected:
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    bool isAllowedSuffix(const QString &suffix) const;

    QStringList acceptedPaths;
    bool anyFileType = false;
};
