// The main window's logic on the in-memory controls, driven by a sequence of
// user actions decoded from the fuzzer's bytes, on the sample data. After every
// action: the candidate count is the number of candidate records, every row of
// a row layout names a candidate, and the settings file on disk still parses.

#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/main_window/control_set.h"
#include "ui/ids.h"
#include "ui/memory_controls.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace kestrel;
using namespace kestrel::ui;
using kestrel::fuzz::check;

namespace {

constexpr int kMaxEvents = 64;
constexpr std::array<int, 8> kDamageEdits = {id::kDealtLow,   id::kDealtHigh,   id::kTakenLow,     id::kTakenHigh,
                                             id::kSpecialLow, id::kSpecialHigh, id::kMoonsaultLow, id::kMoonsaultHigh};
constexpr std::string_view kKeys = "+-*/0123456789d ";
// Controls of the user settings and Config dialogs a dialog script may fill.
constexpr std::array<int, 24> kDialogIds = {3,    1005, 1006, 1007, 1008, 1009, 1012, 1016, 1020, 1022, 1023, 1024,
                                            1028, 1031, 1112, 1114, 1129, 1130, 1131, 1132, 1142, 1145, 1153, 1161};
// Texts that mean something somewhere, mixed with the fuzzer's own bytes.
const std::array<std::string, 10> kWords = {"25",
                                            "999",
                                            "-3",
                                            "d8",
                                            "@",
                                            "\x81\x97",                  // ＠
                                            "\x82\xBD\x82\xDF\x82\xE9",  // ためる
                                            "1.56",
                                            "\x81\x40",
                                            "0"};  // full-width space

struct Fixture {
    std::string folder;
    std::string settingsPath;
    std::string samplePath;
    std::vector<int> allIds;
    std::vector<int> editIds;
    std::vector<std::string> files;

