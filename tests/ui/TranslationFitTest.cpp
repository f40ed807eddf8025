// Every text of every dialog, the main window and the printed pages fits its place in every
// language: measured with the font the control itself draws with, a text wider or taller than
// its control, a control that covers a neighbour, or a window title wider than its title bar, is
// reported with language and text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "app/Language.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CClrData.h"
#include "dialogs/CInfo.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/CTable.h"
#include "ecu/TraceRing.h"
#include "figures/FigureChange.h"
#include "graphs/GraphDisplay.h"
#include "library/Library.h"
#include "library/LibraryReport.h"
#include "librarywindow/DiffView.h"
#include "librarywindow/LibraryWindow.h"
#include "mainwindow/CHaulDlg.h"
#include "mainwindow/LinkTraceView.h"
#include "print/QtPageCanvas.h"
#include "print/core/PageDrawing.h"
#include "report/core/ReportPages.h"
#include "support/SampleData.h"
#include "support/TestSupport.h"
#include "support/window/ScriptedFileUi.h"

namespace {

using Problems = std::vector<std::string>;

std::string text(const QString& s) {
    return s.toStdString();
}

// Room for the text inside a line edit, as QLineEdit lays it out (2 pixels each side).
int lineEditRoom(const QLineEdit* e) {
    QStyleOptionFrame option;
    option.initFrom(e);
    option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e);
    return r.marginsRemoved(e->textMargins()).width() - 4;
}

// The width and height `w` needs for its text, and what it has; nullopt for no text.
std::optional<std::pair<QSize, QSize>> needAndRoom(const QWidget* w) {
    const QFontMetrics fm(w->font());
    if (const auto* e = qobject_cast<const QLineEdit*>(w); e && !e->text().isEmpty()) {
        return std::pair{QSize(fm.horizontalAdvance(e->text()), fm.height()),
                         QSize(lineEditRoom(e), e->height())};
    }
    if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty()) {
        const QRect room =
            l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 100000),
                                           (l->wordWrap() ? Qt::TextWordWrap : 0) | l->alignment() |
                                               (l->buddy() != nullptr ? Qt::TextShowMnemonic : 0),
                                           l->text());
        return std::pair{need.size(), room.size()};
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) {
        if (qobject_cast<const QCheckBox*>(w) != nullptr) {
            return std::pair{b->sizeHint(), b->size()};  // box, spacing and text
        }
        // A push button draws its text inside the frame and the button margin; the program's
        // own buttons draw it over the whole face.
        const bool plain = w->metaObject() == &QPushButton::staticMetaObject;
        const int chrome = plain ? w->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                       2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                                 : 0;
        const QString shown = QString(b->text()).remove(QLatin1Char('&'));
        return std::pair{QSize(fm.horizontalAdvance(shown) + chrome, fm.height()), b->size()};
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w); g && !g->title().isEmpty()) {
        // The title stands in the frame's top edge with a little space on both sides.
        return std::pair{
            QSize(fm.horizontalAdvance(g->title()) + 2 * fm.averageCharWidth(), fm.height()),
            g->size()};
    }
    return std::nullopt;
}

QString shownText(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        return e->text();
    }
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text();
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        return g->title();
    }
    return {};
}

// The window's title fits its title bar. The window manager draws the bar: under the window
// tests, openbox's default theme draws the title in "sans bold 8" (about 12 pixels, whatever the
// program's own font) between the window icon on the left and the iconify, maximize and close
// buttons on the right, each 22 pixels with its spacing, and 12 pixels of margin at each end; a
// longer title is cut in the middle ("Daten zum Lösc... im ECU wählen" in a 327-pixel dialog).
void checkTitle(const QWidget& top, const std::string& where, Problems& problems) {
    QFont bold(top.font().family());
    bold.setPixelSize(12);
    bold.setBold(true);
    const int room = top.width() - 4 * 22 - 2 * 12;
    const int need = QFontMetrics(bold).horizontalAdvance(top.windowTitle());
    if (need > room) {
        std::ostringstream line;
        line << where << ": the title '" << text(top.windowTitle()) << "' needs " << need
             << " in the title bar, has " << room;
        problems.push_back(line.str());
    }
}

