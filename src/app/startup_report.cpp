#include "app/startup_report.h"

#include <QTimer>
#include <cstdio>

#include "shell/console_state.h"

namespace {

const char* PlaceName(ProgramFiles::Place place) {
    switch (place) {
    case ProgramFiles::Place::Installed: return "installed";
    case ProgramFiles::Place::BuildFolder: return "build folder";
    case ProgramFiles::Place::Missing: return "missing";
    }
    return "";
}

}  // namespace

void ReportStartupAndClose(const ProgramFiles& files) {
    QTimer::singleShot(0, [files] {
        std::printf("files: %s %s\n", PlaceName(files.place), files.folder.c_str());
        std::printf("demo disc: %s\n", files.DemoDisc().c_str());
        std::printf("disc tracks: %d\n", g_trackCount);
        std::printf("samples: %s\n", files.Samples().c_str());
        std::printf("readme: %s\n", g_readmePath);
        std::printf("help: %s\n", g_helpPath);
        std::printf("engine: %s\n", g_mixer != 0 ? "open" : "closed");
        std::fflush(stdout);
        win::PostMessageA(g_hWnd, win::WM_CLOSE, 0, 0);
    });
}
