#pragma once
// A small writer of PDF 1.2 documents: text in named (not embedded) fonts, lines and
// rectangles, nothing compressed. Pages are drawn into content streams held in memory;
// EndDoc writes the whole file in one pass (header, every object in creation order,
// cross-reference table, trailer) to a seekable byte sink.
//
// Texts handed to the writer are the program's UTF-8 strings. They reach the file in
// code page 932 (Shift-JIS), which the Japanese fonts read through their character map;
// the document information texts are written as UTF-16.
//
// Coordinates are PDF user space: points, origin at the lower left corner of the page,
// y upward.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/colour.h"
#include "pdf/pdf_fonts.h"

namespace stelvar {

// The writer reports its failures as PdfError (declared in pdf_fonts.h): "Invarid Stream",
// "BeginDocが呼び出されていません", "Internel Error Invalid Index %d" and the message of an
// unsupported font index. Texts that code page 932 cannot hold raise EncodingError; errors
// of the stream pass through unchanged.

// ---------------------------------------------------------------------------------------
// Output

// Where the finished document goes: any byte sink that can report and change its
// position. Write errors are thrown by the sink and reach the caller of EndDoc.
class TPDFStream {
public:
    virtual ~TPDFStream() = default;
    // Writes the bytes at the current position and moves past them.
    virtual void Write(std::string_view bytes) = 0;
    // The current position in bytes from the start.
    virtual std::uint64_t Position() const = 0;
    // Moves to a position (0 = the start).
    virtual void Seek(std::uint64_t position) = 0;
    // Drops everything after the current position, so a document written over an
    // earlier, longer one leaves none of it behind.
    virtual void Truncate() = 0;
};

// A stream in memory. Writing at a position inside the data overwrites it; writing
// beyond the end extends it. The export writes Bytes() to the file with
// WriteFileReplacing, so a failed export never leaves half a file.
class TPDFMemoryStream : public TPDFStream {
public:
    void Write(std::string_view bytes) override;
    std::uint64_t Position() const override { return position_; }
    void Seek(std::uint64_t position) override;
    void Truncate() override;
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::uint64_t position_ = 0;
};

// ---------------------------------------------------------------------------------------
// Indirect objects

class TPDFMaker;
class TPDFObject;
class TPDFPage;
class TPDFContents;
class TPDFFontDescriptor;

// The largest magnitude of a number in a PDF file that every reader takes: the limit of
// real numbers in the readers of the older versions of the format. A page is less than
// 1000 points across; every position on it lies far inside.
inline constexpr double kPdfLargestNumber = 32767;

// Writes a number in the form of the content operators: rounded to two decimals as
// trunc(v * 100 + 0.5) / 100 and written without trailing zeros or exponent
// (10 -> "10", 0.75 -> "0.75", 12.345 -> "12.35", -1.234 -> "-1.22").
// A value that is not finite, or whose rounded value lies beyond ±kPdfLargestNumber,
// cannot appear in the file and raises PdfError.
std::string PdfNumber(double v);

// The red, green and blue bytes of a colour; a system colour is resolved to the
// standard Windows value first.
std::array<std::uint8_t, 3> ResolveRgb(Colour colour);

// A string operand of "Tj" for code page 932 bytes: a hexadecimal string "<...>" when the
// bytes hold a double-byte character, else a literal string "(...)" with "(", ")" and "\"
// escaped.
std::string PdfTextString(std::string_view cp932);

// A document information string: "FEFF001B6A61001B" (byte order mark and the Japanese
// language escape) followed by the UTF-16 code units of the text as four hexadecimal
// digits each. An empty text, or one of more than 1024 code units, gives the prefix alone.
std::string PdfInfoString(std::string_view utf8);

// An ordered list of object references; it owns nothing.
class TPDFObjectList {
public:
    // Appends the object and returns its position; a missing object is not added (-1).
    int Add(TPDFObject* object);
    // The object at the position; outside 0 .. Count()-1 raises
    // "Internel Error Invalid Index %d".
    TPDFObject* Items(int index) const;
    TPDFObject* operator[](int index) const { return Items(index); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Forgets the entries; frees nothing.
    void Clear() { items_.clear(); }
    // "[4 0 R 9 0 R ]": each entry's number and " 0 R " inside brackets.
    std::string RefArray() const;

private:
    std::vector<TPDFObject*> items_;
};

// The base of every indirect object. Creating one registers it with the document, which
// owns it; its number is its position in the document's object list plus one.
class TPDFObject {
public:
    explicit TPDFObject(TPDFMaker& maker);
    virtual ~TPDFObject() = default;
    TPDFObject(const TPDFObject&) = delete;
    TPDFObject& operator=(const TPDFObject&) = delete;

