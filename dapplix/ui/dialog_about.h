// dapplix's about box: program, version, logo and the way to Qt's own about box.
#ifndef DAPPLIX_UI_DIALOG_ABOUT_H
#define DAPPLIX_UI_DIALOG_ABOUT_H

#include <QDialog>

class QClickableLabel;

class Dialog_About final : public QDialog
{
    Q_OBJECT
public:
    explicit Dialog_About(const QString &programTitle, QWidget *parent = nullptr);

    static QString versionText();

signals:
    // The usage link was followed; the window shows its usage box.
    void usageRequested();

public slots:
    void onActivateAboutQt();

private:
    Q_DISABLE_COPY(Dialog_About)

    void onLinkClicked(int id);
};

#endif // DAPPLIX_UI_DIALOG_ABOUT_H
