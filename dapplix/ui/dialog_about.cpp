// dapplix's about box.
#include "dapplix/ui/dialog_about.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dapplix/ui/qclickablelabel.h"
#include "dapplix/ui/resourceicon.h"
#include "vyro_version.h"

namespace {

enum Link
{
    UsageLink = 1
};

} // namespace

Dialog_About::Dialog_About(const QString &programTitle, QWidget *parent) : QDialog(parent)
{
    ResourceIcon::registerResources();
    setObjectName(QStringLiteral("Dialog_About"));
    setWindowTitle(tr("About %1").arg(programTitle));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logoLabel"));
    logo->setPixmap(QPixmap(QStringLiteral(":/res/about_logo_vyro.png")));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *title = new QLabel(programTitle, this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto *version = new QLabel(tr("Version: %1").arg(versionText()), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto *purpose = new QLabel(tr("Finds, edits and stores the hot pixels of Vyro cameras."), this);
    purpose->setWordWrap(true);
    auto *usage = new QClickableLabel(tr("How to use the editor"), UsageLink, this);
    usage->setObjectName(QStringLiteral("usageLink"));
    connect(usage, &QClickableLabel::clicked, this, &Dialog_About::onLinkClicked);

    auto *texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(purpose);
    texts->addWidget(usage);
    texts->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *aboutQt = buttons->addButton(tr("About Qt"), QDialogButtonBox::ActionRole);
    aboutQt->setObjectName(QStringLiteral("aboutQtButton"));
    connect(aboutQt, &QPushButton::clicked, this, &Dialog_About::onActivateAboutQt);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QString Dialog_About::versionText()
{
    return QStringLiteral(VYRO_VERSION_TEXT);
}

void Dialog_About::onActivateAboutQt()
{
    QMessageBox::aboutQt(this, tr("About Qt"));
}

void Dialog_About::onLinkClicked(int id)
{
    if (id == UsageLink)
        emit usageRequested();
}
