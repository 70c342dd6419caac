#pragma once
// One grid view of the work window, showing one GridTabel unbound.
//
// The grid keeps its layout (columns and their settings), the current cell and the
// edit in progress, and raises the events. The rules of editing and committing live
// here once; a view (the Qt one, or the recording double of the tests) only draws
// and passes the user's keys and clicks in as the inputs below.
//
// Grid column i shows table column (the table's lowest column bound + i); a table
// column beyond the grid's last column is not shown, and a grid column beyond the
// table's last column shows empty cells. Every table row is a grid row, the table's
// first row as grid row 0.
//
// ---- How the user edits ----
// The cell being edited is in one of four states (Redigering): Ingen, no editor
// open; Tastet, an editor opened by a typed key, whose text the key replaced;
// Markoer, an editor for caret work; Liste, the open list of a drop-down cell.
//
//  input               | Ingen                          | Tastet             | Markoer
//  --------------------+--------------------------------+--------------------+-------------------
//  character           | Tastet, the text replaced (4)  | the editor's       | the editor's
//  Backspace           | Tastet, empty (4)              | the editor's       | the editor's
//  Delete              | the cell emptied, committed (4)| the editor's       | the editor's
//  F2                  | Markoer (5)                    | Markoer            | -
//  Alt+Down            | Liste on a drop-down cell      | -                  | -
//  Esc                 | -                              | Ingen, value dropped | Ingen, value dropped
//  Enter, Up, Down,    | a cell down, up, a page (2)    | commit (1), then as in Ingen
//   PageUp, PageDown   |                                |                    |
//  Left, Right         | a cell left, right (2)         | commit (1), then   | the caret's
//                      |                                |  as in Ingen       |
//  Home, End           | the row's first, last (2)      | the caret's        | the caret's
//  Ctrl+Home, Ctrl+End | the grid's first, last (2)     | commit (1), then as in Ingen
//  Tab, Shift+Tab      | the next, previous cell in reading order (2); past the last or
//                      | first the keyboard leaves the grid | commit (1), then as in Ingen
//  Ctrl+Tab            | the keyboard leaves the grid   | commit (1), then as in Ingen
//  click on a cell     | that cell current (3)          | commit (1), then as in Ingen
//  double click        | that cell current (3), Markoer (5) | commit (1), then as in Ingen
//  click in the editor | -                              | Markoer            | the caret's
//  click on a caption  | the column's first cell (2), the keyboard to the grid; a column
//                      | where no cell takes keys: nothing | commit (1), then as in Ingen
//  click on the grid's | the keyboard to the grid       | commit (1), then as in Ingen
//   empty area         |                                |                    |
//  press elsewhere in  | -                              | commit (1)         | commit (1)
//   the window         |                                |                    |
// In Liste the keys are the list's, but Esc, which closes it; a pick commits the
// picked item at once. The current cell is always one that takes keys in a grid
// that has any, so a click on the current cell is a click like any other: no editor.
// (1) A refused value is dropped, the cell shows its old value again and stays
//     current with the keyboard (its check's message tells why); the rest of the
//     input does nothing.
// (2) Only over cells that take keys (in a grid where none does, over every shown
//     cell); at the grid's edge the cell stays.
// (3) A cell that takes no keys gives way to the nearest of its row that does, the
//     first right of it, else left of it.
// (4) On a drop-down cell a character picks the first item that begins with it, and
//     Backspace and Delete do nothing; in a grid where no cell takes keys they give
//     the system's beep.
// (5) On a drop-down cell: Liste.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "celler/GridTabel.h"
#include "celler/Variant.h"
#include "platform/Farve.h"
#include "platform/Justering.h"


// Value-list presentation: 2 shows the list as a drop-down on the cell.
inline constexpr int ListePraesentationRulleliste = 2;

// The keys of the table above (Grid::userTast). GridHjem and GridSlut are Ctrl+Home
// and Ctrl+End; CtrlTab stands for Ctrl+Tab and Ctrl+Shift+Tab; AabnListe is Alt+Down.
enum class GridTast {
    Enter, Tab, ShiftTab, CtrlTab, Op, Ned, Venstre, Hoejre, SideOp, SideNed,
    Hjem, Slut, GridHjem, GridSlut, Tilbage, Slet, F2, AabnListe, Esc
};

enum class Redigering { Ingen, Tastet, Markoer, Liste };

