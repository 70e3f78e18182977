// Hostile text typed into every value field and every step field with real
// keystrokes. A value field takes one decimal number that fits a float and
// refuses anything else with the number prompt; a step field reads its text
// atof's way and keeps its step when there is no number. Whatever is typed,
// no infinity or NaN reaches the host, and the panel keeps working.
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"
#include "res/resource.h"
#include "sent_values.h"

using namespace harness;

namespace {

// Ctrl+V in an edit: the clipboard text replaces the selection in one go.
// Tabs reach a single-line field only this way.
void Paste(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// The component of the selected object that a value field edits.
float HostValue(int field) {
    const StandinObject cube = Cube();
    switch (field) {
    case IDC_LOCATION_X: return cube.location.x;
    case IDC_LOCATION_Y: return cube.location.y;
    case IDC_LOCATION_Z: return cube.location.z;
    case IDC_ROTATION_X: return cube.rotation.x;
    case IDC_ROTATION_Y: return cube.rotation.y;
    case IDC_ROTATION_Z: return cube.rotation.z;
    case IDC_SIZE_X: return cube.size.x;
    case IDC_SIZE_Y: return cube.size.y;
    case IDC_SIZE_Z: return cube.size.z;
    }
    return NAN;  // not a value field
}

std::string Zeros(size_t count) { return std::string(count, '0'); }

// A case types `keys` after pasting `paste` over the field's whole text.
// The long texts are pasted but for their last keystrokes: Wine's edit
// control measures its whole line on every character, so typing 5,000 of
// them one by one takes most of a minute per field.
struct FieldCase {
    const char* what;
    std::string paste;
    std::string keys;
    size_t prompts;    // number prompts raised on the way
    std::string text;  // the field afterwards
    float host;        // the field's component at the host afterwards
};

// After a refusal the prompt selects the field's whole text, so the next
// keystroke replaces it: typed "inf" raises three prompts and leaves "f".
std::vector<FieldCase> FieldCases() {
    const std::string tenZeros = Zeros(10);
    const std::string home(1, kHome), right(1, kRight), end(1, kEnd);
    return {
        {"empty", "", "\b", 1, "", 7.0f},
        {"a lone minus", "", "-", 1, "-", 7.0f},
        {"a lone plus", "", "+", 1, "+", 7.0f},
        {"a lone point", "", ".", 1, ".", 7.0f},
        {"an exponent without digits", "", "1e", 1, "1e", 1.0f},
        {"hexadecimal", "", "010" + home + right + "x", 1, "0x10", 10.0f},
        {"inf typed", "", "inf", 3, "f", 7.0f},
        {"nan typed", "", "nan", 3, "n", 7.0f},
        {"inf pasted", "inf", "", 1, "inf", 7.0f},
        {"-infinity pasted", "-infinity", "", 1, "-infinity", 7.0f},
        {"nan pasted", "nan", "", 1, "nan", 7.0f},
        {"the runtime's infinity text", "1.#INF", "", 1, "1.#INF", 7.0f},
        {"1e39", "", "39" + home + "1e", 1, "1e39", 139.0f},
        {"-1e39", "", "39" + home + "-1e", 1, "-1e39", -139.0f},
        {"just inside a float", "", "38" + home + "3.4e", 0, "3.4e38", 3.4e38f},
        {"just past a float", "3.5e38", "", 1, "3.5e38", 7.0f},
        {"blanks around", "", "5" + home + "  " + end + "  ", 0, "  5  ", 5.0f},
        {"blanks and tabs", " \t-2.5\t ", "", 0, " \t-2.5\t ", -2.5f},
        {"a tab typed", "", "4\t", 0, "4", 4.0f},  // a single-line edit takes no typed tab
        {"blanks only", "", "  ", 2, " ", 7.0f},
        {"a blank inside", "", "12" + home + right + " ", 1, "1 2", 12.0f},
        {"a decimal comma", "", "15" + home + right + ",", 1, "1,5", 15.0f},
        {"5,000 characters", "1." + Zeros(4988), tenZeros, 0, "1." + Zeros(4998), 1.0f},
        {"5,000 characters, the last a letter", "2." + Zeros(4988), Zeros(9) + "x", 1,
         "2." + Zeros(4997) + "x", 2.0f},
        {"5,000 digits", Zeros(4999), home + "1", 1, "1" + Zeros(4999), 0.0f},
        {"a superscript two", "", "5\xB2", 1, "5\xB2", 5.0f},
        {"a non-breaking space", "", "5" + home + "\xA0", 1,
         "\xA0"
         "5",
         5.0f},
        {"UTF-8 bytes", "", "\xC3\xA9", 2, "\xA9", 7.0f},
    };
}

void CheckFieldCases(OpenedPanel& p, const std::vector<int>& fields) {
    const std::vector<FieldCase> cases = FieldCases();
    for (int field : fields) {
        for (const FieldCase& c : cases) {
            const std::string where = std::to_string(field) + ", " + c.what + ": ";
            HWND edit = p.Item(field);
            Replace(edit, "7");
            TakeDismissedBoxes();
            standinJournalClear();
            SelectAll(edit);
            if (!c.paste.empty()) Paste(edit, c.paste);
            Type(edit, c.keys);
            const std::vector<std::string> boxes = TakeDismissedBoxes();
            CHECK_EQ(where + std::to_string(c.prompts), where + std::to_string(boxes.size()));
            for (const std::string& box : boxes)
                CHECK_EQ(std::string("Please enter a number."), box);
            const std::string text = p.Text(field);
            CHECK_EQ(where + c.text.substr(0, 40), where + text.substr(0, 40));
            CHECK_EQ(c.text.size(), text.size());
            CHECK_EQ(where + ToText(c.host), where + ToText(HostValue(field)));
            CHECK_EQ(std::vector<std::string>(), LinesSendingNonFinite());

            // A valid edit afterwards reaches the host without a prompt.
            Replace(edit, "6.5");
            CHECK_EQ(where + "6.5", where + ToText(HostValue(field)));
            CHECK(TakeDismissedBoxes().empty());
            KeepAlive();  // some cases type thousands of characters
        }
    }
}

struct StepRow {
    int stepField, valueField;
    const char* defaultStep;
};
const StepRow kStepRows[] = {{IDC_LOCATION_STEP, IDC_LOCATION_X, "0.100"},
                             {IDC_ROTATION_STEP, IDC_ROTATION_X, "1.00"},
                             {IDC_SIZE_STEP, IDC_SIZE_X, "0.100"}};

// What one step up from 7 shows in the location, rotation and size rows.
using RowTexts = const char* const[3];
RowTexts kDefaultStep = {"7.100", "8.00", "7.100"};
RowTexts kStepOne = {"8.000", "8.00", "8.000"};
RowTexts kStepTwo = {"9.000", "9.00", "9.000"};
RowTexts kStepThree = {"10.000", "10.00", "10.000"};
// A step past every bound: location and size stop at their maximum,
// rotation wraps to its minimum.
RowTexts kPastTheTop = {"10000.000", "-180.00", "1000.000"};

struct StepCase {
    const char* what;
    std::string paste;
    std::string keys;
    const char* const* after;  // the row's X field after one step up from 7
};

std::vector<StepCase> StepCases() {
    const std::string home(1, kHome), end(1, kEnd);
    return {
        {"empty", "", "\b", kDefaultStep},
        {"a lone minus", "", "-", kDefaultStep},
        {"a lone plus", "", "+", kDefaultStep},
        {"a lone point", "", ".", kDefaultStep},
        {"an exponent without digits", "", "1e", kStepOne},
        {"hexadecimal", "", "0x10", kDefaultStep},
        {"inf", "", "inf", kDefaultStep},
        {"-inf", "", "-inf", kDefaultStep},
        {"nan", "", "nan", kDefaultStep},
        {"1e39", "", "1e39", kPastTheTop},
        {"1e400", "", "1e400", kPastTheTop},  // 1e40 on the way is a step
        {"blanks around", "", " 2" + home + " " + end + "  ", kStepTwo},
        {"blanks and tabs", "\t 2 \t", "", kStepTwo},
        {"5,000 digits", "1" + Zeros(4989), Zeros(10), kDefaultStep},  // no double
        {"5,000 characters", "2." + Zeros(4988), Zeros(10), kStepTwo},
        {"a tiny step", "0." + Zeros(4988), Zeros(9) + "5", kDefaultStep},  // rounds to 0
        {"a superscript after a digit", "", "3\xB2", kStepThree},
        {"a letter first", "",
         "\xE9"
         "3",
         kDefaultStep},
    };
}

void CheckStepCases(OpenedPanel& p, const StepRow& row, int rowIndex) {
    for (const StepCase& c : StepCases()) {
        const std::string where = std::to_string(row.stepField) + ", " + c.what + ": ";
        Replace(p.Item(row.valueField), "7");
        HWND step = p.Item(row.stepField);
        SelectAll(step);
        if (!c.paste.empty()) Paste(step, c.paste);
        Type(step, c.keys);
        standinJournalClear();
        Key(p.Item(row.valueField), VK_UP);
        CHECK_EQ(where + c.after[rowIndex], where + p.Text(row.valueField));
        CHECK_EQ(std::strtof(p.Text(row.valueField).c_str(), nullptr), HostValue(row.valueField));
        CHECK_EQ(std::vector<std::string>(), LinesSendingNonFinite());
        CHECK_EQ(std::vector<std::string>(), TakeDismissedBoxes());

        // The row steps by its default again once that is typed back.
        Replace(step, row.defaultStep);
        Replace(p.Item(row.valueField), "7");
        Key(p.Item(row.valueField), VK_UP);
        CHECK_EQ(where + kDefaultStep[rowIndex], where + p.Text(row.valueField));
    }
}

}  // namespace

WINE_TEST(LocationFieldsRefuseWhatIsNotAFloat) {
    OpenedPanel p;
    CheckFieldCases(p, {IDC_LOCATION_X, IDC_LOCATION_Y, IDC_LOCATION_Z});
}

WINE_TEST(RotationFieldsRefuseWhatIsNotAFloat) {
    OpenedPanel p;
    CheckFieldCases(p, {IDC_ROTATION_X, IDC_ROTATION_Y, IDC_ROTATION_Z});
}

WINE_TEST(SizeFieldsRefuseWhatIsNotAFloat) {
    OpenedPanel p;
    CheckFieldCases(p, {IDC_SIZE_X, IDC_SIZE_Y, IDC_SIZE_Z});
}

WINE_TEST(StepFieldsKeepTheirStepForWhatIsNoNumber) {
    OpenedPanel p;
    for (int i = 0; i < 3; ++i) CheckStepCases(p, kStepRows[i], i);
}

// A spin step can write a number that no float holds: a huge negative step
// going up tests only the upper bound, and the largest float, written with
// three decimals, rounds past it. The field then refuses the spin's text as
// it would refuse it typed, and the host keeps its last value.
WINE_TEST(SpinTextsPastTheFloatRangeAreRefusedLikeTypedText) {
    OpenedPanel p;
    struct LargestStepped {
        const char* text;  // 3.40282e+38 stepped down
        bool refused;
        float host;
    };
    const LargestStepped kDown[] = {{"3.403e+", true, 3.40282e38f},   // location
                                    {"3.40e+", false, 3.4e38f},       // rotation: two decimals fit
                                    {"3.403e+", true, 3.40282e38f}};  // size
    for (int i = 0; i < 3; ++i) {
        const StepRow& row = kStepRows[i];
        const std::string where = std::to_string(row.stepField) + ": ";
        HWND value = p.Item(row.valueField);
        Replace(value, "7");
        Replace(p.Item(row.stepField), "-1e39");
        TakeDismissedBoxes();
        Key(value, VK_UP);
        CHECK_EQ(where + "1", where + std::to_string(TakeDismissedBoxes().size()));
        CHECK_EQ(where + "-1.00", where + p.Text(row.valueField).substr(0, 5));
        CHECK_EQ(7.0f, HostValue(row.valueField));
        Replace(p.Item(row.stepField), row.defaultStep);

        Replace(value, std::string("38") + kHome + "3.40282e+");  // no refusal on the way
        CHECK_EQ(3.40282e38f, HostValue(row.valueField));
        Key(value, VK_DOWN);
        const std::string prefix = kDown[i].text;
        CHECK_EQ(where + prefix, where + p.Text(row.valueField).substr(0, prefix.size()));
        CHECK_EQ(kDown[i].refused, !TakeDismissedBoxes().empty());
        CHECK_EQ(kDown[i].host, HostValue(row.valueField));
        CHECK_EQ(std::vector<std::string>(), LinesSendingNonFinite());
        Replace(value, "7");
        CHECK_EQ(7.0f, HostValue(row.valueField));
    }
}
