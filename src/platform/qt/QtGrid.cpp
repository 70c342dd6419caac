#include "platform/qt/QtGrid.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

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

namespace {

// A drop-down cell's list, shown open. Closed without a pick (Esc, a click beside
// it) the cell is left as it was; a pick comes just after the list hides, so the
// check waits for it.
class ListeEditor : public QComboBox {
public:
    ListeEditor(Grid& grid, QWidget* parent) : QComboBox(parent), grid_(grid) {}
    void hidePopup() override {
        QComboBox::hidePopup();
        QTimer::singleShot(0, this, [this] {
            if (grid_.redigering() == Redigering::Liste) grid_.userEscape();
        });
    }

private:
    Grid& grid_;
};

// The key as the grid's editing model names it; none for a key the model leaves to
// the editor or the window (characters, and keys with other modifiers).
std::optional<GridTast> gridTast(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
    const bool ingen = mod == Qt::NoModifier;
    const bool ctrl = mod == Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: if (ingen) return GridTast::Enter; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (mod & Qt::AltModifier) break;
        if (mod & Qt::ControlModifier) return GridTast::CtrlTab;
        return e->key() == Qt::Key_Backtab || (mod & Qt::ShiftModifier) ? GridTast::ShiftTab : GridTast::Tab;
    case Qt::Key_Up: if (ingen) return GridTast::Op; break;
    case Qt::Key_Down:
        if (ingen) return GridTast::Ned;
        if (mod == Qt::AltModifier) return GridTast::AabnListe;
        break;
    case Qt::Key_Left: if (ingen) return GridTast::Venstre; break;
    case Qt::Key_Right: if (ingen) return GridTast::Hoejre; break;
    case Qt::Key_PageUp: if (ingen) return GridTast::SideOp; break;
    case Qt::Key_PageDown: if (ingen) return GridTast::SideNed; break;
    case Qt::Key_Home:
        if (ingen) return GridTast::Hjem;
        if (ctrl) return GridTast::GridHjem;
        break;
    case Qt::Key_End:
        if (ingen) return GridTast::Slut;
        if (ctrl) return GridTast::GridSlut;
        break;
    case Qt::Key_Backspace: if (ingen) return GridTast::Tilbage; break;
    case Qt::Key_Delete: if (ingen) return GridTast::Slet; break;
    case Qt::Key_F2: if (ingen) return GridTast::F2; break;
    case Qt::Key_Escape: if (ingen) return GridTast::Esc; break;
    default: break;
    }
    return std::nullopt;
}

}  // namespace

QtGridDelegate::QtGridDelegate(Grid& grid, QtGridView* view)
    : QStyledItemDelegate(view), grid_(grid), view_(view) {}