// Every visible text control of `top` fits, and no two text controls with the same parent
// overlap (a group box only frames the controls in it); so does its title.
void checkWidgets(QWidget& top, const std::string& where, Problems& problems) {
    top.show();  // lays out what has a layout, polishes the fonts
    checkTitle(top, where, problems);
    const QList<QWidget*> all = top.findChildren<QWidget*>();
    std::vector<const QWidget*> texts;
    for (const QWidget* w : all) {
        if (!w->isVisibleTo(&top)) {
            continue;
        }
        const auto sizes = needAndRoom(w);
        if (!sizes) {
            continue;
        }
        if (qobject_cast<const QGroupBox*>(w) == nullptr) {
            texts.push_back(w);
        }
        const auto& [need, room] = *sizes;
        if (need.width() > room.width() || need.height() > room.height()) {
            std::ostringstream line;
            line << where << ": '" << text(shownText(w)) << "' needs " << need.width() << "x"
                 << need.height() << ", has " << room.width() << "x" << room.height();
            problems.push_back(line.str());
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[i]->parentWidget() == texts[j]->parentWidget() &&
                texts[i]->geometry().intersects(texts[j]->geometry())) {
                problems.push_back(where + ": '" + text(shownText(texts[i])) + "' overlaps '" +
                                   text(shownText(texts[j])) + "'");
            }
        }
    }
}

// Draws like the page renderer and checks each text box against the text's own extent.
class FitCanvas : public hm::PageCanvas {
  public:
    FitCanvas(QPainter& painter, std::string where, Problems& problems)
        : real_(painter, 300, 300), where_(std::move(where)), problems_(problems) {}
    void setBrush(hm::PageColor fill) override { real_.setBrush(fill); }
    void setTextBackground(hm::PageColor background) override {
        real_.setTextBackground(background);
    }
    void setFont(const hm::PageFont& font) override { real_.setFont(font); }
    void rectangle(const hm::PageRect& rect) override { real_.rectangle(rect); }
    void textAt(int x, int y, const std::string& s) override { real_.textAt(x, y, s); }
    hm::PageSize measureText(const std::string& s) override { return real_.measureText(s); }
    void bitmap(const hm::PageRect& rect, hm::PageBitmap b) override { real_.bitmap(rect, b); }
    void textInRect(const hm::PageRect& rect, const std::string& s,
                    hm::TextLayout layout) override {
        real_.textInRect(rect, s, layout);
        noteExtent(rect, s, layout);
        const int width = rect.right - rect.left;
        const int height = rect.top - rect.bottom;
        const int lines = layout == hm::TextLayout::TopLeftWordWrap ? wrappedLines(s, width) : 1;
        const hm::PageSize one = real_.measureText(s);
        const int needWidth = layout == hm::TextLayout::TopLeftWordWrap ? 0 : one.width;
        if (needWidth > width || lines * one.height > height) {
            std::ostringstream line;
            line << where_ << ": '" << s << "' needs " << needWidth << "x" << lines * one.height
                 << ", has " << width << "x" << height;
            problems_.push_back(line.str());
        }
    }

    // No two texts of the page cover each other (a text that runs past its column into the
    // next one's value).
    ~FitCanvas() override {
        for (std::size_t i = 0; i < drawn_.size(); ++i) {
            for (std::size_t j = i + 1; j < drawn_.size(); ++j) {
                if (drawn_[i].first.intersects(drawn_[j].first)) {
                    problems_.push_back(where_ + ": '" + drawn_[i].second + "' overlaps '" +
                                        drawn_[j].second + "'");
                }
            }
        }
    }

  private:
    // Where the text itself lands (y downward): a single line from the left or centred.
    void noteExtent(const hm::PageRect& rect, const std::string& s, hm::TextLayout layout) {
        if (s.find_first_not_of(' ') == std::string::npos) {
            return;
        }
        const hm::PageSize size = real_.measureText(s);
        const QRect box(rect.left, -rect.top, rect.right - rect.left, rect.top - rect.bottom);
        QRect extent(box.left(), box.top(), size.width, size.height);
        if (layout == hm::TextLayout::CenteredSingleLine) {
            extent.moveCenter(box.center());
        } else if (layout == hm::TextLayout::TopLeftWordWrap) {
            extent = box;
        }
        drawn_.emplace_back(extent, s);
    }

