#pragma once

#include "core/phonebook/PhonebookEntry.h"

#include <cstddef>
#include <optional>
#include <vector>

// What a sync of the handset's book with the computer's book would do, change by change, as
// PhonebookMerge::Plan makes it. A preview shows the changes; the user may leave one out
// (`include`) or pick a conflict's side (`side`), and PhonebookMerge::Apply then gives the book.
enum class MergeKind {
    Added,
    Changed,
    Deleted,
    // Deleted on one side, changed on the other: the change is kept.
    KeptOverDelete,
    // Changed differently on both sides, or, on the first sync, one number under two names.
    Conflict,
};

enum class MergeSide {
    Handset,
    Computer,
    Both,
};

// Whose version a conflict takes unless the user picks the other.
enum class MergePreference {
    Computer,
    Handset,
};

// One change. Indices are into the plan's copies of the three books; a version a book lacks is
// empty.
struct MergeChange {
    MergeKind kind = MergeKind::Added;
    // Where the change came from: the side that added, changed or deleted it (Both when both
    // did it alike); for KeptOverDelete the side that changed it. For a conflict, the version
    // taken: Handset or Computer, or Both to keep the two as two entries.
    MergeSide side = MergeSide::Computer;
    // False: the change is left out, and the entry stays as the base had it: an addition is not
    // made, a change or a deletion not done, a kept-over-delete deleted after all. A conflict
    // left out keeps both versions, as nothing would say which to take.
    bool include = true;
    std::optional<std::size_t> base;
    std::optional<std::size_t> handset;
    std::optional<std::size_t> computer;
};

// One place in the merged book: an entry the sides agree on, or a change (which may give no
// entry, or two).
struct MergeSlot {
    std::optional<std::size_t> handset;
    std::optional<std::size_t> computer;
    std::optional<std::size_t> change;
};

struct MergePlan {
    std::vector<PhonebookEntry> base;
    std::vector<PhonebookEntry> handset;
    std::vector<PhonebookEntry> computer;
    // There was no base: the first sync of this handset.
    bool firstSync = true;
    std::vector<MergeChange> changes;
    // The merged book's order.
    std::vector<MergeSlot> places;
    // Entries in the merged book with every change as planned.
    std::size_t resultCount = 0;
    // More entries than the handset holds: nothing may be sent or written.
    bool refused = false;
};
