// The Qt grid on the offscreen platform: editors, commits, picks and refreshes.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "datamodel/Talformat.h"
#include "platform/qt/QtGrid.h"
#include "platform/qt/QtInddataGrids.h"

namespace {

class QtMiljoe : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char navn[] = "test_QtGrid";
        static char* argv[] = {navn, nullptr};
        if (!QApplication::instance()) app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] auto* const miljoe = ::testing::AddGlobalTestEnvironment(new QtMiljoe);

void tast(QWidget* w, int key, const QString& tekst = {}) {
    QKeyEvent tryk(QEvent::KeyPress, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &tryk);
    QKeyEvent slip(QEvent::KeyRelease, key, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &slip);
    // The delegate commits on Enter through a queued call.
    QApplication::processEvents();
}

// Replaces the editor's text keystroke by keystroke, as the user types it.
void skriv(QLineEdit* le, const QString& tekst) {
    le->selectAll();
    tast(le, Qt::Key_Delete);
    for (QChar c : tekst) tast(le, Qt::Key_A, QString(c));
}

// Counts how often a model signal fires.
struct Taeller {
    int count() const { return n; }
    int n = 0;
};
template <typename Signal>
std::unique_ptr<Taeller> tael(QAbstractItemModel* m, Signal s) {
    auto t = std::make_unique<Taeller>();
    QObject::connect(m, s, m, [p = t.get()] { ++p->n; });
    return t;
}

void klik(QtGridView* v, int row, int col) {
    const QPoint p = v->visualRect(v->model()->index(row, col)).center();
    const QPointF lp(p);
    const QPointF gp(v->viewport()->mapToGlobal(p));
    QMouseEvent tryk(QEvent::MouseButtonPress, lp, gp, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &tryk);
    QMouseEvent slip(QEvent::MouseButtonRelease, lp, gp, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &slip);
}

class QtGridTest : public ::testing::Test {
protected:
    QtGridTest() : format(Talformat::dansk()) {
        tabel.redimensioner(1, 3, 0, 2);
        tabel.saet(1, 0, "pH");
        tabel.saet(2, 0, "Calcium");
        tabel.saet(3, 0, "Jern");
        grid.restoreDesign();
        grid.addColumn(2);
        grid.bind(&tabel);
        grid.column(0).setLocked(true);
        w = std::make_unique<QtGrid>(grid);
        w->resize(600, 300);
        w->show();
    }

    // Opens the line editor on a cell as a double click would.
    QLineEdit* aabn(int row, int col) {
        QtGridView* v = w->view();
        const QModelIndex i = v->model()->index(row, col);
        v->setCurrentIndex(i);
        v->edit(i);
        return qobject_cast<QLineEdit*>(v->aabenEditor());
    }

    TalformatScope format;
    GridTabel tabel;
    Grid grid{"TDBGridTest"};
    std::unique_ptr<QtGrid> w;
};

TEST_F(QtGridTest, RefusedEditLeavesTableAndKeepsEditorWithRefusedText) {
    int kald = 0;
    grid.beforeColUpdate = [&](int col, Variant& old, bool& cancel) {
        ++kald;
        EXPECT_EQ(col, 1);
        EXPECT_TRUE(old.isEmpty());
        cancel = true;
    };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "abc");
    EXPECT_TRUE(grid.dataChanged());
    tast(le, Qt::Key_Return);
    EXPECT_EQ(kald, 1);
    EXPECT_TRUE(tabel.hent(2, 1).isEmpty());
    ASSERT_EQ(w->view()->aabenEditor(), le);
    EXPECT_EQ(le->text(), "abc");
    EXPECT_TRUE(grid.dataChanged());
}

TEST_F(QtGridTest, AcceptedEditLandsInEditedRowWhenUserClicksAnotherCell) {
    std::vector<int> raekker;
    grid.beforeColUpdate = [&](int, Variant&, bool&) { raekker.push_back(grid.currentTableRow()); };
    QLineEdit* le = aabn(0, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "7,5");
    klik(w->view(), 2, 2);
    EXPECT_EQ(raekker, std::vector<int>{1});
    EXPECT_EQ(tabel.hent(1, 1), Variant("7,5"));
    EXPECT_TRUE(tabel.hent(3, 2).isEmpty());
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(w->model()->data(w->model()->index(0, 1), Qt::DisplayRole).toString(), "7,5");
}

TEST_F(QtGridTest, ClickOnAnotherCellAfterRefusalKeepsTheCurrentCell) {
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) { cancel = true; };
    QLineEdit* le = aabn(0, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "x");
    klik(w->view(), 2, 2);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(w->view()->aabenEditor(), le);
    EXPECT_TRUE(tabel.hent(3, 2).isEmpty());
}

TEST_F(QtGridTest, EndEditRunsBeforeUpdateInsideTheCallAndClosesEditor) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool&) { ++kald; };
    QLineEdit* le = aabn(1, 2);
    ASSERT_NE(le, nullptr);
    skriv(le, "12");
    EXPECT_TRUE(grid.endEdit());
    EXPECT_EQ(kald, 1);
    EXPECT_EQ(tabel.hent(2, 2), Variant("12"));
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_FALSE(grid.dataChanged());
}

