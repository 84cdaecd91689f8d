// A calculator as a description the kit runs: its fields, lists, option
// boxes, buttons, frame and figure, and the two functions of its core. The
// kit creates the window and every control, binds the preferences, filters
// the keyboard and pasted text, dispatches the commands and paints.
//
// Suite-wide rules live here, once for every calculator:
// - a stored list choice outside its list selects the list's default entry;
// - a shown solution is always one the check accepted: a list or option box
//   changed while a solution is shown computes again, check included;
// - Enter in an input field presses "OK", and "OK" is ignored while its
//   refusal is shown;
// - a changed rounding count redraws a shown solution at once;
// - pasted text goes through the same filter as typed keys;
// - the solution areas are repainted across the whole client width, and a
//   solution whose lines would not fit the window is refused.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app_shell.h"
#include "calculator.h"
#include "control_factory.h"
#include "key_filter.h"
#include "solution_view.h"
#include "teaching_dialog.h"
#include "units.h"

namespace prolexa {

// An input field: its label, its edit, and how many characters it holds (0:
// no limit of its own). Which keys it takes the form's fieldKeys say.
struct FormField {
  std::string_view label{};
  ControlPlace labelPlace{};
  ControlPlace place{};
  int limit = 0;
  std::string_view initial{};  // the text the field starts with
  bool enabled = true;         // a field the pupil cannot type into is grey
};

// A drop-down list whose choice is read from the preferences at start (the
// launcher writes it; the calculator never does).
struct FormList {
  ControlPlace place{};  // the height includes the dropped list
  UnitList entries{};
  const char* preference = nullptr;  // nullptr: not stored
  int defaultEntry = 0;
  // The form's label (an index of its labels) that names the list for a
  // screen reader; -1: the label of the field on its row, left of it.
  int label = -1;
};

// A check box whose state is read at start and written on exit.
struct FormOption {
  std::string_view text{};
  ControlPlace place{};
  const char* preference = nullptr;
  bool defaultChecked = false;
  // Whether the solution reads it (a shown one is then computed again when
  // it changes).
  bool shapesSolution = true;
};

// A control of the form, as the focus chain names it.
struct FormControl {
  enum class Kind { Field, List, Option, Compute, Clear, Rounding, Teach, Button, Radio };
  Kind kind = Kind::Field;
  int index = 0;  // of a field, list or option

