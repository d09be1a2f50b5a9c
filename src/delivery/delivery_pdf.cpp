#include "delivery/delivery_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <utility>

#include "documents/file_io.h"
#include "documents/page_painter.h"
#include "documents/pair_export.h"
#include "pdf/pdf_export.h"
#include "report/chart_renderer.h"

namespace stelvar {
namespace {

// ---------------------------------------------------------------------------------------
// The page on a cairo context in page pixels, placed by PaintPrintedPage as the preview
// places it.

// A4 in PDF points.
constexpr double kSheetWidth = 595.2756;
constexpr double kSheetHeight = 841.8898;

// The chart canvas places a text by its em box: the Japanese faces stand 0.88 em above
// their base line and 0.12 em below it.
constexpr double kEmAboveBase = 0.88;
constexpr double kEmBelowBase = 0.12;

// The installed face for a font the system names, with the proportional Japanese face
// behind it, never a face without Japanese glyphs.
std::string FontFamilies(std::string_view systemName) {
    std::string family;
    if (systemName == "ＭＳ Ｐゴシック")
        family = "Noto Sans CJK JP";
    else if (systemName == "ＭＳ Ｐ明朝" || systemName == "ＭＳ 明朝")
        family = "Noto Serif CJK JP";
    else if (systemName == "ＭＳ ゴシック")
        family = "Noto Sans Mono CJK JP";
    else
        family = std::string(systemName);
    return family + ",Noto Sans CJK JP";
}

struct Rgb {
    double R = 0, G = 0, B = 0;
};

// An RGB colour with red in the low byte; the system colours as the windows show them.
Rgb ToRgb(Colour colour) {
    const std::uint32_t v = colour.Value;
    if ((v >> 24) == 0xFF) {
        switch (v & 0xFFu) {
            case 5: return {1, 1, 1};
            case 15: return {240 / 255.0, 240 / 255.0, 240 / 255.0};
            default: return {0, 0, 0};
        }
    }
    return {(v & 0xFFu) / 255.0, ((v >> 8) & 0xFFu) / 255.0, ((v >> 16) & 0xFFu) / 255.0};
}

void SetColour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.R, c.G, c.B); }

// Texts set with pango in the faces of the preview. One layout serves every text; the
// font descriptions are kept per face and height.
class TextSetter {
public:
    explicit TextSetter(cairo_t* cr) : cr_(cr), layout_(pango_cairo_create_layout(cr)) {
        // Outline metrics, unhinted and unrounded: the advances are the font's, as the
        // preview measures them, whatever the scale of the page.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        PangoContext* context = pango_layout_get_context(layout_);
        pango_cairo_context_set_font_options(context, options);
        pango_context_set_round_glyph_positions(context, FALSE);
        cairo_font_options_destroy(options);
        pango_layout_context_changed(layout_);
    }
    TextSetter(const TextSetter&) = delete;
    TextSetter& operator=(const TextSetter&) = delete;
    ~TextSetter() {
        for (auto& [key, desc] : fonts_) pango_font_description_free(desc);
        g_object_unref(layout_);
    }

    void SetFont(std::string_view systemName, int pixelHeight, bool bold = false) {
        const int height = pixelHeight > 0 ? pixelHeight : 1;
        const std::string key = std::string(systemName) + '/' + std::to_string(height) + (bold ? "b" : "");
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            PangoFontDescription* desc = pango_font_description_new();
            pango_font_description_set_family(desc, FontFamilies(systemName).c_str());
            pango_font_description_set_absolute_size(desc, height * static_cast<double>(PANGO_SCALE));
            pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
            it = fonts_.emplace(key, desc).first;
        }
        pango_layout_set_font_description(layout_, it->second);
    }

    double Width(std::string_view text) {
        Use(text);
        PangoRectangle logical;
        pango_layout_get_extents(layout_, nullptr, &logical);
        return logical.width / static_cast<double>(PANGO_SCALE);
    }

    // The text with its base line's start at (x, y) of the current user space. The
    // layout stays shaped in user space (its context keeps the identity matrix of the
    // sheet it was made on): cairo then sets the glyphs through the current transform,
    // shapes and places alike, so that a line set narrower is narrower in both. Told the
    // transform, pango would place the glyphs narrower but draw them at full width.
    void Draw(double x, double y, std::string_view text) {
        Use(text);
        const double baseline = pango_layout_get_baseline(layout_) / static_cast<double>(PANGO_SCALE);
        cairo_move_to(cr_, x, y - baseline);
        pango_cairo_show_layout(cr_, layout_);
        cairo_new_path(cr_);
    }