// What became of a key: the grid took it; it took it and refused the value being
// committed; the key is the open editor's own (its caret, its text); the keyboard
// leaves the grid (Tab past its ends, Ctrl+Tab), to the next or previous control.
enum class TastSvar { Taget, Afvist, Editorens, Forlad };

class Grid;
class GridColumn;

// Told by the grid what the program changed, so a view can redraw. Every
// operation of the program's side also reports itself through programKald, in
// the form "refresh", "setCaption(\"Kriterier\")", "column(2).setLocked(true)",
// "column(1).valueList().add(3, \"B1\")", so a test can read back the calls in order.
class GridVisning {
public:
    virtual ~GridVisning() = default;
    virtual void tabelSkiftet() {}      // bound to a table, rebound, or back to design: take the shape anew
    virtual void dataOpdateret() {}     // refresh: cells (and maybe the row count) changed
    virtual void layoutAendret() {}     // columns or any grid/column setting changed
    virtual void aktuelCelleFlyttet() {}
    virtual void redigeringBegyndt() {} // an editor opens on the edited cell, in the state redigering() gives
    virtual void redigeringSlut() {}    // the edit in progress was committed or dropped: close the editor
    virtual void bip() {}               // a key that nothing here takes: the system's beep
    virtual void fokusOenskes() {}      // the program set the focus on the grid
    virtual void programKald(const std::string& /*kald*/) {}
};

struct ValueItem {
    Variant value;
    std::string displayText;
};

// The value list of a column: the cell holds an item's value, the grid shows its
// display text.
class ValueList {
public:
    int presentation() const { return presentation_; }
    void setPresentation(int p);
    bool isDropDown() const { return presentation_ == ListePraesentationRulleliste; }

    std::optional<bool> listOptionA() const { return optA_; }
    std::optional<bool> listOptionB() const { return optB_; }
    std::optional<bool> listOptionC() const { return optC_; }
    void setListOptionA(bool v);
    void setListOptionB(bool v);
    void setListOptionC(bool v);

    int count() const { return static_cast<int>(items_.size()); }
    const ValueItem& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    void add(Variant value, std::string displayText);  // at the end
    void remove(int index);                             // an index outside the list does nothing

    // The item whose value has the same text form as the cell value, so a number
    // read back from a data file as text still finds its item; nullptr if none.
    const ValueItem* find(const Variant& cellValue) const;

private:
    friend class GridColumn;
    friend class Grid;
    void kald(const std::string& k);
    GridColumn* owner_ = nullptr;
    int presentation_ = 0;
    std::optional<bool> optA_, optB_, optC_;
    std::vector<ValueItem> items_;
};

// One column of a grid. Settings that are never set read as nullopt: the
// component's default stands.
class GridColumn {
public:
    GridColumn(const GridColumn&) = delete;
    GridColumn& operator=(const GridColumn&) = delete;

    int index() const;  // the column's current index in its grid

    const std::string& caption() const { return caption_; }
    int width() const { return width_; }  // twips
    bool visible() const { return visible_; }
    bool locked() const { return locked_; }
    // As the set-ups give it; a column without one aligns by content (numbers right,
    // texts left).
    std::optional<VandretJustering> alignment() const { return alignment_; }
    const std::string& numberFormat() const { return numberFormat_; }  // "" the default form
    std::optional<Farve> backColor() const { return backColor_; }
    bool bold() const { return bold_; }
    std::optional<bool> columnOptionA() const { return optA_; }
    std::optional<bool> columnOptionB() const { return optB_; }
    std::optional<bool> columnOptionC() const { return optC_; }
    std::optional<bool> columnOptionD() const { return optD_; }
    std::optional<bool> columnOptionE() const { return optE_; }

    void setCaption(std::string caption);
    void setWidth(int twips);
    void setVisible(bool v);
    void setLocked(bool v);
    void setAlignment(VandretJustering j);
    void setNumberFormat(std::string format);
    void setBackColor(Farve f);
    void setBold(bool v);
    void setColumnOptionA(bool v);
    void setColumnOptionB(bool v);
    void setColumnOptionC(bool v);
    void setColumnOptionD(bool v);
    void setColumnOptionE(bool v);

    ValueList& valueList() { return list_; }
    const ValueList& valueList() const { return list_; }

    Grid& grid() const { return *owner_; }

private:
    friend class Grid;
    friend class ValueList;
    explicit GridColumn(Grid* owner);
    void kald(const std::string& k);
    void aendret();

