// The results window over a run's store: the lists, grids, captions and charts the
// person sees, the chart canvas on QPainter, and the font-size track bar of the wall
// figure.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_colours.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "ui/chart_widget.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"

namespace stelvar::ui {
namespace {

// A QPainter canvas that also counts what the renderer asked of it.
class CountingCanvas final : public QPainterCanvas {
public:
    using QPainterCanvas::QPainterCanvas;
    void Polyline(std::span<const CanvasPoint> points) override {
        if (points.size() >= 2) ++Polylines;
        QPainterCanvas::Polyline(points);
    }
    void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) override {
        Texts.emplace_back(text);
        QPainterCanvas::Text(at, text, align, base);
    }
    int Polylines = 0;
    std::vector<std::string> Texts;
};

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

int CountNonWhite(const QImage& image, const QRect& area) {
    const int all = (area.width()) * (area.height());
    return all - CountPixels(image, area, Qt::white);
}

// ---------------------------------------------------------------------------------
// The canvas

TEST(QPainterCanvas, SystemFontNamesMapToInstalledJapaneseFaces) {
    const struct {
        const char* System;
        const char* Face;
    } cases[] = {
        {"ＭＳ Ｐゴシック", "Noto Sans CJK JP"},   {"ＭＳ Ｐ明朝", "Noto Serif CJK JP"},
        {"ＭＳ 明朝", "Noto Serif CJK JP"},       {"ＭＳ ゴシック", "Noto Sans Mono CJK JP"},
        {"Noto Sans CJK JP", "Noto Sans CJK JP"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtFontFamily(c.System), QString::fromUtf8(c.Face)) << c.System;
        // The face is really there: the font resolves to it, not to a fallback.
        EXPECT_EQ(QFontInfo(QtFont(c.System, 12)).family(), QString::fromUtf8(c.Face)) << c.System;
    }
}

TEST(QPainterCanvas, ListFontKeepsFullWidthTwiceHalfWidth) {
    // The report lines are aligned with spaces on this assumption.
    const QFontMetricsF m(QtFont("ＭＳ ゴシック", 12));
    const double half = m.horizontalAdvance(QStringLiteral("0"));
    EXPECT_GT(half, 0);
    for (const char* s : {" ", "a", ".", "ﾓ", "ｰ"})
        EXPECT_DOUBLE_EQ(m.horizontalAdvance(QString::fromUtf8(s)), half) << s;
    // (Greek letters are narrower in this face: the list draws them in two cells itself.)
    for (const char* s : {"擁", "．", "　", "①", "Ⅲ", "～"})
        EXPECT_DOUBLE_EQ(m.horizontalAdvance(QString::fromUtf8(s)), 2 * half) << s;
}

TEST(QPainterCanvas, ColoursAndPenStyles) {
    EXPECT_EQ(ToQColor(report_colours::clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(report_colours::clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(clMaroon), QColor(128, 0, 0));
    EXPECT_EQ(ToQColor(clWindow), QColor(255, 255, 255));
    EXPECT_EQ(ToQColor(clWindowText), QColor(0, 0, 0));

    QImage image = WhiteImage(100, 40);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        canvas.SetPen({report_colours::clRed, 1, PenStyle::Solid});
        canvas.Line({0, 10}, {100, 10});
        canvas.SetPen({report_colours::clBlue, 1, PenStyle::Dash});
        canvas.Line({0, 20}, {100, 20});
        canvas.SetPen({clBlack, 1, PenStyle::None});
        canvas.Rectangle({10, 25, 30, 35}, report_colours::clLime);
    }
    EXPECT_EQ(CountPixels(image, QRect(0, 10, 100, 1), Qt::red), 100);
    const int dashed = CountPixels(image, QRect(0, 20, 100, 1), Qt::blue);
    EXPECT_GT(dashed, 30);
    EXPECT_LT(dashed, 90);  // gaps between the dashes
    // A fill without an outline: green inside, no black anywhere.
    EXPECT_EQ(image.pixelColor(20, 30), QColor(0, 255, 0));
    EXPECT_EQ(CountPixels(image, image.rect(), Qt::black), 0);
}

TEST(QPainterCanvas, ClipLimitsDrawingUntilReset) {
    QImage image = WhiteImage(100, 100);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        canvas.SetPen({clBlack, 1, PenStyle::Solid});
        canvas.SetClip({20, 0, 60, 100});
        const CanvasPoint diagonal[] = {{0, 50}, {100, 50}};
        canvas.Polyline(diagonal);
        canvas.ResetClip();
        canvas.Line({0, 80}, {100, 80});
    }
    EXPECT_EQ(CountNonWhite(image, QRect(0, 50, 19, 1)), 0);
    EXPECT_EQ(CountNonWhite(image, QRect(61, 50, 39, 1)), 0);
    EXPECT_GT(CountNonWhite(image, QRect(21, 50, 38, 1)), 30);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 80, 100, 1)), 100);
}