QWidget* QtGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    // Only the grid opens an editor, on the cell it edits.
    if (!grid_.editing() || grid_.editRow() != index.row() || grid_.editCol() != index.column()) return nullptr;
    QWidget* editor = nullptr;
    Grid* g = &grid_;
    if (grid_.redigering() == Redigering::Liste) {
        const ValueList& liste = grid_.column(index.column()).valueList();
        auto* combo = new ListeEditor(grid_, parent);
        combo->setEditable(false);
        for (int i = 0; i < liste.count(); ++i) combo->addItem(qs(liste.item(i).displayText));
        connect(combo, &QComboBox::activated, combo, [g](int i) { g->userPick(i); });
        editor = combo;
    } else {
        // Of the cell's own size: a longer text scrolls inside it. Qt's own editor
        // grows over the next cell, where a click would then only move its caret.
        auto* le = new QLineEdit(parent);
        le->setFrame(false);
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

QRect QtGridDelegate::pil(const QRect& celle, const QModelIndex& index) const {
    if (!index.isValid() || !grid_.cellEditable(index.row(), index.column()) ||
        !grid_.column(index.column()).valueList().isDropDown())
        return {};
    const int b = std::min(16, celle.width() / 3);
    return QRect(celle.right() - b, celle.top(), b, celle.height());
}

void QtGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect r = pil(option.rect, index);
    if (r.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The text beside the arrow, never under it; the arrow's part in the cell's colour.
    QStyleOptionViewItem tekst = option;
    tekst.rect.setRight(r.left() - 1);
    QStyledItemDelegate::paint(painter, tekst, index);
    QStyleOptionViewItem celle = option;
    initStyleOption(&celle, index);
    const QPalette::ColorGroup gruppe = !(celle.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (celle.state & QStyle::State_Active)  ? QPalette::Active
                                                                                : QPalette::Inactive;
    QBrush baggrund = celle.backgroundBrush.style() == Qt::NoBrush ? celle.palette.base() : celle.backgroundBrush;
    if (celle.state & QStyle::State_Selected) baggrund = celle.palette.brush(gruppe, QPalette::Highlight);
    painter->fillRect(r, baggrund);
    QStyleOption pilen;
    pilen.rect = r.adjusted(3, r.height() / 2 - 4, -3, -(r.height() / 2 - 4));
    pilen.palette = option.palette;
    pilen.state = QStyle::State_Enabled;
    view_->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &pilen, painter, view_);
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
    // Losing the focus (to a message box, a popup) never commits on its own: a press
    // elsewhere in the window commits (QtGridView::eventFilter), and the windows end
    // the edits their buttons need.
    if (event->type() == QEvent::FocusOut) {
        auto* ud = static_cast<QFocusEvent*>(event);
        if (!andetVindue(ud->reason()) && !fokusIndenfor(view_)) grid_.userFocusOut();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) grid_.userKlikIEditor();
    if (event->type() == QEvent::KeyPress && view_->tast(static_cast<QKeyEvent*>(event))) return true;
    return QStyledItemDelegate::eventFilter(editor, event);
}

// ---------------------------------------------------------------- view

QtGridView::QtGridView(Grid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every key and click goes through the grid's editing model; none of Qt's own
    // edit triggers acts beside it. A click takes the keyboard only where the model
    // says (mousePressEvent): a press on a caption would otherwise give it to the view.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::TabFocus);
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
    // While a value is being typed, a press anywhere else in the window commits it
    // first; a refused value keeps the keyboard here and the press is no click. The
    // window system's press reaches the window before any widget takes the keyboard.
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
        grid_.editing() && object != horizontalHeader()->viewport()) {
        QWidget* maal = nullptr;
        if (object == window()->windowHandle()) {
            maal = window()->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!maal) maal = window();
        } else if (object->isWidgetType() && static_cast<QWidget*>(object)->window() == window()) {
            maal = static_cast<QWidget*>(object);
        }
        QWidget* hele = parentWidget();
        if (maal && maal != hele && !hele->isAncestorOf(maal) && !grid_.userKlikUdenforGrid()) return true;
        return false;
    }
    QHeaderView* h = horizontalHeader();
    if (object == h->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(event);
        const int x = m->position().toPoint().x();
        const int col = h->logicalIndexAt(x);
        const int venstre = h->sectionViewportPosition(col);
        const int greb = h->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, h);
        if (m->button() == Qt::LeftButton && col >= 0 && x >= venstre + greb &&
            x < venstre + h->sectionSize(col) - greb) {
            grid_.userKlikPaaOverskrift(col);
            // Taken here: passed on, it would reach the view as a press on a cell.
            return true;
        }
    }
    return QTableView::eventFilter(object, event);
}

void QtGridView::aabnEditor() {
    if (editor_ || !grid_.editing() || !model()) return;
    const QModelIndex i = model()->index(grid_.editRow(), grid_.editCol());
    foelgAktuelCelle();
    scrollTo(i);
    if (!QTableView::edit(i, AllEditTriggers, nullptr)) return;
    // Typed into: the key's text with the caret after it. F2 or a double click: the
    // whole text selected, so typing replaces it and the caret keys keep it.
    if (auto* le = qobject_cast<QLineEdit*>(editor_.data())) {
        if (grid_.redigering() == Redigering::Markoer)
            le->selectAll();
        else
            le->end(false);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor_.data())) {
        combo->showPopup();
    }
}

