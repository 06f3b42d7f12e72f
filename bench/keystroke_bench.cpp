// Keystrokes into the real window with 1024 monsters: the thread's CPU time from
// a key press to the repainted window (the key events, the refreshes and list
// fill they run, every control they change and every paint that causes),
// median and 95th percentile, for each edit of the window in each layout.
//
// The window is built as the program builds it. Each edit gets a character and
// then a Backspace, over and over: the character narrows the list, the
// Backspace brings back all 1024 rows, the worst case. Offscreen unless there is
// a display. A layout or an edit is measured by adding a line to kLayouts or
// kEdits.
//
//   bench_keystroke [--keys N] [--layout 0..3]... [--edit NAME]... [--paints]
//   bench_keystroke --write-monsters PATH   (the same 1024 monsters, as a file)
//
// --paints adds, for each edit, the widgets painted per key and their area.

#include "app/kestrel_window.h"
#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/hints/hint_panel.h"
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
#include <QPaintEvent>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
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

// Counts the paints of every widget (by object name or class) while on.
class PaintCensus : public QObject {
public:
    bool on = false;
    struct Count {
        int paints = 0;
        double pixels = 0;
    };
    std::map<QString, Count> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (on && event->type() == QEvent::Paint) {
            const auto* widget = static_cast<QWidget*>(watched);
            const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                                : widget->objectName();
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            Count& c = counts[name];
            ++c.paints;
            c.pixels += static_cast<double>(r.width()) * r.height();
        }
        return false;
    }
};

// What is measured: every edit of the main window, each with a character that
// narrows the list, in each layout.
struct Layout {
    int index;
    const char* name;
};
constexpr Layout kLayouts[] = {{0, "skills"}, {1, "location"}, {2, "trivia"}, {3, "damage"}};

struct Edit {
    int id;
    const char* name;
    const char* character;  // UTF-8
};
const Edit kEdits[] = {
    {ui::id::kSearchEdit, "search", "\u30B9"},  // ス
    {ui::id::kDealtHigh, "dealt high", "7"},         {ui::id::kDealtLow, "dealt low", "7"},
    {ui::id::kTakenHigh, "taken high", "7"},         {ui::id::kTakenLow, "taken low", "7"},
    {ui::id::kSpecialHigh, "special high", "7"},     {ui::id::kSpecialLow, "special low", "7"},
    {ui::id::kMoonsaultHigh, "moonsault high", "7"}, {ui::id::kMoonsaultLow, "moonsault low", "7"},
    {ui::id::kHpAtLeastEdit, "HP at least", "7"},    {ui::id::kHpAtMostEdit, "HP at most", "7"},
    {ui::id::kMpAtLeastEdit, "MP at least", "7"},    {ui::id::kMpAtMostEdit, "MP at most", "7"},
    {ui::kIdWhyGoneEdit, "why gone", "\u30B9"},
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
    Bench(app::KestrelWindow& window, PaintCensus* census) : window_(window), census_(census)
    {
        view_ = window.findChild<QTableView*>(QStringLiteral("id1037"));
    }

    int rows() const { return view_->model()->rowCount(); }
    int columns() const { return view_->model()->columnCount(); }

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

    // keys pairs of a character and Backspace into the edit; the worst median
    // and p95 over its keys are kept.
    void type(const Edit& e, int keys)
    {
        auto* edit = qobject_cast<QLineEdit*>(window_.controls().widget(e.id));
        edit->setFocus();
        edit->clear();
        settle();
        if (census_) {
            census_->counts.clear();
            census_->on = true;
        }
        std::vector<Sample> typed, erased, all;
        const QString character = QString::fromUtf8(e.character);
        for (int k = 0; k < keys; ++k) {
            const bool erase = k % 2 == 1;
            const double start = threadCpuMs();
            press(edit, erase ? Qt::Key_Backspace : Qt::Key_unknown, erase ? QString() : character);
            settle();
            const Sample sample{threadCpuMs() - start, rows()};
            (erase ? erased : typed).push_back(sample);
            all.push_back(sample);
        }
        edit->clear();
        settle();
        const Summary whole = summarise(all);
        std::printf("  %-15s %6.2f %6.2f   %6.2f %6.2f   %6.2f %6.2f   %4d..%d\n", e.name, whole.median, whole.p95,
                    summarise(typed).median, summarise(typed).p95, summarise(erased).median, summarise(erased).p95,
                    whole.minRows, whole.maxRows);
        worstMedian = std::max(worstMedian, whole.median);
        worstP95 = std::max(worstP95, whole.p95);
        if (census_) {
            census_->on = false;
            for (const auto& [name, c] : census_->counts)
                std::printf("      painted %-28s %5.2f a key, %8.0f pixels a key\n", qPrintable(name),
                            c.paints / static_cast<double>(keys), c.pixels / keys);
        }
    }

    double worstMedian = 0, worstP95 = 0;

private:
    // A key pressed and released, as the keyboard gives it.
    static void press(QWidget* widget, Qt::Key key, const QString& text)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &up);
    }

    app::KestrelWindow& window_;
    PaintCensus* census_;
    QTableView* view_;
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
    bool paints = false;
    std::vector<int> layouts;
    std::vector<std::string> edits;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--paints") == 0)
            paints = true;
        else if (i + 1 < argc && std::strcmp(argv[i], "--write-monsters") == 0)
            return writeMonsters(argv[i + 1]);
        else if (i + 1 < argc && std::strcmp(argv[i], "--keys") == 0)
            keys = std::max(2, std::atoi(argv[++i]));
        else if (i + 1 < argc && std::strcmp(argv[i], "--layout") == 0)
            layouts.push_back(std::clamp(std::atoi(argv[++i]), 0, 3));
        else if (i + 1 < argc && std::strcmp(argv[i], "--edit") == 0)
            edits.emplace_back(argv[++i]);
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
    // A player whose attack and defense are set: typed damage narrows the list
    // (an unset profile's would narrow nothing).
    const std::string settings =
        dir.write("kestrel.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=4\r\nMONSTERFILE=" + monsters +
                                     "\r\n[USER0]\r\nATACK=200\r\nDEFENSE=150\r\n");

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

    PaintCensus census;
    if (paints)
        app.installEventFilter(&census);
    Bench bench(window, paints ? &census : nullptr);
    std::printf("%d monsters, %d rows, window %dx%d, platform %s, %d keys an edit; ms of thread CPU a key\n", kMonsters,
                bench.rows(), window.width(), window.height(), qPrintable(QGuiApplication::platformName()), keys);
    for (int layout : layouts) {
        bench.click(ui::id::kLayoutRadios[static_cast<std::size_t>(layout)]);
        std::printf("layout %d (%s), %d columns:\n", layout, kLayouts[layout].name, bench.columns());
        std::printf("  %-15s %13s   %13s   %13s   rows after\n", "edit", "median  p95", "character", "Backspace");
        for (const Edit& edit : kEdits)
            if (edits.empty() || std::find(edits.begin(), edits.end(), edit.name) != edits.end())
                bench.type(edit, keys);
    }
    std::printf("worst over every edit and layout: median %.2f ms, p95 %.2f ms\n", bench.worstMedian, bench.worstP95);
    window.attach(nullptr);
    return 0;
}
