#include "ui/private_qt_settings.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace quorrin::ui {

void keepQtSettingsPrivate()
{
    static const QTemporaryDir folder;
    static const bool kept = [] {
        // Without a temporary folder, a path below a file: nothing can be
        // read there, and nothing written.
        const QString path = folder.isValid() ? folder.path() : QProcess::nullDevice();
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, path);
        return true;
    }();
    static_cast<void>(kept);
}

} // namespace quorrin::ui
