#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "names/counted_loop.h"
#include "names/name_job.h"
#include "names/surname_table.h"
#include "tests/support/fake_window.h"
#include "tests/support/scripted_random.h"

namespace names {
namespace {

using test_support::AppendedTexts;
using test_support::Calls;
using test_support::CountCalls;
using test_support::FakeWindowScope;
using test_support::SetChecked;
using test_support::SetText;
using test_support::Text;

// The log entries, as the fake window writes them.
const std::string kReadLength = "read 编辑框4 text";
const std::string kReadCount = "read 编辑框1 text";
const std::string kReadSurname = "read 编辑框3 text";
const std::string kReadChecked = "read 选择框1 checked";
const std::string kAppend = "append 编辑框2";
const std::string kPump = "pump";
const std::string kStartWorker = "start worker";
const std::string kFillInInfo =
    "info \xC7\xEB\xCF\xC8\xCD\xEA\xC9\xC6\xD0\xC5\xCF\xA2";  // 请先完善信息

const std::string kComma = "\xA3\xAC";           // ，
const std::string kWang = "\xCD\xF5";            // 王
const std::string kLi = "\xC0\xEE";              // 李
const std::string kOuyang = "\xC5\xB7\xD1\xF4";  // 欧阳

// The log with the random bytes of every appended name left out.
std::vector<std::string> CallShapes() {
    std::vector<std::string> shapes = Calls();
    for (std::string& call : shapes) {
        if (call.compare(0, kAppend.size(), kAppend) == 0) {
            call = kAppend;
        }
    }
    return shapes;
}

bool IsGivenNameByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0xB0 && value <= 0xDA;
}

bool IsTableSurname(const std::string& bytes) {
    const std::string_view table = SurnameTable().view();
    for (std::size_t offset = 0; offset < table.size(); offset += 2) {
        if (table.substr(offset, 2) == bytes) {
            return true;
        }
    }
    return false;
}

// Checks that a name is the surname, `given` given-name characters and the comma.
void ExpectName(const std::string& name, const std::string& surname, int given,
                const std::string& context) {
    ASSERT_EQ(name.size(), surname.size() + 2 * static_cast<std::size_t>(given) + 2) << context;
    EXPECT_EQ(name.substr(0, surname.size()), surname) << context;
    for (std::size_t i = surname.size(); i < name.size() - 2; ++i) {
        EXPECT_TRUE(IsGivenNameByte(name[i])) << context << " byte " << i;
    }
    EXPECT_EQ(name.substr(name.size() - 2), kComma) << context;
}

// Before the n-th call with this entry (1-based), runs the action.
void BeforeNthCall(const std::string& entry, int n, std::function<void()> action) {
    auto seen = std::make_shared<int>(0);
    test_support::SetBeforeEachCall([=](const std::string& call) {
        if (call.compare(0, entry.size(), entry) == 0 && ++*seen == n) {
            action();
        }
    });
}

void FillBoxes(const std::string& length, const std::string& count, const std::string& surname) {
    SetText(Control::编辑框4, length);
    SetText(Control::编辑框1, count);
    SetText(Control::编辑框3, surname);
}

TEST(StartGeneration, TestsTheBoxesInOrderUpToTheFirstEmptyOne) {
    struct Case {
        const char* length;
        const char* count;
        const char* surname;
        std::vector<std::string> calls;
        const char* why;
    };
    const Case cases[] = {
        {"", "5", "王", {kReadLength, kFillInInfo}, "an empty length box reads nothing else"},
        {"", "", "", {kReadLength, kFillInInfo}, "the first empty box decides"},
        {"2", "", "王", {kReadLength, kReadCount, kFillInInfo}, "the surname is not read"},
        {"2", "5", "", {kReadLength, kReadCount, kReadSurname, kFillInInfo}, "all three read"},
        {"2", "5", "王", {kReadLength, kReadCount, kReadSurname, kStartWorker}, "all filled"},
        {"2",
         "5",
         "   ",
         {kReadLength, kReadCount, kReadSurname, kStartWorker},
         "a surname of spaces is not empty: trimming would refuse it"},
        {"9",
         "-5",
         " ",
         {kReadLength, kReadCount, kReadSurname, kStartWorker},
         "only emptiness is tested, not the values"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        test_support::SetWorkerMode(test_support::WorkerMode::kRecord);
        FillBoxes(c.length, c.count, c.surname);
        StartGeneration();
        EXPECT_EQ(Calls(), c.calls) << c.why;
        const auto workers = test_support::TakeStartedWorkers();
        if (c.calls.back() == kStartWorker) {
            EXPECT_EQ(workers, std::vector<void (*)()>{&GenerateNames}) << c.why;
        } else {
            EXPECT_TRUE(workers.empty()) << c.why;
        }
    }
}

TEST(StartGeneration, AWorkerThatCannotStartIsNotReported) {
    const FakeWindowScope window;
    test_support::SetWorkerMode(test_support::WorkerMode::kFail);
    FillBoxes("2", "5", kWang);
    StartGeneration();
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{kReadLength, kReadCount, kReadSurname, kStartWorker}));
}

