#include "windows/mainwindow.h"

#include "platform/platform.h"
#include "platform/utf16.h"
#include "oracle/colourrule.h"
#include "oracle/readingfile.h"
#include "oracle/textcodec.h"
#include "resources/texts.h"
#include "web/pagelinks.h"
#include "windows/aboutwindow.h"
#include "windows/layout.h"
#include "windows/linklabel.h"
#include "windows/modal.h"
#include "windows/typedcharacter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Upper-cased one character at a time, so a key keeps the length of the name it came from.
std::u16string nameKey(const QString &name)
{
    QString upper = name;
    for (QChar &character : upper) {
        character = character.toUpper();
    }
    return oracle::trimSpaces(utf16(upper));
}

// A file name as the system spells it, UTF-16 on Windows and bytes elsewhere.
std::filesystem::path::string_type systemPath(const QString &fileName)
{
#ifdef Q_OS_WIN
    return fileName.toStdWString();
#else
    return QFile::encodeName(fileName).toStdString();
#endif
}

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setObjectName(QLatin1String(mainWindowLayout.name));
    setWindowTitle(QString::fromUtf16(mainWindowLayout.caption));
    auto *client = new QWidget(this);
    buildWindow(client, mainWindowLayout);
    setCentralWidget(client);

    m_cmdOpen = findControl<QPushButton>(client, "cmdOpen");
    m_cboMonth = findControl<QComboBox>(client, "cboMonth");
    m_cboDate = findControl<QComboBox>(client, "cboDate");
    m_cboYear = findControl<QComboBox>(client, "cboYear");
    m_frame1 = findControl<QGroupBox>(client, "Frame1");
    m_txtNameFirst = findControl<QLineEdit>(client, "txtNameFirst");
    m_txtNameLast = findControl<QLineEdit>(client, "txtNameLast");
    m_cmdNext = findControl<QPushButton>(client, "cmdNext");
    m_frame2 = findControl<QGroupBox>(client, "Frame2");
    m_cmdBack = findControl<QPushButton>(client, "cmdBack");
    m_lblResultColour = findControl<QLabel>(client, "lblResult(0)");
    m_lblResultReading = findControl<QLabel>(client, "lblResult(1)");
    m_label61 = findControl<LinkLabel>(client, "Label61");
    m_lblFullBrand = findControl<LinkLabel>(client, "lblFullBrand");
    m_lblCobrand = findControl<LinkLabel>(client, "lblCobrand");

    createMenus();
    connectHandlers();
    chainTabOrder();
    describeForScreenReaders(client);
    makeFixedDialogFrame(this);
    Form_Load();
}

void MainWindow::bringOfferToFront(Offer offer)
{
    (offer == Offer::CoBrand ? m_lblCobrand : m_lblFullBrand)->raise();
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    // Keep the menu in the window even on desktops with a global menu bar.
    bar->setNativeMenuBar(false);
    const auto entry = [this](QWidget *menu, const char *name, const QString &caption,
                              void (MainWindow::*handler)()) {
        auto *action = new QAction(caption, menu);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("nuFile"));
    entry(file, "mnuExit", tr("E&xit"), &MainWindow::mnuExit_Click);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    entry(help, "mnuOnline", tr("&Online Help"), &MainWindow::mnuOnline_Click);
    entry(help, "mnuVisit", tr("&Visit Us Online"), &MainWindow::mnuVisit_Click);
    separator(help, "mnuFileSep1");
    entry(help, "mnuUpdate", tr("&Check for Software Update"), &MainWindow::mnuUpdate_Click);
    separator(help, "mnuFileSep2");
    entry(help, "mnuAbout", tr("&About Software"), &MainWindow::mnuAbout_Click);

    entry(bar, "mnuDonate", tr("&Donate"), &MainWindow::mnuDonate_Click);

    // Not for the user to choose, so it is kept off the bar: a menu-bar entry claims its
    // Alt+letter even while hidden or disabled, and Alt+O belongs to the Open button.
    auto *makeMoney = new QAction(tr("Make Money &Online"), this);
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    connect(makeMoney, &QAction::triggered, this, &MainWindow::mnuMakeMoney_Click);
}

