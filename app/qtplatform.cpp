#include "app/qtplatform.h"

#include "resources/texts.h"
#include "windows/modal.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

Platform::MessageAnswer QtPlatform::showMessage(const QString &text, MessageIcon icon,
                                                MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    auto *box = new QMessageBox(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromUtf16(texts::applicationTitle), text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    if (yesNo) {
        box->setDefaultButton(QMessageBox::Yes);
    }
    switch (execModal(box)) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

void QtPlatform::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

// A file the user may not change, or one in a folder the user may not change, is refused and the
// dialog comes back, as it stays open for a name that does not exist.
QString QtPlatform::chooseFileToOpen(const FileOpenRequest &request)
{
    QString folder;
    while (true) {
        QFileDialog dialog(QApplication::activeWindow(), request.title, folder, request.nameFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        const QFileInfo chosen(dialog.selectedFiles().constFirst());
        if (chosen.isWritable() && QFileInfo(chosen.absolutePath()).isWritable()) {
            return chosen.filePath();
        }
        execModal(new QMessageBox(QMessageBox::Warning, request.title,
                                  QObject::tr("%1\nThis file is write-protected.\n"
                                              "Choose another file.")
                                      .arg(chosen.fileName()),
                                  QMessageBox::Ok, QApplication::activeWindow()));
        folder = chosen.absolutePath();
    }
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandomFromClock()
{
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::nextRandom()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(m_random() >> 8) / 16777216.0F;
}

bool QtPlatform::isAnotherCopyRunning()
{
    if (!m_instanceLock) {
        m_instanceLock = std::make_unique<InstanceLock>(QCoreApplication::applicationName());
    }
    return m_instanceLock->isHeldByAnotherCopy();
}

SettingsStore &QtPlatform::settings()
{
    if (!m_settings) {
        m_settings = std::make_unique<SettingsStore>(
            SettingsStore::userFilePath(QCoreApplication::applicationName()));
    }
    return *m_settings;
}

void QtPlatform::endProcess()
{
    QCoreApplication::exit(0);
}
