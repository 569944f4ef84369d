// The sync's three-way merge of the handset's book, the computer's book and the book both held
// after the last sync; and the duplicate rule the preview and "Select Duplicates" share.

#include "support/PhonebookHelpers.h"

#include "core/phonebook/PhonebookDuplicates.h"
#include "core/phonebook/PhonebookLimits.h"
#include "core/phonebook/PhonebookMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Book = std::vector<PhonebookEntry>;

// The handset's stored choices, different for each entry it holds.
PhonebookEntry OnHandset(std::string name, std::string number, std::uint8_t choice)
{
    PhonebookEntry e = MakeEntry(std::move(name), std::move(number));
    e.headerTag = {choice, 1, 0x0100};
    e.choice1 = {1, choice, 0x0200};
    e.choice2 = {2, choice, 0x0300};
    return e;
}

std::vector<std::string> Lines(const Book& book)
{
    std::vector<std::string> lines;
    for (const PhonebookEntry& e : book)
        lines.push_back(e.name + " " + e.number);
    return lines;
}

const char* KindName(MergeKind kind)
{
    switch (kind) {
    case MergeKind::Added: return "added";
    case MergeKind::Changed: return "changed";
    case MergeKind::Deleted: return "deleted";
    case MergeKind::KeptOverDelete: return "kept-over-delete";
    case MergeKind::Conflict: return "conflict";
    }
    return "?";
}

const char* SideName(MergeSide side)
{
    switch (side) {
    case MergeSide::Handset: return "handset";
    case MergeSide::Computer: return "computer";
    case MergeSide::Both: return "both";
    }
    return "?";
}

// "changed handset Ben": the kind, the side and the name of the entry as the plan lists it.
std::vector<std::string> Changes(const MergePlan& plan)
{
    std::vector<std::string> lines;
    for (const MergeChange& c : plan.changes) {
        const PhonebookEntry& e = c.base       ? plan.base[*c.base]
                                  : c.handset ? plan.handset[*c.handset]
                                               : plan.computer[*c.computer];
        lines.push_back(std::string(KindName(c.kind)) + " " + SideName(c.side) + " " + e.name);
    }
    return lines;
}

const PhonebookEntry* Find(const Book& book, const std::string& name)
{
    const auto it = std::find_if(book.begin(), book.end(), [&](const PhonebookEntry& e) { return e.name == name; });
    return it == book.end() ? nullptr : &*it;
}

bool HasDefaultChoices(const PhonebookEntry& e)
{
    const PhonebookEntry defaults;
    return e.headerTag == defaults.headerTag && e.choice1 == defaults.choice1 && e.choice2 == defaults.choice2;
}

