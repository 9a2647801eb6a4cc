#pragma once
// The series windows the toolbar opens: the series manager, the import wizard and the series
// creation; and the Barcode mode's list generator. Their windows do not exist yet: Open_Wnd says so and answers 0 (Cancel). A test puts a
// runner in place of the window.

#include <QString>
#include <functional>

class BatchWizard {
public:
    static BatchWizard *defaultInstance();
    int Open_Wnd();
    std::function<int()> runner;

private:
    BatchWizard() = default;
};

class Import_Wizard {
public:
    static Import_Wizard *defaultInstance();
    int Open_Wnd();
    int file_name_required = 0;   // 1: the user names a new series
    int file_name_Insert = 0;     // 0: not inserting into an existing series
    std::function<int()> runner;

private:
    Import_Wizard() = default;
};

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

// The Barcode mode's list generator, which fills the value list.
class Generate_List_Barcode {
public:
    static Generate_List_Barcode *defaultInstance();
    int Open_Wnd();
    std::function<int()> runner;

private:
    Generate_List_Barcode() = default;
};
