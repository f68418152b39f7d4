// uncancellableprogressdialog.cpp: a progress dialog that stays until its work ends.
#include "zentara/devinfo/uncancellableprogressdialog.h"

#include <QCloseEvent>

UncancellableProgressDialog::UncancellableProgressDialog(QWidget *parent) : QProgressDialog(parent)
{
    setCancelButton(nullptr);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);
}

void UncancellableProgressDialog::closeEvent(QCloseEvent *event)
{
    // Not QProgressDialog's, which would report a cancel nobody can act on.
    event->ignore();
}
