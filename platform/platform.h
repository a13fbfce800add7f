#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

class SettingsStore;

// Everything the program asks of the desktop. Production answers with Qt (QtPlatform); tests
// answer with a scripted recording fake, so no test ever waits on a real dialog.
class Platform
{
public:
    enum class MessageIcon { Information, Critical };
    enum class MessageButtons { Ok, YesNo };
    enum class MessageAnswer { Ok, Yes, No };

    struct FileOpenRequest
    {
        QString title;
        QString nameFilter;
        QString defaultSuffix;
    };

    virtual ~Platform() = default;

    // Modal, captioned with the application title; with Yes and No, Yes is the default.
    virtual MessageAnswer showMessage(const QString &text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // Hands the address to the default browser; whether that worked is never looked at.
    virtual void openAddress(const QUrl &address) = 0;
    // Only an existing file the user may write is accepted; the empty text after a cancel.
    virtual QString chooseFileToOpen(const FileOpenRequest &request) = 0;
    virtual QDate today() = 0;
    virtual void seedRandomFromClock() = 0;
    // Uniform in [0, 1).
    virtual float nextRandom() = 0;

    // True when another copy of this program runs for this user. The first call claims the
    // program for this copy until it ends, however it ends.
    virtual bool isAnotherCopyRunning() = 0;
    // The per-user store of this program, as started under its executable's name.
    virtual SettingsStore &settings() = 0;
    // Leaves the event loop with status 0 once the program's windows are closed.
    virtual void endProcess() = 0;
};
