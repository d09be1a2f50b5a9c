#include "pdf/pdf_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <utility>

#include "text/cp932.h"

namespace stelvar {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kHex[] = "0123456789ABCDEF";

// The document information strings start with the UTF-16BE byte order mark and the
// language escape U+001B "ja" U+001B.
constexpr std::string_view kInfoPrefix = "FEFF001B6A61001B";
constexpr std::size_t kMaxInfoUnits = 1024;

std::string Ln(std::string_view text) {
    std::string s(text);
    s += kCrLf;
    return s;
}

// UTF-16 code units of a UTF-8 text; EncodingError for bytes that are not UTF-8.
std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    std::size_t i = 0;
    auto fail = [&] {
        throw EncodingError("文書情報の文字列が UTF-8 ではありません (位置 " + std::to_string(i) +
                            ")");
    };
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            cp = b & 0x1Fu;
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            cp = b & 0x0Fu;
            len = 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            cp = b & 0x07u;
            len = 4;
        } else {
            fail();
        }
        if (i + len > utf8.size()) fail();
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0u) != 0x80u) fail();
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) {
            fail();
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FFu));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
    return out;
}

// The standard Windows values of the system colours, as 0xRRGGBB.
constexpr std::uint32_t kSystemColours[] = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

std::string Decimal(long long n) { return std::to_string(n); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Streams

void TPDFMemoryStream::Write(std::string_view bytes) {
    const auto pos = static_cast<std::size_t>(position_);
    if (pos > bytes_.size()) bytes_.resize(pos, '\0');
    const std::size_t overlap = std::min(bytes.size(), bytes_.size() - pos);
    bytes_.replace(pos, overlap, bytes);
    position_ += bytes.size();
}

void TPDFMemoryStream::Seek(std::uint64_t position) { position_ = position; }

void TPDFMemoryStream::Truncate() {
    if (position_ < bytes_.size()) bytes_.resize(static_cast<std::size_t>(position_));
}

// ---------------------------------------------------------------------------------------
// Values

std::string PdfNumber(double v) {
    // Rounded to two decimals; adding 0.0 turns a negative zero into zero. The range is
    // checked on the rounded value: the scaling by 100 overflows values that are finite
    // themselves, and a reader takes a number only up to its implementation limit.
    const double rounded = std::trunc(v * 100 + 0.5) / 100 + 0.0;
    if (!(std::fabs(rounded) <= kPdfLargestNumber)) throw PdfError("PDFに書けない数値です");
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed);
    if (result.ec != std::errc()) throw PdfError("PDFに書けない数値です");
    return std::string(buf, result.ptr);
}

std::array<std::uint8_t, 3> ResolveRgb(Colour colour) {
    std::uint32_t v = colour.Value;
    if ((v & 0xFF000000u) == 0xFF000000u) {
        const std::uint32_t index = v & 0x00FFFFFFu;
        const std::uint32_t rgb =
            index < std::size(kSystemColours) ? kSystemColours[index] : 0x000000u;
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16)};
}

std::string PdfTextString(std::string_view cp932) {
    bool doubleByte = false;
    for (char c : cp932) {
        if (IsCp932LeadByte(static_cast<unsigned char>(c))) {
            doubleByte = true;
            break;
        }
    }
    std::string s;
    if (doubleByte) {
        s.reserve(cp932.size() * 2 + 2);
        s += '<';
        for (char c : cp932) {
            const auto b = static_cast<unsigned char>(c);
            s += kHex[b >> 4];
            s += kHex[b & 0x0Fu];
        }
        s += '>';
    } else {
        s += '(';
        for (char c : cp932) {
            if (c == '(' || c == ')' || c == '\\') s += '\\';
            s += c;
        }
        s += ')';
    }
    return s;
}

std::string PdfInfoString(std::string_view utf8) {
    std::string s(kInfoPrefix);
    const std::u16string units = Utf8ToUtf16(utf8);
    if (units.size() > kMaxInfoUnits) return s;
    for (char16_t u : units) {
        s += kHex[(u >> 12) & 0xFu];
        s += kHex[(u >> 8) & 0xFu];
        s += kHex[(u >> 4) & 0xFu];
        s += kHex[u & 0xFu];
    }
    return s;
}

// ---------------------------------------------------------------------------------------
// Object list