bool QtGridView::tast(QKeyEvent* event) {
    const std::optional<GridTast> t = gridTast(event);
    if (!t) return false;
    const int side = std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()) - 1);
    const TastSvar svar = grid_.userTast(*t, side);
    if (svar == TastSvar::Editorens) return false;
    if (svar == TastSvar::Forlad) {
        const bool tilbage = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        if (!hasFocus()) setFocus(Qt::OtherFocusReason);
        QWidget::focusNextPrevChild(!tilbage);
    }
    event->accept();
    return true;
}

bool QtGridView::event(QEvent* event) {
    // Ahead of QWidget::event, which would take Tab for the window's focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && tast(k)) return true;
    }
    return QTableView::event(event);
}

void QtGridView::keyPressEvent(QKeyEvent* event) {
    // Enter included: in a grid it never reaches the window's default button.
    if (tast(event)) return;
    // A character: with AltGr it may come with Ctrl and Alt together, never with
    // one of them alone (a shortcut).
    const Qt::KeyboardModifiers mod =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier | Qt::GroupSwitchModifier);
    const QString tekst = event->text();
    if ((mod == Qt::NoModifier || mod == (Qt::ControlModifier | Qt::AltModifier)) && !tekst.isEmpty() &&
        tekst.at(0).isPrint()) {
        grid_.userTegn(tekst.toStdString());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->ignore();
}

void QtGridView::inputMethodEvent(QInputMethodEvent* event) {
    // A letter composed by an input method (a dead key, say) arrives as its text.
    if (!event->commitString().isEmpty()) grid_.userTegn(event->commitString().toStdString());
    event->accept();
}

void QtGridView::commitData(QWidget* editor) {
    // The grid commits through its own paths (the keys, a click, the program's
    // endEdit); one Qt starts itself still goes through the grid once.
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
    QTableView::currentChanged(current, previous);
    // The grid's current cell is the one: a move Qt makes of its own (rows taken
    // away, the focus arriving) is put back.
    if (!foelger_)
        QTimer::singleShot(0, this, [this] { foelgAktuelCelle(); });
}

void QtGridView::mousePressEvent(QMouseEvent* event) {
    // The cell under the pointer as the button goes down, whatever the commit of an
    // edit elsewhere then does to the layout.
    const QModelIndex i = indexAt(event->position().toPoint());
    if (!fokusIndenfor(this)) setFocus(Qt::MouseFocusReason);
    // A press on a drop-down cell's arrow opens its list, as a double click does.
    const bool paaPil = delegate_ && delegate_->pil(visualRect(i), i).contains(event->position().toPoint());
    if (paaPil)
        trykAfvist_ = !grid_.userDobbeltKlik(i.row(), i.column()) && !grid_.editing();
    else
        trykAfvist_ = i.isValid() ? !grid_.userKlik(i.row(), i.column()) : !grid_.userKlikUdenforCeller();
    event->accept();
}

void QtGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only when its first click was taken: a refused value ends the double click
    // there, as the message it shows would.
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid() && event->button() == Qt::LeftButton && fokusIndenfor(this) && !trykAfvist_)
        grid_.userDobbeltKlik(i.row(), i.column());
    event->accept();
}

// No drag selection: the grid has one current cell and no range.
void QtGridView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void QtGridView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void QtGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // The press that brings the keyboard comes right after and chooses the cell; a
    // cell chosen now could scroll another under the pointer.
    if (!andetVindue(event->reason())) grid_.userFocusIn(event->reason() != Qt::MouseFocusReason);
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
    view_->setDelegate(delegate_);
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

void QtGrid::redigeringBegyndt() {
    view_->aabnEditor();
    qApp->installEventFilter(view_);
}

void QtGrid::redigeringSlut() {
    qApp->removeEventFilter(view_);
    view_->lukEditor();
}

void QtGrid::bip() { QApplication::beep(); }

// A grid on a hidden tab takes no focus: the keys would go to what nobody sees.
void QtGrid::fokusOenskes() {
    if (!view_->isVisible()) return;
    if (QWidget* e = view_->aabenEditor())
        e->setFocus();
    else
        view_->setFocus();
}
