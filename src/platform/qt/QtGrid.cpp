#include "platform/qt/QtGrid.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "celler/MidlertidigVaerdi.h"
#include "platform/qt/QtVinduer.h"

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
            vandret = *j == VandretJustering::Hoejre ? Qt::AlignRight
                    : *j == VandretJustering::Centreret ? Qt::AlignHCenter
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

QWidget* QtGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    if (!grid_.userMoveTo(index.row(), index.column())) return nullptr;
    if (!grid_.userStartEdit(view_->aabnesVedTast())) return nullptr;
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
        // Of the cell's own size: a longer text scrolls inside it. Qt's own editor
        // grows over the next cell, where a click would then only move its caret.
        auto* le = new QLineEdit(parent);
        le->setFrame(false);
        Grid* g = &grid_;
        connect(le, &QLineEdit::textEdited, le, [g](const QString& t) { g->userType(t.toStdString()); });
        editor = le;
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

bool QtGridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.fontMetrics.horizontalAdvance(opt.text) + CelleMargen > option.rect.width())
        QToolTip::showText(event->globalPos(), opt.text, view->viewport(), option.rect);
    else
        QToolTip::hideText();
    return true;
}

bool QtGridDelegate::eventFilter(QObject* editor, QEvent* event) {
    // Losing the focus (to a button, a message box) never commits on its own: the
    // windows ask the data-changed query and end the edit themselves.
    if (event->type() == QEvent::FocusOut) {
        auto* ud = static_cast<QFocusEvent*>(event);
        if (!andetVindue(ud->reason()) && !fokusIndenfor(view_)) grid_.userFocusOut();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) grid_.userKlikIEditor();
    if (event->type() == QEvent::KeyPress && view_->editorTast(static_cast<QKeyEvent*>(event))) return true;
    return QStyledItemDelegate::eventFilter(editor, event);
}

// ---------------------------------------------------------------- view

QtGridView::QtGridView(Grid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the current cell opens its editor at once (mouseReleaseEvent), not
    // after the double-click time: keys typed meanwhile would miss the editor.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab is the grid's own (tabTast): it leaves the grid after the last cell.
    setTabKeyNavigation(false);
    // A press on a caption is the grid's (eventFilter), not a column selection;
    // a press on a border still resizes the column.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    // By the pixel, so a cell a few pixels short of room is brought wholly into
    // sight without the labels' whole column going out of it.
    setHorizontalScrollMode(ScrollPerPixel);
}

bool QtGridView::eventFilter(QObject* object, QEvent* event) {
    QHeaderView* h = horizontalHeader();
    if (object == h->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(event);
        const int x = m->position().toPoint().x();
        const int col = h->logicalIndexAt(x);
        const int venstre = h->sectionViewportPosition(col);
        const int greb = h->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, h);
        if (m->button() == Qt::LeftButton && col >= 0 && x >= venstre + greb &&
            x < venstre + h->sectionSize(col) - greb)
            grid_.userKlikPaaOverskrift(col);
    }
    return QTableView::eventFilter(object, event);
}

bool QtGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool varAaben = editor_;
    const MidlertidigVaerdi vedTast(aabnesVedTast_, trigger == AnyKeyPressed);
    if (!QTableView::edit(index, trigger, event)) return false;
    // An editor opened by a click or F2 has its whole text selected, so typing
    // replaces it; one opened by a typed key holds that key.
    if (!varAaben && trigger != AnyKeyPressed)
        if (auto* le = qobject_cast<QLineEdit*>(editor_.data())) le->selectAll();
    return true;
}

bool QtGridView::editorTast(QKeyEvent* event) {
    if (ErEnter(event)) {
        grid_.userEnter();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        grid_.userEscape();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // A drop-down keeps its own keys.
        return qobject_cast<QLineEdit*>(editor_.data()) && gridTast(event);
    default:
        return tabTast(event);
    }
}

bool QtGridView::gridTast(QKeyEvent* event) {
    const Qt::KeyboardModifiers mod = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mod == Qt::ControlModifier;
    if (mod != Qt::NoModifier && !ctrl) return false;
    GridTast tast;
    switch (event->key()) {
    case Qt::Key_Left: tast = GridTast::Venstre; break;
    case Qt::Key_Right: tast = GridTast::Hoejre; break;
    case Qt::Key_Home: tast = ctrl ? GridTast::GridHjem : GridTast::Hjem; break;
    case Qt::Key_End: tast = ctrl ? GridTast::GridSlut : GridTast::Slut; break;
    case Qt::Key_Backspace: tast = GridTast::Tilbage; break;
    case Qt::Key_Delete: tast = GridTast::Slet; break;
    default: return false;
    }
    if (ctrl && tast != GridTast::GridHjem && tast != GridTast::GridSlut) return false;
    if (!grid_.userTast(tast)) return false;
    // Backspace has begun an edit with an empty text: its editor opens as for a typed key.
    if (grid_.editing() && !editor_) edit(currentIndex(), AnyKeyPressed, nullptr);
    event->accept();
    return true;
}

