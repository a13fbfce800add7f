// libFuzzer target: any bytes as a settings file. What is read is text, and what is written of it
// reads back the same.
#include "settings/iniastext.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QSettings::SettingsMap read;
    iniAsText::read(file, read);
    for (const QVariant &value : std::as_const(read)) {
        if (value.metaType().id() != QMetaType::QString &&
            value.metaType().id() != QMetaType::QByteArray) {
            __builtin_trap();
        }
    }

    QByteArray written;
    QBuffer copy(&written);
    copy.open(QIODevice::WriteOnly);
    iniAsText::write(copy, read);
    copy.close();
    copy.open(QIODevice::ReadOnly);
    QSettings::SettingsMap reread;
    iniAsText::read(copy, reread);
    if (reread != read) {
        __builtin_trap();
    }
    return 0;
}
