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
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "celler/Talformat.h"
#include "platform/qt/QtGrid.h"
#include "platform/qt/QtInddataGrids.h"
#include "support/QtCelletekst.h"
#include "support/QtTaster.h"
#include "support/QtTestMiljoe.h"

namespace {

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

// Shows a modal box as a check or a run does; it closes as soon as its event loop runs.
void visBoks(QMessageBox::Icon ikon, const QString& titel, const QString& tekst) {
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget()) m->close();
    });
    QMessageBox box(ikon, titel, tekst);
    box.exec();
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

    QLineEdit* aabn(int row, int col) { return qobject_cast<QLineEdit*>(aabnEditor(w.get(), row, col)); }
    QComboBox* aabnListe(int row, int col) { return qobject_cast<QComboBox*>(aabnEditor(w.get(), row, col)); }

    // Makes a column a drop-down list of values with their display texts.
    void rulleliste(int col, std::initializer_list<std::pair<Variant, std::string>> punkter) {
        ValueList& l = grid.column(col).valueList();
        l.setPresentation(ListePraesentationRulleliste);
        for (const auto& [vaerdi, tekst] : punkter) l.add(vaerdi, tekst);
    }
    QString vist(int row, int col) { return celletekst(w.get(), row, col); }

    TalformatScope format;
    GridTabel tabel;
    Grid grid{"TDBGridTest"};
    std::unique_ptr<QtGrid> w;
};

// A refused value: the editor closes, the cell shows its old value and stays current,
// and the focus is on the grid for the next try.
TEST_F(QtGridTest, RefusedEditClosesTheEditorOnTheOldValueWithTheFocusInTheGrid) {
    int kald = 0;
    grid.beforeColUpdate = [&](int col, Variant& old, bool& cancel) {
        ++kald;
        EXPECT_EQ(col, 1);
        EXPECT_EQ(old, Variant("gammel"));
        cancel = true;
    };
    tabel.saet(2, 1, "gammel");
    QApplication::setActiveWindow(w.get());
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "abc");
    EXPECT_TRUE(grid.dataChanged());
    tast(le, Qt::Key_Return);
    EXPECT_EQ(kald, 1);
    EXPECT_EQ(tabel.hent(2, 1), Variant("gammel"));
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_FALSE(grid.dataChanged());
    EXPECT_EQ(vist(1, 1), "gammel");
    EXPECT_EQ(w->view()->currentIndex(), w->model()->index(1, 1));
    EXPECT_EQ(QApplication::focusWidget(), w->view());
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
    EXPECT_EQ(vist(0, 1), "7,5");
}

TEST_F(QtGridTest, ClickOnAnotherCellAfterRefusalKeepsTheCurrentCell) {
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) { cancel = true; };
    QLineEdit* le = aabn(0, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "x");
    klik(w->view(), 2, 2);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(w->view()->currentIndex(), w->model()->index(0, 1));
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
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
    rulleliste(1, {{1, "Opstrøm B1"}, {2, "Hotspot B2"}});
    std::vector<Variant> valgt;
    grid.comboSelect = [&](int col) { valgt.push_back(grid.columnValue(col)); };
    QComboBox* combo = aabnListe(0, 1);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "Hotspot B2");
    emit combo->activated(1);
    ASSERT_EQ(valgt.size(), 1u);
    EXPECT_EQ(valgt[0], Variant(2));
    EXPECT_EQ(tabel.hent(1, 1), Variant(2));
    EXPECT_EQ(vist(0, 1), "Hotspot B2");
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
}

