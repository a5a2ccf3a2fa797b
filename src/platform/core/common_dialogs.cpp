// File dialogs, the shell and message boxes: the host asks the user, the
// core checks what comes back against the caller's buffers.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/core/system.h"

namespace win {
namespace {

// The filter's pairs of texts, ended by an empty one.
std::vector<FileFilter> Filters(const char* texts) {
    std::vector<FileFilter> filters;
    while (texts && *texts) {
        FileFilter filter{texts, ""};
        texts += filter.description.size() + 1;
        filter.patterns = texts;
        texts += filter.patterns.size() + 1;
        filters.push_back(std::move(filter));
    }
    return filters;
}

BOOL ChooseFile(OPENFILENAMEA* ofn, bool save) {
    FileChoice choice{save, Filters(ofn ? ofn->lpstrFilter : nullptr), "", ""};
    std::string logged;
    for (const FileFilter& f : choice.filters) logged += (logged.empty() ? "" : "|") + f.description + "|" + f.patterns;
    core::LogCall(save ? "GetSaveFileNameA" : "GetOpenFileNameA", logged);
    DWORD& error = core::State().commDlgError;
    error = 0;
    if (!ofn) return FALSE;
    if (ofn->lpstrFile && ofn->nMaxFile > 0) choice.initialFile.assign(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
    if (ofn->lpstrInitialDir) choice.initialDir = ofn->lpstrInitialDir;
    std::string path;
    if (!core::CurrentHostOrNull().ChooseFile(ofn->hwndOwner, choice, path) || path.empty())
        return FALSE;
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    const std::string name = path.substr(nameAt);
    // A path that does not fit is refused whole: a cut path names another file.
    const bool pathFits = ofn->lpstrFile && path.size() < ofn->nMaxFile;
    const bool titleFits = !ofn->lpstrFileTitle || name.size() < ofn->nMaxFileTitle;
    if (!pathFits || !titleFits || path.size() > 0xFFFF) {
        error = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::memcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
    if (ofn->lpstrFileTitle) std::memcpy(ofn->lpstrFileTitle, name.c_str(), name.size() + 1);
    const std::size_t dot = name.find_last_of('.');
    ofn->nFileOffset = static_cast<WORD>(nameAt);
    ofn->nFileExtension = static_cast<WORD>(dot == std::string::npos ? path.size() : nameAt + dot + 1);
    return TRUE;
}

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* ofn) { return ChooseFile(ofn, false); }
BOOL GetSaveFileNameA(OPENFILENAMEA* ofn) { return ChooseFile(ofn, true); }
DWORD CommDlgExtendedError() {
    core::LogCall("CommDlgExtendedError");
    return core::State().commDlgError;
}

HINSTANCE ShellExecuteA(HWND, const char*, const char* file, const char*, const char*, int) {
    core::LogCall("ShellExecuteA", file);
    constexpr std::uintptr_t kOk = 42;         // any value above 32
    constexpr std::uintptr_t kNotFound = 2;    // SE_ERR_FNF
    if (!file || !*file) return reinterpret_cast<HINSTANCE>(kNotFound);
    std::string path = file;
    if (!core::system::Exists(path)) std::replace(path.begin(), path.end(), '\\', '/');
    const bool opened = core::CurrentHostOrNull().OpenDocument(path.c_str());
    return reinterpret_cast<HINSTANCE>(opened ? kOk : kNotFound);
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    core::LogCall("MessageBoxA", std::string(caption ? caption : "") + "|" + (text ? text : "") + "|" +
                                     std::to_string(type));
    return core::CurrentHostOrNull().MessageBox(owner, text ? text : "", caption ? caption : "", type);
}

}  // namespace win
