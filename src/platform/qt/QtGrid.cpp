#include "platform/qt/QtGrid.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "celler/MidlertidigVaerdi.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Focus moving to another window (a message box) or a popup does not leave the grid.
bool andetVindue(Qt::FocusReason r) {
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

// The text an editor on the cell shows: the edit's own text while the cell is being
// edited (a refused text stays for correction), otherwise the cell's value.
QString redigeringstekst(const Grid& g, int r, int c) {
    if (g.editing() && g.editRow() == r && g.editCol() == c) return qs(g.editText());
    return qs(TekstForm(g.cellValue(r, c)));
}

// Pixels around a cell's text: the style's margins and the grid line.
constexpr int CelleMargen = 10;

bool fokusIndenfor(const QWidget* w) {
    for (QWidget* f = QApplication::focusWidget(); f; f = f->parentWidget())
        if (f == w) return true;
    return false;
}

}  // namespace

// ---------------------------------------------------------------- model

QtGridModel::QtGridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    rows_ = grid_.rowCount();
    cols_ = grid_.columnCount();
}

int QtGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int QtGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant QtGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.rowCount() || index.column() >= grid_.columnCount())
        return {};
    const int r = index.row();
    const int c = index.column();
    const GridColumn& col = grid_.column(c);
    switch (role) {
    case Qt::DisplayRole:
        return qs(grid_.cellText(r, c));
    case Qt::EditRole:
        return redigeringstekst(grid_, r, c);
    case Qt::TextAlignmentRole: {
        Qt::Alignment vandret;
        if (auto j = col.alignment()) {
            vandret = *j == Justering::Hoejre ? Qt::AlignRight
                    : *j == Justering::Centreret ? Qt::AlignHCenter
                                                 : Qt::AlignLeft;
        } else {
            vandret = grid_.cellValue(r, c).isNumber() ? Qt::AlignRight : Qt::AlignLeft;
        }
        return QVariant::fromValue(vandret | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        if (auto f = col.backColor()) return QColor(f->roed, f->groen, f->blaa);
        return {};
    case Qt::FontRole:
        if (col.bold()) {
            QFont f;
            if (auto p = grid_.fontSize()) f.setPointSize(*p);
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant QtGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.columnCount()) return {};
    if (role == Qt::DisplayRole) return qs(grid_.column(section).caption());
    return {};
}

Qt::ItemFlags QtGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.cellEditable(index.row(), index.column())) f |= Qt::ItemIsEditable;
    return f;
}

void QtGridModel::nulstil() {
    beginResetModel();
    rows_ = grid_.rowCount();
    cols_ = grid_.columnCount();
    endResetModel();
}

void QtGridModel::opdater() {
    const int nyeRaekker = grid_.rowCount();
    if (nyeRaekker > rows_) {
        beginInsertRows({}, rows_, nyeRaekker - 1);
        rows_ = nyeRaekker;
        endInsertRows();
    } else if (nyeRaekker < rows_) {
        beginRemoveRows({}, nyeRaekker, rows_ - 1);
        rows_ = nyeRaekker;
        endRemoveRows();
    }
    if (cols_ != grid_.columnCount()) {
        nulstil();
        return;
    }
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

void QtGridModel::layoutOpdater() {
    // Adding or removing a column has already dropped any edit, so a reset loses nothing.
    if (cols_ != grid_.columnCount()) {
        nulstil();
        return;
    }
    if (cols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

// ---------------------------------------------------------------- delegate

QtGridDelegate::QtGridDelegate(Grid& grid, QtGridView* view)
    : QStyledItemDelegate(view), grid_(grid), view_(view) {}

QWidget* QtGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (!grid_.userMoveTo(index.row(), index.column())) return nullptr;
    if (!grid_.userStartEdit()) return nullptr;
    QWidget* editor = nullptr;
    const ValueList& liste = grid_.column(index.column()).valueList();
    if (liste.isDropDown()) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        for (int i = 0; i < liste.count(); ++i) combo->addItem(qs(liste.item(i).displayText));
        Grid* g = &grid_;
        connect(combo, &QComboBox::activated, combo, [g](int i) { g->userPick(i); });
        editor = combo;
    } else {
        auto* linje = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* le = qobject_cast<QLineEdit*>(linje)) {
            Grid* g = &grid_;
            connect(le, &QLineEdit::textEdited, le, [g](const QString& t) { g->userType(t.toStdString()); });
        }
        editor = linje;
    }
    view_->editorAabnet(editor);
    return editor;
}

void QtGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const ValueList& liste = grid_.column(index.column()).valueList();
        const ValueItem* valgt = liste.find(grid_.cellValue(index.row(), index.column()));
        int i = -1;
        for (int k = 0; k < liste.count(); ++k)
            if (&liste.item(k) == valgt) i = k;
        const QSignalBlocker blok(combo);
        combo->setCurrentIndex(i);
        return;
    }
    if (auto* le = qobject_cast<QLineEdit*>(editor)) {
        const QString tekst = redigeringstekst(grid_, index.row(), index.column());
        if (le->text() != tekst) le->setText(tekst);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void QtGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {
    // The Grid writes the table when the edit is committed.
}

bool QtGridDelegate::eventFilter(QObject* editor, QEvent* event) {
    // Losing the focus (to a button, a message box) never commits on its own: the
    // windows ask the data-changed query and end the edit themselves.
    if (event->type() == QEvent::FocusOut) {
        auto* ud = static_cast<QFocusEvent*>(event);
        if (!andetVindue(ud->reason()) && !fokusIndenfor(view_)) grid_.userFocusOut();
        return false;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

// ---------------------------------------------------------------- view

QtGridView::QtGridView(Grid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
}

bool QtGridView::commitFraVisning() {
    const MidlertidigVaerdi iCommit(iCommit_, true);
    return grid_.userEnter();
}

void QtGridView::commitData(QWidget* editor) {
    if (editor != editor_ || !grid_.editing()) {
        afvist_ = false;
        return;
    }
    afvist_ = !commitFraVisning();
}

void QtGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (lukker_) return;
    if (afvist_) {
        // A refused value: the editor stays open with the refused text.
        afvist_ = false;
        if (editor) editor->setFocus();
        return;
    }
    {
        const MidlertidigVaerdi lukker(lukker_, true);
        // Escape, or an editor closed for another reason: the edit is dropped.
        if (grid_.editing()) grid_.userEscape();
        if (editor == editor_) editor_ = nullptr;
    }
    QTableView::closeEditor(editor, hint);
}

void QtGridView::lukEditor() {
    if (!editor_ || iCommit_ || lukker_) return;
    QWidget* e = editor_;
    editor_ = nullptr;
    lukker_ = true;
    QTableView::closeEditor(e, QAbstractItemDelegate::NoHint);
    lukker_ = false;
}

void QtGridView::foelgAktuelCelle() {
    if (!model() || grid_.rowCount() == 0 || grid_.columnCount() == 0) return;
    const QModelIndex i = model()->index(grid_.row(), grid_.col());
    if (!i.isValid() || i == currentIndex()) return;
    foelger_ = true;
    setCurrentIndex(i);
    foelger_ = false;
}

void QtGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The grid commits an edit in progress before the current cell moves; the base
    // class would commit it a second time and show a refusal twice. A refused
    // commit puts the cell back and keeps the editor.
    if (!foelger_ && current.isValid() && !grid_.userMoveTo(current.row(), current.column())) {
        foelgAktuelCelle();
        if (editor_) editor_->setFocus();
        return;
    }
    QTableView::currentChanged(current, previous);
}

void QtGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex i = indexAt(event->position().toPoint());
    if (editor_ && grid_.editing() && i.isValid() && (i.row() != grid_.editRow() || i.column() != grid_.editCol())) {
        // Commit into the cell that was edited before the click moves anything.
        if (!commitFraVisning()) {
            if (editor_) editor_->setFocus();
            event->accept();
            return;
        }
        lukEditor();
    }
    QTableView::mousePressEvent(event);
}

void QtGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (!andetVindue(event->reason())) grid_.userFocusIn();
}

void QtGridView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    // Focus moving into the grid's own editor keeps it in the grid.
    if (!andetVindue(event->reason()) && !fokusIndenfor(this)) grid_.userFocusOut();
}

