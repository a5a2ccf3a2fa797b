#include "app/program_files.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

#include "platform/core/system.h"

namespace fs = std::filesystem;

namespace {

fs::path FolderIfPresent(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

}  // namespace

fs::path ProgramFiles::DemoDisc() const {
    return place == Place::Missing ? fs::path() : FolderIfPresent(folder / "demo-disc");
}

fs::path ProgramFiles::Samples() const {
    return place == Place::Missing ? fs::path() : FolderIfPresent(folder / "samples");
}

ProgramFiles FindProgramFiles(const fs::path& bin) {
    ProgramFiles files;
    files.folder = (bin / TORNEL_SHARE_FROM_BIN).lexically_normal();

    std::error_code ec;
    const fs::file_status share = fs::status(files.folder, ec);
    if (fs::exists(share)) {
        if (!fs::is_directory(share))
            files.problem = "it is not a folder";
        else if (access(files.folder.c_str(), R_OK | X_OK) != 0)
            files.problem = std::strerror(errno);
        else
            files.place = ProgramFiles::Place::Installed;
        return files;
    }
    if (!FolderIfPresent(bin / "demo-disc").empty()) {
        files.place = ProgramFiles::Place::BuildFolder;
        files.folder = bin;
        return files;
    }
    files.problem = (ec && ec != std::errc::no_such_file_or_directory) ? ec.message() : "it does not exist";
    return files;
}

ProgramFiles FindProgramFiles() { return FindProgramFiles(win::core::system::ProgramFolder()); }

std::string MissingFilesMessage(const ProgramFiles& files) {
    return "Tornel cannot read its share folder " + files.folder.string() + " (" + files.problem +
           "). The console starts with an empty drive and without the demo samples and help documents; "
           "reinstalling Tornel puts them back.";
}
