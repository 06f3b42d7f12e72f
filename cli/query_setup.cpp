#include "cli/query_setup.h"

#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/measured_damage.h"
#include "engine/range_display.h"
#include "engine/sorting.h"
#include "engine/text_search.h"

namespace kestrel::cli {

namespace {

// Feeds one damage row to the range model as the window does when LOW is typed
// into the empty low edit and then HIGH into the high edit: the low edit's
// handler copies its value into the high edit, whose handler runs first; each
// handler ends with a refresh, which shows the ranges.
void feedDamageRow(ObservationState& state, MeasuredRow row, std::int32_t playerValue, const DamageEntry& entry)
{
    const auto showRanges = [&state] { updateRangeDisplay(state); };
    const auto take = [&](DamageEdit edit, std::int32_t value, std::int32_t other) {
        noteDamageValue(state, row, edit, value);
        narrowByDamage(state, row, edit, playerValue, value, other, showRanges);
        showRanges();
    };
    take(DamageEdit::High, entry.low, entry.low);
    take(DamageEdit::Low, entry.low, entry.low);
    if (entry.high != entry.low)
        take(DamageEdit::High, entry.high, entry.low);
}

}  // namespace

bool loadAndRefresh(QueryOptions& q, Catalogue& catalogue)
{
    ObservationState& state = q.state;
    q.inputs.ORBUMLV = q.orb;
    q.inputs.WEIGHT = q.weight;
    q.inputs.ATACK = q.attack;
    q.inputs.DEFENSE = q.defense;
    if (!loadDefinitionFile(catalogue, q.file).opened)
        return false;
    computeExpectedDamage(catalogue, q.attack, q.defense);

    if (q.dealt.given) {
        feedDamageRow(state, MeasuredRow::Dealt, q.attack, q.dealt);
        q.inputs.dealtDamage = true;
        q.inputs.dealtLow = q.dealt.low;
        q.inputs.dealtHigh = q.dealt.high;
    }
    if (q.taken.given) {
        feedDamageRow(state, MeasuredRow::Taken, q.defense, q.taken);
        q.inputs.takenDamage = true;
        q.inputs.takenLow = q.taken.low;
        q.inputs.takenHigh = q.taken.high;
    }
    splitSearchText(state.search, q.inputs.searchText);
    normaliseSearchWords(state.search);

    applySort(catalogue, q.sortKey, q.debugLevel);
    refresh(catalogue, state, q.inputs);
    return true;
}

}  // namespace kestrel::cli