    // The text between the "obj" and "endobj" lines.
    virtual std::string WriteBody() { return {}; }

    int ObjectNumber() const { return objectNumber_; }
    TPDFMaker& Maker() const { return maker_; }
    // "n 0 R".
    std::string Ref() const;

private:
    TPDFMaker& maker_;
    int objectNumber_ = 0;
};

// The page tree: the pages in order and the media box.
class TPDFPages : public TPDFObject {
public:
    TPDFPages(TPDFMaker& maker, double width, double height);
    std::string WriteBody() override;

    // Creates a page (next number) and its content stream (the number after it).
    TPDFPage* AddPage();

    const TPDFObjectList& Kids() const { return kids_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    // Values that are not positive are ignored.
    void SetWidth(double value);
    void SetHeight(double value);

private:
    TPDFObjectList kids_;
    double width_ = 0;
    double height_ = 0;
};

// The document catalog; creates the page tree right after itself.
class TPDFCatalog : public TPDFObject {
public:
    TPDFCatalog(TPDFMaker& maker, double width, double height);
    std::string WriteBody() override;
    TPDFPages* Pages() const { return pages_; }

private:
    TPDFPages* pages_ = nullptr;
};

// The document information; reads the document's texts when written.
class TPDFInfo : public TPDFObject {
public:
    explicit TPDFInfo(TPDFMaker& maker);
    std::string WriteBody() override;
};

// A page; creates its content stream right after itself.
class TPDFPage : public TPDFObject {
public:
    TPDFPage(TPDFMaker& maker, TPDFPages* parent);
    std::string WriteBody() override;
    TPDFContents* Contents() const { return contents_; }
    TPDFPages* Parent() const { return parent_; }

private:
    TPDFContents* contents_ = nullptr;
    TPDFPages* parent_ = nullptr;
};

// A font object. A top-level font owns its definition (and through it the descriptor and
// descendant definitions); the descendant font of a composite font refers to its
// parent's descendant definition.
class TPDFFont : public TPDFObject {
public:
    explicit TPDFFont(TPDFMaker& maker);
    std::string WriteBody() override;

    // Attaches a definition: creates a descriptor object when the definition has a
    // descriptor, then a descendant font object (and its descriptor object) when it
    // has a descendant.
    void SetFontDef(std::unique_ptr<TPDFFontDef> def);

    TPDFFontDef* FontDef() const { return def_; }
    TPDFFontDescriptor* Descriptor() const { return descriptor_; }
    TPDFFont* Descendant() const { return descendant_; }
    // The position in the document's font list; resource name "/F" + this number.
    int ResourceNumber = 0;

private:
    void Attach(TPDFFontDef* def);

    std::unique_ptr<TPDFFontDef> ownedDef_;
    TPDFFontDef* def_ = nullptr;
    TPDFFontDescriptor* descriptor_ = nullptr;
    TPDFFont* descendant_ = nullptr;
};

class TPDFFontDescriptor : public TPDFObject {
public:
    TPDFFontDescriptor(TPDFMaker& maker, const TPDFFontDescriptorDef* def);
    std::string WriteBody() override;
    const TPDFFontDescriptorDef* Def() const { return def_; }

private:
    const TPDFFontDescriptorDef* def_;
};

// A page's content stream: the operator lines (each ended by a CR) and the drawing
// state used by the composite operations.
class TPDFContents : public TPDFObject {
public:
    explicit TPDFContents(TPDFMaker& maker);
    std::string WriteBody() override;

    // The stream text written so far (code page 932 bytes).
    const std::string& Stream() const { return stream_; }

    // Drawing state.
    int FontIndex = 0;
    double FontSize = 10;
    double LineWidth = 1;
    int LineJoin = 0;
    int LineCap = 0;
    Colour FillColor = clBlack;
    Colour StrokeColor = clBlack;
    double Leading = 0;
    double CharSpace = 0;
    double WordSpace = 0;
    bool Saved = false;

