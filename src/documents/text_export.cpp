#include "documents/text_export.h"

#include <algorithm>
#include <initializer_list>

#include "documents/file_io.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Bytes of one UTF-8 character starting with `lead`; 1 for a byte that starts none.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Code page 932 bytes of a text, "?" for each character that has no such form.
std::string ToCp932(std::string_view utf8) {
    try {
        return Utf8ToCp932(utf8);
    } catch (const EncodingError&) {
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n =
            std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        try {
            out += Utf8ToCp932(utf8.substr(i, n));
        } catch (const EncodingError&) {
            out += '?';
        }
        i += n;
    }
    return out;
}

class TextFile {
public:
    void Line(std::string_view utf8) {
        bytes_ += ToCp932(utf8);
        bytes_ += kCrLf;
    }

    // Every item of the list box, then one empty line.
    void ListBlock(const ListBoxContent& list) {
        for (const std::string& line : list.Lines) Line(line);
        Line("");
    }

    // Every row of the grid from row 0, each cell right-aligned in `width` bytes and
    // followed by ":", then one empty line. Widths count code page 932 bytes, so a
    // full-width character takes two; a longer text is written whole.
    void TableBlock(const StringGridContent& grid, std::size_t width) {
        for (int row = 0; row < grid.RowCount; ++row) {
            for (int col = 0; col < grid.ColCount; ++col) {
                const std::string cell = ToCp932(grid.Cell(col, row));
                if (cell.size() < width) bytes_.append(width - cell.size(), ' ');
                bytes_ += cell;
                bytes_ += ':';
            }
            bytes_ += kCrLf;
        }
        Line("");
    }

    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

}  // namespace

TextExportConditions ReadTextExportConditions(const ControlSource& conditions) {
    TextExportConditions c;
    c.WallType = conditions.Index("PageControl2") == 1 ? 1 : 0;
    if (c.WallType == 0) {
        c.SlabThickness = StrToFloat(conditions.Text("Edit39"));
        c.ToeWidth = StrToFloat(conditions.Text("Edit34"));
        c.HeelWidth = StrToFloat(conditions.Text("Edit30"));
    } else {
        c.SlabThickness = StrToFloat(conditions.Text("Edit56"));
        c.ToeWidth = StrToFloat(conditions.Text("Edit58"));
    }
    c.ShearKey = conditions.Index("RadioGroup2") == 1;
    return c;
}

std::string TextExportBytes(const ResultsStore& store, const TextExportConditions& conditions) {
    TextFile f;
    auto lists = [&](std::initializer_list<std::string_view> names) {
        for (std::string_view n : names) f.ListBlock(store.List(n));
    };
    auto tables = [&](std::initializer_list<std::string_view> names, std::size_t width) {
        for (std::string_view n : names) f.TableBlock(store.Grid(n), width);
    };

    f.Line("Vantorel Ver3.0");
    f.Line("");
    f.Line("目次");
    lists({"ListBox20"});

    f.Line("Ⅰ.設計条件");
    lists({"ListBox7", "ListBox10"});

    f.Line("Ⅱ-1.荷重計算(自重)");
    f.Line("安定計算用");
    lists({"ListBox6"});
    tables({"StringGrid2"}, 6);

    f.Line("構造計算用");
    lists({"ListBox21"});
    tables({"StringGrid4"}, 6);

    f.Line("Ⅱ-2.荷重計算(土圧等)");
    f.Line("1.土圧計算");
    lists({"ListBox1"});
    f.Line("2.その他の荷重");
    lists({"ListBox2"});
    f.Line("4.荷重一覧");
    tables({"StringGrid6"}, 12);

    f.Line("Ⅲ-1.安定計算");
    lists({"ListBox3", "ListBox4", "ListBox5", "ListBox23"});

    f.Line("Ⅳ-1-1.構造計算:たて壁(断面力)");
    lists({"ListBox8", "ListBox19"});
    tables({"StringGrid1", "StringGrid5"}, 15);

    f.Line("Ⅳ-1-2.構造計算:たて壁(応力度)");
    lists({"ListBox14"});
    tables({"StringGrid3"}, 15);

    const bool slab = conditions.SlabThickness > 0;
    if (slab && conditions.ToeWidth > 0) {
        f.Line("Ⅳ-2.構造計算:底版(つま先版)");
        f.Line("つま先版");
        lists({"ListBox9"});
        tables({"StringGrid11", "StringGrid7"}, 10);
    }
    if (conditions.WallType == 0 && slab && conditions.HeelWidth > 0) {
        f.Line("Ⅳ-2.構造計算:底版(かかと版)");
        f.Line("かかと版");
        lists({"ListBox11"});
        tables({"StringGrid12", "StringGrid10"}, 10);
    }
    if (conditions.ShearKey) {
        f.Line("Ⅳ-2.構造計算:底版(突起)");
        f.Line("突起");
        lists({"ListBox13"});
        tables({"StringGrid15"}, 10);
    }
    return f.Take();
}

void WriteTextExport(const ResultsStore& store, const TextExportConditions& conditions,
                     const std::filesystem::path& target) {
    WriteFileReplacing(target, TextExportBytes(store, conditions));
}

void WriteTextExport(const ResultsStore& store, const ControlSource& conditions,
                     const std::filesystem::path& target) {
    WriteTextExport(store, ReadTextExportConditions(conditions), target);
}

bool ExportText(const ResultsStore& store, const ControlSource& conditions, Dialogs& dialogs,
                const std::filesystem::path& target) {
    const TextExportConditions c = ReadTextExportConditions(conditions);
    if (!dialogs.Confirm("計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。"))
        return false;
    WriteTextExport(store, c, target);
    dialogs.Info("テキスト出力終わりました。");
    return true;
}

}  // namespace stelvar
