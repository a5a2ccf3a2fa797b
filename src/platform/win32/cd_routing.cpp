#include "platform/win32/cd_routing.h"

namespace win32 {

CdDrive ChooseCdDrive(bool machineHasCdDrive, const SystemSender& system) {
    if (!machineHasCdDrive || !system) return CdDrive::Ours;
    char reply[16];
    if (system("open cdaudio alias tornel_probe shareable", reply, sizeof reply, nullptr) != 0) return CdDrive::Ours;
    system("close tornel_probe", reply, sizeof reply, nullptr);
    return CdDrive::System;
}

win::MCIERROR RouteCommand(CdDrive drive, win::CommandStringDevice* ours, const SystemSender& system,
                           const char* command, char* returnString, win::UINT returnLength, win::HWND callback) {
    if (drive == CdDrive::System && system) return system(command, returnString, returnLength, callback);
    return win::SendToDevice(ours, command, returnString, returnLength, callback);
}

}  // namespace win32
