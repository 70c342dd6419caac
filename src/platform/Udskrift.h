#pragma once
// The print document of the print window: the report is built into it table by
// table, shown page by page in the preview, and sent to the printer.
//
// Like the grid, the document keeps what the program set that shapes the pages and
// does the page layout itself (Sidelayout); a view (the Qt one, or the recording
// double of the tests) only paints the laid-out pages, shows the preview and drives
// the printer.
// Every operation of the program's side reports itself to the view through
// programKald, as "startDoc", "setFontSize(20)", "setCurrentY(2300)",
// "addTable(\"<+3600|<+7000;\", \"\", \"Lokalitet|Grusgrav;\", &H8000000C, 0, false)",
// "tableCell(Fed, 1, 1, true)", so a test reads back the calls in order.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Sidelayout.h"
#include "platform/Udskriftsforloeb.h"

// The row of a cell range that stands for every row of the table.
inline constexpr int AlleRaekker = 0;

class UdskriftVisning {
public:
    virtual ~UdskriftVisning() = default;
    virtual void dokumentSlut() {}  // ended with preview on: show the pages
    // Ended with preview off: the document goes to the printer, whole.
    virtual void udskrivDokument() {}
    // Pages first..last (from 1) to the printer, after the print dialog when asked.
    virtual void udskrivSider(bool dialog, int /*foerste*/, int /*sidste*/) { (void)dialog; }
    virtual void visningAendret() {}  // preview page, zoom or preview on/off changed
    virtual void programKald(const std::string& /*kald*/) {}
};

// A table as it was added, before its settings.
struct TilfoejetTabel {
    std::string format;
    Tabelraekker raekker;
};

class Udskrift {
public:
    Udskrift();
    ~Udskrift();
    Udskrift(const Udskrift&) = delete;
    Udskrift& operator=(const Udskrift&) = delete;

    // ---- The one event: raised as each page begins, before anything is put on it. ----
    std::function<void()> pageStarted;

    // ---- Document ----
    void startDoc();  // a new, empty document; the settings of the design stay
    void endDoc();    // lays out the last page; then shows or prints it
    void newPage();
    void setHeader(const std::string& tekst);  // line feeds kept, "|" printed as typed
    // The footer's three parts; "%d" in the right part becomes the page number.
    void setFooter(const std::string& venstre, const std::string& midte, const std::string& hoejre);
    void setFontSize(double punkter);
    double fontSize() const { return fontSize_; }

    // ---- Preview ----
    int previewPage() const { return previewPage_; }  // from 1
    void setPreviewPage(int side);  // held within 1..pageCount
    int pageCount() const { return static_cast<int>(layout_.sider().size()); }
    double zoom() const { return zoom_; }  // percent; -1 while the document goes to the printer
    void setZoom(double procent);
    double zoomStep() const { return zoomStep_; }
    void setZoomStep(double procent) { zoomStep_ = procent; }  // a setting of the window's design
    bool preview() const { return preview_; }
    void setPreview(bool paa);
    void printPages(bool dialog, int foerste, int sidste);

    // ---- The two numeric settings, roles of the component's own; only reported ----
    void setDisplaySetting(int v);   // 32-bit
    void setDocumentSetting(int v);  // 16-bit

    // ---- Table presets (in force until written again); only the colour is used ----
    void setSettingA(int v);
    void setSettingB(bool v);
    void setBackColor(Farvekode f);
    void setSettingC(int v);
    void setSettingD(int v);
    void setSettingE(int v);
    double currentY() const { return layout_.y(); }  // twips from the top of the page
    void setCurrentY(double twips);

    // ---- Tables ----
    void startTable();
    // The table takes the columns of the format string and the rows given; a row with
    // fewer cells leaves the rest empty. The texts are printed as they stand.
    void addTable(const std::string& format, const std::string& header, const Tabelraekker& raekker,
                  Farvekode farve, int tal, bool flag);
    // One cell (rows and columns from 1).
    void tableCell(Celleindstilling s, int raekke, int kolonne, long long vaerdi);
    // A range; AlleRaekker as the row stands for every row.
    void tableCell(Celleindstilling s, int raekke1, int kolonne1, int raekke2, int kolonne2, long long vaerdi);
    // The whole table.
    void tableCell(Celleindstilling s, long long vaerdi);
    void endTable();  // laid out at the vertical position now in force

    void paragraph(const std::string& tekst);  // "" an empty line

    // ---- The user's side: the view reports a page the user scrolled to ----
    void userPreviewPage(int side);
    // Raised when the user's scrolling has made another page the preview page, so the
    // window's page text can follow it.
    std::function<void()> userPageChanged;

    // ---- Printing ----
    // The progress display of the pages going to a printer or a file.
    Udskriftsforloeb& forloeb() { return forloeb_; }
    // The document's name, for the print job and its progress display: the page
    // header without its line feeds ("Analyseoplysninger for Grusgrav").
    std::string dokumentnavn() const;

    // ---- Read back ----
    const std::vector<Side>& sider() const { return layout_.sider(); }
    const std::vector<TilfoejetTabel>& tilfoejedeTabeller() const { return tilfoejede_; }
    const Sidelayout& layout() const { return layout_; }
    // The text widths of the real font; without one the fixed rule of the layout.
    void setTekstmaal(const Tekstmaal* maal);

    void setVisning(UdskriftVisning* v) { visning_ = v; }
    UdskriftVisning* visning() const { return visning_; }

private:
    void kald(const std::string& k);
    void celle(Celleindstilling s, int r1, int k1, int r2, int k2, long long v);

    StandardTekstmaal standardMaal_;
    Sidelayout layout_;
    Sidehoved hoved_;
    double fontSize_ = 9.75;  // the design's font
    int previewPage_ = 1;
    double zoom_ = 100;
    double zoomStep_ = 10;
    bool preview_ = true;
    Farvekode backColor_ = FarveHvid;
    std::unique_ptr<Tabel> tabel_;  // the table between add and end
    std::vector<TilfoejetTabel> tilfoejede_;
    Udskriftsforloeb forloeb_;
    UdskriftVisning* visning_ = nullptr;
};

// How a call reports a setting and a colour ("Fed", "&H80000004").
const char* IndstillingNavn(Celleindstilling s);
std::string FarveTekst(Farvekode f);