TEST(QPainterCanvas, TextStandsWhereItsAlignmentAndBaseSay) {
    QImage image = WhiteImage(200, 200);
    double width = 0;
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        CanvasFont font;
        font.Height = 20;
        canvas.SetFont(font);
        width = canvas.TextWidth("擁壁");
        EXPECT_NEAR(width, 40, 1);  // two full-width characters of a 20-pixel em
        canvas.Text({100, 50}, "擁壁", TextAlign::Right, TextBase::Top);
        canvas.Text({100, 150}, "擁壁", TextAlign::Left, TextBase::Bottom);
    }
    // Right-aligned from its top: left of x = 100, below y = 50, within the em.
    EXPECT_GT(CountNonWhite(image, QRect(60, 50, 40, 20)), 20);
    EXPECT_EQ(CountNonWhite(image, QRect(100, 30, 100, 45)), 0);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 30, 200, 19)), 0);
    // Left-aligned on its bottom: right of x = 100, above y = 150.
    EXPECT_GT(CountNonWhite(image, QRect(100, 130, 40, 20)), 20);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 151, 200, 20)), 0);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 120, 99, 40)), 0);
}

// ---------------------------------------------------------------------------------
// The window over a run of the default gravity wall

class ResultsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.SetUp(0);
        RunWithReport(form.Controls(), store, "test");
        window.Refresh();
    }

    template <class W>
    W* Find(const char* name) {
        W* w = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    ResultsStore store;
    ResultsWindow window{store};
    DesignConditionsForm form;
};

TEST_F(ResultsWindowTest, WindowCarriesEveryPageAndControlByName) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("計算結果"));
    EXPECT_EQ(window.size(), QSize(891, 553));
    const struct {
        const char* Tabs;
        std::vector<std::pair<const char*, const char*>> Pages;
    } tabs[] = {
        {"PageControl1",
         {{"TabSheet6", "Ⅰ．設計条件"},
          {"TabSheet1", "Ⅱ-1．荷重計算"},
          {"TabSheet8", "Ⅱ-2．荷重計算"},
          {"TabSheet2", "Ⅲ-1．安定計算"},
          {"TabSheet7", "Ⅲ-2．荷重図"},
          {"TabSheet5", "Ⅳ-1．構造(たて壁)"},
          {"TabSheet12", "Ⅳ-2．構造(底版)"}}},
        {"PageControl8", {{"TabSheet21", "目次"}, {"TabSheet22", "設計条件"}}},
        {"PageControl4", {{"TabSheet9", "安定計算用"}, {"TabSheet11", "底版構造計算用"}}},
        {"PageControl2", {{"TabSheet3", "断面力"}, {"TabSheet4", "応力度"}}},
        {"PageControl5", {{"TabSheet13", "つま先版"}, {"TabSheet14", "かかと版"}, {"TabSheet15", "突起"}}},
    };
    for (const auto& t : tabs) {
        auto* w = Find<QTabWidget>(t.Tabs);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(w->count(), static_cast<int>(t.Pages.size())) << t.Tabs;
        for (int i = 0; i < w->count(); ++i) {
            EXPECT_EQ(w->widget(i)->objectName(), QString::fromLatin1(t.Pages[i].first));
            EXPECT_EQ(w->tabText(i), QString::fromUtf8(t.Pages[i].second));
        }
    }
    // The set-up opens the load page and the section-force page.
    EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(Find<QTabWidget>("PageControl2")->currentWidget()->objectName(), "TabSheet3");
    for (const char* list : {"ListBox20", "ListBox7", "ListBox10", "ListBox6", "ListBox21",
                             "ListBox1", "ListBox2", "ListBox3", "ListBox4", "ListBox5",
                             "ListBox23", "ListBox12", "ListBox8", "ListBox19", "ListBox14",
                             "ListBox9", "ListBox11", "ListBox13"})
        Find<QListWidget>(list);
    for (std::string_view grid : kResultGrids) Find<QTableWidget>(std::string(grid).c_str());
    for (const char* chart : {"Chart2", "Chart4", "Chart12", "Chart5", "Chart11", "Chart1",
                              "Chart3", "Chart6", "Chart7", "Chart8"})
        Find<ChartWidget>(chart);
}