int TPDFObjectList::Add(TPDFObject* object) {
    if (object == nullptr) return -1;
    items_.push_back(object);
    return Count() - 1;
}

TPDFObject* TPDFObjectList::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw PdfError("Internel Error Invalid Index " + std::to_string(index));
    }
    return items_[static_cast<std::size_t>(index)];
}

std::string TPDFObjectList::RefArray() const {
    std::string s = "[";
    for (const TPDFObject* o : items_) s += Decimal(o->ObjectNumber()) + " 0 R ";
    s += "]";
    return s;
}

// ---------------------------------------------------------------------------------------
// Objects

TPDFObject::TPDFObject(TPDFMaker& maker) : maker_(maker) {
    objectNumber_ = maker.Register(this);
}

std::string TPDFObject::Ref() const { return Decimal(objectNumber_) + " 0 R"; }

TPDFPages::TPDFPages(TPDFMaker& maker, double width, double height) : TPDFObject(maker) {
    SetWidth(width);
    SetHeight(height);
}

void TPDFPages::SetWidth(double value) {
    if (value > 0) width_ = value;
}

void TPDFPages::SetHeight(double value) {
    if (value > 0) height_ = value;
}

TPDFPage* TPDFPages::AddPage() {
    TPDFPage* page = Maker().Create<TPDFPage>(this);
    kids_.Add(page);
    return page;
}

std::string TPDFPages::WriteBody() {
    std::string s;
    s += Ln("<<");
    s += Ln("/Kids " + kids_.RefArray());
    s += Ln("/Count " + Decimal(kids_.Count()));
    s += Ln("/Type /Pages");
    s += Ln("/MediaBox [ 0 0 " + PdfNumber(width_) + " " + PdfNumber(height_) + " ]");
    s += Ln(">>");
    return s;
}

TPDFCatalog::TPDFCatalog(TPDFMaker& maker, double width, double height) : TPDFObject(maker) {
    pages_ = maker.Create<TPDFPages>(width, height);
}

std::string TPDFCatalog::WriteBody() {
    std::string s;
    s += Ln("<<");
    s += Ln("/Type /Catalog");
    s += Ln("/Pages " + pages_->Ref());
    s += Ln(">>");
    return s;
}

TPDFInfo::TPDFInfo(TPDFMaker& maker) : TPDFObject(maker) {}

std::string TPDFInfo::WriteBody() {
    const TPDFMaker& m = Maker();
    std::string date = m.CreationDate;
    if (date.empty()) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", local.tm_year + 1900,
                      local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec);
        date = buf;
    }
    std::string s;
    s += Ln("<<");
    s += Ln("/CreationDate (D:" + date + ")");
    s += Ln("/Creator <" + PdfInfoString(m.Creator) + ">");
    s += Ln("/Producer (StelvarPDF0.4)");
    s += Ln("/Author <" + PdfInfoString(m.Author) + ">");
    s += Ln("/Title <" + PdfInfoString(m.Title) + ">");
    s += Ln("/Subject <" + PdfInfoString(m.Subject) + ">");
    s += Ln(">>");
    return s;
}

TPDFPage::TPDFPage(TPDFMaker& maker, TPDFPages* parent) : TPDFObject(maker), parent_(parent) {
    contents_ = maker.Create<TPDFContents>();
}

std::string TPDFPage::WriteBody() {
    // Pages are written after all drawing is done, so every page lists every font.
    const TPDFObjectList& fonts = Maker().Fonts();
    std::string s;
    s += Ln("<<");
    s += Ln("/Type /Page");
    s += Ln("/Parent " + parent_->Ref());
    s += Ln("/Resources <<");
    s += Ln("/Font <<");
    for (int k = 0; k < fonts.Count(); ++k) {
        s += Ln("/F" + Decimal(k) + " " + fonts[k]->Ref());
    }
    s += Ln(">>");
    s += Ln("/ProcSet [ /PDF /Text ]");
    s += Ln(">>");
    s += Ln("/Contents " + contents_->Ref());
    s += Ln(">>");
    return s;
}

TPDFFont::TPDFFont(TPDFMaker& maker) : TPDFObject(maker) {}

void TPDFFont::SetFontDef(std::unique_ptr<TPDFFontDef> def) {
    ownedDef_ = std::move(def);
    Attach(ownedDef_.get());
}

