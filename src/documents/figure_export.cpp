#include "documents/figure_export.h"

#include "documents/file_io.h"
#include "documents/wmf_canvas.h"
#include "report/chart_renderer.h"

namespace stelvar {

std::vector<FigureFile> FiguresToWrite(const FigureExportConditions& c) {
    const bool slab = c.SlabThickness > 0;
    std::vector<FigureFile> files;
    for (const FigureFile& f : kFigureFiles) {
        bool wanted = true;
        switch (f.WrittenWhen) {
            case FigureCondition::Always: break;
            case FigureCondition::ToeSlab: wanted = slab && c.ToeWidth > 0; break;
            case FigureCondition::HeelSlab: wanted = c.WallType == 0 && slab && c.HeelWidth > 0; break;
            case FigureCondition::ShearKey: wanted = c.ShearKey; break;
        }
        if (wanted) files.push_back(f);
    }
    return files;
}

std::string ChartMetafileBytes(const Chart& chart, int width, int height) {
    WmfCanvas canvas(width, height);
    DrawChart(chart, canvas, width, height);
    return canvas.Bytes();
}

std::vector<std::filesystem::path> WriteFigures(const ResultsStore& store,
                                                const FigureExportConditions& conditions,
                                                const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> written;
    for (const FigureFile& f : FiguresToWrite(conditions)) {
        const ChartSize size = ResultsChartSize(f.ChartName);
        const std::string bytes = ChartMetafileBytes(store.GetChart(f.ChartName), size.Width, size.Height);
        const std::filesystem::path target =
            folder / std::filesystem::path(std::u8string(f.FileName.begin(), f.FileName.end()));
        WriteFileReplacing(target, bytes);
        written.push_back(target);
    }
    return written;
}

std::vector<std::filesystem::path> WriteFigures(const ResultsStore& store,
                                                const ControlSource& conditions,
                                                const std::filesystem::path& folder) {
    return WriteFigures(store, ReadTextExportConditions(conditions), folder);
}

bool ExportFigures(const ResultsStore& store, const ControlSource& conditions, Dialogs& dialogs,
                   const std::filesystem::path& folder) {
    if (!dialogs.Confirm("計算結果図をメタファイル出力しますか。")) return false;
    WriteFigures(store, conditions, folder);
    dialogs.Info("メタファイル出力終わりました。");
    return true;
}

}  // namespace stelvar