bool QtGridView::tabTast(QKeyEvent* event) {
    const int key = event->key();
    if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) || (event->modifiers() & Qt::AltModifier)) return false;
    const bool tilbage = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    // Ctrl+Tab always leaves the grid; Tab only from its last editable cell. A
    // refused value keeps the focus where the user can type it again.
    const bool forlad =
        (event->modifiers() & Qt::ControlModifier) ? grid_.userCommit() : !grid_.userTab(tilbage);
    if (forlad) {
        if (!hasFocus()) setFocus(Qt::OtherFocusReason);
        QWidget::focusNextPrevChild(!tilbage);
    }
    event->accept();
    return true;
}

bool QtGridView::event(QEvent* event) {
    // Ahead of QWidget::event, which would take Tab for the window's focus chain.
    if (event->type() == QEvent::KeyPress && tabTast(static_cast<QKeyEvent*>(event))) return true;
    return QTableView::event(event);
}

void QtGridView::keyPressEvent(QKeyEvent* event) {
    // Enter passes over a cell as after an edit, and never reaches the window's
    // default button: that is for Enter outside the grids.
    if (ErEnter(event)) {
        grid_.userEnter();
        event->accept();
        return;
    }
    if (gridTast(event)) return;
    // A caret key the open editor let through moves no cell.
    const int k = event->key();
    if (editor_ && (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void QtGridView::commitData(QWidget* editor) {
    // The grid commits through its own paths (the keys above, a move, a click, the
    // program's endEdit); one Qt starts itself still goes through the grid once.
    if (editor == editor_ && grid_.editing()) grid_.userCommit();
}

void QtGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (lukker_) return;
    {
        const MidlertidigVaerdi lukker(lukker_, true);
        // An editor Qt closes for a reason of its own: the edit is dropped.
        if (editor == editor_ && grid_.editing()) grid_.userEscape();
        if (editor == editor_) editor_ = nullptr;
    }
    QTableView::closeEditor(editor, hint);
}

void QtGridView::lukEditor() {
    if (!editor_ || lukker_) return;
    QWidget* e = editor_;
    editor_ = nullptr;
    const MidlertidigVaerdi lukker(lukker_, true);
    QTableView::closeEditor(e, QAbstractItemDelegate::NoHint);
}

void QtGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    const int bredde = viewport()->width();
    if (!index.isValid() || isColumnHidden(index.column()) || bredde <= 0) return;
    // Sideways as far left as the cell wholly in sight allows: as much of the labels
    // on the left as fits stays in sight beside it (a cell wider than the view shows
    // its left edge).
    const int venstre = horizontalHeader()->sectionPosition(index.column());
    const int hoejre = venstre + columnWidth(index.column());
    horizontalScrollBar()->setValue(std::max(0, std::min(venstre, hoejre - bredde)));
}

void QtGridView::foelgAktuelCelle() {
    if (!model() || grid_.rowCount() == 0 || grid_.columnCount() == 0) return;
    const QModelIndex i = model()->index(grid_.row(), grid_.col());
    if (!i.isValid() || i == currentIndex()) return;
    const MidlertidigVaerdi foelger(foelger_, true);
    setCurrentIndex(i);
}

void QtGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The grid commits an edit in progress before the current cell moves; the base
    // class would commit it a second time and show a refusal twice. A refused
    // commit puts the cell back.
    if (!foelger_ && current.isValid() && !grid_.userMoveTo(current.row(), current.column())) {
        foelgAktuelCelle();
        return;
    }
    QTableView::currentChanged(current, previous);
}

template <class Haandtering>
void QtGridView::medForskydning(QMouseEvent* event, Haandtering haandter) {
    if (forskydning_.isNull()) {
        haandter(event);
        return;
    }
    const QPointF d(forskydning_);
    QMouseEvent flyttet(event->type(), event->position() + d, event->scenePosition() + d,
                        event->globalPosition() + d, event->button(), event->buttons(), event->modifiers(),
                        event->pointingDevice());
    haandter(&flyttet);
    event->setAccepted(flyttet.isAccepted());
}

void QtGridView::mousePressEvent(QMouseEvent* event) {
    const QPersistentModelIndex i = indexAt(event->position().toPoint());
    trykPaaAktuel_ = QModelIndex();
    forskydning_ = {};
    trykIgnoreret_ = !i.isValid();
    if (trykIgnoreret_) {
        // Beside the cells: the current cell keeps its mark (the view would take
        // the selection away).
        grid_.userKlikUdenforCeller();
        event->accept();
        return;
    }
    fokusVedKlik_ = false;  // the press chooses the cell
    if (editor_ && grid_.editing() && (i.row() != grid_.editRow() || i.column() != grid_.editCol())) {
        // Commit into the cell that was edited; a refusal keeps the current cell.
        // The commit may move the cells (a refresh, a scroll): the press goes to
        // the cell that was under the pointer when the button went down.
        const QPoint foer = visualRect(i).topLeft();
        trykIgnoreret_ = !grid_.userCommit() || !i.isValid();
        if (trykIgnoreret_) {
            event->accept();
            return;
        }
        forskydning_ = visualRect(i).topLeft() - foer;
    } else if (i == currentIndex() && !editor_ && event->button() == Qt::LeftButton) {
        trykPaaAktuel_ = i;
    }
    medForskydning(event, [this](QMouseEvent* e) { QTableView::mousePressEvent(e); });
}

