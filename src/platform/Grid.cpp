#include "platform/Grid.h"

#include <cctype>
#include <stdexcept>

#include "celler/MidlertidigVaerdi.h"
#include "celler/Tegnsaet.h"
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

void Grid::rettAktuelCelle() {
    if (edit_ || tagerTaster(row_, col_) || !harTastceller()) return;
    std::optional<std::pair<int, int>> maal = iRaekken(row_, col_);
    if (!maal) maal = yderste(0, rowCount() - 1, false);
    if (!maal) return;
    row_ = maal->first;
    col_ = maal->second;
    if (visning_) visning_->aktuelCelleFlyttet();
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
    rettAktuelCelle();
}

void Grid::rebind() {
    kald("rebind");
    dropEdit();
    if (row_ >= rowCount()) row_ = 0;
    sidstRedigeret_.reset();
    if (visning_) visning_->tabelSkiftet();
    rettAktuelCelle();
}

void Grid::refresh() {
    kald("refresh");
    // An edit whose row the table no longer has could only land in a wrong cell.
    if (edit_ && edit_->row >= rowCount()) dropEdit();
    if (row_ >= rowCount()) row_ = rowCount() > 0 ? rowCount() - 1 : 0;
    if (visning_) visning_->dataOpdateret();
    rettAktuelCelle();
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

void Grid::userFocusIn(bool vaelg) {
    if (focused_) return;
    focused_ = true;
    if (gotFocus) gotFocus();
    if (vaelg && !edit_) vaelgRedigerbarCelle();
}

void Grid::userFocusOut() { focused_ = false; }

void Grid::tilTastcelle() {
    if (auto maal = iRaekken(row_, col_))
        moveTo(maal->first, maal->second);
    else
        vaelgRedigerbarCelle();
}

bool Grid::vaelgRedigerbarCelle() {
    if (tagerTaster(row_, col_)) return true;
    if (sidstRedigeret_ && tagerTaster(sidstRedigeret_->first, sidstRedigeret_->second))
        return moveTo(sidstRedigeret_->first, sidstRedigeret_->second);
    const auto celle = yderste(0, rowCount() - 1, false);
    return celle && moveTo(celle->first, celle->second);
}

// ---- Which cells the keys reach

bool Grid::tagerTaster(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount() || !column(col).visible()) return false;
    return cellEditable(row, col) || !harTastceller();
}

bool Grid::harTastceller() const {
    for (int c = 0; c < columnCount(); ++c)
        if (column(c).visible())
            for (int r = 0; r < rowCount(); ++r)
                if (cellEditable(r, c)) return true;
    return false;
}

bool Grid::tekstcelle() const { return cellEditable(row_, col_) && !column(col_).valueList().isDropDown(); }

std::optional<std::pair<int, int>> Grid::nabo(int row, int col, int dr, int dc) const {
    for (int r = row + dr, c = col + dc; r >= 0 && r < rowCount() && c >= 0 && c < columnCount(); r += dr, c += dc)
        if (tagerTaster(r, c)) return std::pair{r, c};
    return std::nullopt;
}

std::optional<std::pair<int, int>> Grid::iRaekken(int row, int col) const {
    if (tagerTaster(row, col)) return std::pair{row, col};
    if (auto hoejre = nabo(row, col, 0, 1)) return hoejre;
    return nabo(row, col, 0, -1);
}

std::optional<std::pair<int, int>> Grid::yderste(int r0, int r1, bool sidste) const {
    const int n = columnCount();
    const int antal = (r1 - r0 + 1) * n;
    for (int k = 0; k < antal; ++k) {
        const int i = r0 * n + (sidste ? antal - 1 - k : k);
        if (tagerTaster(i / n, i % n)) return std::pair{i / n, i % n};
    }
    return std::nullopt;
}

bool Grid::bip() {
    if (visning_) visning_->bip();
    return false;
}

// ---- The user's side

Redigering Grid::redigering() const { return edit_ ? edit_->tilstand : Redigering::Ingen; }

