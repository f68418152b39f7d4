// uncancellableprogressdialog.h: the progress of work that cannot be stopped once started.
#ifndef ZENTARA_DEVINFO_UNCANCELLABLEPROGRESSDIALOG_H
#define ZENTARA_DEVINFO_UNCANCELLABLEPROGRESSDIALOG_H

#include <QProgressDialog>

class QCloseEvent;

// A window-modal progress dialog without a cancel button that the user cannot close either:
// Escape and the window's close button are ignored, so the window below stays blocked until the
// work has ended. The owner ends it with hide() or deleteLater().
class UncancellableProgressDialog final : public QProgressDialog
{
    Q_OBJECT
public:
    explicit UncancellableProgressDialog(QWidget *parent = nullptr);

    // What Escape asks for; the work goes on, and so does the dialog.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif // ZENTARA_DEVINFO_UNCANCELLABLEPROGRESSDIALOG_H