TEST_F(QtGridTest, EscapeDropsTheEdit) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool&) { ++kald; };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "99");
    tast(le, Qt::Key_Escape);
    EXPECT_EQ(kald, 0);
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_TRUE(tabel.hent(2, 1).isEmpty());
}

TEST_F(QtGridTest, LosingFocusDoesNotCommit) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool&) { ++kald; };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "5");
    QFocusEvent ud(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(le, &ud);
    EXPECT_EQ(kald, 0);
    EXPECT_TRUE(grid.dataChanged());
    EXPECT_EQ(w->view()->aabenEditor(), le);
}

TEST_F(QtGridTest, PickShowsDisplayTextAndStoresValue) {
    ValueList& l = grid.column(1).valueList();
    l.setPresentation(ListePraesentationRulleliste);
    l.add(1, "Opstrøm B1");
    l.add(2, "Hotspot B2");
    std::vector<Variant> valgt;
    grid.comboSelect = [&](int col) { valgt.push_back(grid.columnValue(col)); };
    QtGridView* v = w->view();
    const QModelIndex i = v->model()->index(0, 1);
    v->setCurrentIndex(i);
    v->edit(i);
    auto* combo = qobject_cast<QComboBox*>(v->aabenEditor());
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "Hotspot B2");
    emit combo->activated(1);
    ASSERT_EQ(valgt.size(), 1u);
    EXPECT_EQ(valgt[0], Variant(2));
    EXPECT_EQ(tabel.hent(1, 1), Variant(2));
    EXPECT_EQ(v->model()->data(i, Qt::DisplayRole).toString(), "Hotspot B2");
    EXPECT_EQ(v->aabenEditor(), nullptr);
}

TEST_F(QtGridTest, RefreshFromInsidePickHandlerKeepsEditorAndDoesNotReset) {
    ValueList& l = grid.column(2).valueList();
    l.setPresentation(ListePraesentationRulleliste);
    l.add("meter", "meter");
    l.add("dage", "dag");
    auto nulstillet = tael(w->model(), &QAbstractItemModel::modelReset);
    QtGridView* v = w->view();
    QWidget* editorUnderPick = nullptr;
    grid.comboSelect = [&](int col) {
        tabel.redimensioner(1, 4, 0, 2);  // the run behind the pick grows the table
        tabel.saet(1, 0, Variant("pH (ny)"));
        grid.refresh();
        editorUnderPick = v->aabenEditor();
        EXPECT_EQ(grid.columnValue(col), Variant("dage"));
    };
    const QModelIndex i = v->model()->index(1, 2);
    v->setCurrentIndex(i);
    v->edit(i);
    auto* combo = qobject_cast<QComboBox*>(v->aabenEditor());
    ASSERT_NE(combo, nullptr);
    emit combo->activated(1);
    EXPECT_EQ(editorUnderPick, combo);
    EXPECT_EQ(nulstillet->count(), 0);
    EXPECT_EQ(v->model()->rowCount(), 4);
    EXPECT_EQ(tabel.hent(2, 2), Variant("dage"));
    EXPECT_EQ(v->model()->data(v->model()->index(0, 0), Qt::DisplayRole).toString(), "pH (ny)");
    EXPECT_EQ(v->model()->data(i, Qt::DisplayRole).toString(), "dag");
}

TEST_F(QtGridTest, RebindResetsTheModelRefreshDoesNot) {
    auto nulstillet = tael(w->model(), &QAbstractItemModel::modelReset);
    auto aendret = tael(w->model(), &QAbstractItemModel::dataChanged);
    grid.refresh();
    EXPECT_EQ(nulstillet->count(), 0);
    EXPECT_EQ(aendret->count(), 1);
    grid.rebind();
    EXPECT_EQ(nulstillet->count(), 1);
}

TEST_F(QtGridTest, RefreshThatRemovesTheEditedRowDropsTheEdit) {
    QLineEdit* le = aabn(2, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "8");
    tabel.redimensioner(1, 2, 0, 2);
    grid.refresh();
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_EQ(w->model()->rowCount(), 2);
}

TEST_F(QtGridTest, ColumnLockedAtRunTimeRefusesEdits) {
    QtGridView* v = w->view();
    const QModelIndex i = v->model()->index(0, 2);
    EXPECT_TRUE(v->model()->flags(i) & Qt::ItemIsEditable);
    grid.column(2).setLocked(true);
    EXPECT_FALSE(v->model()->flags(i) & Qt::ItemIsEditable);
    v->setCurrentIndex(i);
    v->edit(i);
    EXPECT_EQ(v->aabenEditor(), nullptr);
    EXPECT_FALSE(grid.editing());
    grid.column(2).setLocked(false);
    v->edit(i);
    EXPECT_NE(v->aabenEditor(), nullptr);
}