private:
    void Use(std::string_view text) {
        pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
    }

    cairo_t* cr_;
    PangoLayout* layout_;
    std::map<std::string, PangoFontDescription*> fonts_;
};

// The chart canvas on cairo, as the preview's canvas draws: pens of whole pixels with
// flat ends and the dash patterns of the preview, texts by their em box.
class CairoCanvas : public Canvas {
public:
    CairoCanvas(cairo_t* cr, TextSetter& text) : cr_(cr), text_(text) { SetFont(CanvasFont{}); }

    void SetPen(const Pen& pen) override { pen_ = pen; }

    void Line(CanvasPoint from, CanvasPoint to) override {
        if (!UseLinePen()) return;
        cairo_move_to(cr_, from.X, from.Y);
        cairo_line_to(cr_, to.X, to.Y);
        cairo_stroke(cr_);
    }

    void Polyline(std::span<const CanvasPoint> points) override {
        if (points.size() < 2 || !UseLinePen()) return;
        cairo_move_to(cr_, points[0].X, points[0].Y);
        for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].X, points[i].Y);
        cairo_stroke(cr_);
    }

    void Rectangle(const CanvasRect& rect, std::optional<Colour> fill) override {
        if (fill) {
            SetColour(cr_, ToRgb(*fill));
            cairo_rectangle(cr_, rect.Left, rect.Top, rect.Width(), rect.Height());
            cairo_fill(cr_);
        }
        if (!UseLinePen()) return;
        cairo_rectangle(cr_, rect.Left, rect.Top, rect.Width(), rect.Height());
        cairo_stroke(cr_);
    }

    void SetFont(const CanvasFont& font) override {
        font_ = font;
        font_.Height = font.Height > 0 ? font.Height : 1;
    }

    void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) override {
        const double width = TextWidth(text);
        double dx = 0;
        if (align == TextAlign::Centre) dx = -width / 2;
        if (align == TextAlign::Right) dx = -width;
        double dy = 0;
        if (base == TextBase::Top) dy = kEmAboveBase * font_.Height;
        if (base == TextBase::Bottom) dy = -kEmBelowBase * font_.Height;
        cairo_save(cr_);
        SetColour(cr_, ToRgb(font_.FontColour));
        cairo_translate(cr_, at.X, at.Y);
        if (font_.Angle % 360 != 0) cairo_rotate(cr_, -font_.Angle * std::numbers::pi / 180.0);
        text_.SetFont(font_.Name, font_.Height, font_.Bold);
        text_.Draw(dx, dy, text);
        cairo_restore(cr_);
    }

    double TextWidth(std::string_view text) const override {
        text_.SetFont(font_.Name, font_.Height, font_.Bold);
        return text_.Width(text);
    }

    void SetClip(const CanvasRect& rect) override {
        cairo_reset_clip(cr_);
        cairo_rectangle(cr_, rect.Left, rect.Top, rect.Width(), rect.Height());
        cairo_clip(cr_);
    }
    void ResetClip() override { cairo_reset_clip(cr_); }

private:
    // Sets the pen on the context; false for no pen.
    bool UseLinePen() {
        if (pen_.Style == PenStyle::None) return false;
        const double w = pen_.Width > 0 ? pen_.Width : 1;
        SetColour(cr_, ToRgb(pen_.PenColour));
        cairo_set_line_width(cr_, w);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
        // The preview's patterns, in pen widths.
        static constexpr double kDash[] = {4, 2};
        static constexpr double kDot[] = {1, 2};
        static constexpr double kDashDot[] = {4, 2, 1, 2};
        std::span<const double> pattern;
        if (pen_.Style == PenStyle::Dash) pattern = kDash;
        if (pen_.Style == PenStyle::Dot) pattern = kDot;
        if (pen_.Style == PenStyle::DashDot) pattern = kDashDot;
        double dashes[4];
        for (std::size_t i = 0; i < pattern.size(); ++i) dashes[i] = pattern[i] * w;
        cairo_set_dash(cr_, dashes, static_cast<int>(pattern.size()), 0);
        return true;
    }

    cairo_t* cr_;
    TextSetter& text_;
    Pen pen_;
    CanvasFont font_;
};

// The page placement (documents/page_painter.h) on cairo in page pixels.
class CairoPageSurface : public PageSurface {
public:
    CairoPageSurface(cairo_t* cr, TextSetter& text) : cr_(cr), text_(text) {}

