// Renders the console's first screen without a display and writes the client
// area as PNG: the README's screenshot, drawn by the program itself.
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/program_files.h"
#include "devices/cdaudio/cdaudio.h"
#include "platform/devices.h"
#include "platform/headless/headless.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: tornel-screenshot <out.png>\n", stderr);
        return 2;
    }
    setenv("TORNEL_NULL_AUDIO", "1", 1);  // a picture makes no sound: no sound card is opened
    headless::Session session;
    cdaudio::Options options;
    options.output = cdaudio::Output::Virtual;
    options.initialDisc = FindProgramFiles().DemoDisc().string();
    options.usePhysicalDrive = false;
    std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
    win::InstallCdAudioDevice(drive.get());

    const win::HINSTANCE instance = win::GetModuleHandleA(nullptr);
    if (!RegisterMainClass(instance) || !CreateMainWindow(instance, win::SW_SHOWNORMAL)) {
        std::fputs("tornel-screenshot: the console did not start\n", stderr);
        return 1;
    }
    session.Pump();
    const win::Surface& surface = session.Screen();
    const QImage screen(reinterpret_cast<const uchar*>(surface.pixels), win::Surface::kWidth, win::Surface::kHeight,
                        win::Surface::kWidth * 4, QImage::Format_RGB32);
    const bool saved = screen.copy(0, 0, win::kClientWidth, win::kClientHeight).save(QString::fromLocal8Bit(argv[1]), "PNG");

    session.Close();
    win::InstallCdAudioDevice(nullptr);
    if (!saved) {
        std::fprintf(stderr, "tornel-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