bool Grid::aabn(Redigering tilstand, const std::string* typet) {
    const std::optional<std::string> tekst = typet ? std::optional(SammensatForm(*typet)) : std::nullopt;
    if (edit_ || !cellEditable(row_, col_)) return false;
    if (column(col_).valueList().isDropDown()) {
        if (tekst) return false;  // a drop-down cell takes picks, not text
        tilstand = Redigering::Liste;
    }
    beginEdit();
    edit_->tilstand = tilstand;
    if (tekst) {
        edit_->text = *tekst;
        edit_->value = Variant(*tekst);
        edit_->changed = *tekst != edit_->originalText;
    }
    if (visning_) visning_->redigeringBegyndt();
    return true;
}

TastSvar Grid::flyt(GridTast tast, int sideRaekker) {
    const int row = edit_ ? edit_->row : row_;
    const int col = edit_ ? edit_->col : col_;
    if (!commit()) return TastSvar::Afvist;
    std::optional<std::pair<int, int>> maal;
    auto lodret = [&](int dr, int antal) {
        for (int i = 0; i < antal; ++i)
            if (auto n = nabo(maal ? maal->first : row, col, dr, 0)) maal = n;
    };
    switch (tast) {
    case GridTast::Enter:
    case GridTast::Ned: lodret(1, 1); break;
    case GridTast::Op: lodret(-1, 1); break;
    case GridTast::SideNed: lodret(1, sideRaekker); break;
    case GridTast::SideOp: lodret(-1, sideRaekker); break;
    case GridTast::Venstre: maal = nabo(row, col, 0, -1); break;
    case GridTast::Hoejre: maal = nabo(row, col, 0, 1); break;
    case GridTast::Hjem:
    case GridTast::Slut: maal = yderste(row, row, tast == GridTast::Slut); break;
    case GridTast::GridHjem:
    case GridTast::GridSlut: maal = yderste(0, rowCount() - 1, tast == GridTast::GridSlut); break;
    case GridTast::Tab:
    case GridTast::ShiftTab: {
        const int skridt = tast == GridTast::ShiftTab ? -1 : 1;
        const int n = columnCount();
        for (int i = row * n + col + skridt; i >= 0 && i < rowCount() * n && !maal; i += skridt)
            if (tagerTaster(i / n, i % n) && cellEditable(i / n, i % n)) maal = std::pair{i / n, i % n};
        if (!maal) return TastSvar::Forlad;
        break;
    }
    default: break;
    }
    if (maal) moveTo(maal->first, maal->second);
    return TastSvar::Taget;
}

TastSvar Grid::userTast(GridTast tast, int sideRaekker) {
    const Redigering r = redigering();
    if (r == Redigering::Liste && tast != GridTast::Esc) return TastSvar::Editorens;
    const bool editorens =
        (r != Redigering::Ingen && (tast == GridTast::Tilbage || tast == GridTast::Slet || tast == GridTast::Hjem ||
                                    tast == GridTast::Slut || tast == GridTast::AabnListe)) ||
        (r == Redigering::Markoer && (tast == GridTast::Venstre || tast == GridTast::Hoejre || tast == GridTast::F2));
    if (editorens) return TastSvar::Editorens;
    switch (tast) {
    case GridTast::Esc:
        dropEdit();
        return TastSvar::Taget;
    case GridTast::F2:
        if (r == Redigering::Tastet) {
            edit_->tilstand = Redigering::Markoer;
        } else {
            tilTastcelle();
            aabn(Redigering::Markoer);
        }
        return TastSvar::Taget;
    case GridTast::AabnListe:
        tilTastcelle();
        if (cellEditable(row_, col_) && column(col_).valueList().isDropDown()) aabn(Redigering::Liste);
        return TastSvar::Taget;
    case GridTast::Tilbage:
    case GridTast::Slet: {
        tilTastcelle();
        if (!tekstcelle()) {
            if (!harTastceller()) bip();
            return TastSvar::Taget;
        }
        if (tast == GridTast::Tilbage) {
            const std::string tom;
            aabn(Redigering::Tastet, &tom);
            return TastSvar::Taget;
        }
        // Emptied and committed at once, as an emptied value on Enter: no editor shows.
        beginEdit();
        edit_->text.clear();
        edit_->value = Variant(std::string());
        edit_->changed = !edit_->originalText.empty();
        return commit() ? TastSvar::Taget : TastSvar::Afvist;
    }
    case GridTast::CtrlTab:
        return commit() ? TastSvar::Forlad : TastSvar::Afvist;
    default:
        return flyt(tast, sideRaekker);
    }
}

