// The module's floating panel: a modeless dialog owned by the host's main
// view that shows and edits the current object's transform.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "api/host_records.h"
#include "controls/FloatSpin_win.h"
#include "controls/ImageButton_win.h"
#include "controls/MenuButton_win.h"
#include "controls/TitleButton_win.h"
#include "panel/ControlTips.h"
#include "panel/FieldExchange_win.h"
#include "panel/FieldTable.h"
#include "panel/PanelGeometry.h"
#include "panel/PanelListener.h"
#include "win/Gdi_win.h"
#include "win/HoverTips_win.h"
#include "win/ModelessKeyboard_win.h"

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

class TransformPanel : public PanelListener, private InputPreview {
public:
    // The panel keeps no pointer to the notifier that registered it: the
    // entry layer destroys that notifier at deactivation while the panel
    // lives on, and every host event brings its notifier along.
    explicit TransformPanel(PanelNotifier* notifier);
    TransformPanel(const TransformPanel&) = delete;
    TransformPanel& operator=(const TransformPanel&) = delete;
    // Destroys the panel's window, when it still has one.
    virtual ~TransformPanel();

    bool OpenPanel() override;
    void ClosePanel() override;
    void OnHostEvent(PanelNotifier* notifier, int code) override;
    void ShowPanel() override;

    HWND Window() const { return hwnd; }
    // Closed by its user (its X, WM_CLOSE, Escape) and not shown since, or
    // without a window: nothing but ShowPanel brings it back, and only the
    // latest panel is ever shown again.
    bool IsClosed() const { return !hwnd || closed; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    static INT_PTR Dispatch(HWND window, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR OnMessage(UINT message, WPARAM wp, LPARAM lp);
    INT_PTR OnInitDialog();
    // The owner-drawn controls with their dialog items: the one list that
    // attaches them, routes their drawing and lets go of what they hold.
    struct OwnerDrawnItem {
        int id;
        OwnerDrawnButton* control;
    };
    std::array<OwnerDrawnItem, 7> OwnerDrawnControls();
    void AttachControls();
    void PlaceTitleButtons();
    void SetUpRows();
    void OnPaint();
    bool PreviewInput(MSG& msg) override;
    bool OnWheel(const MSG& msg);
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    void FitLayoutToPicture();
    void ToggleReduction(int reducedHeight);
    void Hide();
    void CentreOverMainView();

    // Transform editing (TransformCommands_win.cpp).
    bool ReadObject();  // false when nothing is selected
    void ReadRow(Row row);
    void ApplyRow(Row row);
    void ApplyLocation();
    void ApplyRotation();
    void ApplySize();
    void SetRowStep(const RowSettings& row);

    // Object commands (ObjectCommands_win.cpp).
    void MoveAxesToAnchor(int anchor);
    void CopyObject();
    void ToggleAxes(int toggles);
    void ApplyUnit();
    void ApplyCoordinates();
    void ReadPointSelection();

    HWND hwnd = nullptr;
    bool closed = false;
    bool rolledUp = false;
    TitleButton rollFieldsButton;  // IDC_ROLL_FIELDS
    TitleButton rollTitleButton;   // IDC_ROLL_TITLE
    TitleButton hideButton;        // IDC_HIDE
    std::string title;
    Font titleFont;  // the title strip's, from the first paint until WM_NCDESTROY
    WindowRef mainView;
    int savedHeight = 0;
    int fieldRowsHeight = kTemplateFieldRowsHeight;  // reduction by IDC_ROLL_FIELDS
    FloatSpin spins[kValueFieldCount];               // one beside each value field, in table order
    Vector3 location{};
    Vector3 size{};
    Vector3 rotation{};
    Vector3 axesPosition{};
    Vector3 anchorSize{};
    int axisMode = 0;
    ImageButton showAxesButton;  // IDC_SHOW_AXES
    ImageButton hideAxesButton;  // IDC_HIDE_AXES
    MenuButton unitButton;       // IDC_UNIT
    Axes axesScratch{};
    MenuButton coordsButton;  // IDC_COORDS
    FieldExchange exchange{location, rotation, size, axisMode};
    HoverTips tips{TipOf};  // its tooltip made when the pointer first rests on a control
};