TEST(ToggleAutoRandom, DisablesAndBlanksOrReenablesTheSurnameBox) {
    struct Case {
        bool checked;
        bool flips_before_second_read;
        std::vector<std::string> calls;
        const char* text_after;
        bool disabled_after;
        const char* why;
    };
    const Case cases[] = {
        {true,
         false,
         {kReadChecked, "write 编辑框3 disabled 1", "write 编辑框3 text  "},
         " ",
         true,
         "ticked: disabled first, then one space"},
        {false,
         false,
         {kReadChecked, kReadChecked, "write 编辑框3 disabled 0"},
         "\xCD\xF5",
         false,
         "unticked: enabled, the text stays"},
        {false,
         true,
         {kReadChecked, kReadChecked},
         "\xCD\xF5",
         true,
         "ticked between the two reads: nothing changes"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        SetChecked(Control::选择框1, c.checked);
        test_support::SetDisabled(Control::编辑框3, true);
        SetText(Control::编辑框3, kWang);
        if (c.flips_before_second_read) {
            BeforeNthCall(kReadChecked, 2, [] { SetChecked(Control::选择框1, true); });
        }
        ToggleAutoRandom();
        EXPECT_EQ(Calls(), c.calls) << c.why;
        EXPECT_EQ(Text(Control::编辑框3), c.text_after) << c.why;
        EXPECT_EQ(test_support::Disabled(Control::编辑框3), c.disabled_after) << c.why;
    }
}

TEST(ToggleAutoRandom, DrivesWhichSurnamesStartGenerationUses) {
    // Ticked: Start passes with no typed surname and the names take table surnames.
    {
        const FakeWindowScope window;
        FillBoxes("2", "20", "");
        SetChecked(Control::选择框1, true);
        ToggleAutoRandom();
        StartGeneration();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 20u);
        for (const std::string& name : names) {
            EXPECT_TRUE(IsTableSurname(name.substr(0, 2))) << "not a table surname";
            ExpectName(name, name.substr(0, 2), 1, "ticked");
        }
    }
    // Ticked, then unticked: the space left in the box is the surname.
    {
        const FakeWindowScope window;
        FillBoxes("3", "5", kWang);
        SetChecked(Control::选择框1, true);
        ToggleAutoRandom();
        SetChecked(Control::选择框1, false);
        ToggleAutoRandom();
        StartGeneration();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 5u);
        for (const std::string& name : names) {
            ExpectName(name, " ", 2, "ticked then unticked");
        }
    }
}

enum class Branch { kRandomSurname, kTypedSurname };

const char* BranchName(Branch branch) {
    return branch == Branch::kRandomSurname ? "random surname" : "typed surname";
}

// A window for the job: the check box per branch, the typed surname 王.
void PrepareJob(Branch branch, const std::string& length, const std::string& count) {
    FillBoxes(length, count, kWang);
    SetChecked(Control::选择框1, branch == Branch::kRandomSurname);
}

