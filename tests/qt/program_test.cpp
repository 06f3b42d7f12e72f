// The program as a player starts it: its command line and what it installs
// around the window (Qt's own texts in Japanese).

#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <sys/wait.h>

namespace {

struct ProgramRun {
    int status;
    std::string out;
};

// Runs the program offscreen with the given (shell-quoted) arguments; stderr is dropped.
ProgramRun runProgram(const std::string& arguments)
{
    const std::string command = "QT_QPA_PLATFORM=offscreen " + std::string(KESTREL_BINARY_DIR) + "/bin/kestrel " +
                                arguments + " 2>/dev/null </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace

TEST(Program, HelpAndVersionPrintAndEndWhileOptionsAreNeverFiles)
{
    const ProgramRun help = runProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: kestrel [FILE]", 0), 0u) << help.out;
    const ProgramRun version = runProgram("-platform offscreen --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("kestrel [0-9]+\\.[0-9]+(\\.[0-9]+)*\n"))) << version.out;
    // An unknown option, or a second file, ends the program before any window
    // or settings file: nothing is stored, nothing printed on stdout.
    for (const char* arguments : {"-x", "--monsters=a.csv", "a.csv -", "a.csv b.csv"}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_NE(run.status, 0) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

TEST(Program, AWrongArgumentIsToldWithoutAWindowSystem)
{
    // No display at all: the argument is read before Qt would give up on one.
    for (const char* arguments : {"--bogus", "-style fusion --bogus", "-platform xcb a.csv b.csv"}) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    std::string(KESTREL_BINARY_DIR) + "/bin/kestrel " + arguments +
                                    " >/dev/null 2>&1 </dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << arguments << ": " << status;
    }
}

TEST(Program, QtsOwnButtonsSpeakJapanese)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
        GTEST_SKIP() << "Qt's Japanese translations are not installed (scripts/setup.sh installs them)";
    ASSERT_TRUE(kestrel::ui::installQtTranslations(*QCoreApplication::instance()));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                             QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(buttons.button(QDialogButtonBox::Yes)->text().startsWith(QStringLiteral("はい")));
}