// ---------------------------------------------------------------- grid widget

QtGrid::QtGrid(Grid& grid, QWidget* parent) : QWidget(parent), grid_(grid) {
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(2);
    caption_ = new QLabel(this);
    caption_->setAlignment(Qt::AlignHCenter);
    view_ = new QtGridView(grid_, this);
    // The current cell of a grid without the focus is marked quietly: every grid
    // of a tab has one.
    QPalette p = view_->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::AlternateBase).darker(108));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::Text));
    view_->setPalette(p);
    model_ = new QtGridModel(grid_, this);
    delegate_ = new QtGridDelegate(grid_, view_);
    view_->setModel(model_);
    view_->setItemDelegate(delegate_);
    lag->addWidget(caption_);
    lag->addWidget(view_);
    grid_.setVisning(this);
    anvendLayout();
    view_->foelgAktuelCelle();
}

QtGrid::~QtGrid() {
    if (grid_.visning() == this) grid_.setVisning(nullptr);
}

int QtGrid::twipsTilPixels(int twips) const {
    return qRound(twips * view_->logicalDpiX() / 1440.0);
}

void QtGrid::anvendLayout() {
    caption_->setText(qs(grid_.caption()));
    caption_->setVisible(!grid_.caption().empty());
    QFont f = font();
    if (auto p = grid_.fontSize()) f.setPointSize(*p);
    view_->setFont(f);
    view_->horizontalHeader()->setFont(f);
    // Rows as high as the text needs, so a whole table fits its pane; a caption
    // wider than its column wraps in a header high enough for it.
    const QFontMetrics maal(f);
    view_->verticalHeader()->setMinimumSectionSize(maal.height() + 2);
    view_->verticalHeader()->setDefaultSectionSize(maal.height() + 8);
    view_->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    QFont fed = f;
    fed.setBold(true);
    const QFontMetrics overskriftMaal(fed);
    int linjer = 1;
    for (int i = 0; i < grid_.columnCount() && i < model_->columnCount(); ++i) {
        const GridColumn& c = grid_.column(i);
        // The column's width as laid out, wider where a cell's text needs it: the
        // widths were chosen for a narrower font than the screen may have.
        int bredde = twipsTilPixels(c.width());
        if (c.visible()) {
            QFont celleFont = f;
            celleFont.setBold(c.bold());
            const QFontMetrics celleMaal(celleFont);
            for (int r = 0; r < grid_.rowCount() && r < model_->rowCount(); ++r)
                bredde = std::max(bredde, celleMaal.horizontalAdvance(qs(grid_.cellText(r, i))) + CelleMargen);
        }
        view_->setColumnWidth(i, bredde);
        view_->setColumnHidden(i, !c.visible());
        if (c.visible() && !c.caption().empty()) {
            const QRect r = overskriftMaal.boundingRect(QRect(0, 0, std::max(1, bredde - 6), 1000),
                                                        Qt::AlignCenter | Qt::TextWordWrap, qs(c.caption()));
            const int linje = overskriftMaal.lineSpacing();
            linjer = std::max(linjer, (r.height() + linje / 2) / linje);
        }
    }
    view_->horizontalHeader()->setFixedHeight(linjer * overskriftMaal.lineSpacing() + 8);
    const bool heleRaekken = grid_.marqueeStyle().value_or(0) == 3 || grid_.rowSelection().value_or(false);
    view_->setSelectionBehavior(heleRaekken ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void QtGrid::tabelSkiftet() {
    model_->nulstil();
    anvendLayout();
    view_->foelgAktuelCelle();
}

void QtGrid::dataOpdateret() {
    model_->opdater();
    anvendLayout();
    view_->foelgAktuelCelle();
}

void QtGrid::layoutAendret() {
    model_->layoutOpdater();
    anvendLayout();
}

void QtGrid::aktuelCelleFlyttet() { view_->foelgAktuelCelle(); }

void QtGrid::redigeringSlut() { view_->lukEditor(); }

// A refused value waits in its editor: the focus goes there, so the user can correct
// it at once.
void QtGrid::fokusOenskes() {
    if (QWidget* e = view_->aabenEditor())
        e->setFocus();
    else
        view_->setFocus();
}
