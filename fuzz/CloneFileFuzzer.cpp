// Feeds arbitrary bytes through the clone file reader, the decoded models, the report and the store.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/document/CloneFile.h"
#include "core/document/Document.h"
#include "core/report/Report.h"
#include "core/util/UserPrompts.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("zt46-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = Folder() + "/input.t46";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    zt46::SilentPrompts prompts;
    zt46::NoFileDialogs dialogs;
    zt46::Document doc(prompts, dialogs, zt46::Document::Folders{Folder(), Folder()});
    // The strict path (File > Open's checks), then the reader without the size check (command line).
    if (!doc.LoadFileStrict(path)) {
        if (!zt46::ReadCloneFile(path, doc.Image(), doc.Trailer(), prompts)) return 0;
        doc.ImageToModels();
    }
    for (int pass = 0; pass < 2; ++pass) {
        const zt46::Report report(doc);
        const std::string text = zt46::ReportText(report.Pages());
        if (text.empty()) __builtin_trap();
        doc.ModelsToImage();
        doc.ImageToModels();
    }
    return 0;
}
