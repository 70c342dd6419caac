// Seeded random sequences of keys and clicks on the real grids of the work window's
// first tab, each step checked against a small model of the editing rules written
// here on its own: the tables' texts, every grid's current cell, the grid with the
// keyboard and the open editor's text. A divergence prints its seed and its steps.
// AKV_SEKVENSER sets the number of sequences (default 300), AKV_FROE the first seed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "celler/Talformat.h"
#include "support/KoerendeProgram.h"
#include "support/QtTestMiljoe.h"

namespace {

using Celle = std::pair<int, int>;

// One grid as the rules see it: which cells take keys, which are drop-downs, the
// texts shown, the current cell and the cell last edited.
struct RefGrid {
    int rows = 0, cols = 0;
    std::vector<char> tager, liste;
    std::vector<std::string> tekst;
    Celle aktuel;
    std::optional<Celle> sidst;

    bool t(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < cols && tager[r * cols + c]; }
    std::string& celle(Celle k) { return tekst[k.first * cols + k.second]; }
    std::optional<Celle> nabo(Celle k, int dr, int dc) const {
        for (int r = k.first + dr, c = k.second + dc; r >= 0 && r < rows && c >= 0 && c < cols; r += dr, c += dc)
            if (t(r, c)) return Celle{r, c};
        return std::nullopt;
    }
    std::optional<Celle> yderste(int r0, int r1, bool sidste) const {
        std::optional<Celle> fundet;
        for (int r = r0; r <= r1; ++r)
            for (int c = 0; c < cols; ++c)
                if (t(r, c) && (sidste || !fundet)) fundet = Celle{r, c};
        return fundet;
    }
    std::optional<Celle> naermeste(Celle k) const {
        if (t(k.first, k.second)) return k;
        if (auto h = nabo(k, 0, 1)) return h;
        return nabo(k, 0, -1);
    }
    void vaelg() {
        if (t(aktuel.first, aktuel.second)) return;
        if (sidst && t(sidst->first, sidst->second)) aktuel = *sidst;
        else if (auto f = yderste(0, rows - 1, false)) aktuel = *f;
    }
};

struct RefEdit {
    int grid = -1;
    Celle celle;
    std::string tekst, original;
    std::size_t caret = 0;
    bool alt = false;  // the whole text selected
    bool markoer = false;
};

enum class Slags { Tegn, Tast, Klik, Dobbelt, Overskrift, Tomt };

struct Trin {
    Slags slags;
    char tegn = 0;
    Qt::Key tast = Qt::Key_unknown;
    Qt::KeyboardModifiers mod = Qt::NoModifier;
    int grid = 0, r = 0, c = 0;
    std::string tekst() const {
        static const std::vector<std::pair<Qt::Key, const char*>> navne{
            {Qt::Key_Return, "Enter"}, {Qt::Key_Tab, "Tab"}, {Qt::Key_Backtab, "Shift+Tab"}, {Qt::Key_Up, "Op"},
            {Qt::Key_Down, "Ned"}, {Qt::Key_Left, "Venstre"}, {Qt::Key_Right, "Hoejre"}, {Qt::Key_Home, "Home"},
            {Qt::Key_End, "End"}, {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Delete, "Delete"}, {Qt::Key_F2, "F2"},
            {Qt::Key_Escape, "Esc"}};
        std::ostringstream o;
        const char* g[] = {"TDBGrid4", "TDBGrid22", "TDBGrid1", "TDBGrid6", "TDBGrid2"};
        switch (slags) {
        case Slags::Tegn: o << "'" << tegn << "'"; break;
        case Slags::Tast:
            for (auto [k, n] : navne)
                if (k == tast) o << "{" << n << "}";
            break;
        case Slags::Klik: o << "{Klik " << g[grid] << " " << r << " " << c << "}"; break;
        case Slags::Dobbelt: o << "{Dobbeltklik " << g[grid] << " " << r << " " << c << "}"; break;
        case Slags::Overskrift: o << "{Overskrift " << g[grid] << " " << c << "}"; break;
        case Slags::Tomt: o << "{Tomt " << g[grid] << "}"; break;
        }
        return o.str();
    }
};

const char* const GridNavne[] = {"TDBGrid4", "TDBGrid22", "TDBGrid1", "TDBGrid6", "TDBGrid2"};
constexpr int AntalGrids = 5;

// The rules, on the state of the five grids.
struct Regler {
    std::vector<RefGrid> g;
    int fokus = -1;
    RefEdit e;
    bool afvist = false;  // the check refused what this step committed (a message was shown)
    bool commitMedAendring = false;