  static constexpr FormControl Field(int i) { return {Kind::Field, i}; }
  static constexpr FormControl List(int i) { return {Kind::List, i}; }
  static constexpr FormControl Option(int i) { return {Kind::Option, i}; }
  static constexpr FormControl Compute() { return {Kind::Compute, 0}; }
  static constexpr FormControl Clear() { return {Kind::Clear, 0}; }
  static constexpr FormControl Rounding() { return {Kind::Rounding, 0}; }
  static constexpr FormControl Teach() { return {Kind::Teach, 0}; }
  static constexpr FormControl Button(int i) { return {Kind::Button, i}; }
  static constexpr FormControl Radio(int i) { return {Kind::Radio, i}; }
};

// The rounding selector on one line: the count's edit (30 x 21) at its
// place, its label right-aligned left of it, the places word 3 pixels right
// of it, the two texts lowered to read level with the edit's digit; the
// words in the program's language.
struct RoundingPreference {
  std::optional<POINT> edit{};  // none: the form has no rounding selector
  int labelGap = 3;             // from the label's right end to the edit
  int textDrop = 3;             // the texts' top below the edit's
  int defaultPlaces = 2;  // also stored when the spinner reports an error
  std::string_view caption{};  // the label's own wording; empty: the usual one
};

class CalculatorWindow;

// A text of the form beside its fields, such as the title of an exercise.
struct FormLabel {
  std::string_view text{};
  ControlPlace place{};
  bool enabled = true;  // a radio button that cannot be chosen is shown grey
};

// A button of the program's own and what it does.
struct FormButton {
  std::string_view text{};
  ControlPlace place{};
  void (*pressed)(CalculatorWindow& window) = nullptr;
};

// A form that shows one of several exercises: the stored exercise it starts
// with (one outside 0 to count - 1 starts with 0), how the form is set up for
// an exercise, and radio buttons that choose it (one per exercise, if any).
struct FormModes {
  const char* preference = nullptr;
  int count = 1;
  void (*show)(CalculatorWindow& window) = nullptr;
  // The list whose entries are the exercises (-1: none): its entry follows
  // the exercise shown, and another entry picked switches to that exercise,
  // the fields emptied unless told to keep them.
  int list = -1;
  bool listKeepsFields = false;
  std::vector<FormLabel> radios{};
  // What a radio button does; without it the exercise switches as SwitchMode.
  void (*chosen)(CalculatorWindow& window, int mode) = nullptr;
};

struct CalculatorForm {
  std::string_view keyName{};  // class "Tolvek-00-" + key name, registry key
  // A program whose manifest alone brings the common controls leaves this
  // false.
  bool initCommonControls = true;
  std::string_view caption{};
  std::string_view helpPage{};  // the program's page of the help file
  // The window's size and where the caption stands as its title; the bands,
  // the address and the help icon keep the same distances from its edges in
  // every calculator.
  CalculatorFrame frame{};
  std::vector<FormField> fields{};
  // The keys each field takes, in the order of the fields: the core's table,
  // which the command-line solver reads too. A form whose table does not
  // name every field does not start.
  std::span<const KeyField> fieldKeys{};
  std::vector<FormList> lists{};
  std::vector<FormOption> options{};
  std::vector<FormLabel> labels{};
  std::vector<FormButton> buttons{};
  FormModes modes{};
  // The buttons are 75 x 25: "OK" at its corner, "Vymazat" 6 pixels right of
  // it unless placed elsewhere.
  POINT computeButton{};
  std::optional<POINT> clearButton{};
  std::string_view clearText = "Vymazat";  // a Slovak program says "Vymazať"
  // The one item of the solution area's menu; a Slovak program says
  // "Kopírovať riešenie".
  std::string_view copyText = "Kopírovat řešení";
  std::optional<POINT> teachButton{};  // "Výuka"; none: no teaching dialog
  TeachingDialogLook teaching{};
  RoundingPreference rounding{};
  // Tab moves along these, after the last to the first, passing over those
  // hidden.
  std::vector<FormControl> focusChain{};
  // Repainted on compute and clear, each widened to the client's right edge.
  std::vector<RECT> solutionAreas{};
  // Drawn on every paint after the frame, before the solution.
  DrawSteps (*figure)(int mode) = nullptr;
  CalculatorCore core{};
  // How refusals reach the pupil; tests put a recorder here.
  void (*showRefusal)(HWND owner, const Refusal& refusal) = ShowRefusal;
};

// The preferences a form reads at start.
struct FormPreferences {
  std::vector<int> lists;      // a valid entry of each list
  std::vector<bool> options;
  int places = 2;              // 0 to 6
  int mode = 0;                // a valid exercise
  int zoom = LeastZoom;        // percent of the screen's scaling
};

// Reads the form's preferences from its registry key: missing values take
// their defaults, a list choice outside its list the list's default entry,
// places outside 0 to 6 the default places.
FormPreferences ReadFormPreferences(const CalculatorForm& form);

// The running calculator: its controls, the inputs captured at the last
// compute and whether a solution is shown. Its main window carries it
// (GWLP_USERDATA), so a process may run several.
class CalculatorWindow final : private SolutionHost {
 public:
  // The window is made at the screen's scale, or at `scale` when given (a
  // test lays a form out at several).
  explicit CalculatorWindow(const CalculatorForm& form, HINSTANCE instance,
                            std::optional<DisplayScale> scale = std::nullopt)
      : form_(form), instance_(instance), forcedScale_(scale) {}
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  const CalculatorForm& Form() const { return form_; }
  HWND Main() const { return main_; }
  HWND Field(int i) const { return fields_.at(static_cast<std::size_t>(i)); }
  HWND List(int i) const { return lists_.at(static_cast<std::size_t>(i)); }
  HWND Option(int i) const { return options_.at(static_cast<std::size_t>(i)); }
  HWND Label(int i) const { return labels_.at(static_cast<std::size_t>(i)); }
  HWND Button(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }
  HWND ComputeButton() const { return compute_; }
  HWND ClearButton() const { return clear_; }
  // The help icon as a button for the keyboard and a screen reader.
  HWND HelpButton() const { return help_; }
  // The control that shows the solution and reads it to a screen reader.
  const SolutionView& SolutionControl() const { return view_; }
  const RoundingSelector& Rounding() const { return rounding_; }
  bool SolutionShown() const { return shown_; }
  DisplayScale Scale() const { return scale_; }
  int Mode() const { return mode_; }

  // Shows another exercise: the solution goes, the fields are emptied
  // (unless told not to), the form is set up anew and the figure and
  // solution are repainted.
  void SwitchMode(int mode, bool emptyFields = true);
  // Shows or hides a field's row: its label, its edit and its list.
  void ShowRow(int field, bool shown);
  void SetFieldLabel(int field, std::string_view text);
  // Moves a field's row (label, edit and list) up or down to y (a 96-DPI
  // place, as every place of the form).
  void MoveRow(int field, int y);
  // Fills a list with other entries and selects one of them.
  void RefillList(int list, UnitList entries, int selected);

