// The panel's data exchange: its nine value fields and its "axis" box on
// one side, the panel's location, rotation, size and axis mode on the other.
// The members stay the panel's; the exchange is lent them.
#pragma once

#include <windows.h>

#include <string>

#include "api/host_records.h"
#include "base/ModuleEntry.h"
#include "controls/NumberText.h"
#include "panel/FieldTable.h"

class FieldExchange {
public:
    FieldExchange(Vector3& location, Vector3& rotation, Vector3& size, int& axisMode);
    FieldExchange(const FieldExchange&) = delete;
    FieldExchange& operator=(const FieldExchange&) = delete;

    // Takes the dialog's value fields and "axis" box. The template's fields
    // start empty, and from here on every change of their texts is reported
    // with EN_CHANGE (FieldChanged).
    void Bind(HWND dialog);

    // Fields into members, in table order, then the box. A field that still
    // holds the text ToFields wrote into it gives the member's exact number
    // of then (FieldNumber), so a component the user did not touch goes
    // back to the host as the host gave it. The first field
    // that holds no number stops it: the members before it are stored, the
    // user is asked for a number and the field is focused with its whole
    // text selected; false. False at once, reading nothing, while such a
    // prompt is open.
    bool ToMembers();

    // Members into fields and box. A field whose text would not change is
    // not rewritten.
    void ToFields();

    // EN_CHANGE of control `id`: a value field's text is read again before
    // it is next used.
    void FieldChanged(int id);

    // Whether the change notifications arriving now come from the
    // exchange's own writes (ToFields or an OwnWrites scope); they start no
    // apply and no range change.
    bool WritingFields() const { return writing; }

    // Whether the prompt for a field without a number is open now.
    bool Prompting() const { return prompting; }

    // Within its scope, the change notifications of the panel's writes to
    // its own controls count as the exchange's own.
    class OwnWrites : public HeldForEntry {
    public:
        explicit OwnWrites(FieldExchange& exchange) : exchange(exchange), was(exchange.writing) {
            exchange.writing = true;
        }
        ~OwnWrites() { GiveBack(); }
        void GiveBack() noexcept override { exchange.writing = was; }

    private:
        FieldExchange& exchange;
        bool was;
    };

private:
    const std::string& FieldText(int index);
    void WriteField(int index, const std::string& text);
    void PromptForNumber(int index);
    Vector3& Values(Row row) { return *rows[static_cast<int>(row)]; }

    // The nine value fields as last read, in table order. Every keystroke
    // exchanges all nine, and reading a field is a message through the
    // subclass that its up-down control keeps on it (a server round trip
    // per link under Wine). A field reports every change of its text with
    // EN_CHANGE, typed or set, so it is read again only after it has.
    struct Field {
        HWND window = nullptr;
        std::string text;
        bool stale = true;
        FieldNumber number;  // the member's value as last written into the field
    };

    Vector3* const rows[3];  // in the order of Row
    int& axisMode;
    HWND dialog = nullptr;
    Field fields[kValueFieldCount];
    HWND axisBox = nullptr;  // IDC_AXIS_MODE
    bool writing = false;    // see WritingFields
    bool prompting = false;  // the number prompt is open
};
