// The program: one window on the main window's logic, `kestrel [FILE]`.

#include "app/arguments.h"
#include "app/kestrel_window.h"
#include "app/screenshot.h"
#include "app/startup_timing.h"

#include "platform/program_path.h"
#include "ui/main_window/window.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/translations.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <clocale>
#include <iostream>
#include <vector>
#include <string>

int main(int argc, char* argv[])
{
    // --help and --version need no window system: they are answered before Qt starts.
    {
        // Qt's own options are left for Qt; anything else unknown ends here,
        // before a window system is needed.
        const auto early = kestrel::app::parseArguments(
            kestrel::app::withoutQtOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc)));
        if (early.action == kestrel::app::Arguments::Action::Error) {
            std::cerr << "kestrel: " << early.message << " (see kestrel --help)\n";
            return 2;
        }
        if (early.action == kestrel::app::Arguments::Action::Help) {
            std::cout << kestrel::app::usageText();
            return 0;
        }
        if (early.action == kestrel::app::Arguments::Action::Version) {
            std::cout << kestrel::app::versionText();
            return 0;
        }
    }
    kestrel::app::markStartupPhase("main");
    QApplication app(argc, argv);
    kestrel::app::markStartupPhase("application");
    // QApplication has taken its own options out of argv; what is left is ours.
    const auto arguments = kestrel::app::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (arguments.action == kestrel::app::Arguments::Action::Error) {
        std::cerr << "kestrel: " << arguments.message << " (see kestrel --help)\n";
        return 2;
    }
    // Numbers are written with '.' whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    kestrel::ui::installQtTranslations(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestrel.svg")));
    kestrel::ui::preferJapaneseFonts(app);

    const QString definitionFile = QFile::decodeName(QByteArray::fromStdString(arguments.file));

    kestrel::app::KestrelWindow window;
    kestrel::app::markStartupPhase("window");
    int status = 0;
    {
        const std::string executable = kestrel::executablePath();
        kestrel::ui::CKestrelDlg dialog(window.controls(), kestrel::settingsFilePath(executable));
        dialog.setFallbackDefinitionFile(kestrel::sampleDefinitionFile(executable));
        window.attach(&dialog);
        kestrel::app::markStartupPhase("layout");
        kestrel::app::shootFirstStartMessagesIfAsked(window);
        // A file argument is the only definition file loaded at start.
        dialog.OnInitDialog(definitionFile.isEmpty() ? std::string()
                                                     : kestrel::app::KestrelWindow::pathForLogic(definitionFile));
        window.controls().flush();
        kestrel::app::markStartupPhase("init");
        // Shown here at the latest: a start-up message shows it first, at the
        // place the logic restored, so that the message opens over it.
        window.show();
        kestrel::app::markStartupPhase("shown");
        kestrel::app::quitAfterFirstFrame(window);
        kestrel::app::takeScreenshotsIfAsked(window);
        status = QApplication::exec();
        window.attach(nullptr);
    }  // the dialog saves the settings as it goes
    return status;
}
