// The Qt print window offscreen: opened by the print menu, its eight tools in order
// with the separators, the page text after each tool and after scrolling to the last
// page, zoom in then out back to the start (each tool pressed by Enter), and Esc
// closing it, ending the modal show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>

#include "report/AkvPrint.h"
#include "support/BeregnetLokalitet.h"
#include "support/QtTestMiljoe.h"
#include "platform/qt/QtPrintvindue.h"

namespace {

TEST(QtPrintvindue, VaerktoejerSidetekstZoomOgLuk) {
    ASSERT_NO_FATAL_FAILURE(BeregnLokalitet());
    QtPrintvindueService service;
    saetPrintvindueService(&service);

    std::vector<std::string> tekster;
    std::vector<std::string> sidetekster;
    std::vector<double> zoom;
    bool lukket = false;
    QTimer::singleShot(0, [&] {
        QtPrintvindue* v = service.aaben();
        ASSERT_NE(v, nullptr);  // without a window the show has not waited
        EXPECT_TRUE(v->isVisible());
        EXPECT_EQ(v->windowTitle(), "Print");
        if (const QScreen* s = v->screen()) {
            EXPECT_TRUE(s->availableGeometry().contains(v->geometry()));
        }
        EXPECT_EQ(v->splitter()->count(), 1);
        for (QAction* a : v->vaerktoejslinje()->actions())
            tekster.push_back(a->isSeparator() ? "|" : a->text().toStdString());
        const std::string foer = v->statuspanel()->text().toStdString();
        sidetekster.push_back(foer);
        for (const char* noegle : {"ID_SIDSTE", "ID_FØRSTE", "ID_NEXT", "ID_PREV", "ID_ZOOM_IND", "ID_ZOOM_UD"}) {
            auto* a = v->vaerktoejslinje()->findChild<QAction*>(QString::fromUtf8(noegle));
            if (!a) {  // carry on to the close, so the modal show ends
                ADD_FAILURE() << noegle;
                continue;
            }
            // Pressed as the keyboard presses it: Enter on the focused tool.
            QWidget* knap = v->vaerktoejslinje()->widgetForAction(a);
            EXPECT_TRUE(knap->focusPolicy() & Qt::TabFocus) << noegle;
            QTest::keyClick(knap, Qt::Key_Return);
            QApplication::processEvents();
            sidetekster.push_back(v->statuspanel()->text().toStdString());
            zoom.push_back(v->kontroller().vp.zoom());
        }
        // Scrolled by the user to the last page, the page text follows.
        if (auto* visning = v->fremviser()->findChild<QGraphicsView*>()) {
            visning->verticalScrollBar()->setValue(visning->verticalScrollBar()->maximum());
            QApplication::processEvents();
            sidetekster.push_back(v->statuspanel()->text().toStdString());
        }
        // Esc closes it as the close box does.
        QTest::keyClick(v->fremviser(), Qt::Key_Escape);
        lukket = !v->isVisible();
        if (!lukket) v->close();
    });
    VisPrintmenu();
    saetPrintvindueService(nullptr);
    ASSERT_TRUE(lukket);
    EXPECT_EQ(service.aaben(), nullptr);
    EXPECT_EQ(tekster, (std::vector<std::string>{"Første side", "Foregående post", "Næste Post", "Sidste side", "|",
                                                 "Print dokumentet", "Print nuværende side", "|", "Zoom ind",
                                                 "Zoom ud"}));
    ASSERT_EQ(sidetekster.size(), 8u);
    const int n = std::stoi(sidetekster[1].substr(sidetekster[1].rfind(' ') + 1));
    EXPECT_GE(n, 4);
    EXPECT_EQ(sidetekster, (std::vector<std::string>{Sidetekst(1, n), Sidetekst(n, n), Sidetekst(1, n),
                                                     Sidetekst(2, n), Sidetekst(1, n), Sidetekst(1, n),
                                                     Sidetekst(1, n), Sidetekst(n, n)}));
    EXPECT_EQ(zoom, (std::vector<double>{100, 100, 100, 100, 125, 100}));
}

}  // namespace
