#include "core/text/ResStr.h"
#include "ui/DialogService.h"
#include "ui/ExportForm.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorState.h"

#include <array>

namespace {
// The save dialog's filters in the order of the kinds they choose.
const std::array<std::pair<TExportKind, TText>, 6> kExportFilters = {{
    {TExportKind::Avi, {24020, "AVI Files (*.avi)"}},
    {TExportKind::Gif, {24021, "GIF Files (*.gif)"}},
    {TExportKind::Bmp, {24022, "BMP Files (*.bmp)"}},
    {TExportKind::Mp4, {24023, "MP4 Files (*.mp4)"}},
    {TExportKind::WebM, {24024, "WebM Files (*.webm)"}},
    {TExportKind::Mkv, {24025, "MKV Files (*.mkv)"}},
}};
} // namespace

void TDocumentPart::ExportAction1Execute() {
    // Frames are exported without selection marks.
    FCanvas.DropSelection();
    QStringList filters;
    for (const auto& [kind, filter] : kExportFilters)
        filters << ResStr(filter);
    int chosen = 0;
    const QString fileName = FDialogs.SaveExportFileName(FWindow, filters, chosen);
    if (fileName.isEmpty() || chosen < 0 || chosen >= static_cast<int>(kExportFilters.size()))
        return;
    // The filter decides the exporter, whatever extension was typed.
    TExportForm form(kExportFilters[static_cast<std::size_t>(chosen)].first, fileName,
                     FState.Project, FDialogs, FLastVideoChoice, FWindow);
    form.exec();
}
