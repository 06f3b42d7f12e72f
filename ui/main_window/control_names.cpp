#include "ui/main_window/control_names.h"

#include "ui/list/list_view.h"
#include "ui/ids.h"

#include <array>

namespace kestrel::ui {

namespace {

using Names = std::vector<std::pair<std::string, int>>;

// prefix-1, prefix-2, … for the controls of a row, numbered from first.
template <std::size_t N>
void numbered(Names& names, const char* prefix, const std::array<int, N>& ids, int first = 1)
{
    for (std::size_t k = 0; k < N; ++k)
        names.emplace_back(std::string(prefix) + "-" + std::to_string(first + static_cast<int>(k)), ids[k]);
}

// The controls above the damage rows.
void addUpperControls(Names& n)
{
    n.insert(n.end(), {
                          {"refer", id::kRefer},
                          {"path", id::kPath},
                          {"confirm-box", id::kConfirmBox},
                          {"exclude-box", id::kExcludeBox},
                          {"hp-min-box", id::kHpAtLeastBox},
                          {"hp-min", id::kHpAtLeastEdit},
                          {"hp-max-box", id::kHpAtMostBox},
                          {"hp-max", id::kHpAtMostEdit},
                          {"mp-min-box", id::kMpAtLeastBox},
                          {"mp-min", id::kMpAtLeastEdit},
                          {"mp-max-box", id::kMpAtMostBox},
                          {"mp-max", id::kMpAtMostEdit},
                          {"config", id::kConfig},
                          {"user-name", id::kUserName},
                          {"user-down", id::kUserDown},
                          {"user-no", id::kUserNo},
                          {"user-up", id::kUserUp},
                          {"weapon-name", id::kWeaponName},
                          {"change-user", id::kChangeUser},
                          {"user-attack", id::kUserAttack},
                          {"user-defense", id::kUserDefense},
                      });
}

// The four damage rows.
void addDamageRows(Names& n)
{
    const struct {
        const char* row;
        int low, high, down, up;
    } rows[] = {
        {"moonsault", id::kMoonsaultLow, id::kMoonsaultHigh, id::kMoonsaultDown, id::kMoonsaultUp},
        {"taken", id::kTakenLow, id::kTakenHigh, id::kTakenDown, id::kTakenUp},
        {"dealt", id::kDealtLow, id::kDealtHigh, id::kDealtDown, id::kDealtUp},
        {"special", id::kSpecialLow, id::kSpecialHigh, id::kSpecialDown, id::kSpecialUp},
    };
    for (const auto& r : rows) {
        const std::string row = r.row;
        n.insert(n.end(),
                 {{row + "-low", r.low}, {row + "-high", r.high}, {row + "-down", r.down}, {row + "-up", r.up}});
    }
    n.insert(n.end(), {{"moonsault-verdict", id::kMoonsaultVerdict},
                       {"taken-box", id::kTakenBox},
                       {"dealt-box", id::kDealtBox},
                       {"special-name", id::kSpecialName},
                       {"special-verdict", id::kSpecialVerdict}});
}

// The observation buttons, the search line and the list.
void addLowerControls(Names& n)
{
    n.insert(n.end(), {
                          {"metal-box", id::kMetalBox},
                          {"metal-button", id::kMetalButton},
                          {"floating-box", id::kFloatingBox},
                          {"floating-button", id::kFloatingButton},
                          {"size-box", id::kSizeBox},
                          {"size-button", id::kSizeButton},
                          {"mp-drain-box", id::kMpDrainBox},
                          {"mp-drain-button", id::kMpDrainButton},
                          {"anger-box", id::kAngerBox},
                          {"anger-button", id::kAngerButton},
                          {"push-box", id::kPushBox},
                          {"push-button", id::kPushButton},
                          {"search-box", id::kSearchBox},
                          {"search-edit", id::kSearchEdit},
                          {"tolerance-box", id::kToleranceBox},
                          {"reset", id::kReset},
                          {"list-lock", id::kListLock},
                          {"list", kIdList},
                          {"candidate-count", kIdCandidateCount},
                          {"answer-check", id::kAnswerCheck},
                      });
}

Names allNames()
{
    Names n;
    addUpperControls(n);
    addDamageRows(n);
    addLowerControls(n);
    numbered(n, "class", id::kClassRadios);
    numbered(n, "confirm", id::kConfirmRow);
    numbered(n, "exclude", id::kExcludeRow);
    numbered(n, "skill", id::kSkillButtons);
    numbered(n, "sort", id::kSortRadios, 0);
    numbered(n, "layout", id::kLayoutRadios, 0);
    numbered(n, "attack-range", id::kAttackRange);
    numbered(n, "defense-range", id::kDefenseRange);
    numbered(n, "bonus-defense-range", id::kBonusDefenseRange);
    return n;
}

}  // namespace

const std::vector<std::pair<std::string, int>>& mainWindowControlNames()
{
    static const Names names = allNames();
    return names;
}

std::optional<int> mainWindowControlByName(std::string_view name)
{
    for (const auto& [n, id] : mainWindowControlNames())
        if (n == name)
            return id;
    return std::nullopt;
}

}  // namespace kestrel::ui