// Every row of the merge's rules at once: a book synced before, then edited on the handset
// (numbers changed, entries deleted and added with its keypad) and on the computer (a name
// completed, entries deleted and added).
TEST(PhonebookMerge, EachRuleOfASecondSync)
{
    const Book base = {
        MakeEntry("Anna", "0301111"),  MakeEntry("Ben", "0302222"),  MakeEntry("Cleo", "0303333"),
        MakeEntry("Dan", "0304444"),   MakeEntry("Eve", "0305555"),  MakeEntry("Fay", "0306666"),
        MakeEntry("Gus", "0307777"),   MakeEntry("Hal", "0308888"),  MakeEntry("Ivy", "0309999"),
    };
    const Book handset = {
        OnHandset("Anna", "0301111", 1),
        OnHandset("Ben", "01722222", 2),     // a new mobile number
        OnHandset("Cleo", "0303333", 3),
        OnHandset("Dan", "0304440", 4),      // the same change as on the computer
        OnHandset("Eve", "0305551", 5),      // changed differently on each side
        /* Fay deleted */
        OnHandset("Gus", "0307777", 7),      // deleted on the computer
        /* Hal deleted, changed on the computer */
        OnHandset("Ivy Berg", "0309999", 9), // deleted on the computer
        OnHandset("Jon", "0401010", 10),
        OnHandset("Lou", "0403030", 12),     // added on both sides
    };
    const Book computer = {
        MakeEntry("Anna", "0301111"),     MakeEntry("Ben", "0302222"),  MakeEntry("Cleo Work", "0303333"),
        MakeEntry("Dan", "0304440"),      MakeEntry("Eve", "0305552"),  MakeEntry("Fay", "0306666"),
        MakeEntry("Hal", "0308880"),      MakeEntry("Kim", "0402020"),  MakeEntry("Lou", "0403030"),
    };

    MergePlan plan = PhonebookMerge::Plan(&base, handset, computer);
    EXPECT_FALSE(plan.firstSync);
    EXPECT_EQ(Changes(plan), (std::vector<std::string>{
                                 "changed handset Ben",
                                 "changed computer Cleo",
                                 "changed both Dan",
                                 "conflict computer Eve",
                                 "deleted computer Gus",
                                 "kept-over-delete handset Ivy",
                                 "added handset Jon",
                                 "deleted handset Fay",
                                 "kept-over-delete computer Hal",
                                 "added computer Kim",
                                 "added both Lou",
                             }));
    // The computer's order, with what only the handset holds after the handset's entry before it.
    Book merged = PhonebookMerge::Apply(plan);
    EXPECT_EQ(Lines(merged), (std::vector<std::string>{
                                 "Anna 0301111", "Ben 01722222", "Cleo Work 0303333", "Dan 0304440",
                                 "Eve 0305552", "Ivy Berg 0309999", "Jon 0401010", "Hal 0308880",
                                 "Kim 0402020", "Lou 0403030",
                             }));
    EXPECT_EQ(plan.resultCount, merged.size());
    EXPECT_FALSE(plan.refused);
    EXPECT_FALSE(PhonebookMerge::InStep(plan));

    // What the handset holds keeps its stored choices, whichever side's name or number won;
    // what it lost or never had gets the defaults.
    for (const char* name : {"Anna", "Ben", "Cleo Work", "Dan", "Eve", "Ivy Berg", "Jon", "Lou"}) {
        SCOPED_TRACE(name);
        const PhonebookEntry* e = Find(merged, name);
        ASSERT_NE(e, nullptr);
        const PhonebookEntry* own = Find(handset, name == std::string("Cleo Work") ? "Cleo" : name);
        ASSERT_NE(own, nullptr);
        EXPECT_EQ(e->headerTag, own->headerTag);
        EXPECT_EQ(e->choice1, own->choice1);
        EXPECT_EQ(e->choice2, own->choice2);
    }
    EXPECT_TRUE(HasDefaultChoices(*Find(merged, "Hal")));
    EXPECT_TRUE(HasDefaultChoices(*Find(merged, "Kim")));

    // Preferring the handset decides the conflict, and only it, the other way.
    const MergePlan handsetFirst = PhonebookMerge::Plan(&base, handset, computer, MergePreference::Handset);
    EXPECT_EQ(Changes(handsetFirst)[3], "conflict handset Eve");
    Book preferred = PhonebookMerge::Apply(handsetFirst);
    EXPECT_EQ(Find(preferred, "Eve")->number, "0305551");
    preferred[4].number = "0305552";
    EXPECT_EQ(preferred, merged);

    // Choosing the conflict's side in the preview does the same.
    plan.changes[3].side = MergeSide::Handset;
    EXPECT_EQ(Find(PhonebookMerge::Apply(plan), "Eve")->number, "0305551");
    plan.changes[3].side = MergeSide::Both;
    merged = PhonebookMerge::Apply(plan);
    EXPECT_EQ(std::count_if(merged.begin(), merged.end(), [](const PhonebookEntry& e) { return e.name == "Eve"; }), 2);

    // Every change left out: the book as the last sync left it, plus a conflict's two versions
    // (nothing says which to take) and minus what was added.
    for (MergeChange& change : plan.changes)
        change.include = false;
    merged = PhonebookMerge::Apply(plan);
    EXPECT_EQ(Lines(merged), (std::vector<std::string>{
                                 "Anna 0301111", "Ben 0302222", "Cleo 0303333", "Dan 0304444",
                                 "Eve 0305551", "Eve 0305552", "Gus 0307777", "Fay 0306666",
                             }));
    EXPECT_EQ(merged[1].choice1, handset[1].choice1);
    EXPECT_TRUE(HasDefaultChoices(merged[7])) << "the handset no longer has Fay's choices";

    // Anna deleted on the handset and Zoe added there under her number, while the computer gave
    // Anna a new one: the two versions share nothing, so neither replaces the other.
    Book zoe = handset;
    zoe[0] = OnHandset("Zoe", "0301111", 1);
    Book anna = computer;
    anna[0].number = "0301112";
    const MergePlan unrelated = PhonebookMerge::Plan(&base, zoe, anna);
    EXPECT_EQ(Changes(unrelated)[0], "conflict both Anna");
    const Book both = PhonebookMerge::Apply(unrelated);
    EXPECT_NE(Find(both, "Zoe"), nullptr);
    EXPECT_EQ(Find(both, "Anna")->number, "0301112");

    // The result synced again against itself: nothing to do.
    merged = PhonebookMerge::Apply(PhonebookMerge::Plan(&base, handset, computer));
    const MergePlan again = PhonebookMerge::Plan(&merged, merged, merged);
    EXPECT_TRUE(again.changes.empty());
    EXPECT_TRUE(PhonebookMerge::InStep(again));
    EXPECT_EQ(PhonebookMerge::Apply(again), merged);
}