  // Captures the form, repaints the solution areas and runs the check: a
  // refusal is shown and leaves the areas empty.
  void Compute();
  // Empties the fields and the solution areas.
  void Clear();
  // Puts the shown solution on the clipboard as text, one line a formula
  // line, and as a picture of the solution area as drawn; nothing without a
  // solution. False when the clipboard could not be written.
  bool CopySolution();
  // The menu of a right click at a client point: shown over the solution
  // area only, its one item greyed without a solution.
  void ShowSolutionMenu(POINT client);
  // The solution areas' bounding box, widened to the client's right edge.
  RECT SolutionBox() const;
  // Draws the whole client area but the controls: frame, figure, solution.
  void PaintContent(HDC dc);
  // The same for a box of the client area only, into a context whose
  // origin is the box's corner, on the window's background.
  void PaintBox(HDC dc, const RECT& box) override;
  // What the message loop needs to know of the controls.
  KeyPolicy Keys() const;
  // What happened to a control: a click, a new list entry, a changed text.
  void OnCommand(HWND sender, UINT notification);
  // The window moved to a screen of another DPI: it takes the system's
  // suggested place (in the new screen's pixels), and its controls, fonts
  // and content follow the new scale.
  void ChangeScale(DisplayScale scale, const RECT& suggested);
  // The colours to draw in, as the system's settings ask (a test forces
  // the high-contrast ones): the window and its controls are drawn anew.
  void SetPalette(const Palette& palette);
  // The pupil's zoom key: the window grows or shrinks a step from its top
  // left corner, everything in it scaled alike (not for a window made at a
  // given scale).
  void Zoom(ZoomKey key);
  int ZoomPercent() const { return zoom_; }

 private:
  friend LRESULT CALLBACK CalculatorWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend HWND CreateCalculatorWindow(CalculatorWindow& window);
  bool CreateControls();
  // Keeps a control the kit made with its 96-DPI place.
  HWND Placed(HWND control, const ControlPlace& place);
  // A 96-DPI place at the window's scale: the one place where the form's
  // places are scaled.
  ControlPlace AtScale(const ControlPlace& place) const;
  // Gives every control the controls' font at the window's scale, and puts
  // it at its place when told to (the controls are made there).
  void ApplyScale(bool move);
  void WritePreferences() const;
  void InvalidateSolution();
  // The rounding selector's count (0 for a form without one).
  int CurrentPlaces() const;
  // Writes the shown solution's results anew when the count has changed.
  void FollowPlaces();
  // A packed 24-bit DIB of the client box as the window shows it: its
  // content and the controls standing there.
  GlobalMemory SolutionPicture(const RECT& box);
  // Sets the form up for the exercise shown and puts the mode list on it.
  void ShowMode();
  void FocusFirstField() const;
  HWND ControlOf(FormControl control) const;
  // The label that names a list (null: none).
  HWND ListLabel(std::size_t list) const;
  void ShowMenuAt(POINT client) override { ShowSolutionMenu(client); }
  // The help button as the window draws its icon, framed when focused.
  void DrawHelpButton(const DRAWITEMSTRUCT& item);
  // Hands the solution control the lines now shown (none without a
  // solution).
  void ShowLines(SolutionChange change);

  // A control and where the form puts it at 96 DPI.
  struct PlacedControl {
    HWND control;
    ControlPlace place;
  };

  const CalculatorForm& form_;
  HINSTANCE instance_;
  std::optional<DisplayScale> forcedScale_;
  DisplayScale screen_;  // the screen's own scale
  int zoom_ = LeastZoom;  // the pupil's, in percent of the screen's
  DisplayScale scale_;    // the window's: the screen's times the zoom
  std::vector<PlacedControl> placed_;
  GdiFont font_;
  HWND main_ = nullptr;
  std::vector<HWND> fieldLabels_, fields_, lists_, options_, labels_, buttons_, radios_;
  HWND compute_ = nullptr, clear_ = nullptr, teach_ = nullptr, help_ = nullptr;
  RoundingSelector rounding_;
  SolutionView view_;
  CommonWindowState common_;
  FormPreferences preferences_;
  FormInputs captured_;
  bool shown_ = false;
  bool refusing_ = false;  // a refusal's message box is open
  // The shown solution, laid out at the places it was drawn with.
  Solution solution_;
  int mode_ = 0;
};

// Registers the class (once per process), creates the main window and its
// controls. Null when any of it fails, which ends the start silently.
HWND CreateCalculatorWindow(CalculatorWindow& window);

// Starts the calculator and runs its message loop; returns the quit code, or
// 0 when the start fails.
int RunCalculator(HINSTANCE instance, const CalculatorForm& form);

}  // namespace prolexa