    RefGrid& gf() { return g[static_cast<std::size_t>(fokus)]; }

    bool commit() {
        if (e.grid < 0) return true;
        RefGrid& rg = g[static_cast<std::size_t>(e.grid)];
        const bool aendret = e.tekst != e.original;
        commitMedAendring |= aendret;
        if (aendret && afvist) {
            fokus = e.grid;
            e = {};
            return false;
        }
        if (aendret) rg.celle(e.celle) = e.tekst;
        e = {};
        return true;
    }
    void aabn(const std::string& tekst, bool markoer) {
        RefGrid& rg = gf();
        rg.sidst = rg.aktuel;
        e = {fokus, rg.aktuel, tekst, rg.celle(rg.aktuel), tekst.size(), markoer, markoer};
    }
    bool tekstcelle() {
        RefGrid& rg = gf();
        const auto [r, c] = rg.aktuel;
        return rg.t(r, c) && !rg.liste[r * rg.cols + c];
    }

    // A move key, the edit committed first; true when the keyboard leaves the grid.
    bool flyt(Qt::Key k, bool tilbage) {
        RefGrid& rg = gf();
        if (!commit()) return false;
        const Celle a = rg.aktuel;
        std::optional<Celle> m;
        switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Down: m = rg.nabo(a, 1, 0); break;
        case Qt::Key_Up: m = rg.nabo(a, -1, 0); break;
        case Qt::Key_Left: m = rg.nabo(a, 0, -1); break;
        case Qt::Key_Right: m = rg.nabo(a, 0, 1); break;
        case Qt::Key_Home: m = rg.yderste(a.first, a.first, false); break;
        case Qt::Key_End: m = rg.yderste(a.first, a.first, true); break;
        default: {
            const int n = rg.cols, skridt = tilbage ? -1 : 1;
            for (int i = a.first * n + a.second + skridt; i >= 0 && i < rg.rows * n && !m; i += skridt)
                if (rg.t(i / n, i % n)) m = Celle{i / n, i % n};
            if (!m) return true;
        }
        }
        if (m) rg.aktuel = *m;
        return false;
    }

    // Returns true when the keyboard leaves the grid (the caller reads where it went).
    bool tast(Qt::Key k, bool tilbage) {
        if (e.grid >= 0) {
            std::string& t = e.tekst;
            auto slet = [&](bool foer) {
                if (e.alt) t.clear(), e.caret = 0;
                else if (foer && e.caret > 0) t.erase(--e.caret, 1);
                else if (!foer && e.caret < t.size()) t.erase(e.caret, 1);
                e.alt = false;
            };
            switch (k) {
            case Qt::Key_Escape: e = {}; return false;
            case Qt::Key_F2: e.markoer = true; return false;
            case Qt::Key_Backspace: slet(true); return false;
            case Qt::Key_Delete: slet(false); return false;
            case Qt::Key_Home: e.caret = 0, e.alt = false; return false;
            case Qt::Key_End: e.caret = t.size(), e.alt = false; return false;
            case Qt::Key_Left:
            case Qt::Key_Right:
                if (!e.markoer) break;
                // From the caret, the selection dropped (a selected text has it at its end).
                if (k == Qt::Key_Left && e.caret > 0) --e.caret;
                else if (k == Qt::Key_Right && e.caret < t.size()) ++e.caret;
                e.alt = false;
                return false;
            default: break;
            }
            return flyt(k, tilbage);
        }
        switch (k) {
        case Qt::Key_Escape: return false;
        case Qt::Key_F2: if (tekstcelle()) aabn(gf().celle(gf().aktuel), true); return false;
        case Qt::Key_Backspace: if (tekstcelle()) aabn("", false); return false;
        case Qt::Key_Delete:
            if (tekstcelle()) {
                aabn("", false);
                commit();
            }
            return false;
        default: return flyt(k, tilbage);
        }
    }

