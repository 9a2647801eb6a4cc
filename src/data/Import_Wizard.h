#pragma once
// The import wizard the toolbar opens. Its window does not exist yet: Open_Wnd says so and answers
// 0 (Cancel). A test puts a runner in place of the window.

#include <functional>

class Import_Wizard {
public:
    static Import_Wizard *defaultInstance();
    int Open_Wnd();
    int file_name_required = 0;   // the user names a new series when 1
    int file_name_Insert = 0;     // inserting into an existing series when not 0
    std::function<int()> runner;

private:
    Import_Wizard() = default;
};