    // Lines of `s` wrapped at spaces within `width` (a word longer than a line gets its own).
    int wrappedLines(const std::string& s, int width) {
        int lines = 1;
        std::string current;
        std::istringstream words(s);
        for (std::string word; words >> word;) {
            const std::string candidate = current.empty() ? word : current + " " + word;
            if (!current.empty() && real_.measureText(candidate).width > width) {
                ++lines;
                current = word;
            } else {
                current = candidate;
            }
        }
        return lines;
    }

    hm::QtPageCanvas real_;
    std::vector<std::pair<QRect, std::string>> drawn_;
    std::string where_;
    Problems& problems_;
};

hm::FleetDataImage sampleImage() {
    hm::FleetDataImage image;
    image.clear();
    for (std::size_t k = 0; k < 3; ++k) {
        image.stabilityRecords[k] = hmtest::sampleRecord();
    }
    image.stabilityRecordCount = 3;
    return image;
}

// The report's own pages with everything set: the workshop and details on the cover, every
// findings sentence of both scopes and the change lines on the findings page, the sign-off page.
void checkReportPages(const hm::FleetDataImage& image, QPainter& painter, const std::string& lang,
                      Problems& problems) {
    hm::ReportContext context;
    context.workshop = {"Nordwerk Nutzfahrzeuge GmbH",
                        {"Hafenstr. 3", "20457 Hamburg"},
                        "+49 40 123456",
                        "logo.svg"};
    context.trailer = {"F-17", "HH-NW 4711", "Spedition Meyer", "Left axle pads replaced."};
    context.visitDate = "2026-12-09 14:35";
    context.libraryKnowsTrailer = context.hasPreviousVisit = true;
    context.previousVisit = "2026-06-01 09:00";
    context.changeLines = hm::library::changeLines(hm::figures::changeBetween(image, image));
    std::vector<hm::figures::Finding> findings;
    for (int m = 0; m <= static_cast<int>(hm::figures::MessageId::CountersReset); ++m) {
        for (const auto scope :
             {hm::figures::Scope::Download, hm::figures::Scope::SinceLastVisit}) {
            hm::figures::Finding f;
            f.severity = hm::figures::Severity::Attention;
            f.message = static_cast<hm::figures::MessageId>(m);
            f.scope = scope;
            f.measure = hm::figures::Measure::ShareOf;
            f.value = 123456;
            f.basisKm = 987654;
            f.measured = 99.9;
            findings.push_back(f);
        }
    }
    context.findings = hm::library::reportFindings(findings);
    FitCanvas cover(painter, lang + " report cover with workshop", problems);
    hm::drawReportCover(cover, hm::ReportCover{image, "a.asc", "EB+3", &context});
    FitCanvas findingsPage(painter, lang + " report findings page", problems);
    hm::drawFindingsPage(findingsPage, context);
    FitCanvas signOff(painter, lang + " report sign-off page", problems);
    hm::drawSignOffPage(signOff);
}

void checkPages(const std::string& lang, Problems& problems) {
    const hm::FleetDataImage image = sampleImage();
    QImage paper(2480, 3508, QImage::Format_RGB32);  // A4 at 300 dpi
    QPainter painter(&paper);
    for (int g = 1; g <= 10; ++g) {
        hm::GraphDisplayRecord record;
        uint32_t intervals = 0;
        hm::computeGraphDisplay(image, g, record, intervals);
        FitCanvas canvas(painter, lang + " graph page " + std::to_string(g), problems);
        hm::drawPage(canvas,
                     hm::PageInputs{image, record, hm::PageKind::Graph, 0, "a.asc", intervals});
    }
    hm::GraphDisplayRecord none;
    FitCanvas record(painter, lang + " stability page", problems);
    hm::drawPage(record, hm::PageInputs{image, none, hm::PageKind::Stability, 0, "a.asc", 0});
    FitCanvas cover(painter, lang + " report cover", problems);
    hm::drawReportCover(cover, hm::ReportCover{image, "a.asc", "EB+3"});
    checkReportPages(image, painter, lang, problems);
}