// The first sync of a handset: no base, so the union, with what both hold alike once.
TEST(PhonebookMerge, FirstSyncIsTheUnion)
{
    const Book handset = {
        OnHandset("Anna", "0301111", 1),
        OnHandset("Mum", "0302222", 2),
        OnHandset("Ben", "0173333", 3),
        OnHandset("Taxi", "0304444", 4),
    };
    const Book computer = {
        MakeEntry("Anna", "0301111"),
        MakeEntry("Mother", "0302222"),      // the same number under another name
        MakeEntry("Ben", "0175555"),         // another number of the same name: both are kept
        MakeEntry("Doctor", "0306666"),
    };
    MergePlan plan = PhonebookMerge::Plan(nullptr, handset, computer);
    EXPECT_TRUE(plan.firstSync);
    EXPECT_EQ(Changes(plan), (std::vector<std::string>{
                                 "conflict computer Mum",
                                 "added handset Ben",
                                 "added handset Taxi",
                                 "added computer Ben",
                                 "added computer Doctor",
                             }));
    Book merged = PhonebookMerge::Apply(plan);
    EXPECT_EQ(Lines(merged), (std::vector<std::string>{
                                 "Anna 0301111", "Mother 0302222", "Ben 0173333", "Taxi 0304444",
                                 "Ben 0175555", "Doctor 0306666",
                             }));
    EXPECT_EQ(merged[0].choice1, handset[0].choice1);
    EXPECT_EQ(merged[1].choice1, handset[1].choice1) << "the handset's entry, renamed";
    EXPECT_TRUE(HasDefaultChoices(merged[5]));

    plan.changes[0].side = MergeSide::Handset;
    EXPECT_EQ(PhonebookMerge::Apply(plan)[1].name, "Mum");
    plan.changes[0].include = false;
    EXPECT_EQ(Lines(PhonebookMerge::Apply(plan)).size(), 7u);

    // Both alike: in step, nothing to do.
    const MergePlan same = PhonebookMerge::Plan(nullptr, handset, handset);
    EXPECT_TRUE(same.changes.empty());
    EXPECT_TRUE(PhonebookMerge::InStep(same));
}

