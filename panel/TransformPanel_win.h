// The module's floating panel: a modeless dialog owned by the host's main
// view that shows and edits the current object's transform.
#pragma once

#include <windows.h>

#include <string>

#include "api/host_records.h"
#include "controls/FloatSpin_win.h"
#include "controls/ImageButton_win.h"
#include "controls/MenuButton_win.h"
#include "controls/TitleButton_win.h"
#include "panel/PanelListener.h"

class PanelNotifier;

// Borrowed window handle: attached while the panel is open, never destroyed
// through this wrapper.
class WindowRef {
public:
    void Attach(HWND window) { hwnd = window; }
    HWND Detach() {
        HWND h = hwnd;
        hwnd = nullptr;
        return h;
    }
    HWND Get() const { return hwnd; }

private:
    HWND hwnd = nullptr;
};

class TransformPanel : public PanelListener {
public:
    explicit TransformPanel(PanelNotifier* notifier);
    TransformPanel(const TransformPanel&) = delete;
    TransformPanel& operator=(const TransformPanel&) = delete;
    virtual ~TransformPanel() = default;

    bool OpenPanel() override;
    void ClosePanel() override;
    void OnHostEvent(PanelNotifier* notifier, int code) override;
    void ShowPanel() override;

    HWND Window() const { return hwnd; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR OnMessage(UINT message, WPARAM wp, LPARAM lp);
    INT_PTR OnInitDialog();
    void AttachControls();
    void OnPaint();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    void FitLayoutToPicture();
    void ToggleReduction(int reducedHeight);
    void Hide();
    void CentreOverMainView();

    // Data exchange between the nine value fields, the "axis" box and the
    // members (PanelExchange_win.cpp).
    void BindFields();
    bool ExchangeToMembers();
    void ExchangeToFields();
    const std::string& FieldText(int index);
    void FieldChanged(int id);
    void WriteField(int index, const std::string& text);
    void PromptForNumber(int id);

    // Transform editing (TransformCommands_win.cpp).
    void ReadObject();
    void ReadRow(int button);
    void ApplyLocation();
    void ApplyRotation();
    void ApplySize();
    void SetRowStep(int stepField);

    // Object commands (ObjectCommands_win.cpp).
    void MoveAxesToAnchor(int anchor);
    void CopyObject();
    void ToggleAxes(int toggles);
    void ApplyUnit();
    void ApplyCoordinates();
    void ReadPointSelection();
    FloatSpin& Spin(int fieldId) { return spins[(fieldId - 3009) / 2]; }

    HWND hwnd = nullptr;
    PanelNotifier* notifier;
    bool rolledUp = false;
    TitleButton rollFieldsButton;  // 3006
    TitleButton rollTitleButton;   // 3007
    TitleButton hideButton;        // 3008
    std::string title;
    WindowRef mainView;
    int savedHeight = 0;
    int fieldRowsHeight = 0;  // reduction by 3006: the rows without the picture
    FloatSpin spins[9];  // 3010 .. 3026, one beside each value field
    Vector3 location{};
    Vector3 size{};
    Vector3 rotation{};
    Vector3 axesPosition{};
    Vector3 anchorSize{};
    int axisMode = 0;
    ImageButton showAxesButton;  // 3050
    ImageButton hideAxesButton;  // 3051
    MenuButton unitButton;       // 3057
    Axes axesScratch{};
    MenuButton coordsButton;  // 3058

    // The nine value fields as last read, in exchange order. Every keystroke
    // exchanges all nine, and reading a field is a message through the
    // subclass that its up-down control keeps on it (a server round trip per
    // link under Wine). A field reports every change of its text with
    // EN_CHANGE, typed or set, so it is read again only after it has.
    struct Field {
        HWND window = nullptr;
        std::string text;
        bool stale = true;
    };
    Field fields[9];
    HWND axisBox = nullptr;  // 3049

    bool writingFields = false;  // change notifications are the exchange's own
    bool prompting = false;      // the number prompt is open
};