TEST(GenerateNames, LengthTextDecidesTheGivenName) {
    struct Case {
        const char* length;
        int given;
        int length_reads;
        const char* why;
    };
    const Case cases[] = {
        {"2", 1, 1, "one given-name character, the box read once"},
        {"3", 2, 2, "read twice: fails \"2\", matches \"3\""},
        {"4", 3, 3, "read three times"},
        {" 3", 0, 3, "a space before: the text is compared, not read as a number"},
        {"3 ", 0, 3, "a space after"},
        {"03", 0, 3, "a leading zero"},
        {"\xA3\xB3", 0, 3, "full-width 3: no folding in this comparison"},
        {"1", 0, 3, "too short"},
        {"5", 0, 3, "too long"},
        {"", 0, 3, "empty"},
    };
    constexpr int kCount = 4;
    for (const Branch branch : {Branch::kRandomSurname, Branch::kTypedSurname}) {
        for (const Case& c : cases) {
            const FakeWindowScope window;
            PrepareJob(branch, c.length, std::to_string(kCount));
            GenerateNames();
            const std::string context = std::string(BranchName(branch)) + ", " + c.why;
            const auto names = AppendedTexts(Control::编辑框2);
            EXPECT_EQ(names.size(), c.given > 0 ? std::size_t{kCount} : 0u) << context;
            for (const std::string& name : names) {
                const std::string surname =
                    branch == Branch::kTypedSurname ? kWang : name.substr(0, 2);
                ExpectName(name, surname, c.given, context);
                if (branch == Branch::kRandomSurname) {
                    EXPECT_TRUE(IsTableSurname(surname)) << context;
                }
            }
            // Every iteration runs, with or without a name.
            EXPECT_EQ(CountCalls(kReadLength), kCount * c.length_reads) << context;
            EXPECT_EQ(CountCalls(kPump), kCount * c.given) << "one pump per character, " << context;
            const int surname_reads = branch == Branch::kTypedSurname && c.given > 0 ? kCount : 0;
            EXPECT_EQ(CountCalls(kReadSurname), surname_reads)
                << "the random loop never reads the surname box, " << context;
            EXPECT_EQ(CountCalls(kReadCount), 1) << context;
            std::string all;
            for (const std::string& name : names) {
                all += name;
            }
            EXPECT_EQ(Text(Control::编辑框2), all) << context;
        }
    }
}

TEST(GenerateNames, OrderOfCallsInEachLoop) {
    struct Case {
        Branch branch;
        std::vector<std::string> calls;
        const char* why;
    };
    const std::vector<std::string> random_iteration = {kReadLength, kReadLength, kPump, kPump,
                                                       kAppend};
    const std::vector<std::string> typed_iteration = {kReadLength, kReadLength,  kPump,
                                                      kPump,       kReadSurname, kAppend};
    auto job = [](std::vector<std::string> start, const std::vector<std::string>& iteration) {
        start.insert(start.end(), iteration.begin(), iteration.end());
        start.insert(start.end(), iteration.begin(), iteration.end());
        return start;
    };
    const Case cases[] = {
        {Branch::kRandomSurname, job({kReadChecked, kReadCount}, random_iteration),
         "one check-box read, the count once, then per name the surname and hanzi draws"},
        {Branch::kTypedSurname, job({kReadChecked, kReadChecked, kReadCount}, typed_iteration),
         "two check-box reads; the surname box is read after the given name is drawn"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        PrepareJob(c.branch, "3", "2");
        GenerateNames();
        EXPECT_EQ(CallShapes(), c.calls) << c.why;
    }
}

TEST(GenerateNames, TypedSurnameIsTakenAsItStands) {
    struct Case {
        std::string surname;
        const char* why;
    };
    const Case cases[] = {
        {kOuyang, "欧阳 with length 2: three characters in all"},
        {" ", "the space left by the check box"},
        {"  ", "spaces are not trimmed"},
        {"", "an emptied box gives the given name and the comma alone"},
        {"ab" + kWang, "any text, of any length"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        PrepareJob(Branch::kTypedSurname, "2", "3");
        SetText(Control::编辑框3, c.surname);
        GenerateNames();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 3u) << c.why;
        for (const std::string& name : names) {
            ExpectName(name, c.surname, 1, c.why);
        }
    }
}

TEST(GenerateNames, CountIsReadOnceAsAnInteger) {
    struct Case {
        const char* count;
        int iterations;
        const char* why;
    };
    const Case cases[] = {
        {"3", 3, "plain"},
        {"-5", 0, "a negative count runs no iteration"},
        {"0", 0, "zero"},
        {"abc", 0, "no digits read as 0"},
        {"", 0, "empty"},
        {"\xA3\xB3", 3, "full-width 3 is read as 3"},
        {" 2", 2, "leading space skipped"},
        {"2x", 2, "digits up to the first other byte"},
    };
    for (const Branch branch : {Branch::kRandomSurname, Branch::kTypedSurname}) {
        for (const Case& c : cases) {
            const FakeWindowScope window;
            PrepareJob(branch, "2", c.count);
            GenerateNames();
            const std::string context = std::string(BranchName(branch)) + ", " + c.why;
            EXPECT_EQ(CountCalls(kReadLength), c.iterations) << context;
            EXPECT_EQ(AppendedTexts(Control::编辑框2).size(),
                      static_cast<std::size_t>(c.iterations))
                << context;
        }
    }
}

TEST(GenerateNames, LengthEditsTakeEffectAtTheNextRead) {
    for (const Branch branch : {Branch::kRandomSurname, Branch::kTypedSurname}) {
        const FakeWindowScope window;
        PrepareJob(branch, "2", "5");
        // The length box as each read finds it, iteration by iteration.
        test_support::QueueTexts(Control::编辑框4, {
                                                       "2",            // 1: one hanzi
                                                       "3", "3",       // 2: two
                                                       "7", "7", "7",  // 3: no name
                                                       "3", "4", "4",  // 4: edited between reads
                                                       "4", "4", "4",  // 5: three
                                                   });
        GenerateNames();
        std::vector<std::size_t> given;
        for (const std::string& name : AppendedTexts(Control::编辑框2)) {
            const std::size_t surname = branch == Branch::kTypedSurname ? kWang.size() : 2;
            given.push_back((name.size() - surname - 2) / 2);
        }
        // A job that reused one reading per iteration would give two hanzi in iteration 4.
        EXPECT_EQ(given, (std::vector<std::size_t>{1, 2, 3, 3})) << BranchName(branch);
    }
}

TEST(GenerateNames, TypedSurnameIsReadAfreshAfterTheDraws) {
    {
        const FakeWindowScope window;
        PrepareJob(Branch::kTypedSurname, "2", "3");
        test_support::QueueTexts(Control::编辑框3, {kWang, kLi, ""});
        GenerateNames();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 3u);
        ExpectName(names[0], kWang, 1, "first name");
        ExpectName(names[1], kLi, 1, "the surname edited between iterations");
        ExpectName(names[2], "", 1, "the surname box emptied mid-job is not tested again");
    }
    {
        const FakeWindowScope window;
        PrepareJob(Branch::kTypedSurname, "3", "1");
        // Typed while the given name is drawn: a job that read the surname first would miss it.
        BeforeNthCall(kPump, 2, [] { SetText(Control::编辑框3, kLi); });
        GenerateNames();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 1u);
        ExpectName(names[0], kLi, 2, "surname read after the draws");
    }
}