    void tegn(char c) {
        if (e.grid >= 0) {
            if (e.alt) e.tekst.clear(), e.caret = 0, e.alt = false;
            e.tekst.insert(e.caret++, 1, c);
        } else if (tekstcelle()) {
            aabn(std::string(1, c), false);
        }
    }

    // A press on grid gi: the edit of another grid is committed first, and a refusal
    // makes the press no click. True when the press goes on to gi.
    bool tryk(int gi) {
        if (e.grid >= 0 && e.grid != gi) return commit();
        return true;
    }
    void klik(int gi, Celle k) {
        if (!tryk(gi)) return;
        RefGrid& rg = g[static_cast<std::size_t>(gi)];
        fokus = gi;
        if (e.grid == gi && e.celle == k) {  // into the editor, by its left edge
            e.markoer = true, e.caret = 0, e.alt = false;
            return;
        }
        if (!commit()) return;
        if (auto m = rg.naermeste(k)) rg.aktuel = *m;
    }
    void dobbelt(int gi, Celle k) {
        klik(gi, k);
        if (fokus == gi && e.grid < 0 && gf().naermeste(k) == gf().aktuel && tekstcelle())
            aabn(gf().celle(gf().aktuel), true);
    }
    void overskrift(int gi, int col) {
        RefGrid& rg = g[static_cast<std::size_t>(gi)];
        std::optional<Celle> m;
        for (int r = rg.rows - 1; r >= 0; --r)
            if (rg.t(r, col)) m = Celle{r, col};
        if (!tryk(gi) || !m || !commit()) return;
        rg.aktuel = *m;
        fokus = gi;
    }
    void tomt(int gi) {
        if (!tryk(gi) || !commit()) return;
        fokus = gi;
        gf().vaelg();
    }
};

class TilfaeldigeTaster : public ::testing::Test {
protected:
    void SetUp() override {
        p.program.start();
        p.startKnap("NyeData")->click();
        QApplication::setActiveWindow(&p.vindue());
        QApplication::processEvents();
        for (const char* n : GridNavne) {
            QtGrid* q = p.vindue().grid(n);
            grids.push_back(q);
            tabeller_.push_back(*q->grid().tabel());
        }
    }

    // Every sequence starts from the same tables and no edit, in the site name.
    void nulstil() {
        for (std::size_t i = 0; i < grids.size(); ++i) {
            *grids[i]->grid().tabel() = tabeller_[i];
            grids[i]->grid().rebind();
            grids[i]->grid().refresh();
        }
        grids[0]->grid().setFocus();
        QApplication::processEvents();
        ref = {};
        for (QtGrid* q : grids) {
            Grid& gr = q->grid();
            RefGrid rg;
            rg.rows = gr.rowCount();
            rg.cols = gr.columnCount();
            for (int r = 0; r < rg.rows; ++r)
                for (int c = 0; c < rg.cols; ++c) {
                    rg.tager.push_back(gr.column(c).visible() && gr.cellEditable(r, c));
                    rg.liste.push_back(gr.column(c).valueList().isDropDown());
                    rg.tekst.push_back(gr.cellText(r, c));
                }
            rg.aktuel = {gr.row(), gr.col()};
            ref.g.push_back(rg);
        }
        ref.fokus = fokusGrid();
    }

    int fokusGrid() const {
        QWidget* f = QApplication::focusWidget();
        for (int i = 0; i < AntalGrids; ++i)
            if (f && (f == grids[i]->view() || grids[i]->view()->isAncestorOf(f))) return i;
        return -1;
    }

