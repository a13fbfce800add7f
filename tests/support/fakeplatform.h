#pragma once

#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "support/qtini.h"
#include "support/qtprinters.h"

#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

// Records what the program asks of the desktop and answers as the test scripted it.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer showMessage(const QString &text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        messages.push_back({text, icon, buttons});
        if (whileMessageShown) {
            whileMessageShown(messages.back());
        }
        if (answers.empty()) {
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void openAddress(const QUrl &address) override
    {
        openedAddresses.push_back(QString::fromLatin1(address.toEncoded()));
        if (whileOpeningAddress) {
            whileOpeningAddress();
        }
    }

    QString chooseFileToOpen(const FileOpenRequest &request) override
    {
        fileRequests.push_back(request);
        if (filesToChoose.empty()) {
            return {};
        }
        const QString file = filesToChoose.front();
        filesToChoose.pop_front();
        return file;
    }

    QDate today() override { return todayDate; }

    void seedRandomFromClock() override
    {
        ++seeds;
        if (seedingFails) {
            throw std::runtime_error("no clock");
        }
    }

    float nextRandom() override
    {
        if (draws.empty()) {
            return 0.0F;
        }
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }

    bool isAnotherCopyRunning() override { return anotherCopyRunning; }

    SettingsStore &settings() override
    {
        if (!store) {
            store = std::make_unique<SettingsStore>(settingsPath);
        }
        return *store;
    }

    void endProcess() override { ++processEnds; }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> texts;
        for (const Message &message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    // Runs while a message is "on screen", to look at the program at that moment.
    std::function<void(const Message &)> whileMessageShown;
    std::vector<QString> openedAddresses;
    std::function<void()> whileOpeningAddress;
    std::vector<FileOpenRequest> fileRequests;
    std::deque<QString> filesToChoose;
    QDate todayDate{2026, 12, 8};
    std::deque<float> draws;
    int seeds = 0;
    bool seedingFails = false;
    bool anotherCopyRunning = false;
    QTemporaryDir settingsFolder;
    QString settingsPath = settingsFolder.filePath(QStringLiteral("TavikFreeHuescry.ini"));
    std::unique_ptr<SettingsStore> store;
    int processEnds = 0;
};
