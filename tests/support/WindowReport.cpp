#include "support/WindowReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace testsupport {

namespace {

bool windowBuilt = false;
bool windowLoaded = false;

class WindowReportListener : public ::testing::EmptyTestEventListener {
public:
    explicit WindowReportListener(std::string path) : m_path(std::move(path)) {}

    void OnTestStart(const ::testing::TestInfo &) override { windowBuilt = windowLoaded = false; }

    // Opened per case, so that a binary that dies midway leaves the lines of the cases it finished.
    void OnTestEnd(const ::testing::TestInfo &info) override
    {
        std::ofstream out(m_path, std::ios::app);
        const bool skipped = info.result() && info.result()->Skipped();
        out << info.test_suite_name() << '.' << info.name() << '\t' << (windowBuilt ? 1 : 0) << '\t' << (windowLoaded ? 1 : 0)
            << '\t' << (skipped ? 1 : 0) << '\n';
    }

private:
    std::string m_path;
};

} // namespace

void noteMainWindowBuilt() { windowBuilt = true; }

void noteMainWindowLoaded() { windowLoaded = true; }

void installWindowReport()
{
    const char *path = std::getenv("TAGORA_WINDOW_TEST_REPORT");
    if (!path || !*path)
        return;
    ::testing::UnitTest::GetInstance()->listeners().Append(new WindowReportListener(path));
}

} // namespace testsupport
