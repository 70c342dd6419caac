#include "platform/Grid.h"

#include <stdexcept>

#include "celler/MidlertidigVaerdi.h"
#include "platform/Kaldtekst.h"

namespace {

// A value as it reads in a recorded call: texts quoted, numbers plain.
std::string vaerdiTekst(const Variant& v) {
    if (v.isText()) return citat(v.text());
    if (v.isEmpty()) return "Empty";
    if (v.isNull()) return "Null";
    return TekstForm(v);
}

}  // namespace

// ---------------------------------------------------------------- ValueList

void ValueList::kald(const std::string& k) {
    if (owner_) owner_->kald("valueList()." + k);
}

void ValueList::setPresentation(int p) {
    presentation_ = p;
    kald("setPresentation(" + std::to_string(p) + ")");
    if (owner_) owner_->aendret();
}

void ValueList::setListOptionA(bool v) { optA_ = v; kald("setListOptionA(" + boolTekst(v) + ")"); }
void ValueList::setListOptionB(bool v) { optB_ = v; kald("setListOptionB(" + boolTekst(v) + ")"); }
void ValueList::setListOptionC(bool v) { optC_ = v; kald("setListOptionC(" + boolTekst(v) + ")"); }

void ValueList::add(Variant value, std::string displayText) {
    kald("add(" + vaerdiTekst(value) + ", " + citat(displayText) + ")");
    items_.push_back({std::move(value), std::move(displayText)});
    if (owner_) owner_->aendret();
}

void ValueList::remove(int index) {
    kald("remove(" + std::to_string(index) + ")");
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    if (owner_) owner_->aendret();
}

const ValueItem* ValueList::find(const Variant& cellValue) const {
    if (cellValue.isEmpty() || cellValue.isNull()) return nullptr;
    const std::string tekst = TekstForm(cellValue);
    for (const auto& it : items_)
        if (TekstForm(it.value) == tekst) return &it;
    return nullptr;
}

// ---------------------------------------------------------------- GridColumn

GridColumn::GridColumn(Grid* owner) : owner_(owner) { list_.owner_ = this; }

int GridColumn::index() const { return owner_->columnIndexOf(this); }

void GridColumn::kald(const std::string& k) {
    owner_->kald("column(" + std::to_string(index()) + ")." + k);
}

void GridColumn::aendret() { owner_->layoutAendret(); }

void GridColumn::setCaption(std::string caption) {
    kald("setCaption(" + citat(caption) + ")");
    caption_ = std::move(caption);
    aendret();
}
void GridColumn::setWidth(int twips) {
    kald("setWidth(" + std::to_string(twips) + ")");
    width_ = twips;
    aendret();
}
void GridColumn::setVisible(bool v) { kald("setVisible(" + boolTekst(v) + ")"); visible_ = v; aendret(); }
void GridColumn::setLocked(bool v) {
    kald("setLocked(" + boolTekst(v) + ")");
    locked_ = v;
    // A locked column cannot be edited: an edit still open in it would later commit
    // the user's old text over what the program has just written there.
    if (v && owner_->editCol() == index()) owner_->dropEdit();
    aendret();
}
void GridColumn::setAlignment(VandretJustering j) {
    kald("setAlignment(" + std::to_string(static_cast<int>(j)) + ")");
    alignment_ = j;
    aendret();
}
void GridColumn::setNumberFormat(std::string format) {
    kald("setNumberFormat(" + citat(format) + ")");
    numberFormat_ = std::move(format);
    aendret();
}
void GridColumn::setBackColor(Farve f) {
    kald("setBackColor(" + std::to_string(f.somTal()) + ")");
    backColor_ = f;
    aendret();
}
void GridColumn::setBold(bool v) { kald("setBold(" + boolTekst(v) + ")"); bold_ = v; aendret(); }
void GridColumn::setColumnOptionA(bool v) { kald("setColumnOptionA(" + boolTekst(v) + ")"); optA_ = v; }
void GridColumn::setColumnOptionB(bool v) { kald("setColumnOptionB(" + boolTekst(v) + ")"); optB_ = v; }
void GridColumn::setColumnOptionC(bool v) { kald("setColumnOptionC(" + boolTekst(v) + ")"); optC_ = v; }
void GridColumn::setColumnOptionD(bool v) { kald("setColumnOptionD(" + boolTekst(v) + ")"); optD_ = v; }
void GridColumn::setColumnOptionE(bool v) { kald("setColumnOptionE(" + boolTekst(v) + ")"); optE_ = v; }

// ---------------------------------------------------------------- Grid

Grid::Grid(std::string navn) : navn_(std::move(navn)) {}