TEST_F(ResultsWindowTest, RefreshShowsTheStoresListsAndGrids) {
    for (const char* name : {"ListBox7", "ListBox3", "ListBox14"}) {
        const auto& lines = store.List(name).Lines;
        ASSERT_FALSE(lines.empty()) << name;
        QListWidget* view = window.ListBox(name);
        ASSERT_EQ(view->count(), static_cast<int>(lines.size())) << name;
        for (int i = 0; i < view->count(); ++i)
            EXPECT_EQ(FromQString(view->item(i)->text()), lines[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(QFontInfo(window.ListBox("ListBox7")->font()).family(), "Noto Sans Mono CJK JP");

    const StringGridContent& grid = store.Grid("StringGrid6");
    QTableWidget* view = window.Grid("StringGrid6");
    ASSERT_EQ(view->rowCount(), grid.RowCount);
    ASSERT_EQ(view->columnCount(), grid.ColCount);
    for (int row = 0; row < grid.RowCount; ++row)
        for (int col = 0; col < grid.ColCount; ++col)
            EXPECT_EQ(FromQString(view->item(row, col)->text()), grid.Cell(col, row)) << row << "," << col;
    EXPECT_EQ(FromQString(view->item(0, 1)->text()), "鉛直力V");
    EXPECT_EQ(FromQString(view->item(8, 0)->text()), "合計");
    EXPECT_NE(grid.Cell(1, 1), std::string(kNoValueText));  // the run wrote the self-weight
    for (int col = 0; col < grid.ColCount; ++col) EXPECT_EQ(view->columnWidth(col), grid.ColWidth(col));
    EXPECT_EQ(view->columnWidth(5), 64);
    EXPECT_EQ(view->rowHeight(3), 18) << view->verticalHeader()->minimumSectionSize();

    // A later run that writes less leaves nothing of the earlier one.
    store.List("ListBox7").Clear();
    store.Grid("StringGrid6").SetCell(1, 1, "X");
    window.Refresh();
    EXPECT_EQ(window.ListBox("ListBox7")->count(), 0);
    EXPECT_EQ(view->item(1, 1)->text(), "X");
}

// Where the right edge of the block ending each shown line stands, in pixels from the list's left edge.
std::vector<int> BarColumns(QListWidget& list) {
    list.doItemsLayout();
    const QImage image = list.viewport()->grab().toImage();
    std::vector<int> columns;
    for (int row = 0; row < list.count(); ++row) {
        const QRect item = list.visualItemRect(list.item(row));
        int found = -1;
        for (int x = item.left(); x < image.width(); ++x)
            for (int y = item.top(); y <= item.bottom(); ++y)
                if (image.pixelColor(x, y).lightness() < 128) found = x;
        columns.push_back(found);
    }
    return columns;
}

TEST_F(ResultsWindowTest, ListLinesKeepTheirColumnsWhateverTheCharacters) {
    // Greek letters and symbols count two half-width cells, as in the report's own
    // column counting, even where the face draws them narrower.
    store.List("ListBox20").Lines = {"擁擁■", "γσ■", "ab･c■", "μ・■", "φΣ■", "　  ■"};
    window.Refresh();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
    window.show();
    QListWidget* list = window.ListBox("ListBox20");
    const std::vector<int> bars = BarColumns(*list);
    ASSERT_EQ(bars.size(), 6u);
    EXPECT_GT(bars[0], 0);
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_NEAR(bars[i], bars[0], 1) << i;
    window.hide();
}

TEST_F(ResultsWindowTest, VerdictCaptionsAndNotesShowInTheirColours) {
    for (const char* name : {"GroupBox24", "GroupBox22", "GroupBox23", "GroupBox33"}) {
        const ResultsStore::Caption& caption = store.GetCaption(name);
        auto* box = Find<QGroupBox>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(FromQString(box->title()), caption.Text) << name;
        const bool ok = caption.Text.find("( OK )") != std::string::npos;
        EXPECT_EQ(box->palette().color(QPalette::WindowText), ok ? QColor(0, 0, 255) : QColor(255, 0, 0))
            << caption.Text;
    }
    EXPECT_EQ(FromQString(Find<QGroupBox>("GroupBox24")->title()), "1.滑動に対する安定( OK )");
    EXPECT_EQ(FromQString(Find<QLabel>("Label24")->text()), kLoadNote1);
    EXPECT_EQ(FromQString(Find<QLabel>("Label26")->text()), kLoadNote2);
}

// The column widths are the document's and the grid face is wider than the one they
// were made for: no cell may lose the end of its text ("H=3.00m", "130.77kNm",
// "-0.03N/mm2"). Walls in one window one after the other, as a person runs them.
TEST(ResultsWindowGrids, EveryCellTextFitsItsColumn) {
    DesignConditionsForm leaning;
    leaning.SetIndex("PageControl2", 1);
    DesignConditionsForm wet;
    wet.SetChecked("CheckBox3", true);
    DesignConditionsForm keyed;
    keyed.SetIndex("RadioGroup2", 1);
    keyed.SetText("Edit35", "1000");
    keyed.SetText("Edit40", "400");
    keyed.SetText("Edit41", "300");
    DesignConditionsForm seismicLeaning = leaning;
    seismicLeaning.SetIndex("RadioGroup5", 1);
    seismicLeaning.SetText("Edit61", "0.2");
    const struct {
        const char* What;
        DesignConditionsForm Form;
    } walls[] = {{"default gravity wall", DesignConditionsForm{}},
                 {"leaning wall", leaning},
                 {"gravity wall with water", wet},
                 {"gravity wall with a key", keyed},
                 {"seismic leaning wall", seismicLeaning}};

    ResultsStore store;
    ResultsWindow window(store);
    window.SetUp(0);
    const QFont gridFont = window.Grid("StringGrid1")->font();
    bool condensed = false;
    for (const auto& w : walls) {
        SCOPED_TRACE(w.What);
        RunWithReport(w.Form.Controls(), store, "test");
        window.Refresh();
        for (std::string_view name : kResultGrids) {
            QTableWidget* view = window.Grid(name);
            ASSERT_NE(view, nullptr) << name;
            for (int col = 0; col < view->columnCount(); ++col) {
                const int room = GridTextRoom(view->columnWidth(col));
                for (int row = 0; row < view->rowCount(); ++row) {
                    const QTableWidgetItem* item = view->item(row, col);
                    ASSERT_NE(item, nullptr);
                    const QFont font = item->font();
                    EXPECT_EQ(font.pixelSize(), gridFont.pixelSize());  // the default size, not smaller
                    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(item->text()), room)
                        << name << " (" << col << ", " << row << ") " << FromQString(item->text());
                    condensed = condensed || font.stretch() < gridFont.stretch();
                    EXPECT_TRUE(item->toolTip().isEmpty());  // nothing left to show whole
                }
            }
        }
    }
    EXPECT_TRUE(condensed) << "the stem tables' depths need a narrower face";
    // A text that fits the face as it is keeps it: the slab force table's column 1.
    EXPECT_EQ(window.Grid("StringGrid11")->item(0, 1)->font().stretch(), gridFont.stretch());
}

TEST(ResultsWindowBeforeRun, ShowsTheSetUpTablesAndPlainCaptions) {
    ResultsStore store;
    ResultsWindow window(store);
    window.SetUp(0);
    EXPECT_EQ(FromQString(window.findChild<QGroupBox*>("GroupBox24")->title()), "1．滑動に対する安定");
    EXPECT_EQ(FromQString(window.Grid("StringGrid1")->item(5, 0)->text()), "合計");
    EXPECT_EQ(window.Grid("StringGrid1")->rowCount(), 6);
    EXPECT_EQ(window.ListBox("ListBox7")->count(), 0);
    // Charts without points still draw their frame without failing.
    EXPECT_FALSE(window.ChartView("Chart1")->grab().isNull());

    // Set up while the leaning wall is selected, the stem tables have its extra row.
    ResultsWindow leaning(store);
    leaning.SetUp(1);
    EXPECT_EQ(leaning.Grid("StringGrid5")->rowCount(), 7);
    EXPECT_EQ(FromQString(leaning.Grid("StringGrid5")->item(5, 0)->text()), "壁面地盤反力");
    EXPECT_EQ(leaning.Grid("StringGrid5")->columnWidth(0), 75);
}

TEST(ResultsWindowBeforeRun, ShowsItselfBesideTheDesignConditionsWindow) {
    ResultsStore store;
    QWidget designWindow;
    designWindow.move(100, 50);
    ResultsWindow window(store);
    window.SetUp(0, &designWindow);
    window.hide();
    designWindow.move(300, 200);  // moved since: the next showing follows it
    window.show();
    EXPECT_EQ(window.pos(), QPoint(308, 227));
    window.hide();
}

TEST_F(ResultsWindowTest, ChartsDrawTheirSeriesAndLabels) {
    for (const char* name : {"Chart2", "Chart1", "Chart11", "Chart3"}) {
        ChartWidget* chart = window.ChartView(name);
        ASSERT_NE(chart, nullptr);
        QImage image = WhiteImage(chart->width(), chart->height());
        int polylines = 0;
        std::vector<std::string> texts;
        {
            QPainter painter(&image);
            CountingCanvas canvas(painter);
            chart->Draw(canvas);
            polylines = canvas.Polylines;
            texts = canvas.Texts;
        }
        EXPECT_GT(polylines, 0) << name;
        EXPECT_EQ(texts.at(0), store.GetChart(name).Title) << name;
        // More than the title and the axis numbers: point labels are drawn too.
        EXPECT_GT(texts.size(), 10u) << name;
        // And on the widget itself the lines and texts show.
        const QImage shown = chart->grab().toImage();
        EXPECT_GT(CountNonWhite(shown, shown.rect()), 500) << name;
    }
}

TEST_F(ResultsWindowTest, TrackBarSizesTheDimensionMarksAndKeepsItOverRuns) {
    QSlider* bar = Find<QSlider>("TrackBar2");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 5);
    EXPECT_EQ(bar->maximum(), 15);
    EXPECT_EQ(bar->value(), 9);
    EXPECT_EQ(bar->toolTip(), QStringLiteral("フォントサイズ変更"));

    const Chart& figure = store.GetChart("Chart2");
    ASSERT_TRUE(figure.Has("Series23"));
    bar->setValue(14);
    EXPECT_EQ(figure.Get("Series23").Font.Size, 14);
    EXPECT_EQ(figure.Get("Series25").Font.Size, 14);
    for (const ChartSeries& s : figure.Series)
        if (s.Name == "Series15" || s.Name == "Series21") {
            EXPECT_EQ(s.Font.Size, 9) << s.Name;
        }

    // Larger marks draw a wider label.
    ChartWidget* chart = window.ChartView("Chart2");
    auto labelFontHeights = [&] {
        QImage image = WhiteImage(chart->width(), chart->height());
        QPainter painter(&image);
        struct Recorder final : QPainterCanvas {
            using QPainterCanvas::QPainterCanvas;
            void SetFont(const CanvasFont& f) override {
                Heights.push_back(f.Height);
                QPainterCanvas::SetFont(f);
            }
            std::vector<int> Heights;
        } canvas(painter);
        chart->Draw(canvas);
        return canvas.Heights;
    };
    const std::vector<int> heights = labelFontHeights();
    EXPECT_NE(std::find(heights.begin(), heights.end(), 19), heights.end());  // 14 pt

    // A new run writes the figure again; the size chosen stays.
    RunWithReport(form.Controls(), store, "test");
    window.Refresh();
    EXPECT_EQ(store.GetChart("Chart2").Get("Series24").Font.Size, 14);
}

// Each page as a person sees it, saved when a directory is named (for looking at).
TEST_F(ResultsWindowTest, EveryPageRenders) {
    const char* dir = std::getenv("STELVAR_SCREENSHOT_DIR");
    auto* pages = Find<QTabWidget>("PageControl1");
    window.show();
    int shot = 0;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QList<QTabWidget*> inner = pages->widget(i)->findChildren<QTabWidget*>();
        const int innerCount = inner.isEmpty() ? 1 : inner.front()->count();
        for (int j = 0; j < innerCount; ++j) {
            if (!inner.isEmpty()) inner.front()->setCurrentIndex(j);
            const QImage image = window.grab().toImage();
            ASSERT_FALSE(image.isNull());
            if (dir != nullptr)
                image.save(QStringLiteral("%1/results_%2.png").arg(QString::fromLocal8Bit(dir)).arg(++shot, 2, 10, QChar('0')));
        }
    }
    window.hide();
}

}  // namespace
}  // namespace stelvar::ui