TEST_F(QtGridTest, RefreshFromInsidePickHandlerKeepsEditorAndDoesNotReset) {
    rulleliste(2, {{"meter", "meter"}, {"dage", "dag"}});
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
    QComboBox* combo = aabnListe(1, 2);
    ASSERT_NE(combo, nullptr);
    emit combo->activated(1);
    EXPECT_EQ(editorUnderPick, combo);
    EXPECT_EQ(nulstillet->count(), 0);
    EXPECT_EQ(v->model()->rowCount(), 4);
    EXPECT_EQ(tabel.hent(2, 2), Variant("dage"));
    EXPECT_EQ(vist(0, 0), "pH (ny)");
    EXPECT_EQ(vist(1, 2), "dag");
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
    // A double click there opens the nearest cell that takes keys.
    EXPECT_NE(aabnEditor(w.get(), 0, 2), nullptr);
    EXPECT_EQ(grid.editCol(), 1);
    grid.userEscape();
    grid.column(2).setLocked(false);
    EXPECT_NE(aabnEditor(w.get(), 0, 2), nullptr);
    EXPECT_EQ(grid.editCol(), 2);
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
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
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
    EXPECT_EQ(vist(0, 0), "R1");
    EXPECT_EQ(vist(0, 1), "CO2");
    EXPECT_EQ(vist(0, 5), "0,25");
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
    grid.column(1).setAlignment(VandretJustering::Centreret);
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

// A commit moves no column, and a click lands in the cell that was under the
// pointer even where the commit's check moves the cells; a longer text shows cut
// until the program's refresh fits its column to it.
TEST_F(QtGridTest, AClickLandsInTheCellUnderThePointerWhateverItsCommitDoesToTheLayout) {
    grid.beforeColUpdate = [&](int, Variant&, bool&) { grid.column(0).setWidth(4000); };
    QtGridView* v = w->view();
    const int smal = v->columnWidth(1);
    QLineEdit* le = aabn(0, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "en lang tekst i en smal kolonne, længere end den");
    EXPECT_LE(le->width(), smal);
    const QRect celle = v->visualRect(w->model()->index(2, 2));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(celle.left() + 3, celle.center().y()));
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(2, 2));
    EXPECT_EQ(v->columnWidth(1), smal);
    grid.refresh();
    EXPECT_GT(v->columnWidth(1), smal);
}

// Focus brought by a click beside the cells makes an editable cell current, as Tab
// does, and the current cell stays marked.
TEST_F(QtGridTest, AClickBesideTheCellsEntersTheGridOnAnEditableCell) {
    QtGridView* v = w->view();
    QApplication::setActiveWindow(w.get());
    v->clearFocus();
    ASSERT_TRUE(grid.setCol(0));  // the program's move onto a label
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(5, v->viewport()->height() - 3));
    QApplication::processEvents();
    EXPECT_TRUE(v->hasFocus());
    EXPECT_EQ(std::make_pair(grid.row(), grid.col()), std::make_pair(0, 1));
    EXPECT_TRUE(v->selectionModel()->isSelected(w->model()->index(0, 1)));
}

// A value column short of room by a few pixels or by most of it is brought wholly
// into sight, scrolled no further than that, so the labels stay in sight as far as
// they fit; a cell back in sight at the left brings them back whole.
TEST_F(QtGridTest, TheCurrentCellIsScrolledWhollyIntoSightAndNoFurther) {
    QtGridView* v = w->view();
    for (int mangler : {0, 6, v->columnWidth(2) - 20}) {
        v->setCurrentIndex(w->model()->index(0, 0));
        v->horizontalScrollBar()->setValue(0);
        w->resize(w->width() - v->viewport()->width() + v->columnViewportPosition(2) + v->columnWidth(2) - mangler,
                  w->height());
        QApplication::processEvents();
        v->setCurrentIndex(w->model()->index(1, 2));
        EXPECT_EQ(v->horizontalScrollBar()->value(), mangler);
        EXPECT_TRUE(v->viewport()->rect().contains(v->visualRect(v->currentIndex()))) << mangler;
        v->setCurrentIndex(w->model()->index(1, 1));
        EXPECT_EQ(v->horizontalScrollBar()->value(), 0) << mangler;
    }
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
    EXPECT_EQ(celletekst(g6, 0, 1), "dag");
}

