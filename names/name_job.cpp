#include "names/name_job.h"

#include <cstdint>

#include "names/counted_loop.h"
#include "names/gbk_text.h"
#include "names/pickers.h"
#include "names/window_services.h"

namespace names {

namespace {

// The job's constant texts, made once and never destroyed (a worker may still run while the
// process ends).
struct JobTexts {
    GbkText empty;
    GbkText two{"2"};
    GbkText three{"3"};
    GbkText four{"4"};
    GbkText name_separator{"，"};
};

const JobTexts& Texts() {
    static const JobTexts& texts = *new JobTexts;
    return texts;
}

bool IsEmpty(const GbkText& text) {
    return CompareTexts(text, Texts().empty) == 0;
}

bool IsChecked(Control check_box) {
    return ReadProperty(check_box, Flag::kChecked) != 0;
}

// The number of given-name characters the length box asks for, 0 for any other text. Every
// comparison reads the box afresh, so an edit between two of them counts.
int GivenNameLength() {
    if (CompareTexts(ReadProperty(Control::编辑框4, kText), Texts().two) == 0) {
        return 1;
    }
    if (CompareTexts(ReadProperty(Control::编辑框4, kText), Texts().three) == 0) {
        return 2;
    }
    if (CompareTexts(ReadProperty(Control::编辑框4, kText), Texts().four) == 0) {
        return 3;
    }
    return 0;
}

enum class SurnameSource { kTable, kSurnameBox };

void RunLoop(SurnameSource source) {
    const std::int32_t count = TextToInt(ReadProperty(Control::编辑框1, kText));
    ForEachInRange(1, count, [source](std::int32_t) {
        const int given_length = GivenNameLength();
        if (given_length == 0) {
            return;
        }
        GbkText surname;
        if (source == SurnameSource::kTable) {
            surname = PickRandomSurname();
        }
        GbkText given[3];
        for (int i = 0; i < given_length; ++i) {
            given[i] = PickRandomHanzi(1);
        }
        // A typed surname is read after the given name is drawn, exactly as it stands then.
        if (source == SurnameSource::kSurnameBox) {
            surname = ReadProperty(Control::编辑框3, kText);
        }
        AppendText(Control::编辑框2,
                   JoinTexts(surname, given[0], given[1], given[2], Texts().name_separator));
    });
}

}  // namespace

void ToggleAutoRandom() {
    if (IsChecked(Control::选择框1)) {
        WriteProperty(Control::编辑框3, Flag::kDisabled, true);
        WriteProperty(Control::编辑框3, kText, " ");
    } else if (!IsChecked(Control::选择框1)) {
        WriteProperty(Control::编辑框3, Flag::kDisabled, false);
    }
}

void StartGeneration() {
    if (IsEmpty(ReadProperty(Control::编辑框4, kText)) ||
        IsEmpty(ReadProperty(Control::编辑框1, kText)) ||
        IsEmpty(ReadProperty(Control::编辑框3, kText))) {
        ShowInfoBox("请先完善信息");
        return;
    }
    // A thread that cannot be started is not reported.
    static_cast<void>(StartWorker(&GenerateNames));
}

void GenerateNames() {
    if (IsChecked(Control::选择框1)) {
        RunLoop(SurnameSource::kTable);
    } else if (!IsChecked(Control::选择框1)) {
        RunLoop(SurnameSource::kSurnameBox);
    }
    // Ticked between the two reads: the job ends without a name.
}

}  // namespace names
