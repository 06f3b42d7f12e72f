// The program: one window on the main window's logic, `kestrel [FILE]`.

#include "app/kestrel_window.h"
#include "app/screenshot.h"
#include "app/startup_timing.h"

#include "platform/program_path.h"
#include "ui/main_window.h"
#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QTimer>

#include <clocale>
#include <string>

namespace {

// Japanese text needs a font that has it; the first of these that is installed
// draws the window, the system's own font stays the last resort.
void preferJapaneseFonts(QApplication& app)
{
    QFont font = app.font();
    QStringList families = {QStringLiteral("IPAPGothic"),       QStringLiteral("IPAGothic"),
                            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"),
                            QStringLiteral("Yu Gothic UI"),     QStringLiteral("Meiryo UI"),
                            QStringLiteral("MS UI Gothic"),     QStringLiteral("Hiragino Sans")};
    families.append(font.families());
    font.setFamilies(families);
    app.setFont(font);
}

}  // namespace

int main(int argc, char* argv[])
{
    kestrel::app::markStartupPhase("main");
    QApplication app(argc, argv);
    kestrel::app::markStartupPhase("application");
    // Numbers are written with '.' whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestrel.svg")));
    preferJapaneseFonts(app);

    // QApplication has taken its own options out of argv; the first argument
    // left is a definition file.
    const QString definitionFile = argc > 1 ? QFile::decodeName(argv[1]) : QString();

    kestrel::app::KestrelWindow window;
    kestrel::app::markStartupPhase("window");
    int status = 0;
    {
        kestrel::ui::CKestrelDlg dialog(window.controls(),
                                        kestrel::settingsFilePath(kestrel::executablePath()));
        window.attach(&dialog);
        kestrel::app::markStartupPhase("layout");
        dialog.OnInitDialog();
        window.controls().flush();
        kestrel::app::markStartupPhase("init");
        window.show();
        kestrel::app::markStartupPhase("shown");
        kestrel::app::quitAfterFirstFrame(window);
        if (!definitionFile.isEmpty())
            QTimer::singleShot(0, &window, [&window, definitionFile] { window.openDefinitionFile(definitionFile); });
        kestrel::app::takeScreenshotsIfAsked(window);
        status = QApplication::exec();
        window.attach(nullptr);
    }  // the dialog saves the settings as it goes
    return status;
}