// Every key that leaves an edit, with the check accepting or refusing: the value
// lands once in the edited cell or nowhere, and a refusal asks exactly once.
struct Tast {
    const char* navn;
    int key;
    bool afvis;
    int forventetRaekke, forventetKolonne;  // the grid's current cell afterwards
};

void PrintTo(const Tast& t, std::ostream* os) { *os << t.navn; }

class QtGridTaster : public QtGridTest, public ::testing::WithParamInterface<Tast> {};

TEST_P(QtGridTaster, CommitOnceIntoTheEditedCell) {
    const Tast& t = GetParam();
    std::vector<std::pair<int, int>> celler;
    grid.beforeColUpdate = [&](int col, Variant&, bool& cancel) {
        celler.emplace_back(grid.currentTableRow(), col);
        cancel = t.afvis;
    };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "4");
    tast(le, t.key);
    EXPECT_EQ(celler, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(tabel.hent(2, 1) == Variant("4"), !t.afvis);
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c <= 2; ++c) {
            if (r == 2 && c == 1) continue;
            EXPECT_NE(tabel.hent(r, c), Variant("4")) << r << "," << c;
        }
    EXPECT_EQ(grid.row(), t.forventetRaekke);
    EXPECT_EQ(grid.col(), t.forventetKolonne);
    EXPECT_EQ(w->view()->currentIndex().row(), t.forventetRaekke);
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_FALSE(grid.dataChanged());
}

INSTANTIATE_TEST_SUITE_P(
    QtGrid, QtGridTaster,
    ::testing::Values(Tast{"Enter", Qt::Key_Return, false, 2, 1},
                      Tast{"EnterRefused", Qt::Key_Return, true, 1, 1},
                      Tast{"Tab", Qt::Key_Tab, false, 1, 2},
                      Tast{"TabRefused", Qt::Key_Tab, true, 1, 1},
                      Tast{"Down", Qt::Key_Down, false, 2, 1},
                      Tast{"DownRefused", Qt::Key_Down, true, 1, 1},
                      Tast{"Up", Qt::Key_Up, false, 0, 1},
                      Tast{"UpRefused", Qt::Key_Up, true, 1, 1}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(QtGridTest, RefusedEditLeavesTheTableAndNeverCommitsLater) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) { ++kald; cancel = true; };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "x");
    tast(le, Qt::Key_Return);
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    klik(w->view(), 2, 2);
    EXPECT_TRUE(grid.endEdit());
    EXPECT_EQ(kald, 1);
    EXPECT_TRUE(tabel.hent(2, 1).isEmpty());
}

TEST_F(QtGridTest, RefreshFromARunKeepsTheTypedTextWhichThenLandsOnce) {
    std::vector<std::pair<int, int>> celler;
    grid.beforeColUpdate = [&](int col, Variant&, bool&) { celler.emplace_back(grid.currentTableRow(), col); };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "4");
    tabel.saet(2, 1, "fra kørsel");
    tabel.saet(1, 1, "fra kørsel 1");
    grid.refresh();
    EXPECT_EQ(le->text(), "4");
    ASSERT_EQ(w->view()->aabenEditor(), le);
    tast(le, Qt::Key_Return);
    EXPECT_EQ(celler, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(tabel.hent(2, 1), Variant("4"));
    EXPECT_EQ(tabel.hent(1, 1), Variant("fra kørsel 1"));
}

