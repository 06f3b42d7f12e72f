// Keystrokes into the real window with 1024 monsters: the thread's CPU time from
// a key press to the repainted window (the key events, the refreshes and list
// fill they run, and every paint they cause), median and 95th percentile.
//
// The window is built as the program builds it. Each edit gets a character and
// then a Backspace, over and over: the character narrows the list, the
// Backspace brings back all 1024 rows, the worst case. Offscreen unless there is
// a display.
//
//   bench_keystroke [--keys N] [--layout 0..3]...
//   bench_keystroke --write-monsters PATH   (the same 1024 monsters, as a file)

#include "app/kestrel_window.h"
#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/ids.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_controls.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace kestrel;

namespace {

constexpr int kMonsters = 1024;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

struct Sample {
    double ms;
    int rows;
};

struct Summary {
    double median = 0, p95 = 0;
    int minRows = 0, maxRows = 0;
};

Summary summarise(std::vector<Sample> samples)
{
    Summary s;
    if (samples.empty())
        return s;
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
    s.median = samples[samples.size() / 2].ms;
    s.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)].ms;
    s.minRows = s.maxRows = samples.front().rows;
    for (const Sample& x : samples) {
        s.minRows = std::min(s.minRows, x.rows);
        s.maxRows = std::max(s.maxRows, x.rows);
    }
    return s;
}

class Bench {
public:
    Bench(app::KestrelWindow& window) : window_(window)
    {
        view_ = window.findChild<QTableView*>(QStringLiteral("id1037"));
        paints_ = new PaintCounter(view_->viewport());
    }

    int rows() const { return view_->model()->rowCount(); }

    // Every event the key leaves behind, the repaint included, before it returns.
    void settle() const
    {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    void click(int id)
    {
        if (auto* button = qobject_cast<QAbstractButton*>(window_.controls().widget(id)))
            QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    // keys pairs of a character and Backspace into edit id.
    void type(int id, const QString& character, int keys, const char* name)
    {
        auto* edit = qobject_cast<QLineEdit*>(window_.controls().widget(id));
        edit->setFocus();
        edit->clear();
        settle();
        std::vector<Sample> typed, erased, all;
        const int paintsBefore = paints_->paints;
        for (int k = 0; k < keys; ++k) {
            const bool erase = k % 2 == 1;
            const double start = threadCpuMs();
            press(edit, erase ? Qt::Key_Backspace : Qt::Key_unknown, erase ? QString() : character);
            settle();
            const Sample sample{threadCpuMs() - start, rows()};
            (erase ? erased : typed).push_back(sample);
            all.push_back(sample);
        }
        print(name, "character", summarise(typed));
        print(name, "Backspace", summarise(erased));
        print(name, "all", summarise(all));
        std::printf("  list repainted %.2f times a key\n", static_cast<double>(paints_->paints - paintsBefore) / keys);
    }

private:
    // A key pressed and released, as the keyboard gives it.
    static void press(QWidget* widget, Qt::Key key, const QString& text)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &up);
    }

    static void print(const char* edit, const char* keys, const Summary& s)
    {
        std::printf("  %-22s %-10s median %6.2f ms  p95 %6.2f ms  rows after %d..%d\n", edit, keys, s.median, s.p95,
                    s.minRows, s.maxRows);
    }

    app::KestrelWindow& window_;
    QTableView* view_;
    PaintCounter* paints_;
};

int writeMonsters(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    out << testing::generatedExtendedFile(kMonsters, 1);
    return out ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    int keys = 200;
    std::vector<int> layouts;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--write-monsters") == 0)
            return writeMonsters(argv[i + 1]);
        if (std::strcmp(argv[i], "--keys") == 0)
            keys = std::max(2, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--layout") == 0)
            layouts.push_back(std::clamp(std::atoi(argv[i + 1]), 0, 3));
    }
    if (layouts.empty())
        layouts = {0, 3};
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    kestrel::ui::preferJapaneseFonts(app);

    testing::TempDir dir;
    const std::string monsters = dir.write("monsters.csv", testing::generatedExtendedFile(kMonsters, 1));
    const std::string settings =
        dir.write("kestrel.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=4\r\nMONSTERFILE=" + monsters + "\r\n");

    app::KestrelWindow window;
    ui::CKestrelDlg dialog(window.controls(), settings);
    window.attach(&dialog);
    dialog.OnInitDialog();
    window.controls().flush();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(200);

    Bench bench(window);
    std::printf("%d monsters, %d rows, window %dx%d, platform %s, %d keys an edit\n", kMonsters, bench.rows(),
                window.width(), window.height(), qPrintable(QGuiApplication::platformName()), keys);
    for (int layout : layouts) {
        bench.click(ui::id::kLayoutRadios[static_cast<std::size_t>(layout)]);
        std::printf("layout %d, %d columns:\n", layout,
                    window.findChild<QTableView*>(QStringLiteral("id1037"))->model()->columnCount());
        bench.type(ui::id::kDealtHigh, QStringLiteral("7"), keys, "dealt high 1118");
        bench.type(ui::id::kDealtLow, QStringLiteral("7"), keys, "dealt low 1090");
        bench.type(ui::id::kSearchEdit, QStringLiteral("\u30B9"), keys, "search 1005");  // ス
    }
    window.attach(nullptr);
    return 0;
}
