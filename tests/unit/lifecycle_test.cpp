// The activation lifecycle and the module-wide log state, driven natively
// with a recording host and panel.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/Log.h"
#include "plugin/Lifecycle.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string>* events = nullptr;

class RecordingPanel final : public PanelListener {
public:
    explicit RecordingPanel(int number) : number(number) {}
    bool OpenPanel() override { return Record("OpenPanel"); }
    void ClosePanel() override { Record("ClosePanel"); }
    void OnHostEvent(PanelNotifier* from, int code) override {
        notifiers.push_back(from);
        Record("OnHostEvent " + std::to_string(code));
    }
    void ShowPanel() override { Record("ShowPanel"); }
    std::vector<PanelNotifier*> notifiers;

private:
    bool Record(const std::string& what) {
        events->push_back("panel" + std::to_string(number) + "." + what);
        return openResult;
    }
    int number;
    bool openResult = true;
};

class RecordingHost : public ModuleHost {
public:
    std::optional<std::string> InstallDirectory() override {
        events->push_back("InstallDirectory");
        return directory;
    }
    PanelListener& CreatePanel(PanelNotifier& notifier) override {
        events->push_back("CreatePanel");
        EXPECT_TRUE(notifier.Listeners().empty());
        panels.push_back(std::make_unique<RecordingPanel>(static_cast<int>(panels.size()) + 1));
        return *panels.back();
    }
    std::string directory;
    std::vector<std::unique_ptr<RecordingPanel>> panels;
};

// Each test gets an empty folder, a fresh log stream and a fresh log state,
// as a newly loaded module would.
class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        events = &log;
        host.directory = folder.string() + "/";
        ResetLogState();
    }
    void TearDown() override {
        ResetLogState();
        events = nullptr;
    }
    static void ResetLogState() {
        LogStream().Close();
        logSink = nullptr;
        logEnabled = false;
        logLevel = 0;
    }
    fs::path LogFile() const { return folder / kLogFileName; }

    std::vector<std::string> log;
    ScratchFolder scratch{"lifecycle"};
    const fs::path& folder = scratch.path;
    RecordingHost host;
};

TEST_F(LifecycleTest, FirstClickRunsTheWholeActivationInOrder) {
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    const std::vector<std::string> expected = {"InstallDirectory", "CreatePanel",
                                               "panel1.OpenPanel", "panel1.OnHostEvent -2"};
    EXPECT_EQ(expected, log);
    ASSERT_TRUE(lifecycle.IsActive());
    ASSERT_EQ(1u, lifecycle.Notifier()->Listeners().size());
    EXPECT_EQ(host.panels[0].get(), lifecycle.Notifier()->Listeners()[0]);
    EXPECT_EQ(lifecycle.Notifier(), host.panels[0]->notifiers[0]);
    EXPECT_TRUE(fs::exists(LogFile()));
    EXPECT_TRUE(logEnabled);
    EXPECT_EQ(&LogStream(), logSink);
}

TEST_F(LifecycleTest, LaterClicksOnlyShowTheSamePanel) {
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    PanelNotifier* first = lifecycle.Notifier();
    log.clear();
    lifecycle.OnLeftClick();
    lifecycle.OnLeftClick();
    const std::vector<std::string> expected = {"panel1.ShowPanel", "panel1.OnHostEvent -2",
                                               "panel1.ShowPanel", "panel1.OnHostEvent -2"};
    EXPECT_EQ(expected, log);
    EXPECT_EQ(1u, host.panels.size());
    EXPECT_EQ(first, lifecycle.Notifier());
}

TEST_F(LifecycleTest, RightClickAndDeactivateBeforeAnyClickDoNothing) {
    Lifecycle lifecycle(host);
    lifecycle.OnRightClick();
    lifecycle.OnDeactivate();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(lifecycle.IsActive());
    EXPECT_FALSE(fs::exists(LogFile()));
    EXPECT_EQ(nullptr, logSink);
}

