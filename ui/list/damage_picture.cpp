#include "ui/list/damage_picture.h"

#include "catalogue/field_parsing.h"
#include "engine/criteria.h"

#include <algorithm>
#include <limits>

namespace kestrel::ui {

namespace {

using Interval = DamageInterval (*)(const MonsterRecord&, const FilterInputs&);

// The bar of one record: the interval the damage test allows with the box as
// ticked; its solid part is the interval without the tolerance, within it.
PictureBar barOf(const MonsterRecord& r, const FilterInputs& inputs, FilterInputs& plain, Interval interval)
{
    const DamageInterval whole = interval(r, inputs);
    if (!whole.tested)
        return {};
    const DamageInterval inner = interval(r, plain);
    PictureBar bar;
    bar.known = true;
    bar.low = std::min(whole.low, whole.high);
    bar.high = std::max(whole.low, whole.high);
    bar.solidLow = std::clamp(std::min(inner.low, inner.high), bar.low, bar.high);
    bar.solidHigh = std::clamp(std::max(inner.low, inner.high), bar.solidLow, bar.high);
    return bar;
}

// The axis from the smallest low to the largest high of the known bars; 0..0
// when none is known, and then no marks either: a value has no place without
// an axis.
void setAxis(ListPicture& picture)
{
    std::int64_t low = std::numeric_limits<std::int64_t>::max();
    std::int64_t high = std::numeric_limits<std::int64_t>::min();
    for (const PictureBar& bar : picture.bars) {
        if (!bar.known)
            continue;
        low = std::min(low, bar.low);
        high = std::max(high, bar.high);
    }
    picture.axisLow = low <= high ? low : 0;
    picture.axisHigh = low <= high ? high : 0;
    if (low > high)
        picture.marks.clear();
}

}  // namespace

std::vector<ListPicture> damagePictures(const PictureSources& s)
{
    ListPicture dealt, taken;
    dealt.column = kDealtPictureColumn;
    taken.column = kTakenPictureColumn;
    dealt.marks = s.dealtMarks;
    taken.marks = s.takenMarks;
    FilterInputs plain = s.inputs;
    plain.tolerance = false;
    const int count = std::clamp<std::int32_t>(s.catalogue.monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < count; ++i) {
        const MonsterRecord& r = s.catalogue.monsterTable[i];
        if (!r.isCandidate)
            continue;
        dealt.bars.push_back(s.attackUnset ? PictureBar{} : barOf(r, s.inputs, plain, dealtInterval));
        taken.bars.push_back(s.defenseUnset ? PictureBar{} : barOf(r, s.inputs, plain, takenInterval));
    }
    setAxis(dealt);
    setAxis(taken);
    return {std::move(dealt), std::move(taken)};
}

std::vector<std::int64_t> typedMarks(const std::string& lowText, const std::string& highText)
{
    std::vector<std::int64_t> marks;
    if (!lowText.empty())
        if (const auto low = leadingInteger(lowText))
            marks.push_back(*low);
    if (!highText.empty())
        if (const auto high = leadingInteger(highText); high && (marks.empty() || marks.front() != *high))
            marks.push_back(*high);
    return marks;
}

}  // namespace kestrel::ui
