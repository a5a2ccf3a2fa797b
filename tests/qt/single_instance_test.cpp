// A later start hands its set file to the console listening in the runtime
// folder; with none there it hears so at once, and a socket left behind by
// a console that is gone is taken over.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "app/single_instance.h"
#include "qt/qt_console.h"

namespace {

class SingleInstance : public QtHostTest {
protected:
    QTemporaryDir runtime;
    QString name = runtime.filePath("tornel-console");

    // The later start runs beside the console's loop, as another process would.
    bool HandOver(const QByteArray& path) {
        auto sent = std::async(std::launch::async, [this, path] { return HandToRunningConsole(name, path); });
        while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return sent.get();
    }
};

}  // namespace

TEST_F(SingleInstance, TheListeningConsoleTakesEachPathWhole) {
    std::vector<QByteArray> taken;
    const ConsoleListener listener(name, [&taken](const QByteArray& path) { taken.push_back(path); });
    ASSERT_TRUE(listener.Listening());
    const QByteArray odd = "/home/dj/sets/line\nbreak \xC3\xA9.tnl";
    EXPECT_TRUE(HandOver("/home/dj/a.tnl"));
    EXPECT_TRUE(HandOver(odd));
    EXPECT_EQ(taken, (std::vector<QByteArray>{"/home/dj/a.tnl", odd}));

    // A second console finds the place taken and leaves it to the first.
    const ConsoleListener second(name, [](const QByteArray&) { FAIL(); });
    EXPECT_FALSE(second.Listening());
    EXPECT_TRUE(HandOver("/b.tnl"));
    EXPECT_EQ(taken.back(), "/b.tnl");
}

TEST_F(SingleInstance, NoConsoleMeansNoHandOverAndAStaleSocketIsTakenOver) {
    EXPECT_FALSE(HandOver("/a.tnl"));
    {
        QFile stale(name);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(HandOver("/a.tnl"));
    QByteArray taken;
    const ConsoleListener listener(name, [&taken](const QByteArray& path) { taken = path; });
    EXPECT_TRUE(listener.Listening());
    EXPECT_TRUE(HandOver("/a.tnl"));
    EXPECT_EQ(taken, "/a.tnl");
}

TEST(ConsoleSocket, LivesInTheRuntimeFolderWhenThereIsOne) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    EXPECT_EQ(ConsoleSocketName(), runtime.path() + "/tornel-console");
    qputenv("XDG_RUNTIME_DIR", "");
    EXPECT_TRUE(ConsoleSocketName().contains("tornel-console-"));
    qunsetenv("XDG_RUNTIME_DIR");
}