void MainWindow::connectHandlers()
{
    connect(m_cmdNext, &QPushButton::clicked, this, &MainWindow::cmdNext_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &MainWindow::cmdBack_Click);
    connect(m_cmdOpen, &QPushButton::clicked, this, &MainWindow::cmdOpen_Click);
    connect(m_label61, &LinkLabel::clicked, this, &MainWindow::Label61_Click);
    connect(m_lblCobrand, &LinkLabel::clicked, this, &MainWindow::lblCobrand_Click);
    connect(m_lblFullBrand, &LinkLabel::clicked, this, &MainWindow::lblFullBrand_Click);
    m_txtNameFirst->installEventFilter(this);
    m_txtNameLast->installEventFilter(this);
}

void MainWindow::chainTabOrder()
{
    // The reading takes the focus when it is shown but is no tab stop; Tab goes on from it to Back.
    m_lblResultReading->setFocusPolicy(Qt::ClickFocus);
    QWidget *const order[] = {m_txtNameFirst, m_txtNameLast,      m_cmdNext,
                              m_cboMonth,     m_cboDate,          m_cboYear,
                              m_cmdOpen,      m_lblResultReading, m_cmdBack};
    for (std::size_t index = 1; index < std::size(order); ++index) {
        setTabOrder(order[index - 1], order[index]);
    }
    m_txtNameFirst->setFocus();
}

