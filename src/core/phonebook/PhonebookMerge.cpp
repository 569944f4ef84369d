#include "core/phonebook/PhonebookMerge.h"

#include "core/phonebook/PhonebookDuplicates.h"
#include "core/phonebook/PhonebookLimits.h"

#include <initializer_list>
#include <iterator>
#include <list>
#include <string>

namespace {

using Index = std::optional<std::size_t>;

struct Keys {
    std::string name;
    std::string number;
};

std::vector<Keys> KeysOf(const std::vector<PhonebookEntry>& entries)
{
    std::vector<Keys> keys;
    keys.reserve(entries.size());
    for (const PhonebookEntry& e : entries)
        keys.push_back({PhonebookDuplicates::NameKey(e.name), PhonebookDuplicates::NumberKey(e.number)});
    return keys;
}

enum class PairBy { NameAndNumber, Name, Number };

bool Matches(const Keys& a, const Keys& b, PairBy by)
{
    switch (by) {
    case PairBy::NameAndNumber: return a.name == b.name && a.number == b.number;
    // An empty name or number says nothing about which contact an entry is.
    case PairBy::Name: return !a.name.empty() && a.name == b.name;
    case PairBy::Number: return !a.number.empty() && a.number == b.number;
    }
    return false;
}

// For each of `left`'s entries the `right` entry it pairs with; the passes run in the order
// given, each over the entries the earlier ones left unpaired, in list order.
std::vector<Index> Pair(const std::vector<Keys>& left, const std::vector<Keys>& right, std::initializer_list<PairBy> passes)
{
    std::vector<Index> rightOf(left.size());
    std::vector<bool> taken(right.size(), false);
    for (const PairBy by : passes) {
        for (std::size_t l = 0; l < left.size(); ++l) {
            if (rightOf[l])
                continue;
            for (std::size_t r = 0; r < right.size(); ++r) {
                if (!taken[r] && Matches(left[l], right[r], by)) {
                    rightOf[l] = r;
                    taken[r] = true;
                    break;
                }
            }
        }
    }
    return rightOf;
}

std::vector<Index> Invert(const std::vector<Index>& rightOf, std::size_t rightCount)
{
    std::vector<Index> leftOf(rightCount);
    for (std::size_t l = 0; l < rightOf.size(); ++l) {
        if (rightOf[l])
            leftOf[*rightOf[l]] = l;
    }
    return leftOf;
}

bool Alike(const PhonebookEntry& a, const PhonebookEntry& b)
{
    return a.name == b.name && a.number == b.number;
}

// `version`'s name and number with the handset's stored values when the handset has the entry,
// else the defaults: the choices go back only to their own handset.
PhonebookEntry Combine(const PhonebookEntry& version, const PhonebookEntry* handsetVersion)
{
    PhonebookEntry e = handsetVersion ? *handsetVersion : PhonebookEntry();
    e.name = version.name;
    e.number = version.number;
    return e;
}

struct Item {
    Index base;
    Index handset;
    Index computer;
};

// The merged book's order: the computer's, with each entry only the handset has placed after
// the handset's entry before it.
std::vector<Item> Order(const MergePlan& plan, const std::vector<Index>& baseOfComputer,
                        const std::vector<Index>& handsetOfBase, const std::vector<Index>& baseOfHandset,
                        const std::vector<Index>& handsetOfAddedComputer)
{
    std::list<Item> items;
    std::vector<std::list<Item>::iterator> placed(plan.handset.size(), items.end());
    for (std::size_t c = 0; c < plan.computer.size(); ++c) {
        Item item{baseOfComputer[c], {}, c};
        item.handset = item.base ? handsetOfBase[*item.base] : handsetOfAddedComputer[c];
        items.push_back(item);
        if (item.handset)
            placed[*item.handset] = std::prev(items.end());
    }
    auto after = items.begin();
    for (std::size_t h = 0; h < plan.handset.size(); ++h) {
        if (placed[h] != items.end()) {
            after = std::next(placed[h]);
            continue;
        }
        placed[h] = items.insert(after, Item{baseOfHandset[h], h, {}});
        after = std::next(placed[h]);
    }
    return {items.begin(), items.end()};
}

} // namespace

