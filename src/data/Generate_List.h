#pragma once
// The series creation the toolbar opens. Its window does not exist yet: Open_Wnd says so and
// answers 0 (Cancel). A test puts a runner in place of the window.

#include <functional>

class Generate_List {
public:
    static Generate_List *defaultInstance();
    int Open_Wnd();
    int file_name_required = 0;
    int file_name_Insert = 0;
    std::function<int()> runner;

private:
    Generate_List() = default;
};
