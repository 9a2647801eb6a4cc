#pragma once
// A control of a sidebar page found by its name, which is its outlet's name (the widget's
// objectName). The window tests reach the pages this way rather than through the pages' classes,
// so that a change of a page's header rebuilds only the tests of that page.

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace testsupport {

// The page's control of that name and class; a missing one fails the test.
template <class Control>
Control *pageControl(QWidget *page, const char *name)
{
    Control *found = page ? page->findChild<Control *>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        throw std::logic_error(std::string("the page has no control ") + name);
    return found;
}

} // namespace testsupport
