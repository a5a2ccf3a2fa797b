#include "cd/cd_commands.h"

#include <climits>

#include "cd/cd_transport.h"
#include "platform/win.h"

using namespace win;

int ReplyNumber(const char* reply) {
    const char* p = reply;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // Accumulate as a negative number so that INT_MIN itself fits; a longer
    // run of digits than 32 bits hold saturates instead of overflowing.
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 - (*p - '0');
        if (value < INT_MIN) value = INT_MIN - 1LL;
    }
    if (negative) return value < INT_MIN ? INT_MIN : static_cast<int>(value);
    return value < -INT_MAX ? INT_MAX : static_cast<int>(-value);
}

MCIERROR CdSend(const char* command) { return mciSendStringA(command, nullptr, 0, nullptr); }

void CdQueryText(const char* command, char* reply, int size) {
    reply[0] = '\0';
    mciSendStringA(command, reply, static_cast<UINT>(size), nullptr);
    reply[size - 1] = '\0';
}

int CdQuery(const char* command) {
    char reply[kReplySize];
    CdQueryText(command, reply, kReplySize);
    return ReplyNumber(reply);
}
