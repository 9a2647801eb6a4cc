#pragma once
// The series manager the toolbar opens. Its window does not exist yet: Open_Wnd says so and answers
// 0 (Cancel). A test puts a runner in place of the window.

#include <functional>

class BatchWizard {
public:
    static BatchWizard *defaultInstance();
    int Open_Wnd();
    std::function<int()> runner;

private:
    BatchWizard() = default;
};