TEST(GenerateNames, BranchAndCountAreFixedAtTheStart) {
    for (const Branch branch : {Branch::kRandomSurname, Branch::kTypedSurname}) {
        const FakeWindowScope window;
        PrepareJob(branch, "2", "3");
        BeforeNthCall(kAppend, 1, [branch] {
            // The user flips the check box (with the handler's space) and types a new count.
            SetChecked(Control::选择框1, branch != Branch::kRandomSurname);
            SetText(Control::编辑框3, " ");
            SetText(Control::编辑框1, "100");
        });
        GenerateNames();
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), 3u) << BranchName(branch);
        EXPECT_EQ(CountCalls(kReadCount), 1) << BranchName(branch);
        EXPECT_EQ(CountCalls(kReadChecked), branch == Branch::kRandomSurname ? 1 : 2);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (branch == Branch::kRandomSurname) {
                EXPECT_TRUE(IsTableSurname(names[i].substr(0, 2))) << i;
            } else {
                // Ticking while a typed job runs: that job takes the space as its surname.
                ExpectName(names[i], i == 0 ? kWang : " ", 1, "typed job after ticking");
            }
        }
    }
}

TEST(GenerateNames, CheckBoxTickedBetweenTheTwoReadsGivesNothing) {
    const FakeWindowScope window;
    PrepareJob(Branch::kTypedSurname, "2", "3");
    BeforeNthCall(kReadChecked, 2, [] { SetChecked(Control::选择框1, true); });
    GenerateNames();
    EXPECT_EQ(Calls(), (std::vector<std::string>{kReadChecked, kReadChecked}));
}