    // Operator lines.
    void BeginText();                          // BT
    void EndText();                            // ET
    void SetFont(int index, double size);      // /Fk size Tf
    void MoveTextPos(double x, double y);      // x y Td
    void SetLeading(double v);                 // v TL
    void SetCharSpace(double v);               // v Tc
    void SetWordSpace(double v);               // v Tw
    void NextLine();                           // T*
    void ShowText(std::string_view utf8);      // (...) Tj or <...> Tj
    void ShowTextBytes(std::string_view cp932);  // the same for code page 932 bytes
    void SetFillColor(Colour c);               // r g b rg (space before the CR)
    void SetStrokeColor(Colour c);             // r g b RG (space before the CR)
    void SetLineWidth(double v);               // v w
    void SetLineJoin(int n);                   // n j
    void SetLineCap(int n);                    // n J
    void MoveTo(double x, double y);           // x y m
    void LineTo(double x, double y);           // x y l
    void Stroke();                             // S
    void CloseStroke();                        // s
    void EndPath();                            // n
    void Clip();                               // W
    void GSave();                              // q
    void GRestore();                           // Q

    // Composite operations.
    // A text block at (x, y) in the current font, size, fill colour, leading and
    // spacing; a CR (or CR LF) breaks the line, each next line moving down by Leading.
    void TextOut(std::string_view utf8, double x, double y);
    // The width of the text in points in the current font, size and spacing.
    double TextWidth(std::string_view utf8);
    double TextWidthBytes(std::string_view cp932);
    void DrawLine(double x1, double y1, double x2, double y2);
    // The rectangle's outline; with clip, everything drawn afterwards on the page is
    // clipped to it until GRestoreIfSaved.
    void DrawRect(bool clip, double x1, double y1, double x2, double y2);
    void GSaveOnce();
    void GRestoreIfSaved();

private:
    void Line(std::string_view text);
    std::string stream_;
};

// ---------------------------------------------------------------------------------------
// The document

class TPDFMaker {
public:
    TPDFMaker();
    ~TPDFMaker();
    TPDFMaker(const TPDFMaker&) = delete;
    TPDFMaker& operator=(const TPDFMaker&) = delete;

    // Starts a document on the stream (not owned): frees the objects of a previous
    // document and creates the catalog (1), page tree (2), information (3) and the first
    // page (4) with its content stream (5). A null stream raises "Invarid Stream".
    void BeginDoc(TPDFStream* stream);
    // The same for a stream the document takes over; EndDoc(true) destroys it.
    void BeginDoc(std::unique_ptr<TPDFStream> stream);
    // Starts a new page; its content stream becomes current.
    void NewPage();
    // The current content stream; "BeginDocが呼び出されていません" when no document is open.
    TPDFContents& Canvas();
    // Writes the whole file to the stream and closes the document. With freeStream the
    // document lets go of the stream (destroying it when it was handed over).
    void EndDoc(bool freeStream = false);
    // The font object of a font index 0 to 7, created on first use.
    TPDFFont* GetFont(int index);

    // Document information texts (UTF-8), written when the document is closed.
    std::string Author;
    std::string Title;
    std::string Creator;
    std::string Subject;

    int PageCount = 0;
    double PageWidth() const { return pageWidth_; }
    double PageHeight() const { return pageHeight_; }

    const TPDFObjectList& Objects() const { return objects_; }
    const TPDFObjectList& Fonts() const { return fonts_; }
    TPDFCatalog* Catalog() const { return catalog_; }
    TPDFInfo* Info() const { return info_; }

    // The date written as "/CreationDate"; the local time when not set (tests fix it).
    std::string CreationDate;  // "yyyymmddhhnnss"

private:
    friend class TPDFObject;
    friend class TPDFPages;
    friend class TPDFCatalog;
    friend class TPDFPage;
    friend class TPDFFont;

    // Gives a newly constructed object its number (called by the TPDFObject constructor).
    int Register(TPDFObject* object);
    // Constructs an object for this document and takes ownership of it.
    template <class T, class... Args>
    T* Create(Args&&... args);
    // Frees every object, last created first, and empties the lists.
    void FreeObjects();

    TPDFStream* stream_ = nullptr;
    std::unique_ptr<TPDFStream> ownedStream_;
    TPDFCatalog* catalog_ = nullptr;
    TPDFInfo* info_ = nullptr;
    TPDFObjectList objects_;
    std::vector<std::unique_ptr<TPDFObject>> owned_;  // by object number - 1
    TPDFObjectList fonts_;
    std::array<bool, 8> fontCreated_{};
    TPDFContents* canvas_ = nullptr;
    double pageWidth_ = 596;
    double pageHeight_ = 842;
};

}  // namespace stelvar