// A full handset and a large book: the merge would hold more than the handset can, and says so
// with the counts instead of giving a book that cannot be sent.
TEST(PhonebookMerge, MoreThanTheHandsetHoldsIsRefused)
{
    Phonebook handsetBook;
    FillBook(handsetBook, 60);
    Book handset;
    for (std::size_t i = 0; i < handsetBook.Count(); ++i)
        handset.push_back(*handsetBook.Entry(i));
    Book computer = handset;
    for (int i = 1; i <= 50; ++i)
        computer.push_back(MakeEntry("Client " + std::to_string(i), "0400" + std::to_string(1000 + i)));

    MergePlan plan = PhonebookMerge::Plan(&handset, handset, computer);
    EXPECT_TRUE(plan.refused);
    EXPECT_EQ(plan.resultCount, 110u);
    EXPECT_EQ(plan.handset.size(), 60u);
    EXPECT_EQ(plan.computer.size(), 110u);
    EXPECT_EQ(plan.changes.size(), 50u);

    // Leaving ten additions out brings it down to what the handset holds.
    for (std::size_t i = 0; i < 10; ++i)
        plan.changes[i].include = false;
    EXPECT_EQ(PhonebookMerge::Apply(plan).size(), MAX_PHONEBOOK_ENTRIES);
}

// Random edits on both sides of random books: what no side deleted is never lost, what one
// side deleted and the other left alone is gone, and merging the result again changes nothing.
TEST(PhonebookMerge, RandomEditsLoseNothing)
{
    std::mt19937 random(20261209);
    int serial = 0;
    // Names and numbers never repeat, so each entry is one contact.
    const auto fresh = [&](const char* prefix) { return std::string(prefix) + std::to_string(++serial); };
    const auto freshNumber = [&] { return "0" + std::to_string(300000 + ++serial); };
    const auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };

    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int size = std::uniform_int_distribution<int>(0, 60)(random);
        Book base;
        for (int i = 0; i < size; ++i)
            base.push_back(MakeEntry(fresh("N"), freshNumber()));

        // Each side: keep, delete, rename, renumber; then a few additions. The base's index of
        // every entry is tracked to check the result against.
        struct Edited {
            Book book;
            std::map<std::size_t, std::size_t> fromBase;  // base index -> index in book
            std::set<std::size_t> deleted;
            std::set<std::size_t> changed;
        };
        const auto edit = [&](std::uint8_t choiceSeed) {
            Edited side;
            for (std::size_t b = 0; b < base.size(); ++b) {
                PhonebookEntry e = OnHandset(base[b].name, base[b].number, static_cast<std::uint8_t>(choiceSeed + b));
                const int what = std::uniform_int_distribution<int>(0, 9)(random);
                if (what == 0) {
                    side.deleted.insert(b);
                    continue;
                }
                if (what == 1)
                    e.name = fresh("R");
                else if (what == 2)
                    e.number = freshNumber();
                if (what == 1 || what == 2)
                    side.changed.insert(b);
                side.fromBase[b] = side.book.size();
                side.book.push_back(e);
            }
            const int added = std::uniform_int_distribution<int>(0, 8)(random);
            for (int i = 0; i < added; ++i) {
                const auto at = std::uniform_int_distribution<std::size_t>(0, side.book.size())(random);
                side.book.insert(side.book.begin() + static_cast<std::ptrdiff_t>(at), MakeEntry(fresh("A"), freshNumber()));
                for (auto& kept : side.fromBase) {
                    if (kept.second >= at)
                        ++kept.second;
                }
            }
            return side;
        };
        const Edited handset = edit(1);
        Edited edited = edit(101);
        for (PhonebookEntry& e : edited.book) {
            e.headerTag = {};
            e.choice1 = {};
            e.choice2 = {};
        }
        const Edited computer = std::move(edited);
        const bool useBase = !chance(10);
        const MergePreference prefer = chance(50) ? MergePreference::Handset : MergePreference::Computer;
        const MergePlan plan = PhonebookMerge::Plan(useBase ? &base : nullptr, handset.book, computer.book, prefer);
        const Book merged = PhonebookMerge::Apply(plan);
        ASSERT_EQ(plan.resultCount, merged.size());
        const std::vector<std::string> lines = Lines(merged);
        const auto holds = [&](const PhonebookEntry& e) {
            return std::find(lines.begin(), lines.end(), e.name + " " + e.number) != lines.end();
        };

        // Every addition is there; so is every entry in neither side's deletions, in one side's version.
        for (const Edited* side : {&handset, &computer}) {
            for (std::size_t i = 0; i < side->book.size(); ++i) {
                if (side->book[i].name[0] == 'A') {
                    EXPECT_TRUE(holds(side->book[i])) << side->book[i].name;
                }
            }
        }
        for (std::size_t b = 0; b < base.size(); ++b) {
            const bool inHandset = handset.fromBase.count(b) != 0;
            const bool inComputer = computer.fromBase.count(b) != 0;
            const bool handsetHolds = inHandset && holds(handset.book[handset.fromBase.at(b)]);
            const bool computerHolds = inComputer && holds(computer.book[computer.fromBase.at(b)]);
            if (inHandset && inComputer) {
                EXPECT_TRUE(handsetHolds || computerHolds) << base[b].name;
            } else if (useBase && inHandset != inComputer) {
                // Deleted on one side: gone if the other left it alone, kept if it changed it.
                const bool changedByOther = (inHandset ? handset.changed : computer.changed).count(b) != 0;
                EXPECT_EQ(handsetHolds || computerHolds, changedByOther) << base[b].name;
            } else if (!useBase) {
                // The first sync knows no deletions: whatever a side holds stays.
                EXPECT_EQ(handsetHolds || computerHolds, inHandset || inComputer) << base[b].name;
            }
        }
        // Nothing appears that neither side holds, and what came from the handset keeps its choices.
        for (const PhonebookEntry& e : merged) {
            const auto same = [&](const PhonebookEntry& o) { return o.name == e.name && o.number == e.number; };
            const auto inHandset = std::find_if(handset.book.begin(), handset.book.end(), same);
            const bool inComputer = std::any_of(computer.book.begin(), computer.book.end(), same);
            EXPECT_TRUE(inHandset != handset.book.end() || inComputer) << e.name;
            if (inHandset != handset.book.end()) {
                EXPECT_EQ(e.choice1, inHandset->choice1) << e.name;
            }
        }

        const MergePlan again = PhonebookMerge::Plan(&merged, merged, merged, prefer);
        EXPECT_TRUE(again.changes.empty());
        EXPECT_EQ(PhonebookMerge::Apply(again), merged);
    }
}

