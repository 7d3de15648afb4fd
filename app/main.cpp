// VesmarkOpt: start-up. Finds the program directory, asks before going on without
// a settings file, keeps one running copy per program file name and runs the dialog.
#include <QApplication>
#include <optional>
#include <string>

#include "dialog/OptionDlgUnit.hpp"
#include "dialog/Prompts.hpp"
#include "dialog/Texts.hpp"
#include "filepath/ComFilePathUnit.hpp"
#include "platform/instance_lock.hpp"
#include "platform/sysfiles.hpp"

int main(int argc, char** argv) {
    using namespace vesmark;
    namespace texts = dialog::texts;

    // The program directory, and the program's file name for the single-instance
    // object (a path the platform cannot give falls back to the usual name).
    const std::optional<std::string> programPath = platform::ProgramPath();
    if (programPath) InitAppPathFrom(*programPath);
    const std::string programFileName = ExtractFileName(programPath.value_or("VesmarkOpt"));

    // The program takes no arguments: the toolkit sees only the program name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(texts::AppTitle());
    dialog::InstallFonts();
    dialog::Prompts& prompts = dialog::SystemPrompts();

    if (!platform::FileExists(dialog::SettingsFilePath()) &&
        !prompts.AskYesNo(nullptr, texts::BoxCaption(), texts::SettingsMissing(), false)) {
        return 0;
    }

    // One running copy per program file name and user. The lock is taken in one
    // step, so two copies started together cannot both run, and the kernel drops
    // it when the process ends, however it ends.
    platform::InstanceLock instance;
    if (instance.Acquire("Vesmark_OptionDialog_" + programFileName) ==
        platform::InstanceLock::Result::HeldElsewhere) {
        prompts.Warn(nullptr, texts::BoxCaption(), texts::AlreadyRunning());
        return 0;
    }

    dialog::TFormOptionDlg form(prompts);
    form.setWindowTitle(texts::WindowTitle());
    QObject::connect(&form, &QDialog::finished, &app, &QCoreApplication::quit);
    form.show();
    QApplication::exec();
    AppPath.clear();
    return 0;
}
