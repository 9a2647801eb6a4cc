#pragma once
// Binding the widgets of a Qt Designer form to the controller's outlets of the same names (the
// Designing mode's forms and output's export sheet).
//
// uic gives a form's struct one pointer member for each widget, layout, spacer and button group of
// the form, and nothing else, so its size counts the form's parts. A binding takes each outlet by
// name with FORM_OUTLET and states how many other parts the form has (labels, boxes, rows, layouts,
// spacers). The build stops when the two do not add up to the form's parts: a widget added to a
// form must be bound or counted, and binding a widget that the form lacks does not compile.

#include <cstddef>
#include <type_traits>

namespace designform {

struct Taken {};

template <class Outlet, class Widget>
Taken take(Outlet *&outlet, Widget *widget)
{
    static_assert(std::is_convertible_v<Widget *, Outlet *>, "the form's widget is of the outlet's class");
    outlet = widget;
    return {};
}

template <std::size_t Others, class Form, class... Outlets>
    requires(std::is_same_v<Outlets, Taken> && ...)
void bindForm(const Form &, Outlets...)
{
    static_assert(sizeof(Form) / sizeof(void *) == Others + sizeof...(Outlets),
                  "every part of the form is bound to its outlet or counted among the others");
}

} // namespace designform

// In a binding with the controller `c` and the set-up form `ui`: the outlet and the widget of one name.
#define FORM_OUTLET(name) ::designform::take(c.name, ui.name)