// The labels beside the boxes name them; the links and the button out of sight say what they do.
void MainWindow::describeForScreenReaders(QWidget *client)
{
    const std::pair<const char *, QWidget *> labelled[] = {
        {"lblLabel(0)", m_txtNameFirst}, {"lblLabel(1)", m_txtNameLast}, {"Label6", m_cboMonth},
        {"Label3", m_cboDate},           {"Label7", m_cboYear},
    };
    for (const auto &[label, box] : labelled) {
        findControl<QLabel>(client, label)->setBuddy(box);
    }
    for (QWidget *link : {m_label61, m_lblFullBrand, m_lblCobrand}) {
        link->setAccessibleDescription(QString::fromUtf16(texts::opensInBrowser));
    }
    m_cmdOpen->setAccessibleDescription(QString::fromUtf16(texts::opensReadingFile));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtNameFirst) {
        return filterTypedCharacters(
            *event, [this](char16_t character) { return txtNameFirst_KeyPress(character); });
    }
    if (watched == m_txtNameLast) {
        return filterTypedCharacters(
            *event, [this](char16_t character) { return txtNameLast_KeyPress(character); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_Load()
{
    m_frame1->raise();
}

void MainWindow::Form_Unload()
{
    emit unloading();
}

void MainWindow::cmdNext_Click()
{
    const std::u16string firstKey = nameKey(m_txtNameFirst->text());
    const std::u16string lastKey = nameKey(m_txtNameLast->text());
    if (!CheckNames()) {
        return;
    }
    const oracle::Colour &colour = oracle::colourRow(oracle::colourNumber(firstKey, lastKey));
    m_lblResultColour->setText(toQString(colour.name));
    m_lblResultColour->adjustSize();
    m_lblResultReading->setText(toQString(colour.reading));
    m_frame2->raise();
    // The reading is where the user is taken, and a screen reader says it with its colour there.
    m_lblResultReading->setAccessibleName(
        QStringLiteral("%1. %2").arg(toQString(colour.name), toQString(colour.reading)));
    m_lblResultReading->setFocus();
}

// Looks at the boxes as typed: a name of spaces only counts as entered.
bool MainWindow::CheckNames()
{
    QLineEdit *missing = m_txtNameFirst->text().isEmpty()  ? m_txtNameFirst
                         : m_txtNameLast->text().isEmpty() ? m_txtNameLast
                                                           : nullptr;
    if (!missing) {
        return true;
    }
    m_platform.showMessage(QString::fromUtf16(missing == m_txtNameFirst ? texts::enterFirstName
                                                                        : texts::enterLastName),
                           Platform::MessageIcon::Critical);
    missing->setFocus();
    return false;
}

// The focus moves before the boxes are emptied: a screen reader told first of the first-name box
// changing takes it for where the user already was, and would not say where the focus landed.
void MainWindow::cmdBack_Click()
{
    m_txtNameFirst->setFocus();
    m_txtNameFirst->setText(QString());
    m_txtNameLast->setText(QString());
    m_frame1->raise();
}

// Reads the birth-date lines of a reading file of the sibling program, then asks as the Ask
// button does; the file does not change the names.
void MainWindow::cmdOpen_Click()
{
    const QString fileName = m_platform.chooseFileToOpen(
        {tr("Select the source file"), tr("Tavik Free Tallowen (*.num)"), QStringLiteral("num")});
    // Closed while the dialog was open: the program is ending.
    if (!isVisible()) {
        return;
    }
    // Case-sensitive, as the sibling program names its files; a cancel gives the empty name.
    if (fileName.size() >= 3 && !fileName.endsWith(QLatin1String("num"))) {
        m_platform.showMessage(QString::fromUtf16(texts::checkTheFile),
                               Platform::MessageIcon::Critical);
        return;
    }
    if (fileName.isEmpty()) {
        return;
    }
    const oracle::ReadingLines lines = oracle::readReadingFile(systemPath(fileName));
    m_cboMonth->setEditText(toQString(oracle::UnscrambleText(lines[3])));
    m_cboDate->setEditText(toQString(oracle::UnscrambleText(lines[4])));
    m_cboYear->setEditText(toQString(oracle::UnscrambleText(lines[5])));
    cmdNext_Click();
    emit readingFileOpened();
}

bool MainWindow::txtNameFirst_KeyPress(char16_t character)
{
    return refuseNonLetter(m_txtNameFirst, character);
}

bool MainWindow::txtNameLast_KeyPress(char16_t character)
{
    return refuseNonLetter(m_txtNameLast, character);
}

// True when the key is swallowed.
bool MainWindow::refuseNonLetter(QLineEdit *box, char16_t character)
{
    const bool letter =
        (character >= u'a' && character <= u'z') || (character >= u'A' && character <= u'Z');
    if (letter || character == u'\b') {
        return false;
    }
    box->setFocus();
    m_platform.showMessage(QString::fromUtf16(texts::charactersOnly),
                           Platform::MessageIcon::Critical);
    return true;
}

void MainWindow::Label61_Click()
{
    modHelp::OpenHomePage(m_platform);
}

void MainWindow::lblCobrand_Click()
{
    modHelp::OpenCoBrandPage(m_platform);
}

void MainWindow::lblFullBrand_Click()
{
    modHelp::OpenFullyBrandedPage(m_platform);
}

void MainWindow::mnuOnline_Click()
{
    modHelp::OpenHelpWebPage(m_platform);
}

void MainWindow::mnuVisit_Click()
{
    modHelp::OpenHomePage(m_platform);
}

void MainWindow::mnuUpdate_Click()
{
    modHelp::OpenDownloadWebPage(m_platform);
}

void MainWindow::mnuDonate_Click()
{
    modHelp::OpenDonatePage(m_platform);
}

void MainWindow::mnuMakeMoney_Click()
{
    modHelp::OpenFullyBrandedPage(m_platform);
}

// A new window each time, so every opening shows the stored texts.
void MainWindow::mnuAbout_Click()
{
    auto *about = new AboutWindow(m_platform, this);
    centreOnScreen(about);
    execModal(about);
}

void MainWindow::mnuExit_Click()
{
    close();
}