Grid::~Grid() = default;

void Grid::kald(const std::string& k) {
    if (visning_) visning_->programKald(k);
}

void Grid::layoutAendret() {
    if (visning_) visning_->layoutAendret();
}

int Grid::columnIndexOf(const GridColumn* c) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].get() == c) return static_cast<int>(i);
    return -1;
}

// ---- Binding

void Grid::bind(GridTabel* tabel) {
    kald("bind");
    if (tabel == tabel_) return;
    dropEdit();
    tabel_ = tabel;
    row_ = 0;
    sidstRedigeret_.reset();
    if (visning_) visning_->tabelSkiftet();
}

void Grid::rebind() {
    kald("rebind");
    dropEdit();
    if (row_ >= rowCount()) row_ = 0;
    sidstRedigeret_.reset();
    if (visning_) visning_->tabelSkiftet();
}

void Grid::refresh() {
    kald("refresh");
    // An edit whose row the table no longer has could only land in a wrong cell.
    if (edit_ && edit_->row >= rowCount()) dropEdit();
    if (row_ >= rowCount()) row_ = rowCount() > 0 ? rowCount() - 1 : 0;
    if (visning_) visning_->dataOpdateret();
}

void Grid::update() {
    kald("update");
    if (visning_) visning_->dataOpdateret();
}

// ---- Grid settings

void Grid::setCaption(std::string caption) {
    kald("setCaption(" + citat(caption) + ")");
    caption_ = std::move(caption);
    layoutAendret();
}
void Grid::setFontSize(int points) {
    kald("setFontSize(" + std::to_string(points) + ")");
    fontSize_ = points;
    layoutAendret();
}
void Grid::setGridOptionA(int v) { kald("setGridOptionA(" + std::to_string(v) + ")"); gridOptA_ = v; }
void Grid::setGridOptionB(bool v) { kald("setGridOptionB(" + boolTekst(v) + ")"); gridOptB_ = v; }
void Grid::setGridOptionC(bool v) { kald("setGridOptionC(" + boolTekst(v) + ")"); gridOptC_ = v; }
void Grid::setMarqueeStyle(int v) {
    kald("setMarqueeStyle(" + std::to_string(v) + ")");
    marqueeStyle_ = v;
    layoutAendret();
}
void Grid::setRowSelection(bool v) {
    kald("setRowSelection(" + boolTekst(v) + ")");
    rowSelection_ = v;
    layoutAendret();
}

// ---- Columns

GridColumn& Grid::column(int index) {
    if (index < 0 || index >= columnCount())
        throw std::out_of_range(navn_ + ": no column " + std::to_string(index));
    return *columns_[static_cast<std::size_t>(index)];
}

const GridColumn& Grid::column(int index) const {
    return const_cast<Grid*>(this)->column(index);
}

GridColumn& Grid::addColumn(int index) {
    if (index < 0) index = 0;
    if (index > columnCount()) index = columnCount();
    kald("addColumn(" + std::to_string(index) + ")");
    // Column indexes shift: an open edit would commit into another column.
    dropEdit();
    auto it = columns_.insert(columns_.begin() + index, std::unique_ptr<GridColumn>(new GridColumn(this)));
    layoutAendret();
    return **it;
}

void Grid::removeColumn(int index) {
    kald("removeColumn(" + std::to_string(index) + ")");
    if (index < 0 || index >= columnCount()) return;
    dropEdit();
    columns_.erase(columns_.begin() + index);
    if (col_ >= columnCount()) col_ = columnCount() > 0 ? columnCount() - 1 : 0;
    layoutAendret();
}

// ---- Cells

int Grid::tableRow(int row) const { return (tabel_ ? tabel_->foersteRaekke() : 1) + row; }

int Grid::tableColumn(int col) const { return (tabel_ ? tabel_->foersteSoejle() : 0) + col; }