MergePlan PhonebookMerge::Plan(const std::vector<PhonebookEntry>* base, const std::vector<PhonebookEntry>& handset,
                               const std::vector<PhonebookEntry>& computer, MergePreference prefer)
{
    MergePlan plan;
    plan.firstSync = base == nullptr;
    if (base)
        plan.base = *base;
    plan.handset = handset;
    plan.computer = computer;

    const auto baseKeys = KeysOf(plan.base);
    const auto handsetKeys = KeysOf(plan.handset);
    const auto computerKeys = KeysOf(plan.computer);
    const auto all = {PairBy::NameAndNumber, PairBy::Name, PairBy::Number};
    const auto handsetOfBase = Pair(baseKeys, handsetKeys, all);
    const auto computerOfBase = Pair(baseKeys, computerKeys, all);
    const auto baseOfHandset = Invert(handsetOfBase, plan.handset.size());
    const auto baseOfComputer = Invert(computerOfBase, plan.computer.size());

    // Entries the base lacks pair up between the sides too, so that one added on both appears
    // once. Two entries under one name with different numbers may well be two numbers of one
    // person, so a name alone does not pair them here.
    std::vector<std::size_t> addedHandset;
    std::vector<std::size_t> addedComputer;
    std::vector<Keys> addedHandsetKeys;
    std::vector<Keys> addedComputerKeys;
    for (std::size_t h = 0; h < plan.handset.size(); ++h) {
        if (!baseOfHandset[h]) {
            addedHandset.push_back(h);
            addedHandsetKeys.push_back(handsetKeys[h]);
        }
    }
    for (std::size_t c = 0; c < plan.computer.size(); ++c) {
        if (!baseOfComputer[c]) {
            addedComputer.push_back(c);
            addedComputerKeys.push_back(computerKeys[c]);
        }
    }
    const auto addedPairs = Pair(addedHandsetKeys, addedComputerKeys, {PairBy::NameAndNumber, PairBy::Number});
    std::vector<Index> handsetOfAddedComputer(plan.computer.size());
    for (std::size_t i = 0; i < addedPairs.size(); ++i) {
        if (addedPairs[i])
            handsetOfAddedComputer[addedComputer[*addedPairs[i]]] = addedHandset[i];
    }

    const MergeSide preferred = prefer == MergePreference::Handset ? MergeSide::Handset : MergeSide::Computer;
    for (const Item& item :
         Order(plan, baseOfComputer, handsetOfBase, baseOfHandset, handsetOfAddedComputer)) {
        MergeSlot slot{item.handset, item.computer, {}};
        const auto change = [&](MergeKind kind, MergeSide side) {
            slot.change = plan.changes.size();
            plan.changes.push_back({kind, side, true, item.base, item.handset, item.computer});
        };
        const PhonebookEntry* h = item.handset ? &plan.handset[*item.handset] : nullptr;
        const PhonebookEntry* c = item.computer ? &plan.computer[*item.computer] : nullptr;
        if (item.base) {
            const PhonebookEntry& b = plan.base[*item.base];
            const bool handsetChanged = h && !Alike(*h, b);
            const bool computerChanged = c && !Alike(*c, b);
            if (h && c) {
                // Versions that share neither name nor number may be two contacts that each took
                // the base entry's place on one side: neither is dropped unless the person says.
                const bool related = handsetKeys[*item.handset].name == computerKeys[*item.computer].name ||
                                     handsetKeys[*item.handset].number == computerKeys[*item.computer].number;
                if (handsetChanged && computerChanged && Alike(*h, *c))
                    change(MergeKind::Changed, MergeSide::Both);
                else if (handsetChanged && computerChanged)
                    change(MergeKind::Conflict, related ? preferred : MergeSide::Both);
                else if (handsetChanged)
                    change(MergeKind::Changed, MergeSide::Handset);
                else if (computerChanged)
                    change(MergeKind::Changed, MergeSide::Computer);
            } else if (h) {
                change(handsetChanged ? MergeKind::KeptOverDelete : MergeKind::Deleted,
                       handsetChanged ? MergeSide::Handset : MergeSide::Computer);
            } else {
                change(computerChanged ? MergeKind::KeptOverDelete : MergeKind::Deleted,
                       computerChanged ? MergeSide::Computer : MergeSide::Handset);
            }
        } else if (h && c) {
            // Paired by number: alike, or one number under two names.
            if (!Alike(*h, *c))
                change(MergeKind::Conflict, preferred);
            else if (!plan.firstSync)
                change(MergeKind::Added, MergeSide::Both);
        } else {
            change(MergeKind::Added, h ? MergeSide::Handset : MergeSide::Computer);
        }
        plan.places.push_back(slot);
    }

    plan.resultCount = Apply(plan).size();
    plan.refused = plan.resultCount > MAX_PHONEBOOK_ENTRIES;
    return plan;
}

std::vector<PhonebookEntry> PhonebookMerge::Apply(const MergePlan& plan)
{
    std::vector<PhonebookEntry> merged;
    merged.reserve(plan.places.size());
    for (const MergeSlot& slot : plan.places) {
        const PhonebookEntry* h = slot.handset ? &plan.handset[*slot.handset] : nullptr;
        const PhonebookEntry* c = slot.computer ? &plan.computer[*slot.computer] : nullptr;
        if (!slot.change) {
            // Unchanged: both sides hold it alike, or (deleted on both) neither does.
            if (h || c)
                merged.push_back(Combine(c ? *c : *h, h));
            continue;
        }
        const MergeChange& change = plan.changes[*slot.change];
        const PhonebookEntry* b = change.base ? &plan.base[*change.base] : nullptr;
        const auto keepBoth = [&] {
            merged.push_back(Combine(*h, h));
            merged.push_back(Combine(*c, nullptr));
        };
        switch (change.kind) {
        case MergeKind::Added:
            if (change.include)
                merged.push_back(Combine(h ? *h : *c, h));
            break;
        case MergeKind::Changed: {
            const PhonebookEntry& changed = change.side == MergeSide::Computer ? *c : *h;
            merged.push_back(Combine(change.include ? changed : *b, h));
            break;
        }
        case MergeKind::Deleted:
            if (!change.include)
                merged.push_back(Combine(h ? *h : *c, h));
            break;
        case MergeKind::KeptOverDelete:
            if (change.include)
                merged.push_back(Combine(h ? *h : *c, h));
            break;
        case MergeKind::Conflict:
            if (!change.include || change.side == MergeSide::Both)
                keepBoth();
            else
                merged.push_back(Combine(change.side == MergeSide::Handset ? *h : *c, h));
            break;
        }
    }
    return merged;
}

bool PhonebookMerge::InStep(const MergePlan& plan)
{
    const std::vector<PhonebookEntry> merged = Apply(plan);
    const auto same = [&](const std::vector<PhonebookEntry>& book) {
        if (book.size() != merged.size())
            return false;
        for (std::size_t i = 0; i < book.size(); ++i) {
            if (!Alike(book[i], merged[i]))
                return false;
        }
        return true;
    };
    return same(plan.handset) && same(plan.computer);
}