    void Rule(CanvasPoint from, CanvasPoint to) override {
        UseRulePen();
        cairo_move_to(cr_, from.X, from.Y);
        cairo_line_to(cr_, to.X, to.Y);
        cairo_stroke(cr_);
    }
    void RuleRectangle(const CanvasRect& rect) override {
        UseRulePen();
        cairo_rectangle(cr_, rect.Left, rect.Top, rect.Width(), rect.Height());
        cairo_stroke(cr_);
    }
    void SetFont(std::string_view systemName, int pixelHeight) override { text_.SetFont(systemName, pixelHeight); }
    double TextWidth(std::string_view text) override { return text_.Width(text); }
    void Text(std::string_view text, CanvasPoint at, CanvasPoint origin, double narrower) override {
        cairo_save(cr_);
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_translate(cr_, origin.X, origin.Y);
        if (narrower != 1.0) cairo_scale(cr_, narrower, 1.0);
        text_.Draw(at.X, at.Y, text);
        cairo_restore(cr_);
    }
    void WithCanvasAt(double left, double top, const std::function<void(Canvas&)>& draw) override {
        cairo_save(cr_);
        cairo_translate(cr_, left, top);
        CairoCanvas canvas(cr_, text_);
        draw(canvas);
        cairo_restore(cr_);
    }

private:
    void UseRulePen() {
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_set_line_width(cr_, 1.0);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
        cairo_set_dash(cr_, nullptr, 0, 0);
    }

    cairo_t* cr_;
    TextSetter& text_;
};

// A4 in PDF points holds the page's pixels at 72/96, less a hair so that the height fits
// exactly as the printer's page does.
void PaintPage(cairo_t* cr, TextSetter& text, const PrintedPage& page) {
    const double scale = std::min(kSheetWidth / kPrintedPageWidth, kSheetHeight / kPrintedPageHeight);
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, kPrintedPageWidth, kPrintedPageHeight);
    cairo_clip(cr);
    CairoPageSurface surface(cr, text);
    PaintPrintedPage(page, surface);
    cairo_restore(cr);
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void Check(cairo_status_t status, const char* what) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("the delivery PDF could not be drawn (") + what + "): " +
                                 cairo_status_to_string(status));
}

void AddOutline(cairo_surface_t* surface, int parent, const std::vector<OutlineEntry>& entries, bool open) {
    for (const OutlineEntry& e : entries) {
        const std::string destination = "page=" + std::to_string(e.Page);
        const int id = cairo_pdf_surface_add_outline(
            surface, parent, e.Text.c_str(), destination.c_str(),
            open && !e.Children.empty() ? CAIRO_PDF_OUTLINE_FLAG_OPEN : static_cast<cairo_pdf_outline_flags_t>(0));
        AddOutline(surface, id, e.Children, false);
    }
}

// ---------------------------------------------------------------------------------------
// The outline

constexpr std::string_view kNumberEnd = "．";

// "Ⅳ-1-2" of "Ⅳ-1-2．構造計算：…"; empty for a title without a number.
std::string_view TitleNumber(std::string_view title) {
    const std::size_t end = title.find(kNumberEnd);
    return end == std::string_view::npos ? std::string_view() : title.substr(0, end);
}

// The first two levels of a title number: "Ⅳ-1" of "Ⅳ-1-2".
std::string_view ChapterNumber(std::string_view number) {
    const std::size_t first = number.find('-');
    if (first == std::string_view::npos) return number;
    const std::size_t second = number.find('-', first + 1);
    return second == std::string_view::npos ? number : number.substr(0, second);
}

// The chapters whose pages all carry a third level, named as the contents names them.
std::string ChapterTitle(std::string_view chapter, const PrintedPage& firstPage) {
    if (chapter == "Ⅳ-1") return "Ⅳ-1．構造計算：たて壁";
    if (chapter == "Ⅳ-2") return "Ⅳ-2．構造計算：底版";
    return firstPage.Title;
}

OutlineEntry PageEntry(const PrintedPage& page, std::string text, int fileNumber) {
    OutlineEntry e{std::move(text), fileNumber, {}};
    for (const PrintedHeading& h : page.Headings) e.Children.push_back({h.Text, fileNumber, {}});
    return e;
}

}  // namespace

