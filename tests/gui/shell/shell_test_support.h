#pragma once

#include <QFile>
#include <QString>
#include <cstring>
#include <functional>
#include <memory>

#include "engine/setup/setup_data.h"
#include "gui/shell/module_window.h"

namespace quillux::testing {

// Empty shipped reference files: the program starts without its "not found" messages.
inline void CreateShippedFiles(const QString& dataFolder) {
    for (const char* name : {"DataFixture.dbd", "DataManufacturer.dbd"}) {
        QFile file(dataFolder + QString::fromLatin1(name));
        file.open(QIODevice::WriteOnly);
    }
}

inline std::unique_ptr<engine::TQxSetupData> ReadSetup(const QString& path) {
    auto record = std::make_unique<engine::TQxSetupData>();
    record->Clear();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        std::memcpy(static_cast<void*>(record.get()), bytes.constData(),
                    std::min<std::size_t>(std::size_t(bytes.size()), sizeof(engine::TQxSetupData)));
    }
    return record;
}

inline void WriteSetup(const QString& path, const std::function<void(engine::TQxSetupData&)>& fill) {
    auto record = std::make_unique<engine::TQxSetupData>();
    record->Clear();
    fill(*record);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(record.get()), sizeof(engine::TQxSetupData));
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quillux::testing
