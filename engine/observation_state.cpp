#include "engine/observation_state.h"

namespace kestrel {

void resetObservations(ObservationState& state)
{
    // The member initialisers are the reset values: nothing observed, the damage
    // bounds unknown, no search. The context and the suppression flag (the
    // window's) survive; the list lock and the tolerance box do not.
    ObservationState fresh{};
    fresh.currentClass = state.currentClass;
    fresh.currentUser = state.currentUser;
    fresh.listLayout = state.listLayout;
    fresh.candidateCount = state.candidateCount;
    fresh.refreshSuppressed = state.refreshSuppressed;
    state = fresh;
}

}  // namespace kestrel