void TPDFFont::Attach(TPDFFontDef* def) {
    def_ = def;
    if (def_ == nullptr) return;
    if (def_->Descriptor) {
        descriptor_ = Maker().Create<TPDFFontDescriptor>(def_->Descriptor.get());
    }
    if (def_->Descendant) {
        descendant_ = Maker().Create<TPDFFont>();
        descendant_->Attach(def_->Descendant.get());
    }
}

std::string TPDFFont::WriteBody() {
    std::string s;
    s += Ln("<<");
    s += Ln("/Type /Font");
    s += Ln("/Name /F" + Decimal(ResourceNumber));
    if (def_ != nullptr) s += def_->WriteBody();
    if (descriptor_ != nullptr) s += Ln("/FontDescriptor " + descriptor_->Ref());
    if (descendant_ != nullptr) s += Ln("/DescendantFonts [" + descendant_->Ref() + "]");
    s += Ln(">>");
    return s;
}

TPDFFontDescriptor::TPDFFontDescriptor(TPDFMaker& maker, const TPDFFontDescriptorDef* def)
    : TPDFObject(maker), def_(def) {}

std::string TPDFFontDescriptor::WriteBody() {
    const TPDFFontDescriptorDef& d = *def_;
    std::string s;
    s += Ln("<<");
    s += Ln("/Type /FontDescriptor");
    s += Ln("/FontName /" + d.FontName);
    s += Ln("/Flags " + Decimal(d.Flags));
    s += Ln("/FontBBox [ " + Decimal(d.FontBBox[0]) + " " + Decimal(d.FontBBox[1]) + " " +
            Decimal(d.FontBBox[2]) + " " + Decimal(d.FontBBox[3]) + " ]");
    s += Ln("/StemV " + Decimal(d.StemV));
    s += Ln("/Ascent " + Decimal(d.Ascent));
    s += Ln("/CapHeight " + Decimal(d.CapHeight));
    s += Ln("/Descent " + Decimal(d.Descent));
    s += Ln("/ItalicAngle " + Decimal(d.ItalicAngle));
    s += Ln(">>");
    return s;
}

// ---------------------------------------------------------------------------------------
// Content stream

TPDFContents::TPDFContents(TPDFMaker& maker) : TPDFObject(maker) {}

std::string TPDFContents::WriteBody() {
    std::string s;
    s += Ln("<<");
    s += Ln("/Length " + Decimal(static_cast<long long>(stream_.size())));
    s += Ln(">>");
    s += Ln("stream");
    s += stream_;
    s += '\n';
    s += Ln("endstream");
    return s;
}

void TPDFContents::Line(std::string_view text) {
    stream_ += text;
    stream_ += '\r';
}

void TPDFContents::BeginText() { Line("BT"); }
void TPDFContents::EndText() { Line("ET"); }

void TPDFContents::SetFont(int index, double size) {
    const TPDFFont* font = Maker().GetFont(index);
    Line("/F" + Decimal(font->ResourceNumber) + " " + PdfNumber(size) + " Tf");
}

void TPDFContents::MoveTextPos(double x, double y) {
    Line(PdfNumber(x) + " " + PdfNumber(y) + " Td");
}

void TPDFContents::SetLeading(double v) { Line(PdfNumber(v) + " TL"); }
void TPDFContents::SetCharSpace(double v) { Line(PdfNumber(v) + " Tc"); }
void TPDFContents::SetWordSpace(double v) { Line(PdfNumber(v) + " Tw"); }
void TPDFContents::NextLine() { Line("T*"); }

void TPDFContents::ShowText(std::string_view utf8) { ShowTextBytes(Utf8ToCp932(utf8)); }

void TPDFContents::ShowTextBytes(std::string_view cp932) {
    Line(PdfTextString(cp932) + " Tj");
}

namespace {
std::string ColourOperands(Colour c) {
    const auto rgb = ResolveRgb(c);
    return PdfNumber(rgb[0] / 255.0) + " " + PdfNumber(rgb[1] / 255.0) + " " +
           PdfNumber(rgb[2] / 255.0);
}
}  // namespace