TEST(GenerateNames, WorkedExampleDrawSequence) {
    struct Case {
        Branch branch;
        std::vector<std::uint32_t> seeds;
        std::string name;
        const char* why;
    };
    const std::uint32_t surname_draw_10 = test_support::StateGivingDraws(1, 814, {10});
    const std::uint32_t hanzi_38_80 = test_support::StateGivingDraws(38, 80, {38, 80});
    const std::uint32_t hanzi_80_38 = test_support::StateGivingDraws(38, 80, {80, 38});
    const Case cases[] = {
        {Branch::kRandomSurname,
         {surname_draw_10, hanzi_38_80, hanzi_80_38},
         "\xD6\xDC\xDA\xB0\xB0\xDA\xA3\xAC",  // 周诎摆，
         "draw 10 gives slot 5; each hanzi from its own reseed, lead drawn first"},
        {Branch::kTypedSurname,
         {hanzi_38_80, hanzi_80_38},
         "\xCD\xF5\xDA\xB0\xB0\xDA\xA3\xAC",  // 王诎摆，
         "the typed loop reseeds only for the given name"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        PrepareJob(c.branch, "3", "1");
        const test_support::ScriptedReseeds reseeds(c.seeds);
        GenerateNames();
        EXPECT_EQ(AppendedTexts(Control::编辑框2), std::vector<std::string>{c.name}) << c.why;
        EXPECT_EQ(reseeds.ReseedsSeen(), static_cast<int>(c.seeds.size())) << c.why;
    }
}

TEST(GenerateNames, AWindowGoneMidJobUnwindsIt) {
    // The real services throw once the window is gone; the job must let that pass, holding
    // nothing that leaks (the sanitizer build checks for leaks) and appending no half name.
    struct WindowGone {};
    struct Case {
        Branch branch;
        std::string entry;
        int nth;
        std::size_t names_before;
        const char* why;
    };
    const Case cases[] = {
        {Branch::kRandomSurname, kAppend, 3, 2, "at an append"},
        {Branch::kRandomSurname, kPump, 5, 1, "between two characters of a name"},
        {Branch::kRandomSurname, kReadLength, 7, 2, "at a length read"},
        {Branch::kTypedSurname, kReadSurname, 2, 1, "at the surname read, after the draws"},
        {Branch::kTypedSurname, kPump, 1, 0, "at the first pump"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        PrepareJob(c.branch, "4", "5");
        BeforeNthCall(c.entry, c.nth, [] { throw WindowGone{}; });
        EXPECT_THROW(GenerateNames(), WindowGone) << c.why;
        EXPECT_EQ(AppendedTexts(Control::编辑框2).size(), c.names_before) << c.why;
        EXPECT_EQ(Text(Control::编辑框2).size(), c.names_before * (2 + 6 + 2)) << c.why;
    }
}

TEST(CountedLoop, RunsFromFirstToLastWithoutWrapping) {
    struct Case {
        std::int32_t first;
        std::int32_t last;
        std::vector<std::int32_t> visited;
        const char* why;
    };
    const Case cases[] = {
        {1, 3, {1, 2, 3}, "inclusive at both ends"},
        {1, 0, {}, "a count of 0 runs nothing"},
        {1, -5, {}, "a negative count runs nothing"},
        {1, INT32_MIN, {}, "the lowest count"},
        {INT32_MAX - 2,
         INT32_MAX,
         {INT32_MAX - 2, INT32_MAX - 1, INT32_MAX},
         "a count of 2147483647 ends after its last iteration instead of wrapping"},
        {INT32_MAX, INT32_MAX, {INT32_MAX}, "a single iteration at the top"},
    };
    for (const Case& c : cases) {
        std::vector<std::int32_t> visited;
        ForEachInRange(c.first, c.last, [&visited](std::int32_t i) {
            visited.push_back(i);
            if (visited.size() > 10) {
                throw std::runtime_error("the loop went past its end");
            }
        });
        EXPECT_EQ(visited, c.visited) << c.why;
    }
}

TEST(GenerationThreads, JobsSideBySideAppendWholeNames) {
    struct Case {
        Branch branch;
        int jobs;
        const char* length;
        const char* count;
        int given;
        const char* why;
    };
    const Case cases[] = {
        {Branch::kTypedSurname, 2, "2", "3", 1, "two clicks on Start: six names"},
        {Branch::kRandomSurname, 4, "4", "200", 3, "four random jobs at once"},
    };
    for (const Case& c : cases) {
        const FakeWindowScope window;
        test_support::SetWorkerMode(test_support::WorkerMode::kRecord);
        PrepareJob(c.branch, c.length, c.count);
        for (int i = 0; i < c.jobs; ++i) {
            StartGeneration();
        }
        std::vector<std::thread> workers;
        for (void (*routine)() : test_support::TakeStartedWorkers()) {
            workers.emplace_back(routine);
        }
        ASSERT_EQ(workers.size(), static_cast<std::size_t>(c.jobs)) << c.why;
        for (std::thread& worker : workers) {
            worker.join();
        }
        const auto names = AppendedTexts(Control::编辑框2);
        ASSERT_EQ(names.size(), static_cast<std::size_t>(c.jobs * std::stoi(c.count))) << c.why;
        std::string all;
        for (const std::string& name : names) {
            const std::string surname =
                c.branch == Branch::kTypedSurname ? kWang : name.substr(0, 2);
            ExpectName(name, surname, c.given, c.why);
            if (c.branch == Branch::kRandomSurname) {
                EXPECT_TRUE(IsTableSurname(surname)) << c.why;
            }
            all += name;
        }
        // Compared as a whole: printing a mismatch of these sizes would bury the message.
        EXPECT_TRUE(Text(Control::编辑框2) == all) << "each name lands whole, " << c.why;
    }
}

}  // namespace
}  // namespace names