std::vector<OutlineEntry> ReportOutline(const std::vector<PrintedPage>& pages, int firstPage) {
    std::vector<OutlineEntry> outline;
    std::string_view chapter;  // of the last entry of `outline`; empty: no chapter open
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PrintedPage& page = pages[i];
        const int fileNumber = firstPage + static_cast<int>(i);
        const std::string_view number = TitleNumber(page.Title);
        if (number.empty()) {
            outline.push_back(PageEntry(page, page.Title, fileNumber));
            chapter = {};
            continue;
        }
        const std::string_view own = ChapterNumber(number);
        if (chapter.empty() || own != chapter) {
            chapter = own;
            if (number == own) {
                // The page opens its chapter and carries its title.
                outline.push_back(PageEntry(page, page.Title, fileNumber));
                continue;
            }
            outline.push_back({ChapterTitle(own, page), fileNumber, {}});
        }
        outline.back().Children.push_back(PageEntry(page, page.Title, fileNumber));
    }
    return outline;
}

PrintAllSelection PrintAllSelectionOf(const ControlSource& conditions) {
    const SlabMenuConditions wall = ReadSlabMenuConditions(conditions);
    PrintAllSelection s{PrintAllPages(wall), SlabMenuDefaults()};
    SetSlabMenu(s.Slabs, wall);
    return s;
}

DeliveryDocument SingleDeliveryDocument(const ResultsStore& store, const std::vector<int>& numbers,
                                        const SlabMenu& slabs, std::string_view projectTitle) {
    DeliveryDocument d;
    d.Title = std::string(projectTitle);
    d.Pages.reserve(numbers.size());
    for (int n : numbers) d.Pages.push_back(FilledReportPage(n, store, slabs));
    d.Outline = ReportOutline(d.Pages);
    return d;
}

DeliveryDocument PairDeliveryDocument(const PairDocuments& pair, const std::vector<int>& numbers,
                                      const SlabMenu& slabs, std::string_view projectTitle) {
    DeliveryDocument d;
    d.Title = std::string(projectTitle);
    d.Pages = PairPrintedPages(pair, numbers, slabs);
    d.Outline.push_back({d.Pages.front().Title, 1, {}});
    const auto count = static_cast<std::ptrdiff_t>(numbers.size());
    const auto first = d.Pages.begin() + 1;
    const std::vector<PrintedPage> ordinary(first, first + count);
    const std::vector<PrintedPage> seismic(first + count, first + 2 * count);
    d.Outline.push_back({"【常時】", 2, ReportOutline(ordinary, 2)});
    d.Outline.push_back({"【地震時】", 2 + static_cast<int>(count), ReportOutline(seismic, 2 + static_cast<int>(count))});
    return d;
}

std::string DeliveryPdfBytes(const DeliveryDocument& document) {
    std::string bytes;
    {
        std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
            cairo_pdf_surface_create_for_stream(AppendToString, &bytes, kSheetWidth, kSheetHeight),
            cairo_surface_destroy);
        Check(cairo_surface_status(surface.get()), "surface");
        cairo_pdf_surface_restrict_to_version(surface.get(), CAIRO_PDF_VERSION_1_5);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, document.Title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_AUTHOR, std::string(kPdfAuthor).c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, std::string(kPdfCreator).c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_SUBJECT,
                                       std::string(kDeliveryPdfSubject).c_str());
        {
            std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
            Check(cairo_status(cr.get()), "context");
            TextSetter text(cr.get());
            for (const PrintedPage& page : document.Pages) {
                PaintPage(cr.get(), text, page);
                cairo_show_page(cr.get());
                Check(cairo_status(cr.get()), "page");
            }
        }
        // The destinations name pages by number, so the outline follows the pages.
        AddOutline(surface.get(), CAIRO_PDF_OUTLINE_ROOT, document.Outline, true);
        cairo_surface_finish(surface.get());
        Check(cairo_surface_status(surface.get()), "file");
    }
    return bytes;
}

void WriteDeliveryPdf(const DeliveryDocument& document, const std::filesystem::path& target) {
    std::string bytes;
    try {
        bytes = DeliveryPdfBytes(document);
    } catch (const std::runtime_error& e) {
        throw FileError("cannot write '" + target.string() + "': " + e.what());
    }
    WriteFileReplacing(target, bytes);
}

bool ExportDeliveryPdf(const DeliveryDocument& document, Dialogs& dialogs, const std::filesystem::path& target) {
    if (!dialogs.Confirm(kDeliveryPdfQuestion)) return false;
    WriteDeliveryPdf(document, target);
    dialogs.Info(kDeliveryPdfWritten);
    return true;
}

}  // namespace stelvar
