#pragma once

#include "app/instancelock.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"

#include <memory>
#include <random>

class QtPlatform : public Platform
{
public:
    MessageAnswer showMessage(const QString &text, MessageIcon icon,
                              MessageButtons buttons) override;
    void openAddress(const QUrl &address) override;
    QString chooseFileToOpen(const FileOpenRequest &request) override;
    QDate today() override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    bool isAnotherCopyRunning() override;
    SettingsStore &settings() override;
    void endProcess() override;

private:
    std::mt19937 m_random;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::unique_ptr<SettingsStore> m_settings;
};
