#pragma once
// A widget of a Designing-mode sidebar page found by its outlet name (the widget's objectName), for
// the window's tests that drive a page as a user does without compiling the page's panel class.

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace testsupport {

template <class Widget>
Widget *pageWidget(QWidget *page, const char *outlet)
{
    Widget *widget = page ? page->findChild<Widget *>(QString::fromLatin1(outlet)) : nullptr;
    if (!widget)
        ADD_FAILURE() << "the page has no " << outlet;
    return widget;
}

} // namespace testsupport