// What "Select Duplicates" and the sync preview mark: a book typed partly on the handset,
// partly imported from an address book that writes numbers with spaces, brackets and dashes.
TEST(PhonebookDuplicates, NumbersAsDialledAndNamesIgnoringCase)
{
    const Book book = {
        MakeEntry("Anna Berg", "030 1234-56"),
        MakeEntry("Doctor", "(030) 555/12"),
        MakeEntry(" anna berg ", "0171999"),      // the same name, typed on the handset
        MakeEntry("Praxis Dr. Lang", "030.55512"),  // the doctor's number again
        MakeEntry("\xC9mile", "0401"),            // É
        MakeEntry("\xE9MILE", "0402"),            // é, upper case otherwise
        MakeEntry("Anna", "+49301234"),           // another number, as dialled
        MakeEntry("", ""),
        MakeEntry("", ""),                        // empty entries are no one's duplicate
    };
    EXPECT_EQ(PhonebookDuplicates::Pairs(book),
              (std::vector<std::pair<std::size_t, std::size_t>>{{0, 2}, {1, 3}, {4, 5}}));
    EXPECT_EQ(PhonebookDuplicates::NumberKey("(030) 555/12-3.4"), "0305551234");
    EXPECT_EQ(PhonebookDuplicates::NameKey("  Ben\t"), "ben");
}

} // namespace