TEST_F(QtGridTest, MessageBoxInsideBeforeUpdateCommitsOnceAndShowsOnce) {
    int kald = 0;
    int bokse = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) {
        ++kald;
        // The box takes the focus from the editor and runs its own event loop; the
        // view must not commit again meanwhile.
        QTimer::singleShot(0, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                EXPECT_FALSE(grid.endEdit());
                m->close();
            }
        });
        ++bokse;
        QMessageBox box(QMessageBox::Warning, "Inddatakontrol", "Ugyldig værdi");
        box.exec();
        cancel = true;
    };
    QLineEdit* le = aabn(0, 2);
    ASSERT_NE(le, nullptr);
    skriv(le, "-1");
    tast(le, Qt::Key_Return);
    EXPECT_EQ(kald, 1);
    EXPECT_EQ(bokse, 1);
    EXPECT_TRUE(tabel.hent(1, 2).isEmpty());
    EXPECT_EQ(w->view()->aabenEditor(), le);
}

TEST_F(QtGridTest, ChartTableFromColumnMinusOneShowsItAsGridColumnZero) {
    GridTabel diagram;
    diagram.redimensioner(1, 2, -1, 4);
    diagram.saet(1, -1, "R1");
    diagram.saet(1, 0, "CO2");
    diagram.saet(1, 4, 0.25);
    for (int i = 3; i < 6; ++i) grid.addColumn(i);
    grid.bind(&diagram);
    grid.rebind();
    QAbstractItemModel* m = w->model();
    ASSERT_EQ(m->columnCount(), 6);
    EXPECT_EQ(m->data(m->index(0, 0), Qt::DisplayRole).toString(), "R1");
    EXPECT_EQ(m->data(m->index(0, 1), Qt::DisplayRole).toString(), "CO2");
    EXPECT_EQ(m->data(m->index(0, 5), Qt::DisplayRole).toString(), "0,25");
    EXPECT_EQ(m->data(m->index(0, 5), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST_F(QtGridTest, LayoutReachesTheView) {
    grid.setCaption("Boringskontrol");
    grid.setFontSize(8);
    grid.column(1).setCaption("Enhed");
    grid.column(1).setWidth(1440);
    grid.column(2).setVisible(false);
    grid.column(1).setBackColor(Farve::hvid());
    grid.column(1).setAlignment(Justering::Centreret);
    QtGridView* v = w->view();
    QAbstractItemModel* m = v->model();
    EXPECT_EQ(w->captionLabel()->text(), "Boringskontrol");
    EXPECT_FALSE(w->captionLabel()->isHidden());
    EXPECT_EQ(v->font().pointSize(), 8);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Enhed");
    EXPECT_EQ(v->columnWidth(1), v->logicalDpiX());  // one inch
    EXPECT_TRUE(v->isColumnHidden(2));
    EXPECT_EQ(m->data(m->index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));
    EXPECT_EQ(m->data(m->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST_F(QtGridTest, ProgramRowMoveFollowsInViewAndRaisesRowColChange) {
    std::vector<std::pair<int, int>> flyt;
    grid.rowColChange = [&](int r, int c) { flyt.emplace_back(r, c); };
    grid.setMarqueeStyle(3);
    grid.setRowSelection(true);
    EXPECT_TRUE(grid.setRow(2));
    EXPECT_EQ(w->view()->currentIndex().row(), 2);
    EXPECT_EQ(w->view()->selectionBehavior(), QAbstractItemView::SelectRows);
    ASSERT_EQ(flyt.size(), 1u);
    EXPECT_EQ(flyt[0], std::make_pair(1, 0));
}

TEST_F(QtGridTest, FocusReturningFromAMessageBoxIsNoNewArrival) {
    int fokus = 0;
    grid.gotFocus = [&] { ++fokus; };
    auto send = [&](QEvent::Type t, Qt::FocusReason r) {
        QFocusEvent e(t, r);
        QApplication::sendEvent(w->view(), &e);
    };
    send(QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(fokus, 1);
    send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(grid.hasFocus());
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(fokus, 1);
    send(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_FALSE(grid.hasFocus());
    send(QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(fokus, 2);
}

TEST(QtInddataGrids, EveryGridHasAViewAndTDBGrid6ShowsItsUnitList) {
    InddataGrids grids;
    QWidget vindue;
    QtInddataGrids qt(&vindue, grids);
    for (const auto& [navn, indeks] : grids.navne()) EXPECT_NE(qt.widget(navn, indeks), nullptr) << navn;
    EXPECT_EQ(qt.widget("TDBGrid5", 6), nullptr);
    GridTabel afstand;
    afstand.redimensioner(1, 1, 0, 6);
    afstand.saet(1, 1, "dage");
    grids.grid("TDBGrid6").bind(&afstand);
    QtGrid* g6 = qt.widget("TDBGrid6");
    EXPECT_EQ(g6->model()->data(g6->model()->index(0, 1), Qt::DisplayRole).toString(), "dag");
}

}  // namespace
