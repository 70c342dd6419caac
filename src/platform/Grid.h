#pragma once
// One grid view of the work window, showing one GridTabel unbound.
//
// The grid keeps its layout (columns and their settings), the current cell and the
// edit in progress, and raises the events. The rules of editing and committing live
// here once; a view (the Qt one, or the recording double of the tests) only draws
// and passes the user's actions in through the user-side operations below.
//
// Grid column i shows table column (the table's lowest column bound + i); a table
// column beyond the grid's last column is not shown, and a grid column beyond the
// table's last column shows empty cells. Every table row is a grid row, the table's
// first row as grid row 0.
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

// The keys whose meaning in a grid is the grid's own (Grid::userTast); a view
// passes them in with no modifier but Ctrl on Hjem and Slut (GridHjem, GridSlut).
enum class GridTast { Venstre, Hoejre, Hjem, Slut, GridHjem, GridSlut, Tilbage, Slet };

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
    virtual void redigeringSlut() {}    // the edit in progress was committed or dropped: close the editor
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

    // ---- The user's side: called by a view or by the tests' double ----
    bool userMoveTo(int row, int col);     // click or keyboard move
    // Opens the editor on the current cell: by F2, a click or a double click, or
    // (vedTast) by a key that replaces the cell's text. Only an editor opened by a
    // key is left by Left and Right; in the others they move the caret.
    bool userStartEdit(bool vedTast = false);
    // The user clicked into the open editor: from now on it keeps Left and Right.
    void userKlikIEditor();
    // The editor's whole new text; typed into a cell without an editor it opens one
    // as a key does.
    bool userType(const std::string& text);
    bool userCommit();                     // commit, the current cell stays
    // Enter, with or without an edit: commit; once accepted the cell below becomes
    // current (on the last row the cell stays), so a column of values is typed
    // value, Enter, value, Enter, and Enter alone passes over a cell.
    bool userEnter();
    // Tab (Shift+Tab: tilbage): commit, then the next (previous) editable cell in
    // reading order becomes current. False when there is none and the commit was
    // accepted: the focus leaves the grid. A refusal keeps it (true).
    bool userTab(bool tilbage);
    // Left, Right, Home, End, Backspace, Delete. False when the key is the open
    // editor's own (its caret, its text); true when the grid took it, though it
    // may have done nothing (Home in a row with no editable cell):
    //   Venstre/Hoejre: in an editor opened by a key, commit as Enter does and on
    //     to the cell beside (at the grid's edge the cell stays); without an editor
    //     only the move.
    //   Hjem/Slut: the first/last cell of the row that takes keys; GridHjem/GridSlut
    //     those of the grid, in reading order. In a grid of results only, where no
    //     cell takes keys, the first/last cell.
    //   Tilbage: an editor opened by a key with an empty text (the view opens it).
    //   Slet: the cell emptied and committed as an emptied value on Enter.
    bool userTast(GridTast tast);
    // A click on a column's header: its first cell that takes keys becomes current,
    // and the keyboard comes to the grid.
    bool userKlikPaaOverskrift(int col);
    // A click on the grid's empty area: an open edit is committed as by a click on
    // another cell, and the keyboard stays in (or comes to) the grid.
    bool userKlikUdenforCeller();
    bool userPick(int itemIndex);          // pick from the drop-down of the current cell
    void userEscape();                     // drops the edit
    // The focus arrived (Tab, Shift+Tab, the program). Keys are typed into the
    // current cell, so one that takes none gives way to an editable cell
    // (vaelgRedigerbarCelle). A click on a cell chooses the cell itself: the view
    // passes cellenValgt and the click moves the current cell.
    void userFocusIn(bool cellenValgt = false);
    void userFocusOut();
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
        bool vedTast = false;  // opened by a key that replaced the text
    };

    void kald(const std::string& k);
    void layoutAendret();
    void dropEdit();
    bool beginEdit();
    bool moveTo(int row, int col);
    bool sidelaens(int skridt);
    // The first (or last) visible cell of rows r0..r1 in reading order, one that
    // takes keys unless alle.
    std::optional<std::pair<int, int>> synligCelle(int r0, int r1, bool sidste, bool alle = false) const;
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