    Grid* owner_;
    std::string caption_;
    int width_ = 1000;
    bool visible_ = true;
    bool locked_ = false;
    std::optional<VandretJustering> alignment_;
    std::string numberFormat_;
    std::optional<Farve> backColor_;
    bool bold_ = false;
    std::optional<bool> optA_, optB_, optC_, optD_, optE_;
    ValueList list_;
};

class Grid {
public:
    explicit Grid(std::string navn = "");
    ~Grid();
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    const std::string& navn() const { return navn_; }

    // ---- Events. Those raised by the program's own calls run inside the call. ----
    // Before an edited value is committed: the column, the cell's old value, and
    // cancel (set true to refuse the edit: it is dropped, the cell shows its old value
    // and stays current, and the view is asked to keep the focus in the grid).
    std::function<void(int col, Variant& oldValue, bool& cancel)> beforeColUpdate;
    // A value was picked from a drop-down cell; columnValue(col) is the picked value.
    std::function<void(int col)> comboSelect;
    // The current cell moved; the table row and the grid column it left.
    std::function<void(int lastTableRow, int lastCol)> rowColChange;
    std::function<void()> gotFocus;
    // The parameterless notification: after a committed edit.
    std::function<void()> afterColUpdate;

    // ---- Binding ----
    void bind(GridTabel* tabel);
    GridTabel* tabel() const { return tabel_; }
    void rebind();   // take over the table's shape; drops an edit in progress
    void refresh();  // redraw from the table; keeps the binding and a still valid edit
    void update();   // the parameterless operation: redraw the current row

    // ---- Grid settings ----
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    std::optional<int> fontSize() const { return fontSize_; }  // points
    void setFontSize(int points);
    std::optional<int> gridOptionA() const { return gridOptA_; }
    std::optional<bool> gridOptionB() const { return gridOptB_; }
    std::optional<bool> gridOptionC() const { return gridOptC_; }
    void setGridOptionA(int v);
    void setGridOptionB(bool v);
    void setGridOptionC(bool v);
    // The two presentation settings of the chart-data grids: 3 marks the whole
    // current row; true shows the current row selected.
    std::optional<int> marqueeStyle() const { return marqueeStyle_; }
    std::optional<bool> rowSelection() const { return rowSelection_; }
    void setMarqueeStyle(int v);
    void setRowSelection(bool v);

    // ---- Column collection ----
    int columnCount() const { return static_cast<int>(columns_.size()); }
    GridColumn& column(int index);  // throws std::out_of_range outside 0..count-1
    const GridColumn& column(int index) const;
    GridColumn& addColumn(int index);  // index clamped to 0..count; drops an edit in progress
    void removeColumn(int index);      // an index outside does nothing; drops an edit in progress

    // ---- Shape and cells as shown ----
    int rowCount() const { return tabel_ ? tabel_->antalRaekker() : 0; }
    int tableRow(int row) const;  // grid row -> table row
    int tableColumn(int col) const;
    Variant cellValue(int row, int col) const;
    // The text the grid shows: a list item's display text, or the value's text form.
    std::string cellText(int row, int col) const;

    // ---- Current cell ----
    int row() const { return row_; }  // counted from 0
    int col() const { return col_; }
    int currentTableRow() const { return tableRow(row_); }  // the table's row index, from 1
    // Moves the current cell; an edit in progress in another cell is committed first,
    // and a refused commit keeps the cell where it is (result false).
    bool setRow(int row);
    bool setCol(int col);

    // ---- Edit in progress ----
    bool editing() const { return edit_.has_value(); }
    int editRow() const { return edit_ ? edit_->row : -1; }
    int editCol() const { return edit_ ? edit_->col : -1; }
    const std::string& editText() const;  // the editor's text ("" without an edit)
    // The edited value of the column while it is edited (also during the events),
    // otherwise the cell of the current row.
    Variant columnValue(int col) const;
    // Commits the edit in progress (runs beforeColUpdate inside the call). False
    // when refused (the edit is dropped), or when called again from inside the
    // commit's own event.
    bool endEdit();
    bool dataChanged() const { return edit_ && edit_->changed; }
    // A value the user typed or picked is going in: its events are running, or the
    // view is told of the stored value. A view moves no column meanwhile.
    bool gemmer() const { return gemmer_; }

    // ---- Focus ----
    bool hasFocus() const { return focused_; }
    void setFocus();

