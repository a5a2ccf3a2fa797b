// Records platform calls for the headless host: "Name(arg,arg,...)", numbers
// in decimal, strings unquoted. Costs one test when no log is attached.
#pragma once

#include <string>
#include <type_traits>
#include <vector>

namespace win::core {

std::vector<std::string>* CallLog();

inline void AppendArg(std::string& out, const char* s) { out += s ? s : ""; }
inline void AppendArg(std::string& out, const std::string& s) { out += s; }
template <typename T>
    requires std::is_integral_v<T>
void AppendArg(std::string& out, T v) {
    out += std::to_string(v);
}

template <typename... Args>
void LogCall(const char* name, const Args&... args) {
    std::vector<std::string>* log = CallLog();
    if (!log) return;
    std::string line = name;
    line += '(';
    bool first = true;
    ((line += first ? "" : ",", first = false, AppendArg(line, args)), ...);
    line += ')';
    log->push_back(std::move(line));
}

}  // namespace win::core
