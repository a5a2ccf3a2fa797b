#include "platform/core/call_log.h"

#include "platform/core/core_control.h"

namespace win::core {

namespace {
std::vector<std::string>* g_log = nullptr;
}

std::vector<std::string>* CallLog() { return g_log; }
void SetCallLog(std::vector<std::string>* log) { g_log = log; }

}  // namespace win::core