bool Grid::userTegn(const std::string& tekst) {
    if (edit_) return userType(edit_->text + tekst);
    if (!harTastceller()) return bip();
    tilTastcelle();
    if (tekstcelle()) return aabn(Redigering::Tastet, &tekst);
    // A drop-down cell: the first item whose shown text begins with the key.
    if (!cellEditable(row_, col_) || tekst.empty()) return bip();
    auto smaa = [](std::string t) {
        for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    const ValueList& l = column(col_).valueList();
    for (int i = 0; i < l.count(); ++i)
        if (smaa(l.item(i).displayText).rfind(smaa(tekst), 0) == 0) return userPick(i);
    return bip();
}

bool Grid::userType(const std::string& tekst) {
    if (!edit_) return userTegn(tekst);
    if (edit_->tilstand == Redigering::Liste) return false;
    // A letter pasted as a letter and a combining accent ("e" + U+0301, as PDFs give
    // it) goes in as the one letter, to be checked and stored as such.
    const std::string text = SammensatForm(tekst);
    edit_->text = text;
    edit_->value = Variant(text);
    edit_->changed = text != edit_->originalText;
    return true;
}

bool Grid::userKlik(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return false;
    // The open editor covers its cell: a click there is a click in the editor.
    if (edit_ && edit_->row == row && edit_->col == col) {
        userKlikIEditor();
        return true;
    }
    if (!commit()) return false;
    const auto maal = iRaekken(row, col);
    // A row where no cell takes keys: the current cell stays.
    return !maal || moveTo(maal->first, maal->second);
}

bool Grid::userDobbeltKlik(int row, int col) {
    return userKlik(row, col) && aabn(Redigering::Markoer);
}

void Grid::userKlikIEditor() {
    if (edit_ && edit_->tilstand == Redigering::Tastet) edit_->tilstand = Redigering::Markoer;
}

bool Grid::userKlikPaaOverskrift(int col) {
    if (col < 0 || col >= columnCount() || !harTastceller()) return false;
    for (int r = 0; r < rowCount(); ++r)
        if (tagerTaster(r, col)) {
            if (!commit() || !moveTo(r, col)) return false;
            fokuser();
            return true;
        }
    return false;
}

bool Grid::userKlikUdenforCeller() {
    // A refused commit has put the keyboard back in the grid already.
    if (!commit()) return false;
    vaelgRedigerbarCelle();
    fokuser();
    return true;
}

bool Grid::userKlikUdenforGrid() { return commit(); }

bool Grid::userPick(int itemIndex) {
    if (col_ < 0 || col_ >= columnCount()) return false;
    const ValueList& l = column(col_).valueList();
    if (itemIndex < 0 || itemIndex >= l.count()) return false;
    if (!beginEdit()) return false;
    const MidlertidigVaerdi iGem(gemmer_, true);
    const ValueItem item = l.item(itemIndex);
    const int col = col_;
    edit_->tilstand = Redigering::Liste;
    edit_->text = item.displayText;
    edit_->value = item.value;
    // Picking the same item again is still a pick: it is committed like any other.
    edit_->changed = true;
    if (comboSelect) comboSelect(col);
    if (!edit_) return true;  // the pick's handler rebuilt the grid
    return commit();
}

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
