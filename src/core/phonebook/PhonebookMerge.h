#pragma once

#include "core/phonebook/MergePlan.h"
#include "core/phonebook/PhonebookEntry.h"

#include <vector>

// The three-way merge of a sync: the book both sides held after the last sync (the base, none
// on the first sync), the handset's book and the computer's book. No I/O.
//
// Entries pair up across books by name and number, then by name alone, then by number alone
// (names ignoring case and outer spaces, numbers as dialled), one to one, in list order. An
// entry counts as changed when its name or number differs from the base's; its choices do not
// count, as only the handset's are kept: a paired entry keeps the handset's choices and header,
// an entry the handset lacks gets the defaults.
class PhonebookMerge {
public:
    // `base` null on the first sync.
    static MergePlan Plan(const std::vector<PhonebookEntry>* base,
                          const std::vector<PhonebookEntry>& handset,
                          const std::vector<PhonebookEntry>& computer,
                          MergePreference prefer = MergePreference::Computer);

    // The merged book, with each change's `include` and `side` as they now are. The caller
    // checks its size against MAX_PHONEBOOK_ENTRIES: leaving changes out may grow or shrink it.
    static std::vector<PhonebookEntry> Apply(const MergePlan& plan);

    // Nothing to do: the handset and the computer already hold the merged book.
    static bool InStep(const MergePlan& plan);
};
