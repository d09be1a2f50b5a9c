#include "documents/pair_export.h"

#include "documents/file_io.h"
#include "report/pair_report.h"
#include "text/cp932.h"

namespace stelvar {

std::string PairTextExportBytes(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                                const CaseDocument& seismic) {
    std::string bytes;
    // The summary holds only the system's own texts, all of which have a code page 932 form.
    const auto line = [&bytes](std::string_view utf8) {
        bytes += Utf8ToCp932(utf8);
        bytes += "\r\n";
    };
    for (const std::string& l : SummaryTextLines(summary)) line(l);
    line("");
    line("【常時】");
    bytes += TextExportBytes(ordinary.Store, ordinary.Conditions);
    line("【地震時】");
    bytes += TextExportBytes(seismic.Store, seismic.Conditions);
    return bytes;
}

void WritePairTextExport(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                         const CaseDocument& seismic, const std::filesystem::path& target) {
    WriteFileReplacing(target, PairTextExportBytes(summary, ordinary, seismic));
}

bool ExportPairText(const PairDocuments& pair, Dialogs& dialogs, const std::filesystem::path& target) {
    const CaseDocument ordinary{pair.Ordinary, ReadTextExportConditions(pair.Inputs.Ordinary.Conditions.Controls())};
    const CaseDocument seismic{pair.Seismic, ReadTextExportConditions(pair.Inputs.Seismic.Conditions.Controls())};
    if (!dialogs.Confirm("計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。")) return false;
    WritePairTextExport(pair.Summary, ordinary, seismic, target);
    dialogs.Info("テキスト出力終わりました。");
    return true;
}

}  // namespace stelvar
