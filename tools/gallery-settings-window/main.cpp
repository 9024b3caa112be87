// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-settings-window [output directory]
//
// Opens the settings window offscreen over a store in memory and writes one
// PNG per tab and appearance, at twice the logical size. The Behavior tab is
// drawn twice: with a plain completion and with the animation picker.
#include "Kelvane/settingswindow/ProgramIdentity.h"
#include "Kelvane/settingswindow/SettingsView.h"
#include "Kelvane/settingswindow/SettingsWindowController.h"
#include "Kelvane/system/NullSystemManagers.h"
#include "tools/gallery-settings/GallerySupport.h"

#include "shared-ui/identity/ProgramIcon.h"

#include "PlatformKit/core/OneShotTimer.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPalette>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qreal pixelsPerPoint = 2;

bool writePng(QWidget& window, const QString& path)
{
    QCoreApplication::processEvents();
    QImage image(window.size() * pixelsPerPoint, QImage::Format_ARGB32);
    image.setDevicePixelRatio(pixelsPerPoint);
    image.fill(window.palette().color(QPalette::Window));
    window.render(&image);
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"gallery-settings-window"_s;
    QDir().mkpath(outputDir);

    auto defaults = platform::UserDefaults::inMemory();
    AppSettings settings(*defaults);
    NullSoundManager sounds;
    NullFocusStatusManager focus;
    SettingsWindowParts parts;
    parts.settings = &settings;
    parts.sounds = &sounds;
    parts.focus = &focus;
    parts.makeLaunchAtLogin = [] { return std::make_unique<NullLaunchAtLoginManager>(); };
    parts.makeOneShotTimer = [] { return std::make_unique<platform::QtOneShotTimer>(); };
    parts.onCheckForUpdates = [] {};
    parts.icon = &ProgramIcon::icon;
    parts.shortVersion = ProgramIdentity::shortVersion();
    parts.buildNumber = ProgramIdentity::buildNumber();

    const struct {
        const char* name;
        QPalette palette;
    } appearances[] = {{"light", gallery::lightPalette()}, {"dark", gallery::darkPalette()}};
    const struct {
        const char* name;
        SettingsTab tab;
        CompletionBehavior completion;
    } shots[] = {
        {"general", SettingsTab::General, CompletionBehavior::ShowCheckmark},
        {"appearance", SettingsTab::Appearance, CompletionBehavior::ShowCheckmark},
        {"behavior", SettingsTab::Behavior, CompletionBehavior::ShowCheckmark},
        {"behavior-animation", SettingsTab::Behavior, CompletionBehavior::PlayAnimation},
        {"about", SettingsTab::About, CompletionBehavior::ShowCheckmark},
    };

    bool ok = true;
    for (const auto& appearance : appearances) {
        QApplication::setPalette(appearance.palette);
        for (const auto& shot : shots) {
            settings.completionSettings().setDisplayBehavior(shot.completion);
            // A window per shot, as each opening builds one.
            SettingsWindowController controller(parts);
            controller.showSettings();
            controller.view()->setSelectedTab(shot.tab);
            ok = writePng(*controller.window(),
                          outputDir + u"/settings-"_s + QString::fromLatin1(shot.name) + u'-'
                              + QString::fromLatin1(appearance.name) + u".png"_s)
                && ok;
        }
    }
    return ok ? 0 : 1;
}