void TPDFContents::SetFillColor(Colour c) { Line(ColourOperands(c) + " rg "); }
void TPDFContents::SetStrokeColor(Colour c) { Line(ColourOperands(c) + " RG "); }
void TPDFContents::SetLineWidth(double v) { Line(PdfNumber(v) + " w"); }
void TPDFContents::SetLineJoin(int n) { Line(Decimal(n) + " j"); }
void TPDFContents::SetLineCap(int n) { Line(Decimal(n) + " J"); }

void TPDFContents::MoveTo(double x, double y) {
    Line(PdfNumber(x) + " " + PdfNumber(y) + " m");
}

void TPDFContents::LineTo(double x, double y) {
    Line(PdfNumber(x) + " " + PdfNumber(y) + " l");
}

void TPDFContents::Stroke() { Line("S"); }
void TPDFContents::CloseStroke() { Line("s"); }
void TPDFContents::EndPath() { Line("n"); }
void TPDFContents::Clip() { Line("W"); }
void TPDFContents::GSave() { Line("q"); }
void TPDFContents::GRestore() { Line("Q"); }

void TPDFContents::TextOut(std::string_view utf8, double x, double y) {
    const std::string bytes = Utf8ToCp932(utf8);
    BeginText();
    SetFont(FontIndex, FontSize);
    SetFillColor(FillColor);
    SetLeading(Leading);
    SetCharSpace(CharSpace);
    SetWordSpace(WordSpace);
    MoveTextPos(x, y);
    // Lines break at CR; a CR LF pair is one break, and a break at the very end closes
    // the last line without starting another.
    const std::string_view text = bytes;
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        std::size_t next = 0;
        if (end == std::string_view::npos) {
            end = text.size();
            next = text.size();
        } else {
            next = end + 1;
            if (next < text.size() && text[next] == '\n') ++next;
        }
        if (!first) NextLine();
        ShowTextBytes(text.substr(start, end - start));
        first = false;
        start = next;
    }
    EndText();
}

double TPDFContents::TextWidth(std::string_view utf8) { return TextWidthBytes(Utf8ToCp932(utf8)); }

double TPDFContents::TextWidthBytes(std::string_view cp932) {
    const TPDFFontDef* def = Maker().GetFont(FontIndex)->FontDef();
    double width = 0;
    std::size_t i = 0;  // 0-based; the position of the byte is i + 1
    while (i < cp932.size()) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (IsCp932LeadByte(b)) {
            // Each byte of a double-byte character measures half of the default width.
            width += static_cast<double>(def->Width(0)) / 2 * FontSize / 1000;
            ++i;
            if (i < cp932.size()) {
                width += static_cast<double>(def->Width(0)) / 2 * FontSize / 1000;
                if (i + 1 > 2) width += CharSpace;
                ++i;
            }
        } else {
            if (i + 1 != 1) width += CharSpace;
            width += static_cast<double>(def->Width(b)) * FontSize / 1000;
            if (b == 32) width += WordSpace;
            ++i;
        }
    }
    return width;
}

void TPDFContents::DrawLine(double x1, double y1, double x2, double y2) {
    MoveTo(x1, y1);
    SetLineCap(LineCap);
    SetStrokeColor(StrokeColor);
    SetLineWidth(LineWidth);
    LineTo(x2, y2);
    Stroke();
    EndPath();
}

void TPDFContents::DrawRect(bool clip, double x1, double y1, double x2, double y2) {
    MoveTo(x1, y1);
    SetLineWidth(LineWidth);
    SetLineJoin(LineJoin);
    SetStrokeColor(StrokeColor);
    LineTo(x1, y2);
    LineTo(x2, y2);
    LineTo(x2, y1);
    if (clip) {
        GSaveOnce();
        Clip();
    }
    CloseStroke();
}

void TPDFContents::GSaveOnce() {
    if (!Saved) {
        GSave();
        Saved = true;
    }
}

void TPDFContents::GRestoreIfSaved() {
    if (Saved) {
        GRestore();
        Saved = false;
    }
}

// ---------------------------------------------------------------------------------------
// Document

template <class T, class... Args>
T* TPDFMaker::Create(Args&&... args) {
    auto object = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T* raw = object.get();
    owned_[static_cast<std::size_t>(raw->ObjectNumber() - 1)] = std::move(object);
    return raw;
}

TPDFMaker::TPDFMaker() = default;

