#pragma once
// The Barcode mode's list generator, which fills the value list. Its window does not exist yet:
// Open_Wnd says so and answers 0 (Cancel). A test puts a runner in place of the window.

#include <functional>

class Generate_List_Barcode {
public:
    static Generate_List_Barcode *defaultInstance();
    int Open_Wnd();
    std::function<int()> runner;

private:
    Generate_List_Barcode() = default;
};