    // ---- The user's side: the inputs of the table at the top ----
    Redigering redigering() const;
    TastSvar userTast(GridTast tast, int sideRaekker = 1);  // a page is sideRaekker rows
    // A typed character (or a composed text) with no editor open.
    bool userTegn(const std::string& tekst);
    // The open editor's whole new text; with no editor open, as userTegn.
    bool userType(const std::string& text);
    bool userKlik(int row, int col);
    bool userDobbeltKlik(int row, int col);
    void userKlikIEditor();
    bool userKlikPaaOverskrift(int col);
    bool userKlikUdenforCeller();
    // A press elsewhere in the window while a value is being typed: false when the
    // value was refused (the press is then no click).
    bool userKlikUdenforGrid();
    bool userPick(int itemIndex);  // an item of the current drop-down cell's list
    // Shorthands of the tests and the views: Enter (false when refused), Tab (false
    // when the keyboard leaves the grid), Esc, and a commit with the cell staying.
    bool userEnter() { return userTast(GridTast::Enter) != TastSvar::Afvist; }
    bool userTab(bool tilbage) { return userTast(tilbage ? GridTast::ShiftTab : GridTast::Tab) != TastSvar::Forlad; }
    void userEscape() { userTast(GridTast::Esc); }
    bool userCommit() { return commit(); }
    // The keyboard arrived (Tab, Shift+Tab, the program): keys are typed into the
    // current cell, so one that takes none gives way (vaelgRedigerbarCelle). With a
    // click (vaelg false) the click chooses the cell.
    void userFocusIn(bool vaelg = true);
    void userFocusOut();
    // A cell that takes keys: in the table, in an unlocked column.
    bool cellEditable(int row, int col) const;
    // Makes an editable cell current unless the current one is: the cell last
    // edited in this grid, else the first editable one in reading order. False
    // when the grid has no editable cell (it stays where it is).
    bool vaelgRedigerbarCelle();

    // ---- Design state ----
    // Back to the state the window's design gives: unbound, no caption, no settings,
    // two empty design columns, no edit.
    void restoreDesign();

    void setVisning(GridVisning* v) { visning_ = v; }
    GridVisning* visning() const { return visning_; }

private:
    friend class GridColumn;
    friend class ValueList;

    struct Edit {
        int row;
        int col;
        std::string originalText;
        std::string text;
        Variant value;
        bool changed = false;
        Redigering tilstand = Redigering::Tastet;
    };

    void kald(const std::string& k);
    void layoutAendret();
    // The grid took its table anew, or redraws it, as a set-up ends with: a current
    // cell that takes no keys gives way to one that does (no event: the user did not
    // move). Not at each column setting: half set up, a grid of results would show
    // some columns unlocked and lose its first cell.
    void rettAktuelCelle();
    void dropEdit();
    bool beginEdit();
    // Opens an editor on the current cell (a drop-down cell: its list).
    bool aabn(Redigering tilstand, const std::string* tekst = nullptr);
    bool moveTo(int row, int col);
    // Shown, and taking keys unless the grid has no such cell (then every shown cell
    // counts as one for moving).
    bool tagerTaster(int row, int col) const;
    bool harTastceller() const;
    bool tekstcelle() const;  // the current cell takes typed text
    // A key typed on a cell that takes none (put there by the program) goes to the
    // nearest of its row that does.
    void tilTastcelle();
    // The cell itself if it takes keys, else the nearest of its row that does: the
    // first right of it, else left of it.
    std::optional<std::pair<int, int>> iRaekken(int row, int col) const;
    // From (row, col) by (dr, dc) to the next cell that takes keys; none at the edge.
    std::optional<std::pair<int, int>> nabo(int row, int col, int dr, int dc) const;
    // The first (or last) cell of rows r0..r1 in reading order that takes keys.
    std::optional<std::pair<int, int>> yderste(int r0, int r1, bool sidste) const;
    TastSvar flyt(GridTast tast, int sideRaekker);
    bool bip();
    bool commit();
    void fokuser();  // the focus to the grid, as the view is asked
    int columnIndexOf(const GridColumn* c) const;

    std::string navn_;
    GridTabel* tabel_ = nullptr;
    std::string caption_;
    std::optional<int> fontSize_;
    std::optional<int> gridOptA_;
    std::optional<bool> gridOptB_, gridOptC_;
    std::optional<int> marqueeStyle_;
    std::optional<bool> rowSelection_;
    std::vector<std::unique_ptr<GridColumn>> columns_;
    int row_ = 0;
    int col_ = 0;
    std::optional<std::pair<int, int>> sidstRedigeret_;  // row, column
    std::optional<Edit> edit_;
    bool committing_ = false;
    bool gemmer_ = false;
    bool focused_ = false;
    GridVisning* visning_ = nullptr;
};
