// The name of a file without its folder, as the file dialogs give it as the
// file title; both separators count, so Windows paths read alike everywhere.
#pragma once

inline const char* PathFileName(const char* path) {
    const char* name = path;
    for (const char* at = path; *at; ++at) {
        if (*at == '/' || *at == '\\') name = at + 1;
    }
    return name;
}