TPDFMaker::~TPDFMaker() { FreeObjects(); }

int TPDFMaker::Register(TPDFObject* object) {
    objects_.Add(object);
    owned_.emplace_back();
    return objects_.Count();
}

void TPDFMaker::FreeObjects() {
    canvas_ = nullptr;
    catalog_ = nullptr;
    info_ = nullptr;
    fonts_.Clear();
    objects_.Clear();
    while (!owned_.empty()) owned_.pop_back();
}

void TPDFMaker::BeginDoc(TPDFStream* stream) {
    if (stream == nullptr) throw PdfError("Invarid Stream");
    if (ownedStream_.get() != stream) ownedStream_.reset();
    stream_ = stream;
    FreeObjects();
    catalog_ = Create<TPDFCatalog>(pageWidth_, pageHeight_);
    fontCreated_.fill(false);
    info_ = Create<TPDFInfo>();
    PageCount = 0;
    canvas_ = catalog_->Pages()->AddPage()->Contents();
    ++PageCount;
}

void TPDFMaker::BeginDoc(std::unique_ptr<TPDFStream> stream) {
    if (!stream) throw PdfError("Invarid Stream");
    TPDFStream* raw = stream.get();
    ownedStream_ = std::move(stream);
    BeginDoc(raw);
}

void TPDFMaker::NewPage() {
    // A page belongs to an open document; after EndDoc the file is already written.
    if (canvas_ == nullptr) throw PdfError("BeginDocが呼び出されていません");
    canvas_ = catalog_->Pages()->AddPage()->Contents();
    ++PageCount;
}

TPDFContents& TPDFMaker::Canvas() {
    if (canvas_ == nullptr) throw PdfError("BeginDocが呼び出されていません");
    return *canvas_;
}

TPDFFont* TPDFMaker::GetFont(int index) {
    if (index >= 0 && index < static_cast<int>(fontCreated_.size()) &&
        fontCreated_[static_cast<std::size_t>(index)]) {
        for (int k = 0; k < fonts_.Count(); ++k) {
            auto* font = static_cast<TPDFFont*>(fonts_[k]);
            if (font->FontDef() != nullptr && font->FontDef()->FontIndex == index) return font;
        }
        return nullptr;
    }
    // The definition comes first, so an unsupported index leaves no font object behind.
    std::unique_ptr<TPDFFontDef> def = CreateFontDef(index);
    TPDFFont* font = Create<TPDFFont>();
    font->ResourceNumber = fonts_.Add(font);
    font->SetFontDef(std::move(def));
    fontCreated_[static_cast<std::size_t>(index)] = true;
    return font;
}

void TPDFMaker::EndDoc(bool freeStream) {
    if (canvas_ == nullptr || stream_ == nullptr) {
        throw PdfError("BeginDocが呼び出されていません");
    }
    TPDFStream& out = *stream_;
    out.Seek(0);
    out.Write("%PDF-1.2 \r\n");

    std::vector<std::uint64_t> offsets;
    offsets.reserve(static_cast<std::size_t>(objects_.Count()));
    for (int k = 0; k < objects_.Count(); ++k) {
        TPDFObject* object = objects_[k];
        offsets.push_back(out.Position());
        out.Write(Decimal(object->ObjectNumber()) + " 0 obj\r\n");
        out.Write(object->WriteBody());
        out.Write("endobj\r\n");
    }

    const std::uint64_t xref = out.Position();
    std::string table;
    table += Ln("xref");
    table += Ln("0 " + Decimal(objects_.Count() + 1));
    table += Ln("0000000000 65535 f");
    for (std::uint64_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n\r\n",
                      static_cast<unsigned long long>(offset));
        table += entry;
    }
    table += Ln("trailer");
    table += Ln("<<");
    table += Ln("/Size " + Decimal(objects_.Count() + 1));
    table += Ln("/Root " + catalog_->Ref());
    table += Ln("/Info " + info_->Ref());
    table += Ln(">>");
    table += Ln("startxref");
    table += Ln(std::to_string(xref));
    table += Ln("%%EOF");
    out.Write(table);
    out.Truncate();

    canvas_ = nullptr;
    if (freeStream) {
        stream_ = nullptr;
        ownedStream_.reset();
    }
}

}  // namespace stelvar