    // What differs between the grids and the rules; empty when nothing does.
    std::string forskel() const {
        std::ostringstream o;
        for (int i = 0; i < AntalGrids; ++i) {
            const Grid& gr = grids[i]->grid();
            const RefGrid& rg = ref.g[static_cast<std::size_t>(i)];
            for (int r = 0; r < rg.rows; ++r)
                for (int c = 0; c < rg.cols; ++c)
                    if (gr.cellText(r, c) != rg.tekst[r * rg.cols + c])
                        o << GridNavne[i] << " (" << r << "," << c << ") \"" << gr.cellText(r, c) << "\", ventet \""
                          << rg.tekst[r * rg.cols + c] << "\"\n";
            if (Celle{gr.row(), gr.col()} != rg.aktuel)
                o << GridNavne[i] << " aktuel (" << gr.row() << "," << gr.col() << "), ventet (" << rg.aktuel.first
                  << "," << rg.aktuel.second << ")\n";
            const bool aaben = ref.e.grid == i;
            if (gr.editing() != aaben) o << GridNavne[i] << (aaben ? " uden editor\n" : " med en editor\n");
            auto* le = qobject_cast<QLineEdit*>(grids[i]->view()->aabenEditor());
            if (aaben && le && (le->text().toStdString() != ref.e.tekst || Celle{gr.editRow(), gr.editCol()} != ref.e.celle))
                o << GridNavne[i] << " editor \"" << le->text().toStdString() << "\" i (" << gr.editRow() << ","
                  << gr.editCol() << "), ventet \"" << ref.e.tekst << "\"\n";
        }
        if (fokusGrid() != ref.fokus) o << "tastaturet i " << fokusGrid() << ", ventet " << ref.fokus << "\n";
        return o.str();
    }

    Trin nytTrin(std::mt19937& rnd) {
        auto tal = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
        static const std::string tegn = "0123456789,-xBnzeToulI ";
        static const Qt::Key taster[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down,
                                         Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace,
                                         Qt::Key_Delete, Qt::Key_F2, Qt::Key_Escape};
        for (;;) {
            const int valg = ref.fokus < 0 ? 75 + tal(25) : tal(100);
            Trin t{Slags::Tegn};
            t.grid = tal(AntalGrids);
            const RefGrid& rg = ref.g[static_cast<std::size_t>(t.grid)];
            t.r = tal(rg.rows);
            t.c = tal(rg.cols);
            if (valg < 30) {
                if (ref.e.tekst.size() > 8) continue;  // the editor shows it whole
                t.tegn = tegn[static_cast<std::size_t>(tal(static_cast<int>(tegn.size())))];
                return t;
            }
            if (valg < 75) {
                t.slags = Slags::Tast;
                t.tast = taster[tal(13)];
                if (t.tast == Qt::Key_Backtab) t.mod = Qt::ShiftModifier;
                if (t.tast == Qt::Key_F2 && ref.e.grid < 0) {  // a drop-down's list is not played here
                    const RefGrid& f = ref.g[static_cast<std::size_t>(ref.fokus)];
                    if (f.liste[f.aktuel.first * f.cols + f.aktuel.second]) continue;
                }
                return t;
            }
            const auto m = rg.naermeste({t.r, t.c});
            const bool listecelle = m && rg.liste[m->first * rg.cols + m->second];
            if (valg < 88) return t.slags = Slags::Klik, t;
            if (valg < 92) {
                if (listecelle || (ref.e.grid == t.grid && ref.e.celle == Celle{t.r, t.c})) continue;
                return t.slags = Slags::Dobbelt, t;
            }
            if (valg < 97) return t.slags = Slags::Overskrift, t;
            QtGridView* v = grids[t.grid]->view();
            if (v->indexAt(v->viewport()->rect().bottomRight() - QPoint(2, 2)).isValid()) continue;
            return t.slags = Slags::Tomt, t;
        }
    }