// A key typed on a label goes to the nearest cell of its row that takes keys; in a
// grid where none does, it changes nothing.
TEST_F(QtGridTest, TypingOnTheViewStartsAnEditOnACellThatTakesKeys) {
    QtGridView* v = w->view();
    tabel.saet(2, 1, "gammel");
    ASSERT_TRUE(grid.setCol(0) && grid.setRow(1));
    tast(v, Qt::Key_5, "5");
    auto* le = qobject_cast<QLineEdit*>(v->aabenEditor());
    ASSERT_NE(le, nullptr);
    EXPECT_EQ(le->text(), "5");
    EXPECT_EQ(grid.editText(), "5");
    tast(le, Qt::Key_Return);
    EXPECT_EQ(tabel.hent(2, 1), Variant("5"));
    for (int c : {1, 2}) grid.column(c).setLocked(true);
    tast(v, Qt::Key_6, "6");
    EXPECT_EQ(v->aabenEditor(), nullptr);
    EXPECT_FALSE(grid.editing());
}

TEST_F(QtGridTest, LockingTheEditedColumnClosesTheEditorWithoutCommitting) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool&) { ++kald; };
    QLineEdit* le = aabn(1, 1);
    ASSERT_NE(le, nullptr);
    skriv(le, "4");
    tabel.saet(2, 1, "62,1");  // the program's value, then the lock
    grid.column(1).setLocked(true);
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_TRUE(grid.endEdit());
    EXPECT_EQ(kald, 0);
    EXPECT_EQ(tabel.hent(2, 1), Variant("62,1"));
}

TEST_F(QtGridTest, MessageBoxInsideBeforeUpdateOfAClickShowsOncePerAttempt) {
    int kald = 0;
    grid.beforeColUpdate = [&](int, Variant&, bool& cancel) {
        ++kald;
        visBoks(QMessageBox::Warning, "Inddatakontrol", "Ugyldig værdi");
        cancel = true;
    };
    QLineEdit* le = aabn(0, 2);
    ASSERT_NE(le, nullptr);
    skriv(le, "-1");
    klik(w->view(), 2, 1);
    EXPECT_EQ(kald, 1);
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_EQ(grid.row(), 0);
    le = aabn(0, 2);
    ASSERT_NE(le, nullptr);
    skriv(le, "-2");
    tast(le, Qt::Key_Down);
    EXPECT_EQ(kald, 2);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_TRUE(tabel.hent(1, 2).isEmpty());
}

TEST_F(QtGridTest, KeyOnAListCellPicksTheMatchingItemAndCommitsItsValue) {
    rulleliste(1, {{"meter", "meter"}, {"dage", "dag"}, {"år", "år"}});
    std::vector<Variant> vaerdier;
    grid.beforeColUpdate = [&](int col, Variant&, bool&) { vaerdier.push_back(grid.columnValue(col)); };
    w->view()->setCurrentIndex(w->model()->index(0, 1));
    tast(w->view(), Qt::Key_D, "d");
    EXPECT_EQ(vaerdier, std::vector<Variant>{Variant("dage")});
    EXPECT_EQ(tabel.hent(1, 1), Variant("dage"));
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(vist(0, 1), "dag");
}

TEST_F(QtGridTest, MessageBoxInsideAPickHandlerStoresThePickOnce) {
    rulleliste(1, {{1, "B1"}, {2, "B2"}});
    int valg = 0;
    int opdateringer = 0;
    grid.comboSelect = [&](int col) {
        ++valg;
        tabel.saet(grid.currentTableRow(), col, grid.columnValue(col));
        // The run behind the pick stops with a message of its own.
        visBoks(QMessageBox::Critical, "", "Iterationen konvergerer ikke");
        grid.refresh();
    };
    grid.beforeColUpdate = [&](int, Variant&, bool&) { ++opdateringer; };
    QComboBox* combo = aabnListe(2, 1);
    ASSERT_NE(combo, nullptr);
    emit combo->activated(1);
    QApplication::processEvents();
    EXPECT_EQ(valg, 1);
    EXPECT_EQ(opdateringer, 1);
    EXPECT_EQ(tabel.hent(3, 1), Variant(2));
    EXPECT_FALSE(grid.editing());
    EXPECT_EQ(w->view()->aabenEditor(), nullptr);
    EXPECT_EQ(vist(2, 1), "B2");
}

}  // namespace