    Fixture()
    {
        char pattern[] = "/tmp/kestrel-fuzz-window-XXXXXX";
        const char* made = mkdtemp(pattern);
        check(made != nullptr, "temporary folder made");
        folder = made;
        settingsPath = folder + "/kestrel.ini";
        samplePath = std::string(KESTREL_SOURCE_DIR) + "/resources/sample-monsters.csv";
        for (const ControlSpec& item : mainWindowControls()) {
            allIds.push_back(item.id);
            if (item.kind == ControlKind::Edit)
                editIds.push_back(item.id);
        }
        const std::string garbage = folder + "/garbage.csv";
        check(writeFileAtomically(garbage, std::string("HRVTNP15041200\r\n1,\x82,\0,,", 24)), "garbage written");
        files = {samplePath,   folder,
                 settingsPath, folder + "/missing.csv",
                 garbage,      std::string(KESTREL_SOURCE_DIR) + "/tests/scenarios/data/two.csv"};
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

std::string settingsText(fuzz::ByteStream& in, const Fixture& f)
{
    // In this order: a declaration's initialisers run one after the other.
    const std::uint8_t a = in.byte(), b = in.byte(), weapon = in.byte(), atk = in.byte(), def = in.byte(),
                       weight = in.byte();
    using std::to_string;
    return "[SETTING]\r\nINFORMATIONFLAG=" + std::string((a & 0x80) ? "0" : "5F") + "\r\nMONSTERFILE=" + f.samplePath +
           "\r\nQUIZCLASS=" + to_string(a % 5) + "\r\nSELECTLIST=" + to_string((a >> 3) % 5) +
           "\r\nSORT=" + to_string(b % 8) + "\r\nDEBUG=" + ((b & 0x80) ? "8" : "0") +
           "\r\n[USER0]\r\nWEAPON=" + to_string(weapon % 17) + "\r\nORBUMLV=" + to_string(b % 7) +
           "\r\nATACK=" + to_string(1 + atk * 3) + "\r\nDEFENSE=" + to_string(1 + def * 2) +
           "\r\nWEIGHT=" + to_string(1 + weight * 4) + "\r\n";
}

std::string someText(fuzz::ByteStream& in)
{
    const std::uint8_t how = in.byte();
    if (how % 4 == 0)
        return kWords[in.pick(kWords.size())];
    if (how % 4 == 1)
        return std::to_string(static_cast<int>(in.byte()) * 4 - 20);
    return in.text(24);
}

void checkInvariants(const CKestrelDlg& dialog, MemoryControls& controls, const Fixture& f)
{
    const ObservationState& state = dialog.state();
    const Catalogue& catalogue = dialog.catalogue();
    check(catalogue.monsterCount >= 0 && catalogue.monsterCount <= kMaxMonsters, "monsterCount in the table");
    check(state.search.searchWordCount >= 0 && state.search.searchWordCount <= kMaxSearchWords, "word count");
    if (state.refreshSuppressed == 0) {
        int candidates = 0;
        std::set<std::string> names;
        for (int i = 0; i < catalogue.monsterCount; ++i) {
            const MonsterRecord& r = catalogue.monsterTable[i];
            if (r.isCandidate) {
                ++candidates;
                names.emplace(r.name, strnlen(r.name, kNameSize));
            }
        }
        check(state.candidateCount == candidates, "candidateCount is the number of candidate records");
        if (!state.listLocked && effectiveLayout(state.listLayout) != 2) {
            const std::vector<std::vector<std::string>>& rows = controls.rows(kIdList);
            check(rows.size() == static_cast<std::size_t>(candidates), "one list row per candidate");
            for (const std::vector<std::string>& row : rows)
                check(!row.empty() && names.count(row[0]) == 1, "every list row names a candidate");
        }
    }
    // Parsing takes longer than an action: only a file that changed is parsed again.
    static std::string lastParsed;
    if (const std::optional<std::string> bytes = readWholeFile(f.settingsPath); bytes && *bytes != lastParsed) {
        const Settings onDisk = parseSettings(*bytes);
        check(onDisk.currentUser >= 0 && onDisk.currentUser < kProfileCount, "the settings file parses");
        check(onDisk.monsterFilePath.size() < 2048, "the settings file names a definition file of bounded length");
        lastParsed = *bytes;
    }
}

void playOneEvent(fuzz::ByteStream& in, MemoryControls& controls, const Fixture& f)
{
    switch (in.pick(9)) {
    case 0:  // type any text into any edit
        controls.type(f.editIds[in.pick(f.editIds.size())], someText(in));
        break;
    case 1:  // key an operator or a digit into a damage edit
        controls.key(kDamageEdits[in.pick(kDamageEdits.size())], kKeys[in.pick(kKeys.size())]);
        break;
    case 2:
    case 3:  // click any control
        controls.click(f.allIds[in.pick(f.allIds.size())]);
        break;
    case 4:  // answer the next message box
        controls.queueAnswer(static_cast<MessageAnswer>(in.pick(4)));
        break;
    case 5: {  // fill and close the next dialog
        DialogScript script;
        script.ok = in.byte() & 1;
        for (std::size_t n = in.pick(4); n > 0; --n) {
            const int target = kDialogIds[in.pick(kDialogIds.size())];
            script.fills.emplace_back(target, in.byte() & 1 ? someText(in) : std::string(in.byte() & 1 ? "1" : "0"));
        }
        if (in.byte() & 1)
            script.clicks.push_back(kDialogIds[in.pick(kDialogIds.size())]);
        controls.queueDialog(std::move(script));
        break;
    }
    case 6:  // the next file dialog: a file, a folder, the settings file, nothing
        controls.queueFile(in.byte() & 1 ? std::optional(f.files[in.pick(f.files.size())]) : std::nullopt);
        break;
    case 7:  // change the layout or the quiz class
        if (in.byte() & 1)
            controls.click(id::kLayoutRadios[in.pick(id::kLayoutRadios.size())]);
        else
            controls.click(id::kClassRadios[in.pick(id::kClassRadios.size())]);
        break;
    default:  // a number into a damage edit
        controls.type(kDamageEdits[in.pick(kDamageEdits.size())], std::to_string(in.byte()));
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Fixture& f = fixture();
    fuzz::ByteStream in(data, size);
    check(writeFileAtomically(f.settingsPath, settingsText(in, f)), "settings file written");
    {
        MemoryControls controls;
        CKestrelDlg dialog(controls, f.settingsPath);
        dialog.OnInitDialog();
        controls.flushPostedFocus();
        checkInvariants(dialog, controls, f);
        for (int n = 0; n < kMaxEvents && !in.empty(); ++n) {
            playOneEvent(in, controls, f);
            checkInvariants(dialog, controls, f);
        }
    }
    if (const std::optional<std::string> bytes = readWholeFile(f.settingsPath))
        (void)parseSettings(*bytes);
    return 0;
}