void checkDialogs(const std::string& lang, Problems& problems) {
    hm::CAboutDlg about;
    checkWidgets(about, lang + " about box", problems);
    for (int level : {0, 1, 2}) {
        hm::CClrData erase(static_cast<hm::ecu::SupportLevel>(level));
        checkWidgets(erase, lang + " erase dialog", problems);
    }
    for (int g = 1; g <= 10; ++g) {
        hm::CInfo info(hmtest::sampleInterimValues(g));
        checkWidgets(info, lang + " information of graph " + std::to_string(g), problems);
    }
    hm::CTable table(sampleImage(), nullptr);
    checkWidgets(table, lang + " stability dialog", problems);
    hm::ecu::TraceRing ring;
    hm::LinkTraceView trace(ring);
    checkWidgets(trace, lang + " link trace", problems);
    hm::SettingsFacts facts;
    facts.libraryEditable = true;
    facts.settingsPath = "/home/user/.config/haulmetry/haulmetry.ini";
    facts.defaultDataFolder = "/home/user/Documents/Haulmetry/Vehicle Data Files";
    facts.librarySettingsPath = "/home/user/.config/haulmetry/library.conf";
    facts.libraryInUse = "/home/user/.local/share/haulmetry/library.sqlite";
    facts.librarySource = hm::LibrarySource::Environment;
    facts.logoProblem = [](const std::string&) { return std::string("The logo cannot be used."); };
    hm::SettingsValues values;
    values.library.workshopLogo = "/srv/logo.svg";
    hm::CSettingsDlg settings(values, facts);
    for (int page = 0; page < settings.pages()->count(); ++page) {
        settings.pages()->setCurrentIndex(page);
        checkWidgets(settings, lang + " settings window, page " + std::to_string(page + 1),
                     problems);
    }
}

// The library window with a trailer of two visits: the fleet, the history and the difference
// of a counting graph and of a graph of averages.
void checkLibraryWindow(const std::string& lang, Problems& problems) {
    hmtest::TempDir dir;
    const hm::library::Location location =
        hm::library::sqliteLocation((dir / "lib.sqlite").string());
    std::string error;
    auto lib = hm::library::Library::open(location, error);
    ASSERT_TRUE(lib) << error;
    hm::FleetDataImage image = sampleImage();
    std::memcpy(image.signature, hm::kSignature, sizeof image.signature);
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent("TRL1", 4);
    image.brakeCountByPressure[2] = 10;
    ASSERT_TRUE(lib->recordLoad(image, "a.asc").ok);
    image.brakeCountByPressure[2] = 5;  // erased between the visits: the longest note
    ASSERT_TRUE(lib->recordDownload(image).ok);
    lib.reset();
    hm::LibraryWindow window({location, {}, {}, {}});
    QSignalSpy replied(&window, &hm::LibraryWindow::replied);
    while (replied.size() < 3 && replied.wait(5000)) {
    }
    for (int g : {2, 1}) {
        window.diffView()->setGraph(g);
        checkWidgets(window, lang + " library window, graph " + std::to_string(g), problems);
    }
}

void checkMainWindow(const std::string& lang, Problems& problems) {
    hmtest::TempDir dir;
    hm::CHaulDlg::Options options;
    options.session.settingsPath = (dir.path() / "haulmetry.ini").string();
    options.session.startTicks = false;
    hm::CHaulDlg window(options);
    hmtest::scriptAnswers(window);
    for (int g = 0; g <= 10; ++g) {
        window.session().showGraph(g);
        checkWidgets(window, lang + " main window, graph " + std::to_string(g), problems);
    }
}

TEST(TranslationFit, EveryTextFitsInEveryLanguage) {
    QStringList languages = hm::availableLanguages();
    ASSERT_GE(languages.size(), 6) << "translations not built";
    languages.prepend(QStringLiteral("en"));
    Problems problems;
    for (const QString& language : std::as_const(languages)) {
        hm::setRequestedLanguage(language);
        QString error;
        ASSERT_TRUE(hm::installLanguage(error)) << error.toStdString();
        const std::string lang = language.toStdString();
        checkDialogs(lang, problems);
        checkMainWindow(lang, problems);
        checkLibraryWindow(lang, problems);
        checkPages(lang, problems);
    }
    hm::setRequestedLanguage(std::nullopt);
    hm::uninstallLanguage();
    for (const std::string& p : problems) {
        ADD_FAILURE() << p;
    }
    std::cout << languages.size() << " languages checked, " << problems.size()
              << " texts that do not fit\n";
}

}  // namespace