void QtGridView::mouseMoveEvent(QMouseEvent* event) {
    if (trykIgnoreret_ && event->buttons() != Qt::NoButton) return;
    medForskydning(event, [this](QMouseEvent* e) { QTableView::mouseMoveEvent(e); });
}

void QtGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(trykIgnoreret_, false)) {
        event->accept();
        return;
    }
    medForskydning(event, [this](QMouseEvent* e) { QTableView::mouseReleaseEvent(e); });
    const QModelIndex i = indexAt(event->position().toPoint() + forskydning_);
    if (i.isValid() && i == trykPaaAktuel_ && i == currentIndex() && !editor_ &&
        (model()->flags(i) & Qt::ItemIsEditable))
        edit(i, AllEditTriggers, nullptr);
    trykPaaAktuel_ = QModelIndex();
}

void QtGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    medForskydning(event, [this](QMouseEvent* e) { QTableView::mouseDoubleClickEvent(e); });
}

void QtGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (andetVindue(event->reason())) return;
    // The press that brings the focus is delivered right after it: on a cell it
    // chooses the cell; beside the cells (the header, the empty part) it does not,
    // and an editable cell becomes current as after Tab.
    const bool klik = event->reason() == Qt::MouseFocusReason;
    grid_.userFocusIn(klik);
    if (!klik) return;
    fokusVedKlik_ = true;
    QTimer::singleShot(0, this, [this] {
        if (std::exchange(fokusVedKlik_, false) && hasFocus()) grid_.vaelgRedigerbarCelle();
    });
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
    anvendLayout(Maal::Alle);
    view_->foelgAktuelCelle();
}

QtGrid::~QtGrid() {
    if (grid_.visning() == this) grid_.setVisning(nullptr);
}

int QtGrid::twipsTilPixels(int twips) const {
    return qRound(twips * view_->logicalDpiX() / 1440.0);
}

void QtGrid::setPladsTil(QStringList tekster) {
    pladsTil_ = std::move(tekster);
    anvendLayout(Maal::Ingen);
}

void QtGrid::anvendLayout(Maal tilpas) {
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
    // New or removed columns: the texts measured belonged to others.
    if (indhold_.size() != static_cast<std::size_t>(grid_.columnCount())) tilpas = Maal::Alle;
    indhold_.resize(static_cast<std::size_t>(grid_.columnCount()), 0);
    for (int i = 0; i < grid_.columnCount() && i < model_->columnCount(); ++i) {
        const GridColumn& c = grid_.column(i);
        QFont celleFont = f;
        celleFont.setBold(c.bold());
        const QFontMetrics celleMaal(celleFont);
        int& tekster = indhold_[static_cast<std::size_t>(i)];
        if (tilpas == Maal::Alle || (tilpas == Maal::Laaste && c.locked())) {
            tekster = 0;
            for (int r = 0; r < grid_.rowCount() && r < model_->rowCount(); ++r)
                tekster = std::max(tekster, celleMaal.horizontalAdvance(qs(grid_.cellText(r, i))) + CelleMargen);
        }
        // The column's width as laid out, wider where its texts need it: the widths
        // were chosen for a narrower font than the screen may have.
        int bredde = twipsTilPixels(c.width());
        if (c.visible()) {
            bredde = std::max(bredde, tekster);
            if (!c.locked())
                for (const QString& t : pladsTil_) bredde = std::max(bredde, celleMaal.horizontalAdvance(t) + CelleMargen);
        }
        if (view_->columnWidth(i) != bredde) view_->setColumnWidth(i, bredde);
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
    anvendLayout(Maal::Alle);
    view_->foelgAktuelCelle();
}

void QtGrid::dataOpdateret() {
    model_->opdater();
    anvendLayout(grid_.gemmer() ? Maal::Laaste : Maal::Alle);
    view_->foelgAktuelCelle();
}

void QtGrid::layoutAendret() {
    model_->layoutOpdater();
    anvendLayout(Maal::Ingen);
}

void QtGrid::aktuelCelleFlyttet() { view_->foelgAktuelCelle(); }

void QtGrid::redigeringSlut() { view_->lukEditor(); }

// A grid on a hidden tab takes no focus: the keys would go to what nobody sees.
void QtGrid::fokusOenskes() {
    if (!view_->isVisible()) return;
    if (QWidget* e = view_->aabenEditor())
        e->setFocus();
    else
        view_->setFocus();
}