TEST_F(LifecycleTest, RightClickWhileActiveReachesThePanel) {
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    log.clear();
    lifecycle.OnRightClick();
    EXPECT_EQ(std::vector<std::string>{"panel1.OnHostEvent -1"}, log);
}

TEST_F(LifecycleTest, DeactivationDropsTheNotifierButNotThePanel) {
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    log.clear();
    lifecycle.OnDeactivate();
    EXPECT_FALSE(lifecycle.IsActive());
    EXPECT_TRUE(log.empty()) << "the panel is neither told nor closed";
    EXPECT_EQ(host.panels[0].get(), lifecycle.Panel());
    lifecycle.OnRightClick();
    lifecycle.OnDeactivate();
    EXPECT_TRUE(log.empty());
}

TEST_F(LifecycleTest, ReactivationMakesASecondPanelAndKeepsTheLogOpen) {
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    *logSink << "kept\n";
    lifecycle.OnDeactivate();  // flushes
    lifecycle.OnLeftClick();
    EXPECT_EQ(2u, host.panels.size());
    EXPECT_EQ(host.panels[1].get(), lifecycle.Panel());
    EXPECT_EQ(std::vector<std::string>({"InstallDirectory", "CreatePanel", "panel1.OpenPanel",
                                        "panel1.OnHostEvent -2", "InstallDirectory", "CreatePanel",
                                        "panel2.OpenPanel", "panel2.OnHostEvent -2"}),
              log);
    std::ifstream in(LogFile());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ("kept", line) << "the second activation must not empty the log again";
}

TEST_F(LifecycleTest, AnEarlierLogIsEmptiedAtTheFirstActivation) {
    { std::ofstream(LogFile()) << "left over from an earlier run\n"; }
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    EXPECT_EQ(0u, fs::file_size(LogFile()));
}

TEST_F(LifecycleTest, LogPathIsTheDirectoryTextWithTheNameAppended) {
    EXPECT_EQ("C:\\Host\\rodadav.log", LogPathFor("C:\\Host\\"));
    EXPECT_EQ("C:\\Hostrodadav.log", LogPathFor("C:\\Host"));
    host.directory = (folder / "prefix-").string();
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    EXPECT_TRUE(fs::exists(folder / "prefix-rodadav.log"));
}

TEST_F(LifecycleTest, AnUnopenableLogLeavesLoggingOffAndTheActivationGoesOn) {
    host.directory = (folder / "missing" / "").string();
    Lifecycle lifecycle(host);
    lifecycle.OnLeftClick();
    EXPECT_TRUE(lifecycle.IsActive());
    EXPECT_EQ(nullptr, logSink);
    EXPECT_FALSE(logEnabled);
    logLevel = 1;
    WriteEntry(Severity::Error, "nowhere to go");  // must not fail
    lifecycle.OnDeactivate();
}

TEST_F(LifecycleTest, APanelWithoutAWindowStaysRegistered) {
    class FailingHost : public RecordingHost {
    public:
        PanelListener& CreatePanel(PanelNotifier& notifier) override {
            RecordingHost::CreatePanel(notifier);
            return failing;
        }
        class Failing : public PanelListener {
        public:
            bool OpenPanel() override { return false; }
            void ClosePanel() override {}
            void OnHostEvent(PanelNotifier*, int) override { ++events; }
            void ShowPanel() override { ++shows; }
            int events = 0;
            int shows = 0;
        } failing;
    } failingHost;
    failingHost.directory = host.directory;
    Lifecycle lifecycle(failingHost);
    lifecycle.OnLeftClick();
    lifecycle.OnLeftClick();
    EXPECT_TRUE(lifecycle.IsActive());
    EXPECT_EQ(1u, lifecycle.Notifier()->Listeners().size());
    EXPECT_EQ(2, failingHost.failing.events);
    EXPECT_EQ(1, failingHost.failing.shows);
}

}  // namespace
