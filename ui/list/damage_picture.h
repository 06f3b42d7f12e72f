#pragma once
// The two picture columns at the right end of the damage layout: per candidate
// a bar over the damage it deals (与ダメ図) or deals the player (被ダメ図), the
// part the tolerance box adds drawn lighter, all bars of a column on one axis,
// and the values typed into the damage fields as marks through the column.

#include "catalogue/catalogue.h"
#include "engine/filter_inputs.h"
#include "ui/controls.h"

#include <cstdint>
#include <vector>

namespace kestrel::ui {

// The picture columns of the damage layout (after its fifteen text columns).
inline constexpr int kDealtPictureColumn = 15;
inline constexpr int kTakenPictureColumn = 16;

struct PictureSources {
    const Catalogue& catalogue;
    const FilterInputs& inputs;            // the tolerance box, its percentages, the orb level
    bool attackUnset = false;              // the profile's attack is unset: no dealt bar can be told
    bool defenseUnset = false;             // the same for its defense and the received damage
    std::vector<std::int64_t> dealtMarks;  // the values typed into the dealt fields
    std::vector<std::int64_t> takenMarks;  // the same for the received fields
};

// The bars of every candidate in table order (the rows of the damage layout),
// one picture per column; a column without a single bar has no marks.
std::vector<ListPicture> damagePictures(const PictureSources& sources);

// The typed values of a low and a high field as marks: each one typed, the
// high one only where it differs from the low one.
std::vector<std::int64_t> typedMarks(const std::string& lowText, const std::string& highText);

}  // namespace kestrel::ui