    void spil(const Trin& t) {
        QtGridView* v = grids[t.grid]->view();
        const int foer = static_cast<int>(p.beskeder.vist.size());
        QWidget* fokus = QApplication::focusWidget();
        auto punkt = [&] {
            const QModelIndex i = v->model()->index(t.r, t.c);
            v->scrollTo(i);
            const QRect r = v->visualRect(i);
            return QPoint(r.left() + 3, r.center().y());
        };
        switch (t.slags) {
        case Slags::Tegn: QTest::sendKeyEvent(QTest::Click, fokus, Qt::Key(QChar(t.tegn).toUpper().unicode()), t.tegn, {}); break;
        case Slags::Tast: QTest::sendKeyEvent(QTest::Click, fokus, t.tast, QString(), t.mod); break;
        case Slags::Klik:
        case Slags::Dobbelt: {
            // To the widget under the pointer, the open editor where it covers the cell;
            // a double click as the window system sends it, a click first.
            const QPoint pv = punkt();
            QWidget* under = v->viewport()->childAt(pv);
            QWidget* maal = under ? under : v->viewport();
            const QPoint pm = maal->mapFrom(v->viewport(), pv);
            QTest::mouseClick(maal, Qt::LeftButton, {}, pm);
            if (t.slags == Slags::Dobbelt) QTest::mouseDClick(maal, Qt::LeftButton, {}, pm);
            break;
        }
        case Slags::Overskrift: {
            v->scrollTo(v->model()->index(0, t.c));
            QHeaderView* h = v->horizontalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(t.c) + h->sectionSize(t.c) / 2, h->height() / 2));
            break;
        }
        case Slags::Tomt:
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->viewport()->rect().bottomRight() - QPoint(2, 2));
            break;
        }
        QApplication::processEvents();
        QApplication::processEvents();
        ref.afvist = static_cast<int>(p.beskeder.vist.size()) > foer;
        ref.commitMedAendring = false;
        switch (t.slags) {
        case Slags::Tegn: ref.tegn(t.tegn); break;
        case Slags::Tast:
            if (ref.tast(t.tast, t.tast == Qt::Key_Backtab)) ref.fokus = fokusGrid(), ref.fokus >= 0 ? ref.gf().vaelg() : void();
            break;
        case Slags::Klik: ref.klik(t.grid, {t.r, t.c}); break;
        case Slags::Dobbelt: ref.dobbelt(t.grid, {t.r, t.c}); break;
        case Slags::Overskrift: ref.overskrift(t.grid, t.c); break;
        case Slags::Tomt: ref.tomt(t.grid); break;
        }
    }

    TalformatScope dansk{Talformat::dansk()};
    KoerendeProgram p;
    std::vector<QtGrid*> grids;
    std::vector<GridTabel> tabeller_;
    Regler ref;
};

int miljoetal(const char* navn, int standard) {
    const char* v = std::getenv(navn);
    return v ? std::atoi(v) : standard;
}

TEST_F(TilfaeldigeTaster, HvertTrinFoelgerReglerne) {
    const int sekvenser = miljoetal("AKV_SEKVENSER", 300);
    const int froe0 = miljoetal("AKV_FROE", 1);
    int afvigende = 0;
    for (int s = 0; s < sekvenser && afvigende < 3; ++s) {
        const int froe = froe0 + s;
        std::mt19937 rnd(static_cast<unsigned>(froe));
        nulstil();
        const int antal = 5 + static_cast<int>(rnd() % 21);
        std::string trin;
        for (int i = 0; i < antal; ++i) {
            const Trin t = nytTrin(rnd);
            trin += t.tekst();
            spil(t);
            std::string f = forskel();
            if (ref.afvist && !ref.commitMedAendring) f += "en besked uden en aendret vaerdi at gemme\n";
            if (!f.empty()) {
                ADD_FAILURE() << "froe " << froe << ", trin " << trin << "\n" << f;
                ++afvigende;
                break;
            }
        }
    }
}

}  // namespace