Variant Grid::cellValue(int row, int col) const {
    if (!tabel_ || row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return {};
    return tabel_->hent(tableRow(row), tableColumn(col));
}

std::string Grid::cellText(int row, int col) const {
    const Variant v = cellValue(row, col);
    if (col >= 0 && col < columnCount())
        if (const ValueItem* it = column(col).valueList().find(v)) return it->displayText;
    return TekstForm(v);
}

bool Grid::cellEditable(int row, int col) const {
    return tabel_ && row >= 0 && row < rowCount() && col >= 0 && col < columnCount() &&
           !column(col).locked() && tabel_->indenfor(tableRow(row), tableColumn(col));
}

// ---- Current cell

bool Grid::moveTo(int row, int col) {
    if (row == row_ && col == col_) return true;
    if (edit_ && (edit_->row != row || edit_->col != col) && !commit()) return false;
    const int lastRow = currentTableRow();
    const int lastCol = col_;
    row_ = row;
    col_ = col;
    if (visning_) visning_->aktuelCelleFlyttet();
    if (rowColChange) rowColChange(lastRow, lastCol);
    return true;
}

bool Grid::setRow(int row) {
    kald("setRow(" + std::to_string(row) + ")");
    if (row < 0 || row >= rowCount()) return false;
    return moveTo(row, col_);
}

bool Grid::setCol(int col) {
    kald("setCol(" + std::to_string(col) + ")");
    if (col < 0 || col >= columnCount()) return false;
    return moveTo(row_, col);
}

// ---- Edit

const std::string& Grid::editText() const {
    static const std::string tom;
    return edit_ ? edit_->text : tom;
}

Variant Grid::columnValue(int col) const {
    if (edit_ && edit_->col == col && edit_->row == row_) return edit_->value;
    return cellValue(row_, col);
}

void Grid::dropEdit() {
    if (!edit_) return;
    edit_.reset();
    if (visning_) visning_->redigeringSlut();
}

bool Grid::beginEdit() {
    if (edit_) return edit_->row == row_ && edit_->col == col_;
    if (!cellEditable(row_, col_)) return false;
    const Variant v = cellValue(row_, col_);
    const std::string tekst = TekstForm(v);
    edit_ = Edit{row_, col_, tekst, tekst, v, false};
    sidstRedigeret_ = {row_, col_};
    return true;
}

bool Grid::commit() {
    if (!edit_) return true;
    // A message box shown by the event's handler may let the view ask again; the
    // commit already running decides.
    if (committing_) return false;
    if (!edit_->changed) {
        dropEdit();
        return true;
    }
    const MidlertidigVaerdi iGem(gemmer_, true);
    const int row = edit_->row;
    const int col = edit_->col;
    Variant old = cellValue(row, col);
    bool cancel = false;
    {
        const MidlertidigVaerdi iCommit(committing_, true);
        if (beforeColUpdate) beforeColUpdate(col, old, cancel);
    }
    if (!edit_) return true;  // the handler's own changes dropped the edit
    if (cancel) {
        // A refused value is never kept, not even in the editor: the cell shows its
        // old value and stays current, and the user types again in the same grid.
        dropEdit();
        fokuser();
        return false;
    }
    const Variant value = edit_->value;
    if (tabel_ && edit_->row < rowCount()) tabel_->saet(tableRow(edit_->row), tableColumn(edit_->col), value);
    dropEdit();
    if (visning_) visning_->dataOpdateret();
    if (afterColUpdate) afterColUpdate();
    return true;
}

bool Grid::endEdit() {
    kald("endEdit");
    return commit();
}

// ---- Focus

void Grid::setFocus() {
    kald("setFocus");
    // Also when the grid has the focus already: what the user types next goes in.
    if (!edit_) vaelgRedigerbarCelle();
    fokuser();
}

void Grid::fokuser() {
    if (visning_) visning_->fokusOenskes();
    userFocusIn();
}

void Grid::userFocusIn(bool cellenValgt) {
    if (focused_) return;
    focused_ = true;
    if (gotFocus) gotFocus();
    if (!cellenValgt && !edit_) vaelgRedigerbarCelle();
}

bool Grid::vaelgRedigerbarCelle() {
    if (cellEditable(row_, col_)) return true;
    if (sidstRedigeret_ && cellEditable(sidstRedigeret_->first, sidstRedigeret_->second))
        return moveTo(sidstRedigeret_->first, sidstRedigeret_->second);
    const auto celle = synligCelle(0, rowCount() - 1, false);
    return celle && moveTo(celle->first, celle->second);
}

std::optional<std::pair<int, int>> Grid::synligCelle(int r0, int r1, bool sidste, bool alle) const {
    const int n = columnCount();
    const int antal = (r1 - r0 + 1) * n;
    for (int k = 0; k < antal; ++k) {
        const int i = r0 * n + (sidste ? antal - 1 - k : k);
        const int r = i / n;
        const int c = i % n;
        if (column(c).visible() && (alle || cellEditable(r, c))) return std::pair{r, c};
    }
    return std::nullopt;
}

void Grid::userFocusOut() { focused_ = false; }

// ---- The user's side

bool Grid::userMoveTo(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return false;
    return moveTo(row, col);
}

bool Grid::userStartEdit(bool vedTast) {
    const bool ny = !edit_;
    if (!beginEdit()) return false;
    if (ny) edit_->vedTast = vedTast;
    return true;
}

void Grid::userKlikIEditor() {
    if (edit_) edit_->vedTast = false;
}

bool Grid::userType(const std::string& text) {
    if (!userStartEdit(true)) return false;
    edit_->text = text;
    edit_->value = Variant(text);
    edit_->changed = text != edit_->originalText;
    return true;
}

bool Grid::userCommit() { return commit(); }

bool Grid::userEnter() {
    const int row = edit_ ? edit_->row : row_;
    const int col = edit_ ? edit_->col : col_;
    if (!commit()) return false;
    if (row + 1 < rowCount()) moveTo(row + 1, col);
    return true;
}

bool Grid::userTab(bool tilbage) {
    if (!commit()) return true;
    const int skridt = tilbage ? -1 : 1;
    const int celler = rowCount() * columnCount();
    for (int i = row_ * columnCount() + col_ + skridt; i >= 0 && i < celler; i += skridt) {
        const int r = i / columnCount();
        const int c = i % columnCount();
        if (column(c).visible() && cellEditable(r, c)) {
            moveTo(r, c);
            return true;
        }
    }
    return false;
}

bool Grid::sidelaens(int skridt) {
    if (edit_ && !edit_->vedTast) return false;
    const int row = edit_ ? edit_->row : row_;
    const int col = edit_ ? edit_->col : col_;
    if (!commit()) return true;
    for (int c = col + skridt; c >= 0 && c < columnCount(); c += skridt)
        if (column(c).visible()) {
            moveTo(row, c);
            break;
        }
    return true;
}

bool Grid::userTast(GridTast tast) {
    if (tast == GridTast::Venstre || tast == GridTast::Hoejre) return sidelaens(tast == GridTast::Venstre ? -1 : 1);
    if (edit_) return false;
    // A drop-down cell takes picks, not text: emptying it would skip its pick's run.
    const bool tekstcelle = cellEditable(row_, col_) && !column(col_).valueList().isDropDown();
    const bool kunResultater = !synligCelle(0, rowCount() - 1, false);
    std::optional<std::pair<int, int>> maal;
    switch (tast) {
    case GridTast::Hjem:
    case GridTast::Slut:
        maal = synligCelle(row_, row_, tast == GridTast::Slut, kunResultater);
        break;
    case GridTast::GridHjem:
    case GridTast::GridSlut:
        maal = synligCelle(0, rowCount() - 1, tast == GridTast::GridSlut, kunResultater);
        break;
    case GridTast::Tilbage:
        if (tekstcelle) userType("");
        break;
    case GridTast::Slet:
        if (tekstcelle && userType("")) commit();
        break;
    default:
        break;
    }
    if (maal) moveTo(maal->first, maal->second);
    return true;
}

bool Grid::userKlikPaaOverskrift(int col) {
    if (col < 0 || col >= columnCount()) return false;
    for (int r = 0; r < rowCount(); ++r)
        if (cellEditable(r, col)) {
            if (!moveTo(r, col)) return false;
            break;
        }
    // The header of the edited column, or of one with no editable cell.
    return userKlikUdenforCeller();
}

bool Grid::userKlikUdenforCeller() {
    // A refused commit has put the keyboard back in the grid already.
    if (!commit()) return false;
    fokuser();
    return true;
}

bool Grid::userPick(int itemIndex) {
    if (col_ < 0 || col_ >= columnCount()) return false;
    const ValueList& l = column(col_).valueList();
    if (itemIndex < 0 || itemIndex >= l.count()) return false;
    if (!beginEdit()) return false;
    const MidlertidigVaerdi iGem(gemmer_, true);
    const ValueItem item = l.item(itemIndex);
    const int col = col_;
    edit_->text = item.displayText;
    edit_->value = item.value;
    // Picking the same item again is still a pick: it is committed like any other.
    edit_->changed = true;
    if (comboSelect) comboSelect(col);
    if (!edit_) return true;  // the pick's handler rebuilt the grid
    return commit();
}

void Grid::userEscape() { dropEdit(); }

// ---- Design state

void Grid::restoreDesign() {
    dropEdit();
    tabel_ = nullptr;
    caption_.clear();
    fontSize_.reset();
    gridOptA_.reset();
    gridOptB_.reset();
    gridOptC_.reset();
    marqueeStyle_.reset();
    rowSelection_.reset();
    columns_.clear();
    for (int i = 0; i < 2; ++i) columns_.push_back(std::unique_ptr<GridColumn>(new GridColumn(this)));
    row_ = 0;
    col_ = 0;
    sidstRedigeret_.reset();
    focused_ = false;
    if (visning_) {
        visning_->tabelSkiftet();
        visning_->layoutAendret();
    }
}
