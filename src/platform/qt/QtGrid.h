#pragma once
// The Qt view of a Grid: a thin table model over the grid's GridTabel, a table
// view and an item delegate (a line editor, or a combo box on a column with a
// value list). The edit and commit rules are the Grid's; this only draws and
// passes the user's keys, clicks and picks in.
#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "platform/Grid.h"

class QLabel;

class QtGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QtGridModel(Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the grid's shape anew; closes every editor.
    void nulstil();
    // Follows the table's cells (and row count) without a reset, so an open editor
    // survives a refresh made from inside its own event.
    void opdater();
    // Columns or settings changed.
    void layoutOpdater();

private:
    Grid& grid_;
    int rows_ = 0;
    int cols_ = 0;
};

class QtGridView;

class QtGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    QtGridDelegate(Grid& grid, QtGridView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    // A drop-down cell that takes keys shows the arrow of its list at the right.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Where that arrow is drawn in the cell's rectangle (empty on other cells).
    QRect pil(const QRect& celle, const QModelIndex& index) const;
    // A text cut by its column is shown whole in a tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    Grid& grid_;
    QtGridView* view_;
};

// The grid's view: it draws the grid's state and passes every key and click in as
// an input of the grid's editing model (Grid.h); Qt's own edit triggers are off.
class QtGridView : public QTableView {
    Q_OBJECT
public:
    QtGridView(Grid& grid, QWidget* parent = nullptr);

    QWidget* aabenEditor() const { return editor_; }
    void editorAabnet(QWidget* editor) { editor_ = editor; }
    void setDelegate(QtGridDelegate* d) { delegate_ = d; setItemDelegate(d); }
    // Opens the editor the grid has begun: a line editor, or a drop-down's list.
    void aabnEditor();
    // Closes the open editor because the grid ended or dropped the edit.
    void lukEditor();
    // Puts the view's current index where the grid's current cell is.
    void foelgAktuelCelle();
    // A key of the editing model, on the view or in its editor, passed to the grid;
    // false when the key is not the model's or is the open editor's own.
    bool tast(QKeyEvent* event);
    // The header's presses, for a click on a column's caption; while an edit is open,
    // the presses of the whole window.
    bool eventFilter(QObject* object, QEvent* event) override;
    // The cell is brought wholly into sight, the view scrolled sideways as little to
    // the right as that allows, so the labels on the left stay in sight where they fit.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // No type-to-search: a typed character never moves the current cell.
    void keyboardSearch(const QString&) override {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Grid& grid_;
    QtGridDelegate* delegate_ = nullptr;
    QPointer<QWidget> editor_;
    bool lukker_ = false;
    bool foelger_ = false;  // moving the current index to follow the grid
    bool trykAfvist_ = false;  // the last press committed a value that was refused
};

// A grid with its caption above it; the one view of its Grid while it lives.
class QtGrid : public QWidget, public GridVisning {
    Q_OBJECT
public:
    explicit QtGrid(Grid& grid, QWidget* parent = nullptr);
    ~QtGrid() override;

    Grid& grid() { return grid_; }
    QtGridView* view() { return view_; }
    QtGridModel* model() { return model_; }
    QLabel* captionLabel() { return caption_; }

    // Twips to pixels of this screen (1440 twips to the inch).
    int twipsTilPixels(int twips) const;
    // Texts as wide as what the user types into this grid at most, as a rule: its
    // editable columns are laid out at least that wide from the start.
    void setPladsTil(QStringList tekster);

    // GridVisning
    void tabelSkiftet() override;
    void dataOpdateret() override;
    void layoutAendret() override;
    void aktuelCelleFlyttet() override;
    void redigeringBegyndt() override;
    void redigeringSlut() override;
    void bip() override;
    void fokusOenskes() override;

private:
    // Which columns are fitted anew to their cells' texts: all of them when the grid
    // takes a table (the window is built, data loaded) or the program refreshes it;
    // while a typed or picked value goes in only the locked ones, which the program
    // alone writes, so that no commit moves a column under the user's pointer. A
    // longer typed text shows cut, and whole in the editor and in a tooltip.
    enum class Maal { Alle, Laaste, Ingen };
    void anvendLayout(Maal maal);

    Grid& grid_;
    QLabel* caption_;
    QtGridModel* model_;
    QtGridView* view_;
    QtGridDelegate* delegate_;
    QStringList pladsTil_;
    std::vector<int> indhold_;  // pixels: each column's widest text as last measured
};
