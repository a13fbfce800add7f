#include "windows/aboutwindow.h"

#include "platform/platform.h"
#include "resources/texts.h"
#include "web/pagelinks.h"
#include "web/siteaddress.h"
#include "windows/linklabel.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(QLatin1String(aboutWindowLayout.name));
    setWindowTitle(QString::fromUtf16(aboutWindowLayout.caption));
    buildWindow(this, aboutWindowLayout);
    makeFixedDialogFrame(this);
    setWindowFlag(Qt::Dialog);

    const QPixmap icon(QStringLiteral(":/icon.png"));
    setWindowIcon(icon);
    auto *picture = findControl<QLabel>(this, "Picture1");
    picture->setPixmap(icon);
    picture->setAccessibleName(QString::fromUtf16(texts::programIcon));
    auto *homePage = findControl<LinkLabel>(this, "lblHomePage");
    homePage->setText(QStringLiteral("Click here to visit ") + siteHost());

    auto *ok = findControl<QPushButton>(this, "cmdOK");
    // Enter presses the default button; Escape rejects the dialog: both close it.
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    connect(findControl<LinkLabel>(this, "lblCoBrand"), &LinkLabel::clicked, this,
            &AboutWindow::lblCoBrand_Click);
    connect(homePage, &LinkLabel::clicked, this, &AboutWindow::lblHomePage_Click);
    for (LinkLabel *link : findChildren<LinkLabel *>()) {
        link->setAccessibleDescription(QString::fromUtf16(texts::opensInBrowser));
    }
}

void AboutWindow::cmdOK_Click()
{
    accept();
}

void AboutWindow::lblCoBrand_Click()
{
    modHelp::OpenFullyBrandedPage(m_platform);
}

void AboutWindow::lblHomePage_Click()
{
    modHelp::OpenHomePage(m_platform);
}
